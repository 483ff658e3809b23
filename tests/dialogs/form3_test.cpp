#include "dialogs/form3.h"
#include "forms/picture_box.h"
#include "forms/program_end.h"

#include <QAccessible>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(TitleScreen, ShowsTheTitlePictureInItsFixedWindow)
{
    Form3 title;
    EXPECT_EQ(title.windowTitle(), u"戯詠帖"_s);
    EXPECT_EQ(title.size(), QSize(299, 294)) << "client area 4485 x 4410 twips";
    EXPECT_EQ(title.minimumSize(), title.maximumSize());
    EXPECT_EQ(title.Image1->geometry(), QRect(0, 0, 300, 300));
    EXPECT_EQ(title.Image1->picture().size(), QSize(300, 300));
}

TEST(TitleScreen, AClickClosesItAndTheProgramRunsOn)
{
    Form3 title;
    title.show();
    QTest::mouseDClick(title.Image1, Qt::LeftButton, {}, QPoint(150, 150));
    QTest::mouseClick(title.Image1, Qt::LeftButton, {}, QPoint(150, 150));
    EXPECT_FALSE(title.isVisible());
    title.Unload(); // start-up's own close after the wait
    EXPECT_FALSE(ProgramEnding());
}

TEST(TitleScreen, ThePicturesPressActionIsItsClick)
{
    Form3 title;
    title.show();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&title)->role(), QAccessible::Window);
    QAccessibleInterface *picture = QAccessible::queryAccessibleInterface(title.Image1);
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    EXPECT_EQ(picture->text(QAccessible::Name), u"戯詠帖"_s);
    ASSERT_EQ(picture->actionInterface()->actionNames().value(0), QAccessibleActionInterface::pressAction());
    picture->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !title.isVisible(); }));
    title.Unload();
    EXPECT_FALSE(ProgramEnding()) << "the action closes it as a click does, and start-up goes on";
}

TEST(TitleScreen, KeysDoNothing)
{
    Form3 title;
    title.show();
    QTest::keyClick(&title, Qt::Key_Return);
    QTest::keyClick(&title, Qt::Key_Escape);
    EXPECT_TRUE(title.isVisible());
}

// Any other close ends the program; that is seen in a child process.
TEST(TitleScreenDeathTest, CloseButtonEndsTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Form3 title;
            title.show();
            title.close();
            std::exit(ProgramEnding() && !title.isVisible() ? 3 : 1);
        },
        testing::ExitedWithCode(3), "");
}

} // namespace
