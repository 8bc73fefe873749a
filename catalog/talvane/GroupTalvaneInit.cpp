// The peak group's set-up: the subsets the settings file defines, built in a fixed order (the
// order of the subset tree and the list boxes), the companion table, and the visit subsets
// added once the peaks are loaded.
#include "catalog/talvane/GroupTalvane.h"

#include "catalog/GroupTable.h"
#include "catalog/subsets/attributes/SubsetDoubleStone.h"
#include "catalog/subsets/attributes/SubsetHeight.h"
#include "catalog/subsets/attributes/SubsetNoHiking.h"
#include "catalog/subsets/attributes/SubsetNoWaypoint.h"
#include "catalog/subsets/names/SubsetPostfix.h"
#include "catalog/subsets/names/SubsetSameName.h"
#include "catalog/subsets/names/SubsetSerial.h"
#include "catalog/subsets/names/SubsetTalvanes.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/subsets/regions/SubsetRegion.h"
#include "catalog/subsets/regions/SubsetRegionSet.h"
#include "catalog/subsets/stones/SubsetStone.h"
#include "catalog/subsets/titles/SubsetTitle.h"
#include "catalog/subsets/visits/SubsetReVisit.h"
#include "catalog/subsets/visits/SubsetVisit.h"
#include "catalog/window/IClock.h"
#include "platform/Profile.h"

namespace {

const QString kTitleSetSection = QStringLiteral("TitleSet");
const QString kMateSection = QStringLiteral("HikingMate");
const QString kTitleKey = QStringLiteral("Title");
const QString kRegionKey = QStringLiteral("Region");
const QString kMateKey = QStringLiteral("Mate");
// The heights in metres of the height subsets, in their order.
constexpr int kHeightThresholds[] = {3000, 1500, 1000};

} // namespace

bool CGroupTalvane::Init(const QString& settings, CGroupTable* owner, const QString& itemFolder)
{
    CGroupBase::Init(settings, owner, itemFolder);
    AddTitles();
    AddNamedLists();
    AddHeights();
    AddStoneClasses();
    AddDoubleStone();
    AddSerials();
    AddRegionSets();
    AddRegions();
    AddNoRecordSubsets();
    AddSameNames();
    AddPostfixes();
    ReadMates();
    return true;
}

QStringList CGroupTalvane::ReadNumberedSettings(const QString& section, const QString& keyPrefix,
                                                int limit) const
{
    QStringList values;
    for (int n = 1; n <= limit; ++n) {
        QString value = platform::GetProfileString(settingsFile, section, keyPrefix + QString::number(n));
        if (value.isEmpty())
            break;
        values << std::move(value);
    }
    return values;
}

// A title alone is one subset; a title with a [TitleSet] entry stands for the set's pieces,
// the first a heading and the others shown beneath it.
void CGroupTalvane::AddTitles()
{
    for (const QString& title : ReadNumberedSettings(key, kTitleKey)) {
        const QString set = platform::GetProfileString(settingsFile, kTitleSetSection, title);
        if (set.isEmpty()) {
            AddSubset(new CSubsetTitle(title, this, true));
            continue;
        }
        QStringList pieces;
        SplitList(set, &pieces, kMaxSubsets);
        for (qsizetype i = 0; i < pieces.size(); ++i)
            AddSubset(new CSubsetTitle(pieces[i], this, i == 0));
    }
}

// Talvanes1, ...: one named-list subset each.
void CGroupTalvane::AddNamedLists()
{
    for (const QString& list : ReadNumberedSettings(key, QStringLiteral("Talvanes")))
        AddSubset(new CSubsetTalvanes(list, this));
}

// The height subsets of 3000, 1500 and 1000 m.
void CGroupTalvane::AddHeights()
{
    for (const int threshold : kHeightThresholds)
        AddSubset(new CSubsetHeight(threshold, this));
}

// Stone1, ...: one stone-class subset each, set up with this group as its peak group (the stone
// group is found when the subset is first filled). They take the display name the stone group's
// class subsets have and the section "Talvane", so that the tree and the count cache name them.
void CGroupTalvane::AddStoneClasses()
{
    for (const QString& word : ReadNumberedSettings(key, QStringLiteral("Stone")))
        AddSubset(new CSubsetStone(word, this));
}

// The double-stone subset.
void CGroupTalvane::AddDoubleStone()
{
    AddSubset(new CSubsetDoubleStone(this));
}

// Serial1, ...: one series subset each.
void CGroupTalvane::AddSerials()
{
    for (const QString& series : ReadNumberedSettings(key, QStringLiteral("Serial")))
        AddSubset(new CSubsetSerial(series, this));
}

// Region1, ...: one region-set subset each.
void CGroupTalvane::AddRegionSets()
{
    for (const QString& name : ReadNumberedSettings(key, kRegionKey))
        AddSubset(new CSubsetRegionSet(name, this));
}

// Every region of the region list, each followed by its member words as sub-regions.
void CGroupTalvane::AddRegions()
{
    QStringList regions;
    ReadRegionList(&regions, kMaxRegions);
    for (const QString& region : regions) {
        AddSubset(new CSubsetRegion(region, this, true));
        QStringList members;
        ReadRegionMembers(region, &members);
        for (const QString& member : members)
            AddSubset(new CSubsetRegion(member, this, false));
    }
}

// The peaks without any record of the owner's, and the peaks not located.
void CGroupTalvane::AddNoRecordSubsets()
{
    AddSubset(new CSubsetNoHiking(this));
    AddSubset(new CSubsetNoWaypoint(this));
}

// SameName1, ...: one same-name subset each.
void CGroupTalvane::AddSameNames()
{
    for (const QString& base : ReadNumberedSettings(key, QStringLiteral("SameName")))
        AddSubset(new CSubsetSameName(base, this));
}

// Postfix1, ...: one name-ending subset each.
void CGroupTalvane::AddPostfixes()
{
    for (const QString& word : ReadNumberedSettings(key, QStringLiteral("Postfix")))
        AddSubset(new CSubsetPostfix(word, this));
}

// Mate1 ... Mate15 name the companions' files; a companion whose file is missing keeps its
// place, so the companions after it keep their numbers.
void CGroupTalvane::ReadMates()
{
    for (const QString& file : ReadNumberedSettings(kMateSection, kMateKey, kMaxMates))
        AddMate(HikingMate::FromFile(file));
}

// For 0 to the most visits of a peak: the greater-Taipei subset before the still-to-climb one,
// the all-climbed subset before the climbed-once one, then one per visit count; then one
// re-visit subset per year back.
bool CGroupTalvane::OnLoaded()
{
    for (int times = 0; times <= maxVisits; ++times) {
        if (times <= 1)
            AddVisitSubset(times, true);
        AddVisitSubset(times, false);
    }
    const IClock* clock = Table() ? Table()->Services().clock : nullptr;
    for (int years = 1, last = ReVisitYears(clock); years <= last; ++years)
        AddReVisitSubset(years);
    return true;
}

int CGroupTalvane::ReVisitYears(const IClock* clock)
{
    if (!clock)
        return 0;
    const int year = clock->LocalNow().date().year();
    return year < kFirstReVisitYear ? 0 : year - (kFirstReVisitYear - 1);
}

// Appends the visit subset of a visit count and variant.
void CGroupTalvane::AddVisitSubset(int times, bool variant)
{
    AddSubset(new CSubsetVisit(times, this, variant));
}

// Appends the subset of the peaks last climbed the given number of years back.
void CGroupTalvane::AddReVisitSubset(int years)
{
    AddSubset(new CSubsetReVisit(years, this));
}
