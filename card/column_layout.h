#pragma once

#include <QPointF>
#include <QString>

#include <vector>

// One glyph placed in a column. Positions are relative to the column's top on
// its centre line, in the pixels of the column's font.
struct ColumnGlyph
{
    int face = 0; // index in the column's FaceChain
    quint32 glyph = 0;
    QPointF origin; // the pen origin the glyph is drawn at
    bool turned = false; // drawn a quarter turn clockwise about turnCentre
    QPointF turnCentre;
};

// The rows of one column, one per character, top to bottom.
struct ColumnRow
{
    qreal top = 0;
    qreal height = 0;
};

struct ColumnLayout
{
    QString text;
    std::vector<ColumnGlyph> glyphs;
    std::vector<ColumnRow> rows;
    qreal bottom = 0;
};
