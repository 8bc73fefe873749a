#!/usr/bin/env python3
"""Writes the program folder of the walk reports as the owner's Windows machine keeps it: the
main settings in "Unicode" (UTF-16LE with byte-order mark, CR LF) and the same settings in
"ANSI" (CP950) beside it, Local.txt in CP950, peak files in both, the walk index page, the
BlueSky atlas page and the two report templates in UTF-8, and the folder of published copies.
Run it from anywhere; it rewrites program/.

Regions: 南投縣 = 仁愛鄉 (shown as 仁愛<霧社>), 信義鄉, 埔里; 花蓮縣 = 秀林鄉, A&B.

Peaks of data/山 (file-name order), region text, visits, BlueSky pages:
  0 p1 合歡山(主峰) 南投縣仁愛鄉,花蓮縣秀林鄉  12, 5, 3   八012, 十二100 (UTF-16LE)
  1 p2 界山         南投縣仁愛鄉信義鄉界      5          八013 (CP950)
  2 p3 埔里山       南投縣埔里鎮 (holds 埔里)  7, 3       (UTF-16LE)
  3 p4 清水&山      花蓮縣A&B村               12         十二100 (CP950)
  4 p5 無區山       台東縣                    12         (UTF-16LE)

Walks (data/walk2.htm): 3 r3.htm; 5 http://other.example.org/r5.htm (title with an entity and
a tag, taken as read); 7 without a link; 12 r12.htm.
Atlas (data/guide2.htm): 八012 linked; 八013 without a link; 十二100 linked (link with &amp;).
Copies (Local.txt WalkIndexFile3 = copies\\walk3%c.htm, WalkIndexFile4 = copies\\w4_%c.htm):
walk3b.htm holds an old page, w4_b.htm is empty, the others are missing (the tests write
walk3a.htm themselves).
"""
import codecs
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))
PROGRAM = os.path.join(HERE, "program")


