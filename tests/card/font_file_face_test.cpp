// The columns' HarfBuzz faces come from the installed font files, mapped and
// shared across sizes; a raw font made from data of its own, even with an
// installed font's name, is never given the file's tables.
#include "card/font_file_face.h"
#include "card/harfbuzz_face.h"
#include "font_with_hidden_table.h"

#include <QFont>
#include <QFontDatabase>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kMinchoFile = u"/usr/share/fonts/opentype/ipaexfont-mincho/ipaexm.ttf"_s;

QRawFont Installed(const QString &family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    return QRawFont::fromFont(font, QFontDatabase::Japanese);
}

struct FaceReference
{
    hb_face_t *face;
    ~FaceReference() { hb_face_destroy(face); }
};

TEST(FontFileFace, InstalledFacesComeFromTheirFileOncePerRun)
{
    for (const QString &family : {u"IPAex明朝"_s, u"青柳衡山フォントT"_s}) {
        const QRawFont small = Installed(family, 16);
        ASSERT_TRUE(small.isValid()) << family.toStdString();
        const FaceReference first{FileFaceFor(small)};
        const FaceReference second{FileFaceFor(Installed(family, 40))};
        ASSERT_NE(first.face, nullptr) << family.toStdString();
        EXPECT_EQ(first.face, second.face) << "one face for every size: " << family.toStdString();
        EXPECT_EQ(hb_face_get_upem(first.face), unsigned(small.unitsPerEm()));

        const HarfBuzzFace shaped(small);
        EXPECT_TRUE(shaped.HasGlyph(U'あ')) << family.toStdString();
        EXPECT_GT(shaped.ShapeVertical(U'歌').ink.height(), 0) << family.toStdString();
    }
}

TEST(FontFileFace, DataOfItsOwnKeepsItsOwnTables)
{
    for (const QByteArray &table : {QByteArray("GSUB"), QByteArray("vmtx"), QByteArray("vhea")}) {
        const QRawFont altered = FontWithHiddenTable(kMinchoFile, table, 16);
        ASSERT_TRUE(altered.isValid()) << table.constData();
        ASSERT_EQ(altered.familyName(), u"IPAexMincho"_s) << "it bears the installed font's name";
        ASSERT_TRUE(altered.fontTable(table.constData()).isEmpty()) << table.constData();
        const FaceReference face{FileFaceFor(altered)};
        EXPECT_EQ(face.face, nullptr) << "the file's tables for a font without " << table.constData();
    }
    const FaceReference none{FileFaceFor(QRawFont())};
    EXPECT_EQ(none.face, nullptr) << "no font at all";
}

} // namespace
