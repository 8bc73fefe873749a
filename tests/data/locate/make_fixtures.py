#!/usr/bin/env python3
"""Writes the program folder of the locating tests as the owner's Windows machine keeps it: the
settings, the peak files and Mapping.txt in "Unicode" (UTF-16LE with byte-order mark, CR LF),
and the all-in-one GPS file "!台灣的山.gdb" written by gpsbabel (an independent implementation of
the format) from locate.gpx; rewritten.gdb, from rewritten.gpx, is the file a waypoint picker
puts in its place. allinone.gpx, allinone.kml and allinone.gtm are the same waypoints as
gpsbabel writes them in the other formats an all-in-one file may come in (gpsbabel pads GTM
names with spaces to the format's 10 bytes and cuts longer ones there). Run it from anywhere;
it rewrites the files beside itself. Needs gpsbabel.

Waypoints of locate.gpx that the tests look for:
  Own_Lake, Mapped_Lake, 嘉明湖1   one peak found by its own name, by Mapping.txt, by base name
  關山2                            the one free waypoint whose base name is 關山
  向陽山1, 向陽山2                 two waypoints with the base name 向陽山
  Centre 121/23, NearNE and FarNE 0.03 and 0.04 degrees north-east of it (all others lie
                                   more than 0.1 degrees away); Centre and NearNE have heights
  MappedLongWaypointName, Decoy15  the mapping of a 20-character base name, and of its first 15
  LongPeakWaypointName, LongPeakWaypoin  a waypoint name longer than the record's field, and a
                                   waypoint named as the field holds it cut
  Online 121.5/25, South_West -70.5/-33.25  online map pages
"""
import codecs
import os
import shutil
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
PROGRAM = os.path.join(HERE, "program")


def unicode_file(name, lines):
    """A text file as Windows Notepad saves it as "Unicode"."""
    path = os.path.join(PROGRAM, *name.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    text = "".join(line + "\r\n" for line in lines)
    with open(path, "wb") as f:
        f.write(codecs.BOM_UTF16_LE + text.encode("utf-16-le"))


def peak(base, *lines):
    unicode_file("data/山/%s.txt" % base, ["[Talvane]"] + list(lines))


shutil.rmtree(PROGRAM, ignore_errors=True)

unicode_file("峰嵐錄.txt", [
    "[DataGroup]", "BaseFolder=data", "Group1=山",
    "[StoneLevel]", "Level1=一等,二等", "Level2=三等",
    "[DisplayName]", "Convert1=A,甲",
])

peak("a_own", "Name=嘉明湖", "Waypoint=Own_Lake")
peak("b_mapped", "Name=嘉明湖", "Waypoint=Missing_Lake")
peak("c_base", "Name=關山")
peak("d_many", "Name=向陽山")
peak("e_centre", "Name=中心山", "Waypoint=Centre")
peak("abcdefghijklmnopqrst", "Name=長檔名山")
peak("f_longwp", "Name=長航點山", "Waypoint=LongPeakWaypointName")
peak("g_online", "Name=線上山", "Waypoint=Online")
peak("h_southwest", "Name=南美山", "Waypoint=South_West")
peak("i_nowhere", "Name=無名山")
# The row menu: four region codes (A shown as 甲), a first stone and the alias of the second.
peak("m_regions", "Name=四區山", "Region=A,B,C,D", "Stone=一等123", "StoneAlias2=三等45",
     "Waypoint=Online")
# Stones of the second and third slot; the third names no level.
peak("n_stones", "Name=二石山", "Region=B", "Stone2=二等7", "Stone3=X99")

unicode_file("data/Mapping.txt", [
    "[GPS]",
    "a_own=Mapped_Lake",
    "b_mapped=Mapped_Lake",
    "abcdefghijklmno=Decoy15",
    "abcdefghijklmnopqrst=MappedLongWaypointName",
])

# gpsbabel stamps GPX and KML files with the time of writing unless this is set.
BABEL_ENV = dict(os.environ, GPSBABEL_FREEZE_TIME="y")


def gpsbabel(source, output_format, target):
    subprocess.run(["gpsbabel", "-i", "gpx", "-f", os.path.join(HERE, source),
                    "-o", output_format, "-F", target], check=True, env=BABEL_ENV)


gpsbabel("locate.gpx", "gdb,ver=3", os.path.join(PROGRAM, "data", "!台灣的山.gdb"))
gpsbabel("rewritten.gpx", "gdb,ver=3", os.path.join(HERE, "rewritten.gdb"))
for output_format in ("gpx", "kml", "gtm"):
    gpsbabel("locate.gpx", output_format, os.path.join(HERE, "allinone." + output_format))
