#!/usr/bin/env python3
"""Writes the INI test files of this folder, byte for byte as the owner's Windows machine and
hand editing leave them. Run it from anywhere; it rewrites the files beside itself."""
import codecs
import os

HERE = os.path.dirname(os.path.abspath(__file__))


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def utf16le_bom(text):
    return codecs.BOM_UTF16_LE + text.encode("utf-16-le")


def utf16be_bom(text):
    return codecs.BOM_UTF16_BE + text.encode("utf-16-be")


def cp950(text):
    return text.encode("cp950")


# A peak's item file as Notepad on the owner's Windows machine saves "Unicode": UTF-16LE with
# byte-order mark, CR LF, a blank line between sections and a final line end.
write("item_utf16le.txt", utf16le_bom(
    "[Talvane]\r\n"
    "Name=玉山主峰\r\n"
    "Height=3952\r\n"
    "Latitude=23.4700\r\n"
    "Longitude=120.9572\r\n"
    "URL=https://example.org/peak?id=12&name=玉山\r\n"
    "Empty=\r\n"
    "\r\n"
    "[Stone]\r\n"
    "Number=1\r\n"
    "\r\n"))

# The same kind of file saved as "ANSI": CP950 without byte-order mark. 許, 功 and 蓋 have
# 0x5C ('\') as their second byte; the key 山名 is Chinese.
write("item_cp950.txt", cp950(
    "[Talvane]\r\n"
    "Name=雪山\r\n"
    "山名=雪山主峰\r\n"
    "Note=許多功課 蓋章\r\n"
    "Height=3886\r\n"
    "\r\n"
    "[Stone]\r\n"
    "Number=2\r\n"))

# UTF-8 with and without byte-order mark, LF line ends.
UTF8_TEXT = ("[Talvane]\n"
             "Name=合歡山東峰\n"
             "Height=3421\n")
write("utf8_bom.txt", codecs.BOM_UTF8 + UTF8_TEXT.encode("utf-8"))
write("utf8_plain.txt", UTF8_TEXT.encode("utf-8"))

# UTF-16BE with byte-order mark, CR LF.
write("utf16be.txt", utf16be_bom("[Talvane]\r\nName=北大武山\r\nHeight=3092\r\n"))

# Line ends of every kind in one file: the first is LF; no line end after the last line.
write("mixed_endings.txt", cp950(
    "[A]\n"
    "k1=一\r\n"
    "k2=二\r"
    "k3=三\r\n"
    "\r\n"
    "[B]\r"
    "x=1"))

# Lines that look like comments are keys or nothing; lines before the first header form the
# section ""; a header's text after ']' is ignored; spacing around names and values.
write("comments.txt", utf16le_bom(
    "top=before any header\r\n"
    "[Main] trailing text\r\n"
    "; note=semicolon key\r\n"
    "# hash=hash key\r\n"
    "a line without equals sign\r\n"
    "=no name\r\n"
    "  \tSpaced Key \t=  \tspaced value\t  \r\n"
    "url=http://x/?a=1&b=2\r\n"
    "  [ Second ]  \r\n"
    "k=v\r\n"))

# A section that appears twice (the second is not merged) and keys repeated in other case.
write("duplicates.txt", utf16le_bom(
    "[Dup]\r\n"
    "Key=first\r\n"
    "KEY=second\r\n"
    "key=third\r\n"
    "\r\n"
    "[Other]\r\n"
    "Key=other\r\n"
    "\r\n"
    "[dup]\r\n"
    "Key=from the repeated section\r\n"
    "Late=only in the repeated section\r\n"))

# Quoted values: one pair of matching outer quotes goes, anything else stays.
write("quoted.txt", utf16le_bom(
    "[Q]\r\n"
    "double=\"in double\"\r\n"
    "single='in single'\r\n"
    "inner=\"a\"b\"\r\n"
    "open=\"unbalanced\r\n"
    "mixed=\"mixed'\r\n"
    "padded=\"  padded  \"\r\n"
    "emptyquotes=\"\"\r\n"
    "lone=\"\r\n"
    "outside=  \"kept blanks inside\"  \r\n"))

# Keys in different case, non-ASCII letters among them.
write("case.txt", cp950(
    "[Settings]\r\n"
    "DataFolder=D:\\峰嵐錄\\data\r\n"
    "datafolder=second spelling\r\n"
    "ΑΒΓ=greek capitals\r\n"
    "[SETTINGS]\r\n"
    "Other=1\r\n"))

# Integer readings.
write("numbers.txt", utf16le_bom(
    "[N]\r\n"
    "plain=42\r\n"
    "negative= -17\r\n"
    "trailing=12abc\r\n"
    "fraction=3.9\r\n"
    "letters=abc\r\n"
    "hex=0x10\r\n"
    "HEXUPPER=0XfF\r\n"
    "fullwidth=１２３\r\n"
    "huge=99999999999\r\n"
    "hugeneg=-99999999999\r\n"
    "empty=\r\n"
    "blank=   \r\n"
    "quoted=\"7\"\r\n"
    "plus=+8\r\n"))

# Section headers: the name ends at the last ']'; a line with '[' but no ']' is neither header
# nor key, so the keys after it stay in the section before it; the file begins in section "",
# so a later "[]" is a repeat (as is a later [first]) and is not read.
write("headers.txt", utf16le_bom(
    "[First]\r\n"
    "a=1\r\n"
    "[Unclosed\r\n"
    "b=2\r\n"
    "  [ also unclosed = x\r\n"
    "c=3\r\n"
    "[Two]]tail]\r\n"
    "d=4\r\n"
    "[ x ] ] y\r\n"
    "e=5\r\n"
    "  [峰] 嵐 ] 錄\r\n"
    "f=6\r\n"
    "\r\n"
    "[]\r\n"
    "g=7\r\n"
    "[first]\r\n"
    "h=8\r\n"))

# The same rules in a Big5 file that has keys before its first header.
write("headers_cp950.txt", cp950(
    "top=前\r\n"
    "[山\r\n"
    "mid=中\r\n"
    "[]\r\n"
    "top=後\r\n"
    "more=x\r\n"
    "[山]\r\n"
    "k=v\r\n"))
