#!/usr/bin/env python3
"""Writes the meeting files of the data-file tests, independently of the program.

Each NAME.json describes a meeting (its stores); NAME.txt holds the exact bytes the
program must write for it (code page 932, every line ended by CR LF). Run it from this
folder after changing a meeting; the tests compare the program's writer and reader with
these files.
"""
import json
import random

MARKERS = ["$,KumiA", "$,KumiB", "$,KumiC", "$,KumiD", "$,GroupA", "$,GroupB", "$,GroupC",
           "$,DroupD", "$,TenA", "$,TenB", "$,TenC", "$,TenD", "$,Hyou"]
LETTERS = "ABCD"


def file_lines(m):
    lines = ["楓鈴"] + m["memberLines"]
    for g in range(4):
        lines += [MARKERS[g]] + m["kumiLines"][g]
    for g in range(4):
        lines += [MARKERS[4 + g]] + m["groupLists"][g]
    for g in range(4):
        lines += [MARKERS[8 + g]] + m["scoreLines"][g]
    lines += ["$,Hyou", "100" if m["origin"] > 99 else "0", m["tournamentName"], "グラウンドゴルフ",
              m["courseName"]]
    return lines


def save(name, m):
    with open(name + ".json", "w", encoding="utf-8") as f:
        json.dump(m, f, ensure_ascii=False, indent=1)
        f.write("\n")
    with open(name + ".txt", "wb") as f:
        f.write("".join(line + "\r\n" for line in file_lines(m)).encode("cp932"))


def empty_meeting():
    return {"memberLines": [], "kumiLines": [[], [], [], []], "groupLists": [[], [], [], []],
            "scoreLines": [[], [], [], []], "origin": 0, "tournamentName": "", "courseName": ""}


FAMILIES = ["山田", "佐藤", "鈴木", "高橋", "田中", "伊藤", "渡辺", "中村", "小林", "加藤"]
GIVEN = ["太郎", "花子", "一郎", "和子", "次郎", "幸子", "三郎", "節子"]
TEAMS = ["緑会", "さくらクラブ", "ひまわり会", "朝日グラウンドゴルフ同好会", "みどり会"]


