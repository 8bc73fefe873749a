// The user's scenarios on the bundled sample through the main dialog's command dispatch, with
// the program's own dialogs: 1030 lists the pages of the BlueSky atlas page with the peaks that
// name each, assigns a page through the peak search, and 比對資料... pairs 向陽山's old-style
// reference with its page and 確認資料... rewrites it; 1031 lists 岫禾圖集's index and adds a
// page to it. The expected rows were worked out by hand from make_sample.py (the peaks' BlueSky
// and Quill keys, MORE_BLUESKY, MORE_QUILL and the old trails' references, which the peak group
// does not name).
#include "SampleModalFixture.h"

#include "FakeItemList.h"
#include "catalog/text/GuideEntry.h"
#include "ui/dialogs/compare/DlgCompareGuide.h"
#include "ui/dialogs/compare/DlgCompareGuideData.h"

using namespace sample_scenarios;

namespace {

// The BlueSky page's rows, highest volume first and pages ascending: volume, page, title and
// the peak whose file names the page.
const char* const kBlueSkyRows[] = {
    "二十二|40|北大武山|北大武山", "十八|12|向陽山|", "十八|13|嘉明湖|三叉山", "十八|20|關山|關山",
    "十五|40|八通關山|八通關山", "十五|44|玉山北峰|玉山北峰", "十五|45|玉山群峰|玉山", "十五|46|玉山東峰|玉山東峰",
    "十五|48|玉山南峰|玉山南峰", "十五|50|大水窟山|", "十四|27|秀姑巒山|秀姑巒山", "十三|8|西巒大山|西巒大山",
    "十三|15|郡大山|郡大山", "十一|3|能高越嶺|", "十一|5|能高山|能高山", "十|35|太魯閣|", "九|17|奇萊北峰|奇萊北峰",
    "九|19|奇萊主山|奇萊主山", "八|11|畢祿山|畢祿山", "八|17|合歡西峰|合歡山西峰", "八|18|合歡北峰|合歡山北峰",
    "八|21|合歡群峰|合歡山", "八|22|合歡東峰|合歡山東峰", "八|23|合歡群峰|石門山", "八|30|白姑大山|白姑大山",
    "六|3|武陵四秀|桃山", "六|4|武陵四秀|品田山", "六|5|武陵四秀|池有山", "六|9|雪山北峰|雪山北峰",
    "六|12|雪山東峰|雪山", "六|14|雪山主峰|雪山", "六|16|志佳陽大山|志佳陽大山", "五|31|南湖北山|南湖北山",
    "五|33|南湖大山|南湖大山", "五|38|中央尖山|中央尖山", "五|40|南湖東峰|", "四|5|大霸尖山|大霸尖山",
};
// 岫禾圖集's index in the same order.
const char* const kQuillRows[] = {
    "十七|40|卑南主山|卑南主山", "十六|22|嘉明湖|三叉山", "十四|10|八通關山|八通關山", "十四|11|八通關|",
    "十二|31|玉山|玉山", "十二|33|玉山南峰|玉山南峰", "十二|36|八通關草原|", "七|8|南湖大山|南湖大山",
    "七|12|中央尖山|中央尖山", "五|21|聖稜線|雪山北峰", "三|19|大霸尖山|大霸尖山", "三|20|小霸尖山|大霸尖山",
};
constexpr int kColumns = 4;
// 向陽山's page, 十八012, as a BlueSky reference code.
constexpr int kSiangyangPage = 18 * 1000 - 12;

QStringList Expected(const char* const* rows, int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << U(rows[i]);
    return list;
}

struct SampleAtlasTest : SampleModalFixture {
    QString QuillFile() const { return DataFile(U("山友/岫禾圖集.txt")); }
    static void Select(CDlgCompareGuide* guide, int row)
    {
        for (int r = 0; r < guide->List().RowCount(); ++r)
            guide->List().SelectRow(r, r == row);
        guide->OnGuideListItemChanged();
    }
};

} // namespace

