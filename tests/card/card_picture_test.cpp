// The card picture at every scale: the window, 画像で保存 at twice the size and
// a screen of twice the density each draw the generator's drawing made for
// that many pixels, not the 1× picture enlarged.
#include "card/card_output.h"
#include "card_fixture.h"
#include "forms/picture_box.h"
#include "forms/picture_variants.h"
#include "picture_detail.h"

#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace {

using CardPicture = CardFixture;

TEST(PictureVariants, EachRatioGetsItsOwnDrawingCoveringTheSameLogicalSize)
{
    const struct
    {
        qreal ratio;
        int pixels;
    } cases[] = {{1, 200}, {1.5, 400}, {2, 400}, {3, 600}, {4, 600}};
    for (const auto &c : cases) {
        const QPixmap picture = PictureVariants::Load(u":/card1.png"_s, c.ratio);
        EXPECT_EQ(picture.width(), c.pixels) << "ratio " << c.ratio;
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(200, 200)) << "ratio " << c.ratio;
    }
    const QPixmap title = PictureVariants::Load(u":/title.png"_s, 2);
    EXPECT_EQ(title.size(), QSize(600, 600));
    const QPixmap wordmark = PictureVariants::Load(u":/wordmark.bmp"_s, 3);
    EXPECT_EQ(wordmark.size(), QSize(579, 219));
}

TEST_F(CardPicture, SavedImageAtTwiceTheSizeHasTheFinerDrawing)
{
    form->ClearPoem();
    form->ShowCardPicture();
    const QImage single = CardImage(*form, 1.0);
    const QImage twice = CardImage(*form, 2.0);
    ASSERT_EQ(twice.size(), single.size() * 2);
    const QImage enlarged = single.scaled(twice.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double fine = FineDetail(twice);
    const double soft = FineDetail(enlarged);
    EXPECT_GT(fine, 1.8 * soft) << "2x " << fine << ", 1x enlarged " << soft;
}

// A window on a screen of twice the density paints into a backing store like this one.
TEST_F(CardPicture, DenseScreenGetsTheFinerDrawing)
{
    form->ShowCardPicture();
    QImage dense(form->Image2->size() * 2, QImage::Format_RGB32);
    dense.setDevicePixelRatio(2);
    QPainter painter(&dense);
    form->Image2->Draw(painter);
    painter.end();
    dense.setDevicePixelRatio(1);

    const QImage expected = PictureVariants::Load(u":/card%1.png"_s.arg(5), 2)
                                .toImage()
                                .scaled(dense.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage enlarged =
        form->Image1[4].toImage().scaled(dense.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_GT(FineDetail(dense), 1.8 * FineDetail(enlarged));
    EXPECT_NEAR(FineDetail(dense), FineDetail(expected), 0.1 * FineDetail(expected));
}

} // namespace
