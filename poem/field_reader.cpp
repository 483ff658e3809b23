#include "poem/field_reader.h"

namespace {
bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}
} // namespace

FieldReader::FieldReader(QByteArray bytes)
    : text_(std::move(bytes))
{
}

std::optional<QByteArray> FieldReader::Next()
{
    if (AtEnd())
        return std::nullopt;
    while (pos_ < text_.size() && IsBlank(text_[pos_]))
        ++pos_;
    fieldLine_ = line_;
    QByteArray field = pos_ < text_.size() && text_[pos_] == '"' ? ReadQuoted() : ReadPlain();
    SkipDelimiter();
    return field;
}

bool FieldReader::AtLineEnd() const
{
    return pos_ < text_.size() && (text_[pos_] == '\r' || text_[pos_] == '\n');
}

void FieldReader::SkipLineEnd()
{
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')
        ++pos_;
    ++pos_;
    ++line_;
}

void FieldReader::SkipToDelimiter()
{
    while (pos_ < text_.size() && text_[pos_] != ',' && !AtLineEnd())
        ++pos_;
}

void FieldReader::SkipDelimiter()
{
    if (pos_ < text_.size() && text_[pos_] == ',') {
        ++pos_;
        if (AtLineEnd())
            SkipLineEnd();
    } else if (AtLineEnd()) {
        SkipLineEnd();
    }
}

QByteArray FieldReader::ReadQuoted()
{
    const qsizetype start = ++pos_;
    while (pos_ < text_.size() && text_[pos_] != '"') {
        if (text_[pos_] == '\n' || (text_[pos_] == '\r' && !(pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')))
            ++line_;
        ++pos_;
    }
    QByteArray field = text_.mid(start, pos_ - start);
    if (pos_ < text_.size())
        ++pos_; // the closing quote
    SkipToDelimiter();
    return field;
}

QByteArray FieldReader::ReadPlain()
{
    const qsizetype start = pos_;
    SkipToDelimiter();
    qsizetype end = pos_;
    while (end > start && IsBlank(text_[end - 1]))
        --end;
    return text_.mid(start, end - start);
}

int FieldReader::LastLine() const
{
    if (text_.isEmpty())
        return 0;
    int lines = 1;
    for (qsizetype i = 0; i < text_.size(); ++i) {
        const bool lineEnd = text_[i] == '\n' || (text_[i] == '\r' && !(i + 1 < text_.size() && text_[i + 1] == '\n'));
        if (lineEnd && i + 1 < text_.size())
            ++lines;
    }
    return lines;
}