def member(i, rng, registered):
    name = FAMILIES[i % 10] + GIVEN[(i // 10) % 8] + ("" if i < 80 else str(i))
    name = name[:7]
    team = TEAMS[i % 5][:9]
    sex = ("男" if i % 2 == 0 else "女") if registered else ("男性" if i % 2 == 0 else "女性")
    era = ["昭和", "昭和", "大正", "平成", "非表示"][i % 5]
    fields = [name, team, sex, era, str(rng.randint(1, 64)), str(rng.randint(1, 12)), str(rng.randint(1, 28)),
              "0" if registered else str(rng.randint(60, 95)), "on" if i % 3 else "off",
              ["off", "on", "a", "b", "c", "d"][i % 6] if i % 7 == 0 else "off", "off", ""]
    return ",".join(fields) + ("," if registered else "")


def full_meeting():
    """300 members, four groups of twelve parties of eight, a score in every slot."""
    rng = random.Random(20261207)
    m = empty_meeting()
    m["memberLines"] = [member(i, rng, registered=i % 4 == 0) for i in range(300)]
    for g in range(4):
        group = [m["memberLines"][(g * 96 + r) % 300] for r in range(96)]
        m["groupLists"][g] = group
        m["kumiLines"][g] = ["9," + ",".join(str(k * 8 + s) for s in range(8)) for k in range(12)]
        score_lines = []
        for k in range(12):
            line = LETTERS[g]
            for s in range(8):
                fields = group[k * 8 + s].split(",")
                entries = rng.randint(1, 3)
                line += ",%d,%d,%d,%d,%s,%s" % (entries, rng.randint(0, 8 * entries), rng.randint(0, 8 * entries),
                                                  rng.randint(20 * entries, 60 * entries), fields[0], fields[1])
            score_lines.append(line)
        m["scoreLines"][g] = score_lines
    m["origin"] = 100
    m["tournamentName"] = "市民グラウンドゴルフ大会"
    m["courseName"] = "桜が丘グラウンド"
    return m


def small_hand_made():
    """A combination made by hand: two groups, parties of six and of three, group B empty."""
    rng = random.Random(7)
    m = empty_meeting()
    m["memberLines"] = [member(i, rng, registered=True) for i in range(12)]
    m["kumiLines"][0] = ["7,0,2,4,6,8,10", "4,1,3,5"] + ["1"] * 10
    m["kumiLines"][2] = ["3,7,9"] + ["1"] * 11
    a = []
    for party in ([0, 2, 4, 6, 8, 10], [1, 3, 5]):
        line = "A"
        for s in range(8):
            if s < len(party):
                f = m["memberLines"][party[s]].split(",")
                line += ",1,%d,%d,%d,%s,%s" % (s, s + 1, 40 + s, f[0], f[1])
            else:
                line += ",#,0,0,0,"
        a.append(line)
    m["scoreLines"][0] = a
    f7 = m["memberLines"][7].split(",")
    f9 = m["memberLines"][9].split(",")
    m["scoreLines"][2] = ["C,2,3,5,88,%s,%s,0,0,0,0,%s,%s" % (f7[0], f7[1], f9[0], f9[1]) + ",#,0,0,0," * 6]
    m["origin"] = 0
    m["tournamentName"] = "なかよし会親睦大会"
    m["courseName"] = "市民グラウンド"
    return m


def older_file():
    """An older file as people keep them: a tag followed by more text, lines ended by a
    lone CR or a lone LF, group D's marker spelled otherwise, a member whose name begins
    with "$", group B without scores and scores in group C."""
    m = empty_meeting()
    m["memberLines"] = ["$山一郎,緑会,男,昭和,10,10,10,0,on,off,off,,",
                        "川村花子,さくらクラブ,女性,昭和,20,1,2,81,on,off,off,",
                        "森　次郎,緑会,男,非表示,1,1,1,70,on,a,off,,"]
    m["kumiLines"][0] = ["2,0"] + ["1"] * 11
    m["kumiLines"][2] = ["3,0,1"] + ["1"] * 11
    m["kumiLines"][3] = ["2,0"] + ["1"] * 11
    m["groupLists"][0] = [m["memberLines"][2]]
    m["groupLists"][2] = m["memberLines"][:2]
    m["groupLists"][3] = [m["memberLines"][1]]
    m["scoreLines"][0] = ["A,1,2,3,45,森　次郎,緑会" + ",#,0,0,0," * 7]
    m["scoreLines"][2] = ["C,2,4,6,90,$山一郎,緑会,1,0,1,50,川村花子,さくらクラブ" + ",#,0,0,0," * 6]
    m["scoreLines"][3] = ["D,1,1,1,41,川村花子,さくらクラブ" + ",#,0,0,0," * 7]
    m["origin"] = 100
    m["tournamentName"] = "秋季大会"
    m["courseName"] = "河川敷コース"
    with open("read-older-file.json", "w", encoding="utf-8") as f:
        json.dump(m, f, ensure_ascii=False, indent=1)
        f.write("\n")
    lines = file_lines(m)
    lines[0] = "楓鈴 Ver.1.0.4"
    lines[lines.index("$,DroupD")] = "$,GroupD"
    ends = ["\r\n", "\r", "\n"]
    text = "".join(line + ends[i % 3] for i, line in enumerate(lines[:-1])) + lines[-1]  # no end on the last line
    with open("read-older-file.txt", "wb") as f:
        f.write(text.encode("cp932"))


def sample_meeting():
    """The 120 sample members divided automatically into two groups, with scores in group A."""
    rng = random.Random(120)
    blocks = [("佐々木", "雄", "悠々友の会", "男性", 9, "5", "26"), ("斉藤", "子", "学園なかよし会", "女性", 11, "12", "3"),
              ("加藤", "男", "高石どんぐり会", "男性", 17, "5", "5"), ("吉永", "代", "すみれクラブ", "女性", 19, "8", "16"),
              ("野々村", "夫", "スポーツクラブ", "男性", 4, "8", "20"), ("横山", "美", "スポーツクラブ", "女性", 4, "8", "20")]
    m = empty_meeting()
    for family, given, team, sex, offset, month, day in blocks:
        for n in range(11, 31):
            m["memberLines"].append("%s%d%s,%s,%s,昭和,%d,%s,%s,%d,on,off,off," % (
                family, n, given, team, sex, n + offset, month, day, 2026 - 1925 - n - offset))
    order = list(range(120))
    rng.shuffle(order)
    for g in range(2):
        m["groupLists"][g] = [m["memberLines"][i] for i in order[g * 60:(g + 1) * 60]]
        m["kumiLines"][g] = ["6," + ",".join(str(k * 5 + s) for s in range(5)) for k in range(12)]
    lines = []
    for k in range(12):
        line = "A"
        for s in range(8):
            if s < 5:
                f = m["groupLists"][0][k * 5 + s].split(",")
                r = rng.randint(0, 32767)
                line += ",1,%d,%d,%d,%s,%s" % (r % 10, (r + 2) % 20, (r + 2) % 90 + 20, f[0], f[1])
            else:
                line += ",#,0,0,0,"
        lines.append(line)
    m["scoreLines"][0] = lines
    m["origin"] = 100
    m["tournamentName"] = "なかよし会親睦大会"
    m["courseName"] = "桜が丘グラウンド"
    return m


if __name__ == "__main__":
    older_file()
    save("sample-120", sample_meeting())
    save("write-empty", empty_meeting())
    save("write-full-300", full_meeting())
    save("write-hand-made", small_hand_made())
