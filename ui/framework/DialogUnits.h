#pragma once
// Dialog units: a horizontal unit is a quarter of the dialog font's average character width and
// a vertical unit an eighth of its height, so a layout scales with the font it is drawn in.
#include <QFont>
#include <QRect>
#include <QSize>

class DialogUnits {
public:
    static constexpr int kUnitsPerCharX = 4;
    static constexpr int kUnitsPerCharY = 8;

    explicit DialogUnits(const QFont& font);
    // Base units given directly (pixels per character cell).
    DialogUnits(int baseX, int baseY) : baseX_(baseX), baseY_(baseY) {}

    int baseX() const { return baseX_; }
    int baseY() const { return baseY_; }

    int ToPixelsX(int units) const { return Scale(units, baseX_, kUnitsPerCharX); }
    int ToPixelsY(int units) const { return Scale(units, baseY_, kUnitsPerCharY); }
    // Each of left, top, width and height is converted on its own, rounded to the nearest pixel.
    QRect ToPixels(const QRect& units) const;
    QSize ToPixels(const QSize& units) const;

private:
    // value × numerator / denominator, rounded half away from zero.
    static int Scale(int value, int numerator, int denominator);

    int baseX_;
    int baseY_;
};
