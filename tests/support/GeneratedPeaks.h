#pragma once
// Generated peak item files for benchmarks: thousands of files as the owner's machine writes
// them (UTF-16LE with byte-order mark, CR LF), with names, heights, stones, regions, ten visits,
// atlas references and coordinates.
#include "platform/CodePage.h"
#include "platform/DirList.h"
#include "platform/FileIO.h"

#include <QByteArray>
#include <QLatin1Char>
#include <QString>

namespace generated_peaks {

inline QByteArray PeakFile(int i)
{
    static const char16_t* const kVolumes[] = {u"一", u"三", u"五", u"八", u"十二", u"十五", u"二十", u"二十二"};
    QString text = QStringLiteral("[Talvane]\r\nName=山%1\r\nName2=北峰\r\nHeight=%2\r\n").arg(i).arg(1000 + i % 2900);
    text += QStringLiteral("Stone=三等%1\r\nStoneAlias=森林%2\r\nStoneStatus=存\r\nRegion=南投縣,花蓮縣\r\n")
                .arg(6000 + i % 900).arg(i % 300);
    for (int n = 1; n <= 10; ++n)
        text += QStringLiteral("Visit%1=%2\r\n").arg(n).arg((i * 7 + n * 13) % 1900 + 1);
    for (int n = 1; n <= 2; ++n)
        text += QStringLiteral("BlueSky%1=(%2%3)某某山\r\n").arg(n)
                    .arg(QString::fromUtf16(kVolumes[(i + n) % 8])).arg((i + n * 37) % 999 + 1, 3, 10, QLatin1Char('0'));
    text += QStringLiteral("Quill1=%1%2-某某山\r\n").arg(QString::fromUtf16(kVolumes[i % 8])).arg(i % 999 + 1, 3, 10, QLatin1Char('0'));
    text += QStringLiteral("Waypoint=P%1\r\nLongitude=%2\r\nAttitude=%3\r\n").arg(i)
                .arg(120.5 + (i % 1000) / 1000.0, 0, 'f', 4).arg(22.5 + (i % 700) / 300.0, 0, 'f', 4);
    return QByteArray("\xff\xfe", 2) + platform::ToUtf16Le(text);
}

// The file name of peak i: sorted names keep the generation order.
inline QString PeakFileName(int i) { return QStringLiteral("%1.txt").arg(i, 5, 10, QLatin1Char('0')); }

// The baseline of loading: every item file of a folder read whole and decoded to text; the
// number of characters decoded.
inline qsizetype ReadAndDecodeAll(const QString& folder)
{
    qsizetype chars = 0;
    for (const platform::DirEntry& e : platform::FindFiles(folder, QStringLiteral("*.txt"))) {
        QByteArray bytes;
        platform::ReadWholeFile(e.path, &bytes);
        chars += platform::FromUtf16Le(QByteArrayView(bytes).sliced(2)).size();
    }
    return chars;
}

} // namespace generated_peaks
