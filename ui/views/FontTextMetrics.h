#pragma once
// Text measures of a font, as the map control draws with it.
#include "ui/views/MapTextMetrics.h"

#include <QFont>
#include <QFontMetrics>

class FontTextMetrics : public MapTextMetrics {
public:
    explicit FontTextMetrics(const QFont& font) : font_(font), metrics_(font) {}

    const QFont& Font() const { return font_; }

    QSize TextSize(QStringView text) const override;
    int Ascent() const override { return metrics_.ascent(); }

private:
    QFont font_;
    QFontMetrics metrics_;
};
