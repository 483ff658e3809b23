#pragma once

#include "forms/control_accessible.h"

class VerticalColumn;

// How an assistive tool reads a column: a static text whose name and text are
// what the column shows at that moment, with the long-vowel mark as "ー", as
// the copy command gives it. Each character's place is its row in the column.
class ColumnAccessible : public ControlAccessible, public QAccessibleTextInterface
{
public:
    explicit ColumnAccessible(VerticalColumn *column);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text type) const override;

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    // A column has no caret and no selection.
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    void scrollToSubstring(int startIndex, int endIndex) override;

private:
    VerticalColumn *Column() const;
    QString Plain() const;
};

// Lets assistive tools read the vertical columns; installed once, by the first
// column.
void InstallColumnAccessibility();
