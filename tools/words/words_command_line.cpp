#include "words_command_line.h"

#include <QCommandLineParser>
#include <QDir>

#include <cstdio>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kUsageError = 2;

const QString kUsage = u"usage: gieicho-words check [DIR]\n"
                       "       gieicho-words poems [--season 0-4] [--night] [--count N] [--seed S] [DIR]\n"
                       "       gieicho-words card [--season 0-4] [--night] [--seed S] [--font NAME] [--scale K]"
                       " -o FILE.png [DIR]\n"
                       "       gieicho-words --help | --version\n"_s;

// One option as the parser knows it, with what its value may be.
struct OptionText
{
    QString name;
    QString valueName;
    QString meaning;
    QString takes;
};

QString WrittenOption(const QString &name)
{
    return (name.size() == 1 ? u"-"_s : u"--"_s) + name;
}

const std::vector<OptionText> &Options()
{
    static const std::vector<OptionText> options = {
        {u"season"_s, u"0-4"_s, u"the season word"_s, u"0 to 4 (0 none, 1 spring, 2 summer, 3 autumn, 4 winter)"_s},
        {u"night"_s, {}, u"the night set, with two amorous phrases; the morning set without it"_s, {}},
        {u"count"_s, u"N"_s, u"how many poems (1 when not given)"_s, u"a whole number from 0 up"_s},
        {u"seed"_s, u"S"_s, u"the random seed (the clock's when not given)"_s, u"a whole number from 0 up"_s},
        {u"font"_s, u"NAME"_s, u"the typeface of the poem columns"_s, u"a typeface name"_s},
        {u"scale"_s, u"K"_s, u"the card at K times its size on screen (1 when not given)"_s,
         u"a number above 0 and up to 8"_s},
        {u"o"_s, u"FILE.png"_s, u"the picture file the card is written to"_s, u"a PNG file name"_s},
    };
    return options;
}

const OptionText *FindOption(const QString &name)
{
    for (const OptionText &option : Options()) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

QString HelpText()
{
    QString text = kUsage + u'\n';
    for (const OptionText &option : Options()) {
        const QString written =
            WrittenOption(option.name) + (option.valueName.isEmpty() ? QString() : u' ' + option.valueName);
        const QString meaning = option.takes.isEmpty() ? option.meaning : option.meaning + u": "_s + option.takes;
        text += u"  %1 %2\n"_s.arg(written, -15).arg(meaning);
    }
    text += u"  %1 %2\n"_s.arg(u"DIR"_s, -15).arg(u"the folder of the phrase files (the current one when not given)"_s);
    return text;
}

void Print(std::FILE *out, const QString &text)
{
    std::fputs(text.toUtf8().constData(), out);
}

// The one line a mistake prints; the exit status that follows it.
int Mistake(const QString &command, const QString &what)
{
    Print(stderr, u"gieicho-words%1: %2\n"_s.arg(command.isEmpty() ? QString() : u' ' + command, what));
    return kUsageError;
}

struct Command
{
    QString name;
    WordsRun::Command command;
    QStringList options;
};

const std::vector<Command> &Commands()
{
    static const std::vector<Command> commands = {
        {u"check"_s, WordsRun::Command::Check, {}},
        {u"poems"_s, WordsRun::Command::Poems, {u"season"_s, u"night"_s, u"count"_s, u"seed"_s}},
        {u"card"_s, WordsRun::Command::Card, {u"season"_s, u"night"_s, u"seed"_s, u"font"_s, u"scale"_s, u"o"_s}},
    };
    return commands;
}

// "poems takes --season, --night, --count, --seed and DIR"
QString WhatItTakes(const Command &command)
{
    QStringList taken;
    for (const QString &name : command.options)
        taken << WrittenOption(name);
    if (taken.isEmpty())
        return u"%1 takes only DIR"_s.arg(command.name);
    return u"%1 takes %2 and DIR"_s.arg(command.name, taken.join(u", "_s));
}

// The value of an option, checked against what it takes.
template <typename Value, typename Convert, typename Fits>
bool ReadValue(const QCommandLineParser &parser, const Command &command, const QString &name, Convert convert,
               Fits fits, Value &value, int &exitStatus)
{
    if (!parser.isSet(name))
        return true;
    const QString text = parser.value(name);
    bool ok = false;
    const Value read = convert(text, ok);
    if (!ok || !fits(read)) {
        exitStatus =
            Mistake(command.name, u"%1 takes %2, not '%3'"_s.arg(WrittenOption(name), FindOption(name)->takes, text));
        return false;
    }
    value = read;
    return true;
}

// A parser failed: an unknown option, a value missing at the end, or what Qt says.
int ParseMistake(const QCommandLineParser &parser, const QStringList &arguments, const Command *command)
{
    const QString commandName = command ? command->name : QString();
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString unknown = WrittenOption(parser.unknownOptionNames().first());
        if (!command)
            return Mistake({}, u"unknown option '%1'; the command comes first: check, poems or card"_s.arg(unknown));
        return Mistake(commandName, u"unknown option '%1'; %2"_s.arg(unknown, WhatItTakes(*command)));
    }
    const QString &last = arguments.last();
    const OptionText *option = FindOption(QString(last).remove(0, last.startsWith(u"--"_s) ? 2 : 1));
    if (command && last.startsWith(u'-') && option && command->options.contains(option->name))
        return Mistake(commandName, u"%1 needs a value: %2"_s.arg(WrittenOption(option->name), option->takes));
    return Mistake(commandName, parser.errorText());
}

