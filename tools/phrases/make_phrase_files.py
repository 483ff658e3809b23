#!/usr/bin/python3
"""Builds the phrase files the program reads (data/WORD5.TXT, data/WORD7.TXT,
data/WORD12.TXT) from the hand-edited sources beside this script.

Source layout (UTF-8):
  - one phrase per line: PHRASE<TAB>reading, the reading in hiragana or
    katakana only; it is used to count the morae and never reaches the data file;
  - a phrase may end with one tag: ;e (amorous), ;h spring, ;n summer,
    ;a autumn, ;f winter; the tag goes on the phrase, not on the reading;
  - a twelve-mora phrase breaks at one '@', which its reading carries at the
    same seam: five morae and seven, or seven and five;
  - groups are separated by exactly one empty line;
  - a line that starts with # is a comment;
  - the first phrase of every group is a label the composer never draws: it
    must be untagged, its reading may be left out and its morae are not counted.

Beyond the layout, the anthology is held to its shape: a phrase stands once in
all three files once its tag is dropped, no phrase is only a particle away from
another of its group, and every group holds 95 to 100 drawable phrases with
at least 43 untagged, 20 amorous and 8 of each season.

Every problem is reported as file:line: message; if there is any, nothing is
written and the script exits with status 1. Otherwise each data file is written
in code page 932 with CR LF line ends, phrases only, groups separated by one
empty line, and a summary of every group is printed.

Usage: /usr/bin/python3 tools/phrases/make_phrase_files.py [--check] [SOURCE...]
With no SOURCE every source that exists is built; naming some (word5.txt,
word7.txt, word12.txt) builds only those. Every source is read all the same,
because no phrase may stand twice in the anthology once its tag is dropped.
--check writes nothing and fails when a data file is not what its source gives.
"""

import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
DATA = os.path.join(ROOT, "data")

# source, data file, group names, morae per phrase, most characters per phrase
FILES = [
    ("word5.txt", "WORD5.TXT", ["Word5A", "Word5B", "Word5C", "Word5D"], 5, 7),
    ("word7.txt", "WORD7.TXT", ["Word7A", "Word7B", "Word7C", "Word7D"], 7, 9),
    ("word12.txt", "WORD12.TXT", ["Word12"], 12, 16),
]

TAGS = {";e": "e", ";h": "h", ";n": "n", ";a": "a", ";f": "f"}
TAG_ORDER = ["-", "e", "h", "n", "a", "f"]
TAG_NAMES = {"-": "neutral", "e": "amorous", "h": "spring", "n": "summer",
             "a": "autumn", "f": "winter"}
BREAK = "@"
SEAM = [5, 7]  # the morae on either side of a twelve-mora phrase's break, in either order
MIN_DRAWABLE = 95
MAX_DRAWABLE = 100  # the loader holds 101 slots, slot 0 included
# Fewest drawable phrases of each tag a group needs, so that every season and
# poem set finds enough variety in every place the group fills.
MIN_PER_TAG = {"-": 43, "e": 20, "h": 8, "n": 8, "a": 8, "f": 8}
# Two phrases of one group that differ only by one of these read as the same
# phrase twice.
PARTICLES = {"", "の", "は", "が", "を", "に", "へ", "と", "で", "も", "や", "ぞ",
             "か", "よ", "な", "ば", "て", "こそ", "より", "から", "まで", "だけ",
             "のみ", "さへ", "ばかり", "など", "かな", "かも"}

# Small kana that fuse with the kana before them into one mora.
SMALL_KANA = set("ぁぃぅぇぉゃゅょゎァィゥェォャュョヮ")
# Kana that are a mora of their own although they are not a plain syllable.
OWN_MORA = set("っッーんン")


def is_kana(ch):
    return ("\u3041" <= ch <= "\u3096" or "\u309d" <= ch <= "\u309e"
            or "\u30a1" <= ch <= "\u30fa" or "\u30fc" <= ch <= "\u30fe")


def count_morae(reading):
    """Returns (morae, bad characters) of a reading."""
    morae = 0
    bad = []
    previous_small = True  # a reading may not start with a small kana
    for ch in reading:
        if not is_kana(ch):
            bad.append(ch)
            continue
        if ch in SMALL_KANA:
            if previous_small:
                bad.append(ch)
            previous_small = True
            continue
        previous_small = ch in OWN_MORA
        morae += 1
    return morae, bad


def split_tag(phrase):
    """Returns (text, tag letter or '-')."""
    tag = TAGS.get(phrase[-2:])
    if tag is not None and len(phrase) > 2:
        return phrase[:-2], tag
    return phrase, "-"


def bare(phrase):
    """The phrase as the poem shows it: no tag, no break marker."""
    return split_tag(phrase)[0].replace(BREAK, "")


