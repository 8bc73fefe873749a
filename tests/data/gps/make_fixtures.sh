#!/bin/sh
# Writes the GDB fixtures of the GPS tests from source.gpx with gpsbabel, an independent
# implementation of the format: ver=1, 2 and 3 give header versions 107, 108 and 109.
# Versions 107 and 108 hold texts in an 8-bit code page; gpsbabel writes characters it cannot
# encode there as '?', so the Chinese texts survive only in version 109. The first waypoint
# and the track carry a link, which gpsbabel writes as their URL; the second waypoint has a time.
#
# The GPX fixtures: gpx_source.gpx written by gpsbabel as GPX 1.0 and 1.1 (Chinese names, '&',
# points with and without height and time, several tracks, one with two segments). hand.gpx is
# written by hand and not made here.
set -e
cd "$(dirname "$0")"
for v in 1 2 3; do
    gpsbabel -i gpx -f source.gpx -o gdb,ver=$v -F gpsbabel_v$v.gdb
done
for v in 1.0 1.1; do
    gpsbabel -i gpx -f gpx_source.gpx -o gpx,gpxver=$v -F gpsbabel_$(echo $v | tr -d .).gpx
done
