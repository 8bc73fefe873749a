// The list page: templates in CP950, UTF-8 and UTF-8 with a byte-order mark filled with the
// list's rows; broken templates write nothing. Every page written passes xmllint.
#include "ListPagesFixture.h"
#include "catalog/text/ListHtmlWriter.h"

#include <QDir>

namespace list_pages_test {
namespace {

const QString kHead = QStringLiteral(
    "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
    "<title>百岳&amp;&lt;&gt;&quot;</title></head>\r\n<body>\r\n"
    "<p>2026/12/8 百&amp;岳表.htm 南&lt;投&gt;</p>\r\n<table>\r\n");
const QString kTail = QStringLiteral("</table>\r\n<p>__Title__ 完</p>\r\n</body></html>\r\n");

QString Row(int no, const QString& name, const QString& height, const QString& visitWord)
{
    return QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td><a href=\"百岳表v.htm?a=1&amp;b\">%4</a></td></tr>\r\n")
        .arg(no).arg(name, height, visitWord);
}

class ListHtmlTest : public ListPagesFixture {
protected:
    ListHtmlInput Input(const char* templateName) const
    {
        ListHtmlInput input;
        input.templatePath = In(u"data/Template/"_qs + QString::fromUtf8(templateName));
        input.list = &list;
        input.outPath = In(u"data/TableMT/百岳表.htm"_qs);
        input.texts = {u"百岳&<>\""_qs, u"百岳表v.htm?a=1&b"_qs, u"百&岳表"_qs, u"htm"_qs, u"南<投>"_qs,
                       clock.now.date()};
        return input;
    }
};

struct TemplateCase {
    const char* file;
    const char* visitWord;  // the rows' link text, as the template holds it
};

class ListTemplateEncodingTest : public ListHtmlTest, public ::testing::WithParamInterface<TemplateCase> {};

TEST_P(ListTemplateEncodingTest, FillsHeadRowsAndKeepsTheTail)
{
    // Cell text with markup and a placeholder goes in escaped and is not filled again.
    AddRow(u"玉山"_qs, u"3952"_qs, kYu);
    AddRow(u"A&B<峰>\"__Col2__\""_qs, u"__No__"_qs, kMark);
    const ListHtmlInput input = Input(GetParam().file);
    ASSERT_TRUE(WriteListHtml(input));
    const QString word = QString::fromUtf8(GetParam().visitWord);
    EXPECT_EQ(ReadUtf8(input.outPath),
              kHead + Row(1, u"玉山"_qs, u"3952"_qs, word)
                  + Row(2, u"A&amp;B&lt;峰&gt;&quot;__Col2__&quot;"_qs, u"__No__"_qs, word) + kTail);
    EXPECT_FALSE(ReadBytes(input.outPath).startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(XmllintComplaints(input.outPath), QString());
}

INSTANTIATE_TEST_SUITE_P(Encodings, ListTemplateEncodingTest,
                         ::testing::Values(TemplateCase{"list_big5.htm", "造訪"},
                                           TemplateCase{"list_utf8.htm", "造訪𠀋"},
                                           TemplateCase{"list_bom.htm", "造訪"}));

TEST_F(ListHtmlTest, EmptyListWritesHeadAndTail)
{
    const ListHtmlInput input = Input("list_big5.htm");
    ASSERT_TRUE(WriteListHtml(input));
    EXPECT_EQ(ReadUtf8(input.outPath), kHead + kTail);
    EXPECT_EQ(XmllintComplaints(input.outPath), QString());
}

TEST_F(ListHtmlTest, VisitMarkersHaveNoMeaningInTheListPage)
{
    AddRow(u"玉山"_qs, u"3952"_qs, kYu);
    ListHtmlInput input = Input("visit_big5.htm");
    input.texts.title = u"百岳"_qs;
    ASSERT_TRUE(WriteListHtml(input));
    EXPECT_TRUE(ReadUtf8(input.outPath).contains(
        u"<tr><td>1 玉山 百岳表v.htm?a=1&amp;b</td><td><ul><!__VisitStart__><li>__VisitNo__|"
        "__RefStart__|__VisitWalk__|__RefEnd__|__VisitDate__|__MPS__|玉山</li><!__VisitEnd__>"
        "</ul></td></tr>\r\n"_qs));
}

TEST_F(ListHtmlTest, BrokenTemplatesWriteNothing)
{
    AddRow(u"玉山"_qs, u"3952"_qs, kYu);
    for (const char* file : {"missing.htm", "no_markers.htm", "reversed.htm", "truncated.htm",
                             "empty.htm", "binary.htm"}) {
        SCOPED_TRACE(file);
        const ListHtmlInput input = Input(file);
        EXPECT_FALSE(WriteListHtml(input));
        EXPECT_FALSE(QFile::exists(input.outPath));
    }
}

TEST_F(ListHtmlTest, BinaryTemplateWithMarkersIsReadAsCp950WithoutHarm)
{
    AddRow(u"玉山"_qs, u"3952"_qs, kYu);
    const ListHtmlInput input = Input("binary_markers.htm");
    ASSERT_TRUE(WriteListHtml(input));
    EXPECT_TRUE(ReadUtf8(input.outPath).contains(u"<!__VisitStart__>"_qs));
}

TEST_F(ListHtmlTest, UnwritablePageIsReportedAndLeavesTheOldPage)
{
    AddRow(u"玉山"_qs, u"3952"_qs, kYu);
    ListHtmlInput input = Input("list_big5.htm");
    // An old page whose name takes 252 of the 255 bytes a name may have: the page can be replaced
    // only through a file beside it, whose longer name cannot be created.
    input.outPath = In(u"data/TableMT/"_qs + QString(248, u'p') + u".htm"_qs);
    const QByteArray old = "<html><body>\xE8\x88\x8A\r\n</body></html>";
    {
        ASSERT_TRUE(QDir().mkpath(In(u"data/TableMT"_qs)));
        QFile page(input.outPath);
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        ASSERT_EQ(page.write(old), old.size());
    }
    EXPECT_FALSE(WriteListHtml(input));
    EXPECT_EQ(ReadBytes(input.outPath), old);
}

} // namespace
} // namespace list_pages_test
