#!/usr/bin/env python3
"""Writes the main settings files of the region tests, byte for byte as the owner's Windows
machine saves them: "Unicode" (UTF-16LE with byte-order mark) and "ANSI" (CP950), with CR LF.
Run it from anywhere; it rewrites the files beside itself."""
import codecs
import os

HERE = os.path.dirname(os.path.abspath(__file__))

# Two regions with member words, a set of both, and conversions of which the second and third
# are malformed (no comma; comma first) and the sixth stands after an empty key.
SETTINGS = ("[DataGroup]\r\n"
            "BaseFolder=data\r\n"
            "\r\n"
            "[Region]\r\n"
            "RegionList=台北縣,桃園縣\r\n"
            "台北縣=烏來,三峽\r\n"
            "桃園縣=復興\r\n"
            "北部=台北縣,桃園縣\r\n"
            "\r\n"
            "[DisplayName]\r\n"
            "Convert1=台北縣,新北市\r\n"
            "Convert2=無逗號\r\n"
            "Convert3=,開頭逗號\r\n"
            "Convert4=桃園縣,桃園市\r\n"
            "Convert5=\r\n"
            "Convert6=復興,不該換\r\n")

# The same regions; the first conversion key is empty, so no conversion is read.
SETTINGS_NO_FIRST = ("[DataGroup]\r\n"
                     "BaseFolder=data\r\n"
                     "\r\n"
                     "[Region]\r\n"
                     "RegionList=台北縣,桃園縣\r\n"
                     "台北縣=烏來,三峽\r\n"
                     "\r\n"
                     "[DisplayName]\r\n"
                     "Convert1=\r\n"
                     "Convert2=台北縣,新北市\r\n")


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


write("settings_utf16le.txt", codecs.BOM_UTF16_LE + SETTINGS.encode("utf-16-le"))
write("settings_no_first_cp950.txt", SETTINGS_NO_FIRST.encode("cp950"))
