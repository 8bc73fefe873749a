#!/usr/bin/env python3
"""Writes gps/symbols/GPSSymbolRows.inc: the symbol rows that gpsbabel confirms.

gpsbabel (Debian's package) serves as an independent oracle; its code is not used. Run from the
source root: python3 gps/symbols/make_symbol_tables.py

- MapSource codes (the GDB icon numbers, 0 to 139) to English names: a GDB file with one
  waypoint per code is made by patching the icon fields of a file gpsbabel wrote, and read back
  as GPX.
- GPS TrackMaker icons 0 to 192 to names the same way with a GTM file, and names to icons by
  converting GPX to GTM; an icon counts only where both directions agree.
- Device codes: Garmin's published symbol numbers (Symbol_Type of the Garmin device interface),
  taken where Garmin's description, without " symbol", is the English name itself.
"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

MPS_LAST = 139
GTM_LAST = 192

# Garmin Symbol_Type values and their descriptions, as the Garmin device interface publishes
# them (the ones a name can match).
GARMIN_SYMBOLS = {
    0: "anchor", 1: "bell", 2: "green diamond", 3: "red diamond", 4: "diver down flag 1",
    5: "diver down flag 2", 6: "dollar", 7: "fish", 8: "fuel", 9: "horn", 10: "house",
    11: "knife & fork", 12: "light", 13: "mug", 14: "skull and crossbones", 15: "green square",
    16: "red square", 17: "buoy waypoint", 18: "waypoint dot", 19: "wreck",
    21: "man overboard", 36: "dot", 37: "radio beacon",
    150: "boat ramp", 151: "campground", 152: "restrooms", 153: "shower",
    154: "drinking water", 155: "telephone", 156: "first aid", 157: "information",
    158: "parking", 159: "park", 160: "picnic", 161: "scenic area", 162: "skiing",
    163: "swimming", 164: "dam", 165: "controlled area", 166: "danger", 167: "restricted area",
    169: "ball", 170: "car", 171: "deer", 172: "shopping cart", 173: "lodging", 174: "mine",
    175: "trail head", 176: "truck stop", 177: "user exit", 178: "flag",
    179: "circle with x in the center",
    8192: "interstate hwy", 8193: "us hwy", 8194: "state hwy", 8195: "mile marker",
    8196: "tracback (feet)", 8197: "golf", 8198: "small city", 8199: "medium city",
    8200: "large city", 8201: "intl freeway hwy", 8202: "intl national hwy",
    8203: "capitol city (star)", 8204: "amusement park", 8205: "bowling",
    8206: "car rental", 8207: "car repair", 8208: "fast food", 8209: "fitness",
    8210: "movie", 8211: "museum", 8212: "pharmacy", 8213: "pizza", 8214: "post office",
    8215: "rv park", 8216: "school", 8217: "stadium", 8218: "dept. store", 8219: "zoo",
    8220: "convenience store", 8221: "live theater", 8222: "ramp intersection",
    8223: "street intersection", 8226: "inspection/weigh station", 8227: "toll booth",
    8228: "elevation point", 8229: "exit without services", 8233: "bridge",
    8234: "building", 8235: "cemetery", 8236: "church", 8237: "civil location",
    8238: "crossing", 8239: "historical town", 8240: "levee", 8241: "military location",
    8242: "oil field", 8243: "tunnel", 8244: "beach", 8245: "forest", 8246: "summit",
    8249: "police/official badge", 8250: "gambling/casino", 8251: "snow skiing",
    8252: "ice skating", 8253: "tow truck (wrecker)", 8254: "border crossing (port of entry)",
    8255: "geocache location", 8256: "found geocache", 8282: "water hydrant",
    16384: "airport", 16385: "intersection", 16386: "non-directional beacon",
    16387: "vhf omni-range", 16388: "heliport", 16389: "private field", 16390: "soft field",
    16391: "tall tower", 16392: "short tower", 16393: "glider", 16394: "ultralight",
    16395: "parachute", 16396: "vortac", 16397: "vor-dme", 16398: "faf",
    16399: "lom", 16400: "map dot", 16401: "tacan", 16402: "seaplane base",
}

# Rows fixed by hand; they stay as they are even where gpsbabel differs.
GIVEN_DEVICE_ROWS = [("機場", 16384, 107), ("山頂", 8246, 106), ("航點", 18, 18),
                     ("Geocache", 8255, 117), ("緊急航點", 21, 0)]
GIVEN_MPS_ROWS = {61: ("車道起點", 175, 11), 106: ("山峰", 8246, 73),
                  117: ("Geocache", 8255, 143), 118: ("找到的Geocache", 8256, 144)}
DEVICE_ROW_COUNT = 77
NAME_BYTES = 18


def babel(*args):
    subprocess.run(["gpsbabel", *args], check=True, capture_output=True)


def gpx_of_names(names):
    wpts = "".join(
        f'<wpt lat="24.5" lon="121.25"><name>P{i:03d}</name><sym>{n}</sym></wpt>\n'
        for i, n in enumerate(names))
    return ('<?xml version="1.0" encoding="UTF-8"?>\n<gpx version="1.1" creator="t" '
            f'xmlns="http://www.topografix.com/GPX/1/1">\n{wpts}</gpx>\n')


def syms_of_gpx(path):
    """Symbol of each waypoint by its name (P000, P001, ...)."""
    result = {}
    root = ET.parse(path).getroot()
    ns = root.tag[:root.tag.index("}") + 1] if root.tag.startswith("{") else ""
    for wpt in root.iter(ns + "wpt"):
        name = wpt.findtext(ns + "name", "").strip()
        result[int(name[1:])] = (wpt.findtext(ns + "sym") or "").strip()
    return result


def convert(work, names, fmt):
    src, dst = os.path.join(work, "in.gpx"), os.path.join(work, "out." + fmt)
    with open(src, "w", encoding="utf-8") as f:
        f.write(gpx_of_names(names))
    babel("-i", "gpx", "-f", src, "-o", fmt, "-F", dst)
    with open(dst, "rb") as f:
        return f.read()


def icon_offsets(work, fmt, count, first, second, code_first, code_second):
    """Offsets of the int16 icon fields: where a file of all-first and all-second differ."""
    a = convert(work, [first] * count, fmt)
    b = convert(work, [second] * count, fmt)
    assert len(a) == len(b)
    offsets = [i for i in range(len(a) - 1)
               if int.from_bytes(a[i:i + 2], "little") == code_first
               and int.from_bytes(b[i:i + 2], "little") == code_second]
    assert len(offsets) == count, (fmt, len(offsets))
    return a, offsets


def names_of_codes(work, fmt, last, first, second, code_first, code_second):
    """gpsbabel's GPX symbol name for each icon code 0..last of the format."""
    data, offsets = icon_offsets(work, fmt, last + 1, first, second, code_first, code_second)
    patched = bytearray(data)
    for code, at in enumerate(offsets):
        patched[at:at + 2] = code.to_bytes(2, "little")
    path = os.path.join(work, "patched." + fmt)
    with open(path, "wb") as f:
        f.write(patched)
    out = os.path.join(work, "back.gpx")
    babel("-i", fmt, "-f", path, "-o", "gpx", "-F", out)
    return syms_of_gpx(out)


