#pragma once

// How vertical type sets the characters that horizontal type sets differently,
// for faces whose own tables give them no vertical alternate.

// The Unicode vertical presentation form of a punctuation mark, or 0.
char32_t VerticalPresentationForm(char32_t c);

// Marks that lie along the line of writing and turn a quarter in a column:
// long-vowel marks, dashes, waves, brackets.
bool TurnsInColumn(char32_t c);

// Small kana and the comma and full stop: high and to the right in their cell.
bool SitsUpperRight(char32_t c);

// Whether the character looks different in vertical type at all.
bool HasVerticalForm(char32_t c);
