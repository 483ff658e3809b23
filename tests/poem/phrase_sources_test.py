#!/usr/bin/python3
"""The phrase-file generator: the shipped sources give the shipped files, every
reading gives its morae, and each kind of bad source is refused at its line."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SOURCES = os.path.join(ROOT, "tools", "phrases")
GENERATOR = os.path.join(SOURCES, "make_phrase_files.py")


def run(*arguments):
    return subprocess.run([sys.executable, GENERATOR, *arguments], capture_output=True,
                          text=True, encoding="utf-8")


def line_of(lines, text):
    """The 1-based number of the line that starts with text."""
    return next(i for i, line in enumerate(lines, 1) if line.startswith(text))


class ShippedSources(unittest.TestCase):
    def test_give_the_shipped_files(self):
        # Covers every reading: a phrase whose reading misses its morae fails here.
        result = run("--check")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stdout.count("\n"), 9, result.stdout)


class BadSources(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.mkdtemp()
        self.sources = os.path.join(self.work, "src")
        self.data = os.path.join(self.work, "data")
        os.makedirs(self.sources)
        for name in ("word5.txt", "word7.txt", "word12.txt"):
            shutil.copy(os.path.join(SOURCES, name), self.sources)

    def tearDown(self):
        shutil.rmtree(self.work)

    def lines(self, name):
        with open(os.path.join(self.sources, name), encoding="utf-8") as f:
            return f.read().split("\n")

    def write(self, name, lines):
        with open(os.path.join(self.sources, name), "w", encoding="utf-8") as f:
            f.write("\n".join(lines))

    def insert_after(self, name, anchor, *new_lines):
        """Puts new_lines after the line starting with anchor; returns the first new line's number."""
        lines = self.lines(name)
        at = line_of(lines, anchor)
        self.write(name, lines[:at] + list(new_lines) + lines[at:])
        return at + 1

    def replace(self, name, start, new_line):
        lines = self.lines(name)
        at = line_of(lines, start)
        lines[at - 1] = new_line
        self.write(name, lines)
        return at

    def refused(self, name, number, expected):
        """The generator stops, writes nothing and names file and line with the fault."""
        result = run("--source-dir", self.sources, "--data-dir", self.data)
        self.assertEqual(result.returncode, 1, result.stdout)
        at = "%s:%d: " % (name, number)
        self.assertTrue(any(line.startswith(at) and expected in line
                            for line in result.stderr.splitlines()),
                        "%r with %r wanted in:\n%s" % (at, expected, result.stderr))
        self.assertFalse(os.path.exists(self.data), "nothing may be written")

    def test_sound_copy_is_written_as_cp932_with_crlf(self):
        result = run("--source-dir", self.sources, "--data-dir", self.data)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(os.path.join(self.data, "WORD7.TXT"), "rb") as f:
            content = f.read()
        self.assertEqual(content.count(b"\n"), content.count(b"\r\n"))
        self.assertIn("税ぞ悲しき\r\n".encode("cp932"), content)

    def test_refusals_name_the_line(self):
        cases = [
            ("reading short of its morae", "word5.txt",
             lambda: self.replace("word5.txt", "あしびきの\t", "あしびきの\tあしびき"),
             "has 4 morae, not 5"),
            ("twelve morae wanted", "word12.txt",
             lambda: self.replace("word12.txt", "体重計の@電池抜く\t",
                                  "体重計の@電池抜く\tたいじゅうけいの@でんち"),
             "has 10 morae, not 12"),
            ("break away from the seven-five seam", "word12.txt",
             lambda: self.replace("word12.txt", "有給は@夢のまた夢\t",
                                  "有給は@夢のまた夢\tゆうきゅうはゆ@めのまたゆめ"),
             "breaks into 6 and 6 morae"),
            ("reading without the break", "word12.txt",
             lambda: self.replace("word12.txt", "有給は@夢のまた夢\t",
                                  "有給は@夢のまた夢\tゆうきゅうはゆめのまたゆめ"),
             "'@' stands in the reading where it stands"),
            ("not in code page 932", "word7.txt",
             lambda: self.replace("word7.txt", "終電めざし\t", "\U00020bb7野家めざし\tよしのやめざし"),
             "does not exist in code page 932"),
            ("the same phrase in another group, tag aside", "word5.txt",
             lambda: self.insert_after("word5.txt", "冬来たり;f", "あしびきの;f\tあしびきの"),
             "あしびきの is already at word5.txt:7"),
            ("a particle away in one group", "word5.txt",
             lambda: self.insert_after("word5.txt", "鍋奉行;f", "春の夜は;h\tはるのよは"),
             "only a particle away from 春の夜の;h"),
            ("a particle left out in one group", "word7.txt",
             lambda: self.insert_after("word7.txt", "年は暮れけり;f", "年暮れけり;f\tとしくれけり"),
             "only a particle away from 年は暮れけり;f"),
        ]
        for what, name, mutate, expected in cases:
            with self.subTest(what):
                for source in ("word5.txt", "word7.txt", "word12.txt"):
                    shutil.copy(os.path.join(SOURCES, source), self.sources)
                self.refused(name, mutate(), expected)

    def test_group_over_one_hundred(self):
        lines = self.lines("word5.txt")
        label = line_of(lines, "（初句の一）")
        last = lines.index("", label)  # the group's last line, before its empty line
        drawable = sum(1 for line in lines[label:last] if not line.startswith("#"))
        extra = ["満腹%s\tまんぷく%s" % (kana, kana) for kana in "さしすせそたちつ"]
        extra = extra[:102 - drawable]  # two more than the group holds
        self.write("word5.txt", lines[:last] + extra + lines[last:])
        # The 101st drawable phrase is the first that has no slot.
        self.refused("word5.txt", last + 1 + 100 - drawable,
                     "group 1 has 102 drawable phrases; the loader holds 100")

    def test_too_few_of_a_season(self):
        lines = self.lines("word5.txt")
        at = line_of(lines, "鍋奉行;f")
        self.write("word5.txt", lines[:at - 1] + lines[at:])
        self.refused("word5.txt", line_of(lines, "（初句の一）"),
                     "group 1 has 7 winter phrases; at least 8 wanted")


if __name__ == "__main__":
    unittest.main()
