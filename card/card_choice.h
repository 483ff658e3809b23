#pragma once

#include <cstdint>

// The card picture (1 to 6) for a setting: the season's card whenever a season
// word is chosen, otherwise the morning card (5) or the night card (6).
inline int CardIndexFor(int16_t season, bool nightSet)
{
    return season != 0 ? season : (nightSet ? 6 : 5);
}
