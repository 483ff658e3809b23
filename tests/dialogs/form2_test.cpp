#include "dialogs/form2.h"
#include "forms/event_waits.h"
#include "forms/twips.h"
#include "settings/shared_settings.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Settings
{
    int season;
    bool nightSet;
    QString name;
    bool operator==(const Settings &) const = default;
};

void PrintTo(const Settings &s, std::ostream *out)
{
    *out << "{season " << s.season << ", " << (s.nightSet ? "night" : "morning") << ", \"" << s.name.toStdString()
         << "\"}";
}

Settings Stored()
{
    return {kigoType, enkaMode, kajinName};
}

void Store(const Settings &s)
{
    kigoType = static_cast<int16_t>(s.season);
    enkaMode = s.nightSet;
    kajinName = s.name;
}

// What the window shows; a group without exactly one selected option shows -1.
template <std::size_t N> int SelectedIndex(QRadioButton *const (&options)[N])
{
    int selected = -1;
    for (std::size_t i = 0; i < N; ++i) {
        if (options[i]->isChecked()) {
            if (selected >= 0)
                return -1;
            selected = static_cast<int>(i);
        }
    }
    return selected;
}

Settings Shown(const Form2 &form)
{
    const int poemSet = SelectedIndex(form.ENKA);
    EXPECT_GE(poemSet, 0) << "exactly one poem set must be selected";
    return {SelectedIndex(form.kigo), poemSet == 1, form.Text1->text()};
}

void Open(Form2 &form)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
}

// What the close button of the title bar does: the platform sends the window a close event.
void CloseByTitleBar(Form2 &form)
{
    QCloseEvent close;
    QCoreApplication::sendEvent(form.windowHandle(), &close);
}

QString Caption(const QWidget *control)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->title();
    return {};
}

// Replaces the name as a Japanese user types it: ASCII from the keyboard,
// everything else committed by the input method.
void TypeName(Form2 &form, const QString &name)
{
    QTest::keyClick(form.Text1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(form.Text1, Qt::Key_Delete);
    for (QChar character : name) {
        if (character.unicode() < 0x80) {
            QTest::keyClick(form.Text1, character.toLatin1());
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(character));
            QCoreApplication::sendEvent(form.Text1, &commit);
        }
    }
}

// Makes the choices in the window as a user would, without confirming them.
void Choose(Form2 &form, const Settings &s)
{
    QTest::mouseClick(form.kigo[s.season], Qt::LeftButton);
    QTest::mouseClick(form.ENKA[s.nightSet ? 1 : 0], Qt::LeftButton);
    TypeName(form, s.name);
}

class Form2Test : public testing::Test
{
protected:
    void SetUp() override { SetSettingDefaults(); }
};

TEST_F(Form2Test, FirstOpeningShowsTheDefaultsAndClosingKeepsThem)
{
    const Settings defaults{0, false, u"歌野　詠"_s};
    ASSERT_EQ(Stored(), defaults);
    Form2 form;
    Open(form);
    EXPECT_EQ(Shown(form), defaults);
    EXPECT_EQ(form.kigo[0]->text(), u"指定無し"_s);
    EXPECT_EQ(form.ENKA[0]->text(), u"朝の百人一首"_s);

    CloseByTitleBar(form);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(Stored(), defaults);
}

TEST_F(Form2Test, ConfirmingWithoutChangesKeepsEverySetting)
{
    const Settings cases[] = {
        {0, false, u"歌野　詠"_s}, {1, true, u""_s},        {2, false, u"\u3000歌人 "_s},
        {3, true, u"x"_s},         {4, false, u"紀貫之"_s},
    };
    for (const Settings &c : cases) {
        Store(c);
        Form2 form;
        Open(form);
        EXPECT_EQ(Shown(form), c);
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(Stored(), c);
    }
}

TEST_F(Form2Test, StoredChoicesAreShownAtTheNextOpening)
{
    const Settings autumnNight{3, true, u"秋の夜長"_s};
    {
        Form2 form;
        Open(form);
        Choose(form, autumnNight);
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        EXPECT_FALSE(form.isVisible());
    }
    EXPECT_EQ(Stored(), autumnNight);
    Form2 next;
    Open(next);
    EXPECT_EQ(Shown(next), autumnNight);
}

