// 比對路線圖 and 比對藍天隊資料 on the program folder of tests/data/atlas (peak files in UTF-16LE
// and CP950, the BlueSky atlas page guide2.htm): the atlas pages with their peaks, 岫禾圖集's
// index rebuilt from the item files or left alone, the search and the link of a page, new pages,
// the filter, the pairing of old-style references and their rewrite.
#include "FakeDialogRunner.h"
#include "FakeInputDialogs.h"
#include "FakeMainWindow.h"
#include "FakeShell.h"
#include "ScreenshotCheck.h"
#include "TempDir.h"
#include "catalog/GroupBase.h"
#include "catalog/GroupTable.h"
#include "catalog/compare/AtlasKeys.h"
#include "catalog/text/HtmlTableReader.h"
#include "catalog/window/WindowServices.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/dialogs/compare/DlgCompareGuide.h"
#include "ui/dialogs/compare/DlgCompareGuideData.h"
#include "ui/maindlg/MainDialogs.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Row {
    QString volume, page, title, names;
    bool operator==(const Row&) const = default;
};

void PrintTo(const Row& r, std::ostream* os)
{
    *os << r.volume.toStdString() << "|" << r.page.toStdString() << "|" << r.title.toStdString()
        << "|" << r.names.toStdString();
}

class AtlasDialogProgram {
public:
    // prepare (may be empty) changes the copied folder before the group loads.
    explicit AtlasDialogProgram(const std::function<void(const QString&)>& prepare = {})
    {
        root = temp.copyTree(QStringLiteral(TALVANE_TEST_DATA "/atlas/program"), u"program"_s);
        if (prepare)
            prepare(root);
        platform::SetProgramFolder(root);
        platform::ClearProfileCache();
        table.SetGroupClasses(ProgramGroupClasses());
        WindowServices services;
        services.dialogs = &runner;
        services.shell = &shell;
        table.SetServices(services);
        if (table.LoadSettings())
            group = table.GetGroup(0, nullptr);
    }
    QString QuillFile() const { return root + u"/data/山友/岫禾圖集.txt"_s; }
    QString Peak(const char* name) const { return root + u"/data/山/"_s + QString::fromUtf8(name); }
    void WriteQuillFile(const QByteArray& bytes) const { temp.write(u"program/data/山友/岫禾圖集.txt"_s, bytes); }

    TempDir temp;
    QString root;
    FakeDialogRunner runner;
    FakeShell shell;
    FakeInputDialogs inputs;
    CGroupTable table;
    CGroupBase* group = nullptr;
};

template <class Dialog>
QList<Row> Rows(Dialog& dialog)
{
    QList<Row> rows;
    QtItemList& list = dialog.List();
    for (int r = 0; r < list.RowCount(); ++r)
        rows.append({list.CellText(r, 0), list.CellText(r, 1), list.CellText(r, 2), list.CellText(r, 3)});
    return rows;
}

QString Text(const CTemplateDialog& dialog, int id)
{
    if (auto* label = dialog.DlgItem<QLabel>(id))
        return label->text();
    if (auto* edit = dialog.DlgItem<QLineEdit>(id))
        return edit->text();
    return u"<none>"_s;
}

bool Enabled(const CTemplateDialog& dialog, int id)
{
    return dialog.GetDlgItem(id) && dialog.GetDlgItem(id)->isEnabled();
}

void Select(QtItemList& list, int row)
{
    for (int r = 0; r < list.RowCount(); ++r)
        list.SelectRow(r, r == row);
}

// The rows' data name the entries whose title they show.
void ExpectRowsNameTheirEntries(CDlgCompareGuide& dialog)
{
    for (int r = 0; r < dialog.List().RowCount(); ++r) {
        const quint32 entry = dialog.List().RowData(r);
        ASSERT_LT(entry, quint32(dialog.EntryCount()));
        EXPECT_EQ(dialog.Entries()[int(entry)].title, dialog.List().CellText(r, 2)) << "row " << r;
    }
}

