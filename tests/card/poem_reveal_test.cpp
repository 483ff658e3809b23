#include "card/poem_reveal.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Step
{
    int column;
    QString caption;
    bool operator==(const Step &) const = default;
};

void PrintTo(const Step &step, std::ostream *os)
{
    *os << step.column << ":" << step.caption.toStdString();
}

// Runs a reveal the way the card window's wait does, one tick at a time.
std::vector<Step> RevealAll(const std::array<QString, 4> &lines)
{
    PoemReveal reveal;
    reveal.Begin(lines);
    std::vector<Step> steps;
    do {
        while (!reveal.LineDone())
            steps.push_back({reveal.revealLine, reveal.Tick()});
    } while (reveal.NextLine());
    EXPECT_EQ(reveal.revealLine, 4);
    return steps;
}

TEST(PoemReveal, DisplayLinesJoinPhrasesFourAndFive)
{
    EXPECT_EQ(PoemReveal::DisplayLines(u"一"_s, u"二"_s, u"三"_s, u"四"_s, u"五"_s),
              (std::array<QString, 4>{u"一"_s, u"二"_s, u"三"_s, u"四  五"_s}));
    EXPECT_EQ(PoemReveal::DisplayLines(u"一"_s, u"二"_s, u"三"_s, u"十二"_s, u""_s)[3], u"十二  "_s);
}

TEST(PoemReveal, EachLineTakesOneTickFewerThanItsLength)
{
    const auto steps =
        RevealAll({u"あきのたの"_s, u"かりほのいほの"_s, u"とまをあら"_s, u"わがころもでは  つゆにぬれつつ"_s});
    ASSERT_EQ(steps.size(), 29u) << "4 + 6 + 4 + 15 ticks";
    EXPECT_EQ(steps[0], (Step{0, u"あき"_s})) << "the first tick shows two characters";
    EXPECT_EQ(steps[3], (Step{0, u"あきのたの"_s}));
    EXPECT_EQ(steps[4], (Step{1, u"かり"_s})) << "the next column starts with two characters";
    EXPECT_EQ(steps[10], (Step{2, u"とま"_s}));
    EXPECT_EQ(steps[28], (Step{3, u"わがころもでは  つゆにぬれつつ"_s}));
}

TEST(PoemReveal, LongVowelMarkBecomesAStrokeWhenReached)
{
    const auto steps = RevealAll({u"ーラーメン"_s, u"あー"_s, u""_s, u"x"_s});
    ASSERT_EQ(steps.size(), 5u);
    EXPECT_EQ(steps[0].caption, u"ーラ"_s) << "position 1 is never looked at";
    EXPECT_EQ(steps[1].caption, u"ーラ｜"_s);
    EXPECT_EQ(steps[3].caption, u"ーラ｜メン"_s);
    EXPECT_EQ(steps[4], (Step{1, u"あ｜"_s}));
}

TEST(PoemReveal, LinesOfNoneOrOneCharacterAreSkippedWithoutATick)
{
    const auto steps = RevealAll({u""_s, u"み"_s, u"ふたつ"_s, u""_s});
    EXPECT_EQ(steps, (std::vector<Step>{{2, u"ふた"_s}, {2, u"ふたつ"_s}}));
}

// The finished captions, worked out at once, are what each column shows after
// its last tick; a column its line never ticks stays empty.
TEST(PoemReveal, FinishedCaptionsAreEachColumnsLastTick)
{
    const std::array<QString, 4> cases[] = {
        {u"あきのたの"_s, u"かりほのいほの"_s, u"とまをあら"_s, u"わがころもでは  つゆにぬれつつ"_s},
        {u"ーラーメン"_s, u"あー"_s, u""_s, u"x"_s},
        {u""_s, u"み"_s, u"ふたつ"_s, u"ー  "_s},
    };
    for (const auto &lines : cases) {
        std::array<QString, 4> lastTicks;
        for (const Step &step : RevealAll(lines))
            lastTicks[static_cast<std::size_t>(step.column)] = step.caption;
        EXPECT_EQ(PoemReveal::FinishedCaptions(lines), lastTicks) << lines[0].toStdString();
    }
}

TEST(PoemReveal, TicksPastTheEndKeepTheWholeLine)
{
    PoemReveal reveal;
    reveal.Begin({u"はるー"_s, u""_s, u""_s, u""_s});
    for (int i = 0; i < 40000; ++i)
        reveal.Tick();
    EXPECT_EQ(reveal.revealPos, 3) << "the count stops at the line's length";
    EXPECT_EQ(reveal.Tick(), u"はる｜"_s);
}

TEST(PoemReveal, LineLongerThanTheCountShowsWholeWhenTheCountIsFull)
{
    QString line(40000, u'歌');
    line[100] = u'ー';
    line[39999] = u'ー';
    QString shown = line;
    shown[100] = u'｜';
    shown[39999] = u'｜';

    PoemReveal reveal;
    reveal.Begin({line, u"あいう"_s, u""_s, u""_s});
    int ticks = 0;
    QString caption;
    while (!reveal.LineDone() && ticks <= 40000) {
        caption = reveal.Tick();
        ++ticks;
        ASSERT_GE(reveal.revealPos, 1) << "after tick " << ticks;
        ASSERT_LE(reveal.revealPos, line.size()) << "after tick " << ticks;
    }
    EXPECT_EQ(ticks, PoemReveal::kCountLimit - 1);
    EXPECT_EQ(caption, shown) << "the whole line, every long-vowel mark a stroke";
    for (int i = 0; i < 1000; ++i)
        caption = reveal.Tick();
    EXPECT_EQ(reveal.revealPos, PoemReveal::kCountLimit) << "ticks beyond the limit count no further";
    EXPECT_EQ(caption, shown);

    ASSERT_TRUE(reveal.NextLine());
    EXPECT_EQ(reveal.Tick(), u"あい"_s) << "the reveal moves on to the next column";
}

} // namespace