TEST_F(SampleAtlasTest, BlueSkyPagesWithTheirPeaksAndAPageAssignedThroughTheSearch)
{
    ASSERT_TRUE(peaks);
    // 向陽山's own file holds its old-style reference under BlueSky1, the key a new page would
    // take; the user picks 三叉山, whose walk over the lake crosses 向陽山's page too.
    const int sancha = PeakOfFile(U("三叉山"));
    ASSERT_GE(sancha, 0);
    runner.findResult.wroteAtlasRef = true;
    runner.onFind = [&](const FindDialogRequest& request) {
        FakeItemList rows;
        rows.InsertRow(0, U("三叉山"), quint32(sancha));
        peaks->AddAtlasRef(&rows, 0, request.atlasCode);
    };

    ModalWatcher<CDlgCompareGuide> watcher([&](CDlgCompareGuide* guide) {
        EXPECT_EQ(guide->windowTitle(), U("比對路線圖 - 藍天圖集"));
        EXPECT_EQ(Rows(guide->List(), kColumns), Expected(kBlueSkyRows, int(std::size(kBlueSkyRows))));
        EXPECT_EQ(TextOf(guide, CDlgCompareGuide::kEntryCount), QStringLiteral("37"));
        // The peaks that name a BlueSky page in the new form: all but 向陽山 of the 32 that name one.
        EXPECT_EQ(TextOf(guide, CDlgCompareGuide::kItemsWithRef), QStringLiteral("31"));
        EXPECT_TRUE(guide->GetDlgItem(CDlgCompareGuide::kCompareData)->isEnabled());
        EXPECT_FALSE(guide->GetDlgItem(CDlgCompareGuide::kAddGuide)->isEnabled());
        EXPECT_FALSE(guide->GetDlgItem(CDlgCompareGuide::kSearch)->isEnabled());
        SaveScreenshot(guide, "talvane-sample-bluesky-dialog.png");

        Select(guide, 1);
        EXPECT_EQ(TextOf(guide, CDlgCompareGuide::kPageTitle), U("向陽山"));
        EXPECT_TRUE(guide->GetDlgItem(CDlgCompareGuide::kSearch)->isEnabled());
        guide->OnSearch();
        ASSERT_EQ(runner.finds.size(), 1);
        EXPECT_EQ(runner.finds[0].searchText, U("向陽山"));
        EXPECT_EQ(runner.finds[0].atlasCode, kSiangyangPage);
        EXPECT_EQ(runner.finds[0].walkNumber, 0);
        EXPECT_EQ(guide->List().CellText(1, 3), U("三叉山"));
        // On to the next page, whose link 路線圖... opens.
        EXPECT_EQ(guide->List().NextSelectedRow(-1), 2);
        EXPECT_EQ(TextOf(guide, CDlgCompareGuide::kPageTitle), U("嘉明湖"));
        guide->OnOpenGuide();
        EXPECT_EQ(shell.opened, QStringList({QStringLiteral("https://bluesky.example.org/atlas/18/013.htm")}));
    });
    Dispatch(CTalvaneDlg::kCompareFirstAtlas);
    ASSERT_TRUE(watcher.Ran());
    EXPECT_EQ(platform::GetProfileString(PeakFile("三叉山"), QStringLiteral("Talvane"), QStringLiteral("BlueSky2")),
              U("(十八012)"));
}

TEST_F(SampleAtlasTest, CompareDataPairsTheOldStyleReferenceAndRewritesIt)
{
    ASSERT_TRUE(peaks);
    const QString siangyang = PeakFile("向陽山");
    ASSERT_EQ(platform::GetProfileString(siangyang, QStringLiteral("Talvane"), QStringLiteral("BlueSky1")),
              U("藍天圖集[18]向陽山"));

    // Every other reference names a page of the atlas and is left out: only volume 18 is shown.
    ModalWatcher<CDlgCompareGuideData> data([&](CDlgCompareGuideData* pairs) {
        EXPECT_EQ(Rows(pairs->List(), kColumns),
                  QStringList({U("十八|12|向陽山|藍天圖集[18]向陽山"), U("十八|13|嘉明湖|"), U("十八|20|關山|")}));
        EXPECT_EQ(TextOf(pairs, CDlgCompareGuideData::kMatchedCount), QStringLiteral("1"));
        EXPECT_FALSE(pairs->GetDlgItem(CDlgCompareGuideData::kCheckData)->isEnabled());
        pairs->List().SelectRow(0, true);
        pairs->OnListItemChanged();
        EXPECT_EQ(TextOf(pairs, CDlgCompareGuideData::kPageTitle), U("向陽山"));
        EXPECT_EQ(TextOf(pairs, CDlgCompareGuideData::kReference), U("藍天圖集[18]向陽山"));
        EXPECT_TRUE(pairs->GetDlgItem(CDlgCompareGuideData::kCheckData)->isEnabled());
        pairs->OnCheckData();
        EXPECT_EQ(pairs->List().CellText(0, 3), QStringLiteral("v"));
        SaveScreenshot(pairs, "talvane-sample-bluesky-data-dialog.png");
    });
    ModalWatcher<CDlgCompareGuide> watcher([&](CDlgCompareGuide* guide) { guide->OnCompareData(); });
    Dispatch(CTalvaneDlg::kCompareFirstAtlas);
    ASSERT_TRUE(watcher.Ran());
    ASSERT_TRUE(data.Ran());
    EXPECT_EQ(platform::GetProfileString(siangyang, QStringLiteral("Talvane"), QStringLiteral("BlueSky1")),
              U("(十八012)向陽山"));
    EXPECT_TRUE(platform::GetProfileString(siangyang, QStringLiteral("Talvane"), QStringLiteral("BlueSky2")).isEmpty());
}

