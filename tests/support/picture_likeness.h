#pragma once

#include <QImage>
#include <QString>

// How alike two pictures are, as the normalised cross-correlation of their
// grey levels: 1 for the same picture, about 0 for unrelated ones. The second
// picture is scaled to the first one's size before they are compared.
double Likeness(const QImage &expected, const QImage &actual);

// The smallest rectangle holding everything in the picture that is not
// paper white; an empty rectangle when the whole picture is white.
QRect InkBounds(const QImage &picture);

// How alike a printed or saved card is to the card on screen. The white
// margins of both are cut away first, the page's margin and any blank edge
// of the card picture alike, so the two cut pictures show the same part; they
// are compared at half the screen's size, the detail the card picture has.
double CardLikeness(const QImage &screenCard, const QImage &output);

// Where the whole card lies in the output, in the output's pixels, found by
// matching the ink bounds of both pictures.
QRectF CardPlacement(const QImage &screenCard, const QImage &output);

// The first page of a PDF file rasterised by pdftoppm at the given resolution;
// a null image when pdftoppm fails.
QImage RasterisePdf(const QString &pdfFile, int dotsPerInch);
