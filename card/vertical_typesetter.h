#pragma once

#include "card/column_layout.h"
#include "card/face_chain.h"

#include <QStringView>

#include <memory>

// Sets a line of text as vertical type, one character per row: each character
// shaped top to bottom from the first face in the chain that has a visible
// glyph for it, rows advancing by that face's vertical metrics, a half-width
// space taking half a row.
class VerticalTypesetter
{
public:
    explicit VerticalTypesetter(std::shared_ptr<const FaceChain> faces);

    const FaceChain &Faces() const { return *faces_; }

    // Sets `text` as the layout's text: when it only adds characters to the
    // end, only those are shaped.
    void Update(ColumnLayout &layout, const QString &text) const;

private:
    void Append(ColumnLayout &layout, char32_t c) const;

    std::shared_ptr<const FaceChain> faces_;
};
