#include "forms/control_widget.h"

#include "forms/twips.h"

#include <QMetaMethod>
#include <QMouseEvent>

namespace {

int ButtonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int ShiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

void ControlWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
    const QPointF at = event->position() * kTwipsPerPixel;
    Q_EMIT MouseDown(ButtonCode(event->button()), ShiftCode(event->modifiers()), static_cast<float>(at.x()),
                     static_cast<float>(at.y()));
}

void ControlWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !leftPressed_)
        return;
    leftPressed_ = false;
    if (rect().contains(event->position().toPoint()))
        Q_EMIT Click();
}

void ControlWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Qt would treat it as one more press, and its release as one more click.
    event->accept();
}

void ControlWidget::PerformClick()
{
    QMetaObject::invokeMethod(this, &ControlWidget::Click, Qt::QueuedConnection);
}

bool ControlWidget::HasClickHandler() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&ControlWidget::Click));
}
