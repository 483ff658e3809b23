#include "app/data_directory.h"

#include <QDir>
#include <QFileInfo>

void EnterDataDirectory()
{
    if (QFileInfo::exists(QStringLiteral("WORD5.TXT")))
        return;
    const QString installed = QStringLiteral(GIEICHO_DATA_DIR);
    if (QFileInfo::exists(installed + QStringLiteral("/WORD5.TXT")))
        QDir::setCurrent(installed);
}
