#pragma once

#include <QString>
#include <cstdint>

// The settings every window and the composer share for the whole run.
// They are plain variables on the one interface thread: each part reads them
// when it needs them, so a change takes effect with the next poem.

// Season word every poem must carry: 0 none, 1 spring, 2 summer, 3 autumn, 4 winter.
extern int16_t kigoType;
// Poem set: true is the night set (two amorous phrases), false the morning set.
extern bool enkaMode;
// Poet name written beneath every poem.
extern QString kajinName;
// Background music switch.
extern bool bgmOn;
// File name of the background piece chosen for the current poem.
extern QString bgmFile;

// The values the phrase loader sets once the files are read.
void SetSettingDefaults();
