#include "sound/cp932.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

QByteArray toCp932(const QString &text)
{
    QStringEncoder encoder("CP932");
    return encoder.encode(text);
}

std::string localFileName(std::string_view cp932Name)
{
    QStringDecoder decoder("CP932");
    const QString name = decoder.decode(QByteArrayView(cp932Name.data(), qsizetype(cp932Name.size())));
    return QFile::encodeName(name).toStdString();
}
