#include "app/data_directory.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

QString EnterDataDirectory(const QString &installed)
{
    if (QFileInfo::exists(u"WORD5.TXT"_s))
        return QDir::currentPath();
    QDir::setCurrent(installed);
    return installed;
}
