#pragma once

#include "app/control_widget.h"

#include <QString>

class QPaintDevice;
class QPainter;

// One column of vertical Japanese writing: its caption stands one character per
// row, top to bottom, over whatever lies beneath (the background is not
// painted). Small kana sit in the upper right of their cell, punctuation takes
// its vertical form, half-width spaces take half a row, and what does not fit
// the column's height is cut off, as in a narrow label.
class VerticalColumn : public ControlWidget
{
    Q_OBJECT

public:
    explicit VerticalColumn(QWidget *parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString &text);

    // The height of one full row, in pixels, for the column's font.
    int RowHeight() const;

    // Paints the characters onto any painter whose origin is the column's top
    // left, clipped to the column, as text rather than pixels.
    void Draw(QPainter &painter) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The column's font for a painter on the given device, sized so that it
    // measures the same in the column's pixels as on screen.
    QFont FontOn(const QPaintDevice &device) const;

    QString text_;
};
