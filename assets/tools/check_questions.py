#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Check a question bank (vragen.ini) before it goes beside the game.

Usage: check_questions.py [FILE]    (default: the vragen.ini in assets/)

Prints one line per problem and exits with 1 if there is any, 2 if the
file cannot be read, 0 if every question is fit to be shown.
"""

import re
import sys
from pathlib import Path

QUESTION_KEY = "vraag"
ANSWER_KEYS = ("juist", "fouta", "foutb")
QUESTION_KEYS = (QUESTION_KEY,) + ANSWER_KEYS
# The question label holds about 150 characters and an answer button about
# 40 at the game's font; the limits leave a little room for wide letters.
MAX_QUESTION_CHARS = 140
MAX_ANSWER_CHARS = 38
PLAIN_NUMBER = re.compile(r"[1-9][0-9]*")
NUMBER_LIKE = re.compile(r"\s*[+-]?[0-9]+\s*")


class Entry:
    def __init__(self, name, value, line):
        self.name = name
        self.value = value
        self.line = line


class Section:
    def __init__(self, name, line):
        self.name = name
        self.line = line
        self.entries = {}


def unquote(value):
    """Removes one pair of matching quotes, as the game's reader does."""
    if len(value) >= 2 and value[0] == value[-1] and value[0] in "\"'":
        return value[1:-1]
    return value


def parse(text, problems):
    """Splits the text into sections of entries, keyed by lower-case name.

    The game keeps to the first of two sections or keys with one name, and
    skips lines it does not understand; both are almost always slips of the
    author, so they are reported here.
    """
    sections = {}
    current = None
    for number, raw in enumerate(text.splitlines(), 1):
        line = raw.strip()
        if not line or line[0] in ";#":
            continue
        if line.startswith("[") and line.endswith("]"):
            name = line[1:-1].strip()
            key = name.lower()
            if key in sections:
                problems.append((number, f"section [{name}] appears twice; "
                                         f"the game reads only the first one (line {sections[key].line})"))
                current = Section(name, number)  # collect it, but keep it apart
            else:
                current = sections[key] = Section(name, number)
            continue
        if "=" not in line:
            problems.append((number, f"not a [section], a key=value line or a comment: {line!r}"))
            continue
        if current is None:
            problems.append((number, "an entry before the first [section] is never read"))
            continue
        name, value = line.split("=", 1)
        name = name.strip()
        key = name.lower()
        if key in current.entries:
            problems.append((number, f"key {name} appears twice in [{current.name}]; "
                                     f"the game reads only the first one (line {current.entries[key].line})"))
            continue
        current.entries[key] = Entry(name, unquote(value.strip()), number)
    return sections


def integer_text(text):
    """Converts a count the way the game does, or returns None.

    Decimal with an optional sign, or hexadecimal after "$", "x" or "0x";
    the value must fit in 32 bits.
    """
    text = text.lstrip(" ")
    decimal = re.fullmatch(r"[+-]?[0-9]+", text)
    if decimal:
        value = int(text)
        return value if -2**31 <= value < 2**31 else None
    hexadecimal = re.fullmatch(r"(?:\$|0[xX]|[xX])([0-9a-fA-F]+)", text)
    if hexadecimal:
        value = int(hexadecimal.group(1), 16)
        if value >= 2**32:
            return None
        return value - 2**32 if value >= 2**31 else value
    return None


def check_count(sections, problems):
    """Returns the number of questions Aantal promises, or None."""
    overview = sections.get("overzicht")
    if overview is None:
        problems.append((0, "the section [Overzicht] is missing, so the game always shows question 1"))
        return None
    entry = overview.entries.get("aantal")
    if entry is None:
        problems.append((overview.line, "[Overzicht] has no Aantal, so the game always shows question 1"))
        return None
    count = integer_text(entry.value)
    if count is None:
        problems.append((entry.line, f"Aantal={entry.value} is not a whole number, "
                                     "so the game always shows question 1"))
        return None
    if count < 1:
        problems.append((entry.line, f"Aantal must be at least 1, not {count}"))
        return None
    return count


