#!/usr/bin/env python3
"""Writes a program folder for the record menu of peaks, as the owner's Windows machine keeps it:
the settings files, peak and stone files and the companions' files in "Unicode" (UTF-16LE with
byte-order mark, CR LF), the walk index and BlueSky atlas pages in UTF-8 as the owner's editor
saves them, one table row per line. Run it from anywhere; it rewrites the files beside itself.

Peaks of data/山 (in file-name order):
  0 北大武山: walks 12 (not on the walk page) and 7; BlueSky pages 二十八012 (on no atlas row)
    and 二十八045; 岫禾 pages 二十八005, 二十八030 (no entry) and 三101; 阿明 on 2019/5/3,
    2018/1/2 (no trip that day) and 2015/8/9; 小華 on 109.7.1.
  1 南湖大山: nothing to show.
  2 關山: walk 2500 (no walk has that number) and walk 3 (a row without a report link);
    小華 on 109.7.1.
"""
import codecs
import os

HERE = os.path.dirname(os.path.abspath(__file__))


def write_bytes(name, data):
    path = os.path.join(HERE, *name.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def unicode_file(name, lines):
    """A text file as Windows Notepad saves it as "Unicode"."""
    text = "".join(line + "\r\n" for line in lines)
    write_bytes(name, codecs.BOM_UTF16_LE + text.encode("utf-16-le"))


def utf8_page(name, text):
    write_bytes(name, text.replace("\n", "\r\n").encode("utf-8"))


unicode_file("峰嵐錄.txt", [
    "[DataGroup]", "BaseFolder=data", "Group1=山", "Group2=基石",
    "[Template]", "OnlineDir=http://walks.example.org/report/",
    "[HikingMate]", "Mate1=阿明.txt", "Mate2=小華.txt",
])
unicode_file("Local.txt", ["[Template]"])

unicode_file("data/山/a_北大武山.txt", [
    "[Talvane]", "Name=北大武山", "Height=3092",
    "Visit1=7", "Visit2=12",
    "BlueSky1=(二十八045)北大武山", "BlueSky2=(二十八012)",
    "Quill1=三101-北插天山", "Quill2=二十八030-大武", "Quill3=二十八005-北大武山東峰",
    "阿明1=2019/5/3", "阿明2=2018/1/2", "阿明3=2015/8/9", "小華1=109.7.1",
])
unicode_file("data/山/b_南湖大山.txt", ["[Talvane]", "Name=南湖大山", "Height=3742"])
unicode_file("data/山/c_關山.txt", ["[Talvane]", "Name=關山", "Visit1=2500", "Visit2=3",
                                    "小華1=109.7.1"])
unicode_file("data/基石/三角點.txt", ["[Stone]", "Name=三角點", "Stone=1234", "Height=3092"])

# 阿明's trips; the last one's date (year 8) is no date at all.
unicode_file("data/山友/阿明.txt", [
    "[Hiking]", "Title=阿明", "KeyTitle=阿明", "KeyLink=阿明連結",
    "阿明1=北大武山 [108/05/03]", "阿明連結1=http://example.org/m/1",
    "阿明2=【雪山】1040809-主東", "阿明連結2=http://example.org/m/2",
    "阿明3=玉山 (2019/12/31)", "阿明連結3=http://example.org/m/3",
    "阿明4=舊行程 [08/05/03]", "阿明連結4=http://example.org/m/4",
])
# A title with "&", which menus show as it stands.
unicode_file("data/山友/小華.txt", [
    "[Hiking]", "Title=小華&阿花", "KeyTitle=小華", "KeyLink=小華連結",
    "小華1=嘉明湖 [109.07.01]", "小華連結1=trips/嘉明湖.htm",
])
unicode_file("data/山友/岫禾圖集.txt", [
    "[Quill]",
    "Quill1=三101-北插天山", "QuillLink1=quill\\3-101.htm",
    "Quill2=二十八005-北大武山東峰", "QuillLink2=https://quill.example.tw/28-005",
    "Quill3=二十八031-大武", "QuillLink3=quill\\28-031.htm",
])

HEAD = ('<html><head><meta http-equiv="Content-Type" content="text/html; charset=utf-8">'
        "<title>%s</title></head>\n<body>\n<table border=1>\n")
TAIL = "</table>\n</body></html>\n"


def walk_row(number, title_cell, region, date):
    return ("<tr><td align=center>%s</td><td>%s</td><td align=center>%s</td><td>%s</td>"
            "<td>備註</td></tr>\n" % (number, title_cell, region, date))


def atlas_row(number, title_cell, volume, page):
    return ("<tr><td align=center>%s</td><td>%s</td><td align=center>%s</td>"
            "<td align=center>%s</td></tr>\n" % (number, title_cell, volume, page))


def link(href, title):
    return '<a href="%s">%s</a>' % (href, title)


# Three rows: walk 7 is listed although fewer rows than that were read.
utf8_page("data/walk2.htm", HEAD % "登山行程" + "".join([
    walk_row(3, "<font color=red>撤</font> 颱風撤退 ", "台東", "2018/08/09"),
    walk_row(7, link("w7.htm", "北大武山 & 南大武山"), "屏東", "2019/05/03"),
    walk_row(9, link("http://blog.example.tw/w9.htm", "嘉明湖"), "台東", "2020/07/01"),
]) + TAIL)

utf8_page("data/guide2.htm", HEAD % "藍天隊路線圖" + "".join([
    atlas_row(1, link("http://bluesky.example.tw/15-045.htm", "雪山主峰"), "十五", "045"),
    atlas_row(2, link("atlas\\28-045.htm", "北大武山 & 南段"), "二十八", "045"),
    atlas_row(3, link("atlas/28-013.htm", "日湯真山"), "二十八", "013"),
    atlas_row(4, link("atlas/27-012.htm", "卑南主山"), "二十七", "012"),
]) + TAIL)
