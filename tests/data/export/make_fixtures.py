#!/usr/bin/env python3
"""Writes a program folder for the waypoint export, synchronisation and list output of a group,
as the owner's Windows machine keeps it: settings, item files and Mapping.txt in "Unicode"
(UTF-16LE with byte-order mark, CR LF), and the group's all-in-one GPS file
data/gps/瀑布.gdb written by gpsbabel from waypoints.gpx. Run it from anywhere; it rewrites the
files beside itself (gpsbabel must be installed).

Items of data/瀑布 (group key Fall, in file-name order) and how each finds its waypoint:
  0 銀河洞      its own Waypoint 銀河洞
  1 內洞        Mapping.txt: WP017
  2 十分        its Waypoint is in no file; the only free waypoint of base name 十分 is 十分1
  3 雙瀑        two free waypoints of base name 雙瀑: a guess
  4 眼鏡洞      Mapping.txt: skip (a free 眼鏡洞1 exists)
  5 內洞二      Mapping.txt: WP017, as 內洞
  6 銀河洞下    its own Waypoint 銀河洞, as 銀河洞
  7 long name   twelve characters (36 bytes in UTF-8), a waypoint name of 44 characters, a
                note of 50 characters
  8 X + ten characters: 31 bytes in UTF-8; a note of X + 50 characters
  9 尼加拉      its own Waypoint Niagara, west of Greenwich
"""
import codecs
import os
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
STEMS = "甲乙丙丁戊己庚辛壬癸" * 5


def write_bytes(name, data):
    path = os.path.join(HERE, *name.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def unicode_file(name, lines):
    """A text file as Windows Notepad saves it as "Unicode"."""
    text = "".join(line + "\r\n" for line in lines)
    write_bytes(name, codecs.BOM_UTF16_LE + text.encode("utf-16-le"))


unicode_file("峰嵐錄.txt", [
    "[DataGroup]", "BaseFolder=data", "Group1=瀑布",
    "[Template]",
    "瀑布=瀑布表", "瀑布表NoSort=fall_nosort.htm", "Fall=fall.htm",
    "名山=名山表", "名山表=famous.htm", "名山表Visit=famous_visit.htm",
    "區域=區域表",
    "OnlineGPSDir=http://gps.example.org/", "OnlineDir=http://walks.example.org/report/",
])
unicode_file("Local.txt", [
    "[Template]", "WalkIndexFile=D:\\walks\\index.htm", "GPSDir=D:\\gps\\%d",
])
unicode_file("data/Mapping.txt", [
    "[GPS]", "02_內洞=WP017", "05_眼鏡洞=skip", "06_內洞二=WP017",
])

# The file the synchronisation test compares byte for byte: a hand-written note line, a blank
# line, spacing around "=", an unknown key and a later section with an Attitude of its own.
unicode_file("data/瀑布/01_銀河洞.txt", [
    "[Fall]", "Name=銀河洞", "Waypoint=銀河洞", "Height=300", "; 手寫的備註",
    "Note=新店銀河洞，雙層瀑布", "", "Longitude = 121.6275", "Attitude=24.97",
    "Photo=銀河洞.jpg", "[Other]", "Attitude=1",
])
unicode_file("data/瀑布/02_內洞.txt", ["[Fall]", "Name=內洞", "Height=235", "Note=烏來內洞"])
unicode_file("data/瀑布/03_十分.txt", ["[Fall]", "Name=十分", "Waypoint=十分舊名", "Height=185",
                                      "Note=平溪十分瀑布", "Longitude=121.7", "Attitude=25"])
unicode_file("data/瀑布/04_雙瀑.txt", ["[Fall]", "Name=雙瀑", "Height=505", "Note=雙瀑",
                                      "Longitude=121", "Attitude=24"])
unicode_file("data/瀑布/05_眼鏡洞.txt", ["[Fall]", "Name=眼鏡洞", "Height=175", "Note=眼鏡洞"])
unicode_file("data/瀑布/06_內洞二.txt", ["[Fall]", "Name=內洞二", "Height=240", "Note=內洞上層"])
unicode_file("data/瀑布/07_銀河洞下.txt", ["[Fall]", "Name=銀河洞下", "Waypoint=銀河洞",
                                          "Height=290", "Note=銀河洞下方"])
unicode_file("data/瀑布/08_長名.txt", [
    "[Fall]", "Name=三峽大豹溪上游無名瀑布群",
    "Waypoint=Waterfall-of-the-upper-Dabao-creek-in-Sanxia", "Height=650", "Note=" + STEMS,
    "Longitude=121.450000", "Attitude=24.850000",
])
unicode_file("data/瀑布/09_X長名.txt", [
    "[Fall]", "Name=X大豹溪上游無名瀑布群", "Waypoint=大豹2", "Height=610", "Note=X" + STEMS,
])
unicode_file("data/瀑布/10_尼加拉.txt", ["[Fall]", "Name=尼加拉", "Waypoint=Niagara",
                                        "Height=51", "Note=Niagara Falls"])

os.makedirs(os.path.join(HERE, "data", "gps"), exist_ok=True)
subprocess.run(["gpsbabel", "-i", "gpx", "-f", os.path.join(HERE, "waypoints.gpx"),
                "-o", "gdb,ver=3", "-F", os.path.join(HERE, "data", "gps", "瀑布.gdb")],
               check=True)
