#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The tag a phrase carries in its last two characters.
enum class Tag : uint8_t { None, Amorous, Spring, Summer, Autumn, Winter };

constexpr int kTagCount = 6;

// ";e" amorous, ";h" spring, ";n" summer, ";a" autumn, ";f" winter; anything else is neutral.
Tag TagOf(const QString &phrase);

// One phrase group: 101 slots filled from 0 upwards, and the index of the last phrase
// (-1 for an empty group).
struct PhraseGroup
{
    static constexpr int kSlotCount = 101;

    std::array<QString, kSlotCount> phrases;
    // The tag of every slot, worked out once at loading so the composer's
    // draw-and-check loop never has to look at the text.
    std::array<Tag, kSlotCount> tags{};
    int16_t last = -1;

    void Clear();
};

// The nine groups the loader fills and the composer draws from.
struct PhraseGroups
{
    PhraseGroup Word5A, Word5B, Word5C, Word5D;
    PhraseGroup Word7A, Word7B, Word7C, Word7D;
    PhraseGroup Word12;

    // The groups' names, in the order the phrase files hold them.
    static constexpr std::array<const char *, 9> kNames = {"Word5A", "Word5B", "Word5C", "Word5D", "Word7A",
                                                           "Word7B", "Word7C", "Word7D", "Word12"};
    // All nine, in that same order.
    std::array<PhraseGroup *, 9> All()
    {
        return {&Word5A, &Word5B, &Word5C, &Word5D, &Word7A, &Word7B, &Word7C, &Word7D, &Word12};
    }
    std::array<const PhraseGroup *, 9> All() const
    {
        return {&Word5A, &Word5B, &Word5C, &Word5D, &Word7A, &Word7B, &Word7C, &Word7D, &Word12};
    }
};

// The groups of this run, written only by the loader.
extern PhraseGroups phraseGroups;
