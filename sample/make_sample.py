#!/usr/bin/env python3
"""Writes the sample catalog: the two settings files and the data folder with a peak folder,
a survey-stone folder, an old-trail folder and the hiking companions' folder 山友, as the owner's Windows machine writes them
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


# Hiking companions: file name in the data folder's 山友 folder and the keys of its [Hiking]
# section. Their order is [HikingMate] Mate1, Mate2, ... of 峰嵐錄.txt.
MATES = [
    ("阿凱", [("Title", "阿凱的登山紀錄"), ("ShortTitle", "阿凱"), ("KeyTitle", "阿凱"),
             ("KeyLink", "阿凱Link")]),
    # A title that holds "&" (doubled in menus) and "%d" (kept as written).
    ("山羊", [("Title", "山羊&小鹿%d隊"), ("ShortTitle", "山羊"), ("KeyTitle", "山羊"), ("KeyLink", "山羊Link")]),
    # Title only: the peak files record this companion under "Wendy1", "Wendy2", ...
    ("Wendy", [("Title", "Wendy")]),
]


def peak(name, name2, height, stone, region, lat, lon, waypoint, visits=(), bluesky=(), quill=(),
         mates=(), extra=()):
    """The [Talvane] keys of one peak: walk visits, atlas references in the two code forms and
    companions' visits as (companion key, [dates]) with dates in the forms companions write."""
    keys = [("Name", name)]
    if name2:
        keys.append(("Name2", name2))
    keys += [("Height", str(height))]
    if stone:
        keys.append(("Stone", stone))
    keys += list(extra)
    keys.append(("Region", region))
    keys += [("Visit%d" % (i + 1), str(v)) for i, v in enumerate(visits)]
    keys += [("BlueSky%d" % (i + 1), v) for i, v in enumerate(bluesky)]
    keys += [("Quill%d" % (i + 1), v) for i, v in enumerate(quill)]
    for key, dates in mates:
        keys += [("%s%d" % (key, i + 1), d) for i, d in enumerate(dates)]
    keys += [("Waypoint", waypoint), ("Longitude", "%.4f" % lon), ("Attitude", "%.4f" % lat)]
    return keys


