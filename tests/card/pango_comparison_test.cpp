// One column in IPAex明朝 against Pango's vertical layout of the same text at
// the same size (pango-view, east gravity, turned to run top to bottom): the
// same glyphs in the same places.
//
// Measure: the two pictures are first aligned by the one shift (up to 4 px
// each way) that best matches them, since Pango pads its picture differently;
// then, row by row, the ink of each character must have the same
// darkness-weighted centre within 1.5 px each way (under a tenth of the 16 px
// em; the narrow vertical forms of ー, ～ and 」 lie a pixel apart, the rest
// within half a pixel) and a similar amount of ink (within 35 %), and the
// whole column must correlate (normalised cross-correlation of darkness) at
// 0.85 or better (0.90 when written). A turned bracket, a
// horizontal long-vowel mark, a small kana left low or a row pitch off by
// more than a pixel over the column each fails one of these.
#include "card/vertical_column.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kPixelSize = 16;
const QString kLine = u"春の夜ーの「夢」ばかりっ、。～"_s;

// Darkness (0 white to 1 black) of a pixel; nothing outside the picture.
double DarknessAt(const QImage &image, int x, int y)
{
    return image.rect().contains(x, y) ? 1.0 - qGray(image.pixel(x, y)) / 255.0 : 0.0;
}

// Normalised cross-correlation of `a` with `b` moved by (dx, dy), over a's area.
double Correlation(const QImage &a, const QImage &b, int dx, int dy)
{
    double sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
    const double n = double(a.width()) * a.height();
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const double va = DarknessAt(a, x, y);
            const double vb = DarknessAt(b, x - dx, y - dy);
            sa += va;
            sb += vb;
            saa += va * va;
            sbb += vb * vb;
            sab += va * vb;
        }
    }
    const double cov = sab - sa * sb / n;
    const double var = std::sqrt((saa - sa * sa / n) * (sbb - sb * sb / n));
    return var > 0 ? cov / var : 0;
}

struct RowInk
{
    double mass = 0;
    QPointF centre;
};

RowInk InkOfRow(const QImage &image, int dx, int dy, int top, int height)
{
    RowInk ink;
    QPointF sum;
    for (int y = top; y < top + height; ++y) {
        for (int x = 0; x < image.width() + 8; ++x) {
            const double dark = DarknessAt(image, x - dx, y - dy);
            ink.mass += dark;
            sum += dark * QPointF(x + 0.5, y + 0.5);
        }
    }
    if (ink.mass > 0)
        ink.centre = sum / ink.mass;
    return ink;
}

TEST(PangoComparison, IpaexMinchoColumnMatchesPangoGlyphForGlyph)
{
    QTemporaryDir directory;
    const QString pangoFile = directory.filePath(u"pango.png"_s);
    // The text goes in a UTF-8 file: pango-view reads its arguments in the
    // locale's encoding, which need not be UTF-8.
    QFile text(directory.filePath(u"line.txt"_s));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(kLine.toUtf8());
    text.close();
    QProcess pango;
    pango.start(u"pango-view"_s,
                {u"-q"_s, u"--font=IPAexMincho %1px"_s.arg(kPixelSize), u"--gravity=east"_s, u"--rotate=-90"_s,
                 u"--margin=0"_s, u"--hinting=none"_s, u"--antialias=gray"_s, u"-o"_s, pangoFile, text.fileName()});
    ASSERT_TRUE(pango.waitForFinished(30000));
    ASSERT_EQ(pango.exitCode(), 0) << pango.readAllStandardError().toStdString();
    const QImage fromPango = QImage(pangoFile).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(fromPango.isNull());

    VerticalColumn column;
    QFont font(u"IPAexMincho"_s);
    font.setPixelSize(kPixelSize);
    column.setFont(font);
    column.resize(fromPango.width(), kLine.size() * kPixelSize);
    column.setText(kLine);
    QImage ours(column.size(), QImage::Format_RGB32);
    ours.fill(Qt::white);
    QPainter painter(&ours);
    column.Draw(painter);
    painter.end();

    int bestDx = 0, bestDy = 0;
    double best = -1;
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -4; dx <= 4; ++dx)
            if (const double r = Correlation(ours, fromPango, dx, dy); r > best)
                std::tie(best, bestDx, bestDy) = std::tuple(r, dx, dy);
    EXPECT_GE(best, 0.85) << "shift " << bestDx << "," << bestDy;

    for (qsizetype i = 0; i < kLine.size(); ++i) {
        const int top = int(i) * kPixelSize;
        const RowInk mine = InkOfRow(ours, 0, 0, top, kPixelSize);
        const RowInk theirs = InkOfRow(fromPango, bestDx, bestDy, top, kPixelSize);
        SCOPED_TRACE(QString(kLine[i]).toStdString());
        ASSERT_GT(theirs.mass, 0);
        EXPECT_NEAR(mine.centre.x(), theirs.centre.x(), 1.5);
        EXPECT_NEAR(mine.centre.y(), theirs.centre.y(), 1.5);
        EXPECT_NEAR(mine.mass / theirs.mass, 1.0, 0.35);
    }
}

} // namespace