const QList<Row> kBlueSkyRows = {{u"十五"_s, u"12"_s, u"雪山北稜"_s, {}},
                                 {u"十五"_s, u"45"_s, u"雪山主東"_s, u"玉山"_s},
                                 {u"十五"_s, u"50"_s, u"志佳陽"_s, {}},
                                 {u"三"_s, u"20"_s, u"拉拉山"_s, {}},
                                 {u"三"_s, u"101"_s, u"北插天山"_s, {}}};

// The index rebuilt from the item files: 拾五 names no volume, so its row forms no code and
// shows no peak (the code it would make, 98955, is the one peak 雪山 holds from that value).
const QList<Row> kQuillRows = {{u"十五"_s, u"12"_s, u"雪山北稜"_s, {}},
                               {u"十五"_s, u"45"_s, u"雪山"_s, u"玉山,南湖大山"_s},
                               {u"三"_s, u"101"_s, u"北插天山"_s, u"玉山,北大武山"_s},
                               {u"拾五"_s, u"45"_s, u"壞冊"_s, {}}};

const QString kRebuiltIndex = u"[Guide]\r\nQuill1=十五012-雪山北稜\r\nQuillLink1=\r\n"
                              u"Quill2=十五045-雪山\r\nQuillLink2=q/15-045.htm\r\n"
                              u"Quill3=三101-北插天山\r\nQuillLink3=q/3-101.htm\r\n"
                              u"Quill4=拾五045-壞冊\r\nQuillLink4=\r\n"_s;

TEST(DlgCompareGuide, BlueSkyAtlasListsPagesWithTheirPeaks)
{
    AtlasDialogProgram program;
    ASSERT_NE(program.group, nullptr);
    CDlgCompareGuide dialog(program.group, &program.inputs);
    ASSERT_TRUE(dialog.OnInitDialog());
    EXPECT_EQ(dialog.windowTitle(), u"比對路線圖 - 藍天圖集"_s);
    EXPECT_EQ(Rows(dialog), kBlueSkyRows);
    ExpectRowsNameTheirEntries(dialog);
    const struct {
        QString title;
        int width;
    } columns[] = {{u"冊"_s, 60}, {u"頁"_s, 40}, {u"行程"_s, 310}, {u"造訪山"_s, 160}};
    for (int c = 0; c < 4; ++c) {
        QString title;
        int width = 0;
        ASSERT_TRUE(dialog.List().GetColumn(c, &title, &width));
        EXPECT_EQ(title, columns[c].title);
        EXPECT_EQ(width, columns[c].width);
    }
    EXPECT_EQ(Text(dialog, CDlgCompareGuide::kEntryCount), u"5"_s);
    EXPECT_EQ(Text(dialog, CDlgCompareGuide::kItemsWithRef), u"2"_s);  // 玉山 and 雪山
    EXPECT_EQ(Text(dialog, CDlgCompareGuide::kFilter), u"山"_s);
    EXPECT_TRUE(Enabled(dialog, CDlgCompareGuide::kCompareData));
    EXPECT_FALSE(Enabled(dialog, CDlgCompareGuide::kAddGuide));
    EXPECT_FALSE(Enabled(dialog, CDlgCompareGuide::kSearch));
    EXPECT_FALSE(Enabled(dialog, CDlgCompareGuide::kOpenGuide));
    EXPECT_FALSE(QFileInfo::exists(program.QuillFile()));
}

TEST(DlgCompareGuide, SearchAssignsThePageAndMovesOn)
{
    AtlasDialogProgram program;
    ASSERT_NE(program.group, nullptr);
    CDlgCompareGuide dialog(program.group, &program.inputs);
    ASSERT_TRUE(dialog.OnInitDialog());
    Select(dialog.List(), 0);
    dialog.OnGuideListItemChanged();
    EXPECT_EQ(Text(dialog, CDlgCompareGuide::kPageTitle), u"雪山北稜"_s);
    EXPECT_TRUE(Enabled(dialog, CDlgCompareGuide::kSearch));
    // Nothing written: the selection stays.
    dialog.OnSearch();
    ASSERT_EQ(program.runner.finds.size(), 1);
    EXPECT_EQ(program.runner.finds[0].kind, FindDialogKind::Peaks);
    EXPECT_EQ(program.runner.finds[0].searchText, u"雪山北稜"_s);
    EXPECT_EQ(program.runner.finds[0].atlasCode, 14988);
    EXPECT_EQ(dialog.List().NextSelectedRow(-1), 0);
    program.runner.findResult.wroteAtlasRef = true;
    dialog.OnSearch();
    EXPECT_EQ(dialog.List().SelectedCount(), 1);
    EXPECT_EQ(dialog.List().NextSelectedRow(-1), 1);
    EXPECT_EQ(Text(dialog, CDlgCompareGuide::kPageTitle), u"雪山主東"_s);
    dialog.OnOpenGuide();
    EXPECT_EQ(program.shell.opened, QStringList{u"a/15-045.htm"_s});
}

