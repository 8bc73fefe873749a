#pragma once
// How the map measures its texts: the control's font in the program, a fixed measure in tests.
#include <QSize>
#include <QStringView>

class MapTextMetrics {
public:
    virtual ~MapTextMetrics() = default;
    // Width and height of text written on one line.
    virtual QSize TextSize(QStringView text) const = 0;
    // Distance from the top of a line to its baseline.
    virtual int Ascent() const = 0;
};
