#pragma once

#include <QRawFont>

#include <hb.h>

// The HarfBuzz face for a QRawFont, read from the font file the platform
// found it in: mapped, not copied, and one face per file for the whole run,
// whatever the sizes it is used at. Null when the file cannot be found or
// holds another font than the raw font's (a font loaded from memory); a new
// reference otherwise, for the caller to destroy.
hb_face_t *FileFaceFor(const QRawFont &font);
