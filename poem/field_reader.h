#pragma once

#include <QByteArray>
#include <optional>

// Reads comma-separated fields from a file's bytes the way the classic BASIC
// Input statement reads a file. Every byte it looks for (comma, double quote,
// blank, CR, LF) is ASCII, which never occurs inside a Shift-JIS double-byte
// character, so the bytes are split before they are decoded, and a field is
// decoded only when it is read:
// - a field ends at a comma or at the end of a line; an empty line is one empty field;
// - spaces and tabs in front of a field are skipped, and so are those at the end
//   of an unquoted field;
// - a field that begins with a double quote runs to the next double quote, commas
//   included; whatever stands after the closing quote up to the next comma or line
//   end is dropped;
// - a comma right before a line end ends the field and the line, without an extra
//   empty field;
// - CR LF, LF and a lone CR all end a line.
class FieldReader
{
public:
    explicit FieldReader(QByteArray bytes);

    // True as soon as no characters remain.
    bool AtEnd() const { return pos_ >= text_.size(); }

    // The next field, undecoded, or nothing when no characters remain.
    std::optional<QByteArray> Next();

    // The 1-based line on which the field last read began.
    int FieldLine() const { return fieldLine_; }
    // The 1-based line on which the next field would begin.
    int CurrentLine() const { return line_; }
    // The 1-based number of the text's last line, whether or not it ends in a
    // line end; 0 for no text at all.
    int LastLine() const;

private:
    bool AtLineEnd() const;
    void SkipLineEnd();
    void SkipToDelimiter();
    void SkipDelimiter();
    QByteArray ReadQuoted();
    QByteArray ReadPlain();

    QByteArray text_;
    qsizetype pos_ = 0;
    int line_ = 1;
    int fieldLine_ = 0;
};
