#include "ui/framework/DialogUnits.h"

#include <QFontMetrics>

namespace {

// The average width is taken over the 52 Latin letters, as dialog layouts have always been.
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int kLettersPerCase = 26;

} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int alphabetWidth = metrics.horizontalAdvance(QLatin1String(kAlphabet));
    // Half of the width of 26 letters, rounded: the average letter width.
    baseX_ = (alphabetWidth / kLettersPerCase + 1) / 2;
    baseY_ = metrics.height();
}

QRect DialogUnits::ToPixels(const QRect& units) const
{
    return QRect(ToPixelsX(units.x()), ToPixelsY(units.y()), ToPixelsX(units.width()),
                 ToPixelsY(units.height()));
}

QSize DialogUnits::ToPixels(const QSize& units) const
{
    return QSize(ToPixelsX(units.width()), ToPixelsY(units.height()));
}

int DialogUnits::Scale(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}
