#pragma once

#include <QString>

// Whether the typeface dialog offers a font of this name: the name holds at
// least one character that is double-byte in code page 932 (kanji, kana,
// full-width letters and symbols), and does not start with "@", which marks
// the vertical-writing variant of an East Asian font. ASCII and half-width
// katakana are single-byte; a character without a code page 932 form does not
// count either.
bool IsJapaneseFontName(const QString &name);
