#pragma once
// The tolerant name search of the search dialogs: a search text split into terms at the
// configured separator characters, each term looked for as a substring of the items' names, and
// a term holding one of the interchangeable characters tried a second time with that character
// swapped for its partner. Characters are code points: a surrogate pair is one character in the
// separators, in the pairs and in the swap.
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace fuzzy {

// The most terms a search text gives; further terms are dropped.
constexpr int kMaxTerms = 30;
// Widths (in code units, terminator included) the settings are read into.
constexpr int kSeparatorsWidth = 200;
constexpr int kNamePairsWidth = 64;

// [Fuzzy] Seperators and NamePairs of the main settings file.
struct Settings {
    QString separators;
    QString namePairs;
};
Settings ReadSettings(const QString& settingsFile);

// The terms of text, in order: runs between separators, never empty, at most kMaxTerms. With no
// separators the whole text is one term.
QStringList SplitTerms(const QString& text, const QString& separators);

// The term of the second pass: the term's first character that occurs in namePairs swapped
// for its partner (characters two by two are partners; the first occurrence decides). None
// when no character of the term occurs there, or when that character is the odd last one of
// namePairs, which has no partner.
std::optional<QString> SwappedTerm(const QString& term, const QString& namePairs);

// The names of one item a search looks at; empty alternatives are never searched.
struct ItemNames {
    QString name;
    QString alternative1;
    QString alternative2;
};

// One hit: the item, and which of its names held the term (0 name, 1 and 2 the alternatives).
struct Hit {
    int item = -1;
    int via = 0;
};

// Goes through the terms in order; for each, one pass over the items not yet found (a second
// pass with the swapped term when namePairs gives one). Every item is found at most once; hits
// come in the order found.
QList<Hit> FindByTerms(const QStringList& terms, const QString& namePairs,
                       const std::vector<ItemNames>& items);

} // namespace fuzzy
