#!/usr/bin/env python3
"""Writes the program folder of the HTML list pages as the owner's Windows machine keeps it:
the settings in "Unicode" (UTF-16LE with byte-order mark, CR LF), Local.txt and some peak files
in "ANSI" (CP950), list templates in CP950 (declaring UTF-8 output, as the pages are written),
in UTF-8 and in UTF-8 with a byte-order mark, the walk index page in UTF-8, and the walks' GPS
files written by gpsbabel from walk.gpx. Broken templates and walk pages (no markers, reversed
markers, truncated, empty, binary) sit beside them. Run it from anywhere; it rewrites program/
(gpsbabel must be installed).

Peaks of data/山 (file-name order) and their visits:
  0 p01_yu     玉山       12, 13, 51 (UTF-16LE)
  1 p02_xue    雪山       7, 40 (CP950)
  2 p03_far    遠峰       1999, 2000, -3
  3 p04_new    新峰       30, 12 (30 is not on the index page yet)
  4 p05_none   無訪峰     none (CP950)
  5 p06_mark   A&B<峰>"__Col2__"  60

Walks (data/walk2.htm; GPS folder gps\\):
  7     no link (title after </font>)
  12    r12.htm, relative: the prefix goes before it; gps/w12.gdb
  13    http://other.example.org/r13.htm; gps/w13.mps (no .gdb; GDB bytes, as only its name counts)
  40    r40.htm; no GPS file (below 51: not looked up further)
  51    r51.htm; no w51 file, w51/index.htm links w1051.gdb: gps/w1051.gdb
  60    r60.htm; no GPS file, no walk folder
  1999  r1999.htm; no GPS file
  the title of 12 holds an entity and a tag, taken as read
"""
import codecs
import os
import random
import shutil
import subprocess

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
    """A text file as Windows Notepad saves it as "Unicode"."""
    write_bytes(name, codecs.BOM_UTF16_LE + crlf(lines).encode("utf-16-le"))


def ansi_file(name, lines):
    """A text file as Windows Notepad saves it as "ANSI" on a Traditional Chinese system."""
    write_bytes(name, crlf(lines).encode("cp950"))


def peak(base, name, visits, ansi=False):
    lines = ["[Talvane]", "Name=" + name, "Height=3000"]
    lines += ["Visit%d=%d" % (n + 1, v) for n, v in enumerate(visits)]
    (ansi_file if ansi else unicode_file)("data/山/%s.txt" % base, lines)


shutil.rmtree(PROGRAM, ignore_errors=True)

unicode_file("峰嵐錄.txt", [
    "[DataGroup]", "BaseFolder=data", "Group1=山",
    "[Template]", "百岳=百岳表", "百岳表=list_big5.htm", "百岳表Visit=visit_big5.htm",
    "OnlineGPSDir=http://gps.example.org/a&b/", "OnlineDir=http://walks.example.org/",
])
ansi_file("Local.txt", ["[Template]", "WalkIndexFile=data\\walk2.htm", "GPSDir=gps\\"])

peak("p01_yu", "玉山", [12, 13, 51])
peak("p02_xue", "雪山", [7, 40], ansi=True)
peak("p03_far", "遠峰", [1999, 2000, -3])
peak("p04_new", "新峰", [30, 12])
peak("p05_none", "無訪峰", [], ansi=True)
peak("p06_mark", 'A&B<峰>"__Col2__"', [60])

# Templates. The CP950 ones declare UTF-8, the encoding of the pages written from them.
HEAD = ('<html><head><meta http-equiv="Content-Type" content="text/html; charset=utf-8">'
        "<title>__Title__</title></head>\r\n<body>\r\n")
LIST = (HEAD + "<p>__Date__ __FileBase__.__FileExt__ __SubRegion__</p>\r\n<table>\r\n"
        "<!__RowStart__><tr><td>__No__</td><td>__Col1__</td><td>__Col2__</td>"
        '<td><a href="__File__">造訪</a></td></tr>\r\n'
        "<!__RowEnd__></table>\r\n<p>__Title__ 完</p>\r\n</body></html>\r\n")
VISIT = (HEAD + "<h1>__Title__</h1>\r\n<table>\r\n"
         "<!__RowStart__><tr><td>__No__ __Col1__ __File__</td><td><ul>"
         "<!__VisitStart__><li>__VisitNo__|__RefStart__|__VisitWalk__|__RefEnd__|__VisitDate__|"
         "__MPS__|__Col1__</li><!__VisitEnd__></ul></td></tr>\r\n"
         "<!__RowEnd__></table>\r\n</body></html>\r\n")
NO_VISIT = (HEAD + "<table>\r\n<!__RowStart__><tr><td>__No__</td><td>__Col1__</td></tr>\r\n"
            "<!__RowEnd__></table>\r\n</body></html>\r\n")
