#include "card/copy_text.h"

using namespace Qt::Literals::StringLiterals;

QString PlainCaption(const QString &caption)
{
    QString plain = caption;
    plain.replace(u'｜', u'ー');
    return plain;
}

QString CopyText(const QStringList &captions)
{
    QString joined;
    for (const QString &caption : captions)
        joined += caption + u"\r\n"_s;
    return PlainCaption(joined);
}
