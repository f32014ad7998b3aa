#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets: real files and the nasty
cases (no CR LF, LF only, zero bytes, lines of 1,023, 1,024 and 100,000
bytes, 8-bit bytes, a block boundary between CR and LF, empty files; stores
that are broken, foreign or hold odd values). Run from anywhere; the seeds
are committed, so this only needs running when a case is added."""
import os
import sqlite3
import struct
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)


def put(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def word_lists():
    with open(os.path.join(ROOT, "data", "words.lst"), "rb") as f:
        real = f.read().split(b"\r\n")
    sample = real[:150] + real[50000:50100] + real[-50:]
    put("wordlist", "real-sample", b"".join(w + b"\r\n" for w in sample if w))
    put("wordlist", "empty", b"")
    put("wordlist", "lf-only", b"cat\ndog\nbird\n")
    put("wordlist", "cr-only", b"cat\rdog\rbird\r")
    put("wordlist", "no-line-ends", b"catdogbird")
    put("wordlist", "last-line-unterminated", b"apple\r\nbanana\r\ncherry")
    put("wordlist", "zero-bytes", b"ca\x00t\r\n\x00dog\r\n\x00\r\nbi\x00rd\x00\r\n")
    put("wordlist", "line-1023", b"a" * 1023 + b"\r\nzebra\r\n")
    put("wordlist", "line-1024", b"b" * 1024 + b"\r\nzebra\r\n")
    put("wordlist", "line-100000", b"cow\r\n" + b"c" * 100000 + b"\r\nzebra\r\n")
    put("wordlist", "trailing-blanks", b"cla \nglorp\t\nzebra \t \n")
    put("wordlist", "unsorted-lf", b"zebra\nglorp\naardvark\nGlorp\nglorp\n")
    put("wordlist", "utf8", "caf\u00e9\nna\u00efve\n\u00dcber\nglorp\n".encode("utf-8"))
    put("wordlist", "eight-bit", b"\xe9t\xe9\r\ncaf\xe9\r\n\xff\xfe\r\nna\xefve\r\n\x80\r\n")
    # CR as the last byte of one 1,024-byte block and LF as the first of the next.
    head = b"".join(b"word%03d\r\n" % i for i in range(113))  # 113 * 9 = 1017 bytes
    block = head + b"abcdef"  # 1023 bytes
    put("wordlist", "cr-lf-across-block", block + b"\r\nnext\r\n")
    big = b"".join(b"w%07d\r\n" % i for i in range(6553))  # 65530 bytes
    put("wordlist", "cr-lf-across-64k", big + b"abcde\r\nlast\r\n")
    put("wordlist", "marks-and-blanks", b"o'clock\r\n  \r\nice cream\r\n-x\r\nwell-known\r\n'tis\r\n b\r\n")
    put("wordlist", "not-letters", b"1abc\r\n\r\n\r\n.\r\n_under\r\nok\r\n")
    put("wordlist", "unsorted-mixed-case", b"Zulu\r\nalpha\r\nALPHA\r\nmike\r\nalpha\r\nbravo\r\nAlpha\r\n")
    put("wordlist", "lf-cr", b"cat\n\rdog\n\r")
    put("wordlist", "long-words", b"".join((c * n) + b"\r\n" for c, n in ((b"q", 20), (b"r", 21), (b"s", 22), (b"t", 60))))


def make_store(rows, schema=None, table="reg_values"):
    fd, path = tempfile.mkstemp(suffix=".db")
    os.close(fd)
    os.unlink(path)
    db = sqlite3.connect(path)
    db.execute(schema or "CREATE TABLE reg_values(key TEXT NOT NULL COLLATE NOCASE, name TEXT NOT NULL COLLATE NOCASE,"
                         " type INTEGER NOT NULL, dword INTEGER, text TEXT, PRIMARY KEY(key, name)) WITHOUT ROWID")
    for row in rows:
        db.execute("INSERT INTO %s VALUES(%s)" % (table, ",".join("?" * len(row))), row)
    db.commit()
    db.close()
    with open(path, "rb") as f:
        data = f.read()
    os.unlink(path)
    return data


MAIN = "Software\\Quirkwood\\Glyphery"
GOLF = MAIN + "\\Golf"
SCORES = GOLF + "\\HighScores"


def stores():
    good = [(MAIN, "Sound", 4, 1, None), (MAIN, "CurrentGame", 4, 5, None), (MAIN, "Width", 4, 800, None),
            (GOLF, "GamesPlayed", 4, 12, None), (GOLF, "AverageScore", 4, 140, None), (GOLF, "BestScore", 4, 400, None)]
    for r in range(10):
        good.append((SCORES, "Name%d" % r, 1, None, "Player %d" % r))
        good.append((SCORES, "Score%d" % r, 1, None, str(1000 - 50 * r)))
    put("store", "raw-good", b"\x00" + make_store(good))
    odd = [(MAIN, "Sound", 4, 2**40, None), (MAIN, "Width", 4, -2**31, None), (MAIN, "Height", 1, None, "480"),
           (MAIN, "CurrentGame", 4, "text", None), (GOLF, "GamesPlayed", 4, 2**31 - 1, None),
           (GOLF, "AverageScore", 4, 2**31 - 1, None), (GOLF, "WorstScore", 4, -2**31, None),
           (GOLF, "BestScore", 4, 1.5e300, None), (SCORES, "Score9", 1, None, "99999999999999999999"),
           (SCORES, "Score0", 1, None, "-99999999999999999999"), (SCORES, "Name0", 1, None, "x" * 300),
           (SCORES, "Name1", 1, None, b"\xff\xfe\x00bad".decode("latin-1")), (SCORES, "Score1", 7, None, None),
           (SCORES, "Score2", 1, None, None), (SCORES, "Score3", 1, None, "12abc")]
    put("store", "raw-odd-values", b"\x00" + make_store(odd))
    put("store", "raw-foreign-schema", b"\x00" + make_store([(MAIN, "Sound")], "CREATE TABLE reg_values(key TEXT, name TEXT)"))
    put("store", "raw-other-table", b"\x00" + make_store([(1, 2)], "CREATE TABLE reg_values_old(a, b)", "reg_values_old"))
    put("store", "raw-empty", b"\x00")
    put("store", "raw-text", b"\x00this is not a database\n")
    put("store", "raw-header-only", b"\x00SQLite format 3\x00" + b"\x10\x00\x01\x01\x00\x40\x20\x20" + b"\x00" * 76)
    data = bytearray(make_store(good))
    data[200:260] = b"\xa5" * 60
    put("store", "raw-damaged-page", b"\x00" + bytes(data))
    # Rows described byte by byte (see BuildStore in FuzzChecks.h).
    def row(key, name, kind, form, text):
        return bytes([key, name, kind, form, len(text)]) + text
    put("store", "rows-numbers", b"\x01" + row(0, 0, 0, 0, b"\x7f\xff\xff\xff\xff\xff\xff\xff") +
        row(1, 5, 0, 1, b"\x7f\xff\xff\xff") + row(1, 8, 0, 1, b"\x7f\xff\xff\xff") + row(1, 10, 0, 1, b"\x80\x00\x00\x00"))
    put("store", "rows-strings", b"\x01" + row(2, 15, 4, 6, b"99999999999999999999") + row(2, 13, 4, 6, b"\x00\x00") +
        row(2, 12, 4, 12, b"\xff" * 200) + row(2, 16, 4, 18, b""))
    put("store", "rows-odd-keys", b"\x01" + row(250, 250, 0, 0, b"Software\\\\Quirkwood\\\\") + row(0, 4, 7, 5, b""))


def quote_lists():
    # For the quotation-file reader's target (CQuoteList).
    with open(os.path.join(ROOT, "data", "quotes.lst"), "rb") as f:
        real = f.read()
    put("quotelist", "real-sample", real[:3000].rsplit(b"\r\n", 1)[0] + b"\r\n")
    put("quotelist", "empty", b"")
    put("quotelist", "utf8-lf", "The first saying.\n\u00dcn\u00efcode \u00c4uthor\nSecond saying.\nTwo\n".encode("utf-8"))
    put("quotelist", "long-line-drops-its-pair",
        b"First.\r\nOne\r\n" + b"q" * 1280 + b"\r\n-- LongAuthor\r\nThird.\r\nThree\r\n")
    put("quotelist", "comments-only", b"; one\r\n/ two\r\n* three\r\n")
    put("quotelist", "no-letters", b"1234\r\n...\r\n\r\n")
    put("quotelist", "lf-only", b"A saying.\nSomebody\n")
    put("quotelist", "unterminated-attribution", b"First saying.\r\nOne\r\nSecond saying.\r\nTwo")
    put("quotelist", "comments-inside-a-pair", b"A saying.\r\n; between\r\n\r\nSomebody\r\n")
    put("quotelist", "zero-bytes", b"A sa\x00ying.\r\n\x00Somebody\r\n")
    put("quotelist", "line-1023", b"q" * 1023 + b"\r\nSomebody\r\n")
    put("quotelist", "line-1024", b"q" * 1024 + b"\r\nSomebody\r\n")
    put("quotelist", "line-100000", b"q " * 50000 + b"\r\nSomebody\r\n")
    put("quotelist", "eight-bit", b"Caf\xe9 na\xefve \xff\r\n\xc9mile\r\n")
    head = b"x" * 1022 + b"y"  # CR as the last byte of the first 1,024-byte block
    put("quotelist", "cr-lf-across-block", head + b"\r\nSomebody\r\nAnother one.\r\nElse\r\n")
    put("quotelist", "repeated-words", b"The cat and the hat and the bat.\r\nDr. Seuss-ish\r\n")
    # More than 64 words: the word set is searched by halving, byte for byte.
    many = b" ".join(b"W%c%c" % (97 + i % 26, 97 + i // 26) for i in range(80))
    put("quotelist", "over-64-words", b"London's well-known " + many + b" end.\r\nSomebody\r\n")
    put("quotelist", "apostrophe-first", b"'Tis the season; 'tis true.\r\nAnon\r\n")
    put("quotelist", "huge-line-count", b"Go.\r\nX\r\n" * 2000)


def hands():
    """Real hands of every game, saved by the driver after a few moves (when
    GLYPHERY_BUILD_DIR, build-test by default, has the driver), one cut short and an empty one."""
    import subprocess
    build = os.environ.get("GLYPHERY_BUILD_DIR", "build-test")
    drive = os.path.join(ROOT, build, "glyphery-drive")
    if not os.path.exists(drive):
        print(f"hands: {build}/glyphery-drive is not built; the hand seeds stay as they are")
        return
    listed = subprocess.run([os.path.join(ROOT, build, "glyphery_system_tests"), "--gtest_list_tests",
                             "--gtest_filter=Games/Soak.RandomInputKeepsEveryInvariant/*"],
                            capture_output=True, text=True).stdout
    ids = [line.split("/Game")[1].split()[0] for line in listed.splitlines() if "/Game" in line]
    folder = os.path.join(HERE, "corpus", "hand")
    os.makedirs(folder, exist_ok=True)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    for game in ids:
        if game == "0":
            continue
        script = (f"game {game} 1234\nclick 100 200\ndrag 150 300 300 150\ntype ate\nkey enter\n"
                  f"click 320 240\nsave {folder}/game{game}\n")
        subprocess.run([drive, "-"], input=script, text=True, env=env, capture_output=True)
    with open(os.path.join(folder, "game5"), "rb") as f:
        put("hand", "cut-short", f.read()[:20])
    put("hand", "empty", b"")


if __name__ == "__main__":
    word_lists()
    stores()
    quote_lists()
    hands()
