#!/usr/bin/python3
"""Builds the phrase files the program reads (data/WORD5.TXT, data/WORD7.TXT,
data/WORD12.TXT) from the hand-edited sources beside this script.

Source layout (UTF-8):
  - one phrase per line: PHRASE<TAB>reading, the reading in hiragana or
    katakana only; it is used to count the morae and never reaches the data file;
  - a phrase may end with one tag: ;e (amorous), ;h spring, ;n summer,
    ;a autumn, ;f winter; the tag goes on the phrase, not on the reading;
  - groups are separated by exactly one empty line;
  - a line that starts with # is a comment;
  - the first phrase of every group is a label the composer never draws: it
    must be untagged, its reading may be left out and its morae are not counted.

Every problem is reported as file:line: message; if there is any, nothing is
written and the script exits with status 1. Otherwise each data file is written
in code page 932 with CR LF line ends, phrases only, groups separated by one
empty line, and a summary of every group is printed.

Usage: /usr/bin/python3 tools/phrases/make_phrase_files.py [SOURCE...]
With no SOURCE every source that exists is built; naming some (word5.txt,
word7.txt, word12.txt) checks and builds only those.
"""

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
MIN_DRAWABLE = 40
MAX_DRAWABLE = 100  # the loader holds 101 slots, slot 0 included

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
        if reading is not None and (";" in reading or BREAK in reading):
            problem("the tag and '@' go on the phrase, not on the reading")
            reading = reading.replace(BREAK, "").split(";")[0]
        is_label = len(current) == 0
        check_phrase(text_part, tag, reading, is_label, morae_wanted, max_chars,
                     allow_break, problem)
        for _, other, _ in current:
            if other == phrase:
                problem("the same phrase is already in this group")
                break
        current.append((number, phrase, tag))

    last_line = len(lines)
    if len(groups) != group_count:
        problems.append("%s:%d: %d groups found, %d wanted (groups are separated by one empty line)"
                        % (name, last_line, len(groups), group_count))
    for index, group in enumerate(groups):
        drawable = len(group) - 1
        if not MIN_DRAWABLE <= drawable <= MAX_DRAWABLE:
            problems.append("%s:%d: group %d has %d drawable phrases after its label; %d to %d wanted"
                            % (name, group[0][0], index + 1, drawable, MIN_DRAWABLE, MAX_DRAWABLE))
    return groups, problems


def summary(group_name, group):
    counts = {tag: 0 for tag in TAG_ORDER}
    for _, _, tag in group[1:]:
        counts[tag] += 1
    drawable = len(group) - 1
    parts = ["%s %d" % (TAG_NAMES[tag], counts[tag]) for tag in TAG_ORDER]
    return "  %-7s %3d phrases: %s" % (group_name, drawable, ", ".join(parts))


def main(wanted):
    unknown = [name for name in wanted if name not in [entry[0] for entry in FILES]]
    if unknown:
        print("unknown source(s): %s; known: %s"
              % (" ".join(unknown), " ".join(entry[0] for entry in FILES)), file=sys.stderr)
        return 1
    built = []
    problems = []
    found = False
    for source, target, names, morae, max_chars in FILES:
        if wanted and source not in wanted:
            continue
        path = os.path.join(HERE, source)
        if not os.path.exists(path):
            print("%s: not there, %s left as it is" % (source, target))
            continue
        found = True
        groups, file_problems = parse(path, source, len(names), morae, max_chars,
                                      allow_break=(morae == 12))
        problems.extend(file_problems)
        built.append((source, target, names, groups))
    if problems:
        for message in problems:
            print(message, file=sys.stderr)
        print("%d problem(s); nothing written" % len(problems), file=sys.stderr)
        return 1
    if not found:
        print("no phrase sources found in %s" % HERE, file=sys.stderr)
        return 1
    os.makedirs(DATA, exist_ok=True)
    for source, target, names, groups in built:
        blocks = ["\r\n".join(phrase for _, phrase, _ in group) for group in groups]
        content = "\r\n\r\n".join(blocks) + "\r\n"
        with open(os.path.join(DATA, target), "wb") as f:
            f.write(content.encode("cp932"))
        print("%s -> data/%s" % (source, target))
        for name, group in zip(names, groups):
            print(summary(name, group))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
