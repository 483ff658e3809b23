#!/usr/bin/python3
"""A second count of the morae, independent of the readings in the sources:
MeCab with UniDic (Debian's mecab and unidic-mecab) reads every drawable phrase,
and each phrase whose pronunciation gives another number of morae than its
reading is listed for a look by hand. MeCab reads modern Japanese, so old
forms (てふ, けり after a noun, 逢ふ) are where it most often strays.

Usage: /usr/bin/python3 tools/phrases/check_morae_mecab.py
Exits 0 when every phrase agrees, 1 when some are listed, 2 when MeCab is missing.
"""

import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_phrase_files as phrases  # noqa: E402

DICTIONARY = "/var/lib/mecab/dic/unidic"
PRONUNCIATION = 9  # field of UniDic's feature list that holds the spoken form


def mecab_pronunciations(texts):
    """The spoken form of each text, in katakana, as MeCab with UniDic reads it."""
    result = subprocess.run(["mecab", "-d", DICTIONARY], input="\n".join(texts) + "\n",
                            capture_output=True, text=True, encoding="utf-8", check=True)
    spoken = []
    current = []
    for line in result.stdout.split("\n"):
        if line == "EOS":
            spoken.append("".join(current))
            current = []
        elif "\t" in line:
            surface, features = line.split("\t", 1)
            fields = features.split(",")
            # An unknown word carries no pronunciation: it stands as written.
            current.append(fields[PRONUNCIATION] if len(fields) > PRONUNCIATION
                           and fields[PRONUNCIATION] != "*" else surface)
    return spoken


def main():
    if shutil.which("mecab") is None or not os.path.isdir(DICTIONARY):
        print("needs mecab and unidic-mecab (apt-get install mecab unidic-mecab)", file=sys.stderr)
        return 2
    entries = []
    for source, _, names, morae, max_chars in phrases.FILES:
        groups, problems = phrases.parse(os.path.join(phrases.HERE, source), source, len(names),
                                         morae, max_chars, allow_break=(morae == 12))
        if problems:
            print("\n".join(problems), file=sys.stderr)
            return 1
        with open(os.path.join(phrases.HERE, source), encoding="utf-8") as f:
            lines = f.read().split("\n")
        for group in groups:
            for number, phrase, _ in group[1:]:
                reading = lines[number - 1].split("\t", 1)[1].strip(" ")
                entries.append((source, number, phrase, reading, morae))
    spoken = mecab_pronunciations([phrases.bare(phrase) for _, _, phrase, _, _ in entries])
    disagreements = 0
    for (source, number, phrase, reading, morae), pronunciation in zip(entries, spoken):
        counted, bad = phrases.count_morae(pronunciation)
        if bad or counted != morae:
            disagreements += 1
            print("%s:%d: %s  reading %s (%d)  MeCab %s (%s)"
                  % (source, number, phrase, reading, morae, pronunciation,
                     "not kana: " + "".join(bad) if bad else counted))
    print("%d phrases read, %d agree, %d differ" % (len(entries), len(entries) - disagreements,
                                                    disagreements))
    return 1 if disagreements else 0


if __name__ == "__main__":
    sys.exit(main())
