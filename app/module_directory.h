#pragma once

#include <QString>

// The folder the program loads its modules (the sound engine, the printing)
// from: "modules" beside the program, where the build puts them, when there
// is one, otherwise the installed folder.
QString ModuleDirectory(const QString &installed);
