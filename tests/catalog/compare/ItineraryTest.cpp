// The itinerary helpers on the program folder of tests/data/itinerary (peak files in UTF-16LE
// and CP950, companions' files in UTF-16LE): companion visit codes of trip dates, the peaks of a
// trip worked out by hand from the fixture, and the appending of trips to a companion's file.
#include "ItineraryProgram.h"
#include "TempDir.h"
#include "catalog/compare/Itinerary.h"
#include "catalog/talvane/HikingMate.h"
#include "catalog/text/HikingEntry.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A companion of its own whose file holds text, for the key-placement cases.
HikingMate MateWithFile(const TempDir& dir, const QString& text, const QString& keyTitle,
                        const QString& keyLink)
{
    HikingMate mate;
    mate.path = dir.write(u"mate.txt"_s, Utf16LeWithBom(text));
    mate.title = u"甲"_s;
    mate.keyTitle = keyTitle;
    mate.keyLink = keyLink;
    platform::ClearProfileCache();
    return mate;
}

} // namespace

TEST(Itinerary, TheVisitCodeOfATripDateIsTheCompanionsCodeForTheDateParseDateTextReads)
{
    struct Case {
        int companion;
        QString date;
        int code;
    };
    const Case cases[] = {
        {0, u"108/05/03"_s, 1080503},
        {2, u"2019/5/3"_s, 21080503},      // a Gregorian year less 1911
        {1, u"1999.12.31"_s, 10881231},
        {14, u"999/99/99"_s, 149999999},   // the largest date a code holds
        {0, u"108/5/"_s, 1080500},         // the day is not checked
        {0, u"80/1/1"_s, 0},               // ParseDateText rejects it
        {0, u"某日某月某年"_s, 0},
        {0, u"108/5"_s, 0},
        {0, u"3000/1/1"_s, 0},             // year 1089 would spill into the companion's digit
        {0, u"108/100/1"_s, 0},            // the month would spill into the year
        {15, u"108/5/3"_s, 0},             // no such companion
        {-1, u"108/5/3"_s, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(itinerary::TripVisitCode(c.companion, c.date), c.code) << c.date.toStdString();
}

TEST(Itinerary, ATripsPeaksAreTheItemsHoldingItsCodeInItemOrderEachOnce)
{
    ItineraryProgram program;
    ASSERT_TRUE(program.peaks);
    ASSERT_EQ(program.peaks->ItemCount(), 5);
    const CGroupTalvane& peaks = *program.peaks;
    EXPECT_EQ(itinerary::NamesOnTrip(peaks, 1100101), u"雪山,主山"_s);  // 雪山 holds it twice
    EXPECT_EQ(itinerary::NamesOnTrip(peaks, 1091010), u"玉山"_s);
    EXPECT_EQ(itinerary::NamesOnTrip(peaks, 1080503), u"玉山,北大武山,主山"_s);
    EXPECT_EQ(itinerary::NamesOnTrip(peaks, 881231), QString());
    EXPECT_EQ(itinerary::NamesOnTrip(peaks, 21050607), u"玉山,合歡山"_s);
    EXPECT_EQ(itinerary::NamesOnTrip(peaks, 0), QString());

    const QHash<int, QString> aming = itinerary::NamesByTripCode(peaks, ItineraryProgram::kAming);
    EXPECT_EQ(aming, (QHash<int, QString>{{1100101, u"雪山,主山"_s},
                                          {1091010, u"玉山"_s},
                                          {1080503, u"玉山,北大武山,主山"_s}}));
    EXPECT_EQ(itinerary::NamesByTripCode(peaks, ItineraryProgram::kAhua),
              (QHash<int, QString>{{21050607, u"玉山,合歡山"_s}}));
    EXPECT_TRUE(itinerary::NamesByTripCode(peaks, ItineraryProgram::kXiaohua).isEmpty());
}

TEST(Itinerary, ATripGoesUnderTheNumberAfterTheTripsReadAndReadsBackWithItsLink)
{
    ItineraryProgram program;
    ASSERT_TRUE(program.peaks);
    const HikingMate& aming = *program.peaks->Mate(ItineraryProgram::kAming);
    int number = 0;
    ASSERT_TRUE(itinerary::AppendTrip(aming, u"奇萊主山 [109/07/01]"_s, u"http://a/new"_s, &number));
    EXPECT_EQ(number, 6);
    ASSERT_TRUE(itinerary::AppendTrip(aming, u"無連結 [111/1/1]"_s, QString(), &number));
    EXPECT_EQ(number, 7);
    EXPECT_TRUE(ReadBytes(aming.path).startsWith("\xFF\xFE"));

    const QList<HikingEntry> trips = ReadNumberedKeyPairs(aming.path, u"阿明%d", u"阿明連結%d");
    ASSERT_EQ(trips.size(), 7);
    EXPECT_EQ(trips[5].title, u"奇萊主山"_s);
    EXPECT_EQ(trips[5].dateText, u"109/07/01"_s);
    EXPECT_EQ(trips[5].link, u"http://a/new"_s);
    EXPECT_EQ(trips[6].link, QString());

    // 阿花's second trip has no date and ends her list after one trip: a trip added after it
    // would never be read, so none is, and the key that stops the reader is named.
    const HikingMate& ahua = *program.peaks->Mate(ItineraryProgram::kAhua);
    const QByteArray before = ReadBytes(ahua.path);
    QString unreadable;
    EXPECT_FALSE(itinerary::AppendTrip(ahua, u"雪山 [106/07/08]"_s, u"http://c/new"_s, &number, &unreadable));
    EXPECT_EQ(unreadable, u"阿花2"_s);
    EXPECT_EQ(ReadBytes(ahua.path), before);
}

// ReadNumberedKeyPairs stops at the first trip it cannot read: a trip goes under the number
// after the trips it reads, and only where it will be read; otherwise nothing is written and
// the key at which the reader stops is named, never written over.
TEST(Itinerary, ATripTheReaderWouldNotReachIsRefusedNamingTheKeyWhereItStops)
{
    const QString first = u"[Hiking]\r\nT1=a [108/1/1]\r\nL1=x\r\n"_s;
    const struct {
        const char* name;
        QString before;
        QString unreadable;  // empty: the trip is added
        QString after;
    } cases[] = {
        {"a trip without a date", first + u"T2=無日期\r\nL2=y\r\nT3=c [108/1/3]\r\nL3=z\r\n"_s, u"T2"_s, {}},
        {"an empty trip whose link holds text", first + u"T2=\r\nL2=orphan\r\n"_s, u"T2"_s, {}},
        {"a trip without its link", u"[Hiking]\r\nT1=a [108/1/1]\r\nT2=b [108/1/2]\r\nL2=y\r\n"_s, u"L1"_s, {}},
        {"keys out of order", u"[Hiking]\r\nT2=b [108/1/2]\r\nL2=y\r\nT1=a [108/1/1]\r\nL1=x\r\n"_s, u"T2"_s, {}},
        {"an empty pair", first + u"T2=\r\nL2=\r\n"_s, {}, first + u"T2=n [109/7/1]\r\nL2=w\r\n"_s},
        {"the next free keys", first + u"Other=1\r\n"_s, {}, first + u"Other=1\r\nT2=n [109/7/1]\r\nL2=w\r\n"_s},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const HikingMate mate = MateWithFile(dir, c.before, u"T"_s, u"L"_s);
        const qsizetype count = ReadNumberedKeyPairs(mate.path, u"T%d", u"L%d").size();
        int number = 0;
        QString unreadable;
        const bool added = itinerary::AppendTrip(mate, u"n [109/7/1]"_s, u"w"_s, &number, &unreadable);
        EXPECT_EQ(unreadable, c.unreadable) << c.name;
        if (!c.unreadable.isEmpty()) {
            EXPECT_FALSE(added) << c.name;
            EXPECT_EQ(ReadBytes(mate.path), Utf16LeWithBom(c.before)) << c.name;
            continue;
        }
        ASSERT_TRUE(added) << c.name;
        EXPECT_EQ(number, count + 1) << c.name;
        EXPECT_EQ(ReadBytes(mate.path), Utf16LeWithBom(c.after)) << c.name;
        const QList<HikingEntry> trips = ReadNumberedKeyPairs(mate.path, u"T%d", u"L%d");
        ASSERT_EQ(trips.size(), count + 1) << c.name;
        EXPECT_EQ(trips.last().title, u"n"_s) << c.name;
        EXPECT_EQ(trips.last().link, u"w"_s) << c.name;
    }
}

// The profile layer writes a value with outer blanks or quotes inside double quotes; the reader
// takes such a value as the profile reader does, without the quotes.
TEST(Itinerary, QuotedTripsAndLinksReadAsTheProfileReaderReadsThem)
{
    TempDir dir;
    const HikingMate older = MateWithFile(
        dir, u"[Hiking]\r\nT1=\"雪山 [108/1/1] \"\r\nL1=\" http://x \"\r\nT2=\"玉山\" [108/1/2]\r\nL2=\"\r\n"_s,
        u"T"_s, u"L"_s);
    const QList<HikingEntry> read = ReadNumberedKeyPairs(older.path, u"T%d", u"L%d");
    ASSERT_EQ(read.size(), 2);
    EXPECT_EQ(read[0].title, u"雪山"_s);
    EXPECT_EQ(read[0].dateText, u"108/1/1"_s);
    EXPECT_EQ(read[0].link, u" http://x "_s);
    EXPECT_EQ(read[1].title, u"\"玉山\""_s);  // quotes inside the value stay
    EXPECT_EQ(read[1].link, u"\""_s);          // an unbalanced quote stays

    // What the profile layer writes reads back exactly.
    const HikingMate fresh = MateWithFile(dir, u"[Hiking]\r\n"_s, u"T"_s, u"L"_s);
    ASSERT_TRUE(itinerary::AppendTrip(fresh, u"奇萊 [109/7/1] "_s, u"http://y "_s));
    const QList<HikingEntry> back = ReadNumberedKeyPairs(fresh.path, u"T%d", u"L%d");
    ASSERT_EQ(back.size(), 1);
    EXPECT_EQ(back[0].title, u"奇萊"_s);
    EXPECT_EQ(back[0].dateText, u"109/7/1"_s);
    EXPECT_EQ(back[0].link, u"http://y "_s);
}

TEST(Itinerary, EqualKeyPatternsOrAFullItineraryTakeNoTrip)
{
    ItineraryProgram program;
    ASSERT_TRUE(program.peaks);
    const HikingMate& xiaohua = *program.peaks->Mate(ItineraryProgram::kXiaohua);
    ASSERT_EQ(xiaohua.keyTitle, xiaohua.keyLink);
    const QByteArray before = ReadBytes(xiaohua.path);
    EXPECT_FALSE(itinerary::AppendTrip(xiaohua, u"雪山 [106/07/08]"_s, u"http://b"_s));
    EXPECT_EQ(ReadBytes(xiaohua.path), before);

    TempDir dir;
    // Profile keys ignore case, so these patterns name the same keys too.
    HikingMate folded = MateWithFile(dir, u"[Hiking]\r\n"_s, u"Trip"_s, u"TRIP"_s);
    EXPECT_FALSE(itinerary::AppendTrip(folded, u"a [108/1/1]"_s, u"x"_s));
    EXPECT_EQ(ReadBytes(folded.path), Utf16LeWithBom(u"[Hiking]\r\n"_s));

    QString full = u"[Hiking]\r\n"_s;
    for (int n = 1; n <= HikingEntry::kMaxEntries; ++n)
        full += u"T%1=t [108/1/1]\r\nL%1=\r\n"_s.arg(n);
    const HikingMate fullMate = MateWithFile(dir, full, u"T"_s, u"L"_s);
    EXPECT_FALSE(itinerary::AppendTrip(fullMate, u"b [108/1/2]"_s, u"y"_s));
    EXPECT_EQ(ReadBytes(fullMate.path), Utf16LeWithBom(full));
}
