#include "dialogs/column_typeface.h"
#include "dialogs/form4.h"
#include "dialogs/japanese_font_names.h"
#include "forms/twips.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QFontInfo>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QTimer>
#include <QWindow>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString ResolvedFamily(const QFont &font)
{
    return QFontInfo(font).family();
}

// A sample of a poem column's text as the font draws it.
QImage Drawn(const QFont &font)
{
    QImage image(240, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(4, 30, u"詠み人知らず ABC"_s);
    return image;
}

// Stands in for the card window: the dialog opens over it, and it keeps
// every family the dialog gives its poem columns.
class StandInCard : public QWidget, public ColumnTypeface
{
public:
    void SetColumnFamily(const QString &family) override { given << family; }

    QStringList given;
};

class Form4Test : public testing::Test
{
protected:
    void ExpectTypefaceUnchanged() { EXPECT_TRUE(card_.given.isEmpty()) << card_.given.join(u", "_s).toStdString(); }

    StandInCard card_;
};

void Open(Form4 &form)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
}

QListWidgetItem *Entry(const Form4 &form, const QString &name)
{
    const QList<QListWidgetItem *> found = form.List1->findItems(name, Qt::MatchExactly);
    EXPECT_EQ(found.size(), 1) << name.toStdString() << " must be listed once";
    return found.value(0);
}

QPoint CentreOf(Form4 &form, QListWidgetItem *entry)
{
    form.List1->scrollToItem(entry);
    return form.List1->visualItemRect(entry).center();
}

// Clicks the listed name once; null, with nothing clicked, when it is not listed.
QListWidgetItem *ClickEntry(Form4 &form, const QString &name)
{
    QListWidgetItem *entry = Entry(form, name);
    if (entry)
        QTest::mouseClick(form.List1->viewport(), Qt::LeftButton, {}, CentreOf(form, entry));
    return entry;
}

// A double-click as the platform delivers it: press, release, press, release,
// the second press reported as a double-click too.
void DoubleClick(Form4 &form, QPoint inList, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseDClick(form.windowHandle(), button, {}, form.List1->viewport()->mapTo(&form, inList));
}

QPoint BlankPartOf(const Form4 &form)
{
    return {form.List1->viewport()->width() / 2, form.List1->viewport()->height() - 3};
}

void CloseByTitleBar(Form4 &form)
{
    QCloseEvent close;
    QCoreApplication::sendEvent(form.windowHandle(), &close);
}

TEST_F(Form4Test, ListsTheJapaneseNamesOfTheInstalledFontsWithNothingSelected)
{
    Form4 form(card_, &card_);
    Open(form);
    QStringList listed;
    for (int row = 0; row < form.List1->count(); ++row)
        listed << form.List1->item(row)->text();
    ASSERT_FALSE(listed.isEmpty());
    EXPECT_TRUE(listed.contains(u"IPAex明朝"_s)) << listed.join(u", "_s).toStdString();
    EXPECT_TRUE(listed.contains(u"IPAexゴシック"_s)) << listed.join(u", "_s).toStdString();
    EXPECT_FALSE(listed.contains(u"IPAexMincho"_s));
    EXPECT_EQ(listed.size(), QSet<QString>(listed.begin(), listed.end()).size()) << "each font once";
    for (const QString &name : listed)
        EXPECT_TRUE(IsJapaneseFontName(name)) << name.toStdString();
    EXPECT_TRUE(form.List1->selectedItems().isEmpty());
    EXPECT_EQ(form.List1->selectionMode(), QAbstractItemView::SingleSelection);
}

