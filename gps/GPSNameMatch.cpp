#include "gps/GPSNameMatch.h"

namespace gps {

QStringView BaseNameOf(QStringView name)
{
    qsizetype length = name.size();
    while (length > 0 && name[length - 1] >= u'0' && name[length - 1] <= u'9')
        --length;
    return name.first(length);
}

bool MentionsName(QStringView text, QStringView name)
{
    if (name.isEmpty())
        return false;
    const qsizetype at = text.indexOf(name);
    if (at < 0)
        return false;
    const qsizetype after = at + name.size();
    return after >= text.size() || text[after] < u'2' || text[after] > u'9';
}

} // namespace gps
