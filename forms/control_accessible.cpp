#include "forms/control_accessible.h"

#include "forms/control_widget.h"
#include "forms/picture_box.h"

using namespace Qt::Literals::StringLiterals;

ControlAccessible::ControlAccessible(ControlWidget *control, QAccessible::Role role)
    : QAccessibleWidget(control, role)
{
}

ControlWidget *ControlAccessible::Control() const
{
    return static_cast<ControlWidget *>(widget());
}

QStringList ControlAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (Control()->HasClickHandler())
        names.prepend(pressAction());
    return names;
}

void ControlAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction() && Control()->HasClickHandler())
        Control()->PerformClick();
    else
        QAccessibleWidget::doAction(actionName);
}

namespace {

QAccessibleInterface *PictureBoxAccessible(const QString &className, QObject *object)
{
    if (className != u"PictureBox"_s)
        return nullptr;
    return new ControlAccessible(static_cast<PictureBox *>(object), QAccessible::Graphic);
}

} // namespace

void InstallPictureBoxAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(PictureBoxAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}
