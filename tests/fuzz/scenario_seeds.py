#!/usr/bin/env python3
"""Writes seed sessions for the scenario fuzzer: the walks of a meeting a user takes, spelled
in the bytes tests/fuzz/ScenarioSteps.cpp reads, so that the fuzzer starts from whole
meetings rather than from scattered clicks.

    tests/fuzz/scenario_seeds.py OUTDIR
"""
import pathlib
import re
import sys

HERE = pathlib.Path(__file__).resolve().parent
SOURCE = (HERE / "ScenarioSteps.cpp").read_text(encoding="utf-8")
COMMANDS = re.findall(r'\{"(\w+)", &TMainForm::\w+Click', SOURCE)
FIELDS = re.findall(r'"(Edit\d+)"', SOURCE[SOURCE.index("kFields[]"):SOURCE.index("kLists[]")])
TEXTS_START = SOURCE.index("static const QStringList texts{")
TEXTS = re.findall(r'(QString\(\)|u"(?:[^"\\]|\\.)*"_s)', SOURCE[TEXTS_START:SOURCE.index("};", TEXTS_START)])
DATA = sorted(p.name for p in (HERE.parent / "data").glob("*.txt"))


def word(n):
    return bytes([n >> 8 & 0xFF, n & 0xFF])


def cmd(name):
    return bytes([0]) + word(COMMANDS.index(name))


def list_click(row):
    return bytes([3]) + word(row)


def panel(party, y=4):
    return bytes([4]) + word(party - 1) + word(y)


def table_click(x, y):
    return bytes([5]) + word(x) + word(y)


def type_text(field, text):
    literal = 'u"%s"_s' % text if text else "QString()"
    return bytes([6]) + word(FIELDS.index(field)) + word(TEXTS.index(literal))


def enter(field):
    return bytes([7]) + word(FIELDS.index(field)) + bytes([0])


def answers(*yes):
    return bytes([9, len(yes)]) + bytes(0 if a else 1 for a in yes)


def open_test_file(name):
    return bytes([10, 2]) + word(DATA.index(name))


def save_file():
    return bytes([10, 0])


def entry(one, two, total):
    return (type_text("Edit3", one) + enter("Edit3") + type_text("Edit4", two) + enter("Edit4") +
            type_text("Edit5", total) + enter("Edit5"))


SEEDS = {
    # A whole meeting opened, divided again (asked first), scored, saved and opened again.
    "full-meeting": open_test_file("write-full-300.txt") + cmd("N3") + answers(True) + cmd("Button1") +
    cmd("Button10") + cmd("Label54") + cmd("Label44") + table_click(300, 120) + entry("2", "1", "40") +
    entry("0", "0", "899") + cmd("Label60") + save_file() + cmd("N7") + save_file() + cmd("N3"),
    # Members registered, marked to play, divided automatically, then the tables.
    "register-and-divide": cmd("Label40") + cmd("Label3") + b"".join(
        type_text("Edit2", "緑会") + type_text("Edit1", name) + cmd("Button6")
        for name in ("山田", "山田　花子", "x", "1", "2", "4")) + cmd("Label42") + cmd("N9") + cmd("Button1") +
    cmd("Button10") + cmd("Label64") + cmd("Label53") + cmd("Label44") + cmd("Label43") + cmd("Label56") +
    save_file() + cmd("N7"),
    # A division by hand: paste members into parties and take one back.
    "by-hand": open_test_file("sample-120.txt") + cmd("N3") + cmd("N9") + cmd("Button4") + cmd("Label44") +
    cmd("Label78") + list_click(0) + panel(1) + list_click(1) + panel(1) + cmd("Label79") + panel(1) +
    cmd("Button9") + save_file() + cmd("N7"),
    # Every question that discards answered いいえ, then はい.
    "questions": open_test_file("write-hand-made.txt") + cmd("N3") + b"".join(
        answers(yes) + cmd(c) for yes in (False, True) for c in ("N18", "N16", "Button2", "Label40")),
    # Hostile texts typed into every field and a file with bytes changed.
    "hostile-typing": cmd("Label40") + cmd("Label3") + b"".join(
        type_text("Edit1", t) + type_text("Edit2", "緑会") + cmd("Button6")
        for t in ("山田,花子", "\\\"山田", "山 田", "$田", "=1+1", "a\\tb", "〜", "😀")) +
    bytes([10, 1, 3, 0, 0, 40, 0, 0]) + cmd("N3") + save_file() + cmd("N7"),
}


def main():
    out = pathlib.Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    for name, steps in SEEDS.items():
        (out / ("seed-" + name)).write_bytes(steps)


if __name__ == "__main__":
    main()
