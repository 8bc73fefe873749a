#include "catalog/compare/WalkReportPageSet.h"

#include "catalog/compare/WalkReportTemplate.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/text/HtmlListTemplate.h"
#include "catalog/text/TextFile.h"
#include "platform/Paths.h"
#include "platform/Shell.h"

namespace {

const QString kPageName = QStringLiteral("%1/%1%2.htm");
const QChar kFirstProbe = u'a';
const QChar kSecondProbe = u'b';
const QString kRegionKey = QStringLiteral("__Region__");
const QString kJumpKey = QStringLiteral("__Jump__");

} // namespace

WalkReportPageSet::WalkReportPageSet(const WalkReportInput& input, const QString& setName,
                                     const QString& pattern)
    : in(input), name(setName), copyPattern(pattern)
{
}

QString WalkReportPageSet::PagePath(QChar letter) const
{
    return platform::JoinPath(in.dataFolder, kPageName.arg(name, QString(letter)));
}

QString WalkReportPageSet::CopyPath(QChar letter) const
{
    // A pattern without a letter conversion would name one file for every page.
    if (ApplyPageLetter(copyPattern, kFirstProbe) == ApplyPageLetter(copyPattern, kSecondProbe))
        return QString();
    return ApplyPageLetter(copyPattern, letter);
}

bool WalkReportPageSet::Write(int city, const QString& page) const
{
    const QChar letter = PageLetter(city);
    if (!WriteHtmlPage(PagePath(letter), page))
        return false;
    const QString copy = CopyPath(letter);
    QString published;
    if (copy.isEmpty() || !ReadTextFile(copy, &published, true) || published.isEmpty()
        || published == page)
        return true;
    return WriteUtf8File(copy, page);
}

QString WalkReportPageSet::WalkLink(int walk) const
{
    if (!in.walks || !in.walks->Holds(walk))
        return QString();
    const QString& link = in.walks->links[std::size_t(walk)];
    return !in.onlineDir.isEmpty() && link.startsWith(in.onlineDir) ? link.sliced(in.onlineDir.size())
                                                                      : link;
}

Placeholders WalkReportPageSet::RegionValues(const QString& member, int number)
{
    return {{kRegionKey, HtmlEscape(ConvertDisplayName(member))}, {kJumpKey, QString::number(number)}};
}

void WalkReportPageSet::OpenFirst() const
{
    if (in.shell && !in.cities.isEmpty())
        in.shell->Open(PagePath(PageLetter(0)));
}

bool WalkReportPageSet::WriteAll(const std::function<QString(const QString& city)>& cityPage) const
{
    for (int city = 0; city < in.cities.size(); ++city)
        if (!Write(city, cityPage(in.cities[city])))
            return false;
    OpenFirst();
    return true;
}
