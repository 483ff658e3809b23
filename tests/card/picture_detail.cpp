#include "picture_detail.h"

#include <cstdlib>

double FineDetail(const QImage &image)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    double sum = 0;
    long count = 0;
    for (int y = 1; y + 1 < grey.height(); ++y) {
        const uchar *above = grey.constScanLine(y - 1);
        const uchar *row = grey.constScanLine(y);
        const uchar *below = grey.constScanLine(y + 1);
        for (int x = 1; x + 1 < grey.width(); ++x) {
            sum += std::abs(4 * row[x] - row[x - 1] - row[x + 1] - above[x] - below[x]);
            ++count;
        }
    }
    return count ? sum / count : 0;
}