void AddOptions(QCommandLineParser &parser, const QCommandLineOption &help, const QCommandLineOption &version,
                const Command *command)
{
    parser.addOption(help);
    parser.addOption(version);
    if (!command)
        return;
    for (const QString &name : command->options) {
        const OptionText &option = *FindOption(name);
        parser.addOption(QCommandLineOption(option.name, option.meaning, option.valueName));
    }
}

bool ReadChoices(const QCommandLineParser &parser, const Command &command, WordsRun &run, int &exitStatus)
{
    if (run.command == WordsRun::Command::Check)
        return true;
    const auto toInt = [](const QString &text, bool &ok) { return text.toInt(&ok); };
    const auto toLong = [](const QString &text, bool &ok) { return text.toLong(&ok); };
    const auto toSeed = [](const QString &text, bool &ok) { return text.toULongLong(&ok); };
    const auto toDouble = [](const QString &text, bool &ok) { return text.toDouble(&ok); };
    const auto any = [](auto) { return true; };
    int season = 0;
    unsigned long long seed = 0;
    if (!ReadValue(
            parser, command, u"season"_s, toInt, [](int s) { return s >= 0 && s <= 4; }, season, exitStatus)
        || !ReadValue(parser, command, u"seed"_s, toSeed, any, seed, exitStatus))
        return false;
    run.season = static_cast<int16_t>(season);
    if (parser.isSet(u"seed"_s))
        run.seed = seed;
    run.nightSet = parser.isSet(u"night"_s);
    if (run.command == WordsRun::Command::Poems)
        return ReadValue(
            parser, command, u"count"_s, toLong, [](long n) { return n >= 0; }, run.count, exitStatus);
    if (run.command != WordsRun::Command::Card)
        return true;
    if (!ReadValue(
            parser, command, u"scale"_s, toDouble, [](double k) { return k > 0 && k <= 8; }, run.scale, exitStatus))
        return false;
    run.fontName = parser.value(u"font"_s);
    run.output = parser.value(u"o"_s);
    if (run.output.isEmpty()) {
        exitStatus = Mistake(command.name, u"-o FILE.png is needed: %1"_s.arg(FindOption(u"o"_s)->takes));
        return false;
    }
    return true;
}

} // namespace

std::optional<WordsRun> ReadCommandLine(const QStringList &arguments, int &exitStatus)
{
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"the usage"_s);
    const QCommandLineOption version(u"version"_s, u"the version"_s);
    const QString first = arguments.value(1);
    const Command *command = nullptr;
    for (const Command &c : Commands()) {
        if (c.name == first)
            command = &c;
    }

    QCommandLineParser parser;
    AddOptions(parser, help, version, command);
    // The command word itself is no folder.
    QStringList rest = arguments;
    if (command)
        rest.removeAt(1);
    if (!parser.parse(rest)) {
        exitStatus = ParseMistake(parser, rest, command);
        return std::nullopt;
    }
    if (parser.isSet(help) || parser.isSet(version)) {
        Print(stdout,
              parser.isSet(help) ? HelpText() : u"gieicho-words %1\n"_s.arg(QString::fromUtf8(GIEICHO_VERSION)));
        exitStatus = 0;
        return std::nullopt;
    }
    if (!command) {
        exitStatus = first.isEmpty()
            ? Mistake({}, u"a command is needed: check, poems or card (--help shows the usage)"_s)
            : Mistake({}, u"unknown command '%1'; the commands are check, poems and card"_s.arg(first));
        return std::nullopt;
    }

    WordsRun run;
    run.command = command->command;
    const QStringList folders = parser.positionalArguments();
    if (folders.size() > 1) {
        exitStatus = Mistake(command->name, u"one folder only, not '%1'"_s.arg(folders.join(u"' and '"_s)));
        return std::nullopt;
    }
    run.directory = folders.isEmpty() ? QDir::currentPath() : folders.first();
    if (!ReadChoices(parser, *command, run, exitStatus))
        return std::nullopt;
    return run;
}
