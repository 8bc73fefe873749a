#!/usr/bin/env python3
"""Writes the sample catalog: the two settings files and the data folder with a peak folder,
a survey-stone folder, an old-trail folder, a waterfall folder, a plant folder (with the plants'
photos in family folders, drawn by the project's sample_photos program) and the hiking
companions' folder 山友, as the owner's Windows machine writes them
(UTF-16LE with byte-order mark and CR LF; a few older files in CP950 without byte-order mark);
and the owner's pages in UTF-8: the walk index page walk2.htm with the walk reports in walks/,
and the BlueSky atlas page guide2.htm; 岫禾圖集's index and the companions' trips are in 山友.
Each group's all-in-one GPS file (!台灣的山.gdb, !台灣的基石.gdb, !台灣的古道2.gdb, !台灣的瀑布.gdb in the data folder)
is made by gpsbabel (a GDB file of version 3, UTF-8 names) from a GPX file the script writes into
gps-source/ from the items' own coordinates; Mapping.txt names the waypoints of two items whose
files do not. The walks' own GPS files are in data/gps/ (gpsbabel again, from gps-source/gps/), one
walk's file named only by that walk's page data/w52/index.htm; the owner's list templates, in
Big5, are in data/Template/ (the pages the program writes from them go to data/TableMT/, which
is not kept), with the walk report templates in UTF-8 (their pages go to data/walk3/ and
data/walk4/, not kept either; the one report page the owner published, data/walk3a.htm, is an
older copy that the reports refresh).

The second layout, nature/ (its own two settings files), shows the waterfalls, the plants and
the old trails of the same data folder.

Run from anywhere (needs gpsbabel, CMake and the Qt build tools; TALVANE_SAMPLE_BUILD names the
build folder for sample_photos, build/ by default):  python3 sample/make_sample.py
"""
import os
import shutil
import subprocess
from xml.sax.saxutils import escape, quoteattr

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "data")
GPS_SOURCE = os.path.join(HERE, "gps-source")


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


# The owner's walk reports: number, date, title, centred cell (days), link and the item files
# (of any group) visited on the walk. The walk index page data/walk2.htm lists them newest first;
# a link None gives an old row without a link (its title after a "</font>" mark), a relative link
# names a report page written into data/walks/, an "http" link stays as written.
WALKS = [
    (1, "2015/1/18", "陽明山七星山主峰、東峰", "1天", None, ["七星山"]),
    (2, "2015/6/20", "瑞芳基隆山、淡蘭古道、平溪五分山", "1天", "walks/w2.htm", ["基隆山", "五分山", "淡蘭古道", "三等1109", "二等1065", "十分瀑布"]),
    (3, "2015/11/7", "觀音山硬漢嶺步道", "1天", "walks/w3.htm", ["觀音山", "二等1069"]),
    (4, "2016/4/9", "玉山主峰、東峰單攻", "2天", "walks/w4.htm", ["玉山主峰", "玉山東峰"]),
    (5, "2016/10/15", "合歡山主峰、東峰、石門山", "1天", "walks/w5.htm", ["合歡山主峰", "合歡山東峰", "石門山", "三等6016"]),
    (6, "2017/7/1", "武陵四秀：品田山、池有山、桃山", "3天", "https://blog.example.com/2017/07/wuling.html",
     ["品田山", "池有山", "桃山"]),
    (7, "2017/10/7", "八通關越嶺道上秀姑巒山", "4天", "walks/w7.htm", ["秀姑巒山", "八通關古道", "雲龍瀑布"]),
    (8, "2018/2/17", "七星山夢幻湖、劍潭山夜景", "1天", "walks/w8.htm", ["七星山", "劍潭山"]),
    (9, "2018/8/11", "雪山主峰、北峰三日", "3天", "walks/w9.htm", ["雪山主峰", "雪山北峰", "三等6055"]),
    (10, "2019/1/12", "合歡北峰、西峰雪季", "2天", "walks/w10.htm", ["合歡山主峰", "合歡山東峰", "合歡山北峰", "合歡山西峰"]),
    (11, "2019/9/21", "奇萊北峰、奇萊主山", "3天", "walks/w11.htm", ["奇萊主山北峰", "奇萊主山"]),
    (12, "2020/10/17", "能高越嶺道、能高山", "3天", "walks/w12.htm", ["能高山", "能高越嶺古道"]),
    (13, "2021/11/6", "嘉明湖、向陽山、三叉山", "3天", "https://blog.example.com/2021/11/jiaming-lake.html",
     ["向陽山", "三叉山"]),
    (14, "2022/10/22", "新竹五指山、十八尖山", "1天", "walks/w14.htm", ["五指山", "十八尖山"]),
    (15, "2023/5/20", "南湖大山、南湖北山五日", "5天", "walks/w15.htm", ["南湖大山", "南湖北山"]),
    (16, "2024/4/6", "玉山主峰、北峰", "2天", "walks/w16.htm", ["玉山主峰", "玉山北峰"]),
    (17, "2025/3/15", "七星山、南港山、劍潭山", "1天", "walks/w17.htm", ["七星山", "南港山", "劍潭山", "一等三角點七星山", "三等695", "二等1064"]),
    # The owner's later numbering (walks 18 to 50 are not in the sample): from walk 51 on a
    # walk's GPS file may be kept under another walk's number, named by the walk's own page.
    (51, "2025/8/16", "合歡山北峰、西峰夏日", "1天", "walks/w51.htm", ["合歡山北峰", "合歡山西峰"]),
    (52, "2025/10/4", "武陵二日：桃山、池有山", "1天", "walks/w52.htm", ["桃山", "池有山"]),
    (53, "2025/10/5", "武陵二日：品田山", "1天", "walks/w53.htm", ["品田山"]),
]
# A few lines of each report page.
WALK_NOTES = {
    2: "早上從勸濟堂登基隆山，午後走淡蘭古道到平溪，傍晚上五分山看雷達站。",
    3: "從凌雲寺上硬漢嶺，觀音山的二等三角點在步道旁。",
    4: "排雲山莊一宿，清晨攻頂玉山主峰看日出，回程繞玉山東峰。",
    5: "武嶺停車，先上合歡山主峰與三等三角點，再到東峰，最後石門山。",
    7: "東埔出發，走八通關越嶺道經觀高，第三天登秀姑巒山。",
    8: "冬末的七星山夢幻湖，晚上到劍潭山看夜景。",
    9: "武陵農場登山口，經三六九山莊，雪山主峰的一等三角點與三等6055都找到了。",
    10: "雪季的合歡北峰與西峰，順訪主峰與東峰。",
    11: "松雪樓出發，經成功山屋、黑水塘，登奇萊北峰與奇萊主山。",
    12: "天池山莊兩宿，能高越嶺道上的能高山。",
    14: "上午五指山，下午新竹市區的十八尖山。",
    15: "思源埡口進，審馬陣山屋，南湖圈谷，南湖大山與南湖北山。",
    16: "第二次登玉山主峰，下山前加走北峰氣象站。",
    17: "陽明山七星山，下午轉往南港山與劍潭山。",
    51: "松雪樓出發，夏天的合歡北峰，再走到西峰來回。",
    52: "武陵農場登山口，上桃山，再縱走到池有山，新達山屋一宿。",
    53: "新達山屋出發，經品田山前峰登品田山，當天下山；兩天的航跡存在一個檔案裡。",
}


def walks_of(item):
    """Visit%d keys of an item file: the walks that visited it, newest (highest number) first."""
    numbers = sorted((n for n, _, _, _, _, items in WALKS if item in items), reverse=True)
    return [("Visit%d" % (i + 1), str(n)) for i, n in enumerate(numbers)]


