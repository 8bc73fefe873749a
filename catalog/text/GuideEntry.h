#pragma once
// One page of a route-map atlas, as read from an atlas index, and the reader of 岫禾圖集's
// index file.
#include <QList>
#include <QString>
#include <QStringView>

struct GuideEntry {
    static constexpr int kMaxEntries = 3000; // entries of one atlas

    QString volumeText; // the volume's name as written in the source
    QString title;      // title of the walk or route on that page
    QString link;       // address of the page's record (file path or web address)
    int page = 0;
    int volume = 0;     // 1 to 30; -1 for a volume text that names no volume

    static int GetVolumeIndex(QStringView volumeText);

    // Reads "十五045-雪山" (the first digit, ASCII or full-width, at 1 to 3; full-width digits
    // are turned into ASCII throughout the title). On success sets volume text, page, volume
    // and this entry's title (the rest after the digit run without leading "- 123"), and
    // title holds that rest. False with volume -1 when no digit stands at 1 to 3.
    bool ParseTitle(QString* title);

    void Assign(const GuideEntry& source) { *this = source; }
};

// qsort-style orders: < 0 when a comes first.
// Volume descending, then page ascending.
int CompareGuideEntries(const GuideEntry& a, const GuideEntry& b);
// Volume descending, then link ascending by UTF-16 code units.
int CompareGuideEntriesByText(const GuideEntry& a, const GuideEntry& b);

// Reads the entries of a 岫禾圖集 index file (UTF-16LE; keys Quill%d and QuillLink%d in that
// order, each line ended by CR LF but the last), at most GuideEntry::kMaxEntries. A missing, empty or
// unreadable file gives none.
QList<GuideEntry> ReadQuillAtlasFile(const QString& path);
