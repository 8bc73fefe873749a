#!/usr/bin/env python3
"""Writes the program folder of the waypoint and track search dialog tests as the owner's
Windows machine keeps it: the settings and the item files in "Unicode" (UTF-16LE with
byte-order mark, CR LF), Mapping.txt in Big5 (CP950, as Notepad saves "ANSI" on a Traditional
Chinese Windows), and the all-in-one files "!台灣的山.gdb" and "!台灣的古道2.gdb" written by
gpsbabel (an independent implementation of the format) from waypoints.gpx and tracks.gpx. reloaded.gdb
(from reloaded.gpx, two waypoints) is put in place of "!台灣的山.gdb" while a dialog is open. Run
it from anywhere; it rewrites the files beside itself. Needs gpsbabel.

Entries the tests look for:
  玉山, 玉山北峰, 玉山主峰登山口, 玉山峰   the summit rule (玉山北峰 is left out for 玉山)
  雪山                                   claimed by the peak 雪山 through its Waypoint
  新高山口                               a height below zero (-12.7 m shows -12)
  錐麓古道1 (3 points), 錐麓古道2         the trail 錐麓古道 has no track of its own name
  斷崖                                   a waypoint whose comment names 錐麓古道1
  錐麓古道1支線                          a track related to 錐麓古道1
  合歡古道                               claimed by the trail 合歡古道 through its Track
"""
import codecs
import os
import shutil
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
PROGRAM = os.path.join(HERE, "program")


def text_file(name, lines, encoding):
    path = os.path.join(PROGRAM, *name.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    text = "".join(line + "\r\n" for line in lines)
    with open(path, "wb") as f:
        if encoding == "utf-16-le":
            f.write(codecs.BOM_UTF16_LE)
        f.write(text.encode(encoding))


def unicode_file(name, lines):
    text_file(name, lines, "utf-16-le")


shutil.rmtree(PROGRAM, ignore_errors=True)

unicode_file("峰嵐錄.txt", [
    "[DataGroup]", "BaseFolder=data", "Group1=山", "Group2=古道",
])

unicode_file("data/山/yushan.txt", ["[Talvane]", "Name=玉山", "Name2=新高山"])
unicode_file("data/山/snow.txt", ["[Talvane]", "Name=雪山", "Waypoint=雪山"])
unicode_file("data/山/abcdefghijklmnopqrst.txt", ["[Talvane]", "Name=長檔名山"])
unicode_file("data/古道/zhuilu.txt", ["[OldTrail]", "Name=錐麓古道", "Name2=斷崖古道", "Length=10300"])
unicode_file("data/古道/hehuan.txt", ["[OldTrail]", "Name=合歡古道", "Track=合歡古道"])

# Big5, with a blank line, a line the reader takes for no key, and another section.
text_file("data/Mapping.txt", [
    "[GPS]",
    "snow=雪山",
    "",
    "舊記錄 不是鍵",
    "zhuilu=錐麓古道2",
    "[其他]",
    "yushan=台灣",
], "cp950")

BABEL_ENV = dict(os.environ, GPSBABEL_FREEZE_TIME="y")


def gpsbabel(source, target):
    subprocess.run(["gpsbabel", "-i", "gpx", "-f", os.path.join(HERE, source),
                    "-o", "gdb,ver=3", "-F", target], check=True, env=BABEL_ENV)


gpsbabel("waypoints.gpx", os.path.join(PROGRAM, "data", "!台灣的山.gdb"))
gpsbabel("tracks.gpx", os.path.join(PROGRAM, "data", "!台灣的古道2.gdb"))
gpsbabel("reloaded.gpx", os.path.join(HERE, "reloaded.gdb"))