TEST(DlgCompareGuide, MissingQuillIndexIsRebuiltOnceAndReadBack)
{
    AtlasDialogProgram program;
    ASSERT_NE(program.group, nullptr);
    {
        CDlgCompareGuide dialog(program.group, &program.inputs);
        dialog.mode = 1;
        ASSERT_TRUE(dialog.OnInitDialog());
        EXPECT_EQ(dialog.windowTitle(), u"比對路線圖 - 岫禾圖集"_s);
        EXPECT_EQ(Rows(dialog), kQuillRows);
        ExpectRowsNameTheirEntries(dialog);
        EXPECT_EQ(Text(dialog, CDlgCompareGuide::kProgress), u"4"_s);
        EXPECT_EQ(Text(dialog, CDlgCompareGuide::kItemsWithRef), u"3"_s);
        EXPECT_FALSE(Enabled(dialog, CDlgCompareGuide::kCompareData));
        EXPECT_TRUE(Enabled(dialog, CDlgCompareGuide::kAddGuide));
        // The row without a code: no search.
        Select(dialog.List(), 3);
        dialog.OnGuideListItemChanged();
        EXPECT_FALSE(Enabled(dialog, CDlgCompareGuide::kSearch));
        EXPECT_TRUE(Enabled(dialog, CDlgCompareGuide::kOpenGuide));
        dialog.OnSearch();
        EXPECT_TRUE(program.runner.finds.isEmpty());
    }
    EXPECT_EQ(ReadBytes(program.QuillFile()), Utf16LeWithBom(kRebuiltIndex));
    // Opened again, the index with content is read, not rebuilt; the item files are not read.
    const QByteArray written = ReadBytes(program.QuillFile());
    CDlgCompareGuide again(program.group, &program.inputs);
    again.mode = 1;
    ASSERT_TRUE(again.OnInitDialog());
    EXPECT_EQ(Rows(again), kQuillRows);
    EXPECT_EQ(Text(again, CDlgCompareGuide::kProgress), QString());
    EXPECT_EQ(ReadBytes(program.QuillFile()), written);
}

TEST(DlgCompareGuide, QuillIndexWithContentStaysAsItIs)
{
    AtlasDialogProgram program;
    ASSERT_NE(program.group, nullptr);
    // UTF-8: the UTF-16 reader finds no entry in it, yet it is the owner's file.
    const QByteArray utf8 = u"[Guide]\r\nQuill1=十五045-雪山\r\nQuillLink1=x\r\n"_s.toUtf8();
    program.WriteQuillFile(utf8);
    CDlgCompareGuide dialog(program.group, &program.inputs);
    dialog.mode = 1;
    ASSERT_TRUE(dialog.OnInitDialog());
    EXPECT_EQ(dialog.List().RowCount(), 0);
    EXPECT_EQ(ReadBytes(program.QuillFile()), utf8);
}

