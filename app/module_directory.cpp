#include "app/module_directory.h"

#include <QCoreApplication>
#include <QDir>

using namespace Qt::Literals::StringLiterals;

QString ModuleDirectory(const QString &installed)
{
    const QDir besideProgram(QCoreApplication::applicationDirPath() + u"/modules"_s);
    return besideProgram.exists() ? besideProgram.path() : installed;
}
