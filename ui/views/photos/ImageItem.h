#pragma once
// One photo of the image view: the plant it belongs to, the file found for it, its size as read
// from the file's header, where the grid puts it and where it was last drawn.
#include "platform/FileTime.h"
#include "ui/views/MapRect.h"

#include <QString>
#include <QtGlobal>

struct ImageItem {
    // The tooltip holds at most this many code units (the width of its field less one).
    static constexpr int kTipUnits = 127;

    qint32 key = 0;     // the caller's key: the plant's item index
    QString prefix;     // the file-name prefix searched (the plant's name)
    QString sub;        // the sub-folder of the photo folder (the plant's family)
    QString tip;        // tooltip text
    QString fileName;   // the file name as found, whole
    QString path;       // the folder, sub-folder and file name joined
    qint64 fileSize = 0;
    platform::FileTime writeTime;

    // The size read from the header; 0 until read, and 0 for a file that cannot be read.
    qint64 pixelWidth = 0;
    qint64 pixelHeight = 0;
    // The photo has a size and so a place in the grid: its cell in photo pixels.
    bool laidOut = false;
    qint64 gridX = 0;
    qint64 gridY = 0;
    qint64 gridWidth = 0;
    qint64 gridHeight = 0;

    MapRect cellRect;    // the client rectangle of the last draw
    bool drawn = false;  // the cell reached into the client area in the last draw
};
