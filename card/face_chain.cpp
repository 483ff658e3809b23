#include "card/face_chain.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

QRawFont RawFontOf(const QString &family, qreal pixelSize)
{
    QFont font(family);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    QRawFont raw = QRawFont::fromFont(font, QFontDatabase::Japanese);
    raw.setPixelSize(pixelSize);
    return raw;
}

QString KeyOf(const QRawFont &raw)
{
    return u"%1|%2|%3"_s.arg(raw.familyName(), raw.styleName()).arg(raw.pixelSize());
}

} // namespace

std::shared_ptr<const FaceChain> FaceChain::For(const QFont &font)
{
    // Faces are costly to build (HarfBuzz copies their tables), so each one is
    // built once per run.
    static QHash<QString, std::shared_ptr<const FaceChain>> chains;
    const QRawFont own = QRawFont::fromFont(font, QFontDatabase::Japanese);
    std::shared_ptr<const FaceChain> &chain = chains[KeyOf(own)];
    if (!chain)
        chain = std::make_shared<const FaceChain>(own);
    return chain;
}

FaceChain::FaceChain(const QRawFont &own)
{
    rawFonts_.push_back(own);
    QStringList families = QFontDatabase::families(QFontDatabase::Japanese);
    families.prepend(u"IPAexMincho"_s);
    families.prepend(u"IPAex明朝"_s);
    for (const QString &family : families) {
        if (!QFontDatabase::hasFamily(family))
            continue;
        const QRawFont raw = RawFontOf(family, own.pixelSize());
        if (!raw.isValid())
            continue;
        const bool known = std::any_of(rawFonts_.begin(), rawFonts_.end(), [&raw](const QRawFont &present) {
            return present.familyName() == raw.familyName() && present.styleName() == raw.styleName();
        });
        if (!known)
            rawFonts_.push_back(raw);
    }
    faces_.resize(rawFonts_.size());
}

const HarfBuzzFace &FaceChain::Face(int index) const
{
    if (!faces_[index])
        faces_[index] = std::make_unique<HarfBuzzFace>(rawFonts_[index]);
    return *faces_[index];
}