def peak(name, name2, height, stone, region, lat, lon, waypoint, bluesky=(), quill=(),
         mates=(), extra=()):
    """The [Talvane] keys of one peak but its walk visits (they come from WALKS): atlas references
    in the two code forms and companions' visits as (companion key, [dates]) with dates in the
    forms companions write."""
    keys = [("Name", name)]
    if name2:
        keys.append(("Name2", name2))
    keys += [("Height", str(height))]
    if stone:
        keys.append(("Stone", stone))
    keys += list(extra)
    keys.append(("Region", region))
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
                     bluesky=["(十五045)玉山群峰"], quill=["十二031-玉山"],
                     mates=[("阿凱", ["2008/11/22", "2016/4/9"]), ("Wendy", ["2016.4.9"])],
                     extra=[("StoneStatus", "存")])),
    ("玉山北峰", peak("玉山北峰", "", 3858, "三等三角點", "南投縣,嘉義縣", 23.4875, 120.9597, "YUSHANN",
                     bluesky=["(十五044)玉山北峰"], mates=[("阿凱", ["2008/11/22"])])),
    ("玉山東峰", peak("玉山東峰", "", 3869, "", "南投縣", 23.4703, 120.9650, "YUSHANE",
                     bluesky=["(十五046)玉山東峰"], mates=[("Wendy", ["2016.4.9"])])),
    ("玉山南峰", peak("玉山南峰", "", 3844, "", "南投縣,高雄市", 23.4453, 120.9564, "YUSHANS",
                     bluesky=["(十五048)玉山南峰"], quill=["十二033-玉山南峰"])),
    # The rest of the 玉山 group, still to climb (no stones recorded); 玉山西峰's file an older
    # editor saved in Big5.
    ("玉山西峰", peak("玉山西峰", "", 3518, "", "嘉義縣", 23.4725, 120.9330, "YUSHANW"), "cp950"),
    ("玉山前峰", peak("玉山前峰", "", 3239, "", "南投縣,嘉義縣", 23.4790, 120.9170, "YUSHANF")),
    ("玉山北北峰", peak("玉山北北峰", "", 3833, "", "南投縣", 23.4960, 120.9610, "YUSHANNN")),
    ("東小南山", peak("東小南山", "", 3744, "", "嘉義縣,高雄市", 23.4297, 120.9533, "DONGSIAONAN")),
    ("小南山", peak("小南山", "", 3582, "", "嘉義縣,高雄市", 23.4275, 120.9390, "SIAONAN")),
    ("雪山主峰", peak("雪山", "主峰", 3886, "一等三角點", "台中市", 24.3833, 121.2317, "SYUESHAN",
                     bluesky=["(六012)雪山東峰", "(六014)雪山主峰"],
                     mates=[("山羊", ["100/7/2"])], extra=[("Stone2", "三等6055")])),
    ("雪山北峰", peak("雪山北峰", "", 3703, "三等三角點", "台中市,苗栗縣", 24.4206, 121.2261, "SYUESHANN",
                     bluesky=["(六009)雪山北峰"], quill=["五021-聖稜線"])),
    ("桃山", peak("桃山", "", 3325, "三等6052", "台中市", 24.4327, 121.3036, "TAOSHAN",
                 bluesky=["(六003)武陵四秀"], mates=[("山羊", ["100/7/1"])])),
    ("品田山", peak("品田山", "", 3524, "三等三角點", "台中市,新竹縣", 24.4336, 121.2739, "PINTIAN",
                   bluesky=["(六004)武陵四秀"], mates=[("山羊", ["100/7/1"])])),
    ("池有山", peak("池有山", "", 3303, "三等三角點", "台中市", 24.4272, 121.2847, "CHIYOU",
                   bluesky=["(六005)武陵四秀"])),
    ("志佳陽大山", peak("志佳陽大山", "", 3289, "三等三角點", "台中市", 24.3664, 121.2603, "JHIJIAYANG",
                     bluesky=["(六016)志佳陽大山"])),
    ("大霸尖山", peak("大霸尖山", "", 3492, "無", "新竹縣,苗栗縣", 24.4603, 121.2583, "DABAJIAN",
                     bluesky=["(四005)大霸尖山"], quill=["三019-大霸尖山", "三020-小霸尖山"],
                     mates=[("阿凱", ["2005/8/13"])])),
    ("南湖大山", peak("南湖大山", "", 3742, "一等三角點", "台中市,宜蘭縣", 24.3614, 121.4389, "NANHU",
                     bluesky=["(五033)南湖大山"], quill=["七008-南湖大山"],
                     mates=[("阿凱", ["2007/10/12"]), ("山羊", ["96/10/12"])],
                     extra=[("StoneAlias", "一等1")])),
    ("南湖北山", peak("南湖北山", "", 3536, "三等三角點", "台中市,宜蘭縣", 24.3814, 121.4425, "NANHUN",
                     bluesky=["(五031)南湖北山"], mates=[("山羊", ["96/10/11"])])),
    ("中央尖山", peak("中央尖山", "", 3705, "三等三角點", "台中市,花蓮縣", 24.3125, 121.4183, "JHONGYANGJIAN",
                     bluesky=["(五038)中央尖山"], quill=["七012-中央尖山"])),
    ("合歡山主峰", peak("合歡山", "主峰", 3417, "三等6016", "南投縣,花蓮縣", 24.1419, 121.2714, "HEHUAN",
                       bluesky=["(八021)合歡群峰"],
                       mates=[("阿凱", ["2003/1/25", "2012/2/4"]), ("山羊", ["101/2/4"]),
                              ("Wendy", ["2019.1.12"])])),
    ("合歡山東峰", peak("合歡山東峰", "", 3421, "三等三角點", "南投縣,花蓮縣", 24.1375, 121.2806, "HEHUANE",
                       bluesky=["(八022)合歡東峰"], mates=[("Wendy", ["2019.1.12"])])),
    ("合歡山北峰", peak("合歡山北峰", "", 3422, "三等三角點", "南投縣,花蓮縣", 24.1817, 121.2456, "HEHUANN",
                       bluesky=["(八018)合歡北峰"])),
    ("合歡山西峰", peak("合歡山西峰", "", 3145, "三等三角點", "南投縣仁愛鄉", 24.1828, 121.2364, "HEHUANW",
                       bluesky=["(八017)合歡西峰"])),
    ("石門山", peak("石門山", "", 3237, "三等三角點", "南投縣,花蓮縣", 24.1461, 121.2875, "SHIMEN",
                   bluesky=["(八023)合歡群峰"], mates=[("阿凱", ["2003/1/25"])])),
    ("畢祿山", peak("畢祿山", "", 3371, "三等三角點", "台中市,花蓮縣", 24.2000, 121.3361, "BILU",
                   bluesky=["(八011)畢祿山"])),
    ("白姑大山", peak("白姑大山", "", 3341, "一等三角點", "台中市,南投縣", 24.1572, 121.1500, "BAIGU",
                     bluesky=["(八030)白姑大山"])),
    ("奇萊主山北峰", peak("奇萊北峰", "奇萊主山北峰", 3607, "一等三角點", "花蓮縣,南投縣", 24.1294, 121.3272,
                         "CILAINORTH", bluesky=["(九017)奇萊北峰"],
                         mates=[("阿凱", ["2010/9/25"])])),
    ("奇萊主山", peak("奇萊主山", "", 3560, "三等三角點", "花蓮縣,南投縣", 24.0986, 121.3231, "CILAI",
                     bluesky=["(九019)奇萊主山"])),
    ("能高山", peak("能高山", "", 3262, "三等三角點", "南投縣,花蓮縣", 24.0331, 121.2944, "NENGGAO",
                   bluesky=["(十一005)能高山"], mates=[("山羊", ["99.10.17"])])),
    ("西巒大山", peak("西巒大山", "", 3081, "一等三角點", "南投縣", 23.7125, 120.9208, "SILUAN",
                     bluesky=["(十三008)西巒大山"])),
    ("郡大山", peak("郡大山", "", 3265, "三等三角點", "南投縣", 23.6314, 120.9600, "JYUNDA",
                   bluesky=["(十三015)郡大山"])),
    ("秀姑巒山", peak("秀姑巒山", "", 3825, "一等三角點", "花蓮縣,南投縣", 23.4975, 121.0572, "SIOUGULUAN",
                     bluesky=["(十四027)秀姑巒山"], mates=[("Wendy", ["2017.10.7"])])),
    # Its BlueSky reference still in the old form "藍天圖集[volume]title" (no page): the atlas
    # comparison pairs it with its page and rewrites it.
    ("向陽山", peak("向陽山", "", 3602, "三等6128", "台東縣,高雄市", 23.2889, 121.0030, "SIANGYANG",
                   bluesky=["藍天圖集[18]向陽山"], mates=[("阿凱", ["2013/3/30"])])),
    ("三叉山", peak("三叉山", "", 3496, "三等三角點", "台東縣,高雄市", 23.2931, 121.0453, "SANCHA",
                   bluesky=["(十八013)嘉明湖"], quill=["十六022-嘉明湖"],
                   mates=[("阿凱", ["2013/3/31"]), ("Wendy", ["2021.11.6"])])),
    ("關山", peak("關山", "", 3668, "一等三角點", "高雄市,台東縣", 23.2361, 120.9086, "GUANSHAN",
                 bluesky=["(十八020)關山"])),
    # Two stones of levels 1 and 2, the second recorded lost (失): no double-stone peak.
    ("卑南主山", peak("卑南主山", "", 3295, "一等三角點", "台東縣,高雄市", 22.9869, 120.9461, "BEINAN",
                     quill=["十七040-卑南主山"], extra=[("Stone2", "二等三角點"), ("StoneStatus2", "失")])),
    ("北大武山", peak("北大武山", "", 3092, "一等三角點", "屏東縣,台東縣", 22.6267, 120.7606, "BEIDAWU",
                     bluesky=["(二十二040)北大武山"])),
    ("七星山", peak("七星山", "主峰", 1120, "一等三角點", "台北市", 25.1717, 121.5546, "CISING",
                   mates=[("阿凱", ["2001/2/10", "2011/12/31"]), ("山羊", ["99/3/14"]),
                          ("Wendy", ["2018.2.17", "2020.12.5"])]), "cp950"),
    ("觀音山", peak("觀音山", "硬漢嶺", 616, "二等1069", "新北市", 25.1353, 121.4247, "GUANYIN",
                   mates=[("阿凱", ["2000/10/1"])]), "cp950"),
    ("基隆山", peak("基隆山", "", 588, "三等1109", "新北市瑞芳區", 25.1217, 121.8600, "KEELUNG",
                   mates=[("Wendy", ["2015.6.20"])]), "cp950"),
    ("五分山", peak("五分山", "", 757, "二等1065", "新北市平溪區", 25.0706, 121.7817, "WUFEN")),
    ("劍潭山", peak("劍潭山", "", 153, "二等1064", "台北市士林區", 25.0844, 121.5344, "JIANTAN")),
    ("南港山", peak("南港山", "", 375, "三等695", "台北市信義區", 25.0261, 121.5867, "NANGANG",
                   mates=[("山羊", ["98/1/1"])]), "cp950"),
    # Peaks named with numerals, a second 石門山, and greater-Taipei peaks still to climb (小觀音山
    # lies in a closed ecological zone: its visits are ignored).
    # 二格山 stands on the border of 新店區 and 石碇區: two townships of one county.
    ("二格山", peak("二格山", "", 677, "三等三角點", "新北市新店區,石碇區", 24.9586, 121.6175, "ERGE")),
    ("五指山", peak("五指山", "", 1062, "三等三角點", "新竹縣", 24.6372, 121.0817, "WUJHIH")),
    ("八通關山", peak("八通關山", "", 3335, "三等三角點", "南投縣", 23.4950, 120.9953, "BATONGGUAN",
                     bluesky=["(十五040)八通關山"], quill=["十四010-八通關山"])),
    ("十八尖山", peak("十八尖山", "", 131, "無", "新竹市", 24.7947, 120.9836, "SHIHBAJIAN")),
    ("石門山桃園", peak("石門山", "", 551, "三等三角點", "桃園市龍潭區", 24.8139, 121.2475, "SHIMENTY")),
    ("小觀音山", peak("小觀音山", "", 1068, "三等三角點", "台北市北投區", 25.1881, 121.5297, "SIAOGUANYIN",
                     extra=[("IgnoreVisit", "1")])),
    ("大崙頭山", peak("大崙頭山", "", 476, "三等三角點", "台北市內湖區", 25.0989, 121.5897, "DALUNTOU")),
    # A middle-height peak of which the owner has no record at all: no walk, no atlas page, no
    # companion's visit.
    ("北插天山", peak("北插天山", "", 1727, "三等三角點", "新北市三峽區,桃園市復興區", 24.8240, 121.4300, "BEICHATIAN")),
]

