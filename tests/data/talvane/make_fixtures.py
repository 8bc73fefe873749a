#!/usr/bin/env python3
"""Writes peak item files as the owner's Windows machine saves them: every file once as
"Unicode" (UTF-16LE with byte-order mark) into utf16le/ and once as "ANSI" (CP950) into cp950/,
with CR LF line ends. Run it from anywhere; it rewrites the folders beside itself.

The companions the tests give the peak group have the visit-key prefixes 阿明, Hua and A%dB."""
import codecs
import os

HERE = os.path.dirname(os.path.abspath(__file__))

VOLUMES = ["一", "二", "三", "四", "五", "六", "七", "八", "九", "十",
           "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
           "二十一", "二十二", "二十三", "二十四", "二十五", "二十六", "二十七", "二十八",
           "二十九", "三十"]

FILES = {}


def peak(name, *lines):
    FILES[name] = "[Talvane]\r\n" + "".join(line + "\r\n" for line in lines)


# Every field of the record.
peak("full.txt",
     "Name=玉山", "Name2=新高山", "Height=3952",
     "Stone=1", "Stone2=2", "Stone3=3",
     "StoneAlias=一等", "StoneAlias2=二等", "StoneAlias3=三等",
     "StoneStatus=良好", "StoneStatus2=遺失", "StoneStatus3=不明",
     "Region=南投,嘉義", "IgnoreVisit=1", "Waypoint=YUSHAN",
     "Longitude=120.957222", "Attitude=23.47",
     "Visit1=3", "Visit2=7", "Visit3=5",
     "BlueSky1=(十五045)雪山", "BlueSky2=(十五012)北稜",
     "Quill1=三001-東", "Quill2=十五045-雪山",
     "阿明1=101/1/2", "阿明2=2012/3/4", "Hua1=2019.5.3", "A%dB1=108/5/")

# A visit of 0 ends the list: Visit3 is never read. Height is no number; no coordinates.
peak("visit_gap.txt", "Name=雪山", "Height=abc", "Visit1=3", "Visit2=0", "Visit3=9")

# The first BlueSky value does not parse: no BlueSky codes, the Quill keys are still read.
peak("atlas_bad_first.txt", "Name=南湖大山", "BlueSky1=雪山045", "BlueSky2=(十五045)",
     "Quill1=三001-東", "Quill2=十五045-雪山")

# Thirty BlueSky references fill the list: BlueSky31 and Quill1 are never read.
peak("atlas_full.txt", "Name=秀姑巒山",
     *["BlueSky%d=(%s001)" % (n, VOLUMES[n - 1]) for n in range(1, 31)],
     "BlueSky31=(一002)", "Quill1=十五045-雪山")

# 阿明3 is missing and 阿明4 holds a date: reported once, 阿明 keeps two visits; Hua is read as
# usual. The name holds "%1" and "%", which the message shows as they are.
peak("mate_gap.txt", "Name=北大%1武%山", "Visit1=12",
     "阿明1=2012/3/4", "阿明2=101/1/2", "阿明4=2015/1/1", "阿明5=2016/1/1", "Hua1=2019.5.3")

# 阿明1 to 阿明3 are missing: 阿明 ends without a message; 阿明4 is never read.
peak("mate_missing_first.txt", "Name=關山", "阿明4=2015/1/1", "Hua1=108/5/3")

# Dates at the edges of a visit code: ROC year 999 with month and day 99; a day left empty.
peak("mate_edge.txt", "Name=向陽山", "阿明1=2910/99/99", "阿明2=108/5/", "Hua1=82/1/1")

# 阿明 fills 25 places and Hua the last 5 of the 30; A%dB is never read.
peak("mate_cap.txt", "Name=卑南主山",
     *["阿明%d=%d/1/1" % (n, 2000 + n) for n in range(1, 26)],
     *["Hua%d=81/1/%d" % (n, n) for n in range(1, 11)],
     "A%dB1=108/1/1")

# A date that does not fit a visit code, between two good ones: the second good date is the
# date after a gap, reported once; 阿明 keeps the first.
BAD_DATES = ["1500/1/1", "108/100/1", "108/1/100", "1911/1/1", "108/5/-3", "2911/1/1", "雪山"]
for k, bad in enumerate(BAD_DATES):
    peak("mate_bad_%d.txt" % k, "Name=嘉明湖", "阿明1=108/5/3", "阿明2=" + bad, "阿明3=109/1/1")

# No Name: not a peak.
peak("no_name.txt", "Name=", "Height=3000", "Visit1=4")
FILES["other_section.txt"] = "[Stone]\r\nName=玉山\r\n"


def write(folder, name, data):
    os.makedirs(os.path.join(HERE, folder), exist_ok=True)
    with open(os.path.join(HERE, folder, name), "wb") as f:
        f.write(data)


for name, text in FILES.items():
    write("utf16le", name, codecs.BOM_UTF16_LE + text.encode("utf-16-le"))
    write("cp950", name, text.encode("cp950"))
