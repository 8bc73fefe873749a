#include "ui/maindlg/PlantTitle.h"

namespace {

QString WithoutTrailingBlanks(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.left(end);
}

} // namespace

bool ParsePlantTitle(const QString& title, PlantTitle* plant)
{
    const qsizetype open = title.lastIndexOf(QLatin1Char('('));
    const qsizetype close = title.lastIndexOf(QLatin1Char(')'));
    if (open < 0 || close - open - 1 < PlantTitle::kMinFamilyLength)
        return false;
    const QString family = WithoutTrailingBlanks(title.mid(open + 1, close - open - 1));
    if (family.isEmpty())
        return false;
    const QString before = title.left(open);
    // A ")" at the very start is part of the name.
    const bool bracketed = before.indexOf(QLatin1Char(')'), 1) > 0;
    plant->family = family;
    plant->name = bracketed ? before.mid(before.lastIndexOf(QLatin1Char(')')) + 1) : before;
    return true;
}
