#pragma once
// A point view that records the points and photo requests it receives.
#include "catalog/window/IPointView.h"

#include <QList>

class FakePointView : public IPointView {
public:
    struct Point {
        double x, y;
        quint32 key;
        QString name, label;
        int visitCount, number;
    };
    struct Images {
        int item;
        QString name, family, line;
    };

    bool AddItem(double x, double y, quint32 key, const QString& name, const QString& label,
                 int visitCount, int number) override
    {
        points.append(Point{x, y, key, name, label, visitCount, number});
        return true;
    }
    bool LoadImages(int item, const QString& name, const QString& family,
                    const QString& line) override
    {
        images.append(Images{item, name, family, line});
        return acceptImages;
    }

    QList<Point> points;
    QList<Images> images;
    bool acceptImages = false;
};
