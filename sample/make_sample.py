#!/usr/bin/env python3
"""Writes the sample catalog: the two settings files and the data folder with a peak folder,
a survey-stone folder and an old-trail folder, as the owner's Windows machine writes them
(UTF-16LE with byte-order mark and CR LF; a few older files in CP950 without byte-order mark).

Run from anywhere:  python3 sample/make_sample.py
"""
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "data")


def ini(sections):
    """INI text with CR LF line ends from [(section, [(key, value), ...]), ...]."""
    lines = []
    for name, keys in sections:
        if lines:
            lines.append("")
        lines.append("[%s]" % name)
        lines.extend("%s=%s" % kv for kv in keys)
    return "\r\n".join(lines) + "\r\n"


def write(path, text, encoding="utf-16"):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if encoding == "utf-16":
        data = b"\xff\xfe" + text.encode("utf-16-le")
    else:
        data = text.encode(encoding)  # cp950, no byte-order mark
    with open(path, "wb") as f:
        f.write(data)


# Peaks: file name, keys of [Talvane]; "cp950" marks a file an older editor saved in Big5.
PEAKS = [
    ("玉山主峰", [("Name", "玉山"), ("Name2", "主峰"), ("Height", "3952"), ("Stone", "一等三角點"),
                 ("StoneStatus", "存"), ("Region", "南投縣,嘉義縣"), ("Visit1", "12"), ("Visit2", "87"),
                 ("Visit3", "153"), ("BlueSky1", "(十五045)玉山群峰"), ("Quill1", "十二031-玉山"),
                 ("Waypoint", "YUSHAN"), ("Longitude", "120.9595"), ("Attitude", "23.4700")]),
    ("雪山主峰", [("Name", "雪山"), ("Name2", "主峰"), ("Height", "3886"), ("Stone", "一等三角點"),
                 ("Stone2", "三等6055"), ("Region", "台中市"), ("Visit1", "45"), ("Visit2", "160"),
                 ("BlueSky1", "(六012)雪山東峰"), ("BlueSky2", "(六014)雪山主峰"),
                 ("Waypoint", "SYUESHAN"), ("Longitude", "121.2313"), ("Attitude", "24.3830")]),
    ("合歡山主峰", [("Name", "合歡山"), ("Name2", "主峰"), ("Height", "3417"), ("Stone", "三等6016"),
                   ("Region", "南投縣,花蓮縣"), ("Visit1", "5"), ("Visit2", "33"), ("Visit3", "34"),
                   ("Visit4", "120"), ("BlueSky1", "(八021)合歡群峰"), ("Waypoint", "HEHUAN"),
                   ("Longitude", "121.2713"), ("Attitude", "24.1425")]),
    ("南湖大山", [("Name", "南湖大山"), ("Height", "3742"), ("Stone", "一等三角點"), ("StoneAlias", "一等1"),
                 ("Region", "台中市,宜蘭縣"), ("Visit1", "66"), ("BlueSky1", "(五033)南湖大山"),
                 ("Quill1", "七008-南湖大山"), ("Waypoint", "NANHU"), ("Longitude", "121.4395"),
                 ("Attitude", "24.3614")]),
    ("秀姑巒山", [("Name", "秀姑巒山"), ("Height", "3825"), ("Stone", "一等三角點"), ("Region", "花蓮縣,南投縣"),
                 ("Visit1", "98"), ("BlueSky1", "(十四027)秀姑巒山"), ("Waypoint", "SIOUGULUAN"),
                 ("Longitude", "121.0563"), ("Attitude", "23.4966")]),
    ("大霸尖山", [("Name", "大霸尖山"), ("Height", "3492"), ("Stone", "無"), ("Region", "新竹縣,苗栗縣"),
                 ("Visit1", "21"), ("BlueSky1", "(四005)大霸尖山"), ("Quill1", "三019-大霸尖山"),
                 ("Quill2", "三020-小霸尖山"), ("Waypoint", "DABAJIAN"), ("Longitude", "121.2587"),
                 ("Attitude", "24.4606")]),
    ("奇萊主山北峰", [("Name", "奇萊主山"), ("Name2", "北峰"), ("Height", "3607"), ("Stone", "三等6079"),
                     ("StoneStatus", "失"), ("Region", "花蓮縣,南投縣"), ("Visit1", "140"),
                     ("BlueSky1", "(九017)奇萊北峰"), ("Waypoint", "CILAINORTH"),
                     ("Longitude", "121.3274"), ("Attitude", "24.1290")]),
    ("北大武山", [("Name", "北大武山"), ("Height", "3092"), ("Stone", "一等三角點"), ("Region", "屏東縣"),
                 ("BlueSky1", "(二十二040)北大武山"), ("Waypoint", "BEIDAWU"), ("Longitude", "120.7607"),
                 ("Attitude", "22.6270")]),
    ("向陽山", [("Name", "向陽山"), ("Height", "3602"), ("Stone", "三等6128"), ("Region", "台東縣,高雄市"),
               ("Visit1", "77"), ("Visit2", "78"), ("Waypoint", "SIANGYANG"), ("Longitude", "121.0030"),
               ("Attitude", "23.2889")]),
    ("桃山", [("Name", "桃山"), ("Height", "3325"), ("Stone", "三等6052"), ("Region", "台中市"),
             ("Visit1", "160"), ("Waypoint", "TAOSHAN"), ("Longitude", "121.3036"), ("Attitude", "24.4327")]),
    ("七星山", [("Name", "七星山"), ("Name2", "主峰"), ("Height", "1120"), ("Stone", "二等1130"),
               ("Region", "台北市"), ("Visit1", "2"), ("Visit2", "9"), ("Visit3", "31"), ("Visit4", "101"),
               ("Visit5", "177"), ("Waypoint", "CISING"), ("Longitude", "121.5480"),
               ("Attitude", "25.1710")], "cp950"),
    ("觀音山", [("Name", "觀音山"), ("Name2", "硬漢嶺"), ("Height", "616"), ("Stone", "二等1061"),
               ("Region", "新北市"), ("Visit1", "1"), ("Waypoint", "GUANYIN"), ("Longitude", "121.4247"),
               ("Attitude", "25.1353")], "cp950"),
]

