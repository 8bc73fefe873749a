#!/bin/sh
# Writes the GDB fixtures of the GPS tests from source.gpx with gpsbabel, an independent
# implementation of the format: ver=1, 2 and 3 give header versions 107, 108 and 109.
# Versions 107 and 108 hold texts in an 8-bit code page; gpsbabel writes characters it cannot
# encode there as '?', so the Chinese texts survive only in version 109. The first waypoint
# and the track carry a link, which gpsbabel writes as their URL; the second waypoint has a time.
set -e
cd "$(dirname "$0")"
for v in 1 2 3; do
    gpsbabel -i gpx -f source.gpx -o gdb,ver=$v -F gpsbabel_v$v.gdb
done
