#!/bin/sh
# Writes the GDB fixtures of the GPS tests from source.gpx with gpsbabel, an independent
# implementation of the format: ver=1, 2 and 3 give header versions 107, 108 and 109.
# Versions 107 and 108 hold texts in an 8-bit code page; gpsbabel writes characters it cannot
# encode there as '?', so the Chinese texts survive only in version 109. The first waypoint
# and the track carry a link, which gpsbabel writes as their URL; the second waypoint has a time.
#
# The GPX fixtures: gpx_source.gpx written by gpsbabel as GPX 1.0 and 1.1 (Chinese names, '&',
# points with and without height and time, several tracks, one with two segments). hand.gpx and
# pretty.gpx (texts with blanks around them, as pretty-printing writers leave them) are
# written by hand and not made here.
set -e
cd "$(dirname "$0")"
for v in 1 2 3; do
    gpsbabel -i gpx -f source.gpx -o gdb,ver=$v -F gpsbabel_v$v.gdb
done
for v in 1.0 1.1; do
    gpsbabel -i gpx -f gpx_source.gpx -o gpx,gpxver=$v -F gpsbabel_$(echo $v | tr -d .).gpx
done

# The KML fixtures, all from kml_source.gpx (Chinese names, '&', waypoints with and without
# height and description, several tracks, one with two segments):
# - gpsbabel_points0.kml and gpsbabel.kml by gpsbabel, without and with the track points as
#   point placemarks; gpsbabel names each track's placemark "Path" (the track's name is on its
#   folder) and puts a track's segments into one MultiGeometry.
# - ogr.kml by GDAL's KML driver (pairs without altitude, "utf-8" in the declaration) and
#   ogr_libkml.kml by its LIBKML driver (placemarks with id attributes, CDATA texts, heights of
#   the waypoints from their ele field; the one-point track has no line string there).
#   ogr2ogr comes with Debian's gdal-bin.
# hand.kml is written by hand and not made here.
gpsbabel -i gpx -f kml_source.gpx -o kml,points=0 -F gpsbabel_points0.kml
gpsbabel -i gpx -f kml_source.gpx -o kml -F gpsbabel.kml
rm -f ogr.kml ogr_libkml.kml
ogr2ogr -f KML -dsco DescriptionField=desc ogr.kml kml_source.gpx waypoints tracks
ogr2ogr -f LIBKML -skipfailures -zfield ele --config LIBKML_DESCRIPTION_FIELD desc \
    ogr_libkml.kml kml_source.gpx waypoints tracks

# The GPS TrackMaker fixture: gtm_source.gpx (ASCII names, some longer than the format's 10
# bytes, a Summit symbol, points with and without height and time, a track of two segments)
# written by gpsbabel, which flags only each track's first point.
gpsbabel -i gpx -f gtm_source.gpx -o gtm -F gpsbabel.gtm
