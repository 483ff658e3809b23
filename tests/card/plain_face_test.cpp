// A face that gives HarfBuzz nothing vertical at all still makes careful
// vertical type: IPAex明朝 with its substitution table hidden has no vertical
// alternates, so marks along the line turn, small kana and the comma and full
// stop move to the upper right, and brackets take their vertical forms, by
// the column's own rules, in the column's own face.
#include "card/column_painter.h"
#include "card/face_chain.h"
#include "card/vertical_typesetter.h"
#include "column_ink.h"
#include "font_with_hidden_table.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kPixelSize = 16;
const QSize kColumnSize(17, 300);

// The face's file with its "GSUB" table hidden: no substitution, vertical or
// other, is found.
QRawFont FaceWithoutVerticalForms()
{
    return FontWithHiddenTable(u"/usr/share/fonts/opentype/ipaexfont-mincho/ipaexm.ttf"_s, "GSUB", kPixelSize);
}

class PlainFace : public testing::Test
{
protected:
    void SetUp() override
    {
        const QRawFont plain = FaceWithoutVerticalForms();
        ASSERT_TRUE(plain.isValid()) << "IPAex明朝 is not installed";
        ASSERT_TRUE(plain.fontTable("GSUB").isEmpty());
        typesetter = std::make_unique<VerticalTypesetter>(std::make_shared<const FaceChain>(plain));
    }

    QImage Drawn(const QString &text)
    {
        typesetter->Update(layout, text);
        QImage image(kColumnSize, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PaintColumn(painter, layout, typesetter->Faces(), kColumnSize.width() / 2.0);
        return image;
    }

    ColumnInk InkOf(const QString &line, qsizetype index)
    {
        const QImage before = Drawn(line.left(index));
        const QImage after = Drawn(line.left(index + 1));
        return InkAdded(before, after);
    }

    std::unique_ptr<VerticalTypesetter> typesetter;
    ColumnLayout layout;
};

TEST_F(PlainFace, SetsTheCharactersByTheColumnsOwnRules)
{
    const QString line = u"和ー～－＝「」（）ぁっャ、。"_s;
    const qreal centreLine = kColumnSize.width() / 2.0;
    for (qsizetype i = 1; i < line.size(); ++i) {
        const ColumnInk ink = InkOf(line, i);
        const ColumnRow row = layout.rows[i];
        const QRectF box(ink.box);
        const char16_t c = line[i].unicode();
        SCOPED_TRACE(QString(line[i]).toStdString());
        ASSERT_GT(ink.pixels, 3);
        EXPECT_EQ(layout.glyphs[i].face, 0) << "drawn in the column's own face";
        EXPECT_GE(box.top(), row.top - 1);
        EXPECT_LE(box.bottom(), row.top + row.height + 1);
        if (QStringView(u"ー～－＝").contains(c)) {
            EXPECT_GT(box.height(), box.width());
        } else if (QStringView(u"「」（）").contains(c)) {
            EXPECT_GT(box.width(), box.height());
        } else {
            EXPECT_GT(box.center().x(), centreLine + 0.5);
            EXPECT_LE(box.center().y(), row.top + row.height / 2 + 0.5);
        }
    }
}

} // namespace