TEST(DlgCompareGuide, AddGuideTakesValidPagesOnly)
{
    AtlasDialogProgram program;
    ASSERT_NE(program.group, nullptr);
    CDlgCompareGuide dialog(program.group, &program.inputs);
    dialog.mode = 1;
    ASSERT_TRUE(dialog.OnInitDialog());
    const QByteArray rebuilt = ReadBytes(program.QuillFile());
    // 拾五 names no volume, 十五000 no page, 雪山 has no page digits.
    for (const char* title : {"拾五045-壞", "十五000-無頁", "雪山"}) {
        program.inputs.Type({}, QString::fromUtf8(title), u"x"_s);
        dialog.OnAddGuide();
        EXPECT_EQ(dialog.EntryCount(), 4) << title;
        EXPECT_EQ(ReadBytes(program.QuillFile()), rebuilt) << title;
    }
    program.inputs.Cancel();
    dialog.OnAddGuide();
    EXPECT_EQ(dialog.EntryCount(), 4);
    program.inputs.Type({}, u"十五-050-志佳陽"_s, u"q/15-050.htm"_s);
    dialog.OnAddGuide();
    ASSERT_EQ(program.inputs.offered.size(), 5);
    EXPECT_EQ(program.inputs.offered[4].shown.title, QString());
    EXPECT_EQ(dialog.EntryCount(), 5);
    EXPECT_EQ(ReadBytes(program.QuillFile()),
              Utf16LeWithBom(kRebuiltIndex + u"Quill5=十五050-志佳陽\r\nQuillLink5=q/15-050.htm\r\n"_s));
    QList<Row> rows = kQuillRows;
    rows.insert(2, {u"十五"_s, u"50"_s, u"志佳陽"_s, {}});
    EXPECT_EQ(Rows(dialog), rows);
    ExpectRowsNameTheirEntries(dialog);
    EXPECT_EQ(dialog.List().SelectedCount(), 1);
    EXPECT_EQ(dialog.List().NextSelectedRow(-1), 2);
    EXPECT_EQ(Text(dialog, CDlgCompareGuide::kPageTitle), u"志佳陽"_s);
    EXPECT_EQ(Text(dialog, CDlgCompareGuide::kEntryCount), u"5"_s);
}

TEST(DlgCompareGuide, AddGuideRefillsTheFilteredRows)
{
    AtlasDialogProgram program;
    ASSERT_NE(program.group, nullptr);
    CDlgCompareGuide dialog(program.group, &program.inputs);
    dialog.mode = 1;
    ASSERT_TRUE(dialog.OnInitDialog());
    dialog.DlgItem<QLineEdit>(CDlgCompareGuide::kFilter)->setText(u"雪山"_s);
    dialog.OnFilterTrips();
    EXPECT_EQ(Rows(dialog), (QList<Row>{kQuillRows[0], kQuillRows[1]}));
    program.inputs.Type({}, u"十五020-雪山西稜"_s, {});
    dialog.OnAddGuide();
    EXPECT_EQ(Rows(dialog), (QList<Row>{kQuillRows[0], {u"十五"_s, u"20"_s, u"雪山西稜"_s, {}}, kQuillRows[1]}));
    ExpectRowsNameTheirEntries(dialog);
    EXPECT_EQ(dialog.List().NextSelectedRow(-1), 1);
    // A page the filter hides is added without a row.
    program.inputs.Type({}, u"三020-拉拉山"_s, {});
    dialog.OnAddGuide();
    EXPECT_EQ(dialog.EntryCount(), 6);
    EXPECT_EQ(dialog.List().RowCount(), 3);
    EXPECT_EQ(dialog.List().SelectedCount(), 0);
    dialog.DlgItem<QLineEdit>(CDlgCompareGuide::kFilter)->clear();
    dialog.OnFilterTrips();
    EXPECT_EQ(dialog.List().RowCount(), 6);
    ExpectRowsNameTheirEntries(dialog);
}

TEST(DlgCompareGuide, AFullIndexTakesNoPage)
{
    AtlasDialogProgram program;
    ASSERT_NE(program.group, nullptr);
    // 3000 pages: 十, 十一 and 十二 with pages 1 to 999, then 十三 1 to 3.
    QString text = u"[Guide]\r\n"_s;
    const QString names[] = {u"十"_s, u"十一"_s, u"十二"_s, u"十三"_s};
    for (int n = 0; n < 3000; ++n)
        text += u"Quill%1=%2%3-頁\r\nQuillLink%1=\r\n"_s.arg(n + 1).arg(names[n / 999]).arg(n % 999 + 1, 3, 10, QLatin1Char('0'));
    program.WriteQuillFile(Utf16LeWithBom(text));
    CDlgCompareGuide dialog(program.group, &program.inputs);
    dialog.mode = 1;
    ASSERT_TRUE(dialog.OnInitDialog());
    ASSERT_EQ(dialog.EntryCount(), 3000);
    program.inputs.Type({}, u"十五050-志佳陽"_s, {});
    dialog.OnAddGuide();
    EXPECT_TRUE(program.inputs.offered.isEmpty());
    EXPECT_EQ(dialog.EntryCount(), 3000);
    EXPECT_EQ(ReadBytes(program.QuillFile()), Utf16LeWithBom(text));
}

