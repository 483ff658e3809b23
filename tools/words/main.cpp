// gieicho-words: the phrase-file author's companion.
//   gieicho-words check [DIR]
//   gieicho-words poems [--season 0-4] [--night] [--count N] [--seed S] [DIR]
//   gieicho-words card [--season 0-4] [--night] [--seed S] [--font NAME] [--scale K] -o FILE.png [DIR]
#include "card/card_output.h"
#include "card/card_typeface.h"
#include "card/form1.h"
#include "card/vertical_column.h"
#include "card_preview.h"
#include "poem/composer.h"
#include "poem/feasibility.h"
#include "poem/phrase_loader.h"
#include "poem/poem_card.h"
#include "poem/poem_rules.h"
#include "poem/random.h"
#include "poem_printer.h"
#include "settings/shared_settings.h"

#include <QApplication>
#include <QDir>
#include <QString>
#include <array>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// How check names the tags, in the order of Tag.
constexpr std::array<QStringView, kTagCount> kTagNames = {u"無印", u"恋", u"春", u"夏", u"秋", u"冬"};

void Print(std::FILE *out, const QString &text)
{
    std::fputs((text + u'\n').toUtf8().constData(), out);
}

int Usage()
{
    std::fputs("usage: gieicho-words check [DIR]\n"
               "       gieicho-words poems [--season 0-4] [--night] [--count N] [--seed S] [DIR]\n"
               "       gieicho-words card [--season 0-4] [--night] [--seed S] [--font NAME] [--scale K]"
               " -o FILE.png [DIR]\n",
               stderr);
    return 2;
}

bool Load(const QString &directory)
{
    if (auto error = LoadPhraseFiles(directory, phraseGroups)) {
        Print(stderr, error->Message());
        return false;
    }
    return true;
}

int Check(const QString &directory)
{
    if (!Load(directory))
        return 1;
    const auto groups = std::as_const(phraseGroups).All();
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const PhraseGroup &group = *groups[i];
        std::array<int, kTagCount> perTag{};
        for (int slot = 1; slot <= group.last; ++slot)
            ++perTag[static_cast<std::size_t>(group.tags[static_cast<std::size_t>(slot)])];
        QString line = u"%1: %2 phrases, %3 drawable ("_s.arg(QString::fromLatin1(PhraseGroups::kNames[i]))
                           .arg(group.last + 1)
                           .arg(group.last > 0 ? group.last : 0);
        for (std::size_t tag = 0; tag < perTag.size(); ++tag)
            line += u"%1%2 %3"_s.arg(tag ? u", "_s : QString(), kTagNames[tag]).arg(perTag[tag]);
        Print(stdout, line + u')');
    }
    bool allPossible = true;
    for (bool nightSet : {false, true}) {
        for (int16_t season = 0; season <= 4; ++season) {
            const SettingOutlook outlook = AssessSetting(phraseGroups, season, nightSet);
            allPossible = allPossible && outlook.possible;
            Print(stdout,
                  u"%1・%2: %3"_s.arg(SeasonName(season), PoemSetName(nightSet),
                                      outlook.possible ? u"可 (%1%)"_s.arg(outlook.acceptanceRate * 100, 0, 'f', 2)
                                                       : u"不可"_s));
        }
    }
    return allPossible ? 0 : 1;
}

// What both poem-making subcommands take: season word, poem set, seed and the
// folder of the phrase files.
struct PoemChoice
{
    int16_t season = 0;
    bool nightSet = false;
    std::optional<unsigned long long> seed;
    QString directory = QDir::currentPath();
};

enum class Option { Taken, Other, Invalid };

// Takes argv[i], and its value, when it is one of the choices both subcommands share.
Option TakeChoice(int argc, char **argv, int &i, PoemChoice &choice)
{
    const bool hasValue = i + 1 < argc;
    if (!std::strcmp(argv[i], "--night")) {
        choice.nightSet = true;
    } else if (!std::strcmp(argv[i], "--season") && hasValue) {
        choice.season = static_cast<int16_t>(std::stoi(argv[++i]));
        if (choice.season < 0 || choice.season > 4)
            return Option::Invalid;
    } else if (!std::strcmp(argv[i], "--seed") && hasValue) {
        choice.seed = std::stoull(argv[++i]);
    } else if (argv[i][0] != '-') {
        choice.directory = QString::fromLocal8Bit(argv[i]);
    } else {
        return Option::Other;
    }
    return Option::Taken;
}

// Loads the phrase files and sets the settings and the random sequence chosen.
bool Prepare(const PoemChoice &choice)
{
    if (!Load(choice.directory))
        return false;
    SetSettingDefaults();
    kigoType = choice.season;
    enkaMode = choice.nightSet;
    choice.seed ? Randomize(*choice.seed) : RandomizeFromClock();
    return true;
}

int Poems(int argc, char **argv)
{
    PoemChoice choice;
    long count = 1;
    for (int i = 2; i < argc; ++i) {
        const Option option = TakeChoice(argc, argv, i, choice);
        if (option == Option::Taken)
            continue;
        if (option == Option::Other && !std::strcmp(argv[i], "--count") && i + 1 < argc)
            count = std::stol(argv[++i]);
        else
            return Usage();
    }
    if (!Prepare(choice))
        return 1;

    PoemPrinter printer(stdout);
    SetPoemCard(&printer);
    for (long i = 0; i < count && !printer.Failed(); ++i)
        ComposePoem();
    return printer.Failed() ? 1 : 0;
}

// One poem composed from DIR's phrase files, drawn as the card window shows it
// once the reveal is over, written as a PNG picture.
int Card(int argc, char **argv)
{
    PoemChoice choice;
    QString fontName;
    double scale = 1;
    QString output;
    for (int i = 2; i < argc; ++i) {
        const Option option = TakeChoice(argc, argv, i, choice);
        if (option == Option::Taken)
            continue;
        const bool hasValue = option == Option::Other && i + 1 < argc;
        if (hasValue && !std::strcmp(argv[i], "--font")) {
            fontName = QString::fromLocal8Bit(argv[++i]);
        } else if (hasValue && !std::strcmp(argv[i], "--scale")) {
            scale = std::stod(argv[++i]);
            if (!(scale > 0 && scale <= 8))
                return Usage();
        } else if (hasValue && !std::strcmp(argv[i], "-o")) {
            output = QString::fromLocal8Bit(argv[++i]);
        } else {
            return Usage();
        }
    }
    if (output.isEmpty())
        return Usage();
    if (!Prepare(choice))
        return 1;
    bgmOn = false;

    // No window is ever shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterCardTypeface();
    Form1 card;
    if (!fontName.isEmpty()) {
        for (VerticalColumn *column : card.Label1) {
            QFont font = column->font();
            font.setFamily(fontName);
            column->setFont(font);
        }
    }
    CardPreview preview(card);
    SetPoemCard(&preview);
    ComposePoem();
    SetPoemCard(nullptr);
    if (preview.Failed())
        return 1;
    if (!CardImage(card, scale).save(output, "PNG")) {
        Print(stderr, u"「%1」に画像を書き込めませんでした。"_s.arg(output));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return Usage();
    try {
        if (!std::strcmp(argv[1], "check"))
            return argc <= 3 ? Check(argc == 3 ? QString::fromLocal8Bit(argv[2]) : QDir::currentPath()) : Usage();
        if (!std::strcmp(argv[1], "poems"))
            return Poems(argc, argv);
        if (!std::strcmp(argv[1], "card"))
            return Card(argc, argv);
    } catch (const std::exception &) {
        // std::stoi and friends on a value that is not a number
    }
    return Usage();
}
