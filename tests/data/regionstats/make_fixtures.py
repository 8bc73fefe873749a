#!/usr/bin/env python3
"""Writes a program folder for the region statistics, as the owner's Windows machine keeps it:
the settings file and some peak files in "Unicode" (UTF-16LE with byte-order mark, CR LF), the
other peak files in "ANSI" (CP950, CR LF). Run it from anywhere; it rewrites program/ beside
itself.

Area sets ([Talvane] Region1-3): 北部 (台北市, 新北市), 中部 (苗栗縣, 南投縣), 東部 (宜蘭縣, which the
region list lacks). Counties of the region list with their townships: 台北市 (北投, 士林), 新北市
(烏來, 三峽), 苗栗縣 (泰安), 南投縣 (仁愛, 信義), 花蓮縣 (秀林; in no area set). 北投 is shown as
北投區. Fifteen companions m01 ... m15: m01 阿明 (short title 明), m15 小華, the others 山友02 ...

Peaks of data/山 (in file-name order), climbed when they have a Visit1:
  0 七星山 台北市北投區 climbed (UTF-16LE)
  1 紗帽山 台北市 (county only) (CP950)
  2 拉拉山 新北市烏來區,三峽區 climbed, with 阿明 (UTF-16LE)
  3 加里山 苗栗縣泰安鄉 climbed (CP950)
  4 合歡山 南投縣仁愛鄉, with 小華 (CP950)
  5 玉山 南投縣信義鄉 climbed twice (UTF-16LE)
  6 清水山 花蓮縣秀林鄉 climbed (UTF-16LE)
  7 無名山 no region, climbed (CP950)
  8 郡大山 南投縣信義鄉 climbed (CP950)
"""
import codecs
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.join(HERE, "program")


def write(name, lines, encoding):
    path = os.path.join(ROOT, *name.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    text = "".join(line + "\r\n" for line in lines)
    if encoding == "utf-16-le":
        data = codecs.BOM_UTF16_LE + text.encode("utf-16-le")
    else:
        data = text.encode("cp950")
    with open(path, "wb") as f:
        f.write(data)


shutil.rmtree(ROOT, ignore_errors=True)

write("峰嵐錄.txt", [
    "[DataGroup]", "BaseFolder=data", "Group1=山", "Group2=基石", "",
    "[Talvane]", "Region1=北部", "Region2=中部", "Region3=東部", "",
    "[Region]", "RegionList=台北市,新北市,苗栗縣,南投縣,花蓮縣",
    "台北市=北投,士林", "新北市=烏來,三峽", "苗栗縣=泰安", "南投縣=仁愛,信義", "花蓮縣=秀林",
    "北部=台北市,新北市", "中部=苗栗縣,南投縣", "東部=宜蘭縣", "",
    "[DisplayName]", "Convert1=北投,北投區", "",
    "[HikingMate]",
] + ["Mate%d=m%02d.txt" % (k, k) for k in range(1, 16)], "utf-16-le")
write("Local.txt", ["[Hiking]"], "utf-16-le")

PEAKS = [
    ("p01", "七星山", "台北市北投區", ["Visit1=3"], "utf-16-le"),
    ("p02", "紗帽山", "台北市", [], "cp950"),
    ("p03", "拉拉山", "新北市烏來區,三峽區", ["Visit1=5", "阿明1=108/5/3"], "utf-16-le"),
    ("p04", "加里山", "苗栗縣泰安鄉", ["Visit1=7"], "cp950"),
    ("p05", "合歡山", "南投縣仁愛鄉", ["小華1=107/10/1"], "cp950"),
    ("p06", "玉山", "南投縣信義鄉", ["Visit1=9", "Visit2=2"], "utf-16-le"),
    ("p07", "清水山", "花蓮縣秀林鄉", ["Visit1=4"], "utf-16-le"),
    ("p08", "無名山", "", ["Visit1=6"], "cp950"),
    ("p09", "郡大山", "南投縣信義鄉", ["Visit1=11"], "cp950"),
]
for stem, name, region, extra, encoding in PEAKS:
    write("data/山/%s_%s.txt" % (stem, name),
          ["[Talvane]", "Name=" + name, "Region=" + region] + extra, encoding)

write("data/基石/二等1069.txt", ["[Stone]", "Name=二等1069"], "utf-16-le")

for k in range(1, 16):
    lines = ["[Hiking]"]
    if k == 1:
        lines += ["Title=阿明", "ShortTitle=明"]
    elif k == 15:
        lines += ["Title=小華"]
    else:
        lines += ["Title=山友%02d" % k]
    write("data/山友/m%02d.txt" % k, lines, "utf-16-le")
