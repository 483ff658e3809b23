#include "poem/phrase_loader.h"

#include "app/shared_settings.h"
#include "poem/field_reader.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace {

// The decoded text of one phrase file, or why it could not be read.
struct DecodedFile
{
    QString text;
    std::optional<LoadError> error;
};

// Decodes line by line so a bad byte can be reported with its line. In code
// page 932 the byte 0x0A never occurs inside a double-byte character, so
// splitting the bytes there is safe.
DecodedFile DecodeCp932(const QString &fileName, QByteArrayView bytes)
{
    DecodedFile result;
    result.text.reserve(bytes.size());
    int line = 1;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        QStringDecoder decoder("CP932", QStringDecoder::Flag::Stateless);
        const QString decoded = decoder(bytes.sliced(start, end - start));
        if (decoder.hasError()) {
            result.error = LoadError{fileName, line,
                                     QStringLiteral("Shift-JIS（CP932）の文字として読めないバイトがあります。")};
            return result;
        }
        result.text += decoded;
        start = end;
        ++line;
    }
    return result;
}

// Fills the groups of one file in order. Every group but the last must end
// with an empty line; the last ends at an empty line or at the end of the file,
// and whatever follows it is never read.
class GroupFileLoader
{
public:
    GroupFileLoader(const QString &fileName, const QString &text)
        : fileName_(fileName), reader_(text)
    {
    }

    // Reads phrases until the empty field that ends the group. The file's last
    // group may also end with the file itself.
    std::optional<LoadError> LoadGroup(PhraseGroup &group, int number, int groupCount)
    {
        const bool lastOfFile = number == groupCount;
        int16_t counter = 0;
        for (;;) {
            const std::optional<QString> field = reader_.Next();
            if (!field)
                return EndedInside(number, groupCount, counter);
            if (field->isEmpty())
                break;
            if (auto error = Store(group, counter, *field))
                return error;
            if (lastOfFile && reader_.AtEnd())
                break;
        }
        group.last = counter;
        return std::nullopt;
    }

private:
    std::optional<LoadError> Store(PhraseGroup &group, int16_t &counter, const QString &phrase)
    {
        if (counter > 100) {
            return LoadError{fileName_, reader_.FieldLine(),
                             QStringLiteral("一つのグループに入る語句は101個までです。この行は102個目にあたります。")};
        }
        group.phrases[counter] = phrase;
        group.tags[counter] = TagOf(phrase);
        ++counter;
        return std::nullopt;
    }

    LoadError EndedInside(int number, int groupCount, int16_t storedSoFar) const
    {
        const QString shape = QStringLiteral("このファイルには空行で区切った%1つのグループが要ります。").arg(groupCount);
        if (storedSoFar == 0) {
            return {fileName_, reader_.CurrentLine(),
                    QStringLiteral("第%1グループが始まる前にファイルが終わっています。").arg(number) + shape};
        }
        return {fileName_, reader_.CurrentLine(),
                QStringLiteral("第%1グループの途中でファイルが終わっています（グループの終わりに空行がありません）。")
                        .arg(number)
                    + shape};
    }

    QString fileName_;
    FieldReader reader_;
};

std::optional<LoadError> LoadFile(const QString &fileName, QByteArrayView bytes,
                                  std::initializer_list<PhraseGroup *> groups)
{
    DecodedFile file = DecodeCp932(fileName, bytes);
    if (file.error)
        return file.error;
    GroupFileLoader loader(fileName, file.text);
    const int count = static_cast<int>(groups.size());
    int number = 1;
    for (PhraseGroup *group : groups) {
        if (auto error = loader.LoadGroup(*group, number, count))
            return error;
        ++number;
    }
    return std::nullopt;
}

} // namespace

QString LoadError::Message() const
{
    if (line == 0)
        return QStringLiteral("%1: %2").arg(fileName, problem);
    return QStringLiteral("%1 %2 行目: %3").arg(fileName).arg(line).arg(problem);
}

std::optional<LoadError> LoadPhraseFiles(const QString &directory, PhraseGroups &groups)
{
    // Only one file is open at a time; each is read whole, then parsed.
    QByteArray contents[3];
    const QString names[3] = {QStringLiteral("WORD5.TXT"), QStringLiteral("WORD7.TXT"), QStringLiteral("WORD12.TXT")};
    for (int i = 0; i < 3; ++i) {
        QFile file(QDir(directory).filePath(names[i]));
        if (!file.open(QIODevice::ReadOnly)) {
            return LoadError{names[i], 0,
                             QStringLiteral("ファイルが見つからないか、開けません（フォルダ: %1）。")
                                 .arg(QDir::toNativeSeparators(QDir(directory).absolutePath()))};
        }
        contents[i] = file.readAll();
    }
    return ParsePhraseFiles(contents[0], contents[1], contents[2], groups);
}

std::optional<LoadError> ParsePhraseFiles(QByteArrayView word5, QByteArrayView word7, QByteArrayView word12,
                                          PhraseGroups &groups)
{
    // Counters start at 0, so every group starts empty.
    PhraseGroups loaded;
    if (auto error = LoadFile(QStringLiteral("WORD5.TXT"), word5,
                              {&loaded.Word5A, &loaded.Word5B, &loaded.Word5C, &loaded.Word5D}))
        return error;
    if (auto error = LoadFile(QStringLiteral("WORD7.TXT"), word7,
                              {&loaded.Word7A, &loaded.Word7B, &loaded.Word7C, &loaded.Word7D}))
        return error;
    if (auto error = LoadFile(QStringLiteral("WORD12.TXT"), word12, {&loaded.Word12}))
        return error;

    // The counters held the number of phrases; from now on they hold the last index.
    for (PhraseGroup *group : {&loaded.Word5A, &loaded.Word5B, &loaded.Word5C, &loaded.Word5D, &loaded.Word7A,
                               &loaded.Word7B, &loaded.Word7C, &loaded.Word7D, &loaded.Word12})
        --group->last;
    groups = std::move(loaded);
    return std::nullopt;
}

std::optional<LoadError> LoadWords(const QString &directory)
{
    if (auto error = LoadPhraseFiles(directory, phraseGroups))
        return error;
    SetSettingDefaults();
    return std::nullopt;
}
