#pragma once

#include <QString>
#include <optional>

// Reads comma-separated fields from text the way the classic BASIC Input
// statement reads a file:
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
    explicit FieldReader(QString text);

    // True as soon as no characters remain.
    bool AtEnd() const { return pos_ >= text_.size(); }

    // The next field, or nothing when no characters remain.
    std::optional<QString> Next();

    // The 1-based line on which the field last read began.
    int FieldLine() const { return fieldLine_; }
    // The 1-based line on which the next field would begin.
    int CurrentLine() const { return line_; }

private:
    bool AtLineEnd() const;
    void SkipLineEnd();
    void SkipToDelimiter();
    void SkipDelimiter();
    QString ReadQuoted();
    QString ReadPlain();

    QString text_;
    qsizetype pos_ = 0;
    int line_ = 1;
    int fieldLine_ = 0;
};
