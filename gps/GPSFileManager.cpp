#include "gps/GPSFileManager.h"

#include "gps/evo/EVOFile.h"
#include "gps/gdb/GDBFile.h"
#include "gps/gpx/GPXFile.h"
#include "gps/gtm/GTMFile.h"
#include "gps/kml/KMLFile.h"
#include "gps/mps/MPSFile.h"
#include "gps/wtr/WTRFile.h"

#include <QFileInfo>

namespace {

using FormatFactory = std::unique_ptr<CGPSFile> (*)();

template <typename Format> std::unique_ptr<CGPSFile> Make() { return std::make_unique<Format>(); }

// The known formats in the order of the search: MPS, GDB, GPX, EVO, WTR, GTM, KML. A format
// joins by adding its class here, in its place.
constexpr FormatFactory kFormats[] = {
    &Make<CMPSFile>,
    &Make<CGDBFile>,
    &Make<CGPXFile>,
    &Make<CEVOFile>,
    &Make<CWTRFile>,
    &Make<CGTMFile>,
    &Make<CKMLFile>,
};

QString ExtensionOf(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1);
}

// The extension compared with only the letters A to Z folded.
bool SameExtension(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t x = a[i].unicode(), y = b[i].unicode();
        const auto fold = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
        if (fold(x) != fold(y))
            return false;
    }
    return true;
}

} // namespace

CGPSFileManager::CGPSFileManager()
{
    static_assert(std::size(kFormats) <= kMaxFormats);
    for (FormatFactory make : kFormats)
        formats_[count_++] = make();
}

CGPSFileManager::CGPSFileManager(std::vector<std::unique_ptr<CGPSFile>> formats)
{
    for (auto& format : formats) {
        if (format && count_ < kMaxFormats)
            formats_[count_++] = std::move(format);
    }
}

CGPSFileManager::~CGPSFileManager() = default;

const CGPSFile* CGPSFileManager::format(int index) const
{
    return index >= 0 && index < count_ ? formats_[index].get() : nullptr;
}

std::unique_ptr<CGPSFile> CGPSFileManager::OpenFile(const QString& path,
                                                    QString* damagedFormat) const
{
    if (damagedFormat)
        damagedFormat->clear();
    const auto damaged = [damagedFormat](const CGPSFile& format) {
        if (damagedFormat)
            *damagedFormat = format.GetDescription();
        return nullptr;
    };
    const QString extension = ExtensionOf(path);
    int tried = -1;
    for (int i = 0; i < count_ && tried < 0; ++i) {
        if (!extension.isEmpty() && SameExtension(formats_[i]->GetExtension(), extension))
            tried = i;
    }
    if (tried >= 0) {
        int recognised = 0;
        if (auto file = formats_[tried]->LoadFile(path, &recognised))
            return file;
        if (recognised)
            return damaged(*formats_[tried]);
    }
    for (int i = 0; i < count_; ++i) {
        if (i == tried)
            continue;
        int recognised = 0;
        if (auto file = formats_[i]->LoadFile(path, &recognised))
            return file;
        if (recognised)
            return damaged(*formats_[i]);
    }
    return nullptr;
}
