#include "poem/field_reader.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray Cp932(const QString &text)
{
    return QStringEncoder("CP932")(text);
}

// The fields of the text written in code page 932, decoded again.
QStringList ReadAll(const QString &text)
{
    FieldReader reader(Cp932(text));
    QStringList fields;
    while (auto field = reader.Next())
        fields << QStringDecoder("CP932")(*field);
    return fields;
}

struct FieldCase
{
    const char *name;
    const char16_t *text;
    QStringList fields;
};

class FieldReaderRules : public testing::TestWithParam<FieldCase>
{
};

TEST_P(FieldReaderRules, SplitsTextIntoFields)
{
    EXPECT_EQ(ReadAll(QString::fromUtf16(GetParam().text)), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FieldReaderRules,
    testing::Values(FieldCase{"OneFieldPerLine", u"春の夜の\r\n夏の日の\r\n", {u"春の夜の"_s, u"夏の日の"_s}},
                    FieldCase{"CommaSplitsALine", u"一,二\r\n三\r\n", {u"一"_s, u"二"_s, u"三"_s}},
                    FieldCase{"EmptyLineIsAnEmptyField", u"一\r\n\r\n二", {u"一"_s, QString(), u"二"_s}},
                    FieldCase{"LeadingAndTrailingBlanksDropped", u"  一  \r\n\t二\r\n", {u"一"_s, u"二"_s}},
                    FieldCase{"IdeographicSpaceKept", u"　一\r\n", {u"　一"_s}},
                    FieldCase{"QuotesKeepCommasAndBlanks", u"\"  一,二 \"\r\n三", {u"  一,二 "_s, u"三"_s}},
                    FieldCase{"TextAfterClosingQuoteDropped", u"\"一\"余り,二\r\n", {u"一"_s, u"二"_s}},
                    FieldCase{"CommaAtLineEndAddsNoField", u"一,\r\n二\r\n", {u"一"_s, u"二"_s}},
                    FieldCase{
                        "LfAndLoneCrEndLines", u"一\n二\r三\n\n四", {u"一"_s, u"二"_s, u"三"_s, QString(), u"四"_s}},
                    FieldCase{"BlankLineIsEmptyField", u"一\r\n   \r\n二", {u"一"_s, QString(), u"二"_s}},
                    FieldCase{"TagAndMarkerKept", u"恋の夜;e\r\n月@見る\r\n", {u"恋の夜;e"_s, u"月@見る"_s}}),
    [](const testing::TestParamInfo<FieldCase> &testCase) { return std::string(testCase.param.name); });

TEST(FieldReader, EndIsReachedAsSoonAsNoCharactersRemain)
{
    FieldReader reader(Cp932(u"一\r\n二\r\n"_s));
    EXPECT_FALSE(reader.AtEnd());
    EXPECT_EQ(reader.Next(), Cp932(u"一"_s));
    EXPECT_FALSE(reader.AtEnd());
    EXPECT_EQ(reader.Next(), Cp932(u"二"_s));
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(reader.Next(), std::nullopt);
}

TEST(FieldReader, ReportsTheLineOfEachField)
{
    FieldReader reader(Cp932(u"一\r\n\r\n二,三\n\"四\n五\"\n六"_s));
    std::vector<int> lines;
    while (reader.Next())
        lines.push_back(reader.FieldLine());
    EXPECT_EQ(lines, (std::vector<int>{1, 2, 3, 3, 4, 6}));
}

TEST(FieldReader, LastLineIsTheLineOfTheLastCharacter)
{
    struct Case
    {
        QByteArray text;
        int lastLine;
    };
    const Case cases[] = {{"", 0},          {"a", 1},      {"a\r\n", 1},  {"a\r\nb", 2},
                          {"a\r\n\r\n", 2}, {"a\nb\n", 2}, {"a\rb\r", 2}, {"\r\n", 1}};
    for (const Case &c : cases)
        EXPECT_EQ(FieldReader(c.text).LastLine(), c.lastLine) << c.text.toStdString();
}

// A double-byte character's second byte may be any of 0x40-0x7E or 0x80-0xFC,
// never one the reader splits at.
TEST(FieldReader, SplitsShiftJisBytesOnlyAtTheirDelimiters)
{
    EXPECT_EQ(ReadAll(u"表示,ソ能\r\n\"十,ポ\"\r\n"_s), (QStringList{u"表示"_s, u"ソ能"_s, u"十,ポ"_s}));
}

} // namespace
