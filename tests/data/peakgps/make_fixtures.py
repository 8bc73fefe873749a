#!/usr/bin/env python3
"""Writes the program folder of the peak group's waypoint export, synchronisation and walk GPS
collection as the owner's Windows machine keeps it: settings, peak files and Mapping.txt in
"Unicode" (UTF-16LE with byte-order mark, CR LF), two peak files in "ANSI" (CP950), the walk
index page in UTF-8, and every GPS file written by gpsbabel (an independent implementation of
the formats) from the GPX sources beside this script. Run it from anywhere; it rewrites
program/ (gpsbabel must be installed).

Peaks of data/山 and how each finds its waypoint in "!台灣的山.gdb" (peaks.gpx):
  a_main   玉山主峰 its own Waypoint Yushan; Longitude as the waypoint's, no Attitude; the walks
           3, 5, 12, 60, 75, 88 and 2001
  b_front  玉山前峰 (CP950) Mapping.txt: Yushan, as 玉山主峰
  c_east   玉山東峰 Mapping.txt: Skip (a free 玉山東峰1 exists)
  d_south  玉山南峰 the only free waypoint of base name 玉山南峰 is 玉山南峰2
  e_long   XY + ten characters (32 bytes of UTF-8), Name2 of Z + 30 characters
  f_west   玉山西峰 (CP950) Mapping.txt: a waypoint name of 20 characters
  g_guess  Guess    two free waypoints Guess1 and Guess2
  h_none   無名峰   no waypoint at all
  i_sixty  六十峰   the walks 7 and 60, whose GPS files are missing

Walks (data/walk2.htm; GPSDir gps\\%d\\ in the program folder):
  3  1992  gps/1992/w3.gdb: Summit (the place of walk 12's Summit), Camp, track Day1
  5  1992  gps/1992/w5.gdb: not a GPS file
  7  1992  no file
  12 1993  gps/1993/w12.gdb: Summit, Saddle, track Day2
  60 2010  no file, no walk page
  75       not on the index page
  88 2011  no w88 file; w88/2011/index.htm links w0087.gdb: gps/2011/w87.gdb with Hut, track Day3
"""
import codecs
import os
import shutil
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
PROGRAM = os.path.join(HERE, "program")


def write_bytes(name, data):
    path = os.path.join(PROGRAM, *name.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def text(lines):
    return "".join(line + "\r\n" for line in lines)


def unicode_file(name, lines):
    """A text file as Windows Notepad saves it as "Unicode"."""
    write_bytes(name, codecs.BOM_UTF16_LE + text(lines).encode("utf-16-le"))


def ansi_file(name, lines):
    """A text file as Windows Notepad saves it as "ANSI" on a Traditional Chinese system."""
    write_bytes(name, text(lines).encode("cp950"))


def peak(base, *lines, ansi=False):
    (ansi_file if ansi else unicode_file)("data/山/%s.txt" % base, ["[Talvane]"] + list(lines))


shutil.rmtree(PROGRAM, ignore_errors=True)

unicode_file("峰嵐錄.txt", ["[DataGroup]", "BaseFolder=data", "Group1=山"])
unicode_file("Local.txt", ["[Template]", "GPSDir=gps\\%d\\"])
unicode_file("data/Mapping.txt", [
    "[GPS]", "b_front=Yushan", "c_east=Skip", "f_west=Yushan-West-Peak-Top",
])

peak("a_main", "Name=玉山主峰", "Name2=新高山", "Height=3952", "Stone=1", "Waypoint=Yushan",
     "Longitude=120.957500", "Visit1=3", "Visit2=5", "Visit3=12", "Visit4=60", "Visit5=75",
     "Visit6=88", "Visit7=2001")
peak("b_front", "Name=玉山前峰", "Height=3239", ansi=True)
peak("c_east", "Name=玉山東峰", "Height=3869")
peak("d_south", "Name=玉山南峰", "Height=3844", "Longitude=120", "Attitude=23")
peak("e_long", "Name=XY大霸尖山東北峰稜線岩", "Name2=Z" + "甲乙丙丁戊己庚辛壬癸" * 3,
     "Height=3000", "Waypoint=XYLong")
peak("f_west", "Name=玉山西峰", "Height=3518", ansi=True)
peak("g_guess", "Name=Guess", "Height=100")
peak("h_none", "Name=無名峰", "Height=200")
peak("i_sixty", "Name=六十峰", "Height=300", "Visit1=7", "Visit2=60")


def walk_row(number, title, date):
    return ('<tr><td align=center>%d</td><td><a href="w%d.htm">%s</a></td>'
            "<td align=center>南投</td><td>%s</td></tr>\r\n" % (number, number, title, date))


PAGE_HEAD = ('<html><head><meta http-equiv="Content-Type" content="text/html; charset=utf-8">'
             "<title>登山行程</title></head>\r\n<body>\r\n<table border=1>\r\n"
             "<tr><th>編號</th><th>行程</th><th>地區</th><th>日期</th></tr>\r\n")
PAGE_TAIL = "</table>\r\n</body></html>\r\n"

write_bytes("data/walk2.htm", (PAGE_HEAD + "".join([
    walk_row(3, "玉山主峰", "1992/7/4"),
    walk_row(5, "玉山前峰", "1992/8/1"),
    walk_row(7, "玉山東峰", "1992/9/9"),
    walk_row(12, "玉山群峰", "1993/1/2"),
    walk_row(60, "六十石山", "2010/3/4"),
    walk_row(88, "排雲山莊", "2011/5/6"),
]) + PAGE_TAIL).encode("utf-8"))

# The page of walk 88 in the folder whose "gps" is replaced by "w88": it links the GPS file of
# walk 87 with a four-digit number.
write_bytes("w88/2011/index.htm",
            '<html><body><a href="w0087.gdb">GPS</a></body></html>\r\n'.encode("utf-8"))
write_bytes("gps/1992/w5.gdb", b"not a GPS file\r\n")


def gpsbabel(source, output_format, target):
    path = os.path.join(PROGRAM, *target.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    subprocess.run(["gpsbabel", "-w", "-t", "-i", "gpx", "-f", os.path.join(HERE, source),
                    "-o", output_format, "-F", path], check=True)


gpsbabel("peaks.gpx", "gdb,ver=3", "data/!台灣的山.gdb")
gpsbabel("walk3.gpx", "gdb,ver=3", "gps/1992/w3.gdb")
gpsbabel("walk12.gpx", "gdb,ver=3", "gps/1993/w12.gdb")
gpsbabel("walk87.gpx", "gdb,ver=3", "gps/2011/w87.gdb")
