#pragma once

#include <QString>
#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

// Where a poem's reveal stands: which display line is being written and how
// many of its characters show. It knows nothing of windows: the card window
// asks it for each tick's caption and whether the current line is done.
class PoemReveal
{
public:
    // The four display lines of a poem: phrases 1 to 3, then phrase 4, two
    // spaces and phrase 5.
    static std::array<QString, 4> DisplayLines(const QString &phrase1, const QString &phrase2, const QString &phrase3,
                                               const QString &phrase4, const QString &phrase5);

    // The captions the four columns show once the reveal is over, worked out
    // without waiting for the ticks. A line of zero or one character gets no
    // tick, so its column stays as the cleared card left it: empty.
    static std::array<QString, 4> FinishedCaptions(const std::array<QString, 4> &lines);

    // Starts on line 0 with one character counted.
    void Begin(const std::array<QString, 4> &lines);

    // The most characters the count can reach: a line longer than that shows
    // whole on the tick that brings the count there.
    static constexpr int16_t kCountLimit = std::numeric_limits<int16_t>::max();

    // True once the current line shows all its characters. A line of zero or
    // one character is done before any tick.
    bool LineDone() const { return revealPos >= std::min<qsizetype>(poemLines[revealLine].size(), kCountLimit); }

    // Moves to the next line; false once the last line is passed.
    bool NextLine();

    // One tick: one more character counted, a long-vowel mark reached on this
    // tick drawn as the vertical stroke, and the caption the column shows now.
    // The count stops at the line's length, or at its limit, however long the
    // ticks go on.
    QString Tick();

    std::array<QString, 4> poemLines;
    int16_t revealLine = 0;
    int16_t revealPos = 0;
    QString revealText;
};