write_bytes("data/Template/list_big5.htm", LIST.encode("cp950"))
write_bytes("data/Template/list_utf8.htm", LIST.replace("造訪", "造訪𠀋").encode("utf-8"))
write_bytes("data/Template/list_bom.htm", codecs.BOM_UTF8 + LIST.encode("utf-8"))
write_bytes("data/Template/visit_big5.htm", VISIT.encode("cp950"))
write_bytes("data/Template/visit_no_markers.htm", NO_VISIT.encode("cp950"))
write_bytes("data/Template/no_markers.htm",
            (HEAD + "<table><tr><td>__Col1__</td></tr></table></body></html>\r\n").encode("cp950"))
write_bytes("data/Template/reversed.htm", LIST.replace("<!__RowStart__>", "<!__X__>")
            .replace("<!__RowEnd__>", "<!__RowStart__>").replace("<!__X__>", "<!__RowEnd__>")
            .encode("cp950"))
write_bytes("data/Template/truncated.htm", LIST.encode("cp950")[:LIST.encode("cp950").index(b"__Col2__")])
write_bytes("data/Template/visit_truncated.htm",
            VISIT.encode("cp950")[:VISIT.encode("cp950").index(b"__VisitDate__")])
write_bytes("data/Template/empty.htm", b"")
rng = random.Random(19)
BINARY = bytes(rng.randrange(256) for _ in range(4096))
write_bytes("data/Template/binary.htm", BINARY)
# Without zero bytes, so that the markers are reached through the undecodable bytes.
NONZERO = BINARY.replace(b"\0", b"\1")
write_bytes("data/Template/binary_markers.htm",
            NONZERO[:1000] + b"<!__RowStart__>" + NONZERO[1000:2000] + b"<!__VisitStart__>"
            + NONZERO[2000:3000] + b"<!__VisitEnd__>" + NONZERO[3000:3500] + b"<!__RowEnd__>")


def walk_row(number, title, date, link=None):
    cell = ('<a href="%s">%s</a>' % (link, title) if link
            else '<font color="#808080">&#9679;</font> %s ' % title)
    return ('<tr><td align=center>%d</td><td>%s</td><td align=center>南投</td><td>%s</td></tr>\r\n'
            % (number, cell, date))


PAGE_HEAD = ('<html><head><meta http-equiv="Content-Type" content="text/html; charset=utf-8">'
             "<title>登山行程</title></head>\r\n<body>\r\n<table border=1>\r\n"
             "<tr><th>編號</th><th>行程</th><th>地區</th><th>日期</th></tr>\r\n")
PAGE_TAIL = "</table>\r\n</body></html>\r\n"
WALK_PAGE = PAGE_HEAD + "".join([
    walk_row(7, "加里山", "1992/9/9"),
    walk_row(12, "玉山&amp;<b>群峰</b>", "1993/1/2", "r12.htm"),
    walk_row(13, "雪山主東", "1993/2/3", "http://other.example.org/r13.htm"),
    walk_row(40, "合歡山", "1995/4/5", "r40.htm"),
    walk_row(51, "南湖大山", "1996/5/6", "r51.htm"),
    walk_row(60, "六十石山", "1997/6/7", "r60.htm"),
    walk_row(1999, "終點山", "2020/12/31", "r1999.htm"),
]) + PAGE_TAIL
write_bytes("data/walk2.htm", WALK_PAGE.encode("utf-8"))
write_bytes("data/walk_truncated.htm", WALK_PAGE.encode("utf-8")[:WALK_PAGE.encode("utf-8").index(b"r13.htm")])
write_bytes("data/walk_binary.htm", BINARY)
write_bytes("data/walk_empty.htm", b"")

# The page of walk 51 in the folder whose "gps" is replaced by "w51": it links the GPS file of
# walk 1051 with a four-digit number.
write_bytes("w51/index.htm", '<html><body><a href="w1051.gdb">GPS</a></body></html>\r\n'.encode("utf-8"))


def gpsbabel(output_format, target):
    path = os.path.join(PROGRAM, *target.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    subprocess.run(["gpsbabel", "-w", "-t", "-i", "gpx", "-f", os.path.join(HERE, "walk.gpx"),
                    "-o", output_format, "-F", path], check=True)


gpsbabel("gdb,ver=3", "gps/w12.gdb")
# gpsbabel has no MapSource MPS writer; the look-up only opens the file, so walk 13's ".mps" is a
# copy of the GDB file's bytes.
gpsbabel("gdb,ver=3", "gps/w13.mps")
gpsbabel("gdb,ver=3", "gps/w1051.gdb")