# Survey stones: keys of [Stone] (Stone is the required key; Name is optional).
def stone(name, height, number, region, lat, lon, waypoint, extra=()):
    keys = []
    if name:
        keys.append(("Name", name))
    keys += [("Height", str(height)), ("Stone", number)] + list(extra) + [("Region", region)]
    if waypoint:
        keys.append(("Waypoint", waypoint))
    return keys + [("Longitude", "%.4f" % lon), ("Attitude", "%.4f" % lat)]


# File name (the stone number, with the place when the number is not unique), keys, and "cp950"
# for a file an older editor saved in Big5. The stones of the peaks lie at the peaks' positions.
STONES = [
    ("三等6016", stone("合歡山", 3417, "三等6016", "南投縣", 24.1419, 121.2714, "S6016", [("StoneStatus", "存")])),
    ("三等6055", stone("雪山", 3886, "三等6055", "台中市", 24.3833, 121.2317, "S6055")),
    ("二等1069", stone("觀音山", 616, "二等1069", "新北市", 25.1353, 121.4247, "S1069")),
    ("森林1072", stone("加里山", 2220, "森林1072", "苗栗縣", 24.5150, 121.0580, "F1072")),
    # A control point of the land survey with no name and no waypoint in its file; the stones' GPS
    # file holds a waypoint 平頂 that no stone claims.
    ("圖根點平頂", stone("", 1600, "圖根點", "新竹縣", 24.6390, 121.2110, "", [("StoneAlias", "土地調查局")]),
     "cp950"),
    ("一等三角點玉山", stone("玉山", 3952, "一等三角點", "南投縣", 23.4700, 120.9572, "S1YUSHAN",
                          [("StoneStatus", "存")])),
    ("一等三角點七星山", stone("七星山", 1120, "一等三角點", "台北市", 25.1717, 121.5546, "S1CISING")),
    ("二等1064", stone("劍潭山", 153, "二等1064", "台北市士林區", 25.0844, 121.5344, "S1064")),
    ("二等1065", stone("五分山", 757, "二等1065", "新北市平溪區", 25.0706, 121.7817, "S1065")),
    ("三等1109", stone("基隆山", 588, "三等1109", "新北市瑞芳區", 25.1217, 121.8600, "S1109"), "cp950"),
    ("三等695", stone("南港山", 375, "三等695", "台北市信義區", 25.0261, 121.5867, "S695")),
    ("三等6052", stone("桃山", 3325, "三等6052", "台中市", 24.4327, 121.3036, "S6052")),
    ("三等6128", stone("向陽山", 3602, "三等6128", "台東縣", 23.2889, 121.0030, "S6128")),
    ("三等三角點大崙頭山", stone("大崙頭山", 476, "三等三角點", "台北市內湖區", 25.0989, 121.5897, "S3DALUNTOU")),
    ("三等三角點二格山", stone("二格山", 677, "三等三角點", "台北市文山區", 24.9586, 121.6175, "S3ERGE")),
    ("三等三角點五指山", stone("五指山", 1062, "三等三角點", "新竹縣", 24.6372, 121.0817, "S3WUJHIH")),
    # Taipei city's own survey points, a water-source boundary stone and a provincial control point
    # that fits no stone level.
    ("都計四等17", stone("象山", 183, "都計四等17", "台北市信義區", 25.0275, 121.5762, "T17XIANG")),
    ("北市地測5", stone("軍艦岩", 183, "北市地測5", "台北市北投區", 25.1247, 121.5238, "T5JUNJIAN")),
    ("北水23", stone("獅仔頭山", 857, "北水23", "新北市新店區", 24.8777, 121.4800, "W23SHIHZIH")),
    ("省府A082", stone("紅淡山", 211, "省府A082", "基隆市", 25.1292, 121.7356, "PA082")),
]
# [Stone] Stone1, ...: class words of the stone group beyond the stone levels.
STONE_WORDS = ["北水", "都計四等"]
# [Talvane] Stone1, ...: class words of the peak group.
PEAK_STONE_WORDS = ["三等"]

# Old trails: keys of [OldTrail].
OLD_TRAILS = [
    ("能高越嶺古道", [("Name", "能高越嶺古道"), ("Name2", "能高越嶺道"), ("Length", "82000"), ("Region", "南投縣,花蓮縣"),
                     ("BlueSky1", "(十一003)能高越嶺"), ("Track", "能高越嶺")]),
    ("八通關古道", [("Name", "八通關古道"), ("Name2", "日治八通關"), ("Length", "125000"), ("Region", "南投縣,花蓮縣"),
                   ("Quill1", "十四011-八通關"), ("Track", "八通關")]),
    ("淡蘭古道", [("Name", "淡蘭古道"), ("Name2", "北路"), ("Length", "40000"), ("Region", "新北市,宜蘭縣"),
                 ("Track", "淡蘭北路")]),
    # Two tracks, 錐麓古道1 and 錐麓古道2, and no Track key: locating it asks which one.
    ("錐麓古道", [("Name", "錐麓古道"), ("Length", "10300"), ("Region", "花蓮縣"), ("BlueSky1", "(十035)太魯閣")]),
]


# Waterfalls: keys of [Waterfall] (Name required; Height in metres, left out when unknown).
def waterfall(name, name2, height, region, lat, lon, waypoint):
    keys = [("Name", name)]
    if name2:
        keys.append(("Name2", name2))
    if height:
        keys.append(("Height", str(height)))
    keys.append(("Region", region))
    return keys + [("Waypoint", waypoint), ("Longitude", "%.4f" % lon), ("Attitude", "%.4f" % lat)]


# File name, keys, and "cp950" for the file an older editor saved in Big5. Heights are the drops
# as commonly published; 雲龍瀑布 on the 八通關 old trail has none recorded. The settings' region
# list leaves out 嘉義縣, so 蛟龍瀑布 falls into no region.
WATERFALLS = [
    ("十分瀑布", waterfall("十分瀑布", "台灣尼加拉瀑布", 20, "新北市", 25.0478, 121.7874, "SHIFENFALL")),
    ("烏來瀑布", waterfall("烏來瀑布", "", 80, "新北市", 24.8466, 121.5510, "WULAIFALL"), "cp950"),
    ("五峰旗瀑布", waterfall("五峰旗瀑布", "", 100, "宜蘭縣", 24.8290, 121.7540, "WUFENGCIFALL")),
    ("小烏來瀑布", waterfall("小烏來瀑布", "", 50, "桃園市", 24.8180, 121.3830, "SIAOWULAIFALL")),
    ("蛟龍瀑布", waterfall("蛟龍瀑布", "", 1000, "嘉義縣", 23.5540, 120.6450, "JIAOLONGFALL")),
    ("銀河洞瀑布", waterfall("銀河洞瀑布", "", 30, "新北市", 24.9660, 121.5890, "YINHEFALL")),
    ("雲龍瀑布", waterfall("雲龍瀑布", "", 0, "南投縣", 23.5350, 120.9650, "YUNLONGFALL")),
    ("望古瀑布", waterfall("望古瀑布", "", 10, "新北市", 25.0590, 121.7660, "WANGGUFALL")),
]


# Plants: keys of [Plant] (Name and Class; Name2 where the plant has a second common name) and
# the owner's web pages about it as (title, link) pairs Blog%d/Link%d; a title None leaves that
# number out.
def plant(name, name2, family, pages=()):
    keys = [("Name", name)]
    if name2:
        keys.append(("Name2", name2))
    keys.append(("Class", family))
    for n, (title, link) in enumerate(pages, 1):
        if title is not None:
            keys += [("Blog%d" % n, title), ("Link%d" % n, link)]
    return keys


