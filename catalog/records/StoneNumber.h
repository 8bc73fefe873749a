#pragma once
// Survey-stone number texts as lists and summaries show them: the display text of a stone
// number, and one stone with its alias and status appended to a comma list.
#include <QString>

// The display text of a stone number: the Taipei city survey prefixes spelled out, "無" as
// "無基石", any other text unchanged.
QString FormatStoneNumber(const QString& stone);

// How AppendNameWithNote writes a stone.
struct StoneNote {
    bool formatNumber = false;  // the stone through FormatStoneNumber
    bool aliasFirst = false;    // "(alias)" before the stone instead of after it
};

// Appends one stone to a comma list: "," when the text is not empty, the stone with "(alias)"
// before or after it and "(status)" last, each only when not empty. An empty stone appends
// nothing and gives false.
bool AppendNameWithNote(QString* text, const QString& stone, const QString& alias,
                        const QString& status, StoneNote note);
