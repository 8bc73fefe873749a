#pragma once
// Atlas reference codes: one integer for a page of one of the two route-map atlases
// (the BlueSky team's atlas, kind 0, and 岫禾圖集, kind 1), each of thirty volumes.
//   code = kind * 100000 + volume * 1000 - page
// The page is subtracted so that codes sorted descending run by kind descending, then volume
// descending, then page ascending. 0 means no reference and ends a list of codes.
#include <QString>
#include <QStringView>

constexpr int kAtlasKindBlueSky = 0;
constexpr int kAtlasKindQuill = 1;
constexpr int kAtlasKindFactor = 100000;
constexpr int kAtlasVolumeFactor = 1000;
constexpr int kAtlasVolumeCount = 30;

// The code of a page; no range check.
constexpr int AtlasRefCode(int kind, int volume, int page)
{
    return kind * kAtlasKindFactor + volume * kAtlasVolumeFactor - page;
}
constexpr int AtlasRefKind(int code) { return code / kAtlasKindFactor; }
// Volume 1 to 30 of a well-formed code (of either kind); another number for a code that is
// none. Computed wide, so any int (codes come from untrusted cache files) is safe.
constexpr int AtlasRefVolume(int code)
{
    return int((static_cast<long long>(code) + (kAtlasVolumeFactor - 1)) / kAtlasVolumeFactor
               % (kAtlasKindFactor / kAtlasVolumeFactor));
}
constexpr int AtlasRefPage(int code) { return kAtlasVolumeFactor - code % kAtlasVolumeFactor; }

// The name of volume 1 to 30 (一 … 三十); empty for any other number.
QStringView AtlasVolumeName(int volume);

// The volume whose name equals text exactly (UTF-16 code units, no trimming): 1 to 30, or -1.
int AtlasVolumeIndex(QStringView text);

// "(十五045)雪山" form of BlueSky%d values: "(" at 0, the first ")" at 5 or later, the inner
// text's last three characters are the page, the rest the volume name. Result volume * 1000 -
// page (negative for an unknown volume name, volume -1), or 0 when the text has not the form.
// volume and page (may be null) receive the parts when the form is there.
int ParseAtlasRefInParens(QStringView text, int* volume, int* page);

// "十五045-雪山" form of Quill%d values: the first ASCII digit at 1, 2 or 3, the volume name
// before it (trailing '-' removed), the page its digit run. Result volume * 1000 - page +
// 100000, or 0 when the text has not the form.
int ParseAtlasRefDashed(QStringView text, int* volume, int* page);

// "(十五045)" and "十五045-" of a code of either kind; false (text untouched) when the code's
// volume is not 1 to 30.
bool FormatAtlasRefInParens(int code, QString* text);
bool FormatAtlasRefDashed(int code, QString* text);
