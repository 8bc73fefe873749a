#!/usr/bin/env python3
"""Writes a program folder for the main dialog's row commands and companions' menu on the peak
group, as the owner's Windows machine keeps it: settings, peak, stone and companion files in
"Unicode" (UTF-16LE with byte-order mark, CR LF). Run it from anywhere; it rewrites the files
beside itself.

Peaks of data/山 (in file-name order):
  0 七星山: Region 台北市,烏來 (two parts); Stone 二等三角點1069, Stone2 三等三角點6016,
    StoneAlias 一等1234.
  1 合歡山: Region 南投縣,仁愛,台北縣,烏來 (four parts, three offered); Stone 一等三角點7,
    StoneAlias2 三等三角點6055.
  2 無名山: no region, no stones.
Stone levels: 一等三角點/一等, 二等三角點/二等, 三等三角點/三等. Regions: 台北市, 台北縣 (members
烏來, 三峽), 南投縣 (member 仁愛).
Fifteen companions m01 ... m15; titles with "&" in m02, m05 and m15; Local.txt [Hiking] keeps the
day the itineraries of 山友01 and 小華&阿花 were last opened.
"""
import codecs
import os

HERE = os.path.dirname(os.path.abspath(__file__))


def unicode_file(name, lines):
    """A text file as Windows Notepad saves it as "Unicode"."""
    path = os.path.join(HERE, *name.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    text = "".join(line + "\r\n" for line in lines)
    with open(path, "wb") as f:
        f.write(codecs.BOM_UTF16_LE + text.encode("utf-16-le"))


TITLES = {2: "小華&阿花", 5: "R&D 登山隊", 15: "&最後"}


def title(k):
    return TITLES.get(k, "山友%02d" % k)


unicode_file("峰嵐錄.txt", [
    "[DataGroup]", "BaseFolder=data", "Group1=山", "Group2=基石",
    "[StoneLevel]", "Level1=一等三角點,一等", "Level2=二等三角點,二等", "Level3=三等三角點,三等",
    "[Region]", "RegionList=台北市,台北縣,南投縣", "台北縣=烏來,三峽", "南投縣=仁愛",
    "[HikingMate]",
] + ["Mate%d=m%02d.txt" % (k, k) for k in range(1, 16)])
unicode_file("Local.txt", ["[Hiking]", "山友01=2024/01/02", "小華&阿花=113/5/6"])

unicode_file("data/山/a_七星山.txt", [
    "[Talvane]", "Name=七星山", "Height=1120", "Region=台北市,烏來",
    "Stone=二等三角點1069", "Stone2=三等三角點6016", "StoneAlias=一等1234",
])
unicode_file("data/山/b_合歡山.txt", [
    "[Talvane]", "Name=合歡山", "Height=3417", "Region=南投縣,仁愛,台北縣,烏來",
    "Stone=一等三角點7", "StoneAlias2=三等三角點6055",
])
unicode_file("data/山/c_無名山.txt", ["[Talvane]", "Name=無名山"])
unicode_file("data/基石/二等1069.txt", ["[Stone]", "Name=二等1069"])

for k in range(1, 16):
    unicode_file("data/山友/m%02d.txt" % k, ["[Hiking]", "Title=" + title(k)])
