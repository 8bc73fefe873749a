#!/usr/bin/env python3
"""Writes the cached-count files of this folder, byte for byte as the owner's Windows machine
leaves "Cache.txt": as "ANSI" (CP950) and as "Unicode" (UTF-16LE with byte-order mark), both
with CR LF and a blank line between sections. Run it from anywhere; it rewrites the files
beside itself."""
import codecs
import os

HERE = os.path.dirname(os.path.abspath(__file__))

CACHE = ("[山]\r\n"
         "NumOfItems=268\r\n"
         "\r\n"
         "[Talvane]\r\n"
         "百岳=100\r\n"
         "南橫 (東段)=12\r\n"
         "三角點=0\r\n"
         "負數=-4\r\n"
         "台北縣的山=9\r\n"
         "\r\n"
         "[Stone]\r\n"
         "一等=41\r\n")


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


write("cache_cp950.txt", CACHE.encode("cp950"))
write("cache_utf16le.txt", codecs.BOM_UTF16_LE + CACHE.encode("utf-16-le"))
