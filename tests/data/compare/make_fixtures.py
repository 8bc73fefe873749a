#!/usr/bin/env python3
"""Writes program folders for the list comparison dialog, as the owner's Windows machine keeps
them: settings, cached counts and peak files with CR LF line ends. Run it from anywhere; it
rewrites the folders beside itself.

  utf16le/  settings and Cache.txt as "Unicode" (UTF-16LE with byte-order mark); the peak files
            alternate between "Unicode" and "ANSI" (CP950), the first one "Unicode".
  cp950/    the same catalog with settings and Cache.txt as "ANSI"; the peak files alternate the
            other way round.
  lone/     the same peaks with one title list only (UTF-16LE).

Peaks of data/山 (in file-name order = item index):
  0 玉山 南投縣,嘉義縣   1 雪山 台中市   2 秀姑巒山 花蓮縣   3 南湖大山 宜蘭縣
  4 北大武山 屏東縣      5 合歡山 南投縣  6 奇萊主山 花蓮縣   7 關山 台東縣
  8 關山 新竹縣          9 七星山 台北市  10 向陽山 台東縣

Title lists ([Talvane] Title1..3, in this subset order), and one named list (another type):
  五岳   玉山,雪山,秀姑巒山,南湖大山,北大武山
  百岳   合歡山,雪山,玉山,奇萊主山,關山(台東),向陽山,南湖大山,秀姑巒山 (kept under 百岳1, 百岳2)
  小百岳 七星山,關山(新竹),不存在山 (the last names no peak)
  名山   玉山,雪山 ([Talvanes])
Cache.txt holds the item count 11 and 五岳=5, a stale 百岳=12, 名山=2 and nothing for 小百岳.
"""
import codecs
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))

PEAKS = [
    ("玉山", 3952, "南投縣,嘉義縣", "一等三角點1"),
    ("雪山", 3886, "台中市", "一等三角點2"),
    ("秀姑巒山", 3825, "花蓮縣", "三等三角點3"),
    ("南湖大山", 3742, "宜蘭縣", "一等三角點4"),
    ("北大武山", 3092, "屏東縣", "一等三角點5"),
    ("合歡山", 3417, "南投縣", "三等三角點6"),
    ("奇萊主山", 3560, "花蓮縣", "三等三角點7"),
    ("關山", 3668, "台東縣", "二等三角點8"),
    ("關山", 2118, "新竹縣", "三等三角點9"),
    ("七星山", 1120, "台北市", "二等三角點10"),
    ("向陽山", 3602, "台東縣", "三等三角點11"),
]


def encode(lines, unicode):
    text = "".join(line + "\r\n" for line in lines)
    return codecs.BOM_UTF16_LE + text.encode("utf-16-le") if unicode else text.encode("cp950")


def write(folder, name, lines, unicode):
    path = os.path.join(HERE, folder, *name.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(encode(lines, unicode))


def settings(titles):
    lines = ["[DataGroup]", "BaseFolder=data", "Group1=山",
             "[StoneLevel]", "Level1=一等三角點,一等", "Level2=二等三角點,二等",
             "Level3=三等三角點,三等",
             "[Talvane]"]
    lines += ["Title%d=%s" % (n, t) for n, t in enumerate(titles, 1)]
    lines += ["Talvanes1=名山",
              "[Title]",
              "五岳=玉山,雪山,秀姑巒山,南湖大山,北大武山",
              "百岳1=合歡山,雪山,玉山,奇萊主山",
              "百岳2=關山(台東),向陽山,南湖大山,秀姑巒山",
              "小百岳=七星山,關山(新竹),不存在山",
              "[Talvanes]", "名山=玉山,雪山",
              "[Region]", "RegionList=南投縣,花蓮縣"]
    return lines


CACHE = ["[山]", "NumOfItems=11", "", "[Talvane]", "五岳=5", "百岳=12", "名山=2", ""]


def program(folder, titles, unicode, first_peak_unicode):
    shutil.rmtree(os.path.join(HERE, folder), ignore_errors=True)
    write(folder, "峰嵐錄.txt", settings(titles), unicode)
    write(folder, "data/Cache.txt", CACHE, unicode)
    for i, (name, height, region, stone) in enumerate(PEAKS):
        peak_unicode = first_peak_unicode if i % 2 == 0 else not first_peak_unicode
        write(folder, "data/山/%02d_%s.txt" % (i, name),
              ["[Talvane]", "Name=" + name, "Height=%d" % height, "Region=" + region,
               "Stone=" + stone], peak_unicode)


program("utf16le", ["五岳", "百岳", "小百岳"], True, True)
program("cp950", ["五岳", "百岳", "小百岳"], False, False)
program("lone", ["五岳"], True, True)
