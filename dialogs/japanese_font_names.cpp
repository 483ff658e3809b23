#include "dialogs/japanese_font_names.h"

#include <QList>
#include <QStringEncoder>

namespace {

// Each character is converted on its own, so no shift state or neighbour can
// change its code. Characters that code page 932 lacks come back as the
// converter's substitute with the error flag set; they count as the single
// "?" that Windows gives for them.
bool IsDoubleByteCharacter(char32_t character)
{
    QStringEncoder toCp932("CP932");
    const QByteArray code = toCp932.encode(QString::fromUcs4(&character, 1));
    if (toCp932.hasError() || code.size() != 2)
        return false;
    const auto lead = static_cast<unsigned char>(code[0]);
    return (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
}

} // namespace

bool IsJapaneseFontName(const QString &name)
{
    if (name.startsWith(u'@'))
        return false;
    for (char32_t character : name.toUcs4())
        if (IsDoubleByteCharacter(character))
            return true;
    return false;
}
