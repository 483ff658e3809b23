#include "forms/japanese_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

bool InstallJapaneseTranslation()
{
    // Lives as long as the application, which keeps using it.
    static QTranslator translator;
    if (!translator.isEmpty())
        return true;
    if (!translator.load(u"qtbase_ja"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}
