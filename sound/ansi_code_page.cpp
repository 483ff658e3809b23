#include "sound/ansi_code_page.h"

#include <QFile>

QByteArray toAnsiCodePage(const QString &text)
{
    return QFile::encodeName(text);
}