PLANT_PAGES = "https://plants.example.org/"
# File name "<name>(<family>)", as the add-plant command names a new plant's file.
PLANTS = [
    ("台灣一葉蘭(蘭科)", plant("台灣一葉蘭", "台灣獨蒜蘭", "蘭科", [
        ("台灣一葉蘭：南插天山的花季", PLANT_PAGES + "pleione-formosana.html"),
        ("一葉蘭的栽培筆記", PLANT_PAGES + "pleione-care.html")])),
    ("石斛蘭(蘭科)", plant("石斛蘭", "", "蘭科", [("附生蘭：石斛", PLANT_PAGES + "dendrobium.html")])),
    ("根節蘭(蘭科)", plant("根節蘭", "", "蘭科")),
    ("台灣蝴蝶蘭(蘭科)", plant("台灣蝴蝶蘭", "白花蝴蝶蘭", "蘭科", [
        ("蝴蝶蘭的故鄉", PLANT_PAGES + "phalaenopsis.html")])),
    # Blog1 and Blog3 but no Blog2: the record menu ends at the gap.
    ("玉山杜鵑(杜鵑花科)", plant("玉山杜鵑", "", "杜鵑花科", [
        ("玉山杜鵑：合歡山的五月", PLANT_PAGES + "rhododendron-pseudochrysanthum.html"),
        (None, None),
        ("高山杜鵑比一比", PLANT_PAGES + "rhododendrons.html")])),
    ("紅星杜鵑(杜鵑花科)", plant("紅星杜鵑", "", "杜鵑花科")),
    ("文殊蘭(石蒜科)", plant("文殊蘭", "濱水仙", "石蒜科", [("海邊的文殊蘭", PLANT_PAGES + "crinum.html")]),
     "cp950"),
    ("台灣澤蘭(菊科)", plant("台灣澤蘭", "", "菊科")),
    # A page title holding "&", shown as written (no menu mnemonic).
    ("台灣百合(百合科)", plant("台灣百合", "高砂百合", "百合科", [
        ("百合 & 山谷：台灣百合", PLANT_PAGES + "lilium-formosanum.html")])),
    ("蘭嶼羅漢松(羅漢松科)", plant("蘭嶼羅漢松", "", "羅漢松科")),
    ("吊蘭(天門冬科)", plant("吊蘭", "", "天門冬科")),
    ("阿里山龍膽(龍膽科)", plant("阿里山龍膽", "", "龍膽科")),
]

# [PlantClass] ClassList: the families as the owner added them, not in any order; 杜鵑科 is an
# alias the add-plant command turns into 杜鵑花科. [Plant] NotClass%d: words that name plants of
# other families too (蘭非蘭).
PLANT_CLASSES = ["蘭科", "菊科", "杜鵑花科", "石蒜科", "百合科", "羅漢松科", "天門冬科", "龍膽科"]
PLANT_CLASS_ALIASES = [("杜鵑科", "杜鵑花科")]
PLANT_NOT_CLASSES = ["蘭"]

# The photos of the plants in the data folder's 植物/<family>/ folders, each named by the plant's
# name and a suffix: (family, file name, width, height). Drawn and labelled by sample_photos
# (make_photos.cpp): several of one orchid, a portrait, an upper-case extension, a name longer
# than 15 characters.
PHOTOS = [
    ("蘭科", "台灣一葉蘭1.jpg", 320, 240),
    ("蘭科", "台灣一葉蘭2.jpg", 320, 240),
    ("蘭科", "台灣一葉蘭_南插天山_2019年4月.jpg", 320, 240),
    ("蘭科", "石斛蘭.jpg", 240, 320),
    ("蘭科", "根節蘭.JPG", 320, 240),
    ("蘭科", "台灣蝴蝶蘭.jpg", 320, 240),
    ("杜鵑花科", "玉山杜鵑.jpg", 320, 240),
    ("杜鵑花科", "紅星杜鵑.jpg", 320, 240),
    ("百合科", "台灣百合.jpg", 320, 240),
    ("石蒜科", "文殊蘭.jpg", 320, 240),
]


def add_walk_visits(items):
    """Puts each item's Visit%d keys (from WALKS) right after its Region key."""
    for entry in items:
        keys = entry[1]
        at = next(i + 1 for i, (key, _) in enumerate(keys) if key == "Region")
        keys[at:at] = walks_of(entry[0])


for _items in (PEAKS, STONES, OLD_TRAILS, WATERFALLS):
    add_walk_visits(_items)
# A peak's record keeps 15 characters of its Region: the subsets see no more of it.
assert all(len(dict(e[1])["Region"]) <= 15 for e in PEAKS)

# The regions of the settings' region list; the first three are greater Taipei. 台北縣 is the
# old name the owner's lists keep; [DisplayName] shows it as 新北市 while the peak files say 新北市.
REGIONS = ["台北市", "台北縣", "基隆市", "宜蘭縣", "新竹縣", "苗栗縣", "台中市", "南投縣", "嘉義縣", "高雄市",
           "屏東縣", "台東縣", "花蓮縣"]
# Member words of some regions: the townships the peak files name (烏來 names no peak).
# The first three regions (greater Taipei) give every peak still to climb there a member word, so
# that 待爬的山-大台北 lists the same peaks whether or not a region's own name counts.
REGION_MEMBERS = [("台北市", "士林,信義,內湖"), ("台北縣", "新北市,烏來,三峽,瑞芳,平溪,石碇,新店"), ("南投縣", "仁愛")]
# Region sets (area groups of the region statistics): [Talvane] Region1, ... and the regions of
# each under its name in [Region]. 宜蘭縣 and 新竹縣 belong to none.
REGION_SETS = [("大台北", "台北市,台北縣,基隆市"), ("中部", "台中市,南投縣,苗栗縣"), ("南部", "嘉義縣,高雄市,屏東縣"),
               ("東部", "花蓮縣,台東縣")]
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
    ("百岳2", "石門山(南投),畢祿山,白姑大山,奇萊北峰,奇萊主山,能高山(南投),西巒大山,郡大山,秀姑巒山,八通關山,"
             "向陽山,三叉山,關山,卑南主山,北大武山,馬博拉斯山,大水窟山,達芬尖山"),
    ("五嶽", "玉山,雪山,秀姑巒山,南湖大山,北大武山"),
    ("三尖", "中央尖山,大霸尖山,達芬尖山"),
    ("小百岳", "七星山,觀音山,基隆山,五分山,南港山,大崙頭山,紅淡山,二格山,石門山(桃園),五指山,十八尖山"),
]
# More visited peaks of a list than this is worth a warning.
WARNINGS = [("三尖", "2")]

# Named lists (trip plans): [Talvane] Talvanes1, ... and each list's peaks under its name in
# [Talvanes], whole or in numbered parts; 喀拉業山 and 向陽北峰 are peaks the sample lacks.
NAMED_LISTS = ["武陵四秀", "合歡群峰", "嘉明湖"]
NAMED_LIST_ENTRIES = [
    ("武陵四秀", "品田山,池有山,桃山,喀拉業山"),
    ("合歡群峰1", "合歡山,合歡山東峰,合歡山北峰"),
    ("合歡群峰2", "合歡山西峰,石門山(南投)"),
    ("嘉明湖", "向陽山,三叉山,向陽北峰"),
]
# Series: [Talvane] Serial1, ... and each series' words in [Serial]; 數字 is the numeral series.
SERIALS = [("數字", "一,二,三,四,五,六,七,八,九,十,百,千,萬"), ("方位", "東,南,西,北")]
# Same name: [Talvane] SameName1, ... with aliases in [NameAlias]; name endings: Postfix1, ...
SAME_NAMES = ["石門山", "大山"]
NAME_ALIASES = [("大山", "大崙頭山,大尖")]
POSTFIXES = ["尖", "崙"]

# Links: the walk index page's relative links are taken from OnlineDir, which (itself relative)
# is taken from the program folder: "data\" + "walks/w2.htm" is the report beside walk2.htm.
ONLINE_DIR = "data\\"
WALK_INDEX_FILE = "data\\walk2.htm"
# The walks' GPS files (Local.txt [Template] GPSDir, relative to the program folder), and the
# same folder as the list pages in data/TableMT/ link to it (OnlineGPSDir).
GPS_DIR = "data\\gps\\"
ONLINE_GPS_DIR = "../gps/"
BLUESKY_FILE = "data\\guide2.htm"

# The search dialogs' tolerant name search: a search text splits at any of these characters (the
# space inside the value, so that trimming keeps it), and the characters of NamePairs, taken two
# by two, stand for each other (a text written with 臺 finds names written with 台).
FUZZY_SEPARATORS = "，、 ,()（）"
FUZZY_NAME_PAIRS = "台臺峯峰嶺岭"

# The old form of a BlueSky reference: this word, then the volume number in brackets, then the title.
OLD_STYLE_BLUESKY = "藍天圖集["

# BlueSky atlas pages that no item names (the atlas has more pages than the owner's items; 向陽山's
# file names its page old-style); a link None gives a row without a link.
MORE_BLUESKY = [("五040", "南湖東峰", None), ("十五050", "大水窟山", "https://bluesky.example.org/atlas/15/050.htm"),
                ("十八012", "向陽山", "https://bluesky.example.org/atlas/18/012.htm")]

# 岫禾圖集 pages that no item names.
MORE_QUILL = ["十二036-八通關草原"]

