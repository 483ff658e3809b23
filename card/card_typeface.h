#pragma once

#include <QString>

// The poem columns are set in "HG正楷書体-PRO", a kaisho face that is rarely
// installed on this platform.
QString CardTypefaceName();

// Makes a brush face stand in for the card typeface when it is missing (then
// a Mincho face), under its Japanese or its English family name, while the
// columns keep asking for it by its own name.
void RegisterCardTypeface();
