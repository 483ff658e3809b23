#pragma once

#include <QListWidget>

// The typeface dialog's list box. To assistive tools each entry offers the
// action a double-click on it has.
class FontList : public QListWidget
{
    Q_OBJECT

public:
    explicit FontList(QWidget *parent = nullptr);

    // The entry's action: it becomes the chosen one and is then applied, as a
    // double-click would, through the event loop.
    void ActivateEntry(int row);

Q_SIGNALS:
    void EntryActivated();
};
