#include "app/center_form.h"

#include "app/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

CenteredPlace CenteredOnScreen(float screenWidth, float screenHeight, float formWidth, float formHeight)
{
    return {(screenWidth - formWidth) / 2.0f, (screenHeight - formHeight) / 2.0f};
}

void CenterForm(QWidget &form)
{
    const QScreen *screen = form.screen() ? form.screen() : QGuiApplication::primaryScreen();
    const QRect screenArea = screen->geometry();
    const QRect outer = form.frameGeometry();
    const CenteredPlace place = CenteredOnScreen(PixelsToTwips(screenArea.width()), PixelsToTwips(screenArea.height()),
                                                 PixelsToTwips(outer.width()), PixelsToTwips(outer.height()));
    form.move(screenArea.left() + TwipsToPixels(place.left), form.y());
    form.move(form.x(), screenArea.top() + TwipsToPixels(place.top));
}
