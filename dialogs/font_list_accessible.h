#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QPersistentModelIndex>

class FontList;

// How an assistive tool sees the typeface list: a list whose children are its
// entries, each named by its typeface and offering the press action.
class FontListAccessible : public QAccessibleWidget
{
public:
    explicit FontListAccessible(FontList *list);
    ~FontListAccessible() override;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    FontList *Owner() const;

    // The entries' interfaces, made on first use and dropped with the list's.
    mutable QHash<QPersistentModelIndex, QAccessible::Id> entries_;
};

// Lets assistive tools act on the typeface list's entries; installed once, by
// the first list.
void InstallFontListAccessibility();
