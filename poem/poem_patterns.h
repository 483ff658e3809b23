#pragma once

#include "poem/phrase_groups.h"

// The groups phrases 1 to 3 come from, for patterns 1 to 4.
struct PoemPattern
{
    PhraseGroup PhraseGroups::*phrase1;
    PhraseGroup PhraseGroups::*phrase2;
    PhraseGroup PhraseGroups::*phrase3;
};

inline constexpr PoemPattern kPoemPatterns[4] = {
    {&PhraseGroups::Word5A, &PhraseGroups::Word7A, &PhraseGroups::Word5C},
    {&PhraseGroups::Word5A, &PhraseGroups::Word7A, &PhraseGroups::Word5D},
    {&PhraseGroups::Word5B, &PhraseGroups::Word7B, &PhraseGroups::Word5C},
    {&PhraseGroups::Word5C, &PhraseGroups::Word7A, &PhraseGroups::Word5D},
};

// Ending 1 of 6 is the twelve-mora phrase from Word12 with an empty phrase 5;
// the other five take phrase 4 from Word7C and phrase 5 from Word7D.
inline constexpr int kEndingCount = 6;
inline constexpr int kTwelveMoraEnding = 1;
