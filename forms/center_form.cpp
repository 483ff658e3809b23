#include "forms/center_form.h"

#include "forms/twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

void PlaceInTheMiddle(QWidget &form)
{
    const QScreen *screen = form.screen() ? form.screen() : QGuiApplication::primaryScreen();
    const QRect screenArea = screen->geometry();
    const QRect outer = form.frameGeometry();
    const CenteredPlace place = CenteredOnScreen(PixelsToTwips(screenArea.width()), PixelsToTwips(screenArea.height()),
                                                 PixelsToTwips(outer.width()), PixelsToTwips(outer.height()));
    form.move(screenArea.left() + TwipsToPixels(place.left), form.y());
    form.move(form.x(), screenArea.top() + TwipsToPixels(place.top));
}

// A window not yet shown has no frame, so it was centred on its inner size.
// By the time it is first exposed the window manager has framed it: it is
// centred again on its outer size, once.
class CentreOnceFramed : public QObject
{
public:
    explicit CentreOnceFramed(QWidget &form)
        : QObject(&form)
        , form_(form)
    {
        form.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &form_ && event->type() == QEvent::Show && form_.windowHandle()) {
            form_.removeEventFilter(this);
            form_.windowHandle()->installEventFilter(this);
        } else if (watched == form_.windowHandle() && event->type() == QEvent::Expose) {
            watched->removeEventFilter(this);
            deleteLater();
            if (form_.frameGeometry().size() != form_.size())
                QTimer::singleShot(0, &form_, [form = &form_] { PlaceInTheMiddle(*form); });
        }
        return false;
    }

private:
    QWidget &form_;
};

} // namespace

CenteredPlace CenteredOnScreen(float screenWidth, float screenHeight, float formWidth, float formHeight)
{
    return {(screenWidth - formWidth) / 2.0f, (screenHeight - formHeight) / 2.0f};
}

void CenterForm(QWidget &form)
{
    PlaceInTheMiddle(form);
    if (!form.isVisible())
        new CentreOnceFramed(form);
}
