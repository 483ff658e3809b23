#include "card/card_output.h"
#include "card/vertical_column.h"
#include "card_fixture.h"
#include "forms/picture_box.h"
#include "poem/composer.h"
#include "settings/shared_settings.h"

#include <QPainter>
#include <QTest>
#include <QTimer>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

using CardWindow = CardFixture;

const QStringList kFirstPoem = {u"いちご"_s, u"な｜な"_s, u"いちご"_s, u"し｜  ごご"_s, u"歌野　詠"_s};
const QStringList kSecondPoem = {u"ぶどう"_s, u"はっぱ"_s, u"いちご"_s, u"し｜  ごご"_s, u"歌野　詠"_s};

TEST_F(CardWindow, StandsAtItsGeometryInTwips)
{
    EXPECT_EQ(form->windowTitle(), u"戯詠帖"_s);
    EXPECT_EQ(form->size(), QSize(398, 399)) << "client area 5970 x 5985 twips";
    EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "not resizable";
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form->Image2->geometry(), QRect(0, 0, 400, 400));
    EXPECT_EQ(form->Label1[0]->geometry(), QRect(288, 8, 17, 313));
    EXPECT_EQ(form->Label1[1]->geometry(), QRect(240, 80, 17, 273));
    EXPECT_EQ(form->Label1[2]->geometry(), QRect(184, 160, 17, 217));
    EXPECT_EQ(form->Label1[3]->geometry(), QRect(128, 80, 17, 305));
    EXPECT_EQ(form->Label5->geometry(), QRect(72, 320, 17, 73));
    EXPECT_EQ(form->children().indexOf(form->Image2), 0) << "the card lies beneath every column";
    EXPECT_EQ(form->Label1[0]->font().family(), u"HG正楷書体-PRO"_s);
    EXPECT_EQ(form->Label1[0]->font().pointSize(), 12);
    EXPECT_EQ(form->Label1[2]->text(), u"*****"_s);
    EXPECT_FALSE(form->Timer1->isActive());
}

TEST_F(CardWindow, ShowsTheCardOfTheSeasonOrElseOfThePoemSet)
{
    struct Case
    {
        int16_t season;
        bool night;
        int card;
    };
    for (const Case c : {Case{1, false, 1}, Case{2, true, 2}, Case{3, true, 3}, Case{4, false, 4}, Case{0, false, 5},
                         Case{0, true, 6}}) {
        kigoType = c.season;
        enkaMode = c.night;
        form->ShowCardPicture();
        ASSERT_FALSE(form->Image1[c.card - 1].isNull());
        EXPECT_EQ(form->Image2->picture().cacheKey(), form->Image1[c.card - 1].cacheKey())
            << "season " << c.season << " night " << c.night;
    }
    EXPECT_EQ(form->Image1[0].size(), QSize(200, 200));
}

TEST_F(CardWindow, RevealsCharacterByCharacterThenWritesThePoetName)
{
    QStringList seen;
    QObject::connect(form->Timer1, &QTimer::timeout, form.get(), [&] {
        seen << QString::number(form->Reveal().revealLine) + u":"_s + form->Label1[form->Reveal().revealLine]->text();
        EXPECT_EQ(form->Label5->text(), QString());
    });
    ScriptPoem(1);
    ComposePoem();

    EXPECT_EQ(Captions(), kFirstPoem);
    EXPECT_EQ(seen,
              (QStringList{u"0:いち"_s, u"0:いちご"_s, u"1:な｜"_s, u"1:な｜な"_s, u"2:いち"_s, u"2:いちご"_s,
                           u"3:し｜"_s, u"3:し｜ "_s, u"3:し｜  "_s, u"3:し｜  ご"_s, u"3:し｜  ごご"_s}));
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(form->Timer1->interval(), 0) << "the stopped timer is idle again, as it was before the reveal";
    EXPECT_EQ(random->draws, 7) << "no music draw while the music is off";
}

TEST_F(CardWindow, RequestDuringARevealTakesOverTheCard)
{
    int ticks = 0;
    QStringList afterRequest;
    QObject::connect(form->Timer1, &QTimer::timeout, form.get(), [&] {
        if (++ticks == 3) {
            ScriptPoem(3);
            QTest::mouseClick(form->Image2, Qt::LeftButton);
        } else if (ticks > 3) {
            afterRequest << Captions().mid(0, 2);
        }
    });
    ScriptPoem(1);
    ComposePoem();

    EXPECT_EQ(Captions(), kSecondPoem);
    EXPECT_FALSE(afterRequest.contains(u"な｜な"_s)) << "the old poem's rest never appears";
    EXPECT_EQ(afterRequest.first(), u"ぶど"_s) << "the new poem starts from its first column";
    EXPECT_FALSE(random->exhausted);
}

