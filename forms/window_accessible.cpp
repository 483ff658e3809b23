#include "forms/window_accessible.h"

#include <QAccessibleWidget>
#include <QSet>
#include <QWidget>

namespace {

QSet<QString> &WindowClasses()
{
    static QSet<QString> classes;
    return classes;
}

QAccessibleInterface *WindowInterface(const QString &className, QObject *object)
{
    if (!object->isWidgetType() || !WindowClasses().contains(className))
        return nullptr;
    QWidget *window = static_cast<QWidget *>(object);
    return window->isWindow() ? new QAccessibleWidget(window, QAccessible::Window) : nullptr;
}

} // namespace

void AnnounceAsWindow(const QWidget &window)
{
    static const bool installed = [] {
        QAccessible::installFactory(WindowInterface);
        return true;
    }();
    Q_UNUSED(installed);
    WindowClasses().insert(QString::fromLatin1(window.metaObject()->className()));
}