# Peaks: file name, keys of [Talvane], and "cp950" for a file an older editor saved in Big5.
# Heights in metres, WGS84 degrees, regions as the settings' region list names them.
PEAKS = [
    ("玉山主峰", peak("玉山", "主峰", 3952, "一等三角點", "南投縣,嘉義縣,高雄市", 23.4700, 120.9572, "YUSHAN",
                     visits=[12, 87, 153], bluesky=["(十五045)玉山群峰"], quill=["十二031-玉山"],
                     mates=[("阿凱", ["2008/11/22", "2016/4/9"]), ("Wendy", ["2016.4.9"])],
                     extra=[("StoneStatus", "存")])),
    ("玉山北峰", peak("玉山北峰", "", 3858, "三等三角點", "南投縣,嘉義縣", 23.4875, 120.9597, "YUSHANN",
                     visits=[87], bluesky=["(十五044)玉山北峰"], mates=[("阿凱", ["2008/11/22"])])),
    ("玉山東峰", peak("玉山東峰", "", 3869, "", "南投縣", 23.4703, 120.9650, "YUSHANE",
                     visits=[153], bluesky=["(十五046)玉山東峰"], mates=[("Wendy", ["2016.4.9"])])),
    ("玉山南峰", peak("玉山南峰", "", 3844, "", "南投縣,高雄市", 23.4453, 120.9564, "YUSHANS",
                     bluesky=["(十五048)玉山南峰"], quill=["十二033-玉山南峰"])),
    ("雪山主峰", peak("雪山", "主峰", 3886, "一等三角點", "台中市", 24.3833, 121.2317, "SYUESHAN",
                     visits=[45, 160], bluesky=["(六012)雪山東峰", "(六014)雪山主峰"],
                     mates=[("山羊", ["100/7/2"])], extra=[("Stone2", "三等6055")])),
    ("雪山北峰", peak("雪山北峰", "", 3703, "三等三角點", "台中市,苗栗縣", 24.4206, 121.2261, "SYUESHANN",
                     visits=[161], bluesky=["(六009)雪山北峰"], quill=["五021-聖稜線"])),
    ("桃山", peak("桃山", "", 3325, "三等6052", "台中市", 24.4327, 121.3036, "TAOSHAN",
                 visits=[160], bluesky=["(六003)武陵四秀"], mates=[("山羊", ["100/7/1"])])),
    ("品田山", peak("品田山", "", 3524, "三等三角點", "台中市,新竹縣", 24.4336, 121.2739, "PINTIAN",
                   visits=[160], bluesky=["(六004)武陵四秀"], mates=[("山羊", ["100/7/1"])])),
    ("池有山", peak("池有山", "", 3303, "三等三角點", "台中市", 24.4272, 121.2847, "CHIYOU",
                   visits=[160], bluesky=["(六005)武陵四秀"])),
    ("志佳陽大山", peak("志佳陽大山", "", 3289, "三等三角點", "台中市", 24.3664, 121.2603, "JHIJIAYANG",
                     visits=[174], bluesky=["(六016)志佳陽大山"])),
    ("大霸尖山", peak("大霸尖山", "", 3492, "無", "新竹縣,苗栗縣", 24.4603, 121.2583, "DABAJIAN",
                     visits=[21], bluesky=["(四005)大霸尖山"], quill=["三019-大霸尖山", "三020-小霸尖山"],
                     mates=[("阿凱", ["2005/8/13"])])),
    ("南湖大山", peak("南湖大山", "", 3742, "一等三角點", "台中市,宜蘭縣", 24.3614, 121.4389, "NANHU",
                     visits=[66], bluesky=["(五033)南湖大山"], quill=["七008-南湖大山"],
                     mates=[("阿凱", ["2007/10/12"]), ("山羊", ["96/10/12"])],
                     extra=[("StoneAlias", "一等1")])),
    ("南湖北山", peak("南湖北山", "", 3536, "三等三角點", "台中市,宜蘭縣", 24.3814, 121.4425, "NANHUN",
                     visits=[66], bluesky=["(五031)南湖北山"], mates=[("山羊", ["96/10/11"])])),
    ("中央尖山", peak("中央尖山", "", 3705, "三等三角點", "台中市,花蓮縣", 24.3125, 121.4183, "JHONGYANGJIAN",
                     bluesky=["(五038)中央尖山"], quill=["七012-中央尖山"])),
    ("合歡山主峰", peak("合歡山", "主峰", 3417, "三等6016", "南投縣,花蓮縣", 24.1419, 121.2714, "HEHUAN",
                       visits=[5, 33, 34, 120], bluesky=["(八021)合歡群峰"],
                       mates=[("阿凱", ["2003/1/25", "2012/2/4"]), ("山羊", ["101/2/4"]),
                              ("Wendy", ["2019.1.12"])])),
    ("合歡山東峰", peak("合歡山東峰", "", 3421, "三等三角點", "南投縣,花蓮縣", 24.1375, 121.2806, "HEHUANE",
                       visits=[33, 120], bluesky=["(八022)合歡東峰"], mates=[("Wendy", ["2019.1.12"])])),
    ("合歡山北峰", peak("合歡山北峰", "", 3422, "三等三角點", "南投縣,花蓮縣", 24.1817, 121.2456, "HEHUANN",
                       visits=[34], bluesky=["(八018)合歡北峰"])),
    ("合歡山西峰", peak("合歡山西峰", "", 3145, "三等三角點", "南投縣仁愛鄉", 24.1828, 121.2364, "HEHUANW",
                       visits=[121], bluesky=["(八017)合歡西峰"])),
    ("石門山", peak("石門山", "", 3237, "三等三角點", "南投縣,花蓮縣", 24.1461, 121.2875, "SHIMEN",
                   visits=[5], bluesky=["(八023)合歡群峰"], mates=[("阿凱", ["2003/1/25"])])),
    ("畢祿山", peak("畢祿山", "", 3371, "三等三角點", "台中市,花蓮縣", 24.2000, 121.3361, "BILU",
                   bluesky=["(八011)畢祿山"])),
    ("白姑大山", peak("白姑大山", "", 3341, "一等三角點", "台中市,南投縣", 24.1572, 121.1500, "BAIGU",
                     visits=[142], bluesky=["(八030)白姑大山"])),
    ("奇萊主山北峰", peak("奇萊北峰", "奇萊主山北峰", 3607, "一等三角點", "花蓮縣,南投縣", 24.1294, 121.3272,
                         "CILAINORTH", visits=[140], bluesky=["(九017)奇萊北峰"],
                         mates=[("阿凱", ["2010/9/25"])])),
    ("奇萊主山", peak("奇萊主山", "", 3560, "三等三角點", "花蓮縣,南投縣", 24.0986, 121.3231, "CILAI",
                     visits=[141], bluesky=["(九019)奇萊主山"])),
    ("能高山", peak("能高山", "", 3262, "三等三角點", "南投縣,花蓮縣", 24.0331, 121.2944, "NENGGAO",
                   visits=[55], bluesky=["(十一005)能高山"], mates=[("山羊", ["99.10.17"])])),
    ("西巒大山", peak("西巒大山", "", 3081, "一等三角點", "南投縣", 23.7125, 120.9208, "SILUAN",
                     visits=[110], bluesky=["(十三008)西巒大山"])),
    ("郡大山", peak("郡大山", "", 3265, "三等三角點", "南投縣", 23.6314, 120.9600, "JYUNDA",
                   bluesky=["(十三015)郡大山"])),
    ("秀姑巒山", peak("秀姑巒山", "", 3825, "一等三角點", "花蓮縣,南投縣", 23.4975, 121.0572, "SIOUGULUAN",
                     visits=[98], bluesky=["(十四027)秀姑巒山"], mates=[("Wendy", ["2017.10.7"])])),
    ("向陽山", peak("向陽山", "", 3602, "三等6128", "台東縣,高雄市", 23.2889, 121.0030, "SIANGYANG",
                   visits=[77, 78], bluesky=["(十八012)向陽山"], mates=[("阿凱", ["2013/3/30"])])),
    ("三叉山", peak("三叉山", "", 3496, "三等三角點", "台東縣,高雄市", 23.2931, 121.0453, "SANCHA",
                   visits=[78], bluesky=["(十八013)嘉明湖"], quill=["十六022-嘉明湖"],
                   mates=[("阿凱", ["2013/3/31"]), ("Wendy", ["2021.11.6"])])),
    ("關山", peak("關山", "", 3668, "一等三角點", "高雄市,台東縣", 23.2361, 120.9086, "GUANSHAN",
                 bluesky=["(十八020)關山"])),
    ("卑南主山", peak("卑南主山", "", 3295, "一等三角點", "台東縣,高雄市", 22.9869, 120.9461, "BEINAN",
                     quill=["十七040-卑南主山"])),
    ("北大武山", peak("北大武山", "", 3092, "一等三角點", "屏東縣,台東縣", 22.6267, 120.7606, "BEIDAWU",
                     bluesky=["(二十二040)北大武山"])),
    ("七星山", peak("七星山", "主峰", 1120, "一等三角點", "台北市", 25.1717, 121.5546, "CISING",
                   visits=[2, 9, 31, 101, 177],
                   mates=[("阿凱", ["2001/2/10", "2011/12/31"]), ("山羊", ["99/3/14"]),
                          ("Wendy", ["2018.2.17", "2020.12.5"])]), "cp950"),
    ("觀音山", peak("觀音山", "硬漢嶺", 616, "二等1069", "新北市", 25.1353, 121.4247, "GUANYIN",
                   visits=[1], mates=[("阿凱", ["2000/10/1"])]), "cp950"),
    ("基隆山", peak("基隆山", "", 588, "三等1109", "新北市瑞芳區", 25.1217, 121.8600, "KEELUNG",
                   visits=[15], mates=[("Wendy", ["2015.6.20"])]), "cp950"),
    ("五分山", peak("五分山", "", 757, "二等1065", "新北市平溪區", 25.0706, 121.7817, "WUFEN",
                   visits=[16])),
    ("劍潭山", peak("劍潭山", "", 153, "二等1064", "台北市士林區", 25.0844, 121.5344, "JIANTAN",
                   visits=[3, 24])),
    ("南港山", peak("南港山", "", 375, "三等695", "台北市信義區", 25.0261, 121.5867, "NANGANG",
                   visits=[4], mates=[("山羊", ["98/1/1"])]), "cp950"),
]

