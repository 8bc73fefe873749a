#!/usr/bin/env python3
"""Writes the catalog of this folder for the stone-class subsets: a settings file and the item
files of a peak folder and a survey-stone folder, byte for byte as the owner's Windows machine
saves them (Notepad's "Unicode": UTF-16LE with byte-order mark, CR LF; "ANSI": CP950 without
one), and the stone group's all-in-one GPS file made by gpsbabel from a GPX text. Run it from
anywhere; it rewrites the files beside itself."""
import codecs
import os
import shutil
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
CATALOG = os.path.join(HERE, "catalog")


def utf16le_bom(text):
    return codecs.BOM_UTF16_LE + text.encode("utf-16-le")


def cp950(text):
    return text.encode("cp950")


def write(name, data):
    path = os.path.join(HERE, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def ini(section, pairs):
    return "[%s]\r\n" % section + "".join("%s=%s\r\n" % kv for kv in pairs)


SETTINGS = (
    "[DataGroup]\r\nBaseFolder=data\r\nGroup1=山\r\nGroup2=基石\r\n\r\n"
    "[StoneLevel]\r\nLevel1=一等,二等\r\nLevel2=三等\r\nLevel3=省府\r\n\r\n"
    "[DisplayName]\r\nConvert1=南投,南投縣\r\n\r\n"
    "[Talvane]\r\nStone1=三等\r\nStone2=一等\r\n\r\n"
    "[Stone]\r\nStone1=水源\r\nStone2=森林\r\n")

# The peaks, items 0 to 6 in file-name order; (file, encoding, keys).
PEAKS = [
    ("p01.txt", "utf16", [("Name", "玉山"), ("Height", "3952"), ("Stone", "一等1"),
                          ("Region", "南投"), ("Visit1", "3"),
                          ("Longitude", "120.9572"), ("Attitude", "23.4700")]),
    # The second stone and the first alias are both of class 三等.
    ("p02.txt", "utf16", [("Name", "雪山"), ("Height", "3886"), ("Stone", "一等2"),
                          ("Stone2", "三等1234"), ("StoneAlias", "三等999"), ("Region", "台中"),
                          ("Longitude", "121.2317"), ("Attitude", "24.3833")]),
    ("p03.txt", "cp950", [("Name", "合歡東峰"), ("Height", "3421"), ("Stone", "二等3"),
                          ("Stone3", "三等50"), ("StoneStatus3", "失"), ("Region", "南投"),
                          ("Longitude", "121.4500"), ("Attitude", "23.8000")]),
    # Of class 三等 by the alias of its second stone.
    ("p04.txt", "utf16", [("Name", "北大武山"), ("Height", "3092"), ("Stone", "一等10"),
                          ("Stone2", "森林3"), ("StoneAlias2", "三等77"), ("Region", "屏東"),
                          ("Longitude", "120.7606"), ("Attitude", "22.6267")]),
    # No stone number at all.
    ("p05.txt", "utf16", [("Name", "平頂"), ("Height", "1200"), ("Region", "新竹"),
                          ("Longitude", "121.1000"), ("Attitude", "24.6000")]),
    # No stone ("無"), and a second stone of no level.
    ("p06.txt", "cp950", [("Name", "樂山"), ("Height", "2618"), ("Stone", "無"),
                          ("Stone2", "森林5"), ("Region", "苗栗"),
                          ("Longitude", "121.0200"), ("Attitude", "24.4500")]),
    ("p07.txt", "utf16", [("Name", "加里山"), ("Height", "2220"), ("Stone", "省府A12"),
                          ("Region", "苗栗"), ("Longitude", "120.9900"),
                          ("Attitude", "24.5200")]),
]

# The survey stones, items 0 to 5 in file-name order.
STONES = [
    ("s01.txt", "utf16", [("Name", "合歡山"), ("Height", "3417"), ("Stone", "三等6016"),
                          ("Region", "南投"), ("Visit1", "12"), ("Waypoint", "HEHUAN"),
                          ("Longitude", "121.2711"), ("Attitude", "24.1419")]),
    ("s02.txt", "cp950", [("Name", "鹿林山"), ("Height", "2845"), ("Stone", "三等6055"),
                          ("StoneStatus", "存"), ("Region", "嘉義"),
                          ("Longitude", "120.8800"), ("Attitude", "23.4700")]),
    # A water-source stone of class 三等 by its alias.
    ("s03.txt", "utf16", [("Name", "大霸"), ("Height", "3200"), ("Stone", "水源12"),
                          ("StoneAlias", "三等88"), ("Region", "新竹"),
                          ("Longitude", "121.6000"), ("Attitude", "24.3000")]),
    ("s04.txt", "cp950", [("Name", "森林站"), ("Height", "1500"), ("Stone", "森林101"),
                          ("Region", "宜蘭"), ("Longitude", "121.5000"),
                          ("Attitude", "24.5500")]),
    # No name: a stone is known by its number.
    ("s05.txt", "utf16", [("Height", "80"), ("Stone", "都計四等5"), ("Region", "台北"),
                          ("Longitude", "121.5600"), ("Attitude", "25.0400")]),
    ("s06.txt", "utf16", [("Name", "某石"), ("Stone", "無"), ("Longitude", "121.3000"),
                          ("Attitude", "24.9000")]),
]


# The stone group's waypoints: 合歡山's own, and one of no stone.
WAYPOINTS_GPX = """<?xml version="1.0" encoding="UTF-8"?>
<gpx version="1.1" creator="make_fixtures.py" xmlns="http://www.topografix.com/GPX/1/1">
  <wpt lat="24.141900" lon="121.271100"><ele>3417</ele><name>HEHUAN</name></wpt>
  <wpt lat="24.000000" lon="121.000000"><name>OTHER</name></wpt>
</gpx>
"""


def write_waypoints(name):
    source = os.path.join(HERE, "waypoints.gpx")
    with open(source, "w", encoding="utf-8") as f:
        f.write(WAYPOINTS_GPX)
    subprocess.run(["gpsbabel", "-w", "-i", "gpx", "-f", source, "-o", "gdb,ver=3",
                    "-F", os.path.join(HERE, name)], check=True)


def encode(encoding, text):
    return utf16le_bom(text) if encoding == "utf16" else cp950(text)


def main():
    shutil.rmtree(CATALOG, ignore_errors=True)
    write("catalog/峰嵐錄.txt", utf16le_bom(SETTINGS))
    write("catalog/Local.txt", utf16le_bom("[GPS]\r\nAllWPFile_Stone=data/stones.gdb\r\n"))
    for name, encoding, keys in PEAKS:
        write("catalog/data/山/" + name, encode(encoding, ini("Talvane", keys)))
    for name, encoding, keys in STONES:
        write("catalog/data/基石/" + name, encode(encoding, ini("Stone", keys)))
    write_waypoints("catalog/data/stones.gdb")
    # The same catalog as a table of one group sees it: only the peaks, or only the stones
    # (the second saved as ANSI).
    write("only_peaks.txt", utf16le_bom(SETTINGS.replace("Group2=基石\r\n", "")))
    write("only_stones.txt", cp950(SETTINGS.replace("Group1=山\r\nGroup2=基石", "Group1=基石")))


if __name__ == "__main__":
    main()
