#include "poem/phrase_loader.h"

#include "poem/field_reader.h"
#include "settings/shared_settings.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

// The three files in reading order, each with the groups it holds in order.
struct PhraseFile
{
    const char *name;
    std::vector<PhraseGroup PhraseGroups::*> groups;
};

const PhraseFile kPhraseFiles[] = {
    {"WORD5.TXT", {&PhraseGroups::Word5A, &PhraseGroups::Word5B, &PhraseGroups::Word5C, &PhraseGroups::Word5D}},
    {"WORD7.TXT", {&PhraseGroups::Word7A, &PhraseGroups::Word7B, &PhraseGroups::Word7C, &PhraseGroups::Word7D}},
    {"WORD12.TXT", {&PhraseGroups::Word12}},
};

// Fills the groups of one file in order. Every group but the last must end
// with an empty line; the last ends at an empty line or at the end of the file,
// and whatever follows it is never read, nor decoded.
class GroupFileLoader
{
public:
    GroupFileLoader(const QString &fileName, QByteArray bytes)
        : fileName_(fileName)
        , reader_(std::move(bytes))
    {
    }

    // Reads phrases until the empty field that ends the group. The file's last
    // group may also end with the file itself.
    std::optional<LoadError> LoadGroup(PhraseGroup &group, int number, int groupCount)
    {
        const bool lastOfFile = number == groupCount;
        int16_t counter = 0;
        for (;;) {
            const std::optional<QByteArray> field = reader_.Next();
            if (!field)
                return EndedInside(number, groupCount, counter);
            if (field->isEmpty())
                break;
            if (auto error = Store(group, counter, *field))
                return error;
            if (lastOfFile && reader_.AtEnd())
                break;
        }
        group.last = static_cast<int16_t>(counter - 1);
        return std::nullopt;
    }

private:
    std::optional<LoadError> Store(PhraseGroup &group, int16_t &counter, const QByteArray &field)
    {
        if (counter > 100) {
            return LoadError{fileName_, reader_.FieldLine(),
                             u"一つのグループに入る語句は101個までです。この行は102個目にあたります。"_s};
        }
        QStringDecoder decoder("CP932", QStringDecoder::Flag::Stateless);
        const QString phrase = decoder(field);
        if (decoder.hasError()) {
            return LoadError{fileName_, reader_.FieldLine(),
                             u"Shift-JIS（CP932）の文字として読めないバイトがあります。"_s};
        }
        group.phrases[counter] = phrase;
        group.tags[counter] = TagOf(phrase);
        ++counter;
        return std::nullopt;
    }

    // The file has ended, so the line named is its last one.
    LoadError EndedInside(int number, int groupCount, int16_t storedSoFar) const
    {
        const QString shape = u"このファイルには空行で区切った%1つのグループが要ります。"_s.arg(groupCount);
        if (storedSoFar == 0) {
            return {fileName_, reader_.LastLine(),
                    u"第%1グループが始まる前にファイルが終わっています。"_s.arg(number) + shape};
        }
        return {fileName_, reader_.LastLine(),
                u"第%1グループの途中でファイルが終わっています（グループの終わりに空行がありません）。"_s.arg(number)
                    + shape};
    }

    QString fileName_;
    FieldReader reader_;
};

std::optional<LoadError> LoadFile(const PhraseFile &file, QByteArray bytes, PhraseGroups &groups)
{
    GroupFileLoader loader(QString::fromLatin1(file.name), std::move(bytes));
    const int count = static_cast<int>(file.groups.size());
    for (int number = 1; number <= count; ++number) {
        if (auto error = loader.LoadGroup(groups.*file.groups[number - 1], number, count))
            return error;
    }
    return std::nullopt;
}

// Loads the files in order, each read only when its turn comes, so the first
// fault in reading order is the one reported. The groups are touched only
// when all three files have loaded.
template <typename ReadFile> std::optional<LoadError> LoadAll(PhraseGroups &groups, ReadFile readFile)
{
    // Every group starts empty.
    PhraseGroups loaded;
    for (const PhraseFile &file : kPhraseFiles) {
        QByteArray bytes;
        if (auto error = readFile(file, bytes))
            return error;
        if (auto error = LoadFile(file, std::move(bytes), loaded))
            return error;
    }
    groups = std::move(loaded);
    return std::nullopt;
}

} // namespace

QString LoadError::Message() const
{
    if (line == 0)
        return u"%1: %2"_s.arg(fileName, problem);
    return u"%1 %2 行目: %3"_s.arg(fileName).arg(line).arg(problem);
}

std::optional<LoadError> LoadPhraseFiles(const QString &directory, PhraseGroups &groups)
{
    return LoadAll(groups, [&directory](const PhraseFile &file, QByteArray &bytes) -> std::optional<LoadError> {
        const QString name = QString::fromLatin1(file.name);
        QFile opened(QDir(directory).filePath(name));
        if (!opened.open(QIODevice::ReadOnly)) {
            return LoadError{name, 0,
                             u"ファイルが見つからないか、開けません（フォルダ: %1）。"_s.arg(
                                 QDir::toNativeSeparators(QDir(directory).absolutePath()))};
        }
        bytes = opened.readAll();
        return std::nullopt;
    });
}

std::optional<LoadError> ParsePhraseFiles(QByteArrayView word5, QByteArrayView word7, QByteArrayView word12,
                                          PhraseGroups &groups)
{
    const QByteArrayView contents[] = {word5, word7, word12};
    int next = 0;
    return LoadAll(groups, [&](const PhraseFile &, QByteArray &bytes) -> std::optional<LoadError> {
        bytes = contents[next++].toByteArray();
        return std::nullopt;
    });
}

std::optional<LoadError> LoadWords(const QString &directory)
{
    if (auto error = LoadPhraseFiles(directory, phraseGroups))
        return error;
    SetSettingDefaults();
    return std::nullopt;
}
