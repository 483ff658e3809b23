#include "poem/field_reader.h"

namespace {
bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}
} // namespace

FieldReader::FieldReader(QString text)
    : text_(std::move(text))
{
}

std::optional<QString> FieldReader::Next()
{
    if (AtEnd())
        return std::nullopt;
    while (pos_ < text_.size() && IsBlank(text_[pos_]))
        ++pos_;
    fieldLine_ = line_;
    QString field = pos_ < text_.size() && text_[pos_] == u'"' ? ReadQuoted() : ReadPlain();
    SkipDelimiter();
    return field;
}

bool FieldReader::AtLineEnd() const
{
    return pos_ < text_.size() && (text_[pos_] == u'\r' || text_[pos_] == u'\n');
}

void FieldReader::SkipLineEnd()
{
    if (text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n')
        ++pos_;
    ++pos_;
    ++line_;
}

void FieldReader::SkipToDelimiter()
{
    while (pos_ < text_.size() && text_[pos_] != u',' && !AtLineEnd())
        ++pos_;
}

void FieldReader::SkipDelimiter()
{
    if (pos_ < text_.size() && text_[pos_] == u',') {
        ++pos_;
        if (AtLineEnd())
            SkipLineEnd();
    } else if (AtLineEnd()) {
        SkipLineEnd();
    }
}

QString FieldReader::ReadQuoted()
{
    const qsizetype start = ++pos_;
    while (pos_ < text_.size() && text_[pos_] != u'"') {
        if (text_[pos_] == u'\n' || (text_[pos_] == u'\r' && !(pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n')))
            ++line_;
        ++pos_;
    }
    QString field = text_.mid(start, pos_ - start);
    if (pos_ < text_.size())
        ++pos_; // the closing quote
    SkipToDelimiter();
    return field;
}

QString FieldReader::ReadPlain()
{
    const qsizetype start = pos_;
    SkipToDelimiter();
    qsizetype end = pos_;
    while (end > start && IsBlank(text_[end - 1]))
        --end;
    return text_.mid(start, end - start);
}
