#!/usr/bin/env python3
"""Writes the program folder of the route-map atlas comparison, as the owner's Windows machine
keeps it: settings and peak files with CR LF line ends, the peak files alternating between
"Unicode" (UTF-16LE with byte-order mark) and "ANSI" (CP950), and the BlueSky atlas page
data/guide2.htm in UTF-8. Run it from anywhere; it rewrites program/ beside itself.

Atlas pages (volume, page, title):  十五 012 雪山北稜, 十五 045 雪山主東, 十五 050 志佳陽,
三 020 拉拉山, 三 101 北插天山.

Peaks (file-name order = item index) and their references:
  0 玉山 (UTF-16LE)  BlueSky1=(十五045)雪山         names an atlas page: dropped
                     BlueSky2=藍天圖集[15]雪山北稜線  BlueLink2=http://x/1
                     BlueSky3=其他文字
                     Quill1=十五045-雪山 QuillLink1=q/15-045.htm
                     Quill2=三-101-北插天山 QuillLink2=q/3-101.htm
  1 雪山 (CP950)     BlueSky1=藍天圖集[15]雪山北稜線  BlueLink1=http://x/1 (repeats peak 0's)
                     BlueSky2=藍天圖集[3]拉拉山
                     BlueSky3=(十五099)不在圖集       page not in the atlas: kept, volume -1
                     Quill1=拾五045-壞冊             no volume of that name
  2 南湖大山 (UTF-16LE) BlueSky1=藍天圖集[15]志佳陽線
                     BlueSky2=藍天圖集[9]無頁         a volume without pages
                     Quill1=十五045-雪山 QuillLink1=q/15-045.htm (repeats peak 0's)
                     Quill2=十五０１２-雪山北稜       full-width page digits
  3 北大武山 (CP950) BlueSky1= (empty: BlueSky2 is not read) BlueSky2=藍天圖集[3]不讀
                     Quill1=三101-北插天山 QuillLink1=q/3-101.htm (repeats peak 0's)
"""
import codecs
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))

ATLAS = [("十五", "012", "雪山北稜", "a/15-012.htm"), ("十五", "045", "雪山主東", "a/15-045.htm"),
         ("十五", "050", "志佳陽", "a/15-050.htm"), ("三", "020", "拉拉山", "a/3-020.htm"),
         ("三", "101", "北插天山", "a/3-101.htm")]

PEAKS = [
    ("玉山", ["BlueSky1=(十五045)雪山", "BlueSky2=藍天圖集[15]雪山北稜線", "BlueLink2=http://x/1",
             "BlueSky3=其他文字", "Quill1=十五045-雪山", "QuillLink1=q/15-045.htm",
             "Quill2=三-101-北插天山", "QuillLink2=q/3-101.htm"]),
    ("雪山", ["BlueSky1=藍天圖集[15]雪山北稜線", "BlueLink1=http://x/1", "BlueSky2=藍天圖集[3]拉拉山",
             "BlueSky3=(十五099)不在圖集", "Quill1=拾五045-壞冊"]),
    ("南湖大山", ["BlueSky1=藍天圖集[15]志佳陽線", "BlueSky2=藍天圖集[9]無頁",
               "Quill1=十五045-雪山", "QuillLink1=q/15-045.htm", "Quill2=十五０１２-雪山北稜"]),
    ("北大武山", ["BlueSky1=", "BlueSky2=藍天圖集[3]不讀", "Quill1=三101-北插天山",
               "QuillLink1=q/3-101.htm"]),
]


def encode(lines, unicode):
    text = "".join(line + "\r\n" for line in lines)
    return codecs.BOM_UTF16_LE + text.encode("utf-16-le") if unicode else text.encode("cp950")


def write(name, data):
    path = os.path.join(HERE, "program", *name.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def atlas_page():
    rows = ['<tr><td align=center>%d</td><td><a href="%s">%s</a></td><td align=center>%s</td>'
            '<td align=center>%s</td></tr>' % (n, link, title, volume, page)
            for n, (volume, page, title, link) in enumerate(ATLAS, 1)]
    return ('<html><head><meta http-equiv="Content-Type" content="text/html; charset=utf-8">'
            '<title>藍天隊路線圖</title></head>\r\n<body>\r\n<table border=1>\r\n'
            '<tr><th>編號</th><th>行程</th><th>地區</th><th>日期</th></tr>\r\n'
            + "\r\n".join(rows) + '\r\n</table>\r\n</body></html>\r\n').encode("utf-8")


shutil.rmtree(os.path.join(HERE, "program"), ignore_errors=True)
write("峰嵐錄.txt", encode(["[DataGroup]", "BaseFolder=data", "Group1=山", "[Talvane]"], True))
write("data/guide2.htm", atlas_page())
for i, (name, keys) in enumerate(PEAKS):
    write("data/山/%02d_%s.txt" % (i, name),
          encode(["[Talvane]", "Name=" + name, "Height=%d" % (3000 + i)] + keys, i % 2 == 0))
