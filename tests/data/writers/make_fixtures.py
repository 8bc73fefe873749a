#!/usr/bin/env python3
"""Writes peak item files as the owner's Windows machine saves them, once as "Unicode" (UTF-16LE
with byte-order mark) into utf16le/ and once as "ANSI" (CP950) into cp950/, with CR LF line ends,
and beside them in expected/ each file as it must read after one code was appended to it: the
new key line right after the last non-blank line of [Talvane], every other byte unchanged.
Run it from anywhere; it rewrites the folders beside itself.

The companions the tests give the peak group have the visit-key prefixes 阿明 (companion 0)
and Hua (companion 1)."""
import codecs
import os

HERE = os.path.dirname(os.path.abspath(__file__))

VOLUMES = ["一", "二", "三", "四", "五", "六", "七", "八", "九", "十",
           "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
           "二十一", "二十二", "二十三", "二十四", "二十五", "二十六", "二十七", "二十八",
           "二十九", "三十"]

FILES = {}      # name -> (lines of [Talvane], text after the section)
EXPECTED = {}   # case -> (file, the line appended to [Talvane])


def peak(name, lines, after=""):
    FILES[name] = (lines, after)


def text_of(lines, after):
    return "[Talvane]\r\n" + "".join(line + "\r\n" for line in lines) + after


# Two walks, one page of each atlas, two visits of each companion; a blank line and another
# section follow [Talvane].
peak("plain.txt",
     ["Name=玉山", "Height=3952", "Region=南投", "Visit1=120", "Visit2=88",
      "BlueSky1=(十五045)雪山", "Quill1=三001-東",
      "阿明1=101/1/2", "阿明2=2012/3/4", "Hua1=2019.5.3", "Hua2=100/12/25"],
     "\r\n[Notes]\r\nText=山頂\r\n")
EXPECTED["visit"] = ("plain.txt", "Visit3=131")
EXPECTED["bluesky"] = ("plain.txt", "BlueSky2=(三012)")
EXPECTED["quill"] = ("plain.txt", "Quill2=十五045-")
EXPECTED["mate"] = ("plain.txt", "Hua3=101/3/4")
# ROC year 75 in the Gregorian era: the date reader takes 75 for no year.
EXPECTED["mate_early"] = ("plain.txt", "阿明3=1986/1/2")

# Twenty-nine walks: the next goes to the last place.
peak("visits29.txt", ["Name=雪山"] + ["Visit%d=%d" % (n, n) for n in range(1, 30)])
EXPECTED["visit30"] = ("visits29.txt", "Visit30=500")

# Every list full.
peak("full.txt", ["Name=南湖大山"]
     + ["Visit%d=%d" % (n, n) for n in range(1, 31)]
     + ["BlueSky%d=(%s001)" % (n, VOLUMES[n - 1]) for n in range(1, 31)]
     + ["阿明%d=%d/1/1" % (n, 2000 + n) for n in range(1, 31)])

# The next key of each list already holds text the reader does not take for a code: Visit2,
# BlueSky1, Quill2 and 阿明1. Hua has no visits and its keys are free.
peak("taken.txt", ["Name=北大武山", "Visit1=5", "Visit2=abc", "BlueSky1=雪山045",
                   "Quill1=十五045-雪山", "Quill2=第二本", "阿明1=昨天"])


def write(folder, name, data):
    os.makedirs(os.path.join(HERE, folder), exist_ok=True)
    with open(os.path.join(HERE, folder, name), "wb") as f:
        f.write(data)


def encodings(text):
    return {"utf16le": codecs.BOM_UTF16_LE + text.encode("utf-16-le"),
            "cp950": text.encode("cp950")}


for name, (lines, after) in FILES.items():
    for folder, data in encodings(text_of(lines, after)).items():
        write(folder, name, data)

for case, (name, line) in EXPECTED.items():
    lines, after = FILES[name]
    for folder, data in encodings(text_of(lines + [line], after)).items():
        write(os.path.join(folder, "expected"), case + ".txt", data)
