#pragma once
// A hiking companion of the peak group: the texts read from the companion's own file in the
// data folder's "山友" folder. Its position in the group's companion table is its number in
// companion visit codes.
#include <QString>

#include <memory>

struct HikingMate {
    QString path;       // the companion's file
    QString title;      // [Hiking] Title
    QString shortTitle; // [Hiking] ShortTitle, or the title
    QString menuText;   // the title with "&" doubled, for menus
    QString keyTitle;   // prefix of the numbered keys of the companion's visits and trips
    QString keyLink;    // prefix of the numbered keys of the trips' links

    // The key of the companion's n-th visit in a peak's item file (and of its n-th trip):
    // the prefix followed by n in decimal. The prefix is taken as it stands, never as a format.
    QString VisitKey(int n) const { return keyTitle + QString::number(n); }
    QString LinkKey(int n) const { return keyLink + QString::number(n); }

    // The companion whose file is fileName in the data folder's companions' folder. A missing
    // or unreadable file gives a companion with an empty title and empty key prefixes, which
    // still takes its place in the companion table.
    static std::unique_ptr<HikingMate> FromFile(const QString& fileName);
};
