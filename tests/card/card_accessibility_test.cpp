#include "card/vertical_column.h"
#include "card_fixture.h"
#include "forms/picture_box.h"
#include "poem/composer.h"
#include "settings/shared_settings.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

class CardAccessibility : public CardFixture
{
protected:
    static QAccessibleInterface *Of(QObject *object) { return QAccessible::queryAccessibleInterface(object); }

    QList<QWidget *> Columns() const
    {
        return {form->Label1[0], form->Label1[1], form->Label1[2], form->Label1[3], form->Label5};
    }

    // The five columns as a screen reader reads them, name and text.
    QStringList Read() const
    {
        QStringList read;
        for (QWidget *column : Columns()) {
            QAccessibleInterface *iface = Of(column);
            EXPECT_EQ(iface->role(), QAccessible::StaticText);
            QAccessibleTextInterface *text = iface->textInterface();
            EXPECT_NE(text, nullptr);
            if (text) {
                EXPECT_EQ(text->text(0, text->characterCount()), iface->text(QAccessible::Name));
            }
            read << iface->text(QAccessible::Name);
        }
        return read;
    }
};

TEST_F(CardAccessibility, CardWindowIsAWindowOfAPictureAndFiveTexts)
{
    QAccessibleInterface *window = Of(form.get());
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), u"戯詠帖"_s);
    QList<QAccessible::Role> roles;
    for (int i = 0; i < window->childCount(); ++i)
        roles << window->child(i)->role();
    EXPECT_EQ(roles,
              (QList<QAccessible::Role>{QAccessible::Graphic, QAccessible::StaticText, QAccessible::StaticText,
                                        QAccessible::StaticText, QAccessible::StaticText, QAccessible::StaticText}));
    EXPECT_EQ(window->child(1)->object(), form->Label1[0]) << "read in order, column 1 first";
    EXPECT_EQ(window->child(5)->object(), form->Label5) << "and the poet name last";
}

TEST_F(CardAccessibility, ColumnsReadAsTheCopyTextWithTheLongVowelMark)
{
    ScriptPoem(1);
    ComposePoem();
    EXPECT_EQ(Read(), (QStringList{u"いちご"_s, u"なーな"_s, u"いちご"_s, u"しー  ごご"_s, u"歌野　詠"_s}));

    QStringList shownDuringReveal;
    QObject::connect(form->Timer1, &QTimer::timeout, form.get(), [&] {
        shownDuringReveal << Of(form->Label1[form->Reveal().revealLine])->text(QAccessible::Name);
    });
    ScriptPoem(1);
    ComposePoem();
    EXPECT_EQ(shownDuringReveal.mid(0, 3), (QStringList{u"いち"_s, u"いちご"_s, u"なー"_s}))
        << "a column reads what it shows at that moment";
}

TEST_F(CardAccessibility, EmptyColumnsReadAsEmpty)
{
    EXPECT_EQ(Read(), QStringList(5, u"*****"_s)) << "the placeholders before the first poem are what is shown";
    form->ClearPoem();
    EXPECT_EQ(Read(), QStringList(5, QString()));
    QAccessibleTextInterface *text = Of(form->Label1[0])->textInterface();
    EXPECT_EQ(text->characterCount(), 0);
    EXPECT_EQ(text->text(0, -1), QString());
    EXPECT_EQ(text->characterRect(0), QRect());
}

TEST_F(CardAccessibility, EachCharacterStandsInItsRowOfTheColumn)
{
    ScriptPoem(1);
    ComposePoem();
    QAccessibleTextInterface *text = Of(form->Label1[1])->textInterface();
    const QRect column(form->Label1[1]->mapToGlobal(QPoint(0, 0)), form->Label1[1]->size());
    QRect above;
    for (int offset = 0; offset < text->characterCount(); ++offset) {
        const QRect place = text->characterRect(offset);
        EXPECT_TRUE(column.contains(place)) << offset;
        EXPECT_GE(place.top(), above.bottom()) << "one under another";
        EXPECT_EQ(text->offsetAtPoint(place.center()), offset);
        above = place;
    }
    int start = -1;
    int end = -1;
    EXPECT_TRUE(text->attributes(0, &start, &end).contains(u"font-family:\"HG正楷書体-PRO\""_s));
    EXPECT_EQ(end, text->characterCount());
}

