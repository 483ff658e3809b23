#pragma once

#include <QImage>

// Fine detail in a picture: the mean absolute Laplacian of its grey levels.
// Enlarging a picture smoothly spreads each edge over more pixels and leaves
// this low; a drawing made at the larger size keeps it high.
double FineDetail(const QImage &image);
