#include "catalog/records/RecordText.h"
#include "catalog/records/PlantItemRecord.h"
#include "catalog/records/StoneItemRecord.h"
#include "catalog/records/TalvaneItemRecord.h"

#include "TextPrinters.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

QString U(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

TEST(RecordText, CutsToWidthMinusOneWithoutSplittingASurrogatePair)
{
    TalvaneItemRecord record;
    std::memset(&record, 0xAB, sizeof record);

    SetFieldText(record.Name, U("雪山"));
    EXPECT_EQ(FieldText(record.Name), U("雪山"));
    for (int i = 2; i < TalvaneItemRecord::kNameWidth; ++i)
        EXPECT_EQ(record.Name[i], 0) << i; // the rest of the field is cleared

    const QString sixteen = QStringLiteral("0123456789ABCDEF");
    SetFieldText(record.Name, sixteen);
    EXPECT_EQ(FieldText(record.Name), sixteen.left(15));
    EXPECT_EQ(record.Name[15], 0);

    // "𠀀" (U+20000) is a pair; it would straddle the last usable unit, so it goes whole.
    const QString pairAtEnd = QStringLiteral("01234567890123") + U("𠀀");
    SetFieldText(record.Name, pairAtEnd);
    EXPECT_EQ(FieldText(record.Name), pairAtEnd.left(14));
    const QString pairFits = QStringLiteral("0123456789012") + U("𠀀");
    SetFieldText(record.Name, pairFits);
    EXPECT_EQ(FieldText(record.Name), pairFits);

    // A neighbouring field is never touched.
    EXPECT_EQ(record.Name2[0], 0xABAB);
    SetFieldText(record.StoneStatus, U("正常良好"));
    EXPECT_EQ(FieldText(record.StoneStatus), U("正常良"));
    EXPECT_EQ(record.StoneStatus2[0], 0xABAB);
}

TEST(RecordText, ReadingIsBoundedByTheFieldOnUntrustedBytes)
{
    // A record as a damaged cache file may hold it: no 0 anywhere in Name.
    PlantItemRecord record;
    std::memset(&record, 0, sizeof record);
    for (char16_t& c : record.Name)
        c = u'x';
    record.Name2[0] = u'y';
    EXPECT_EQ(FieldText(record.Name), QString(16, u'x'));

    TerminateField(record.Name);
    EXPECT_EQ(FieldText(record.Name), QString(15, u'x'));

    // Forcing the 0 must not leave half a pair behind.
    StoneItemRecord stone;
    std::memset(&stone, 0, sizeof stone);
    for (char16_t& c : stone.Waypoint)
        c = u'w';
    stone.Waypoint[StoneItemRecord::kWaypointWidth - 2] = 0xD840;
    stone.Waypoint[StoneItemRecord::kWaypointWidth - 1] = 0xDC00;
    TerminateField(stone.Waypoint);
    EXPECT_EQ(FieldText(stone.Waypoint), QString(14, u'w'));
}
