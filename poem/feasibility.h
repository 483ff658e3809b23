#pragma once

#include "poem/phrase_groups.h"

#include <QString>
#include <cstdint>
#include <optional>

// Whether the loaded groups can give a poem that passes the rules for a setting,
// and how likely one random attempt is to pass. Decided from the tags of the
// drawable slots, so an impossible setting is known before any drawing starts.
struct SettingOutlook
{
    bool possible = false;
    double acceptanceRate = 0.0;
};

SettingOutlook AssessSetting(const PhraseGroups &groups, int16_t season, bool nightSet);

// Only whether a passing poem can be drawn at all: quick enough to ask before
// every poem.
bool CanSatisfy(const PhraseGroups &groups, int16_t season, bool nightSet);

// The message for a setting the phrase files cannot satisfy.
QString UnsatisfiableMessage(int16_t season, bool nightSet);