def icons_of_names(work, fmt, names, offsets_of):
    data, offsets = offsets_of
    data = convert(work, names + [""] * (len(offsets) - len(names)), fmt)
    return {n: int.from_bytes(data[offsets[i]:offsets[i] + 2], "little") for i, n in enumerate(names)}


def device_code(name):
    wanted = name.lower()
    for code, description in GARMIN_SYMBOLS.items():
        if description == wanted:
            return code
    return 0


def big5_fits(name):
    return len(name.encode("cp950")) < NAME_BYTES


def cxx(text):
    return 'u"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def main():
    with tempfile.TemporaryDirectory() as work:
        mps_names = names_of_codes(work, "gdb", MPS_LAST, "Summit", "Airport", 106, 107)
        gtm_names = names_of_codes(work, "gtm", GTM_LAST, "Summit", "Airport", 73, 1)
        gtm_offsets = icon_offsets(work, "gtm", GTM_LAST + 1, "Summit", "Airport", 73, 1)
        gdb_offsets = icon_offsets(work, "gdb", MPS_LAST + 1, "Summit", "Airport", 106, 107)
        names = [mps_names[c] for c in range(MPS_LAST + 1)]
        gtm_icons = icons_of_names(work, "gtm", names, gtm_offsets)
        mps_back = icons_of_names(work, "gdb", names, gdb_offsets)

    gtm_rows = {c: gtm_names[c] for c in range(1, GTM_LAST + 1)
                if gtm_names[c] and c != 102}
    mps_rows = {}
    for code, name in enumerate(names):
        # A code counts when gpsbabel turns its name back into the same code.
        # Code 0 stands for "no such symbol" in the tables' columns, so it gets no row.
        if code == 0 or code in GIVEN_MPS_ROWS or not name or mps_back[name] != code or not big5_fits(name):
            continue
        gtm = gtm_icons[name] if gtm_rows.get(gtm_icons[name]) == name else 0
        # The fixed device rows are facts too: a device code whose MapSource code they give.
        device = next((d for _, d, m in GIVEN_DEVICE_ROWS if m and m == code), device_code(name))
        mps_rows[code] = (name, device, gtm)

    # The fixed rows stand first in the table (GPSSymbols.cpp writes them); the further rows
    # follow in MapSource order.
    device_rows = []
    given_codes = {r[1] for r in GIVEN_DEVICE_ROWS}
    for code, (name, device, _) in sorted(mps_rows.items()):
        if len(device_rows) == DEVICE_ROW_COUNT - len(GIVEN_DEVICE_ROWS):
            break
        if device and device not in given_codes:
            device_rows.append((name, device, code))
            given_codes.add(device)

    out = ["// Generated by gps/symbols/make_symbol_tables.py from gpsbabel's symbol names and",
           "// Garmin's published symbol numbers; do not edit by hand.", "",
           "#define GPS_FURTHER_DEVICE_SYMBOL_ROWS \\"]
    out += [f"    {{{cxx(n)}, {d}, {m}}}, \\" for n, d, m in device_rows]
    out += ["", "#define GPS_MPS_SYMBOL_ROWS \\"]
    out += [f"    {{{cxx(n)}, {c}, {d}, {g}}}, \\" for c, (n, d, g) in sorted(mps_rows.items())]
    out += ["", "#define GPS_GTM_SYMBOL_NAMES \\"]
    out += [f"    {{{c}, {cxx(n)}}}, \\" for c, n in sorted(gtm_rows.items())]
    out.append("")
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), "GPSSymbolRows.inc")
    with open(target, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")
    print(f"{len(device_rows)} further device rows, {len(mps_rows)} MapSource rows, "
          f"{len(gtm_rows)} GTM names -> {target}")


if __name__ == "__main__":
    sys.exit(main())
