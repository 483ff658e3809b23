#include "app/picture_box.h"

#include <QPainter>

PictureBox::PictureBox(QWidget *parent, bool stretch)
    : ControlWidget(parent), stretch_(stretch)
{
    setAttribute(Qt::WA_OpaquePaintEvent, stretch);
}

void PictureBox::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Draw(painter);
}

void PictureBox::Draw(QPainter &painter) const
{
    if (stretch_) {
        painter.fillRect(rect(), Qt::white);
        if (picture_.isNull())
            return;
        // Scaled through the painter, so a printer or a large image gets a
        // smooth picture rather than an enlarged screen copy.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), picture_);
    } else if (!picture_.isNull()) {
        painter.drawPixmap(0, 0, picture_);
    }
}
