#pragma once

#include <QStringList>

// The family names of the installed fonts, each once, sorted, as a Japanese
// user sees them whatever the locale of the process: a font that carries a
// Japanese family name is listed under that name, any other under its first
// name. Qt names each font by its first family name for the current locale, so
// a Japanese name listed in its place is made a substitute for that name: a
// QFont of any listed name draws with the font listed.
QStringList InstalledFontNames();
