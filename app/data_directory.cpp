#include "app/data_directory.h"

#include <QDir>
#include <QFileInfo>

QString EnterDataDirectory()
{
    if (QFileInfo::exists(QStringLiteral("WORD5.TXT")))
        return QDir::currentPath();
    const QString installed = QStringLiteral(GIEICHO_DATA_DIR);
    QDir::setCurrent(installed);
    return installed;
}
