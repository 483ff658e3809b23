#include "dialogs/tobidemo.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Box
{
    float left, top, width, height;
    bool visible;
};

void ExpectBox(const TobiDeMo::TwipBox &actual, const Box &expected, const char *what)
{
    EXPECT_FLOAT_EQ(actual.left, expected.left) << what;
    EXPECT_FLOAT_EQ(actual.top, expected.top) << what;
    EXPECT_FLOAT_EQ(actual.width, expected.width) << what;
    EXPECT_FLOAT_EQ(actual.height, expected.height) << what;
    EXPECT_EQ(actual.visible, expected.visible) << what;
}

void TickTo(TobiDeMo &splash, int tick)
{
    while (splash.tickCount < tick)
        splash.Timer1_Timer();
}

class Splash : public testing::Test
{
protected:
    void SetUp() override
    {
        // No wave file here: the animation must not care.
        previous = QDir::currentPath();
        QDir::setCurrent(empty.path());
        splash.Timer1->stop(); // the test gives the ticks itself
    }
    void TearDown() override { QDir::setCurrent(previous); }

    QTemporaryDir empty;
    QString previous;
    TobiDeMo splash;
};

TEST_F(Splash, IsABlackBorderlessWindowCentredInTwips)
{
    EXPECT_FLOAT_EQ(splash.Width, 2900);
    EXPECT_FLOAT_EQ(splash.Height, 1400);
    EXPECT_EQ(splash.size(), QSize(193, 93));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash.windowFlags() & Qt::Tool) << "no taskbar entry";
    const QRect screen = splash.screen()->geometry();
    EXPECT_FLOAT_EQ(splash.Left, (screen.width() * 15.0f - 2900) / 2);
    EXPECT_FLOAT_EQ(splash.Top, (screen.height() * 15.0f - 1400) / 2);
}

TEST_F(Splash, PlainBlackBeforeTheFirstTick)
{
    splash.show();
    const QImage image = splash.grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(qGray(image.pixel(x, y)), 0) << x << "," << y;
}

TEST_F(Splash, FollowsTheTickTable)
{
    TickTo(splash, 1);
    ExpectBox(splash.Image4Box, {730, 0, 1440, 1440, true}, "emblem at tick 1");
    TickTo(splash, 10);
    ExpectBox(splash.Image5Box, {730, 0, 1440, 1440, true}, "opened emblem at tick 10");
    EXPECT_FALSE(splash.Image4Box.visible);
    ExpectBox(splash.Image2Box, {1305, 645, 290, 110, true}, "wordmark at tick 10");
    TickTo(splash, 19);
    ExpectBox(splash.Image2Box, {0, 195, 2900, 1100, true}, "wordmark at tick 19");
    TickTo(splash, 20);
    ExpectBox(splash.Image2Box, {-145, 145, 3190, 1210, true}, "wordmark at tick 20");
    TickTo(splash, 23);
    ExpectBox(splash.Image2Box, {0, 145, 2900, 1100, true}, "wordmark at tick 23");
    EXPECT_FALSE(splash.Image5Box.visible);
    TickTo(splash, 26);
    ExpectBox(splash.Image3Box, {2420, 765, 480, 480, true}, "small emblem at tick 26");
}

TEST_F(Splash, TakesNoInputAndClosesItselfAtTick60)
{
    splash.show();
    TickTo(splash, 30);
    QTest::mouseClick(&splash, Qt::LeftButton);
    QTest::keyClick(&splash, Qt::Key_Escape);
    splash.close();
    EXPECT_TRUE(splash.isVisible()) << "nothing but its own last tick closes it";
    TickTo(splash, 59);
    EXPECT_TRUE(splash.isVisible());
    splash.Timer1_Timer();
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.Timer1->isActive());
}

TEST(SplashTimer, RunsAt100msFromCreation)
{
    TobiDeMo splash;
    EXPECT_TRUE(splash.Timer1->isActive());
    EXPECT_EQ(splash.Timer1->interval(), 100);
}

} // namespace
