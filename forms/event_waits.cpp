#include "forms/event_waits.h"

#include "forms/program_end.h"

#include <QCoreApplication>
#include <QWidget>

void WaitForEvents()
{
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void WaitWhileVisible(const QWidget &window)
{
    while (window.isVisible() && !ProgramEnding())
        WaitForEvents();
}