def check_numbering(sections, count, problems):
    numbered = {}
    for section in sections.values():
        if PLAIN_NUMBER.fullmatch(section.name):
            numbered[int(section.name)] = section
        elif NUMBER_LIKE.fullmatch(section.name):
            plain = str(int(section.name)) if int(section.name) > 0 else "1"
            problems.append((section.line, f"section [{section.name}] is never asked: "
                                           f"write plain numbers such as [{plain}]"))
    if count is None:
        return [numbered[n] for n in sorted(numbered)]
    missing = [n for n in range(1, count + 1) if n not in numbered]
    if missing:
        shown = ", ".join(str(n) for n in missing[:10]) + (" ..." if len(missing) > 10 else "")
        problems.append((0, f"Aantal is {count} but these questions are missing: {shown} "
                            "(the game would show empty questions)"))
    for n in sorted(numbered):
        if n > count:
            problems.append((numbered[n].line, f"question [{n}] is never asked because Aantal is {count}"))
    return [numbered[n] for n in range(1, count + 1) if n in numbered]


def check_question(section, problems):
    for key, entry in section.entries.items():
        if key not in QUESTION_KEYS:
            problems.append((entry.line, f"unknown key {entry.name} in [{section.name}]; "
                                         "the keys are Vraag, Juist, Fouta and Foutb"))
    for key in QUESTION_KEYS:
        entry = section.entries.get(key)
        label = key.capitalize()
        if entry is None:
            problems.append((section.line, f"[{section.name}] has no {label}"))
            continue
        if not entry.value.strip():
            problems.append((entry.line, f"{label} in [{section.name}] is empty"))
            continue
        limit = MAX_QUESTION_CHARS if key == QUESTION_KEY else MAX_ANSWER_CHARS
        if len(entry.value) > limit:
            problems.append((entry.line, f"{label} in [{section.name}] has {len(entry.value)} characters; "
                                         f"at most {limit} fit on screen"))
        if "&" in entry.value:
            problems.append((entry.line, f"{label} in [{section.name}] contains \"&\", which the game "
                                         "shows as an underlined letter; write \"and\" instead"))
    seen = {}
    for key in ANSWER_KEYS:
        entry = section.entries.get(key)
        if entry is None or not entry.value.strip():
            continue
        folded = entry.value.strip().casefold()
        if folded in seen:
            problems.append((entry.line, f"{key.capitalize()} in [{section.name}] is the same answer "
                                         f"as {seen[folded].capitalize()}"))
        else:
            seen[folded] = key


def decode(data, problems):
    """Returns the text, or None when the bytes are not UTF-8."""
    # Editors that save "UTF-8" with a byte-order mark are common; the game
    # skips the mark, so it is no problem here either.
    if data.startswith(b"\xef\xbb\xbf"):
        data = data[3:]
    try:
        return data.decode("utf-8")
    except UnicodeDecodeError as error:
        line = data[:error.start].count(b"\n") + 1
        problems.append((line, f"not valid UTF-8 (byte 0x{data[error.start]:02X}), so the game "
                                "reads the whole file as Windows-1252; save it as UTF-8"))
        return None


def check(data):
    """Returns (number of questions checked, list of (line, message))."""
    problems = []
    text = decode(data, problems)
    if text is None:
        return 0, problems
    sections = parse(text, problems)
    count = check_count(sections, problems)
    questions = check_numbering(sections, count, problems)
    for section in questions:
        check_question(section, problems)
    return len(questions), problems


def main(argv):
    if len(argv) > 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    path = Path(argv[1]) if len(argv) == 2 else Path(__file__).resolve().parent.parent / "vragen.ini"
    try:
        data = path.read_bytes()
    except OSError as error:
        print(f"{path}: cannot read: {error.strerror}", file=sys.stderr)
        return 2
    count, problems = check(data)
    for line, message in sorted(problems, key=lambda p: p[0]):
        where = f"{path}:{line}" if line else str(path)
        print(f"{where}: {message}", file=sys.stderr)
    if problems:
        print(f"{path}: {len(problems)} problem(s) found", file=sys.stderr)
        return 1
    print(f"{path}: {count} questions, all fine")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