TEST_F(Form4Test, DoubleClickGivesTheListedTypefaceToTheColumnsOnce)
{
    struct Case
    {
        QString listed;
        QString englishName;
    };
    const Case cases[] = {{u"IPAex明朝"_s, u"IPAexMincho"_s}, {u"IPAexゴシック"_s, u"IPAexGothic"_s}};
    const QFont poemFont(u"DejaVu Sans"_s, 12);
    for (const Case &c : cases) {
        card_.given.clear();
        QFont expectedFont = poemFont;
        expectedFont.setFamily(c.englishName);
        ASSERT_NE(Drawn(expectedFont), Drawn(poemFont)) << c.englishName.toStdString();
        Form4 form(card_, &card_);
        Open(form);
        QListWidgetItem *entry = Entry(form, c.listed);
        ASSERT_NE(entry, nullptr);
        DoubleClick(form, CentreOf(form, entry));

        EXPECT_FALSE(form.isVisible());
        ASSERT_EQ(card_.given, QStringList{c.listed});
        QFont listedFont = poemFont;
        listedFont.setFamily(c.listed);
        EXPECT_EQ(ResolvedFamily(listedFont), ResolvedFamily(expectedFont));
        EXPECT_EQ(Drawn(listedFont), Drawn(expectedFont)) << "the listed name must draw with its own font";
    }
}

TEST_F(Form4Test, SelectingAnEntryAppliesNothing)
{
    Form4 form(card_, &card_);
    Open(form);
    QListWidgetItem *entry = ClickEntry(form, u"IPAex明朝"_s);
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isSelected());
    QTest::keyClick(form.List1, Qt::Key_Down);
    QTest::keyClick(form.List1, Qt::Key_Up);
    EXPECT_TRUE(form.isVisible());
    ExpectTypefaceUnchanged();
}

TEST_F(Form4Test, EnterAndEscapeApplyNothingAndLeaveTheWindowOpen)
{
    Form4 form(card_, &card_);
    Open(form);
    ASSERT_NE(ClickEntry(form, u"IPAex明朝"_s), nullptr);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(form.List1, key);
        EXPECT_TRUE(form.isVisible()) << "key " << key;
    }
    ExpectTypefaceUnchanged();
}

TEST_F(Form4Test, ClosingByTheTitleBarAppliesNothing)
{
    Form4 form(card_, &card_);
    Open(form);
    ASSERT_NE(ClickEntry(form, u"IPAex明朝"_s), nullptr);
    CloseByTitleBar(form);
    EXPECT_FALSE(form.isVisible());
    ExpectTypefaceUnchanged();
}

TEST_F(Form4Test, DoubleClickBelowTheEntriesWithNothingChosenAppliesNothing)
{
    Form4 form(card_, &card_);
    Open(form);
    const QPoint blank = BlankPartOf(form);
    ASSERT_EQ(form.List1->itemAt(blank), nullptr) << "the list must leave a blank part for this test";
    DoubleClick(form, blank);
    EXPECT_FALSE(form.isVisible());
    ExpectTypefaceUnchanged();
}

TEST_F(Form4Test, ChosenEntryStaysChosenThroughClicksOnTheBlankPart)
{
    Form4 form(card_, &card_);
    Open(form);
    QListWidgetItem *entry = ClickEntry(form, u"IPAex明朝"_s);
    ASSERT_NE(entry, nullptr);
    const QPoint blank = BlankPartOf(form);
    ASSERT_EQ(form.List1->itemAt(blank), nullptr) << "the list must leave a blank part for this test";
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        QTest::mouseClick(form.List1->viewport(), button, {}, blank);
    EXPECT_TRUE(entry->isSelected());
    EXPECT_TRUE(form.isVisible());

    DoubleClick(form, blank);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(card_.given, QStringList{u"IPAex明朝"_s}) << "a double-click on the blank part applies the choice";
}

TEST_F(Form4Test, OtherButtonsOnAnEntryLeaveTheChoiceWhereItWas)
{
    Form4 form(card_, &card_);
    Open(form);
    QListWidgetItem *chosen = ClickEntry(form, u"IPAex明朝"_s);
    QListWidgetItem *other = Entry(form, u"IPAexゴシック"_s);
    ASSERT_NE(chosen, nullptr);
    ASSERT_NE(other, nullptr);
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton})
        QTest::mouseClick(form.List1->viewport(), button, {}, CentreOf(form, other));
    EXPECT_TRUE(chosen->isSelected());
    EXPECT_FALSE(other->isSelected());

    DoubleClick(form, BlankPartOf(form));
    EXPECT_EQ(card_.given, QStringList{u"IPAex明朝"_s})
        << "the blank part's double-click applies the entry chosen first";
}

