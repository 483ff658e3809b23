#include "forms/picture_box.h"

#include "forms/control_accessible.h"
#include "forms/picture_variants.h"

#include <QPainter>

#include <cmath>

PictureBox::PictureBox(QWidget *parent, bool stretch)
    : ControlWidget(parent)
    , stretch_(stretch)
{
    setAttribute(Qt::WA_OpaquePaintEvent, stretch);
    InstallPictureBoxAccessibility();
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
    // As many picture pixels as the device has pixels: the 2× or 3× drawing
    // on a dense screen, in a large image or on a printer.
    const qreal deviceScale = std::sqrt(std::abs(painter.deviceTransform().determinant()));
    const QPixmap picture = PictureVariants::Matching(picture_, deviceScale);
    if (stretch_) {
        painter.fillRect(rect(), Qt::white);
        if (picture.isNull())
            return;
        // Scaled through the painter, so a printer or a large image gets a
        // smooth picture rather than an enlarged screen copy.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), picture);
    } else if (!picture.isNull()) {
        painter.drawPixmap(0, 0, picture);
    }
}