// The reader of the index looks for Quill<n>= in order, whatever the section: a page added to
// an index whose keys stand before any header, under another header or under [Guide] is still
// listed when the dialog is opened again.
TEST(DlgCompareGuide, AnAddedPageIsListedAfterReopeningWhereverTheKeysStand)
{
    const QString one = u"Quill1=十五045-雪山\r\nQuillLink1=q/15-045.htm\r\n"_s;
    const struct {
        const char* name;
        QString index;
    } cases[] = {
        {"before any header", one + u"[Guide]\r\n"_s},
        {"under another header", u"[Atlas]\r\n"_s + one},
        {"under [Guide]", u"[Guide]\r\n"_s + one},
    };
    const Row added = {u"十五"_s, u"50"_s, u"志佳陽"_s, {}};
    for (const auto& c : cases) {
        AtlasDialogProgram program;
        ASSERT_NE(program.group, nullptr);
        program.WriteQuillFile(Utf16LeWithBom(c.index));
        {
            CDlgCompareGuide dialog(program.group, &program.inputs);
            dialog.mode = 1;
            ASSERT_TRUE(dialog.OnInitDialog());
            ASSERT_EQ(dialog.EntryCount(), 1) << c.name;
            program.inputs.Type({}, u"十五050-志佳陽"_s, u"q/15-050.htm"_s);
            dialog.OnAddGuide();
            EXPECT_EQ(dialog.EntryCount(), 2) << c.name;
        }
        CDlgCompareGuide again(program.group, &program.inputs);
        again.mode = 1;
        ASSERT_TRUE(again.OnInitDialog());
        EXPECT_EQ(again.EntryCount(), 2) << c.name;
        EXPECT_TRUE(Rows(again).contains(added)) << c.name;
        ExpectRowsNameTheirEntries(again);
    }
}

// Blanks typed at either end of the title or the address are not written: the page reads back
// with its volume and page, and its link opens.
TEST(DlgCompareGuide, BlanksTypedAroundTitleAndAddressAreNotWritten)
{
    AtlasDialogProgram program;
    ASSERT_NE(program.group, nullptr);
    {
        CDlgCompareGuide dialog(program.group, &program.inputs);
        dialog.mode = 1;
        ASSERT_TRUE(dialog.OnInitDialog());
        program.inputs.Type({}, u"  十二040-玉山西峰 "_s, u" q/12-040.htm "_s);
        dialog.OnAddGuide();
        EXPECT_EQ(dialog.EntryCount(), 5);
    }
    EXPECT_EQ(ReadBytes(program.QuillFile()),
              Utf16LeWithBom(kRebuiltIndex + u"Quill5=十二040-玉山西峰\r\nQuillLink5=q/12-040.htm\r\n"_s));
    CDlgCompareGuide again(program.group, &program.inputs);
    again.mode = 1;
    ASSERT_TRUE(again.OnInitDialog());
    const int row = int(Rows(again).indexOf(Row{u"十二"_s, u"40"_s, u"玉山西峰"_s, {}}));
    ASSERT_GE(row, 0);
    Select(again.List(), row);
    again.OnGuideListItemChanged();
    again.OnOpenGuide();
    EXPECT_EQ(program.shell.opened, QStringList{u"q/12-040.htm"_s});
}

