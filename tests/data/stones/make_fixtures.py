#!/usr/bin/env python3
"""Writes the survey-stone test files of this folder as the owner's Windows machine keeps them:
item files in Notepad's "Unicode" (UTF-16LE with byte-order mark, CR LF) and "ANSI" (CP950
without one), a program folder with settings, stone files and Mapping.txt, and the stone
group's all-in-one GPS file written by gpsbabel (an independent implementation of the format)
from stones.gpx. Run it from anywhere; it rewrites items/ and program/ (gpsbabel must be
installed).

items/<encoding>/:
  full.txt      every key of a stone
  no_stone.txt  a name but no stone number: no item
  no_name.txt   a stone number without a name: an item
  long.txt      values longer than their fields

program/data/基石 and how each stone finds its waypoint in data/gps/基石.gdb:
  a_hehuan  合歡山 its own Waypoint HEHUAN
  b_qilai   奇萊北峰 (CP950) Mapping.txt: QILAI
  c_shimen  石門山 Mapping.txt: Skip (a free 石門山1 exists)
  d_nanhu   南湖 the only free waypoint of base name 南湖 is 南湖2
  e_dup     合歡東 its own Waypoint HEHUAN as well
  f_guess   Guess two free waypoints Guess1 and Guess2
  g_none    無點 no waypoint at all
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
    "full.txt": ["Name=合歡山", "Height=3417", "Stone=三等6016", "StoneAlias=森林12",
                 "StoneStatus=良好", "Region=南投", "Visit1=12", "Visit2=40", "Visit3=7",
                 "Waypoint=HEHUAN", "Longitude=121.2712", "Attitude=24.1372"],
    "no_stone.txt": ["Name=無號", "Height=100"],
    "no_name.txt": ["Stone=圖根點平頂", "Height=812"],
    # Twenty characters each (fields keep fifteen); a status of five (the field keeps three).
    "long.txt": ["Name=" + "甲乙丙丁戊己庚辛壬癸" * 2, "Stone=三等" + "123456789012345678",
                 "StoneAlias=ABCDEFGHIJKLMNOPQRST", "StoneStatus=良好無損傷",
                 "Region=" + "東西南北中" * 4, "Waypoint=WAYPOINT-NAME-LONG20",
                 "Height=99"],
}

shutil.rmtree(os.path.join(HERE, "items"), ignore_errors=True)
shutil.rmtree(os.path.join(HERE, "program"), ignore_errors=True)
for name, lines in ITEMS.items():
    unicode_file("items/utf16le/" + name, ["[Stone]"] + lines + [""])
    ansi_file("items/cp950/" + name, ["[Stone]"] + lines)

unicode_file("program/峰嵐錄.txt", [
    "[DataGroup]", "BaseFolder=data", "Group1=基石", "",
    "[StoneLevel]", "Level1=一等,二等", "Level2=三等", "",
    "[DisplayName]", "Convert1=南投,南投縣"])
unicode_file("program/data/Mapping.txt", ["[GPS]", "b_qilai=QILAI", "c_shimen=Skip"])


def stone(base, *lines, ansi=False):
    (ansi_file if ansi else unicode_file)("program/data/基石/%s.txt" % base,
                                          ["[Stone]"] + list(lines))


stone("a_hehuan", "Name=合歡山", "Height=3417", "Stone=三等6016", "Region=南投",
      "Waypoint=HEHUAN", "Longitude=121.2712", "Attitude=24.1372")
stone("b_qilai", "Name=奇萊北峰", "Height=3607", "Stone=一等1", ansi=True)
stone("c_shimen", "Name=石門山", "Height=3237", "Stone=三等6055")
stone("d_nanhu", "Name=南湖", "Height=3742", "Stone=一等2", "Longitude=121.4",
      "Attitude=24.3")
stone("e_dup", "Name=合歡東", "Height=3421", "Stone=二等3", "Waypoint=HEHUAN")
stone("f_guess", "Name=Guess", "Height=100", "Stone=森林5")
stone("g_none", "Name=無點", "Height=200", "Stone=無")

target = os.path.join(HERE, "program", "data", "gps", "基石.gdb")
os.makedirs(os.path.dirname(target), exist_ok=True)
subprocess.run(["gpsbabel", "-w", "-i", "gpx", "-f", os.path.join(HERE, "stones.gpx"),
                "-o", "gdb,ver=3", "-F", target], check=True)
