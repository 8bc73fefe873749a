#pragma once
// The GPS waypoint list over a QListWidget. Filling runs with the widget's signals blocked, so
// it never reaches a selection handler.
#include "gps/GPSInspection.h"

class QListWidget;

class QtListBoxSink : public IListBoxSink {
public:
    explicit QtListBoxSink(QListWidget* list) : list_(list) {}

    void Clear() override;
    void AddString(const QString& text) override;

private:
    QListWidget* list_;
};