def write_bytes(name, data):
    path = os.path.join(PROGRAM, *name.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def crlf(lines):
    return "".join(line + "\r\n" for line in lines)


def unicode_file(name, lines):
    write_bytes(name, codecs.BOM_UTF16_LE + crlf(lines).encode("utf-16-le"))


def ansi_file(name, lines):
    write_bytes(name, crlf(lines).encode("cp950"))


def peak(base, lines, ansi=False):
    (ansi_file if ansi else unicode_file)("data/山/%s.txt" % base, ["[Talvane]"] + lines)


shutil.rmtree(PROGRAM, ignore_errors=True)

SETTINGS = [
    "[DataGroup]", "BaseFolder=data", "Group1=山",
    "[Template]", "OnlineDir=http://walks.example.org/",
    "[Region]", "RegionList=南投縣,花蓮縣", "南投縣=仁愛鄉,信義鄉,埔里", "花蓮縣=秀林鄉,A&B",
    "[DisplayName]", "Convert1=仁愛鄉,仁愛<霧社>",
]
unicode_file("峰嵐錄.txt", SETTINGS)
ansi_file("峰嵐錄_cp950.txt", SETTINGS)
ansi_file("Local.txt", ["[Template]", "WalkIndexFile=data\\walk2.htm",
                        "WalkIndexFile3=copies\\walk3%c.htm", "WalkIndexFile4=copies\\w4_%c.htm",
                        "BlueSkyFile="])

peak("p1", ["Name=合歡山", "Name2=主峰", "Height=3417", "Region=南投縣仁愛鄉,花蓮縣秀林鄉",
            "Visit1=12", "Visit2=5", "Visit3=3", "BlueSky1=(八012)合歡山", "BlueSky2=(十二100)合歡山東"])
peak("p2", ["Name=界山", "Height=2000", "Region=南投縣仁愛鄉信義鄉界", "Visit1=5",
            "BlueSky1=(八013)界山"], ansi=True)
peak("p3", ["Name=埔里山", "Height=1000", "Region=南投縣埔里鎮", "Visit1=7", "Visit2=3"])
peak("p4", ["Name=清水&山", "Height=2408", "Region=花蓮縣A&B村", "Visit1=12",
            "BlueSky1=(十二100)清水"], ansi=True)
peak("p5", ["Name=無區山", "Height=500", "Region=台東縣", "Visit1=12"])

HTML_HEAD = ('<html><head><meta http-equiv="Content-Type" content="text/html; charset=utf-8">'
             "<title>%s</title></head>\r\n<body>\r\n<table border=1>\r\n")
HTML_TAIL = "</table>\r\n</body></html>\r\n"


def walk_row(number, title, place, date, link=None):
    cell = ('<a href="%s">%s</a>' % (link, title) if link
            else '<font color="#808080">&#9679;</font> %s ' % title)
    return ('<tr><td align=center>%d</td><td>%s</td><td align=center>%s</td><td>%s</td></tr>\r\n'
            % (number, cell, place, date))


write_bytes("data/walk2.htm", (HTML_HEAD % "登山行程" + "".join([
    walk_row(3, "三號行程", "南投", "1990/3/3", "r3.htm"),
    walk_row(5, "五號&amp;<b>行程</b>", "花蓮", "1991/5/5", "http://other.example.org/r5.htm"),
    walk_row(7, "加里山", "新竹", "1992/7/7"),
    walk_row(12, "十二號", "南投", "1993/12/12", "r12.htm"),
]) + HTML_TAIL).encode("utf-8"))


def atlas_row(number, title, volume, page, link=None):
    cell = '<a href="%s">%s </a>' % (link, title) if link else title
    return ('<tr><td align=center>%d</td><td>%s</td><td align=center>%s</td>'
            '<td align=center>%s</td></tr>\r\n' % (number, cell, volume, page))


write_bytes("data/guide2.htm", (HTML_HEAD % "藍天圖集" + "".join([
    atlas_row(1, "合歡山", "八", "012", "http://sky.example.org/8-12.htm"),
    atlas_row(2, "界山", "八", "013"),
    atlas_row(3, "清水&amp;合歡", "十二", "100", "http://sky.example.org/12-100.htm?a=1&amp;b=2"),
]) + HTML_TAIL).encode("utf-8"))

META = '<meta http-equiv="Content-Type" content="text/html; charset=utf-8">'
WALK3 = ("<html><head>" + META + "<title>__City__的行程</title></head>\r\n<body>\r\n"
         "<p>完成 100% __City__</p>\r\n"
         '<!__CityStart__><p><a href="walk3%c.htm">__City__</a> 100% 與 100%% %c</p><ul>\r\n'
         '<!__RegionStart__><li><a href="walk3%c.htm#r__Jump__">__Region__</a> (%c)</li>\r\n'
         "<!__RegionEnd__></ul>\r\n<!__CityEnd__><h1>__City__</h1>\r\n"
         '<!__RegionStart2__><h2><a name="r__Jump__">__Region__</a></h2>\r\n<table>\r\n'
         '<!__RowStart__><tr><td>__No__</td><td><a href="__Ref__">__Title__</a></td>'
         "<td>__Date__</td><td>__Place__</td></tr>\r\n"
         "<!__RowEnd__></table>\r\n<!__RegionEnd2__><p>完 100%</p>\r\n</body></html>\r\n")
WALK4 = ("<html><head>" + META + "<title>__City__的山</title></head>\r\n<body>\r\n"
         '<!__CityStart__><p><a href="walk4%c.htm">__City__</a></p><ul>\r\n'
         '<!__RegionStart__><li><a href="walk4%c.htm#r__Jump__">__Region__</a></li>\r\n'
         "<!__RegionEnd__></ul>\r\n<!__CityEnd__><h1>__City__</h1>\r\n"
         '<!__RegionStart2__><h2><a name="r__Jump__">__Region__</a></h2>\r\n<table>\r\n'
         '<!__RowStart__><tr><td>__Talvane__</td><td><a href="__Ref__">__Title__</a> __Date__</td>'
         '<!__ColStart__><td><a href="__Ref__">__Title__</a> __Date__</td><!__ColEnd__>'
         "<td>__Date__</td></tr>\r\n"
         "<!__RowEnd__></table>\r\n<!__RegionEnd2__></body></html>\r\n")
write_bytes("data/Template/walk3_template.htm", WALK3.encode("utf-8"))
write_bytes("data/Template/walk4_template.htm", WALK4.encode("utf-8"))

write_bytes("copies/walk3b.htm", "<html><body>舊的</body></html>\r\n".encode("utf-8"))
write_bytes("copies/w4_b.htm", b"")