TEST_F(Form2Test, TheTwoOptionGroupsAreExclusiveEachOnItsOwn)
{
    Form2 form;
    Open(form);
    QTest::mouseClick(form.ENKA[1], Qt::LeftButton);
    for (int season : {2, 4, 1, 0, 3}) {
        QTest::mouseClick(form.kigo[season], Qt::LeftButton);
        EXPECT_EQ(SelectedIndex(form.kigo), season);
        EXPECT_EQ(SelectedIndex(form.ENKA), 1);
    }
    QTest::mouseClick(form.ENKA[0], Qt::LeftButton);
    EXPECT_EQ(SelectedIndex(form.ENKA), 0);
    EXPECT_EQ(SelectedIndex(form.kigo), 3);
}

TEST_F(Form2Test, ClosingByTheTitleBarStoresNothing)
{
    const Settings before{2, true, u"元の名"_s};
    Store(before);
    {
        Form2 form;
        Open(form);
        Choose(form, {4, false, u"新しい名"_s});
        CloseByTitleBar(form);
        EXPECT_FALSE(form.isVisible());
    }
    EXPECT_EQ(Stored(), before);
    Form2 next;
    Open(next);
    EXPECT_EQ(Shown(next), before);
}

TEST_F(Form2Test, NameIsStoredExactlyAsTyped)
{
    const QString names[] = {
        u"  歌野 "_s, u"\u3000歌野\u3000詠\u3000"_s, u"\u3000 \u3000"_s, u" "_s, u"a  b"_s, u""_s,
    };
    for (const QString &name : names) {
        {
            Form2 form;
            Open(form);
            TypeName(form, name);
            EXPECT_EQ(form.Text1->text(), name) << "the text box must take what is typed";
            QTest::mouseClick(form.Command1, Qt::LeftButton);
        }
        EXPECT_EQ(kajinName, name);
        Form2 next;
        Open(next);
        EXPECT_EQ(next.Text1->text(), name);
    }
}

TEST_F(Form2Test, NameHasNoLengthLimit)
{
    const QString longName = QString(40000, u'詠');
    QGuiApplication::clipboard()->setText(longName);
    Form2 form;
    Open(form);
    QTest::keyClick(form.Text1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(form.Text1, Qt::Key_V, Qt::ControlModifier);
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    EXPECT_EQ(kajinName.size(), longName.size());
    EXPECT_EQ(kajinName, longName);
}

TEST_F(Form2Test, EnterAndEscapeStoreNothingAndLeaveTheWindowOpen)
{
    const Settings before{1, false, u"歌野　詠"_s};
    Store(before);
    Form2 form;
    Open(form);
    Choose(form, {2, true, u"未確定"_s});
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(form.Text1, key);
        EXPECT_TRUE(form.isVisible()) << "key " << key;
        EXPECT_EQ(Stored(), before) << "key " << key;
    }
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        QTest::keyClick(form.kigo[2], key);
        EXPECT_TRUE(form.isVisible()) << "key " << key << " on an option";
        EXPECT_EQ(Stored(), before) << "key " << key << " on an option";
    }
    // The window still works as before.
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    EXPECT_EQ(Stored(), (Settings{2, true, u"未確定"_s}));
}

TEST_F(Form2Test, ModalOpeningReturnsOnceTheWindowIsGone)
{
    {
        Form2 form;
        bool modal = false;
        QTimer::singleShot(0, &form, [&form, &modal] {
            modal = QApplication::activeModalWidget() == &form;
            QTest::mouseClick(form.kigo[4], Qt::LeftButton);
            QTest::mouseClick(form.Command1, Qt::LeftButton);
        });
        EXPECT_EQ(form.exec(), QDialog::Accepted);
        EXPECT_TRUE(modal);
    }
    EXPECT_EQ(kigoType, 4);
    {
        Form2 form;
        QTimer::singleShot(0, &form, [&form] {
            QTest::mouseClick(form.kigo[1], Qt::LeftButton);
            CloseByTitleBar(form);
        });
        form.exec();
    }
    EXPECT_EQ(kigoType, 4);
}

TEST_F(Form2Test, ModelessOpeningIsWaitedForUntilTheWindowIsGone)
{
    Form2 form;
    form.show();
    EXPECT_FALSE(form.isModal());
    QTimer::singleShot(0, &form, [&form] {
        QTest::mouseClick(form.ENKA[1], Qt::LeftButton);
        QTest::mouseClick(form.Command1, Qt::LeftButton);
    });
    WaitWhileVisible(form);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(enkaMode);
}