# Survey stones: keys of [Stone] (Stone is the required key).
STONES = [
    ("三等6016", [("Name", "合歡山"), ("Height", "3417"), ("Stone", "三等6016"), ("StoneStatus", "存"),
                  ("Region", "南投縣"), ("Visit1", "33"), ("Waypoint", "S6016"), ("Longitude", "121.2713"),
                  ("Attitude", "24.1425")]),
    ("三等6055", [("Name", "雪山"), ("Height", "3886"), ("Stone", "三等6055"), ("Region", "台中市"),
                  ("Visit1", "45"), ("Waypoint", "S6055"), ("Longitude", "121.2313"), ("Attitude", "24.3830")]),
    ("二等1130", [("Name", "七星山"), ("Height", "1120"), ("Stone", "二等1130"), ("Region", "台北市"),
                  ("Visit1", "9"), ("Waypoint", "S1130"), ("Longitude", "121.5480"), ("Attitude", "25.1710")]),
    ("森林1072", [("Name", "加里山"), ("Height", "2220"), ("Stone", "森林1072"), ("Region", "苗栗縣"),
                  ("Waypoint", "F1072"), ("Longitude", "121.0580"), ("Attitude", "24.5150")]),
    ("圖根點平頂", [("Height", "1600"), ("Stone", "圖根點"), ("StoneAlias", "土地調查局"), ("Region", "新竹縣"),
                   ("Longitude", "121.2110"), ("Attitude", "24.6390")], "cp950"),
]

# Old trails: keys of [OldTrail].
OLD_TRAILS = [
    ("能高越嶺古道", [("Name", "能高越嶺古道"), ("Name2", "能高越嶺道"), ("Length", "82000"), ("Region", "南投縣,花蓮縣"),
                     ("Visit1", "54"), ("Visit2", "55"), ("BlueSky1", "(十一003)能高越嶺"), ("Track", "能高越嶺")]),
    ("八通關古道", [("Name", "八通關古道"), ("Name2", "日治八通關"), ("Length", "125000"), ("Region", "南投縣,花蓮縣"),
                   ("Visit1", "130"), ("Quill1", "十四011-八通關"), ("Track", "八通關")]),
    ("淡蘭古道", [("Name", "淡蘭古道"), ("Name2", "北路"), ("Length", "40000"), ("Region", "新北市,宜蘭縣"),
                 ("Visit1", "8"), ("Visit2", "17"), ("Track", "淡蘭北路")]),
    ("錐麓古道", [("Name", "錐麓古道"), ("Length", "10300"), ("Region", "花蓮縣"), ("BlueSky1", "(十035)太魯閣"),
                 ("Track", "錐麓")]),
]

GROUPS = [("山", "Talvane", PEAKS), ("基石", "Stone", STONES), ("古道", "OldTrail", OLD_TRAILS)]


def main():
    if os.path.isdir(DATA):
        shutil.rmtree(DATA)
    write(os.path.join(HERE, "峰嵐錄.txt"), ini([
        ("DataGroup", [("BaseFolder", "data"), ("Group1", "山"), ("Group2", "基石"), ("Group3", "古道")]),
        ("StoneLevel", [("Level1", "一等三角點,一等"), ("Level2", "二等三角點,二等"),
                        ("Level3", "三等三角點,三等"), ("Level4", "森林三角點,森林"), ("Level5", "圖根點,圖根")]),
    ]))
    write(os.path.join(HERE, "Local.txt"), ini([("GPS", [])]))
    counts = []
    for folder, section, items in GROUPS:
        for entry in items:
            name, keys = entry[0], entry[1]
            encoding = entry[2] if len(entry) > 2 else "utf-16"
            write(os.path.join(DATA, folder, name + ".txt"), ini([(section, keys)]), encoding)
        counts.append((folder, [("NumOfItems", str(len(items)))]))
    write(os.path.join(DATA, "Cache.txt"), ini(counts))


if __name__ == "__main__":
    main()