// A region or survey stone chosen in the peak search opened from the atlas dialog is carried
// out by the main dialog.
TEST(DlgCompareGuide, AJumpChosenInThePeakSearchReachesTheMainDialog)
{
    AtlasDialogProgram program;
    ASSERT_NE(program.group, nullptr);
    FakeMainWindow window;
    WindowServices services = program.table.Services();
    services.mainWindow = &window;
    program.table.SetServices(services);
    CDlgCompareGuide dialog(program.group, &program.inputs);
    ASSERT_TRUE(dialog.OnInitDialog());
    Select(dialog.List(), 1);
    dialog.OnGuideListItemChanged();
    program.runner.findResult.chosenRegion = u"雪山山脈"_s;
    dialog.OnSearch();
    EXPECT_EQ(window.selectedSubsets, QStringList{u"雪山山脈"_s});
    program.runner.findResult.chosenRegion.clear();
    program.runner.findResult.chosenStone = u"三角點1234"_s;
    dialog.OnSearch();
    EXPECT_EQ(window.stoneJumps, QStringList{u"三角點1234"_s});
    EXPECT_EQ(program.runner.finds.size(), 2);
}

TEST(DlgCompareGuideData, PairsAndRewritesOldStyleReferences)
{
    AtlasDialogProgram program;
    ASSERT_NE(program.group, nullptr);
    QList<GuideEntry> atlas;
    ASSERT_EQ(ReadHtmlTableCells(program.root + u"/data/guide2.htm"_s, &atlas), 5);
    QList<GuideEntry> refs;
    ASSERT_EQ(ReadAtlasKeys(*program.group, 0, atlas, kBlueSkyKeyPattern, kBlueSkyLinkPattern, &refs, nullptr), 6);
    CDlgCompareGuideData dialog(program.group, &atlas, &refs);
    ASSERT_TRUE(dialog.OnInitDialog());
    const QList<Row> rows = {{u"十五"_s, u"12"_s, u"雪山北稜"_s, u"藍天圖集[15]雪山北稜線"_s},
                             {u"十五"_s, u"45"_s, u"雪山主東"_s, {}},
                             {u"十五"_s, u"50"_s, u"志佳陽"_s, u"藍天圖集[15]志佳陽線"_s},
                             {u"三"_s, u"20"_s, u"拉拉山"_s, u"藍天圖集[3]拉拉山"_s},
                             {u"三"_s, u"101"_s, u"北插天山"_s, {}}};
    EXPECT_EQ(Rows(dialog), rows);
    EXPECT_EQ(Text(dialog, CDlgCompareGuideData::kMatchedCount), u"3"_s);
    EXPECT_FALSE(Enabled(dialog, CDlgCompareGuideData::kCheckData));
    Select(dialog.List(), 0);
    dialog.OnListItemChanged();
    EXPECT_EQ(Text(dialog, CDlgCompareGuideData::kPageTitle), u"雪山北稜"_s);
    EXPECT_EQ(Text(dialog, CDlgCompareGuideData::kReference), u"藍天圖集[15]雪山北稜線"_s);
    EXPECT_TRUE(Enabled(dialog, CDlgCompareGuideData::kCheckData));
    const QByteArray untouched = ReadBytes(program.Peak("02_南湖大山.txt"));
    dialog.OnCheckData();
    EXPECT_EQ(dialog.List().CellText(0, 3), u"v"_s);
    EXPECT_EQ(dialog.List().NextSelectedRow(-1), 2);  // the next row with a pair
    EXPECT_EQ(Text(dialog, CDlgCompareGuideData::kReference), u"藍天圖集[15]志佳陽線"_s);
    EXPECT_EQ(Text(dialog, CDlgCompareGuideData::kProgress), u"4..."_s);
    platform::ClearProfileCache();
    EXPECT_EQ(platform::GetProfileString(program.Peak("00_玉山.txt"), u"Talvane"_s, u"BlueSky2"_s), u"(十五012)雪山北稜線"_s);
    EXPECT_EQ(platform::GetProfileString(program.Peak("01_雪山.txt"), u"Talvane"_s, u"BlueSky1"_s), u"(十五012)雪山北稜線"_s);
    EXPECT_EQ(ReadBytes(program.Peak("02_南湖大山.txt")), untouched);
}

