#pragma once
// The terms of the waypoint and track search dialogs: a search text split at a fixed set of
// separators (unlike the item searches, whose separators come from the settings).
#include <QString>
#include <QStringList>

// The separators: comma, full stop, blank, full-width comma, ideographic comma, full-width
// semicolon.
inline constexpr char16_t kFixedTermSeparators[] = u",. ，、；";
// The most terms a search text gives; further terms are dropped.
inline constexpr int kMaxFixedTerms = 30;

// Splits text at the separators into *terms (cleared first): runs between separators, in
// order, never empty, at most kMaxFixedTerms. Returns the number of terms.
int SplitSearchTermsFixed(const QString& text, QStringList* terms);
