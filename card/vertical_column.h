#pragma once

#include "card/column_layout.h"
#include "forms/control_widget.h"

#include <QString>

#include <memory>

class QPainter;
class VerticalTypesetter;

// One column of vertical Japanese writing: its caption set as vertical type,
// one character per row, top to bottom, over whatever lies beneath (the
// background is not painted). What does not fit the column's height is cut
// off, as in a narrow label.
class VerticalColumn : public ControlWidget
{
    Q_OBJECT

public:
    explicit VerticalColumn(QWidget *parent = nullptr);
    ~VerticalColumn() override;

    QString text() const { return text_; }
    void setText(const QString &text);

    // The height of one full row, in pixels, for the column's font.
    int RowHeight() const;

    // Where each character of the caption stands.
    const ColumnLayout &Layout() const;

    // Paints the characters onto any painter whose origin is the column's top
    // left, clipped to the column, as glyph outlines rather than pixels.
    void Draw(QPainter &painter) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    const VerticalTypesetter &Typesetter() const;

    QString text_;
    // Built on first use and kept while the font stays: a reveal tick only
    // shapes the character it adds.
    mutable std::unique_ptr<VerticalTypesetter> typesetter_;
    mutable ColumnLayout layout_;
};
