#pragma once
// Generated regions for benchmarks: 25 counties of 30 townships each (every word unique and no
// word inside another), the [Region] settings that list them, and the generated peaks spread
// over them, every seventh peak in two townships of neighbouring counties.
#include "GeneratedPeaks.h"

namespace generated_regions {

constexpr int kCounties = 25;
constexpr int kTownships = 30;

inline QString County(int c) { return QStringLiteral("C%1縣").arg(c); }
inline QString Township(int c, int t) { return QStringLiteral("C%1T%2鄉").arg(c).arg(t); }

// The [Region] section: RegionList and each county's townships, CR LF lines.
inline QString RegionSection()
{
    QStringList counties;
    QString members;
    for (int c = 0; c < kCounties; ++c) {
        counties << County(c);
        QStringList townships;
        for (int t = 0; t < kTownships; ++t)
            townships << Township(c, t);
        members += County(c) + u'=' + townships.join(u',') + QStringLiteral("\r\n");
    }
    return QStringLiteral("[Region]\r\nRegionList=") + counties.join(u',') + QStringLiteral("\r\n") + members;
}

// The region text of generated peak i.
inline QString RegionOf(int i)
{
    const int c = i % kCounties, t = (i / kCounties) % kTownships;
    QString text = County(c) + Township(c, t);
    if (i % 7 == 0)
        text += u',' + County((c + 1) % kCounties) + Township((c + 1) % kCounties, t);
    return text;
}

// generated_peaks::PeakFile(i) with its region text replaced by RegionOf(i).
inline QByteArray PeakFileInRegion(int i)
{
    const QByteArray bytes = generated_peaks::PeakFile(i);
    QString text = platform::FromUtf16Le(QByteArrayView(bytes).sliced(2));
    text.replace(QStringLiteral("Region=南投縣,花蓮縣"), QStringLiteral("Region=") + RegionOf(i));
    return QByteArray("\xff\xfe", 2) + platform::ToUtf16Le(text);
}

} // namespace generated_regions