# Survey stones: keys of [Stone] (Stone is the required key).
STONES = [
    ("三等6016", [("Name", "合歡山"), ("Height", "3417"), ("Stone", "三等6016"), ("StoneStatus", "存"),
                  ("Region", "南投縣"), ("Visit1", "33"), ("Waypoint", "S6016"), ("Longitude", "121.2714"),
                  ("Attitude", "24.1419")]),
    ("三等6055", [("Name", "雪山"), ("Height", "3886"), ("Stone", "三等6055"), ("Region", "台中市"),
                  ("Visit1", "45"), ("Waypoint", "S6055"), ("Longitude", "121.2317"), ("Attitude", "24.3833")]),
    ("二等1069", [("Name", "觀音山"), ("Height", "616"), ("Stone", "二等1069"), ("Region", "新北市"),
                  ("Visit1", "1"), ("Waypoint", "S1069"), ("Longitude", "121.4247"), ("Attitude", "25.1353")]),
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

# The regions of the settings' region list; the first three are greater Taipei. 台北縣 is the
# old name the owner's lists keep; [DisplayName] shows it as 新北市 while the peak files say 新北市.
REGIONS = ["台北市", "台北縣", "基隆市", "宜蘭縣", "新竹縣", "苗栗縣", "台中市", "南投縣", "嘉義縣", "高雄市",
           "屏東縣", "台東縣", "花蓮縣"]
# Member words of some regions: the townships the peak files name (烏來 and 三峽 name no peak).
REGION_MEMBERS = [("台北市", "士林,信義"), ("台北縣", "新北市,烏來,三峽,瑞芳,平溪"), ("南投縣", "仁愛")]
# Region sets: [Talvane] Region1, ... and the regions of each under its name in [Region].
REGION_SETS = [("大台北", "台北市,台北縣,基隆市"), ("中部", "台中市,南投縣,苗栗縣")]
CONVERSIONS = ["台北縣,新北市"]

# Title lists: [Talvane] Title1, ...; a title with a [TitleSet] entry stands for the set's
# titles, the later ones shown beneath the first. Each list's entries are under its name in
# [Title] (whole, or in numbered parts name1, name2, ...). An entry is a peak's Name, or a Name
# with a region part "(...)" and, after it, a stone part "(...)".
TITLES = ["百岳", "小百岳"]
TITLE_SETS = [("百岳", "百岳,五嶽,三尖")]
TITLE_ENTRIES = [
    ("百岳1", "玉山(南投)(一等),玉山北峰,玉山東峰,玉山南峰,雪山,雪山北峰,桃山,品田山,池有山,志佳陽大山,"
             "大霸尖山,南湖大山,南湖北山,中央尖山,合歡山,合歡山東峰,合歡山北峰,合歡山西峰"),
    ("百岳2", "石門山,畢祿山,白姑大山,奇萊北峰,奇萊主山,能高山(南投),西巒大山,郡大山,秀姑巒山,向陽山,"
             "三叉山,關山,卑南主山,北大武山,馬博拉斯山,大水窟山,達芬尖山"),
    ("五嶽", "玉山,雪山,秀姑巒山,南湖大山,北大武山"),
    ("三尖", "中央尖山,大霸尖山,達芬尖山"),
    ("小百岳", "七星山,觀音山,基隆山,五分山,南港山,大崙頭山,紅淡山"),
]
# More visited peaks of a list than this is worth a warning.
WARNINGS = [("三尖", "2")]

GROUP_KEY = "Talvane"
GROUP_NAME = "山"
GROUPS = [("山", "Talvane", PEAKS), ("基石", "Stone", STONES), ("古道", "OldTrail", OLD_TRAILS)]


def split_list(text, limit):
    """The settings' comma lists: a "," after the first character ends a piece; with no comma,
    or a comma first, the rest is one piece."""
    pieces = []
    while text and len(pieces) < limit:
        comma = text.find(",")
        if comma > 0:
            pieces.append(text[:comma])
            text = text[comma + 1:]
        else:
            pieces.append(text)
            text = ""
    return pieces


def peak_keys():
    return [dict(entry[1]) for entry in PEAKS]


def entry_matches(entry, keys):
    """Whether a title entry names the peak: the name alone, or name(region)[(stone)]."""
    name = keys["Name"]
    if entry == name:
        return True
    p = entry.find("(")
    if p < 0 or len(name) != p or entry[:p] != name:
        return False
    q = entry.find(")")
    if q < 0 or q <= p + 1:
        return False
    if entry[p + 1:q] not in keys.get("Region", ""):
        return False
    r = entry.find("(", q)
    if r < 0:
        return True
    t = entry.find(")", r)
    if t < 0 or t <= r + 1:
        return True
    return entry[r + 1:t] in keys.get("Stone", "")


def title_entries(title):
    parts = dict(TITLE_ENTRIES)
    text = parts.get(title)
    if text is None:
        numbered = []
        n = 1
        while "%s%d" % (title, n) in parts and n <= 15:
            numbered.append(parts["%s%d" % (title, n)])
            n += 1
        text = ",".join(numbered)
    return split_list(text, 180)


def title_count(title):
    """Rows of a title list: the entries that some peak names first."""
    entries = title_entries(title)
    named = set()
    for keys in peak_keys():
        for i, entry in enumerate(entries):
            if entry_matches(entry, keys):
                named.add(i)
                break
    return len(named)


def region_words(region):
    return [region] + split_list(dict(REGION_MEMBERS).get(region, ""), 30)


def region_count(words):
    """Peaks whose region text holds one of the words."""
    return sum(1 for keys in peak_keys() if any(w in keys["Region"] for w in words))


def subset_counts():
    """The row count of every title and region subset of the peak group, under its name."""
    counts = []
    titles = []
    for title in TITLES:
        titles += split_list(dict(TITLE_SETS).get(title, title), 500)
    counts += [(t, title_count(t)) for t in titles]
    for name, regions in REGION_SETS:
        words = []
        for region in split_list(regions, 30):
            words += region_words(region)
        counts.append((name + "的" + GROUP_NAME, region_count(words)))
    for region in REGIONS:
        counts.append((region + "的" + GROUP_NAME, region_count(region_words(region))))
        for member in region_words(region)[1:]:
            counts.append((member + "的" + GROUP_NAME, region_count([member])))
    return [(name, str(n)) for name, n in counts if n > 0]


def main():
    if os.path.isdir(DATA):
        shutil.rmtree(DATA)
    write(os.path.join(HERE, "峰嵐錄.txt"), ini([
        ("DataGroup", [("BaseFolder", "data"), ("Group1", "山"), ("Group2", "基石"), ("Group3", "古道")]),
        ("StoneLevel", [("Level1", "一等三角點,一等"), ("Level2", "二等三角點,二等"),
                        ("Level3", "三等三角點,三等"), ("Level4", "森林三角點,森林"), ("Level5", "圖根點,圖根")]),
        (GROUP_KEY, [("Title%d" % (i + 1), t) for i, t in enumerate(TITLES)]
         + [("Region%d" % (i + 1), name) for i, (name, _) in enumerate(REGION_SETS)]),
        ("TitleSet", TITLE_SETS),
        ("Title", TITLE_ENTRIES),
        ("Warning", WARNINGS),
        ("Region", [("RegionList", ",".join(REGIONS))] + REGION_MEMBERS + REGION_SETS),
        ("DisplayName", [("Convert%d" % (i + 1), c) for i, c in enumerate(CONVERSIONS)]),
        ("HikingMate", [("Mate%d" % (i + 1), name + ".txt") for i, (name, _) in enumerate(MATES)]),
    ]))
    write(os.path.join(HERE, "Local.txt"), ini([("GPS", [])]))
    for name, keys in MATES:
        write(os.path.join(DATA, "山友", name + ".txt"), ini([("Hiking", keys)]))
    counts = []
    for folder, section, items in GROUPS:
        for entry in items:
            name, keys = entry[0], entry[1]
            encoding = entry[2] if len(entry) > 2 else "utf-16"
            write(os.path.join(DATA, folder, name + ".txt"), ini([(section, keys)]), encoding)
        counts.append((folder, [("NumOfItems", str(len(items)))]))
    counts.append((GROUP_KEY, subset_counts()))
    write(os.path.join(DATA, "Cache.txt"), ini(counts))


if __name__ == "__main__":
    main()
