#include "card/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

bool PutOnClipboard(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->clear();
    clipboard->setText(text);
    return clipboard->text() == text;
}
