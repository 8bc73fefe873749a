// The plant group's add-plant writers on copies of plant and settings files: the bytes they
// leave (encodings kept; expected files written by tests/data/plants/make_fixtures.py), and
// every refusal leaving every byte as it was.
#include "PlantTestSupport.h"

#include "catalog/records/RecordText.h"
#include "catalog/subsets/plants/PlantClassList.h"

namespace {

class PlantWritersTest : public ::testing::TestWithParam<const char*> {
protected:
    PlantWritersTest()
        : folder(QString::fromLatin1(GetParam()), QString::fromLatin1(GetParam()))
    {
        folder.Build({"full.txt", "orphan_link.txt", "plain.txt"});
    }
    QString Expected(const QString& name) const
    {
        return PlantData(QStringLiteral("expected/%1/%2").arg(GetParam(), name));
    }
    QString Settings() const { return folder.dir.file("峰嵐錄.txt"); }

    PlantFolder folder;
};

INSTANTIATE_TEST_SUITE_P(Encodings, PlantWritersTest, ::testing::Values("utf16le", "cp950"));

TEST_P(PlantWritersTest, AddBlogLinkSkipsANumberWhoseAddressIsKept)
{
    const QString file = folder.dir.file("植物/orphan_link.txt");
    EXPECT_TRUE(folder.group.AddBlogLink("石蒜科", "文殊蘭", "新頁", "https://example.org/new"));
    EXPECT_EQ(ReadBytes(file), ReadBytes(Expected("orphan_link.txt")));
}

TEST_P(PlantWritersTest, AddBlogLinkRefusalsWriteNothing)
{
    const QString file = folder.dir.file("植物/orphan_link.txt");
    const QByteArray before = ReadBytes(file);
    EXPECT_FALSE(folder.group.AddBlogLink("石蒜科", "文殊蘭", "", "https://example.org/x"));
    EXPECT_FALSE(folder.group.AddBlogLink("", "文殊蘭", "t", "https://example.org/x"));
    EXPECT_FALSE(folder.group.AddBlogLink("石蒜科", "", "t", "https://example.org/x"));
    EXPECT_FALSE(folder.group.AddBlogLink("蘭科", "文殊蘭", "t", "https://example.org/x"));
    EXPECT_FALSE(folder.group.AddBlogLink("石蒜科", "文殊蘭", "a\nb", "https://example.org/x"));
    EXPECT_FALSE(folder.group.AddBlogLink("石蒜科", "文殊蘭", "t", "https://example.org/\r\nx"));
    EXPECT_EQ(ReadBytes(file), before);
}

TEST_P(PlantWritersTest, AddBlogLinkFindsAPlantByItsSecondNameAndStopsAt30)
{
    // full.txt holds pages 1 and 3: the second name finds it, and page 2 is free.
    EXPECT_TRUE(folder.group.AddBlogLink("蘭科", "一葉蘭", "第二篇", "https://example.org/2"));
    const QString file = folder.dir.file("植物/full.txt");
    EXPECT_EQ(platform::GetProfileString(file, "Plant", "Blog2"), "第二篇");
    EXPECT_EQ(platform::GetProfileString(file, "Plant", "Link2"), "https://example.org/2");
    for (int n = 4; n <= 30; ++n)
        ASSERT_TRUE(folder.group.AddBlogLink("蘭科", "台灣一葉蘭", QString::number(n), "l"));
    const QByteArray full = ReadBytes(file);
    EXPECT_FALSE(folder.group.AddBlogLink("蘭科", "台灣一葉蘭", "31", "l"));
    EXPECT_EQ(ReadBytes(file), full);
    EXPECT_EQ(platform::GetProfileString(file, "Plant", "Blog30"), "30");
}

TEST_P(PlantWritersTest, AddClassAppendsToTheList)
{
    EXPECT_TRUE(folder.group.AddClass("睡蓮科"));
    EXPECT_EQ(ReadBytes(Settings()), ReadBytes(Expected("峰嵐錄.txt")));
    QStringList families;
    EXPECT_EQ(ReadPlantClassList(&families), 7);
    const QByteArray after = ReadBytes(Settings());
    for (const char* bad : {"", "水,火科", "a\tb"})
        EXPECT_FALSE(folder.group.AddClass(QString::fromUtf8(bad))) << bad;
    EXPECT_EQ(ReadBytes(Settings()), after);
}

TEST_P(PlantWritersTest, NormalizeClassKeepsAListedFamilyAndFollowsAnAlias)
{
    QString family = "蘭科";
    EXPECT_TRUE(folder.group.NormalizeClass(&family));
    EXPECT_EQ(family, "蘭科");
    family = "杜鵑科";
    EXPECT_TRUE(folder.group.NormalizeClass(&family));
    EXPECT_EQ(family, "杜鵑花科");
    for (const char* unknown : {"睡蓮科", "", "ClassList"}) {
        family = QString::fromUtf8(unknown);
        EXPECT_FALSE(folder.group.NormalizeClass(&family)) << unknown;
        EXPECT_EQ(family, QString::fromUtf8(unknown));
    }
}

TEST_P(PlantWritersTest, AddItemWritesTheFileFirstThenTheRecord)
{
    EXPECT_FALSE(folder.group.HasItem("睡蓮科", "台灣萍蓬草"));
    EXPECT_TRUE(folder.group.HasItem("蘭科", "一葉蘭"));
    EXPECT_FALSE(folder.group.HasItem("石蒜科", "一葉蘭"));
    ASSERT_TRUE(folder.group.AddItem("睡蓮科", "台灣萍蓬草"));
    const QString file = folder.dir.file("植物/台灣萍蓬草(睡蓮科).txt");
    EXPECT_EQ(ReadBytes(file), ReadBytes(PlantData("expected/new_item.txt")));
    ASSERT_EQ(folder.group.ItemCount(), 4);
    const PlantItemRecord* r = folder.group.Record(3);
    EXPECT_EQ(QStringList({FieldText(r->path), FieldText(r->Name), FieldText(r->Name2), FieldText(r->Class)}),
              QStringList({file, "台灣萍蓬草", "", "睡蓮科"}));
    EXPECT_TRUE(folder.group.HasItem("睡蓮科", "台灣萍蓬草"));
}

TEST_P(PlantWritersTest, AddItemRefusalsCreateNothing)
{
    const QString plants = folder.dir.file("植物");
    const QByteArray existing = ReadBytes(folder.dir.file("植物/plain.txt"));
    // A plant whose file name is taken: the file stays as it was.
    folder.Copy("plain.txt", "玉山杜鵑(杜鵑花科).txt");
    const QByteArray taken = ReadBytes(folder.dir.file("植物/玉山杜鵑(杜鵑花科).txt"));
    const QStringList before = QDir(plants).entryList(QDir::Files);
    const char* refused[][2] = {
        {"杜鵑花科", "玉山杜鵑"}, {"", "名"}, {"科", ""}, {"科", "a/b"}, {"科", "a\\b"},
        {"a/科", "名"}, {"a\\科", "名"}, {"科", "a\tb"}, {"科\x7f", "名"},
    };
    for (const auto& c : refused)
        EXPECT_FALSE(folder.group.AddItem(QString::fromUtf8(c[0]), QString::fromUtf8(c[1])))
            << c[0] << " " << c[1];
    // A path that does not fit the record's path field, though the file system would take it.
    EXPECT_FALSE(folder.group.AddItem("科", QString(PlantItemRecord::kPathWidth - 20, u'a')));
    EXPECT_EQ(QDir(plants).entryList(QDir::Files), before);
    EXPECT_EQ(ReadBytes(folder.dir.file("植物/玉山杜鵑(杜鵑花科).txt")), taken);
    EXPECT_EQ(ReadBytes(folder.dir.file("植物/plain.txt")), existing);
    EXPECT_EQ(folder.group.ItemCount(), 3);
    // A group without items creates nothing.
    CGroupPlant empty;
    empty.Init(MainSettingsPath(), &folder.table, plants);
    EXPECT_FALSE(empty.AddItem("睡蓮科", "台灣萍蓬草"));
    EXPECT_EQ(QDir(plants).entryList(QDir::Files), before);
}

TEST(PlantWriters, AddClassOnAnEmptyListWritesTheFamilyAlone)
{
    PlantFolder folder(QStringLiteral("empty_list"));
    folder.Build({});
    EXPECT_TRUE(folder.group.AddClass("睡蓮科"));
    EXPECT_EQ(ReadBytes(folder.dir.file("峰嵐錄.txt")),
              ReadBytes(PlantData("expected/empty_list/峰嵐錄.txt")));
}

} // namespace
