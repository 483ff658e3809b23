#!/usr/bin/python3
"""How often a run of poems shows a phrase it has already shown: for each of the
ten settings, COUNT poems from `gieicho-words poems --seed SEED`, and the number
of phrases among them that an earlier poem of the same run already showed.

Usage: /usr/bin/python3 tools/phrases/count_repeats.py GIEICHO_WORDS [DATA_DIR] [--count N] [--seed S]
"""

import argparse
import re
import subprocess
import sys

SEASONS = ["指定無し", "春", "夏", "秋", "冬"]
# Phrases are printed one space apart; the twelve-mora phrase holds two spaces.
PHRASE_GAP = re.compile(r"(?<! ) (?! )")


def repeats(tool, data, season, night, count, seed):
    command = [tool, "poems", "--season", str(season), "--count", str(count), "--seed", str(seed)]
    if night:
        command.append("--night")
    poems = subprocess.run(command + [data], capture_output=True, text=True, encoding="utf-8",
                           check=True).stdout.splitlines()
    seen = set()
    shown = repeated = 0
    for poem in poems:
        for phrase in PHRASE_GAP.split(poem):
            shown += 1
            repeated += phrase in seen
            seen.add(phrase)
    return repeated, shown


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("tool")
    parser.add_argument("data", nargs="?", default="data")
    parser.add_argument("--count", type=int, default=50)
    parser.add_argument("--seed", type=int, default=23)
    options = parser.parse_args()
    total = 0
    for night in (False, True):
        for season in range(5):
            repeated, shown = repeats(options.tool, options.data, season, night, options.count,
                                      options.seed)
            total += repeated
            print("%s・%s: %d of %d shown again" % (SEASONS[season], "夜" if night else "朝",
                                                   repeated, shown))
    print("all ten settings: %d" % total)
    return 0


if __name__ == "__main__":
    sys.exit(main())