TEST_F(Form4Test, OnlyThePrimaryButtonsDoubleClickApplies)
{
    Form4 form(card_, &card_);
    Open(form);
    QListWidgetItem *entry = Entry(form, u"IPAex明朝"_s);
    ASSERT_NE(entry, nullptr);
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        DoubleClick(form, CentreOf(form, entry), button);
        EXPECT_TRUE(form.isVisible()) << "button " << button;
    }
    ExpectTypefaceUnchanged();
}

TEST_F(Form4Test, ReopeningShowsTheListAgainWithNothingSelected)
{
    QStringList firstList;
    {
        Form4 form(card_, &card_);
        Open(form);
        for (int row = 0; row < form.List1->count(); ++row)
            firstList << form.List1->item(row)->text();
        QListWidgetItem *entry = Entry(form, u"IPAexゴシック"_s);
        ASSERT_NE(entry, nullptr);
        DoubleClick(form, CentreOf(form, entry));
    }
    ASSERT_EQ(card_.given, QStringList{u"IPAexゴシック"_s});
    Form4 next(card_, &card_);
    Open(next);
    QStringList secondList;
    for (int row = 0; row < next.List1->count(); ++row)
        secondList << next.List1->item(row)->text();
    EXPECT_EQ(secondList, firstList);
    EXPECT_TRUE(next.List1->selectedItems().isEmpty());
}

TEST_F(Form4Test, ModalOpeningReturnsAfterTheDoubleClick)
{
    Form4 form(card_, &card_);
    QTimer::singleShot(0, &form, [&form] {
        if (QListWidgetItem *entry = Entry(form, u"IPAex明朝"_s))
            DoubleClick(form, CentreOf(form, entry));
        else
            form.close();
    });
    form.exec();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(card_.given, QStringList{u"IPAex明朝"_s});
}

TEST_F(Form4Test, FixedToolWindowWithTheListAtItsTwipGeometry)
{
    Form4 form(card_, &card_);
    Open(form);
    EXPECT_EQ(form.windowTitle(), u"戯詠帖／書体選択"_s);
    EXPECT_EQ(form.windowType(), Qt::Tool);
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(form.size(), QSize(275, 227)); // 4125 x 3405 twips
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.List1->geometry(), QRect(8, 8, 257, 208));
    EXPECT_FALSE(form.List1->testAttribute(Qt::WA_SetFont));
}

// An assistive tool sees the list's entries by their names, and an entry's
// press action does what a double-click on it does.
TEST_F(Form4Test, EntryActionAppliesItsTypefaceAsADoubleClickDoes)
{
    Form4 form(card_);
    Open(form);
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(form.List1);
    ASSERT_EQ(list->role(), QAccessible::List);
    ASSERT_EQ(list->childCount(), form.List1->count());
    QAccessibleInterface *chosen = nullptr;
    for (int row = 0; row < list->childCount(); ++row) {
        QAccessibleInterface *entry = list->child(row);
        EXPECT_EQ(entry->role(), QAccessible::ListItem);
        EXPECT_EQ(entry->text(QAccessible::Name), form.List1->item(row)->text());
        EXPECT_EQ(list->indexOfChild(entry), row);
        EXPECT_EQ(entry->parent(), list);
        EXPECT_FALSE(entry->state().selected);
        if (entry->text(QAccessible::Name) == u"IPAex明朝"_s)
            chosen = entry;
    }
    ASSERT_NE(chosen, nullptr);
    const QRect place = chosen->rect();
    EXPECT_EQ(list->childAt(place.center().x(), place.center().y()), chosen);
    EXPECT_EQ(chosen->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});

    chosen->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }));
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(card_.given, QStringList{u"IPAex明朝"_s});
}

} // namespace
