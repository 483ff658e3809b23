#include "picture_likeness.h"

#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

// Paper counts as white down to this grey level; anti-aliased ink and the
// card's lightest shades lie below it.
constexpr int kPaperWhite = 245;

std::vector<double> GreyLevels(const QImage &image)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    std::vector<double> levels;
    levels.reserve(std::size_t(grey.width()) * grey.height());
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *line = grey.constScanLine(y);
        levels.insert(levels.end(), line, line + grey.width());
    }
    return levels;
}

} // namespace

double Likeness(const QImage &expected, const QImage &actual)
{
    if (expected.isNull() || actual.isNull())
        return 0;
    const std::vector<double> a = GreyLevels(expected);
    const std::vector<double> b =
        GreyLevels(actual.scaled(expected.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    double meanA = 0, meanB = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        meanA += a[i];
        meanB += b[i];
    }
    meanA /= a.size();
    meanB /= b.size();
    double product = 0, squaresA = 0, squaresB = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        product += (a[i] - meanA) * (b[i] - meanB);
        squaresA += (a[i] - meanA) * (a[i] - meanA);
        squaresB += (b[i] - meanB) * (b[i] - meanB);
    }
    if (squaresA == 0 || squaresB == 0)
        return 0;
    return product / std::sqrt(squaresA * squaresB);
}

QRect InkBounds(const QImage &picture)
{
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    int left = grey.width(), right = -1, top = grey.height(), bottom = -1;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *line = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            if (line[x] >= kPaperWhite)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

double CardLikeness(const QImage &screenCard, const QImage &output)
{
    const QRect outputInk = InkBounds(output);
    if (outputInk.isEmpty())
        return 0;
    // Compared at half the screen's size: a page may carry the finer 2x or 3x
    // drawing of the card picture, whose extra hatching must not count against
    // it, while columns out of place or out of size still do.
    const QImage screenPart = screenCard.copy(InkBounds(screenCard));
    return Likeness(screenPart.scaled(screenPart.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                    output.copy(outputInk));
}

QRectF CardPlacement(const QImage &screenCard, const QImage &output)
{
    const QRectF screenInk = InkBounds(screenCard);
    const QRectF outputInk = InkBounds(output);
    if (screenInk.isEmpty() || outputInk.isEmpty())
        return {};
    const qreal scaleX = outputInk.width() / screenInk.width();
    const qreal scaleY = outputInk.height() / screenInk.height();
    return QRectF(outputInk.left() - screenInk.left() * scaleX, outputInk.top() - screenInk.top() * scaleY,
                  screenCard.width() * scaleX, screenCard.height() * scaleY);
}

QImage RasterisePdf(const QString &pdfFile, int dotsPerInch)
{
    QTemporaryDir dir;
    QProcess pdftoppm;
    pdftoppm.start(u"pdftoppm"_s,
                   {u"-r"_s, QString::number(dotsPerInch), u"-png"_s, u"-singlefile"_s, u"-f"_s, u"1"_s, pdfFile,
                    dir.filePath(u"page"_s)});
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitStatus() != QProcess::NormalExit || pdftoppm.exitCode() != 0)
        return {};
    return QImage(dir.filePath(u"page.png"_s));
}
