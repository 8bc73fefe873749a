#!/usr/bin/env python3
"""Writes the files of the item and plant search tests as the owner's Windows machine keeps
them: the settings and most item files in "Unicode" (UTF-16LE with byte-order mark, CR LF), one
item file and one settings file in "ANSI" (CP950). Run it from anywhere; it rewrites program/
and settings/ beside itself.

program/ is a program folder: 峰嵐錄.txt with [Fuzzy] separators (space inside the value, "，",
"、" and the Extension-B character 𠮷) and name pairs 台臺 峯峰; data/瀑布 holds waterfalls
(Name, Name2, Region, visits, atlas references, stones), data/植物 holds plants (Name, Name2, Class).
settings/ holds [Fuzzy] values longer than the widths they are read into, with a surrogate pair
straddling the cut, and the same section in CP950.
"""
import codecs
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))
PROGRAM = os.path.join(HERE, "program")
SETTINGS = os.path.join(HERE, "settings")

EXT_B = "\U00020BB7"  # 𠮷, two UTF-16 code units


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def unicode_text(lines):
    """Text as Windows Notepad saves it as "Unicode"."""
    return codecs.BOM_UTF16_LE + "".join(line + "\r\n" for line in lines).encode("utf-16-le")


def ansi_text(lines):
    """Text as Windows Notepad saves it as "ANSI" on a Traditional Chinese system."""
    return "".join(line + "\r\n" for line in lines).encode("cp950")


def item(folder, base, section, fields, encode=unicode_text):
    lines = ["[%s]" % section] + ["%s=%s" % kv for kv in fields]
    write(os.path.join(PROGRAM, "data", folder, base + ".txt"), encode(lines))


shutil.rmtree(PROGRAM, ignore_errors=True)
shutil.rmtree(SETTINGS, ignore_errors=True)

write(os.path.join(PROGRAM, "峰嵐錄.txt"), unicode_text([
    "[DataGroup]", "BaseFolder=data", "Group1=瀑布", "Group2=植物", "",
    "[Fuzzy]", "Seperators=， 、" + EXT_B, "NamePairs=台臺峯峰",
]))

# Waterfalls, in file-name order (the order the group loads them).
item("瀑布", "01_wulai", "Waterfall", [
    ("Name", "烏來瀑布"), ("Name2", "烏來大瀑布"), ("Region", "新北市烏來"), ("Visit1", "12"),
    ("Stone", "二等1234")])
item("瀑布", "02_yinhe", "Waterfall", [
    ("Name", "銀河洞瀑布"), ("Region", "新北市新店"), ("BlueSky1", "(十五045)銀河洞")])
item("瀑布", "03_wufeng", "Waterfall", [
    ("Name", "五峰旗瀑布"), ("Name2", "五峯旗"), ("Region", "宜蘭縣礁溪"),
    ("Stone", "三等9999"), ("Stone2", "二等1234")])
item("瀑布", "04_shifen", "Waterfall", [
    ("Name", "十分瀑布"), ("Region", "新北市平溪")], encode=ansi_text)
item("瀑布", "05_taiwan", "Waterfall", [
    ("Name", "台灣瀑布"), ("Region", "台東縣")])
item("瀑布", "06_yunsen", "Waterfall", [
    ("Name", "雲森瀑布"), ("Name2", "雲森"), ("Region", "花蓮縣")])

# Plants: the search looks at Name and Name2; Class is the family.
item("植物", "01_taiwania", "Plant", [
    ("Name", "台灣杉"), ("Name2", "亞杉"), ("Class", "柏科")])
item("植物", "02_hinoki", "Plant", [
    ("Name", "紅檜"), ("Name2", "薄皮仔"), ("Class", "柏科")])
item("植物", "03_yushan_rose", "Plant", [
    ("Name", "玉山薔薇"), ("Class", "薔薇科")])
item("植物", "04_ardisia", "Plant", [
    ("Name", "台灣樹參"), ("Name2", "杉葉"), ("Class", "五加科")])

# [Fuzzy] values past their widths (200 and 64 code units with the terminating zero, so 199
# and 63 are kept): a surrogate pair at units 198-199 and 62-63 is dropped whole; one at 197-198
# and 61-62 still fits.
write(os.path.join(SETTINGS, "straddling.txt"), unicode_text([
    "[Fuzzy]",
    "Seperators=" + "，" * 198 + EXT_B + "、",
    "NamePairs=" + "台臺" * 31 + EXT_B + "吉",
]))
write(os.path.join(SETTINGS, "fitting.txt"), unicode_text([
    "[Fuzzy]",
    "Seperators=" + "，" * 197 + EXT_B + "、",
    "NamePairs=" + "台臺" * 30 + "峯" + EXT_B + "吉",
]))
write(os.path.join(SETTINGS, "cp950.txt"), ansi_text([
    "[Fuzzy]", "Seperators=， 、", "NamePairs=台臺",
]))
