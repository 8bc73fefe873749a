#!/usr/bin/env python3
"""Writes the program folder of the peak search tests as the owner's Windows machine keeps it:
the settings and the peak files in "Unicode" (UTF-16LE with byte-order mark, CR LF). Run it
from anywhere; it rewrites program/ beside itself.

Coordinates (degrees) and the distances the tests rely on, in hundredths of a degree from
玉山主峰 (120.9572 E, 23.4700 N):
  within 3: 玉山東峰 0.75, 小南山 1.23, 玉山西峰 1.36, 玉山南峰 1.50, 玉山北峰 1.73,
            北北角 1.76, 八通關山 2.37 (with the main peak itself: 8 peaks)
  beyond 3: 玉山前峰 4.04, 麟趾山 4.49, 鹿林山 5.41
  十里山 exactly 0.1 degree north in decimals (10; in binary a little over 10),
  十里外山 0.1001 north (10.01)
  無座標山 has no position (longitude and latitude 0)
紅頭山 (121.5500 E, 22.0500 N) is isolated: 大森山 at 2.24 and 青蛇山 at 40 are the only peaks
within 48 of it. 孤峰 (121.3000 E, 24.5000 N) has 1 peak within 3, 3 within 6, 6 within 12
and 7 within 24: neighbours 孤峰鄰1 to 孤峰鄰7 at 2, 4, 5, 8, 9, 10 and 15.
"""
import codecs
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))
PROGRAM = os.path.join(HERE, "program")


def unicode_file(name, lines):
    """A text file as Windows Notepad saves it as "Unicode"."""
    path = os.path.join(PROGRAM, *name.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    text = "".join(line + "\r\n" for line in lines)
    with open(path, "wb") as f:
        f.write(codecs.BOM_UTF16_LE + text.encode("utf-16-le"))


def peak(base, name, lon, lat, *lines):
    fields = ["[Talvane]", "Name=" + name]
    if lon is not None:
        fields += ["Longitude=%s" % lon, "Attitude=%s" % lat]
    unicode_file("data/山/%s.txt" % base, fields + list(lines))


shutil.rmtree(PROGRAM, ignore_errors=True)

unicode_file("峰嵐錄.txt", [
    "[DataGroup]", "BaseFolder=data", "Group1=山",
    "[StoneLevel]", "Level1=一等,二等", "Level2=三等",
    "[Fuzzy]", "Seperators=，、 ,()（）", "NamePairs=台臺",
])

YUSHAN = "Region=南投縣,嘉義縣"
peak("01_main", "玉山主峰", "120.9572", "23.4700", "Name2=新高山", "Height=3952", YUSHAN, "Stone=一等1",
     "Visit1=12")
peak("02_north", "玉山北峰", "120.9592", "23.4872", "Height=3858", YUSHAN, "Stone=三等 6511")
peak("03_east", "玉山東峰", "120.9647", "23.4705", "Height=3869", YUSHAN)
peak("04_south", "玉山南峰", "120.9578", "23.4550", "Height=3844", YUSHAN)
peak("05_west", "玉山西峰", "120.9436", "23.4702", "Height=3518", YUSHAN)
peak("06_front", "玉山前峰", "120.9170", "23.4740", "Height=3239", YUSHAN)
peak("07_beibeijiao", "北北角", "120.9642", "23.4862", YUSHAN, "StoneAlias3=三等6511")
peak("08_lulin", "鹿林山", "120.9033", "23.4744", YUSHAN)
peak("09_linzhi", "麟趾山", "120.9123", "23.4690", YUSHAN)
peak("10_xiaonan", "小南山", "120.9500", "23.4600", YUSHAN)
peak("11_batongguan", "八通關山", "120.9700", "23.4900", YUSHAN, "Name2=臺灣八通關")
peak("12_tenli", "十里山", "120.9572", "23.5700", YUSHAN)
peak("13_beyond", "十里外山", "120.9572", "23.5701", YUSHAN)
peak("14_nowhere", "無座標山", None, None, "Region=南投縣,X&Y", "Stone=二等9")
peak("20_hongtou", "紅頭山", "121.5500", "22.0500", "Region=台東縣", "Visit1=77")
peak("21_dasen", "大森山", "121.5700", "22.0400", "Region=台東縣")
peak("22_qingshe", "青蛇山", "121.5500", "22.4500", "Region=台東縣")
peak("30_lone", "孤峰", "121.3000", "24.5000", "Region=宜蘭縣")
for i, (dlon, dlat) in enumerate([(0.02, 0), (0, 0.04), (-0.03, 0.04), (0.08, 0),
                                  (0, -0.09), (-0.06, -0.08), (0.15, 0)]):
    peak("3%d_around" % (i + 1), "孤峰鄰%d" % (i + 1), "%.4f" % (121.3 + dlon),
         "%.4f" % (24.5 + dlat), "Region=宜蘭縣")
