#pragma once
// One point of the map as a group or subset added it, with where it was last drawn.
#include "ui/views/MapRect.h"

#include <QPoint>
#include <QString>
#include <QtGlobal>

struct MapPoint {
    // A name holds at most 15 code units and a label 127 (the widths of their fields less one).
    static constexpr int kNameUnits = 15;
    static constexpr int kLabelUnits = 127;
    // Numbers in this range are drawn inside the marker.
    static constexpr int kFirstNumber = 1;
    static constexpr int kLastNumber = 99;

    quint32 key = 0;  // the item data of the list row that shows the item
    double x = 0;     // longitude; 0 = no position
    double y = 0;     // latitude, growing northwards; 0 = no position
    QString name;     // drawn beside the marker
    QString label;    // tooltip text
    int visitCount = 0;
    int number = 0;

    MapRect markerRect;  // as last laid out, also when the marker was not drawn
    MapRect labelRect;   // the last candidate tried for the name
    bool markerDrawn = false;
    bool labelDrawn = false;
    // Painting: the top-left corner of the number's text, and the line step of a name written
    // one character per line (0: the name is one line).
    QPoint numberAt;
    int labelLineStep = 0;

    bool HasNumber() const { return number >= kFirstNumber && number <= kLastNumber; }
};
