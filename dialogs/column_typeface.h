#pragma once

#include <QString>

// The four poem columns as the typeface dialog reaches them: the card window
// implements it and changes its own columns; tests fake it.
class ColumnTypeface
{
public:
    virtual ~ColumnTypeface() = default;
    // Sets the typeface family of the four poem columns; their size and
    // weight, and the poet name, stay as they are.
    virtual void SetColumnFamily(const QString &family) = 0;
};
