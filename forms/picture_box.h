#pragma once

#include "forms/control_widget.h"

#include <QPixmap>

class QPainter;

// An image box: its picture at natural size from the top left, or stretched
// to fill the box.
class PictureBox : public ControlWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr, bool stretch = false);

    const QPixmap &picture() const { return picture_; }
    void setPicture(const QPixmap &picture);

    // Paints the box onto any painter whose origin is the box's top left.
    void Draw(QPainter &painter) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap picture_;
    bool stretch_;
};
