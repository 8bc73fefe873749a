#pragma once
// Numbers in the C locale, whatever the process locale is.
#include <QString>
#include <QStringView>
#include <optional>

namespace platform {

// The integer rule of the profile functions: optional blanks and sign, decimal digits up to the
// first non-digit, or hexadecimal after "0x"; clamped to 32 bits; nothing readable gives 0.
int ParseProfileInteger(QStringView text);

// A decimal floating-point number at the start of text (after blanks), as "%Lf" reads it;
// nullopt when none stands there.
std::optional<double> ParseLeadingDouble(QStringView text);

// Shortest round-trip form with a '.' decimal point ("121.5").
QString FormatDouble(double value);
// Fixed number of decimals ("%.*f" in the C locale).
QString FormatDouble(double value, int decimals);

} // namespace platform
