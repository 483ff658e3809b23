// The columns set as vertical type in each installed Japanese face: every
// character in its own row, marks along the line turned upright, small kana
// and the comma and full stop high and right, rows as tall as the face's
// vertical advance.
#include "card/vertical_column.h"
#include "column_ink.h"

#include <QFontDatabase>
#include <QRawFont>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// The three faces the card is tested with: the database lists them under
// their Japanese or their English name, depending on the locale.
struct Face
{
    QString japaneseName;
    QString englishName;
};

void PrintTo(const Face &face, std::ostream *out)
{
    *out << face.englishName.toStdString();
}

const Face kFaces[] = {
    {u"IPAex明朝"_s, u"IPAexMincho"_s},
    {u"IPAexゴシック"_s, u"IPAexGothic"_s},
    {u"青柳衡山フォントT"_s, u"AoyagiKouzanFontT"_s},
};

class VerticalType : public testing::TestWithParam<Face>
{
protected:
    void SetUp() override
    {
        const Face face = GetParam();
        const QString family = QFontDatabase::hasFamily(face.japaneseName) ? face.japaneseName : face.englishName;
        ASSERT_TRUE(QFontDatabase::hasFamily(family)) << "face not installed: " << family.toStdString();
        column.setFont(QFont(family, 12));
        column.resize(17, 800);
    }

    VerticalColumn column;
};

// The ink each character adds, found by drawing the line up to it and up to
// the character before.
TEST_P(VerticalType, EveryCharacterInksItsOwnRow)
{
    const QString line = u"春の夜の夢～〜－−—―＝０｜ー「」（）『』！？、。，ぁっょァッャ和歌abc12"_s;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const ColumnInk ink = CharacterInk(column, line, i);
        const ColumnRow row = column.Layout().rows[i];
        SCOPED_TRACE(QString(line[i]).toStdString());
        ASSERT_GT(ink.pixels, 3) << "a blank row";
        EXPECT_GE(ink.box.top(), std::floor(row.top) - 1);
        EXPECT_LE(ink.box.bottom(), std::ceil(row.top + row.height) + 1);
        EXPECT_GE(ink.box.left(), 0);
        EXPECT_LT(ink.box.right(), column.width());
    }
}

// Long-vowel marks, dashes and waves run down the column; brackets open
// downwards and close upwards, so they lie across it.
TEST_P(VerticalType, MarksAlongTheLineTurnWithIt)
{
    const QString line = u"和ー～－＝「」（）『』"_s;
    for (qsizetype i = 1; i < line.size(); ++i) {
        const ColumnInk ink = CharacterInk(column, line, i);
        SCOPED_TRACE(QString(line[i]).toStdString());
        if (i <= 4)
            EXPECT_GT(ink.box.height(), ink.box.width());
        else
            EXPECT_GT(ink.box.width(), ink.box.height());
    }
}

// Horizontal type leaves them low and to the left; in a column the comma and
// full stop lie wholly in the upper right quarter of their row, and a small
// kana stands right of the centre line and no lower than the row's middle.
TEST_P(VerticalType, SmallKanaAndStopsSitInTheUpperRight)
{
    const QString line = u"和ぁっょァッャ、。"_s;
    const qreal centreLine = column.width() / 2.0;
    for (qsizetype i = 1; i < line.size(); ++i) {
        const ColumnInk ink = CharacterInk(column, line, i);
        const ColumnRow row = column.Layout().rows[i];
        const qreal middle = row.top + row.height / 2;
        const QRectF box(ink.box);
        SCOPED_TRACE(QString(line[i]).toStdString());
        if (line[i] == u'、' || line[i] == u'。') {
            EXPECT_GE(box.left(), centreLine - 0.5);
            EXPECT_LE(box.bottom(), middle + 0.5);
        } else {
            EXPECT_GT(box.center().x(), centreLine + 0.5);
            EXPECT_LE(box.center().y(), middle + 0.5);
        }
        EXPECT_GT(box.right(), centreLine + row.height / 4);
        EXPECT_LE(box.top(), middle - row.height / 4);
    }
}

// The advance the face's own vertical metrics give a glyph, in pixels.
qreal VerticalAdvance(const QRawFont &font, char16_t c)
{
    const QList<quint32> glyphs = font.glyphIndexesForString(QString(QChar(c)));
    const QByteArray head = font.fontTable("head");
    const QByteArray vhea = font.fontTable("vhea");
    const QByteArray vmtx = font.fontTable("vmtx");
    if (head.size() < 20 || vhea.size() < 36 || vmtx.size() < 4)
        return font.pixelSize();
    const quint16 unitsPerEm = qFromBigEndian<quint16>(head.constData() + 18);
    const quint16 longMetrics = qFromBigEndian<quint16>(vhea.constData() + 34);
    const quint32 entry = std::min<quint32>(glyphs.value(0), longMetrics - 1u);
    return qFromBigEndian<quint16>(vmtx.constData() + std::size_t(4) * entry) * font.pixelSize() / unitsPerEm;
}

TEST_P(VerticalType, RowsAdvanceByTheFacesVerticalMetrics)
{
    const QRawFont font = QRawFont::fromFont(column.font(), QFontDatabase::Japanese);
    const qreal advance = VerticalAdvance(font, u'和');
    EXPECT_GT(advance, font.pixelSize() * 0.8);
    EXPECT_EQ(column.RowHeight(), qRound(advance));
    column.setText(u"和歌 詠む人"_s);
    const std::vector<ColumnRow> &rows = column.Layout().rows;
    ASSERT_EQ(rows.size(), 6u);
    const qreal expectedTops[] = {0, 1, 2, 2.5, 3.5, 4.5};
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_NEAR(rows[i].top, expectedTops[i] * advance, 0.01) << "row " << i;
    EXPECT_NEAR(rows[2].height, advance / 2, 0.01) << "a half-width space takes half a row";
}

INSTANTIATE_TEST_SUITE_P(InstalledJapaneseFaces, VerticalType, testing::ValuesIn(kFaces),
                         [](const testing::TestParamInfo<Face> &testCase) {
                             return testCase.param.englishName.toStdString();
                         });

} // namespace
