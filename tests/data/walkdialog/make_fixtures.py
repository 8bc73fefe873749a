#!/usr/bin/env python3
"""Writes the program folder of the walk comparison dialog's tests as the owner's machine leaves
it: the main settings file and the peak files in UTF-16LE with byte-order mark, Local.txt in
CP950, the walk index page and the report templates in UTF-8, all with CR LF line ends. Run it
from anywhere; it rewrites the folder "program" beside itself."""
import codecs
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.join(HERE, "program")


def write(name, data):
    path = os.path.join(ROOT, *name.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def crlf(text):
    return text.replace("\n", "\r\n")


def utf16(name, text):
    write(name, codecs.BOM_UTF16_LE + crlf(text).encode("utf-16-le"))


def cp950(name, text):
    write(name, crlf(text).encode("cp950"))


def utf8(name, text, bom=False):
    write(name, (codecs.BOM_UTF8 if bom else b"") + crlf(text).encode("utf-8"))


def walk_row(number, title_cell, centred, date):
    return ("<tr><td align=center>%s</td><td>%s</td><td align=center>%s</td><td>%s</td></tr>\n"
            % (number, title_cell, centred, date))


def link(href, title):
    return '<a href="%s">%s</a>' % (href, title)


shutil.rmtree(ROOT, ignore_errors=True)

utf16("峰嵐錄.txt", "[Template]\nOnlineDir=http://hike.example.tw/\n"
      "[Region]\nRegionList=南投縣\n南投縣=信義鄉\n")
# The walk index path, relative to the program folder, written the Windows way.
cp950("Local.txt", "[Template]\nWalkIndexFile=頁面\\walk2.htm\n")

# The walk index as the owner keeps it: oldest first; numbers 3 (cancelled: "x"), 4 and 6 to 50
# missing; walk 5 has no report page.
utf8("頁面/walk2.htm",
     '<html><head><meta http-equiv="Content-Type" content="text/html; charset=utf-8">'
     "<title>登山行程</title></head>\n<body>\n<table border=1>\n"
     "<tr><th>編號</th><th>行程</th><th>地區</th><th>日期</th></tr>\n"
     + walk_row(1, link("w1.htm", "合歡山行"), "南投", "2001/1/1")
     + walk_row("x3", link("w3.htm", "取消的行程"), "台中", "2001/3/3")
     + walk_row(2, link("http://blog.example.tw/w2.htm", "雪山主峰"), "台中", "2001/2/2")
     + walk_row(5, "<font color=red>撤</font> \n 颱風撤退 \n", "宜蘭", "2001/5/5")
     + walk_row(51, link("reports/w51.htm", "玉山群峰"), "嘉義", "2005/1/5")
     + "</table>\n</body></html>\n", bom=True)

# Peaks, loaded in this order.
PEAKS = [
    ("玉山", "Region=南投縣信義鄉\nVisit1=51\n"),
    ("北峰", "Region=南投縣信義鄉\nVisit1=51\nVisit2=2\n"),
    ("雪山", "Region=台中市和平區\nVisit1=2\n"),
    ("合歡山", "Region=南投縣仁愛鄉\nVisit1=1\n"),
    ("奇萊", "Region=花蓮縣秀林鄉\n"),
]
for n, (name, keys) in enumerate(PEAKS):
    utf16("山/%d.txt" % n, "[Talvane]\nName=%s\n%s" % (name, keys))

# Report templates with every marker, so that a report written by mistake would show.
MARKED = ("<html><body><!__CityStart__>__City__<!__RegionStart__>__Region__<!__RegionEnd__>"
          "<!__CityEnd__><!__RegionStart2__>__Region__<!__RowStart__>%s<!__RowEnd__>"
          "<!__RegionEnd2__></body></html>\n")
utf8("Template/walk3_template.htm", MARKED % "__No__ __Title__")
utf8("Template/walk4_template.htm",
     MARKED % "__Talvane__<!__ColStart__>__Title__<!__ColEnd__>")
