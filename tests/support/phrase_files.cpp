#include "phrase_files.h"

#include <QFile>
#include <QStringEncoder>

using namespace Qt::Literals::StringLiterals;

void PhraseFiles::Write(const QString &fileName, const QStringList &lines)
{
    QStringEncoder encoder("CP932");
    QByteArray bytes = encoder(lines.join(u"\r\n"_s) + u"\r\n"_s);
    WriteBytes(fileName, bytes);
}

void PhraseFiles::WriteBytes(const QString &fileName, const QByteArray &bytes)
{
    QFile file(dir_.filePath(fileName));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void PhraseFiles::WriteMinimalSet()
{
    Write(u"WORD5.TXT"_s,
          {u"5A0"_s, u"5A1"_s, u""_s, u"5B0"_s, u"5B1"_s, u""_s, u"5C0"_s, u"5C1"_s, u""_s, u"5D0"_s, u"5D1"_s});
    Write(u"WORD7.TXT"_s,
          {u"7A0"_s, u"7A1"_s, u""_s, u"7B0"_s, u"7B1"_s, u""_s, u"7C0"_s, u"7C1"_s, u""_s, u"7D0"_s, u"7D1"_s});
    Write(u"WORD12.TXT"_s, {u"12-0"_s, u"12-1"_s});
}

QStringList PhrasesOf(const PhraseGroup &group)
{
    QStringList phrases;
    for (int i = 0; i <= group.last; ++i)
        phrases << group.phrases[i];
    return phrases;
}

void FillGroup(PhraseGroup &group, const QStringList &phrases)
{
    group.Clear();
    for (int i = 0; i < phrases.size(); ++i) {
        group.phrases[i] = phrases[i];
        group.tags[i] = TagOf(phrases[i]);
    }
    group.last = static_cast<int16_t>(phrases.size() - 1);
}
