#include "app/data_directory.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

QString EnterDataDirectory()
{
    if (QFileInfo::exists(u"WORD5.TXT"_s))
        return QDir::currentPath();
    QString installed = QString::fromUtf8(GIEICHO_DATA_DIR);
    QDir::setCurrent(installed);
    return installed;
}
