#include "forms/japanese_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallJapaneseTranslation()
{
    // Lives as long as the application, which keeps using it.
    static QTranslator translator;
    if (!translator.isEmpty())
        return true;
    if (!translator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}
