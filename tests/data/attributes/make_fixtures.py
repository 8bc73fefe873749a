#!/usr/bin/env python3
"""Writes the catalog of this folder for the attribute subsets (heights, double stones, peaks
without records, items not located): settings files and the item files of a peak, a survey-stone,
a trail and an old-trail folder, byte for byte as the owner's Windows machine saves them
(Notepad's "Unicode": UTF-16LE with byte-order mark, CR LF; "ANSI": CP950 without one). The
GPS files are not written here: the tests make them with gpsbabel. Run it from anywhere; it
rewrites the files beside itself."""
import codecs
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))
CATALOG = os.path.join(HERE, "catalog")


def utf16le_bom(text):
    return codecs.BOM_UTF16_LE + text.encode("utf-16-le")


def cp950(text):
    return text.encode("cp950")


def encode(encoding, text):
    return utf16le_bom(text) if encoding == "utf16" else cp950(text)


def write(name, data):
    path = os.path.join(CATALOG, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def ini(section, pairs):
    return "[%s]\r\n" % section + "".join("%s=%s\r\n" % kv for kv in pairs)


# Stone levels 1 (一等, 二等), 2 (三等), 3 (省府) and 4 (森林); two companions.
SETTINGS_HEAD = (
    "[StoneLevel]\r\nLevel1=一等,二等\r\nLevel2=三等\r\nLevel3=省府\r\nLevel4=森林\r\n\r\n"
    "[HikingMate]\r\nMate1=阿明.txt\r\nMate2=小華.txt\r\n\r\n")
SETTINGS = ("[DataGroup]\r\nBaseFolder=data\r\nGroup1=山\r\nGroup2=基石\r\nGroup3=古道\r\n\r\n"
            + SETTINGS_HEAD)
TRAIL_SETTINGS = "[DataGroup]\r\nBaseFolder=data\r\nGroup1=步道\r\n\r\n" + SETTINGS_HEAD

# The peak files, items 0 to 9 in file-name order: (file, encoding, keys).
PEAKS = [
    ("p01.txt", "utf16", [("Name", "玉山"), ("Height", "3952"), ("Stone", "一等12"),
                          ("Stone2", "二等34"), ("Visit1", "5"), ("Waypoint", "YUSHAN"),
                          ("Longitude", "120.9572"), ("Attitude", "23.4700")]),
    # Exactly 3000 m; the second stone lost; a companion's visit only; no waypoint name.
    ("p02.txt", "cp950", [("Name", "三千山"), ("Height", "3000"), ("Stone", "一等12"),
                          ("Stone2", "二等34"), ("StoneStatus2", "失"), ("阿明1", "2012/3/4"),
                          ("Longitude", "121.0000"), ("Attitude", "24.0000")]),
    # The first stone moved; an atlas reference only; a waypoint the GPS file lacks.
    ("p03.txt", "utf16", [("Name", "差一山"), ("Height", "2999"), ("Stone", "一等1"),
                          ("Stone2", "二等2"), ("StoneStatus", "改"),
                          ("BlueSky1", "(十五045)差一山"), ("Waypoint", "MISSING1"),
                          ("Longitude", "121.1000"), ("Attitude", "24.1000")]),
    # A second stone of level 4; no record at all; a waypoint name of 20 characters.
    ("p04.txt", "utf16", [("Name", "千五山"), ("Height", "1500"), ("Stone", "一等3"),
                          ("Stone2", "森林5"), ("Waypoint", "ABCDEFGHIJKLMNOPQRST"),
                          ("Longitude", "121.2000"), ("Attitude", "24.2000")]),
    # One stone only; a walk and the second companion's visit; no waypoint name.
    ("p05.txt", "cp950", [("Name", "差一千五"), ("Height", "1499"), ("Stone", "三等7"),
                          ("Visit1", "3"), ("小華1", "2015/6/7"),
                          ("Longitude", "121.3000"), ("Attitude", "24.3000")]),
    # Stones of levels 3 and 2; both companions; below every height.
    ("p06.txt", "utf16", [("Name", "九九九山"), ("Height", "999"), ("Stone", "省府1"),
                          ("Stone2", "三等9"), ("阿明1", "2013/1/2"), ("小華1", "2014/2/3"),
                          ("Waypoint", "P06"), ("Longitude", "121.4000"),
                          ("Attitude", "24.4000")]),
    # No first stone; a walk; a waypoint the GPS file lacks.
    ("p07.txt", "utf16", [("Name", "千山"), ("Height", "1000"), ("Stone2", "一等4"),
                          ("Visit1", "7"), ("Waypoint", "MISSING2"),
                          ("Longitude", "121.5000"), ("Attitude", "24.5000")]),
    # Both stones usable, the first with a status that is neither lost nor moved.
    ("p08.txt", "cp950", [("Name", "三一山"), ("Height", "3100"), ("Stone", "一等5"),
                          ("Stone2", "二等6"), ("StoneStatus", "存"), ("Visit1", "9"),
                          ("Visit2", "2"), ("阿明1", "2016/8/9"), ("Waypoint", "P08"),
                          ("Longitude", "121.6000"), ("Attitude", "24.6000")]),
    # No record at all.
    ("p09.txt", "utf16", [("Name", "無名山"), ("Height", "800"), ("Waypoint", "P09"),
                          ("Longitude", "121.7000"), ("Attitude", "24.7000")]),
    # A waypoint name of 20 characters whose first 15 alone name a waypoint of the file.
    ("p10.txt", "utf16", [("Name", "長名山"), ("Height", "700"), ("Visit1", "1"),
                          ("Waypoint", "ABCDEFGHIJKLMNOxyz12"),
                          ("Longitude", "121.8000"), ("Attitude", "24.8000")]),
]

# The survey stones, items 0 to 3.
STONES = [
    ("s01.txt", "utf16", [("Name", "合歡山"), ("Stone", "三等6016"), ("Waypoint", "HEHUAN")]),
    ("s02.txt", "cp950", [("Name", "鹿林山"), ("Stone", "三等6055")]),
    ("s03.txt", "utf16", [("Name", "大霸"), ("Stone", "一等88"), ("Waypoint", "GONE")]),
    ("s04.txt", "cp950", [("Name", "森林站"), ("Stone", "森林101")]),
]

# Trails and old trails, items in file-name order: no track, a track of the file, a track the
# file lacks, a track name of 20 characters (whole in the file), no track again.
TRAILS = [
    ("t01.txt", "utf16", [("Name", "錐麓古道"), ("Track", "ZHUILU")]),
    ("t02.txt", "cp950", [("Name", "草嶺古道")]),
    ("t03.txt", "utf16", [("Name", "淡蘭古道"), ("Track", "DANLAN")]),
    ("t04.txt", "utf16", [("Name", "八通關古道"), ("Track", "BATONGGUAN-EAST-0001")]),
    ("t05.txt", "cp950", [("Name", "浸水營古道"), ("Track", "")]),
]

HIKING = {
    "阿明.txt": ("utf16", [("Title", "阿明")]),
    "小華.txt": ("cp950", [("Title", "小華")]),
}


def main():
    shutil.rmtree(CATALOG, ignore_errors=True)
    write("峰嵐錄.txt", utf16le_bom(SETTINGS))
    write("trail_settings.txt", cp950(TRAIL_SETTINGS))
    # The tests name their GPS files here.
    write("Local.txt", utf16le_bom("[GPS]\r\n"))
    for name, (encoding, keys) in HIKING.items():
        write("data/山友/" + name, encode(encoding, ini("Hiking", keys)))
    for name, encoding, keys in PEAKS:
        write("data/山/" + name, encode(encoding, ini("Talvane", keys)))
    for name, encoding, keys in STONES:
        write("data/基石/" + name, encode(encoding, ini("Stone", keys)))
    for name, encoding, keys in TRAILS:
        write("data/步道/" + name, encode(encoding, ini("Trail", keys)))
        write("data/古道/" + name, encode(encoding, ini("OldTrail", keys)))


if __name__ == "__main__":
    main()