# Companions' trips in their own files: (entry key, link key, [(trip text, link), ...]), the
# trip texts in the forms companions write ("title [date]", "【title】date～date-rest",
# "title (date)", "title（date）"), each on the date of the peaks' visits with that companion but
# one trip on which no peak was recorded. Wendy's file keeps Title only, so its entry and link
# keys would be the same: it lists no trips.
MATE_TRIPS = {
    "阿凱": ("阿凱", "阿凱Link", [
        ("玉山主峰單攻 [2016/04/09]", "https://akai.example.net/2016/04/yushan.html"),
        ("加里山、哈堪尼山 [2014/05/03]", "https://akai.example.net/2014/05/jiali.html"),
        ("向陽山、嘉明湖 [2013/03/30]", "https://akai.example.net/2013/03/jiaming.html"),
        ("合歡山主峰 (2012/02/04)", "https://akai.example.net/2012/02/hehuan.html"),
        ("七星山跨年（2011/12/31）", "https://akai.example.net/2011/12/cising.html"),
        ("奇萊北峰 [2010/09/25]", "https://akai.example.net/2010/09/cilai.html"),
        ("玉山主峰、北峰 [2008/11/22]", "https://akai.example.net/2008/11/yushan.html"),
        ("南湖大山 (2007/10/12)", "https://akai.example.net/2007/10/nanhu.html"),
        ("大霸尖山 [2005/08/13]", "https://akai.example.net/2005/08/daba.html"),
        ("合歡山、石門山 [2003/01/25]", "https://akai.example.net/2003/01/hehuan.html"),
    ]),
    "山羊": ("山羊", "山羊Link", [
        ("合歡山主峰 [101/02/04]", "https://goat.example.net/101/hehuan.htm"),
        ("【武陵四秀】1000701～0703-品田山、桃山", "https://goat.example.net/100/wuling.htm"),
        ("能高越嶺道、能高山 [99/10/17]", "https://goat.example.net/99/nenggao.htm"),
        ("七星山（99/3/14）", "https://goat.example.net/99/cising.htm"),
        ("【南湖大山】0961011～1013-南湖北山", "https://goat.example.net/96/nanhu.htm"),
    ]),
}

GROUP_KEY = "Talvane"
GROUP_NAME = "山"
GROUPS = [("山", "Talvane", PEAKS), ("基石", "Stone", STONES), ("古道", "OldTrail", OLD_TRAILS),
          ("瀑布", "Waterfall", WATERFALLS), ("植物", "Plant", PLANTS)]


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


def numbered_list(parts, name, part_limit, entry_limit):
    """The entries of a list kept whole under its name, or in numbered parts name1, name2, ...
    up to part_limit (the first missing part ends them)."""
    parts = dict(parts)
    text = parts.get(name)
    if text is None:
        numbered = []
        n = 1
        while "%s%d" % (name, n) in parts and n <= part_limit:
            numbered.append(parts["%s%d" % (name, n)])
            n += 1
        text = ",".join(numbered)
    return split_list(text, entry_limit)


def title_entries(title):
    return numbered_list(TITLE_ENTRIES, title, 15, 180)


def list_count(entries):
    """Rows of a title or named list: the entries that some peak names first."""
    named = set()
    for keys in peak_keys():
        for i, entry in enumerate(entries):
            if entry_matches(entry, keys):
                named.add(i)
                break
    return len(named)


def title_count(title):
    return list_count(title_entries(title))


def named_list_count(name):
    return list_count(numbered_list(NAMED_LIST_ENTRIES, name, 12, 200))


def names_of(keys):
    """Name, then Name2 when it is not empty."""
    return [n for n in (keys["Name"], keys.get("Name2", "")) if n]


def serial_count(words):
    """Peaks whose Name or Name2 holds a word of the series (the first 20 words)."""
    words = split_list(words, 20)
    return sum(1 for keys in peak_keys() if any(w in n for n in names_of(keys) for w in words))


def same_name(name, base, aliases):
    """The name holds the base name, or an alias ending in 山, or an alias that ends the name;
    and it does not end in 峰."""
    if base not in name:
        if not any(a in name and (a.endswith("山") or name.find(a) + len(a) == len(name)) for a in aliases):
            return False
    return not name.endswith("峰")


def postfix(name, word):
    """The word stands in the name after its first character; the name does not end in 峰."""
    return name.find(word) > 0 and not name.endswith("峰") and name != "福大山"


def same_name_count(base):
    aliases = split_list(dict(NAME_ALIASES).get(base, ""), 10)
    return sum(1 for keys in peak_keys() if any(same_name(n, base, aliases) for n in names_of(keys)))


def postfix_count(word):
    return sum(1 for keys in peak_keys() if any(postfix(n, word) for n in names_of(keys)))


def visit_count(keys):
    n = 0
    while "Visit%d" % (n + 1) in keys:
        n += 1
    return n


def greater_taipei_words(with_region_names):
    words = []
    for region in REGIONS[:3]:
        words += region_words(region) if with_region_names else region_words(region)[1:]
    return words


def to_climb_in_greater_taipei(with_region_names):
    return [keys["Name"] for keys in peak_keys()
            if visit_count(keys) == 0 and keys.get("IgnoreVisit", "0") == "0"
            and any(w in keys["Region"] for w in greater_taipei_words(with_region_names))]


def visit_counts():
    """待爬的山-大台北, 待爬的山, 爬過的山 and 爬過n次的山 for n up to the most visits."""
    visits = [visit_count(keys) for keys in peak_keys()]
    taipei = to_climb_in_greater_taipei(False)
    # The sample keeps this subset unambiguous: a region's own name adds no peak.
    assert taipei == to_climb_in_greater_taipei(True), taipei
    counts = [("待爬的山-大台北", len(taipei)), ("待爬的山", visits.count(0)),
              ("爬過的山", sum(1 for v in visits if v > 0))]
    counts += [("爬過%d次的山" % n, visits.count(n)) for n in range(1, max(visits) + 1)]
    return counts


def region_words(region):
    return [region] + split_list(dict(REGION_MEMBERS).get(region, ""), 30)


def region_count(words):
    """Peaks whose region text holds one of the words."""
    return sum(1 for keys in peak_keys() if any(w in keys["Region"] for w in words))


def subset_counts():
    """The row count of every subset of the peak group whose rows do not depend on the day, under
    its name, in the order the group builds them: titles, named lists, series, region sets,
    regions, same names, name endings, then the visit subsets."""
    counts = []
    titles = []
    for title in TITLES:
        titles += split_list(dict(TITLE_SETS).get(title, title), 500)
    counts += [(t, title_count(t)) for t in titles]
    counts += [(name, named_list_count(name)) for name in NAMED_LISTS]
    counts += [(key + GROUP_NAME, serial_count(words)) for key, words in SERIALS]
    for name, regions in REGION_SETS:
        words = []
        for region in split_list(regions, 30):
            words += region_words(region)
        counts.append((name + "的" + GROUP_NAME, region_count(words)))
    for region in REGIONS:
        counts.append((region + "的" + GROUP_NAME, region_count(region_words(region))))
        for member in region_words(region)[1:]:
            counts.append((member + "的" + GROUP_NAME, region_count([member])))
    counts += [("各地" + base, same_name_count(base)) for base in SAME_NAMES]
    counts += [("各地" + word, postfix_count(word)) for word in POSTFIXES]
    counts += visit_counts()
    return [(name, str(n)) for name, n in counts if n > 0]


def atlas_volume_page(text, dashed):
    """Volume name, page and title of "(十五045)title" or "十五045-title"."""
    if dashed:
        p = next(i for i, c in enumerate(text) if c.isdigit())
        q = text.index("-", p)
        return text[:p], int(text[p:q]), text[q + 1:]
    q = text.index(")")
    return text[1:q - 3], int(text[q - 3:q]), text[q + 1:]


def atlas_pages(key, dashed, more):
    """The distinct pages of one atlas that the item files name (first title wins), then more;
    each as (volume name, page, title, link or None), by volume and page. An old-style reference
    (no page) names none."""
    pages = {}
    for _, _, items in GROUPS:
        for entry in items:
            for k, value in entry[1]:
                if k.startswith(key) and k[len(key):].isdigit() and not value.startswith(OLD_STYLE_BLUESKY):
                    volume, page, title = atlas_volume_page(value, dashed)
                    pages.setdefault((volume, page), title)
    for value in more:
        volume, page, title = atlas_volume_page(value, dashed)
        pages.setdefault((volume, page), title)
    return pages


VOLUMES = ["一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "十一", "十二", "十三", "十四", "十五",
           "十六", "十七", "十八", "十九", "二十", "二十一", "二十二", "二十三", "二十四", "二十五", "二十六",
           "二十七", "二十八", "二十九", "三十"]


def by_volume_and_page(pages):
    return sorted(pages.items(), key=lambda kv: (VOLUMES.index(kv[0][0]), kv[0][1]))


def bluesky_rows():
    """The BlueSky atlas page's rows: (volume name, page, title, link or None)."""
    links = {}
    more = []
    for text, title, link in MORE_BLUESKY:
        volume, page, _ = atlas_volume_page("(%s)" % text, False)
        links[(volume, page)] = link
        more.append("(%s)%s" % (text, title))
    pages = atlas_pages("BlueSky", False, more)
    address = "https://bluesky.example.org/atlas/%d/%03d.htm"
    return [(v, p, title, links.get((v, p), address % (VOLUMES.index(v) + 1, p)))
            for (v, p), title in by_volume_and_page(pages)]


def quill_rows():
    """The 岫禾圖集 index's entries: (volume name, page, title, link)."""
    pages = atlas_pages("Quill", True, MORE_QUILL)
    return [(v, p, title, "https://quill.example.org/%d-%03d.htm" % (VOLUMES.index(v) + 1, p))
            for (v, p), title in by_volume_and_page(pages)]


HTML_HEAD = ('<html>\r\n<head>\r\n<meta http-equiv="Content-Type" content="text/html; charset=utf-8">\r\n'
             "<title>%s</title>\r\n</head>\r\n<body>")
HTML_TAIL = "</body>\r\n</html>\r\n"