TEST_F(CardAccessibility, CardPictureIsNamedByItsMotif)
{
    struct Case
    {
        int16_t season;
        bool night;
        QString motif;
    };
    const Case cases[] = {
        {1, false, u"花咲く枝と小鳥"_s},       {2, true, u"海の上の太陽と入道雲"_s}, {3, true, u"栗の実と栗のいが"_s},
        {4, false, u"降る雪の中の雪だるま"_s}, {0, false, u"たなびく雲の下の山"_s},  {0, true, u"きのこ"_s},
    };
    QAccessibleInterface *picture = Of(form->Image2);
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    for (const Case &c : cases) {
        kigoType = c.season;
        enkaMode = c.night;
        form->ShowCardPicture();
        EXPECT_EQ(picture->text(QAccessible::Name), c.motif) << c.season << c.night;
    }
}

TEST_F(CardAccessibility, CardAndColumnsOfferTheirClickAsPressThePoetNameNothing)
{
    for (QObject *control : {static_cast<QObject *>(form->Image2), static_cast<QObject *>(form->Label1[0]),
                             static_cast<QObject *>(form->Label1[3])})
        EXPECT_EQ(Of(control)->actionInterface()->actionNames().value(0), QAccessibleActionInterface::pressAction())
            << control->metaObject()->className();
    EXPECT_FALSE(
        Of(form->Label5)->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));

    // Like a click: one poem and one music draw, the music started once.
    bgmOn = true;
    for (QObject *control : {static_cast<QObject *>(form->Image2), static_cast<QObject *>(form->Label1[2])}) {
        random.reset();
        random = std::make_unique<ScriptedRandom>();
        ScriptPoem(1);
        random->Push({0.5f});
        music.calls.clear();
        form->ClearPoem();
        Of(control)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->Label5->text() == kajinName; }, 10000));
        EXPECT_EQ(random->draws, 8) << "one poem and one music draw";
        EXPECT_FALSE(random->exhausted);
        EXPECT_EQ(std::count_if(music.calls.begin(), music.calls.end(),
                                [](const std::string &call) { return call.find("open") == 0; }),
                  1);
    }
    form->ClearPoem();
    Of(form->Label5)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTest::qWait(50);
    EXPECT_EQ(form->Label1[0]->text(), QString()) << "the poet name asks for nothing";
}

TEST_F(CardAccessibility, ActionDuringARevealTakesOverTheCardAsAClickDoes)
{
    int ticks = 0;
    QStringList afterRequest;
    QObject::connect(form->Timer1, &QTimer::timeout, form.get(), [&] {
        if (++ticks == 3) {
            ScriptPoem(3);
            Of(form->Label1[0])->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        } else if (ticks > 3) {
            afterRequest << Captions()[0];
        }
    });
    ScriptPoem(1);
    ComposePoem();
    EXPECT_EQ(Read(), (QStringList{u"ぶどう"_s, u"はっぱ"_s, u"いちご"_s, u"しー  ごご"_s, u"歌野　詠"_s}));
    ASSERT_FALSE(afterRequest.isEmpty());
    EXPECT_TRUE(afterRequest.contains(u"ぶど"_s)) << "the new poem is revealed from its first column";
    EXPECT_EQ(Of(form.get())->text(QAccessible::Description), u"ぶどう\nはっぱ\nいちご\nしー  ごご\n歌野　詠"_s)
        << "the window describes the poem that was finished";
}

TEST_F(CardAccessibility, MenuKeyAndShiftF10OpenTheMenuAtTheCardsCentre)
{
    struct Press
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool opens;
    };
    const Press presses[] = {
        {Qt::Key_Menu, Qt::NoModifier, true},    {Qt::Key_F10, Qt::ShiftModifier, true},
        {Qt::Key_F10, Qt::NoModifier, false},    {Qt::Key_F10, Qt::ControlModifier, false},
        {Qt::Key_Return, Qt::NoModifier, false},
    };
    const QPoint centre = form->mapToGlobal(form->rect().center());
    for (const Press &press : presses) {
        QWidget *opened = nullptr;
        QPoint at;
        QTimer::singleShot(100, [&] {
            opened = QApplication::activePopupWidget();
            if (opened) {
                at = opened->pos();
                opened->close();
            }
        });
        QTest::keyClick(form.get(), press.key, press.modifiers);
        QTest::qWait(150);
        EXPECT_EQ(opened == form->mnuPOPUP, press.opens) << press.key << press.modifiers;
        if (opened) {
            EXPECT_LE((at - centre).manhattanLength(), 4) << press.key << " at " << at.x() << "," << at.y();
        }
    }
    EXPECT_EQ(Captions()[0], u"*****"_s) << "no key asks for a poem";
}

} // namespace
