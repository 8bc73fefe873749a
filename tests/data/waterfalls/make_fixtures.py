#!/usr/bin/env python3
"""Writes the waterfall test files of this folder as the owner's Windows machine keeps them:
item files in Notepad's "Unicode" (UTF-16LE with byte-order mark, CR LF) and "ANSI" (CP950
without one), and a program folder with settings, waterfall files and the group's all-in-one
GPS file written by gpsbabel (an independent implementation of the format) from
waterfalls.gpx. Run it from anywhere; it rewrites items/ and program/ (gpsbabel must be
installed).

items/<encoding>/:
  full.txt     every key of a waterfall
  no_name.txt  a second name and a height but no Name: no item
  long.txt     values longer than their fields

program/data/瀑布 and how each waterfall finds its waypoint in data/!台灣的瀑布.gdb (the same
file is data/gps/瀑布.gdb, the one the export reads):
  a_shifen  十分瀑布 its own Waypoint SHIFEN
  b_wulai   烏來瀑布 (CP950) no Waypoint: the free waypoint of its name
  c_gone    無點瀑布 a Waypoint the GPS file does not hold, and no height
"""
import codecs
import os
import shutil
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))


def write_bytes(name, data):
    path = os.path.join(HERE, *name.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def text(lines):
    return "".join(line + "\r\n" for line in lines)


def unicode_file(name, lines):
    write_bytes(name, codecs.BOM_UTF16_LE + text(lines).encode("utf-16-le"))


def ansi_file(name, lines):
    write_bytes(name, text(lines).encode("cp950"))


ITEMS = {
    "full.txt": ["Name=十分瀑布", "Name2=台灣尼加拉瀑布", "Height=20", "Region=新北",
                 "Visit1=12", "Visit2=40", "Visit3=7", "Waypoint=SHIFEN",
                 "Longitude=121.7874", "Attitude=25.0484"],
    "no_name.txt": ["Name2=無名瀑", "Height=30", "Region=宜蘭"],
    # Names of twenty characters (fields keep fifteen), a second name of forty (kept: 31).
    "long.txt": ["Name=" + "甲乙丙丁戊己庚辛壬癸" * 2, "Name2=" + "子丑寅卯辰巳午未申酉" * 4,
                 "Region=" + "東西南北中" * 4, "Waypoint=WATERFALL-WAYPOINT20",
                 "Height=99"],
}

shutil.rmtree(os.path.join(HERE, "items"), ignore_errors=True)
shutil.rmtree(os.path.join(HERE, "program"), ignore_errors=True)
for name, lines in ITEMS.items():
    unicode_file("items/utf16le/" + name, ["[Waterfall]"] + lines + [""])
    ansi_file("items/cp950/" + name, ["[Waterfall]"] + lines)

unicode_file("program/峰嵐錄.txt", [
    "[DataGroup]", "BaseFolder=data", "Group1=瀑布", "",
    "[Region]", "RegionList=新北,宜蘭", "",
    "[DisplayName]", "Convert1=新北,新北市"])


def waterfall(base, *lines, ansi=False):
    (ansi_file if ansi else unicode_file)("program/data/瀑布/%s.txt" % base,
                                          ["[Waterfall]"] + list(lines))


waterfall("a_shifen", "Name=十分瀑布", "Height=20", "Region=新北", "Visit1=12",
          "Waypoint=SHIFEN", "Longitude=121.7874", "Attitude=25.0484")
waterfall("b_wulai", "Name=烏來瀑布", "Name2=雲仙", "Height=80", "Region=新北", ansi=True)
waterfall("c_gone", "Name=無點瀑布", "Region=宜蘭", "Waypoint=GONE")

for target in ("!台灣的瀑布.gdb", "gps/瀑布.gdb"):
    path = os.path.join(HERE, "program", "data", *target.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    subprocess.run(["gpsbabel", "-w", "-i", "gpx", "-f", os.path.join(HERE, "waterfalls.gpx"),
                    "-o", "gdb,ver=3", "-F", path], check=True)
