#pragma once

#include <QAccessibleWidget>

class ControlWidget;

// How an assistive tool sees a control: its role, and the press action that
// does what a click does, offered only when something handles its clicks.
class ControlAccessible : public QAccessibleWidget
{
public:
    ControlAccessible(ControlWidget *control, QAccessible::Role role);

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

protected:
    ControlWidget *Control() const;
};

// Lets assistive tools see picture boxes as pictures; installed once, by the
// first picture box.
void InstallPictureBoxAccessibility();