def particle_apart(a, b):
    """True when a and b differ only by one particle put in, left out or swapped."""
    if a == b:
        return False
    prefix = 0
    while prefix < min(len(a), len(b)) and a[prefix] == b[prefix]:
        prefix += 1
    suffix = 0
    while (suffix < min(len(a), len(b)) - prefix
           and a[len(a) - 1 - suffix] == b[len(b) - 1 - suffix]):
        suffix += 1
    return (a[prefix:len(a) - suffix] in PARTICLES
            and b[prefix:len(b) - suffix] in PARTICLES)


def encodable(ch):
    try:
        ch.encode("cp932")
        return True
    except UnicodeEncodeError:
        return False


def check_phrase(text, tag, reading, is_label, morae_wanted, max_chars,
                 allow_break, problem):
    if text != text.strip():
        problem("leading or trailing space in the phrase (the loader drops them)")
    if " " in text.strip():
        problem("half-width space inside the phrase; phrases are full-width")
    if "," in text or "\uff0c" in text:
        problem("comma in the phrase (the loader would split it)")
    if '"' in text:
        problem("double quote in the phrase (the loader would read it as quoting)")
    if ";" in text:
        problem("';' in the phrase: a tag is ';' plus one of e h n a f at the very end")
    if BREAK in text:
        if not allow_break:
            problem("'@' is only for twelve-mora phrases")
        elif text.count(BREAK) > 1:
            problem("more than one '@' in the phrase")
        elif text.startswith(BREAK) or text.endswith(BREAK):
            problem("'@' at the edge of the phrase; it belongs at the seam inside it")
    for ch in text:
        if ch in (BREAK, ",", '"', ";", " "):
            continue  # reported above
        if ord(ch) < 0x80:
            problem("half-width character %r; phrases are full-width" % ch)
        elif "\uff61" <= ch <= "\uff9f":
            problem("half-width katakana %r; use full-width kana" % ch)
        elif not encodable(ch):
            problem("character %r (U+%04X) does not exist in code page 932" % (ch, ord(ch)))
    length = len(text.replace(BREAK, ""))
    if length == 0:
        problem("empty phrase")
    if length > max_chars:
        problem("%d characters, at most %d fit the column" % (length, max_chars))
    if is_label:
        if tag != "-":
            problem("the first phrase of a group is never drawn and must carry no tag")
        if reading is None:
            return
    if reading is None:
        problem("no reading (PHRASE<TAB>reading)")
        return
    if reading == "":
        problem("empty reading")
        return
    if (BREAK in reading) != (BREAK in text and allow_break):
        problem("'@' stands in the reading where it stands in a twelve-mora phrase, and nowhere else")
    elif BREAK in reading:
        parts = reading.split(BREAK)
        seam = [count_morae(part)[0] for part in parts]
        if len(parts) != 2 or sorted(seam) != SEAM:
            problem("reading %s breaks into %s morae at '@', not 5 and 7 or 7 and 5"
                    % (reading, " and ".join(str(part) for part in seam)))
    reading = reading.replace(BREAK, "")
    morae, bad = count_morae(reading)
    if bad:
        problem("reading has characters that are not kana or out of place: %s"
                % "".join(sorted(set(bad))))
    elif not is_label and morae != morae_wanted:
        problem("reading %s has %d morae, not %d" % (reading, morae, morae_wanted))


def parse(path, name, group_count, morae_wanted, max_chars, allow_break):
    """Returns (groups, problems); each group is a list of (line, phrase, tag)."""
    problems = []
    groups = []
    current = None
    blank_run = 0
    with open(path, "rb") as f:
        raw = f.read()
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as error:
        return [], ["%s: not UTF-8 (%s)" % (name, error)]
    if text.startswith("\ufeff"):
        problems.append("%s:1: byte order mark at the start; save as plain UTF-8" % name)
        text = text[1:]
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    for number, line in enumerate(lines, 1):
        def problem(message, number=number):
            problems.append("%s:%d: %s" % (name, number, message))

        if line.endswith("\r"):
            problem("CR LF line end; the sources use LF")
            line = line[:-1]
        if line.startswith("#"):
            continue
        if line.strip() == "":
            if line != "":
                problem("line of only spaces; a group separator is an empty line")
            blank_run += 1
            if blank_run == 2 and groups:
                problem("two empty lines in a row would make an empty group")
            current = None
            continue
        blank_run = 0
        if current is None:
            current = []
            groups.append(current)
        if "\t" in line:
            phrase, reading = line.split("\t", 1)
            if "\t" in reading:
                problem("more than one tab; a line is PHRASE<TAB>reading")
            reading = reading.strip(" ")
        else:
            phrase, reading = line, None
        text_part, tag = split_tag(phrase)
        if tag == "-" and len(phrase) >= 2 and phrase[-2] == ";":
            problem("unknown tag %r; tags are ;e ;h ;n ;a ;f" % phrase[-2:])
            text_part = phrase[:-2]
        if reading is not None and ";" in reading:
            problem("the tag goes on the phrase, not on the reading")
            reading = reading.split(";")[0]
        is_label = len(current) == 0
        check_phrase(text_part, tag, reading, is_label, morae_wanted, max_chars,
                     allow_break, problem)
        if not is_label:
            for other_number, other, _ in current[1:]:
                if particle_apart(bare(other), bare(phrase)):
                    problem("only a particle away from %s at line %d of the same group"
                            % (other, other_number))
                    break
        current.append((number, phrase, tag))

    last_line = len(lines)
    if len(groups) != group_count:
        problems.append("%s:%d: %d groups found, %d wanted (groups are separated by one empty line)"
                        % (name, last_line, len(groups), group_count))
    for index, group in enumerate(groups):
        drawable = len(group) - 1
        if drawable > MAX_DRAWABLE:
            problems.append("%s:%d: group %d has %d drawable phrases; the loader holds %d after the label"
                            % (name, group[MAX_DRAWABLE + 1][0], index + 1, drawable, MAX_DRAWABLE))
        elif drawable < MIN_DRAWABLE:
            problems.append("%s:%d: group %d has %d drawable phrases after its label; at least %d wanted"
                            % (name, group[0][0], index + 1, drawable, MIN_DRAWABLE))
        counts = tag_counts(group)
        for tag in TAG_ORDER:
            if counts[tag] < MIN_PER_TAG[tag]:
                problems.append("%s:%d: group %d has %d %s phrases; at least %d wanted"
                                % (name, group[0][0], index + 1, counts[tag], TAG_NAMES[tag],
                                   MIN_PER_TAG[tag]))
    return groups, problems


