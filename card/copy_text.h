#pragma once

#include <QStringList>

// A caption as plain text: every vertical stroke "｜" read as the long-vowel
// mark "ー" again.
QString PlainCaption(const QString &caption);

// The poem as plain text: each caption followed by CR LF, and every vertical
// stroke "｜" read as the long-vowel mark "ー" again.
QString CopyText(const QStringList &captions);
