#!/usr/bin/env python3
"""Writes a program folder with a peak group, a trail group and an old-trail group as the
owner's Windows machine keeps it: settings and item files in "Unicode" (UTF-16LE with byte-order
mark, CR LF) or "ANSI" (CP950), the walk index and BlueSky atlas pages in UTF-8, one table row
per line. Run it from anywhere; it rewrites the files beside itself.

Trails of data/步道 (in file-name order):
  0 錐麓古道 (Name2 太魯閣, 10300 m, 花蓮): walks 1500 and 3; BlueSky 二十八045; 岫禾 三101;
    Track 錐麓古道1.  UTF-16LE.
  1 草嶺古道 (Length 0, 新北): 阿明1 already written.  CP950.
  - c_noname.txt: Name2 only, no item.
  2 a name of 20 characters, Name2, Region and Track also too long.  UTF-16LE.
Old trails of data/古道: 0 八通關古道 (Length 97000, 南投; walk 9, Quill 三101).
"""
import codecs
import os

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.join(HERE, "program")


def write_bytes(name, data):
    path = os.path.join(ROOT, *name.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def unicode_file(name, lines):
    """A text file as Windows Notepad saves it as "Unicode"."""
    text = "".join(line + "\r\n" for line in lines)
    write_bytes(name, codecs.BOM_UTF16_LE + text.encode("utf-16-le"))


def ansi_file(name, lines):
    """A text file as Windows Notepad saves it as "ANSI" on a Traditional Chinese system."""
    write_bytes(name, "".join(line + "\r\n" for line in lines).encode("cp950"))


def utf8_page(name, text):
    write_bytes(name, text.replace("\n", "\r\n").encode("utf-8"))


unicode_file("峰嵐錄.txt", [
    "[DataGroup]", "BaseFolder=data", "Group1=山", "Group2=步道", "Group3=古道",
    "[Template]", "OnlineDir=http://walks.example.org/report/",
    "[HikingMate]", "Mate1=阿明.txt", "Mate2=無名.txt",
    "[Region]", "RegionList=北部,中部,東部",
    "北部=台北,新北,基隆", "中部=南投,台中", "東部=花蓮,台東",
    "[Trail]", "ExpandRegion=大北部及東部地區",
])
unicode_file("Local.txt", ["[Template]"])

unicode_file("data/山/a_雪山.txt", ["[Talvane]", "Name=雪山", "Height=3886"])
unicode_file("data/山友/阿明.txt", ["[Hiking]", "Title=阿明", "KeyTitle=阿明", "KeyLink=阿明連結"])
# 無名.txt is missing: the second companion has no key prefix.

unicode_file("data/步道/a_錐麓.txt", [
    "[Trail]", "Name=錐麓古道", "Name2=太魯閣", "Length=10300", "Region=花蓮",
    "Visit1=3", "Visit2=1500",
    "BlueSky1=(二十八045)錐麓", "Quill1=三101-北插天山",
    "Track=錐麓古道1",
])
ansi_file("data/步道/b_草嶺.txt", [
    "[Trail]", "Name=草嶺古道", "Length=0", "Region=新北", "阿明1=2019/5/3",
])
unicode_file("data/步道/c_noname.txt", ["[Trail]", "Name2=無名", "Length=5"])
unicode_file("data/步道/d_long.txt", [
    "[Trail]", "Name=一二三四五六七八九十壹貳參肆伍陸柒捌玖拾",
    "Name2=甲乙丙丁戊己庚辛壬癸子丑寅卯辰巳", "Length=12",
    "Region=子丑寅卯辰巳午未申酉戌亥甲乙丙丁", "Track=ABCDEFGHIJKLMNOPQRST",
])
unicode_file("data/古道/a_八通關.txt", [
    "[OldTrail]", "Name=八通關古道", "Name2=清代", "Length=97000", "Region=南投",
    "Visit1=9", "Quill1=三101-北插天山", "Track=八通關",
])

unicode_file("data/山友/岫禾圖集.txt", [
    "[Quill]",
    "Quill1=三101-北插天山", "QuillLink1=https://quill.example.tw/3-101",
])

HEAD = ('<html><head><meta http-equiv="Content-Type" content="text/html; charset=utf-8">'
        "<title>%s</title></head>\n<body>\n<table border=1>\n")
TAIL = "</table>\n</body></html>\n"


def walk_row(number, title, date):
    return ('<tr><td align=center>%s</td><td><a href="w%s.htm">%s</a></td>'
            "<td align=center>北部</td><td>%s</td><td>備註</td></tr>\n" % (number, number, title, date))


# Ten rows; walk 1500 stands among them although far more than ten walks exist.
ROWS = [(1, "第一次", "2001/01/01"), (2, "二", "2001/02/02"), (3, "錐麓斷崖", "2003/03/03"),
        (4, "四", "2004/04/04"), (5, "五", "2005/05/05"), (6, "六", "2006/06/06"),
        (7, "七", "2007/07/07"), (8, "八", "2008/08/08"), (9, "八通關", "2009/09/09"),
        (1500, "錐麓古道全段", "2015/10/31")]
utf8_page("data/walk2.htm", HEAD % "登山行程" + "".join(walk_row(*r) for r in ROWS) + TAIL)


def atlas_row(number, href, title, volume, page):
    return ('<tr><td align=center>%s</td><td><a href="%s">%s</a></td><td align=center>%s</td>'
            "<td align=center>%s</td></tr>\n" % (number, href, title, volume, page))


utf8_page("data/guide2.htm", HEAD % "藍天隊路線圖" + "".join([
    atlas_row(1, "atlas/28-045.htm", "錐麓斷崖", "二十八", "045"),
    atlas_row(2, "http://bluesky.example.tw/15-045.htm", "雪山主峰", "十五", "045"),
]) + TAIL)
