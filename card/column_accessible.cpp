#include "card/column_accessible.h"

#include "card/copy_text.h"
#include "card/vertical_column.h"

using namespace Qt::Literals::StringLiterals;

ColumnAccessible::ColumnAccessible(VerticalColumn *column)
    : ControlAccessible(column, QAccessible::StaticText)
{
}

VerticalColumn *ColumnAccessible::Column() const
{
    return static_cast<VerticalColumn *>(widget());
}

QString ColumnAccessible::Plain() const
{
    return PlainCaption(Column()->text());
}

void *ColumnAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return ControlAccessible::interface_cast(type);
}

QString ColumnAccessible::text(QAccessible::Text type) const
{
    if (type == QAccessible::Name)
        return Plain();
    return ControlAccessible::text(type);
}

QString ColumnAccessible::text(int startOffset, int endOffset) const
{
    const QString plain = Plain();
    startOffset = qBound(0, startOffset, int(plain.size()));
    endOffset = endOffset < 0 ? int(plain.size()) : qBound(startOffset, endOffset, int(plain.size()));
    return plain.mid(startOffset, endOffset - startOffset);
}

int ColumnAccessible::characterCount() const
{
    return int(Column()->text().size());
}

QRect ColumnAccessible::characterRect(int offset) const
{
    const QString caption = Column()->text();
    if (offset < 0 || offset >= caption.size())
        return {};
    // The layout has one row per character, counted in code points.
    const qsizetype row = QStringView(caption).left(offset).toUcs4().size();
    const ColumnLayout &layout = Column()->Layout();
    if (row >= qsizetype(layout.rows.size()))
        return {};
    const ColumnRow &place = layout.rows[size_t(row)];
    const QRect local(0, qFloor(place.top), Column()->width(), qCeil(place.height));
    return QRect(Column()->mapToGlobal(local.topLeft()), local.size()).intersected(rect());
}

int ColumnAccessible::offsetAtPoint(const QPoint &point) const
{
    const QString caption = Column()->text();
    for (int offset = 0; offset < caption.size(); ++offset)
        if (characterRect(offset).contains(point))
            return offset;
    return -1;
}

QString ColumnAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    // One typeface for the whole column.
    *startOffset = 0;
    *endOffset = characterCount();
    if (offset < 0 || offset > characterCount()) {
        *startOffset = *endOffset = -1;
        return {};
    }
    const QFont font = Column()->font();
    return u"font-family:\"%1\";font-size:%2pt;"_s.arg(font.family()).arg(font.pointSizeF());
}

void ColumnAccessible::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
}

int ColumnAccessible::selectionCount() const
{
    return 0;
}

void ColumnAccessible::addSelection(int, int)
{
}

void ColumnAccessible::removeSelection(int)
{
}

void ColumnAccessible::setSelection(int, int, int)
{
}

int ColumnAccessible::cursorPosition() const
{
    return 0;
}

void ColumnAccessible::setCursorPosition(int)
{
}

void ColumnAccessible::scrollToSubstring(int, int)
{
}

namespace {

QAccessibleInterface *VerticalColumnAccessible(const QString &className, QObject *object)
{
    if (className != u"VerticalColumn"_s)
        return nullptr;
    return new ColumnAccessible(static_cast<VerticalColumn *>(object));
}

} // namespace

void InstallColumnAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(VerticalColumnAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}