TEST_F(SampleAtlasTest, QuillAtlasListedAndAPageAdded)
{
    ASSERT_TRUE(peaks);
    const QByteArray before = ReadBytes(QuillFile());
    inputs.Type(QString(), U("拾五045-無此冊"), QStringLiteral("https://quill.example.org/x.htm"));
    inputs.Type(QString(), U("十二040-玉山西峰"), QStringLiteral("https://quill.example.org/12-040.htm"));

    ModalWatcher<CDlgCompareGuide> watcher([&](CDlgCompareGuide* guide) {
        EXPECT_EQ(guide->windowTitle(), U("比對路線圖 - 岫禾圖集"));
        EXPECT_EQ(Rows(guide->List(), kColumns), Expected(kQuillRows, int(std::size(kQuillRows))));
        EXPECT_EQ(TextOf(guide, CDlgCompareGuide::kEntryCount), QStringLiteral("12"));
        EXPECT_EQ(TextOf(guide, CDlgCompareGuide::kItemsWithRef), QStringLiteral("9"));
        EXPECT_FALSE(guide->GetDlgItem(CDlgCompareGuide::kCompareData)->isEnabled());
        EXPECT_TRUE(guide->GetDlgItem(CDlgCompareGuide::kAddGuide)->isEnabled());
        // A file with content is shown as it stands.
        EXPECT_EQ(ReadBytes(QuillFile()), before);

        guide->OnAddGuide();  // no such volume: nothing added
        EXPECT_EQ(guide->EntryCount(), 12);
        EXPECT_EQ(ReadBytes(QuillFile()), before);

        guide->OnAddGuide();
        ASSERT_EQ(guide->EntryCount(), 13);
        const int row = guide->List().NextSelectedRow(-1);
        ASSERT_GE(row, 0);
        const GuideEntry& added = guide->Entries()[int(guide->List().RowData(row))];
        EXPECT_EQ(added.title, U("玉山西峰"));
        EXPECT_EQ(added.volume, 12);
        EXPECT_EQ(added.page, 40);
        EXPECT_EQ(TextOf(guide, CDlgCompareGuide::kPageTitle), U("玉山西峰"));
        SaveScreenshot(guide, "talvane-sample-quill-dialog.png");
        // Every row still shows the entry its value names.
        for (int r = 0; r < guide->List().RowCount(); ++r) {
            const GuideEntry& entry = guide->Entries()[int(guide->List().RowData(r))];
            EXPECT_EQ(guide->List().CellText(r, 0) + u'|' + guide->List().CellText(r, 1) + u'|' + guide->List().CellText(r, 2),
                      entry.volumeText + u'|' + QString::number(entry.page) + u'|' + entry.title)
                << r;
        }
    });
    Dispatch(CTalvaneDlg::kCompareSecondAtlas);
    ASSERT_TRUE(watcher.Ran());
    EXPECT_EQ(inputs.offered.size(), 2);

    // The new page under the next free keys, read back as the index's 13th entry.
    EXPECT_EQ(platform::GetProfileString(QuillFile(), QStringLiteral("Guide"), QStringLiteral("Quill13")),
              U("十二040-玉山西峰"));
    const QList<GuideEntry> quill = ReadQuillAtlasFile(QuillFile());
    ASSERT_EQ(quill.size(), 13);
    EXPECT_EQ(quill[12].title, U("玉山西峰"));
    EXPECT_EQ(quill[12].link, QStringLiteral("https://quill.example.org/12-040.htm"));
}
