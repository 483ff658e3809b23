#pragma once

#include <QStringList>

// The family names of the installed fonts, each once, sorted, as a Japanese
// user sees them whatever the locale of the process: a font that carries a
// Japanese family name is listed under that name, any other under its first
// name. Qt finds a font by any of its family names, in any locale, so a QFont
// of a listed name draws with that font.
QStringList InstalledFontNames();
