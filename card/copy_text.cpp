#include "card/copy_text.h"

#include <QClipboard>
#include <QGuiApplication>

using namespace Qt::Literals::StringLiterals;

QString CopyText(const QStringList &captions)
{
    QString joined;
    for (const QString &caption : captions)
        joined += caption + u"\r\n"_s;
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