TEST_F(CardWindow, DoubleClickAsksForOnePoem)
{
    bgmOn = true;
    const QWidget *targets[] = {form->Image2, form->Label1[2]};
    for (const QWidget *target : targets) {
        random.reset(); // one scripted source at a time
        random = std::make_unique<ScriptedRandom>();
        ScriptPoem(1);
        random->Push({0.5f});
        music.calls.clear();
        // Through the window, as the platform delivers it: the second press
        // comes as a double-click. The events are handled before it returns,
        // and the poem is revealed by then; anything they left queued is run.
        QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {}, target->geometry().center());
        QCoreApplication::processEvents();

        EXPECT_EQ(random->draws, 8) << "one poem and one music draw";
        EXPECT_FALSE(random->exhausted);
        EXPECT_EQ(Captions(), kFirstPoem);
        EXPECT_EQ(std::count_if(music.calls.begin(), music.calls.end(),
                                [](const std::string &call) { return call.find("open") == 0; }),
                  1);
    }
}

TEST_F(CardWindow, TenThousandRapidRequestsEndInOneCompletePoem)
{
    bool clicked = false;
    QObject::connect(form->Timer1, &QTimer::timeout, form.get(), [&] {
        if (clicked)
            return;
        clicked = true;
        for (int i = 0; i < 10000; ++i) {
            ScriptPoem(i % 2 ? 1 : 3);
            QTest::mouseClick(form->Label1[i % 4], Qt::LeftButton);
        }
    });
    ScriptPoem(1);
    ComposePoem();
    EXPECT_EQ(Captions(), kFirstPoem) << "the last request, pattern 1, is the one revealed";
}

TEST_F(CardWindow, MusicChoiceDrawsOnceAndStartsThePieceWhenIdle)
{
    bgmOn = true;
    ScriptPoem(1);
    random->Push({0.5f});
    ComposePoem();
    EXPECT_EQ(random->draws, 8);
    EXPECT_EQ(bgmFile, u"ge_bg3.mid"_s);
    ASSERT_FALSE(music.calls.empty());
    EXPECT_TRUE(QString::fromStdString(music.calls[0]).endsWith(u"/ge_bg3.mid"_s)) << music.calls[0];
}

TEST_F(CardWindow, ColumnsDrawTheirCharactersInsideTheirRectangles)
{
    form->Image2->setPicture(QPixmap());
    const QStringList texts = {u"春の夜の夢ばかりなる"_s, u"手枕に"_s, u"かひなく立たむ"_s, u"名こそ惜しけれ  ー"_s};
    for (int i = 0; i < 4; ++i)
        form->Label1[i]->setText(texts[i]);
    form->Label5->setText(u"歌野　詠"_s);
    const QImage image = CardImage(*form, 1.0);

    QRegion columns;
    for (VerticalColumn *column : form->Label1)
        columns += column->geometry();
    columns += form->Label5->geometry();
    int inkOutside = 0;
    std::map<const QWidget *, int> inkInside;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) > 128)
                continue;
            if (!columns.contains(QPoint(x, y)))
                ++inkOutside;
            for (const QWidget *column : std::initializer_list<const QWidget *>{
                     form->Label1[0], form->Label1[1], form->Label1[2], form->Label1[3], form->Label5})
                if (column->geometry().contains(x, y))
                    ++inkInside[column];
        }
    }
    EXPECT_EQ(inkOutside, 0);
    for (VerticalColumn *column : form->Label1)
        EXPECT_GT(inkInside[column], 40);
    EXPECT_GT(inkInside[form->Label5], 20);
    // Ten characters reach well down the first column: one per row, not wrapped sideways.
    int lowestInk = 0;
    const QRect first = form->Label1[0]->geometry();
    for (int y = first.top(); y <= first.bottom(); ++y)
        for (int x = first.left(); x <= first.right(); ++x)
            if (qGray(image.pixel(x, y)) <= 128)
                lowestInk = y;
    EXPECT_GT(lowestInk - first.top(), 9 * form->Label1[0]->RowHeight());
}

// Rows are one em high, as vertical type sets them, so a poet name of five
// characters stands whole in its short column.
TEST_F(CardWindow, PoetNameOfFiveCharactersFitsItsColumn)
{
    form->Label5->setText(u"柿本人麻呂"_s);
    const ColumnLayout &layout = form->Label5->Layout();
    ASSERT_EQ(layout.rows.size(), 5u);
    EXPECT_LE(layout.bottom, form->Label5->height());
}

// Each row of a column of long-vowel strokes shows ink, in the card's own
// brush face (whose "｜" glyph is empty) as in a face that has one.
TEST_F(CardWindow, LongVowelStrokeShowsInEveryTypeface)
{
    for (const QString &family : {u"HG正楷書体-PRO"_s, u"IPAexMincho"_s}) {
        VerticalColumn column;
        column.setFont(QFont(family, 12));
        column.resize(17, 200);
        column.setText(u"｜｜｜"_s);
        QImage image(column.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        column.Draw(painter);
        painter.end();
        const int row = column.RowHeight();
        for (int r = 0; r < 3; ++r) {
            int ink = 0;
            for (int y = r * row; y < (r + 1) * row; ++y)
                for (int x = 0; x < image.width(); ++x)
                    ink += qGray(image.pixel(x, y)) < 160;
            EXPECT_GT(ink, 5) << family.toStdString() << " row " << r;
        }
    }
}

} // namespace
