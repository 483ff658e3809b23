#include "sound/ansi_code_page.h"

#include <QFile>

QByteArray ToAnsiCodePage(const QString &text)
{
    return QFile::encodeName(text);
}
