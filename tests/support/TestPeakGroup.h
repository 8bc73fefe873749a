#pragma once
// A peak-like group for tests and benchmarks: loads a peak item file into a TalvaneItemRecord
// through the group base's readers (companion visits aside), taking an up-to-date cached record
// instead when the group's item cache holds one.
#include "catalog/GroupBase.h"
#include "catalog/records/TalvaneItemRecord.h"
#include "platform/Profile.h"

class TestPeakGroup : public CGroupBase {
public:
    TestPeakGroup()
    {
        key = QStringLiteral("Talvane");
        displayName = QStringLiteral("山");
    }

    bool LoadItemFile(const QString& path, const platform::FileTime& writeTime) override
    {
        if (TakeCachedRecordFor<TalvaneItemRecord>(path, writeTime))
            return true;
        if (!FitsRecordPath(path))
            return false;
        char16_t name[TalvaneItemRecord::kNameWidth];
        if (!ReadItemString(path, QStringLiteral("Name"), name))
            return false;
        TalvaneItemRecord* r = AppendItem<TalvaneItemRecord>();
        if (!r)
            return false;
        SetRecordPath(r->path, path);
        std::copy(std::begin(name), std::end(name), r->Name);
        ReadItemString(path, QStringLiteral("Name2"), r->Name2);
        r->Height = ReadItemInt(path, QStringLiteral("Height"));
        ReadItemString(path, QStringLiteral("Stone"), r->Stone);
        ReadItemString(path, QStringLiteral("Stone2"), r->Stone2);
        ReadItemString(path, QStringLiteral("Stone3"), r->Stone3);
        ReadItemString(path, QStringLiteral("StoneAlias"), r->StoneAlias);
        ReadItemString(path, QStringLiteral("StoneAlias2"), r->StoneAlias2);
        ReadItemString(path, QStringLiteral("StoneAlias3"), r->StoneAlias3);
        ReadItemString(path, QStringLiteral("StoneStatus"), r->StoneStatus);
        ReadItemString(path, QStringLiteral("StoneStatus2"), r->StoneStatus2);
        ReadItemString(path, QStringLiteral("StoneStatus3"), r->StoneStatus3);
        ReadItemString(path, QStringLiteral("Region"), r->Region);
        r->IgnoreVisit = ReadItemInt(path, QStringLiteral("IgnoreVisit"));
        ReadItemString(path, QStringLiteral("Waypoint"), r->Waypoint);
        ReadItemDouble(path, QStringLiteral("Longitude"), &r->Longitude, 0);
        ReadItemDouble(path, QStringLiteral("Attitude"), &r->Attitude, 0);
        ReadVisits(path, r->Visits);
        ReadAtlasRefs(path, r->AtlasRefs);
        return true;
    }
    bool TakeCachedItem(int position) override
    {
        return TakeCachedRecord<TalvaneItemRecord>(position);
    }
    const std::byte* GetItemRecord(int item) const override
    {
        return reinterpret_cast<const std::byte*>(ItemAs<TalvaneItemRecord>(item));
    }
    const TalvaneItemRecord* Record(int item) const { return ItemAs<TalvaneItemRecord>(item); }
};
