#pragma once
// The "%d..." progress of a pass over a group's item files: shown at most every 50 ms of the
// platform's tick count, so that thousands of files are not slowed down by painting.
#include <QString>
#include <QtGlobal>

#include <functional>

class IStatusText;

class AtlasProgress {
public:
    static constexpr quint32 kIntervalMs = 50;
    using TickSource = std::function<quint32()>;

    // status may be null (nothing is shown); tick defaults to the platform's tick count.
    explicit AtlasProgress(IStatusText* status, TickSource tick = {});

    // Item number (from 1) reached: shown when more than kIntervalMs passed since the last text,
    // then the thread yields so that the text gets painted.
    void Step(int number);
    // Shows the last number reached, whether or not its time had come.
    void ShowLast();
    // Shows text as it stands.
    void Show(const QString& text);

private:
    IStatusText* status_;
    TickSource tick_;
    quint32 lastTick_;
    int lastNumber_ = 0;
};
