#pragma once
// The display-name conversions of the main settings file ([DisplayName] Convert1, Convert2,
// ...): pairs of a text and its replacement that rename region words on screen. The table is
// read once per run; tests reset it.
#include <QList>
#include <QString>

class DisplayNameConversions {
public:
    // The numbered keys read: Convert1 to Convert20.
    static constexpr int kMaxPairs = 20;

    struct Pair {
        QString from;  // never empty
        QString to;
    };

    // The table of the run, loaded from the main settings file on its first use.
    static DisplayNameConversions& Program();

    // text with every pair applied in key order, each replacing all occurrences of its text.
    // Loads the table from the main settings file first when it is not loaded.
    QString Apply(const QString& text);
    // Reads the pairs of a settings file: the keys from Convert1 up to the first empty value; a
    // value whose first "," stands after its first character gives (text before it, text after
    // it), any other value is skipped.
    void Load(const QString& settingsFile);
    // Forgets the table; the next Apply reads it again.
    void Reset();

    bool Loaded() const { return loaded; }
    const QList<Pair>& Pairs() const { return pairs; }

private:
    bool loaded = false;
    QList<Pair> pairs;
};
