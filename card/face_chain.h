#pragma once

#include "card/harfbuzz_face.h"

#include <QFont>
#include <QRawFont>

#include <memory>
#include <vector>

// The faces a column draws from, all at the pixel size the column's font
// resolves to: the column's own face first, then IPAex明朝, then every other
// installed Japanese face, for characters the faces before lack.
class FaceChain
{
public:
    // The chain for a font, shared by every column that uses the same face at
    // the same size.
    static std::shared_ptr<const FaceChain> For(const QFont &font);

    explicit FaceChain(const QRawFont &own);

    int Size() const { return int(rawFonts_.size()); }

    // Built when first asked for: most columns never need a fallback face.
    const HarfBuzzFace &Face(int index) const;

private:
    std::vector<QRawFont> rawFonts_;
    mutable std::vector<std::unique_ptr<HarfBuzzFace>> faces_;
};
