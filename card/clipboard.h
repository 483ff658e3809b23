#pragma once

#include <QString>

// Puts the text on the system clipboard and reads it back; false when the
// clipboard did not take it.
bool PutOnClipboard(const QString &text);
