#pragma once
// Pairs the BlueSky references of the item files with the pages of the BlueSky atlas, volume by
// volume, by how many of a reference's characters a page's title holds.
#include "catalog/text/GuideEntry.h"

#include <QList>
#include <QStringView>

// The number of reference's characters (UTF-16 code units, each occurrence counted) found
// anywhere in title, times 100, divided by reference's length; 0 for an empty reference.
int AtlasMatchScore(QStringView reference, QStringView title);

// match[i] = the index + 1 of the reference paired with atlas entry i, 0 for none. Both lists
// are sorted by volume, descending; references of volume 0 or below are not paired. Each
// reference's candidate is the page of its volume with the highest score (the first on a tie);
// a candidate already paired leaves the reference unpaired, and a volume without pages pairs
// nothing. Returns the number paired.
int MatchAtlasEntries(const QList<GuideEntry>& atlas, const QList<GuideEntry>& references,
                      QList<int>* match);
