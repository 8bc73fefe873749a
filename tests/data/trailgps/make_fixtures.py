#!/usr/bin/env python3
"""Writes the program folder of the trail locating and export tests as the owner's Windows
machine keeps it: the settings, the trail files and Mapping.txt in "Unicode" (UTF-16LE with
byte-order mark, CR LF), one trail file in Big5, and the all-in-one file "!台灣的步道2.gdb"
written by gpsbabel (an independent implementation of the format) from trails.gpx. formats.gtm
is formats.gpx as gpsbabel writes GPS TrackMaker files (the old trails' all-in-one file in the
format tests). empty.gpx is written here by hand: gpsbabel drops a track without points, and
that track is the one it holds. Run it from anywhere; it rewrites the files beside itself.
Needs gpsbabel.

Tracks of trails.gpx that the tests look for:
  Centre          two waypoints name it (CentreHut, CentreSpring: centre 121.001/23.001);
                  CentreSpur is related to it (Centre2 is not: a following 2 to 9)
  NearNE, FarNE   centres 0.029 and 0.039 degrees north-east of Centre's (about 0.041 and
                  0.055 degrees off); every other track lies more than 0.1 degrees away
  Own_Track, Mapped_Track   found by a trail's Track, and by Mapping.txt
  合歡步道1        the one free track whose base name is 合歡步道
  向陽步道1, 2     two tracks of the base name 向陽步道
  略過步道1        would be found by base name, but Mapping.txt says Skip
  Lonely          no waypoint names it: its centre is the mean of its points, 121.7/23.7
  LongTrailTrackName   a Track longer than the record's field
"""
import codecs
import os
import shutil
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
PROGRAM = os.path.join(HERE, "program")


def text_file(name, lines, encoding):
    path = os.path.join(PROGRAM, *name.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    text = "".join(line + "\r\n" for line in lines)
    with open(path, "wb") as f:
        if encoding == "utf-16-le":
            f.write(codecs.BOM_UTF16_LE)
        f.write(text.encode(encoding))


def unicode_file(name, lines):
    """A text file as Windows Notepad saves it as "Unicode"."""
    text_file(name, lines, "utf-16-le")


def trail(base, *lines, encoding="utf-16-le"):
    text_file("data/步道/%s.txt" % base, ["[Trail]"] + list(lines), encoding)


shutil.rmtree(PROGRAM, ignore_errors=True)

unicode_file("峰嵐錄.txt", [
    "[DataGroup]", "BaseFolder=data", "Group1=步道", "Group2=古道",
])

trail("a_own", "Name=自有步道", "Length=1200", "Track=Own_Track")
trail("b_mapped", "Name=對應步道")
trail("c_base", "Name=合歡步道")
trail("d_many", "Name=向陽步道")
trail("e_centre", "Name=中心步道", "Track=Centre")
trail("f_lonely", "Name=孤單步道", "Track=Lonely")
trail("g_long", "Name=長步道", "Track=LongTrailTrackName")
trail("h_nowhere", "Name=無名步道")
trail("i_dup", "Name=重複步道", "Track=Own_Track")
trail("j_skip", "Name=略過步道")
trail("k_skipown", "Name=略過自有", "Track=NearNE")
# Windows' "ANSI" on a Taiwanese machine.
trail("l_big5", "Name=合歡步道", "Region=南投", encoding="cp950")
# The old trails: the format tests name their all-in-one file in Local.txt.
text_file("data/古道/x_format.txt", ["[OldTrail]", "Name=格式古道", "Track=FmtTrack"], "utf-16-le")

unicode_file("data/Mapping.txt", [
    "[GPS]",
    "a_own=Mapped_Track",
    "b_mapped=Mapped_Track",
    "j_skip=Skip",
    "k_skipown=skip",
])

# gpsbabel stamps some formats with the time of writing unless this is set.
BABEL_ENV = dict(os.environ, GPSBABEL_FREEZE_TIME="y")


def gpsbabel(source, output_format, target):
    subprocess.run(["gpsbabel", "-i", "gpx", "-f", os.path.join(HERE, source),
                    "-o", output_format, "-F", target], check=True, env=BABEL_ENV)


gpsbabel("trails.gpx", "gdb,ver=3", os.path.join(PROGRAM, "data", "!台灣的步道2.gdb"))
gpsbabel("formats.gpx", "gtm", os.path.join(HERE, "formats.gtm"))

with open(os.path.join(HERE, "empty.gpx"), "w", encoding="utf-8", newline="\n") as f:
    f.write('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<gpx version="1.1" creator="hand" xmlns="http://www.topografix.com/GPX/1/1">\n'
            '  <trk><name>Empty</name><trkseg></trkseg></trk>\n'
            '</gpx>\n')
