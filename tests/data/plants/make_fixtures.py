#!/usr/bin/env python3
"""Writes the plant test files of this folder as the owner's Windows machine keeps them: Notepad's
"Unicode" (UTF-16LE with byte-order mark, CR LF) and "ANSI" (CP950 without one). Run it from
anywhere; it rewrites items/, settings/ and expected/.

items/<encoding>/ (section [Plant]):
  full.txt          every record key; pages 1 and 3 (no Blog2), a title with "&"
  plain.txt         a name and a family only, no second name, no pages
  no_name.txt       a second name and a family but no name: no item
  long.txt          values longer than their fields
  orphan_link.txt   page 1, then Link2 kept without its Blog2
  empty_link.txt    Blog1 whose Link1 is empty
settings/<layout>/峰嵐錄.txt: utf16le and cp950 (families, an alias, two words), empty_list
  (ClassList present but empty)
expected/<encoding>/orphan_link.txt: orphan_link.txt after a page (新頁, https://example.org/new)
  is added: it goes under 3, Link2 stays
expected/<layout>/峰嵐錄.txt: the settings after the family 睡蓮科 is added
expected/new_item.txt: the file of a new plant 台灣萍蓬草 of 睡蓮科 (new files are UTF-16LE)
"""
import codecs
import os

HERE = os.path.dirname(os.path.abspath(__file__))


def write_bytes(name, data):
    path = os.path.join(HERE, *name.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def text(lines):
    return "".join(line + "\r\n" for line in lines)


def encode(lines, encoding):
    if encoding == "utf16le":
        return codecs.BOM_UTF16_LE + text(lines).encode("utf-16-le")
    return text(lines).encode("cp950")


ITEMS = {
    "full.txt": ["[Plant]", "Name=台灣一葉蘭", "Name2=一葉蘭", "Class=蘭科",
                 "Blog1=一葉蘭 & 玉山", "Link1=https://example.org/p?a=1&b=2",
                 "Blog3=第三篇", "Link3=https://example.org/3"],
    "plain.txt": ["[Plant]", "Name=玉山杜鵑", "Class=杜鵑花科"],
    "no_name.txt": ["[Plant]", "Name2=無名", "Class=蘭科", "Blog1=x", "Link1=https://example.org/x"],
    # Twenty characters for the 16-unit fields, forty for Name2 (fields keep 15 and 31).
    "long.txt": ["[Plant]", "Name=" + "甲乙丙丁戊己庚辛壬癸" * 2,
                 "Name2=" + "子丑寅卯辰巳午未申酉" * 4, "Class=" + "東西南北中" * 4],
    "orphan_link.txt": ["[Plant]", "Name=文殊蘭", "Class=石蒜科", "Blog1=文殊蘭",
                        "Link1=https://example.org/w1", "Link2=https://example.org/kept"],
    "empty_link.txt": ["[Plant]", "Name=台灣澤蘭", "Class=菊科", "Blog1=沒有網址", "Link1="],
}

SETTINGS = ["[DataGroup]", "Group1=植物", "[PlantClass]",
            "ClassList=蘭科,菊科,樟科,石蒜科,杜鵑花科,松科", "杜鵑科=杜鵑花科",
            "[Plant]", "NotClass1=蘭", "NotClass2=菊"]
EMPTY_LIST = ["[PlantClass]", "ClassList=", "[Plant]", "NotClass1=蘭"]


def with_line(lines, old, new):
    return [new if line == old else line for line in lines]


def main():
    for encoding in ("utf16le", "cp950"):
        for name, lines in ITEMS.items():
            write_bytes(f"items/{encoding}/{name}", encode(lines, encoding))
        added = ITEMS["orphan_link.txt"] + ["Blog3=新頁", "Link3=https://example.org/new"]
        write_bytes(f"expected/{encoding}/orphan_link.txt", encode(added, encoding))
        write_bytes(f"settings/{encoding}/峰嵐錄.txt", encode(SETTINGS, encoding))
        write_bytes(f"expected/{encoding}/峰嵐錄.txt",
                    encode(with_line(SETTINGS, SETTINGS[3], SETTINGS[3] + ",睡蓮科"), encoding))
    write_bytes("settings/empty_list/峰嵐錄.txt", encode(EMPTY_LIST, "utf16le"))
    write_bytes("expected/empty_list/峰嵐錄.txt",
                encode(with_line(EMPTY_LIST, "ClassList=", "ClassList=睡蓮科"), "utf16le"))
    write_bytes("expected/new_item.txt",
                encode(["[Plant]", "Name=台灣萍蓬草", "Class=睡蓮科"], "utf16le"))


main()
