// gieicho-words: the phrase-file author's companion (its command line: words_command_line.h).
#include "card/card_output.h"
#include "card/card_typeface.h"
#include "card/form1.h"
#include "card_preview.h"
#include "poem/composer.h"
#include "poem/feasibility.h"
#include "poem/phrase_loader.h"
#include "poem/poem_card.h"
#include "poem/poem_rules.h"
#include "poem/random.h"
#include "poem_printer.h"
#include "settings/shared_settings.h"
#include "words_command_line.h"

#include <QApplication>
#include <QString>
#include <array>
#include <cstdio>
#include <optional>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// How check names the tags, in the order of Tag.
constexpr std::array<QStringView, kTagCount> kTagNames = {u"無印", u"恋", u"春", u"夏", u"秋", u"冬"};

void Print(std::FILE *out, const QString &text)
{
    std::fputs((text + u'\n').toUtf8().constData(), out);
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

// Loads the phrase files and sets the settings and the random sequence chosen.
bool Prepare(const WordsRun &run)
{
    if (!Load(run.directory))
        return false;
    SetSettingDefaults();
    kigoType = run.season;
    enkaMode = run.nightSet;
    run.seed ? Randomize(*run.seed) : RandomizeFromClock();
    return true;
}

int Poems(const WordsRun &run)
{
    if (!Prepare(run))
        return 1;

    PoemPrinter printer(stdout);
    SetPoemCard(&printer);
    for (long i = 0; i < run.count && !printer.Failed(); ++i)
        ComposePoem();
    return printer.Failed() ? 1 : 0;
}

// One poem composed from DIR's phrase files, drawn as the card window shows it
// once the reveal is over, written as a PNG picture.
int Card(const WordsRun &run, int argc, char **argv)
{
    if (!Prepare(run))
        return 1;
    bgmOn = false;

    // No window is ever shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterCardTypeface();
    Form1 card;
    if (!run.fontName.isEmpty())
        card.SetColumnFamily(run.fontName);
    CardPreview preview(card);
    SetPoemCard(&preview);
    ComposePoem();
    SetPoemCard(nullptr);
    if (preview.Failed())
        return 1;
    if (!CardImage(card, run.scale).save(run.output, "PNG")) {
        Print(stderr, u"「%1」に画像を書き込めませんでした。"_s.arg(run.output));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    int exitStatus = 0;
    const std::optional<WordsRun> run = ReadCommandLine(arguments, exitStatus);
    if (!run)
        return exitStatus;
    switch (run->command) {
    case WordsRun::Command::Check: return Check(run->directory);
    case WordsRun::Command::Poems: return Poems(*run);
    case WordsRun::Command::Card: return Card(*run, argc, argv);
    }
    return exitStatus;
}
