#include "card/vertical_column.h"

#include "card/column_accessible.h"
#include "card/column_painter.h"
#include "card/vertical_typesetter.h"

#include <QEvent>
#include <QPainter>

VerticalColumn::VerticalColumn(QWidget *parent)
    : ControlWidget(parent)
{
    // Nothing of the column's own is painted behind the characters, so the
    // card shows through.
    setAttribute(Qt::WA_TranslucentBackground);
    InstallColumnAccessibility();
}

VerticalColumn::~VerticalColumn() = default;

void VerticalColumn::setText(const QString &text)
{
    if (text == text_)
        return;
    text_ = text;
    update();
}

int VerticalColumn::RowHeight() const
{
    return qRound(Typesetter().Faces().Face(0).RowPitch());
}

const ColumnLayout &VerticalColumn::Layout() const
{
    Typesetter().Update(layout_, text_);
    return layout_;
}

const VerticalTypesetter &VerticalColumn::Typesetter() const
{
    if (!typesetter_)
        typesetter_ = std::make_unique<VerticalTypesetter>(FaceChain::For(font()));
    return *typesetter_;
}

void VerticalColumn::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        typesetter_.reset();
        layout_ = ColumnLayout();
    }
    ControlWidget::changeEvent(event);
}

void VerticalColumn::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Draw(painter);
}

void VerticalColumn::Draw(QPainter &painter) const
{
    if (text_.isEmpty())
        return;
    const ColumnLayout &layout = Layout();
    painter.save();
    painter.setClipRect(rect(), Qt::IntersectClip);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintColumn(painter, layout, Typesetter().Faces(), width() / 2.0);
    painter.restore();
}