def write_utf8(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(text.encode("utf-8"))


def walk_index_page():
    """The walk index page, newest walk first, one table row per walk in the row form the
    catalog cuts out: number, title (linked or after a "</font>" mark), days, date."""
    lines = [HTML_HEAD % "行旅客", "<h1>行旅客</h1>", "<table border=1>",
             "<tr><th>編號</th><th>行程</th><th>天數</th><th>日期</th></tr>"]
    for n, date, title, days, link, _ in sorted(WALKS, reverse=True):
        if link:
            cell = '<a href="%s">%s</a>' % (link, title)
        else:
            cell = '<font color="#808080">舊</font>%s' % title
        lines.append("<tr><td align=center>%d</td><td>%s</td><td align=center>%s</td><td>%s</td></tr>"
                     % (n, cell, days, date))
    lines += ["</table>", HTML_TAIL]
    return "\r\n".join(lines)


def walk_report_page(n, date, title, items):
    names = []
    for _, _, group in GROUPS:
        names += [dict(e[1]).get("Name", e[0]) for e in group if e[0] in items]
    return "\r\n".join([HTML_HEAD % ("行旅客%d: %s" % (n, title)), "<h1>%s</h1>" % title,
                        "<p>日期：%s</p>" % date, "<p>%s</p>" % WALK_NOTES[n],
                        "<ul>"] + ["<li>%s</li>" % name for name in names]
                       + ["</ul>", '<p><a href="../walk2.htm">回行旅客索引</a></p>', HTML_TAIL])


def bluesky_page():
    lines = [HTML_HEAD % "藍天圖集", "<h1>藍天圖集</h1>", "<table border=1>",
             "<tr><th>序</th><th>路線</th><th>冊</th><th>頁</th></tr>"]
    for i, (volume, page, title, link) in enumerate(bluesky_rows()):
        cell = '<a href="%s">%s</a>' % (link, title) if link else title
        lines.append("<tr><td align=center>%d</td><td>%s</td><td align=center>%s</td><td align=center>%03d</td></tr>"
                     % (i + 1, cell, volume, page))
    lines += ["</table>", HTML_TAIL]
    return "\r\n".join(lines)


def quill_index():
    """岫禾圖集's index: Quill%d = volume name, page and title, QuillLink%d = the link."""
    keys = []
    for i, (volume, page, title, link) in enumerate(quill_rows()):
        keys += [("Quill%d" % (i + 1), "%s%03d-%s" % (volume, page, title)), ("QuillLink%d" % (i + 1), link)]
    return ini([("Guide", keys)])


def mate_file(name, keys):
    """A companion's file: its [Hiking] keys, then its trips and their links."""
    entry_key, link_key, trips = MATE_TRIPS.get(name, (None, None, []))
    for i, (trip, link) in enumerate(trips):
        keys = keys + [("%s%d" % (entry_key, i + 1), trip), ("%s%d" % (link_key, i + 1), link)]
    return ini([("Hiking", keys)])


# The all-in-one GPS files. A waypoint's name is its item's Waypoint key but for the items below:
# 十八尖山's waypoint is named otherwise in the owner's GPS file and found through Mapping.txt
# ([GPS] item file's base name = waypoint name); 五指山's is found by base name (the peak's name
# with trailing digits). 圖根點平頂 names no waypoint and has no mapping: the owner picks 平頂.
MAPPING = [("十八尖山", "新竹十八尖山")]
BASE_NAME_WAYPOINTS = [("五指山", "五指山1")]
# Items whose file names a waypoint that the owner never saved into the GPS file: nothing finds
# them (the peaks' 尚未定位 lists them).
MISSING_WAYPOINTS = ["大崙頭山"]

# Waypoints that belong to no item, near items so that locating with neighbours shows them:
# (name, latitude, longitude, height, symbol, description). 塔塔加登山口 lies within 0.1 degree
# of 玉山 but not within 0.05.
MORE_PEAK_WAYPOINTS = [
    ("排雲山莊", 23.4817, 120.9545, 3402, "Lodge", "玉山 排雲山莊"),
    ("塔塔加登山口", 23.4886, 120.8886, 2610, "Trail Head", "玉山 塔塔加鞍部"),
    ("三六九山莊", 24.3917, 121.2453, 3100, "Lodge", "雪山 三六九山莊"),
    ("七卡山莊", 24.3955, 121.2922, 2463, "Lodge", "雪山 七卡山莊"),
    ("審馬陣山屋", 24.3903, 121.4289, 3300, "Lodge", "南湖 審馬陣山屋"),
    ("嘉明湖避難山屋", 23.2906, 121.0250, 3350, "Lodge", "嘉明湖 避難山屋"),
    ("天池山莊", 24.0586, 121.2601, 2860, "Lodge", "能高 天池山莊"),
    ("松雪樓", 24.1381, 121.2869, 3150, "Lodge", "合歡山 松雪樓"),
    ("小油坑", 25.1767, 121.5475, 805, "Trail Head", "七星山 小油坑登山口"),
]
MORE_STONE_WAYPOINTS = [
    ("鹿場登山口", 24.5365, 121.0525, 1580, "Trail Head", "加里山 鹿場登山口"),
    ("武嶺", 24.1369, 121.2761, 3275, "Parking Area", "合歡山 武嶺"),
    ("平頂", 24.6390, 121.2110, 1600, "Summit", "平頂 圖根點"),
]

# The old trails' tracks, named by the items' Track keys but for 錐麓古道's two (its cliff
# section from the suspension bridge, and on to 巴達岡): a few points (latitude, longitude,
# height) along each trail. The trailheads and huts on a trail name its track in their
# description, which ties them to the track.
OLD_TRAIL_TRACKS = {
    "能高越嶺": [(24.0430, 121.1847, 1900), (24.0494, 121.2219, 2360), (24.0586, 121.2601, 2860),
             (24.0630, 121.2780, 2800)],
    "八通關": [(23.5622, 120.9292, 1150), (23.5470, 120.9553, 1500), (23.5075, 120.9833, 2600),
            (23.4916, 121.0005, 2800), (23.4717, 121.0367, 3200)],
    "淡蘭北路": [(25.0907, 121.7508, 100), (25.0420, 121.7750, 150), (25.0350, 121.8660, 60),
             (25.0070, 121.9240, 330), (24.9670, 121.9230, 10)],
    "錐麓古道1": [(24.1742, 121.5707, 400), (24.1731, 121.5780, 650), (24.1716, 121.5860, 750)],
    "錐麓古道2": [(24.1716, 121.5860, 750), (24.1700, 121.5950, 500), (24.1690, 121.6010, 450)],
}
OLD_TRAIL_WAYPOINTS = [
    ("屯原登山口", 24.0430, 121.1847, 1900, "Trail Head", "能高越嶺 西段登山口"),
    ("雲海保線所", 24.0494, 121.2219, 2360, "Lodge", "能高越嶺 保線所"),
    ("天池山莊", 24.0586, 121.2601, 2860, "Lodge", "能高越嶺 山莊"),
    ("東埔登山口", 23.5622, 120.9292, 1150, "Trail Head", "八通關 東埔"),
    ("觀高工作站", 23.5075, 120.9833, 2600, "Lodge", "八通關 觀高"),
    ("大水窟山屋", 23.4717, 121.0367, 3200, "Lodge", "八通關 大水窟"),
    ("暖東峽谷", 25.0907, 121.7508, 100, "Trail Head", "淡蘭北路 起點"),
    ("大里天公廟", 24.9670, 121.9230, 10, "Trail Head", "淡蘭北路 終點"),
    ("錐麓吊橋", 24.1742, 121.5707, 400, "Trail Head", "錐麓古道1 吊橋"),
    ("錐麓斷崖", 24.1716, 121.5860, 750, "Scenic Area", "錐麓古道1 斷崖，錐麓古道2 起點"),
    ("巴達岡", 24.1690, 121.6010, 450, "Scenic Area", "錐麓古道2 巴達岡"),
]

# Group folder → the file name its group reads by default (the old-trail group's ends in 2).
GPS_FILES = {"山": "!台灣的山.gdb", "基石": "!台灣的基石.gdb", "古道": "!台灣的古道2.gdb", "瀑布": "!台灣的瀑布.gdb"}

# Waypoints near waterfalls that belong to no waterfall.
MORE_WATERFALL_WAYPOINTS = [
    ("十分遊客中心", 25.0467, 121.7838, 150, "Parking Area", "十分瀑布 遊客中心"),
    ("烏來老街", 24.8650, 121.5500, 110, "Trail Head", "烏來瀑布 老街"),
]


def item_waypoints(items, symbol="Summit"):
    """Waypoints of a group's items: (name, latitude, longitude, height, symbol, description),
    with the item's own coordinates as its file writes them."""
    mapped = dict(MAPPING)
    by_base_name = dict(BASE_NAME_WAYPOINTS)
    waypoints = []
    for entry in items:
        keys = dict(entry[1])
        name = mapped.get(entry[0]) or by_base_name.get(entry[0]) or keys.get("Waypoint", "")
        if not name or entry[0] in MISSING_WAYPOINTS:
            continue  # an item whose file names no waypoint: the owner picks one when locating it
        parts = (keys.get("Name", ""), keys.get("Name2", ""), keys.get("Stone", ""))
        description = " ".join(v for v in parts if v and v != "無")
        waypoints.append((name, keys["Attitude"], keys["Longitude"], keys.get("Height", "0"), symbol, description))
    return waypoints


def gpx_waypoint(name, lat, lon, height, symbol, description):
    return ('  <wpt lat="%s" lon="%s">\n    <ele>%s</ele>\n    <name>%s</name>\n    <desc>%s</desc>\n'
            "    <sym>%s</sym>\n  </wpt>" % (lat, lon, height, escape(name), escape(description), escape(symbol)))


def gpx_track(name, points):
    lines = ["  <trk>", "    <name>%s</name>" % escape(name), "    <trkseg>"]
    lines += ['      <trkpt lat="%.4f" lon="%.4f"><ele>%d</ele></trkpt>' % p for p in points]
    return "\n".join(lines + ["    </trkseg>", "  </trk>"])


def gpx(waypoints, tracks=()):
    """A GPX 1.1 file of waypoints (numbers as text or as numbers, written to four decimals)
    and tracks."""
    def text(value):
        return value if isinstance(value, str) else ("%.4f" % value if isinstance(value, float) else str(value))
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<gpx version="1.1" creator=%s xmlns="http://www.topografix.com/GPX/1/1">' % quoteattr("峰嵐錄 sample")]
    lines += [gpx_waypoint(n, text(lat), text(lon), text(h), s, d) for n, lat, lon, h, s, d in waypoints]
    lines += [gpx_track(name, points) for name, points in tracks]
    return "\n".join(lines + ["</gpx>", ""])


def write_gps_file(folder, text):
    """Writes gps-source/<folder>.gpx and turns it into the group's GDB file with gpsbabel."""
    source = os.path.join(GPS_SOURCE, folder + ".gpx")
    write_utf8(source, text)
    target = os.path.join(DATA, GPS_FILES[folder])
    subprocess.run(["gpsbabel", "-i", "gpx", "-f", source, "-o", "gdb,ver=3", "-F", target], check=True)


# The walks' GPS files in data/gps/, made by gpsbabel from short tracks of the walks with a
# waypoint on each summit: (file number, track name, [(latitude, longitude, height)], summits).
# Walks 52 and 53 were recorded in one file, kept under 53; walk 52's own page (data/w52/
# index.htm, the GPS folder's name with "gps" replaced by "w52") links to it.
WALK_GPS_FILES = [
    (4, "玉山主東峰", [(23.4886, 120.8886, 2610), (23.4817, 120.9545, 3402), (23.4700, 120.9572, 3952),
                  (23.4703, 120.9650, 3869)], ["玉山主峰", "玉山東峰"]),
    (9, "雪山主北峰", [(24.3955, 121.3050, 1990), (24.3955, 121.2922, 2463), (24.3917, 121.2453, 3100),
                  (24.3833, 121.2317, 3886), (24.4206, 121.2261, 3703)], ["雪山主峰", "雪山北峰"]),
    (51, "合歡北西峰", [(24.1381, 121.2869, 3150), (24.1650, 121.2720, 3050), (24.1817, 121.2456, 3422),
                   (24.1828, 121.2364, 3145)], ["合歡山北峰", "合歡山西峰"]),
    (53, "武陵二日", [(24.3960, 121.3110, 1950), (24.4327, 121.3036, 3325), (24.4272, 121.2847, 3303),
                  (24.4336, 121.2739, 3524)], ["桃山", "池有山", "品田山"]),
]
# Walks whose GPS file is named only by their own page: walk → the file number the page links to.
WALK_GPS_PAGES = {52: 53}


def summit_waypoint(item):
    keys = dict(next(e[1] for e in PEAKS if e[0] == item))
    return (keys["Name"] + keys.get("Name2", ""), keys["Attitude"], keys["Longitude"], keys["Height"], "Summit", item)


def walk_gps_page(walk, number):
    """A walk's own page in its folder: photos and the link to the GPS file it was saved in."""
    _, date, title, *_ = next(w for w in WALKS if w[0] == walk)
    return "\r\n".join([HTML_HEAD % ("%s 照片與航跡" % title), "<h1>%s</h1>" % title, "<p>日期：%s</p>" % date,
                         "<p>兩天的航跡存在同一個檔案：</p>",
                         '<p><a href="../gps/w%d.gdb">w%d.gdb</a></p>' % (number, number), HTML_TAIL])


def write_walk_gps_files():
    os.makedirs(os.path.join(DATA, "gps"), exist_ok=True)
    for number, track, points, summits in WALK_GPS_FILES:
        source = os.path.join(GPS_SOURCE, "gps", "w%d.gpx" % number)
        write_utf8(source, gpx([summit_waypoint(item) for item in summits], [(track, points)]))
        target = os.path.join(DATA, "gps", "w%d.gdb" % number)
        subprocess.run(["gpsbabel", "-i", "gpx", "-f", source, "-o", "gdb,ver=3", "-F", target], check=True)
    for walk, number in WALK_GPS_PAGES.items():
        write_utf8(os.path.join(DATA, "w%d" % walk, "index.htm"), walk_gps_page(walk, number))


# The owner's list templates in data/Template/, kept in Big5 (CP950) by an older editor while
# the pages they make are UTF-8: each declares UTF-8 output. A template is the page head, the
# row pattern between "<!__RowStart__>" and "<!__RowEnd__>", and the tail; the visit template's
# row holds the pattern of one visit between "<!__VisitStart__>" and "<!__VisitEnd__>".
TEMPLATE_HEAD = ("<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=utf-8>\r\n<title>__Title__</title>\r\n"
                 "</head>\r\n<body>\r\n<h1>__Title__ %s</h1>\r\n"
                 "<p>__SubRegion__ 更新日期：__Date__ 檔案：__FileBase__.__FileExt__</p>\r\n<table border=1>\r\n"
                 "<tr><th>序</th>%s</tr>\r\n")
TEMPLATE_TAIL = "</table>\r\n<p>峰嵐錄 山岳列表</p>\r\n</body>\r\n</html>\r\n"
LIST_HEADINGS = "<th>山名</th><th>標高</th><th>基石</th><th>地區</th><th>已爬</th>"
LIST_ROW = ('<tr title="__File__"><td>__No__</td><td>__Col1__</td><td align=right>__Col2__</td>'
            "<td>__Col3__</td><td>__Col4__</td><td>__Col5__</td></tr>")
VISIT_HEADINGS = "<th>山名</th><th>標高</th><th>行程</th>"
VISIT_ROW = ("<tr><td>__No__</td><td>__Col1__</td><td align=right>__Col2__</td><td><ul>"
             "<!__VisitStart__><li>__RefStart__行旅客__VisitNo__：__VisitWalk__（__VisitDate__）__RefEnd__ __MPS__</li>"
             "<!__VisitEnd__></ul></td></tr>")


def list_template(kind, headings, row):
    return "".join([TEMPLATE_HEAD % (kind, headings), "<!__RowStart__>\r\n", row, "\r\n<!__RowEnd__>\r\n",
                    TEMPLATE_TAIL])


TEMPLATES = [
    ("山.htm", list_template("山岳列表", LIST_HEADINGS, LIST_ROW)),
    ("山現狀.htm", list_template("目前列表", LIST_HEADINGS, LIST_ROW)),
    ("百岳.htm", list_template("百岳級山岳", LIST_HEADINGS, LIST_ROW)),
    ("百岳現狀.htm", list_template("百岳級山岳目前列表", LIST_HEADINGS, LIST_ROW)),
    ("百岳造訪.htm", list_template("造訪紀錄", VISIT_HEADINGS, VISIT_ROW)),
]


# Title lists with templates of their own: the sorted list, the current list and the visit page
# (小百岳 has none).
TITLE_TEMPLATES = [("百岳", ("百岳.htm", "百岳現狀.htm", "百岳造訪.htm")),
                   ("五嶽", ("百岳.htm", "百岳現狀.htm", "百岳造訪.htm")),
                   ("三尖", ("百岳.htm", "百岳現狀.htm", "百岳造訪.htm")),
                   ("小百岳", ("山.htm", "山現狀.htm"))]


# The walk report templates in data/Template/, UTF-8: one page per city of the region list, the
# navigation over all cities and their regions (a city part between "<!__CityStart__>" and
# "<!__CityEnd__>" holding the region item between "<!__RegionStart__>" and "<!__RegionEnd__>",
# "%c" there the city's page letter), then one block per region of the page's city between
# "<!__RegionStart2__>" and "<!__RegionEnd2__>" with its row between "<!__RowStart__>" and
# "<!__RowEnd__>"; walk4's row repeats its column between "<!__ColStart__>" and "<!__ColEnd__>".
# A "%" outside those parts is text as written.
def walk_template(kind, title, heading, table_head, row):
    return "\r\n".join([
        "<!DOCTYPE html>", "<html>", "<head>", "<meta charset=utf-8>", "<title>%s</title>" % title, "</head>", "<body>",
        "<h1>%s</h1>" % heading, "<ul>",
        '<!__CityStart__><li><a href="%s%%c.htm">__City__</a>：<!__RegionStart__> '
        '<a href="%s%%c.htm#r__Jump__">__Region__</a><!__RegionEnd__></li>' % (kind, kind),
        "<!__CityEnd__></ul>",
        '<!__RegionStart2__><h2 id="r__Jump__">__Region__</h2>', "<table border=1>", table_head,
        "<!__RowStart__>%s" % row, "<!__RowEnd__></table>",
        "<!__RegionEnd2__><p>峰嵐錄 行程表：100% 手工整理</p>", "</body>", "</html>", ""])


WALK_LINK = '<a href="__Ref__">__Title__</a>'
WALK_TEMPLATES = [
    ("walk3_template.htm", walk_template(
        "walk3", "行旅客：__City__的行程", "__City__的行程",
        "<tr><th>編號</th><th>行程</th><th>日期</th><th>天數</th></tr>",
        "<tr><td>__No__</td><td>%s</td><td>__Date__</td><td>__Place__</td></tr>" % WALK_LINK)),
    ("walk4_template.htm", walk_template(
        "walk4", "行旅客：__City__的山岳", "__City__的山岳與行程",
        "<tr><th>山岳</th><th>行程與藍天圖集</th></tr>",
        "<tr><td>__Talvane__</td><td>%s（__Date__）</td><!__ColStart__><td>%s（__Date__）</td><!__ColEnd__></tr>"
        % (WALK_LINK, WALK_LINK))),
]
# Where the owner keeps the published report pages (Local.txt [Template] WalkIndexFile3 and
# WalkIndexFile4, "%c" the page letter): beside the walk index, so that the walks' relative links
# hold. Only the first city's walk3 page was published yet, an older text of it; the reports
# refresh a published page and make no new one.
WALK3_COPIES = "data\\walk3%c.htm"
WALK4_COPIES = "data\\walk4%c.htm"
PUBLISHED_WALK3_PAGE = ("walk3a.htm", "\r\n".join([
    "<!DOCTYPE html>", "<html>", "<head>", "<meta charset=utf-8>", "<title>行旅客：台北市的行程</title>", "</head>",
    "<body>", "<h1>台北市的行程</h1>", '<h2 id="r1">士林</h2>', "<table border=1>",
    "<tr><th>編號</th><th>行程</th><th>日期</th><th>天數</th></tr>",
    '<tr><td>8</td><td><a href="walks/w8.htm">七星山夢幻湖、劍潭山夜景</a></td><td>2018/2/17</td><td>1天</td></tr>',
    "</table>", "</body>", "</html>", ""]))


def template_settings():
    """[Template] of the main settings file: the group's templates (key Talvane), the template
    name of each title list as the subset tree shows it ("百岳 (30)"), each name's templates, and
    the folders the pages link to."""
    keys = [("Talvane", "山.htm"), ("TalvaneNoSort", "山現狀.htm")]
    for title, files in TITLE_TEMPLATES:
        keys.append(("%s (%d)" % (title, title_count(title)), title))
        keys += [(title + kind, file) for kind, file in zip(("", "NoSort", "Visit"), files)]
    return keys + [("OnlineGPSDir", ONLINE_GPS_DIR), ("OnlineDir", ONLINE_DIR)]


def write_templates():
    for name, text in TEMPLATES:
        write(os.path.join(DATA, "Template", name), text, "cp950")
    for name, text in WALK_TEMPLATES:
        write_utf8(os.path.join(DATA, "Template", name), text)
    write_utf8(os.path.join(DATA, PUBLISHED_WALK3_PAGE[0]), PUBLISHED_WALK3_PAGE[1])


def write_gps_files():
    if not shutil.which("gpsbabel"):
        raise SystemExit("make_sample.py: gpsbabel is needed (apt-get install gpsbabel)")
    if os.path.isdir(GPS_SOURCE):
        shutil.rmtree(GPS_SOURCE)
    write_gps_file("山", gpx(item_waypoints(PEAKS) + MORE_PEAK_WAYPOINTS))
    write_gps_file("基石", gpx(item_waypoints(STONES) + MORE_STONE_WAYPOINTS))
    tracks = list(OLD_TRAIL_TRACKS.items())
    write_gps_file("古道", gpx(OLD_TRAIL_WAYPOINTS, tracks))
    write_gps_file("瀑布", gpx(item_waypoints(WATERFALLS, "Scenic Area") + MORE_WATERFALL_WAYPOINTS))
    write(os.path.join(DATA, "Mapping.txt"), ini([("GPS", MAPPING)]))
    write_walk_gps_files()


# The nature layout (sample/nature/): a second program folder whose groups are the waterfalls,
# the plants and the old trails of the one data folder. The build lays it out beside the main
# program's folder, so its relative paths reach that folder's data (..\bin\data).
NATURE = os.path.join(HERE, "nature")
NATURE_DATA = "..\\bin\\data"
# The waterfalls' and old trails' regions; 嘉義縣 is left out.
NATURE_REGIONS = ["新北市", "宜蘭縣", "桃園市", "南投縣", "花蓮縣"]


def write_nature_layout():
    write(os.path.join(NATURE, "峰嵐錄.txt"), ini([
        ("DataGroup", [("BaseFolder", NATURE_DATA), ("Group1", "瀑布"), ("Group2", "植物"), ("Group3", "古道")]),
        ("Region", [("RegionList", ",".join(NATURE_REGIONS))]),
        ("PlantClass", [("ClassList", ",".join(PLANT_CLASSES))] + PLANT_CLASS_ALIASES),
        ("Plant", [("NotClass%d" % (i + 1), w) for i, w in enumerate(PLANT_NOT_CLASSES)]),
        ("Template", [("OnlineDir", NATURE_DATA + "\\")]),
        ("Fuzzy", [("Seperators", FUZZY_SEPARATORS), ("NamePairs", FUZZY_NAME_PAIRS)]),
    ]))
    write(os.path.join(NATURE, "Local.txt"), ini([
        ("GPS", []),
        ("Template", [("WalkIndexFile", NATURE_DATA + "\\walk2.htm"), ("BlueSkyFile", NATURE_DATA + "\\guide2.htm")]),
    ]))


def write_photos():
    """Builds the project's photo painter (CMake target sample_photos, in the build folder named by
    TALVANE_SAMPLE_BUILD, by default build/) and lets it draw and label each plant photo."""
    root = os.path.dirname(HERE)
    build = os.environ.get("TALVANE_SAMPLE_BUILD", os.path.join(root, "build"))
    if not os.path.isfile(os.path.join(build, "CMakeCache.txt")):
        subprocess.run(["cmake", "-S", root, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo"],
                       check=True)
    subprocess.run(["cmake", "--build", build, "--target", "sample_photos"], check=True)
    painter = os.path.join(build, "bin", "sample_photos")
    names = {name: keys for name, keys in ((dict(k)["Name"], dict(k)) for _, k, *_ in PLANTS)}
    photos = []
    for family, file, width, height in PHOTOS:
        name = next(n for n in sorted(names, key=len, reverse=True) if file.startswith(n))
        label = name + ("(%s)" % names[name]["Name2"] if "Name2" in names[name] else "")
        photos.append("\t".join([os.path.join("植物", family, file), str(width), str(height), label]))
    environment = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    subprocess.run([painter, DATA] + photos, check=True, env=environment)


def main():
    if os.path.isdir(DATA):
        shutil.rmtree(DATA)
    write(os.path.join(HERE, "峰嵐錄.txt"), ini([
        ("DataGroup", [("BaseFolder", "data"), ("Group1", "山"), ("Group2", "基石"), ("Group3", "古道")]),
        ("StoneLevel", [("Level1", "一等三角點,一等"), ("Level2", "二等三角點,二等"),
                        ("Level3", "三等三角點,三等"), ("Level4", "森林三角點,森林"), ("Level5", "圖根點,圖根")]),
        (GROUP_KEY, [("Title%d" % (i + 1), t) for i, t in enumerate(TITLES)]
         + [("Talvanes%d" % (i + 1), t) for i, t in enumerate(NAMED_LISTS)]
         + [("Serial%d" % (i + 1), key) for i, (key, _) in enumerate(SERIALS)]
         + [("Stone%d" % (i + 1), w) for i, w in enumerate(PEAK_STONE_WORDS)]
         + [("Region%d" % (i + 1), name) for i, (name, _) in enumerate(REGION_SETS)]
         + [("SameName%d" % (i + 1), base) for i, base in enumerate(SAME_NAMES)]
         + [("Postfix%d" % (i + 1), word) for i, word in enumerate(POSTFIXES)]),
        ("TitleSet", TITLE_SETS),
        ("Title", TITLE_ENTRIES),
        ("Warning", WARNINGS),
        ("Talvanes", NAMED_LIST_ENTRIES),
        ("Serial", SERIALS),
        ("NameAlias", NAME_ALIASES),
        ("Stone", [("Stone%d" % (i + 1), w) for i, w in enumerate(STONE_WORDS)]),
        ("Region", [("RegionList", ",".join(REGIONS))] + REGION_MEMBERS + REGION_SETS),
        ("DisplayName", [("Convert%d" % (i + 1), c) for i, c in enumerate(CONVERSIONS)]),
        ("HikingMate", [("Mate%d" % (i + 1), name + ".txt") for i, (name, _) in enumerate(MATES)]),
        ("Template", template_settings()),
        ("Fuzzy", [("Seperators", FUZZY_SEPARATORS), ("NamePairs", FUZZY_NAME_PAIRS)]),
    ]))
    write(os.path.join(HERE, "Local.txt"), ini([
        ("GPS", []),
        ("Template", [("WalkIndexFile", WALK_INDEX_FILE), ("BlueSkyFile", BLUESKY_FILE), ("GPSDir", GPS_DIR),
                      ("WalkIndexFile3", WALK3_COPIES), ("WalkIndexFile4", WALK4_COPIES)]),
    ]))
    for name, keys in MATES:
        write(os.path.join(DATA, "山友", name + ".txt"), mate_file(name, keys))
    write(os.path.join(DATA, "山友", "岫禾圖集.txt"), quill_index())
    write_utf8(os.path.join(DATA, "walk2.htm"), walk_index_page())
    for n, date, title, _, link, items in WALKS:
        if link and "http" not in link:
            write_utf8(os.path.join(DATA, link), walk_report_page(n, date, title, items))
    write_utf8(os.path.join(DATA, "guide2.htm"), bluesky_page())
    write_templates()
    counts = []
    for folder, section, items in GROUPS:
        for entry in items:
            name, keys = entry[0], entry[1]
            encoding = entry[2] if len(entry) > 2 else "utf-16"
            write(os.path.join(DATA, folder, name + ".txt"), ini([(section, keys)]), encoding)
        counts.append((folder, [("NumOfItems", str(len(items)))]))
    counts.append((GROUP_KEY, subset_counts()))
    write(os.path.join(DATA, "Cache.txt"), ini(counts))
    write_nature_layout()
    write_gps_files()
    write_photos()


if __name__ == "__main__":
    main()
