#!/usr/bin/env python3
"""Builds quotes.lst, the shipped quotation list, from Debian's fortunes data.

Source: the data files of the `fortunes` package (/usr/share/games/fortunes,
built against fortunes 1:1.99.1-7.3), never the offensive ones. Kept are the
entries attributed to authors who died before 1929, so the quotations are in
the public domain; 40 to 160 characters; plain ASCII; with the author's usual
name as the attribution. public-domain-authors.tsv (from the project's shared
data) maps attribution spellings to a name and a year of death.

Every quotation was read once as a player would; quotes-dropped.txt lists the
ones cut by hand (jokes that are not quotations, misattributions, lines that
need their context, anything not for a family game), one quotation per line.

The file format: ';' comment lines at the top, then pairs of lines (the
quotation, then its attribution), every line ended by CR LF. The game plays
the file in order, so a fixed seeded shuffle mixes the authors.

Usage: data/make-quotes.py [--candidates]   (writes data/quotes.lst, or lists
every candidate with its source on standard output for reading)
"""
import csv
import os
import random
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
FORTUNES = "/usr/share/games/fortunes"
AUTHORS = os.path.join(HERE, "..", "..", "shared", "data", "public-domain-authors.tsv")
DROPPED = os.path.join(HERE, "quotes-dropped.txt")
EXCLUDED_WORDS = os.path.join(HERE, "..", "..", "shared", "data", "exclude-words.txt")
OUTPUT = os.path.join(HERE, "quotes.lst")
SEED = 1929
MIN_LEN, MAX_LEN = 40, 160

# Words that keep a quotation out of a family game, beyond the excluded words.
UNSUITABLE = re.compile(
    r"\b(sex\w*|damn\w*|hell|bastard\w*|whore\w*|harlot\w*|prostitut\w*|adulter\w*|"
    r"rape\w*|naked|nude|breast\w*|bosom\w*|virgin\w*|mistress\w*|lust\w*|"
    r"kill\w*|murder\w*|suicide|drunk\w*|nigger\w*|negro\w*|jew\w*|savage\w*|"
    r"ass|arse|piss\w*|bitch\w*|god ?damn\w*)\b",
    re.IGNORECASE,
)


def load_authors(path):
    authors = []
    with open(path, encoding="utf-8") as f:
        for row in csv.reader(f, delimiter="\t"):
            if not row or row[0].startswith("#") or len(row) < 3:
                continue
            authors.append((re.compile(row[0], re.IGNORECASE), row[1], int(row[2])))
    return authors


def load_lines(path):
    if not os.path.exists(path):
        return set()
    with open(path, encoding="utf-8") as f:
        return {line.rstrip("\n") for line in f if line.strip() and not line.startswith("#")}


def fortune_files():
    for name in sorted(os.listdir(FORTUNES)):
        path = os.path.join(FORTUNES, name)
        if os.path.isfile(path) and "." not in name and name != "off":
            yield name, path


def entries(path):
    with open(path, "rb") as f:
        raw = f.read().decode("utf-8", errors="replace")
    for block in re.split(r"\n%\n", raw):
        block = block.strip("\n%")
        if block.strip():
            yield block


ATTRIBUTION = re.compile(r"^\s*--\s*(.+?)\s*$")


def split_entry(block):
    """The quotation text and its attribution, or None."""
    lines = block.split("\n")
    # The attribution is the last line that starts with "--"; it may run on
    # over the following indented lines.
    for i in range(len(lines) - 1, -1, -1):
        m = ATTRIBUTION.match(lines[i])
        if m:
            text_lines = lines[:i]
            attribution = " ".join([m.group(1)] + [l.strip() for l in lines[i + 1:]])
            break
    else:
        return None
    if not text_lines:
        return None
    text = " ".join(l.strip() for l in text_lines)
    text = re.sub(r"\s+", " ", text).strip()
    # Surrounding quotation marks are dropped; the whole line is a quotation.
    if len(text) > 1 and text[0] == '"' and text[-1] == '"' and text.count('"') == 2:
        text = text[1:-1].strip()
    return text, re.sub(r"\s+", " ", attribution)


def author_of(attribution, authors):
    for pattern, name, died in authors:
        if pattern.match(attribution):
            if name == "PROVERB":
                m = pattern.match(attribution)
                words = m.group(0).split()
                return words[0].capitalize() + " proverb", 0
            return name, died
    return None


def acceptable_text(text, excluded):
    if not (MIN_LEN <= len(text) <= MAX_LEN):
        return False
    if any(ord(c) < 32 or ord(c) > 126 for c in text):
        return False
    if text[0] in "/;*" or not re.search(r"[A-Za-z]", text):
        return False
    if "\b" in text or "_" in text or "`" in text or "\t" in text:
        return False
    # Dialogues and lists are not single quotations.
    if re.search(r"(^|\s)(Q|A):", text) or re.search(r"\(\d\)", text):
        return False
    if UNSUITABLE.search(text):
        return False
    words = set(re.findall(r"[a-z]+", text.lower()))
    return not (words & excluded)


def candidates():
    authors = load_authors(AUTHORS)
    excluded = {w for w in load_lines(EXCLUDED_WORDS) if len(w) > 2}
    seen = set()
    for source, path in fortune_files():
        for block in entries(path):
            parts = split_entry(block)
            if not parts:
                continue
            text, attribution = parts
            found = author_of(attribution, authors)
            if not found:
                continue
            name, died = found
            if died >= 1929:
                continue
            if not acceptable_text(text, excluded):
                continue
            key = re.sub(r"[^a-z]", "", text.lower())
            if key in seen:
                continue
            seen.add(key)
            yield text, name, source, attribution


def mix(pairs, seed):
    """A seeded shuffle in which an author does not come up again within the
    next few quotations when that can be helped."""
    rng = random.Random(seed)
    pool = list(pairs)
    rng.shuffle(pool)
    out = []
    while pool:
        recent = {a for _, a in out[-6:]}
        pick = next((i for i, (_, a) in enumerate(pool) if a not in recent), 0)
        out.append(pool.pop(pick))
    return out


def main():
    if "--candidates" in sys.argv:
        for text, name, source, attribution in candidates():
            print(f"{source}\t{name}\t{attribution}\t{text}")
        return
    dropped = load_lines(DROPPED)
    pairs = [(text, name) for text, name, _, _ in candidates() if text not in dropped]
    pairs = mix(sorted(pairs), SEED)
    lines = [
        "; Quotations for Glyphery, two lines each: the quotation, then who said it.",
        "; Taken from the fortune cookie files of Debian's fortunes package, keeping",
        "; only authors who died before 1929, so every quotation is in the public domain.",
        "; Lines starting with ';', '/' or '*' are comments.",
    ]
    for text, name in pairs:
        lines += [text, name]
    with open(OUTPUT + ".tmp", "w", encoding="ascii", newline="") as f:
        f.write("".join(line + "\r\n" for line in lines))
    os.replace(OUTPUT + ".tmp", OUTPUT)
    authors = {name for _, name in pairs}
    print(f"quotes.lst: {len(pairs)} quotations by {len(authors)} authors")


if __name__ == "__main__":
    main()
