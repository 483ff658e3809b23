#include "card/copy_text.h"

#include <QClipboard>
#include <QGuiApplication>

QString CopyText(const QStringList &captions)
{
    QString joined;
    for (const QString &caption : captions)
        joined += caption + QStringLiteral("\r\n");
    joined.replace(u'｜', u'ー');
    return joined;
}

bool PutOnClipboard(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->clear();
    clipboard->setText(text);
    return clipboard->text() == text;
}
