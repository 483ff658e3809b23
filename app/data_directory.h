#pragma once

#include <QString>

// The program reads its phrase files, music and sound from the working
// directory. Started from a desktop menu or from any folder without phrase
// files, it moves to the installed data folder instead. Returns the folder its
// files are read from: the installed one even when it is missing or cannot be
// entered, so that the loader's message names the folder the files belong in.
QString EnterDataDirectory(const QString &installed);
