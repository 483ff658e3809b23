#pragma once

#include "poem/phrase_groups.h"

#include <QString>
#include <cstdint>

// The season-word and poem-set rules a poem must pass, on the tags of its five
// phrases in poem order:
// - night set: exactly two amorous phrases; morning set: none;
// - season 1 to 4: exactly one phrase of that season and none of another;
// - season 0: no season phrase at all; any other value: no season rule.
bool PassesRules(const Tag (&tags)[5], int16_t season, bool nightSet);

// The tag a season setting asks for; Tag::None for 0 and for values outside 1 to 4.
Tag SeasonTag(int16_t season);

// The names the settings window gives the choices, for messages.
QString SeasonName(int16_t season);
QString PoemSetName(bool nightSet);
