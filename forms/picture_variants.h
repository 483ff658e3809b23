#pragma once

#include <QPixmap>
#include <QString>

// The program's pictures come in the drawing at 1× and the same drawing at 2×
// and 3× ("card1@2x.png", "card1@3x.png"), so a picture stays sharp on a
// high-density screen, in a large image and on a printer.
namespace PictureVariants {

// The picture at `path` in the variant for a device of the given pixel ratio,
// its ratio set so it covers the same logical size as the 1× drawing.
QPixmap Load(const QString &path, qreal ratio);

// The same drawing as `picture` (one Load returned) in the variant for the
// given pixel ratio; `picture` itself when it came from elsewhere.
QPixmap Matching(const QPixmap &picture, qreal ratio);

} // namespace PictureVariants
