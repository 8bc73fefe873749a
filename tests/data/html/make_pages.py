#!/usr/bin/env python3
"""Writes the HTML pages of this folder as the owner's editor leaves them: UTF-8, CR LF, one
table row per line. Run it from anywhere; it rewrites the files beside itself."""
import codecs
import os

HERE = os.path.dirname(os.path.abspath(__file__))


def write(name, text, bom=False):
    data = text.replace("\n", "\r\n").encode("utf-8")
    with open(os.path.join(HERE, name), "wb") as f:
        f.write((codecs.BOM_UTF8 if bom else b"") + data)


def walk_row(number, title_cell, centred, date, extra=""):
    return ("<tr><td align=center>%s</td><td>%s</td><td align=center>%s</td><td>%s</td>%s</tr>\n"
            % (number, title_cell, centred, date, extra))


def link(href, title):
    return '<a href="%s">%s</a>' % (href, title)


PAGE_HEAD = ('<html><head><meta http-equiv="Content-Type" content="text/html; charset=utf-8">'
             "<title>%s</title></head>\n<body>\n<table border=1>\n"
             "<tr><th>編號</th><th>行程</th><th>地區</th><th>日期</th></tr>\n")
PAGE_TAIL = "</table>\n</body></html>\n"

# The walk index page, saved by Notepad with a byte-order mark.
write("walk.htm", PAGE_HEAD % "登山行程" + "".join([
    walk_row(1, link("w1.htm", "合歡北峰3"), "南投", "1991/5/1"),
    # A cancelled walk: its number cell starts with "x".
    walk_row("x2", link("w2.htm", "取消的行程"), "台中", "1991/6/1"),
    walk_row(3, link("http://blog.example.tw/w3.htm", "大霸尖山"), "新竹", "1992/7/4"),
    # No report: the title follows a coloured mark, with blanks and a line break around it.
    walk_row(4, '<font color=red>撤</font> \n\t 颱風撤退 \n', "宜蘭", "1992/8/9"),
    walk_row(12, link("w12.htm", "玉山前峰"), "南投", "1993/1/2"),
    walk_row(12, link("w12b.htm", "玉山主峰"), "嘉義", "1993/1/3"),
    walk_row(519, link("w519.htm", "北大武1，南大武12；關山0，庫哈諾辛3"), "屏東", "2010/3/4"),
    walk_row(520, link("w520.htm", "北大武1，南大武12；庫哈諾辛3"), "屏東", "2010/3/5",
             "<td>附註</td>"),
    walk_row(1999, link("reports/w1999.htm", "最後一篇"), "花蓮", "2024/12/31"),
    walk_row(2000, link("w2000.htm", "超出範圍"), "花蓮", "2025/1/1"),
    walk_row(21, link("w21.htm", "不再讀取"), "花蓮", "2025/1/2"),
]) + PAGE_TAIL, bom=True)


def atlas_row(number, title_cell, volume, page):
    return ("<tr><td align=center>%s</td><td>%s</td><td align=center>%s</td>"
            "<td align=center>%s</td></tr>\n" % (number, title_cell, volume, page))


# The BlueSky atlas page.
write("guide.htm", PAGE_HEAD % "藍天隊路線圖" + "".join([
    atlas_row(1, link("http://bluesky.example.tw/15-045.htm", " 雪山主峰 "), "十五", "045"),
    atlas_row(2, "\n 雪山北峰\n", "十五", "012"),
    atlas_row(3, link("a/3-101.htm", "北插天山"), "三", "101"),
    atlas_row(4, link("a/30-007.htm", "卑南主山"), "三十", "7"),
    # The same page again (the title differs only by blanks): dropped.
    atlas_row(5, link("a/15-045b.htm", "雪山主峰"), "十五", "045"),
    # The same page with another title: kept.
    atlas_row(6, link("a/15-045c.htm", "雪山東峰"), "十五", "045"),
    # A volume the atlas does not have.
    atlas_row(7, "番外篇", "外傳", "001"),
    atlas_row(8, link("a/3-020.htm", "拉拉山"), "三", "020"),
    # A first cell without a number ends the reading.
    atlas_row("--", link("a/1-001.htm", "不再讀取"), "一", "001"),
    atlas_row(9, link("a/1-002.htm", "也不讀取"), "一", "002"),
]) + PAGE_TAIL)
