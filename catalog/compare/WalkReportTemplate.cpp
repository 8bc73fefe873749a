#include "catalog/compare/WalkReportTemplate.h"

#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/text/HtmlListTemplate.h"
#include "catalog/text/TextFile.h"

namespace {

constexpr QStringView kCityStart = u"<!__CityStart__>";
constexpr QStringView kCityEnd = u"<!__CityEnd__>";
constexpr QStringView kRegionStart = u"<!__RegionStart__>";
constexpr QStringView kRegionEnd = u"<!__RegionEnd__>";
constexpr QStringView kBodyStart = u"<!__RegionStart2__>";
constexpr QStringView kBodyEnd = u"<!__RegionEnd2__>";
constexpr QChar kByteOrderMark = QChar(0xFEFF);
constexpr QChar kPercent = u'%';
constexpr QChar kLetterConversion = u'c';
constexpr char16_t kFirstLetter = u'a';

const QString kCityKey = QStringLiteral("__City__");
const QString kRegionKey = QStringLiteral("__Region__");
const QString kJumpKey = QStringLiteral("__Jump__");

// The city part's three pieces, each city's navigation built from them.
struct CityPart {
    QString heading, item, tail;
};

QString CityNavigation(const CityPart& part, const QString& city, QChar letter)
{
    const QString escapedCity = HtmlEscape(city);
    QString text = FillPlaceholders(ApplyPageLetter(part.heading, letter), {{kCityKey, escapedCity}});
    const QString item = ApplyPageLetter(part.item, letter);
    QStringList members;
    ReadRegionMembers(city, &members);
    for (int m = 0; m < members.size(); ++m)
        text += FillPlaceholders(item, {{kRegionKey, HtmlEscape(ConvertDisplayName(members[m]))},
                                        {kJumpKey, QString::number(m + 1)}});
    return text + part.tail;
}

bool ReadTemplate(const QString& path, QString* text)
{
    if (!ReadTextFile(path, text, true))
        return false;
    if (text->startsWith(kByteOrderMark))
        text->remove(0, 1);
    return true;
}

} // namespace

bool SplitRowTemplate(QStringView text, QStringView startMarker, QStringView endMarker,
                      QString* head, QString* middle, QString* tail)
{
    QString between;
    qsizetype end = 0;
    if (!ExtractBetween(text, startMarker, endMarker, &between, 0, &end))
        return false;
    *head = text.first(text.indexOf(startMarker)).toString();
    *middle = between;
    *tail = text.sliced(end).toString();
    return true;
}

QString ApplyPageLetter(QStringView part, QChar letter)
{
    QString text;
    text.reserve(part.size());
    for (qsizetype i = 0; i < part.size(); ++i) {
        const bool conversion = part[i] == kPercent && i + 1 < part.size();
        if (conversion && part[i + 1] == kLetterConversion) {
            text += letter;
            ++i;
        } else if (conversion && part[i + 1] == kPercent) {
            text += kPercent;
            ++i;
        } else {
            text += part[i];
        }
    }
    return text;
}

QChar PageLetter(int city)
{
    return QChar(char16_t(kFirstLetter + city));
}

QString RegionTemplate::PageHead(const QString& city) const
{
    const Placeholders values{{kCityKey, HtmlEscape(city)}};
    return FillPlaceholders(headA, values) + navigation + FillPlaceholders(headB, values);
}

bool SplitRegionTemplate(const QString& path, const QStringList& cities, RegionTemplate* parts)
{
    QString text, cityText, rest;
    RegionTemplate cut;
    CityPart city;
    if (!ReadTemplate(path, &text)
        || !SplitRowTemplate(text, kCityStart, kCityEnd, &cut.headA, &cityText, &rest)
        || !SplitRowTemplate(rest, kBodyStart, kBodyEnd, &cut.headB, &cut.body, &cut.tail)
        || !SplitRowTemplate(cityText, kRegionStart, kRegionEnd, &city.heading, &city.item, &city.tail))
        return false;
    for (int i = 0; i < cities.size(); ++i)
        cut.navigation += CityNavigation(city, cities[i], PageLetter(i));
    *parts = std::move(cut);
    return true;
}