TEST_F(Form2Test, FixedToolWindowWithTheControlsAtTheirTwipGeometry)
{
    Form2 form;
    Open(form);
    EXPECT_EQ(form.windowTitle(), u"戯詠帖／歌種指定"_s);
    EXPECT_EQ(form.windowType(), Qt::Tool);
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(form.size(), QSize(212, 280)); // 3180 x 4200 twips
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.Command1->isDefault());
    EXPECT_FALSE(form.Command1->autoDefault());

    struct Place
    {
        QWidget *control;
        QWidget *container;
        QString caption;
        QRect pixels;
    };
    const Place places[] = {
        {form.Frame1, &form, u"季語指定"_s, {8, 16, 185, 73}},
        {form.kigo[1], form.Frame1, u"春"_s, {16, 24, 33, 17}},
        {form.kigo[2], form.Frame1, u"夏"_s, {56, 24, 33, 17}},
        {form.kigo[3], form.Frame1, u"秋"_s, {96, 24, 33, 17}},
        {form.kigo[4], form.Frame1, u"冬"_s, {136, 24, 33, 17}},
        {form.kigo[0], form.Frame1, u"指定無し"_s, {16, 48, 73, 17}},
        {form.Frame2, &form, u"艶歌指定"_s, {8, 96, 193, 73}},
        {form.ENKA[0], form.Frame2, u"朝の百人一首"_s, {16, 24, 161, 17}},
        {form.ENKA[1], form.Frame2, u"夜の百人一首"_s, {16, 48, 113, 17}},
        {form.Frame3, &form, u"歌人指定"_s, {8, 176, 193, 57}},
        {form.Text1, form.Frame3, QString(), {16, 24, 169, 18}},
        {form.Command1, &form, u"よろし"_s, {128, 248, 73, 25}},
    };
    for (const Place &p : places) {
        EXPECT_EQ(p.control->geometry(), p.pixels) << p.caption.toStdString();
        EXPECT_EQ(p.control->parentWidget(), p.container) << p.caption.toStdString();
        EXPECT_EQ(Caption(p.control), p.caption);
        EXPECT_FALSE(p.control->testAttribute(Qt::WA_SetFont)) << "the default dialog font for every control";
    }

    // Centred while it is created, before the frame is known: off by half the frame at most.
    const QRect screen = form.screen()->geometry();
    const QMargins frame = form.windowHandle()->frameMargins();
    EXPECT_LE(std::abs(form.frameGeometry().center().x() - screen.center().x()), std::max(frame.left(), 1));
    EXPECT_LE(std::abs(form.frameGeometry().center().y() - screen.center().y()), std::max(frame.top(), 1));
}

TEST_F(Form2Test, TabOrderFollowsTheLayout)
{
    Form2 form;
    Open(form);
    // Within a group the options keep their layout order...
    const QWidget *layoutOrder[] = {form.kigo[1], form.kigo[2], form.kigo[3], form.kigo[4], form.kigo[0],
                                    form.ENKA[0], form.ENKA[1], form.Text1,   form.Command1};
    std::vector<const QWidget *> chain;
    for (QWidget *w = form.nextInFocusChain(); w != &form; w = w->nextInFocusChain())
        if (w->focusPolicy() != Qt::NoFocus)
            chain.push_back(w);
    EXPECT_TRUE(std::equal(chain.begin(), chain.end(), std::begin(layoutOrder), std::end(layoutOrder)));

    // ...and Tab steps from group to group, as one stop each.
    auto groupOf = [&form](const QWidget *w) -> int {
        if (w && w->parentWidget() == form.Frame1)
            return 1;
        if (w && w->parentWidget() == form.Frame2)
            return 2;
        return w == form.Text1 ? 3 : w == form.Command1 ? 4 : 0;
    };
    form.Text1->setFocus(Qt::OtherFocusReason);
    for (int expected : {4, 1, 2, 3, 4}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(groupOf(QApplication::focusWidget()), expected);
    }
    for (int expected : {3, 2, 1, 4}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(groupOf(QApplication::focusWidget()), expected);
    }
}

} // namespace
