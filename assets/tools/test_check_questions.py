# SPDX-License-Identifier: MIT
"""Tests for check_questions: run with  python3 -m unittest discover assets/tools"""

import unittest
from pathlib import Path

import check_questions

GOOD = """\
; a comment
# another comment
[Overzicht]
Aantal=2

[1]
Vraag=How many legs does a spider have?
Juist=Eight
Fouta=Six
Foutb=Ten

[2]
Vraag=Which gas do plants take in from the air?
Juist=Carbon dioxide
Fouta=Helium
Foutb=Neon
"""


def problems_of(text):
    data = text if isinstance(text, bytes) else text.encode("utf-8")
    return [message for _, message in check_questions.check(data)[1]]


class AcceptsWellFormedBanks(unittest.TestCase):
    def test_two_questions_pass(self):
        self.assertEqual(check_questions.check(GOOD.encode()), (2, []))

    def test_names_are_matched_without_case(self):
        text = GOOD.replace("[Overzicht]", "[OVERZICHT]").replace("Aantal", "aantal").replace("Vraag", "VRAAG")
        self.assertEqual(problems_of(text), [])

    def test_crlf_line_ends_and_blanks_around_values_are_fine(self):
        self.assertEqual(problems_of(GOOD.replace("=Eight", "=  Eight  ").replace("\n", "\r\n")), [])

    def test_hexadecimal_count_is_read_like_the_game(self):
        self.assertEqual(problems_of(GOOD.replace("Aantal=2", "Aantal=$02")), [])

    def test_shipped_bank_passes(self):
        data = (Path(__file__).resolve().parent.parent / "vragen.ini").read_bytes()
        count, problems = check_questions.check(data)
        self.assertEqual(problems, [])
        self.assertGreaterEqual(count, 210)


class ReportsEachKindOfProblem(unittest.TestCase):
    CASES = [
        ("count larger than the sections", GOOD.replace("Aantal=2", "Aantal=3"), "missing: 3"),
        ("count smaller than the sections", GOOD.replace("Aantal=2", "Aantal=1"), "never asked because Aantal is 1"),
        ("count with a word after it", GOOD.replace("Aantal=2", "Aantal=2 questions"), "not a whole number"),
        ("count missing", GOOD.replace("Aantal=2\n", ""), "has no Aantal"),
        ("overview missing", GOOD.replace("[Overzicht]\nAantal=2\n", ""), "[Overzicht] is missing"),
        ("leading zero", GOOD.replace("[2]", "[02]"), "[02] is never asked"),
        ("key missing", GOOD.replace("Foutb=Neon\n", ""), "[2] has no Foutb"),
        ("key misspelt", GOOD.replace("Foutb=Neon", "Fout2=Neon"), "unknown key Fout2"),
        ("empty answer", GOOD.replace("Juist=Eight", "Juist="), "Juist in [1] is empty"),
        ("blank answer in quotes", GOOD.replace("Juist=Eight", "Juist=\"  \""), "Juist in [1] is empty"),
        ("same answer twice", GOOD.replace("Foutb=Ten", "Foutb= SIX "), "Foutb in [1] is the same answer as Fouta"),
        ("same answer once quoted", GOOD.replace("=Six", "='eight'"), "Fouta in [1] is the same answer as Juist"),
        ("question too long", GOOD.replace("How many legs", "x" * 130 + " How many legs"), "at most 140 fit"),
        ("answer too long", GOOD.replace("=Helium", "=" + "h" * 39), "at most 38 fit"),
        ("ampersand", GOOD.replace("=Carbon dioxide", "=Salt & pepper"), "contains \"&\""),
        ("duplicate key", GOOD.replace("Juist=Eight", "Juist=Eight\nJuist=Nine"), "key Juist appears twice"),
        ("duplicate section", GOOD + "\n[1]\nVraag=Again?\n", "section [1] appears twice"),
        ("stray line", GOOD.replace("Fouta=Six", "Fouta Six"), "not a [section]"),
    ]

    def test_each_fault_gives_its_message(self):
        for name, text, expected in self.CASES:
            with self.subTest(name):
                problems = problems_of(text)
                self.assertTrue(any(expected in p for p in problems), problems)

    def test_windows_1252_bytes_are_not_utf8(self):
        problems = problems_of(GOOD.replace("Neon", "Ne\u00f3n").encode("cp1252"))
        self.assertIn("not valid UTF-8", problems[0])

    def test_byte_order_mark_is_skipped_as_the_game_does(self):
        self.assertEqual(problems_of(b"\xef\xbb\xbf" + GOOD.encode()), [])


class IntegerText(unittest.TestCase):
    def test_conversions(self):
        table = [("10", 10), ("+7", 7), ("-3", -3), ("$0A", 10), ("0x0A", 10), ("X1f", 31),
                 ("FFFFFFFF", None), ("$FFFFFFFF", -1), ("2147483648", None), ("", None),
                 ("-", None), ("-$1", None), ("10 questions", None), ("1 ", None)]
        for text, expected in table:
            with self.subTest(text=text):
                self.assertEqual(check_questions.integer_text(text), expected)


if __name__ == "__main__":
    unittest.main()
