// Feeds arbitrary bytes to the phrase-file loader and checks what it promises:
// either an error at a line the named file has, with the files read before it
// loading cleanly on their own, or nine groups whose last indices lie in -1 to
// 100, with every stored tag matching its phrase.
#include "poem/field_reader.h"
#include "poem/phrase_loader.h"

#include <QByteArrayView>
#include <cstdlib>

namespace {

// The input holds the three files one after another, split at 0xFF 0xFF,
// which never occurs in code page 932 text.
QByteArrayView Take(QByteArrayView &rest)
{
    const qsizetype split = rest.indexOf(QByteArrayView("\xff\xff", 2));
    if (split < 0) {
        QByteArrayView all = rest;
        rest = {};
        return all;
    }
    QByteArrayView part = rest.first(split);
    rest = rest.sliced(split + 2);
    return part;
}

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// A file that loads: its groups, then one phrase for the last.
const QByteArrayView kGood7 = "a\r\n\r\nb\r\n\r\nc\r\n\r\nd\r\n";
const QByteArrayView kGood12 = "a\r\n";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArrayView rest(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QByteArrayView word5 = Take(rest), word7 = Take(rest), word12 = Take(rest);

    PhraseGroups groups;
    if (auto error = ParsePhraseFiles(word5, word7, word12, groups)) {
        const QByteArrayView named = error->fileName == QLatin1String("WORD5.TXT") ? word5
            : error->fileName == QLatin1String("WORD7.TXT")                        ? word7
                                                                                   : word12;
        Require(error->line >= 0 && error->line <= FieldReader(named.toByteArray()).LastLine());
        // Everything read before the faulty file loads without it.
        PhraseGroups earlier;
        if (error->fileName == QLatin1String("WORD7.TXT"))
            Require(!ParsePhraseFiles(word5, kGood7, kGood12, earlier));
        else if (error->fileName == QLatin1String("WORD12.TXT"))
            Require(!ParsePhraseFiles(word5, word7, kGood12, earlier));
        else
            Require(error->fileName == QLatin1String("WORD5.TXT"));
    } else {
        for (const PhraseGroup *group : groups.All()) {
            Require(group->last >= -1 && group->last <= 100);
            for (int i = 0; i <= group->last; ++i)
                Require(!group->phrases[i].isEmpty() && group->tags[i] == TagOf(group->phrases[i]));
        }
    }

    // The field reader alone, on the same bytes: it must end.
    FieldReader reader(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    qsizetype fields = 0;
    while (reader.Next())
        Require(++fields <= static_cast<qsizetype>(size) + 1);
    return 0;
}