TEST(DlgCompareGuideData, AFailedWriteMarksNothing)
{
    // The only peak file that holds 藍天圖集[15]雪山北稜線 gets a name too long for the
    // temporary file of an atomic write: its write fails.
    const QString longName = QString(83, u'山') + u".txt"_s;
    AtlasDialogProgram program([&](const QString& root) {
        QFile::rename(root + u"/data/山/00_玉山.txt"_s, root + u"/data/山/"_s + longName);
        QFile::remove(root + u"/data/山/01_雪山.txt"_s);
    });
    ASSERT_NE(program.group, nullptr);
    ASSERT_EQ(program.group->ItemCount(), 3);
    const QString longPath = program.root + u"/data/山/"_s + longName;
    QList<GuideEntry> atlas;
    ASSERT_EQ(ReadHtmlTableCells(program.root + u"/data/guide2.htm"_s, &atlas), 5);
    QList<GuideEntry> refs;
    ASSERT_GT(ReadAtlasKeys(*program.group, 0, atlas, kBlueSkyKeyPattern, kBlueSkyLinkPattern, &refs, nullptr), 0);
    CGroupBase* group = program.group;
    CDlgCompareGuideData dialog(group, &atlas, &refs);
    ASSERT_TRUE(dialog.OnInitDialog());
    Select(dialog.List(), 0);
    dialog.OnListItemChanged();
    ASSERT_EQ(dialog.List().CellText(0, 3), u"藍天圖集[15]雪山北稜線"_s);
    const QByteArray before = ReadBytes(longPath);
    dialog.OnCheckData();
    EXPECT_EQ(dialog.List().CellText(0, 3), u"藍天圖集[15]雪山北稜線"_s);
    EXPECT_EQ(dialog.List().NextSelectedRow(-1), 0);
    EXPECT_EQ(ReadBytes(longPath), before);
}

// Runs step while the next modal dialog is open, then closes it.
void WhileModal(const std::function<void(QWidget*)>& step)
{
    QTimer::singleShot(0, [step] {
        QWidget* dialog = QApplication::activeModalWidget();
        step(dialog);
        if (dialog)
            dialog->close();
    });
}

TEST(DlgCompareGuide, CompareDataOpensThePairingAndCommandsOpenTheDialog)
{
    AtlasDialogProgram program;
    ASSERT_NE(program.group, nullptr);
    CDlgCompareGuide dialog(program.group, &program.inputs);
    ASSERT_TRUE(dialog.OnInitDialog());
    QString matched;
    WhileModal([&](QWidget* opened) {
        if (auto* data = qobject_cast<CDlgCompareGuideData*>(opened))
            matched = Text(*data, CDlgCompareGuideData::kMatchedCount);
    });
    dialog.Commands().Dispatch(CDlgCompareGuide::kCompareData);
    EXPECT_EQ(matched, u"3"_s);
    EXPECT_EQ(Text(dialog, CDlgCompareGuide::kProgress), u"6"_s);

    CMainDialogs dialogs(&program.inputs);
    for (int mode : {0, 1}) {
        QString caption;
        WhileModal([&](QWidget* opened) {
            if (opened)
                caption = opened->windowTitle();
        });
        dialogs.CompareGuide(nullptr, program.group, mode);
        EXPECT_EQ(caption, mode == 0 ? u"比對路線圖 - 藍天圖集"_s : u"比對路線圖 - 岫禾圖集"_s);
    }
}

TEST(DlgCompareGuide, Screenshots)
{
    AtlasDialogProgram program;
    ASSERT_NE(program.group, nullptr);
    CDlgCompareGuide dialog(program.group, &program.inputs);
    ASSERT_TRUE(dialog.OnInitDialog());
    Select(dialog.List(), 1);
    dialog.OnGuideListItemChanged();
    dialog.show();
    SaveAndCheckScreenshot(dialog, u"talvane-compare-guide-dialog.png"_s);
    QList<GuideEntry> refs;
    ReadAtlasKeys(*program.group, 0, dialog.Entries(), kBlueSkyKeyPattern, kBlueSkyLinkPattern, &refs, nullptr);
    CDlgCompareGuideData data(program.group, &dialog.Entries(), &refs);
    ASSERT_TRUE(data.OnInitDialog());
    Select(data.List(), 0);
    data.OnListItemChanged();
    data.show();
    SaveAndCheckScreenshot(data, u"talvane-compare-guide-data-dialog.png"_s);
}

} // namespace
