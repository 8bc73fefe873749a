// Finding a plant's photos: the photo folder from Local.txt (or under the data folder), each
// family folder listed once between resets, the files whose names start with the plant's name.
#include "ui/views/ImageView.h"

#include "catalog/GroupTable.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QImageReader>

#include <algorithm>

namespace {

const QString kPlantSection = QStringLiteral("Plant");
const QString kImageDirKey = QStringLiteral("ImageDir");
const QString kAnyPhoto = QStringLiteral("*.jpg");

// Qt decodes JPEG photos through a plug-in, which may be missing.
bool CanDecodePhotos()
{
    static const bool can = QImageReader::supportedImageFormats().contains("jpeg");
    return can;
}

// Each UTF-16 code unit upper-cased on its own: how the Windows search compares names, and
// the order the listing is sorted in.
QString UpperKey(const QString& text)
{
    QString key = text;
    for (QChar& c : key)
        c = c.toUpper();
    return key;
}

// The upper-cased name starts with the upper-cased prefix and ends in ".JPG": what the search
// "prefix*.jpg" finds.
bool IsPhotoOf(const QString& key, const QString& prefixKey, const QString& extensionKey)
{
    return key.size() >= prefixKey.size() + extensionKey.size() && key.startsWith(prefixKey)
           && key.endsWith(extensionKey);
}

} // namespace

bool CImageView::ResolveFolder()
{
    if (!folder_.isEmpty())
        return true;
    const QString named = platform::GetProfileString(LocalSettingsPath(), kPlantSection,
                                                     kImageDirKey);
    // A relative folder lies under the program folder, like the data folder.
    folder_ = named.isEmpty()
                  ? platform::JoinPath(DataFolder(), QString::fromUtf16(kDefaultFolder))
                  : platform::JoinPath(platform::ProgramFolder(), named);
    return !folder_.isEmpty();
}

const CImageView::FolderListing& CImageView::Listing(const QString& folder)
{
    auto found = listings_.find(folder);
    if (found == listings_.end()) {
        FolderListing listing;
        listing.files = platform::FindFiles(folder, kAnyPhoto);
        listing.keys.reserve(listing.files.size());
        for (const platform::DirEntry& file : listing.files)
            listing.keys.append(UpperKey(file.name));
        found = listings_.insert(folder, std::move(listing));
    }
    return *found;
}

bool CImageView::LoadImages(int item, const QString& name, const QString& family,
                            const QString& line)
{
    if (!CanDecodePhotos() || !ResolveFolder())
        return false;
    const FolderListing& listing = Listing(platform::JoinPath(folder_, family));
    const QString prefixKey = UpperKey(name);
    const QString extensionKey = UpperKey(QString::fromUtf16(kPhotoExtension));
    // The names with the prefix stand together in the sorted listing, from its lower bound on.
    bool found = false;
    for (auto key = std::lower_bound(listing.keys.cbegin(), listing.keys.cend(), prefixKey);
         key != listing.keys.cend() && key->startsWith(prefixKey); ++key) {
        if (!IsPhotoOf(*key, prefixKey, extensionKey))
            continue;
        if (!AddImage(item, name, family, line, listing.files[key - listing.keys.cbegin()]))
            break;
        found = true;
    }
    return found;
}
