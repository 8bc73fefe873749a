// The shared pieces of the record menus: walk and atlas entries and their links.
#include "catalog/text/RecordLinks.h"

#include "catalog/GroupTable.h"
#include "catalog/text/AtlasRef.h"
#include "catalog/text/GuideEntry.h"
#include "catalog/text/HtmlTableReader.h"
#include "catalog/text/LocalPages.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QRegularExpression>

#include <optional>

namespace record_links {

namespace {

// The width of an atlas page number in menu texts, padded with zeros.
constexpr int kPageDigits = 3;

const QString kTemplateSection = QStringLiteral("Template");
const QString kOnlineDirKey = QStringLiteral("OnlineDir");
const QString kWalkText = QStringLiteral("行旅客");
const QString kBlueSkyText = QStringLiteral("藍天圖集(");
const QString kQuillText = QStringLiteral("岫禾圖集(");
// The parts of an entry text between its fields.
const QString kAfterNumber = QStringLiteral(": ");
const QString kDateOpen = QStringLiteral(" [");
const QString kDateClose = QStringLiteral("]");
const QString kPageClose = QStringLiteral(")");

// "%03d" of a page in the C locale.
QString PageText(int page)
{
    const QString digits = QString::number(qAbs(qint64(page)));
    return page < 0 ? QLatin1Char('-') + digits.rightJustified(kPageDigits - 1, QLatin1Char('0'))
                    : digits.rightJustified(kPageDigits, QLatin1Char('0'));
}

QList<GuideEntry> ReadAtlas(int kind)
{
    if (kind != kAtlasKindBlueSky)
        return ReadQuillAtlasFile(QuillAtlasFile());
    QList<GuideEntry> entries;
    ReadHtmlTableCells(BlueSkyFile(), &entries);
    return entries;
}

// The first entry of an atlas that shows the page of code; null when none does.
const GuideEntry* FindAtlasEntry(const QList<GuideEntry>& atlas, int code)
{
    const int volume = AtlasRefVolume(code);
    const int page = AtlasRefPage(code);
    for (const GuideEntry& entry : atlas)
        if (entry.volume == volume && entry.page == page)
            return &entry;
    return nullptr;
}

int AtlasCommand(int kind)
{
    return kind == kAtlasKindBlueSky ? RecordCommand::kBlueSky : RecordCommand::kQuill;
}

const QString& AtlasText(int kind)
{
    return kind == kAtlasKindBlueSky ? kBlueSkyText : kQuillText;
}

// A web address: a scheme of two or more characters and ":" (a drive letter is no scheme).
bool IsWebAddress(const QString& link)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.\\-]+:"));
    return scheme.match(link).hasMatch();
}

} // namespace

MenuEntry Entry(int id, const QString& text)
{
    MenuEntry entry;
    entry.id = id;
    entry.text = text;
    return entry;
}

void AddWalkEntries(const CodeList& visits, QList<MenuEntry>* entries)
{
    const int count = LeadingCodes(visits);
    if (count == 0)
        return;
    WalkIndex index;
    ReadHtmlTableRows(WalkIndexFileOrDefault(), &index);
    for (int l = 0; l < count; ++l) {
        const int walk = visits[l];
        if (!index.Holds(walk))
            continue;
        const auto w = std::size_t(walk);
        const QString text = kWalkText + QString::number(walk) + kAfterNumber + index.titles[w]
                             + kDateOpen + index.dates[w] + kDateClose;
        entries->append(Entry(RecordCommand::kWalk + l, text));
    }
}

void AddAtlasEntries(const CodeList& atlasRefs, int kind, QList<MenuEntry>* entries)
{
    const int count = LeadingCodes(atlasRefs);
    std::optional<QList<GuideEntry>> atlas;
    for (int l = 0; l < count; ++l) {
        const int code = atlasRefs[l];
        if (AtlasRefKind(code) != kind)
            continue;
        if (!atlas)
            atlas = ReadAtlas(kind);
        const GuideEntry* e = FindAtlasEntry(*atlas, code);
        if (!e)
            continue;
        const QString text =
            AtlasText(kind) + e->volumeText + PageText(e->page) + kPageClose + e->title;
        entries->append(Entry(AtlasCommand(kind) + l, text));
    }
}

QString WalkLink(int walk)
{
    const QString onlineDir =
        platform::GetProfileString(MainSettingsPath(), kTemplateSection, kOnlineDirKey);
    WalkIndex index;
    ReadHtmlTableRows(WalkIndexFileOrDefault(), &index, onlineDir);
    return index.Holds(walk) ? index.links[std::size_t(walk)] : QString();
}

QString AtlasLink(int kind, int code)
{
    if (code == 0 || AtlasRefKind(code) != kind)
        return {};
    const QList<GuideEntry> atlas = ReadAtlas(kind);
    const GuideEntry* entry = FindAtlasEntry(atlas, code);
    return entry ? entry->link : QString();
}

int CodeAt(const CodeList& list, int position)
{
    return position >= 0 && position < LeadingCodes(list) ? list[position] : 0;
}

bool InRange(int id, int first, int count)
{
    return id >= first && id < first + count;
}

QString ResolveLink(const QString& link)
{
    if (IsWebAddress(link))
        return link;
    QString program;
    GetExeFolder(&program);
    return platform::JoinPath(program, link);
}

} // namespace record_links
