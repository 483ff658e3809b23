#pragma once

#include <QWidget>

// A control that reports its mouse events the way the card window's handlers
// want them: MouseDown on every press (button 1 left, 2 right, 4 middle; shift
// 1 Shift, 2 Ctrl, 4 Alt; position in twips) and Click when the left button is
// released over the control it was pressed on. The second press of a
// double-click is neither: it gives no MouseDown and no Click.
class ControlWidget : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    // A click asked for by an assistive tool: it arrives through the event
    // loop, as a mouse click does, so it may land inside a running wait.
    void PerformClick();

    // True when something handles the control's clicks.
    bool HasClickHandler() const;

Q_SIGNALS:
    void MouseDown(int button, int shift, float x, float y);
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool leftPressed_ = false;
};
