#pragma once
// Small scanners shared by the atlas and itinerary readers: saturating decimal values, digit
// runs, dates of companions' trips and numbered keys in raw UTF-16 text files.
#include <QString>
#include <QStringView>

// The decimal value at the start of text: leading white space and one sign accepted, ASCII
// digits up to the first other character; no digits give 0. Saturates at the int range.
int ParseDecimalPrefix(QStringView text);

// Position of the first ASCII digit at or after from, or -1.
qsizetype FindAsciiDigit(QStringView text, qsizetype from = 0);

// End of the run of decimal digits that starts at from (the first non-digit, or the length).
qsizetype DigitRunEnd(QStringView text, qsizetype from);

// A date as "year/month/day" or "year.month.day": year of the ROC era (a Gregorian year above
// 999 has 1911 taken off), month and day as written. False when the year is 80 or less, no
// separator follows it, the month is below 1 or no second separator follows. The outputs keep
// what was parsed before a failure (0 for what was not reached).
bool ParseDateText(QStringView text, int* year, int* month, int* day);

// A numbered key pattern with n in place of a trailing "%d" (appended when there is none).
QString FormatNumberedKey(QStringView pattern, int n);

// Raw scan of a "key=value" CR LF line: finds key followed by "=" at or after *pos (a plain
// substring search), yields the value up to the next CR LF and moves *pos past it; with no CR
// LF after it, the value runs to the end of the text. A value in double quotes (blanks around
// them allowed), as the profile layer writes one with outer blanks or quotes, is yielded
// without them; any other value as it stands. False (nothing moved) when the key is missing.
bool ScanKeyValue(QStringView text, QStringView key, qsizetype* pos, QString* value);
