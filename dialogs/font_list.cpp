#include "dialogs/font_list.h"

#include "dialogs/font_list_accessible.h"

FontList::FontList(QWidget *parent)
    : QListWidget(parent)
{
    InstallFontListAccessibility();
}

void FontList::ActivateEntry(int row)
{
    QMetaObject::invokeMethod(
        this,
        [this, row] {
            if (row < 0 || row >= count())
                return;
            setCurrentRow(row);
            Q_EMIT EntryActivated();
        },
        Qt::QueuedConnection);
}
