#!/usr/bin/env python3
"""Writes the program folder of the companion itinerary tests, as the owner's Windows machine
keeps it: settings, peak files and companions' files with CR LF line ends. Run it from anywhere;
it rewrites program/ beside itself.

  峰嵐錄.txt   UTF-16LE; one data group 山; companions a.txt, b.txt, c.txt (in this order).
  data/山/     peak files, alternately UTF-16LE and CP950 (the first one UTF-16LE).
  data/山友/   the companions' files, UTF-16LE.

Companions (m = position in the table):
  0 阿明  KeyTitle=阿明, KeyLink=阿明連結; five trips, one per trip-text form:
          1 北大武山 [108/05/03]           http://a/1
          2 【雪山】1100101～0103-主東     http://a/2
          3 玉山 (2020/10/10)              http://a/3
          4 合歡山 [1999.12.31]            (empty link)
          5 郊山 [某日某月某年]            http://a/5   (a date ParseDateText rejects)
  1 小華  only a Title: both key patterns default to the title.
  2 阿花  KeyTitle=阿花, KeyLink=阿花網址; trip 2 has no date, so only trip 1 is read:
          1 大霸尖山 [105/06/07]  2 無日期的行程  3 加里山 [104/01/02]

Peaks (file-name order = item index) and their companion visits:
  0 玉山 (UTF-16LE)     阿明1=2020/10/10 阿明2=108/5/3  阿花1=105/6/7
  1 雪山 (CP950)        阿明1=110.1.1 阿明2=110/01/01 (the same date twice)
  2 北大武山 (UTF-16LE) 阿明1=108/05/03
  3 主山 (CP950)        阿明1=110/1/1   阿明2=108/5/3
  4 合歡山 (UTF-16LE)   阿花1=105/06/07
"""
import codecs
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.join(HERE, "program")

PEAKS = [
    ("玉山", ["阿明1=2020/10/10", "阿明2=108/5/3", "阿花1=105/6/7"]),
    ("雪山", ["阿明1=110.1.1", "阿明2=110/01/01"]),
    ("北大武山", ["阿明1=108/05/03"]),
    ("主山", ["阿明1=110/1/1", "阿明2=108/5/3"]),
    ("合歡山", ["阿花1=105/06/07"]),
]

MATES = {
    "a.txt": ["[Hiking]", "Title=阿明", "KeyTitle=阿明", "KeyLink=阿明連結",
              "阿明1=北大武山 [108/05/03]", "阿明連結1=http://a/1",
              "阿明2=【雪山】1100101～0103-主東", "阿明連結2=http://a/2",
              "阿明3=玉山 (2020/10/10)", "阿明連結3=http://a/3",
              "阿明4=合歡山 [1999.12.31]", "阿明連結4=",
              "阿明5=郊山 [某日某月某年]", "阿明連結5=http://a/5"],
    "b.txt": ["[Hiking]", "Title=小華"],
    "c.txt": ["[Hiking]", "Title=阿花", "KeyTitle=阿花", "KeyLink=阿花網址",
              "阿花1=大霸尖山 [105/06/07]", "阿花網址1=http://c/1",
              "阿花2=無日期的行程", "阿花網址2=",
              "阿花3=加里山 [104/01/02]", "阿花網址3=http://c/3"],
}


def write(name, lines, unicode):
    path = os.path.join(ROOT, *name.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    text = "".join(line + "\r\n" for line in lines)
    data = codecs.BOM_UTF16_LE + text.encode("utf-16-le") if unicode else text.encode("cp950")
    with open(path, "wb") as f:
        f.write(data)


shutil.rmtree(ROOT, ignore_errors=True)
write("峰嵐錄.txt", ["[DataGroup]", "BaseFolder=data", "Group1=山",
                     "[HikingMate]", "Mate1=a.txt", "Mate2=b.txt", "Mate3=c.txt"], True)
for i, (name, visits) in enumerate(PEAKS):
    write("data/山/%02d_%s.txt" % (i, name),
          ["[Talvane]", "Name=" + name, "Height=%d" % (3000 + i)] + visits, i % 2 == 0)
for name, lines in MATES.items():
    write("data/山友/" + name, lines, True)