def tag_counts(group):
    counts = {tag: 0 for tag in TAG_ORDER}
    for _, _, tag in group[1:]:
        counts[tag] += 1
    return counts


def summary(group_name, group):
    counts = tag_counts(group)
    drawable = len(group) - 1
    parts = ["%s %d" % (TAG_NAMES[tag], counts[tag]) for tag in TAG_ORDER]
    return "  %-7s %3d phrases: %s" % (group_name, drawable, ", ".join(parts))


def duplicates(parsed):
    """Problems for every phrase that is already in the anthology once tags go."""
    problems = []
    first_seen = {}
    for source, groups in parsed:
        for group in groups:
            for number, phrase, _ in group[1:]:
                text = bare(phrase)
                if text in first_seen:
                    problems.append("%s:%d: %s is already at %s:%d (tags aside)"
                                    % (source, number, text, *first_seen[text]))
                else:
                    first_seen[text] = (source, number)
    return problems


def file_content(groups):
    blocks = ["\r\n".join(phrase for _, phrase, _ in group) for group in groups]
    return ("\r\n\r\n".join(blocks) + "\r\n").encode("cp932")


def main(arguments):
    parser = argparse.ArgumentParser(description="Builds the phrase files from their sources.")
    parser.add_argument("sources", nargs="*", metavar="SOURCE",
                        help="build only these (word5.txt, word7.txt, word12.txt)")
    parser.add_argument("--check", action="store_true",
                        help="write nothing; fail when a data file differs from its source")
    parser.add_argument("--source-dir", default=HERE)
    parser.add_argument("--data-dir", default=DATA)
    options = parser.parse_args(arguments)
    known = [entry[0] for entry in FILES]
    unknown = [name for name in options.sources if name not in known]
    if unknown:
        print("unknown source(s): %s; known: %s" % (" ".join(unknown), " ".join(known)),
              file=sys.stderr)
        return 1
    built = []
    problems = []
    parsed = []
    for source, target, names, morae, max_chars in FILES:
        path = os.path.join(options.source_dir, source)
        if not os.path.exists(path):
            if source in options.sources:
                problems.append("%s: not there" % source)
            continue
        groups, file_problems = parse(path, source, len(names), morae, max_chars,
                                      allow_break=(morae == 12))
        problems.extend(file_problems)
        parsed.append((source, groups))
        if not options.sources or source in options.sources:
            built.append((target, names, groups))
    problems.extend(duplicates(parsed))
    if not parsed:
        problems.append("no phrase sources found in %s" % options.source_dir)
    if options.check and not problems:
        for target, _, groups in built:
            path = os.path.join(options.data_dir, target)
            if not os.path.exists(path) or open(path, "rb").read() != file_content(groups):
                problems.append("%s: differs from its source; run make_phrase_files.py" % path)
    if problems:
        for message in problems:
            print(message, file=sys.stderr)
        print("%d problem(s); nothing written" % len(problems), file=sys.stderr)
        return 1
    if not options.check:
        os.makedirs(options.data_dir, exist_ok=True)
    for target, names, groups in built:
        if not options.check:
            with open(os.path.join(options.data_dir, target), "wb") as f:
                f.write(file_content(groups))
            print("%s written" % target)
        for name, group in zip(names, groups):
            print(summary(name, group))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
