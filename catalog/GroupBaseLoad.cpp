// The group base: the item block, the readers of item-file fields and the folder scan.
#include "catalog/GroupBase.h"

#include "catalog/text/AtlasRef.h"
#include "catalog/records/RecordText.h"
#include "platform/DirList.h"
#include "platform/ProfileSnapshot.h"
#include "platform/Numbers.h"
#include "platform/Profile.h"

#include <array>


namespace {

const QString kNameKey = QStringLiteral("Name");
const QString kItemPattern = QStringLiteral("*.txt");

// Numbered key names "<prefix>1" to "<prefix>30", made once.
using NumberedKeys = std::array<QString, kMaxCodes>;
NumberedKeys MakeKeys(const QString& prefix)
{
    NumberedKeys keys;
    for (int n = 1; n <= kMaxCodes; ++n)
        keys[std::size_t(n - 1)] = prefix + QString::number(n);
    return keys;
}
const NumberedKeys& VisitKeys()
{
    static const NumberedKeys keys = MakeKeys(QStringLiteral("Visit"));
    return keys;
}
const NumberedKeys& BlueSkyKeys()
{
    static const NumberedKeys keys = MakeKeys(QStringLiteral("BlueSky"));
    return keys;
}
const NumberedKeys& QuillKeys()
{
    static const NumberedKeys keys = MakeKeys(QStringLiteral("Quill"));
    return keys;
}

} // namespace

bool CGroupBase::LoadItemFileParsedOnce(const QString& path, const platform::FileTime& writeTime)
{
    const platform::ProfileSnapshot snapshot(path);
    return LoadItemFile(path, writeTime);
}

QString CGroupBase::ReadItemText(const QString& path, const QString& name) const
{
    return platform::GetProfileString(path, key, name);
}

bool CGroupBase::LoadIfNew(const QString& path, const platform::FileTime& writeTime)
{
    for (int i = 0; i < itemCount; ++i)
        if (ItemPath(i).compare(path, Qt::CaseInsensitive) == 0)
            return false;
    LoadItemFile(path, writeTime);
    return true;
}

QString CGroupBase::WholeItemText(const QString& path, const char16_t* field, qsizetype width,
                                  const QString& key) const
{
    // A cut leaves the room less the 0, or one unit less where it kept a surrogate pair whole.
    const qsizetype possiblyCut = width - 2;
    const QString text = FieldText(field, width);
    if (text.size() < possiblyCut)
        return text;
    const QString whole = ReadItemText(path, key);
    return whole.size() > text.size() && whole.startsWith(text) ? whole : text;
}

int CGroupBase::ReadItemInt(const QString& path, const QString& name, int def) const
{
    const QString value = ReadItemText(path, name);
    return value.isEmpty() ? def : platform::ParseProfileInteger(value);
}

// One run of atlas codes from numbered keys, starting at *pos; each code moved forward within
// the run. A missing or unreadable value stores 0 and ends the run (without advancing).
template <class Parse>
static void ReadAtlasRun(const CGroupBase& group, const QString& path, const NumberedKeys& keys,
                         Parse parse, int32_t* list, int* pos)
{
    const int first = *pos;
    for (std::size_t n = 0; *pos < kMaxCodes; ++n) {
        const QString text = group.ReadItemText(path, keys[n]);
        const int code = text.isEmpty() ? 0 : parse(text);
        list[*pos] = code;
        if (code == 0)
            return;
        MoveCodeForward(list, first, *pos);
        ++*pos;
    }
}

bool CGroupBase::HasNameKey(const QString& path) const
{
    if (!ReadItemText(path, kNameKey).isEmpty())
        return true;
    return !requiredKey.isEmpty() && !ReadItemText(path, requiredKey).isEmpty();
}

std::byte* CGroupBase::AppendItemSlot(std::size_t size)
{
    if (size == 0 || (recordSize != 0 && size != recordSize))
        return nullptr;
    if (itemCount >= kMaxItems) {
        ++refusedAsFull;
        return nullptr;
    }
    const int element = int(size) + kElementExtra;
    if (itemCount >= itemCapacity) {
        const int grown = itemCapacity == 0 ? kFirstCapacity
                                            : itemCapacity + std::min(itemCapacity, kMaxGrowth);
        const std::size_t bytes = std::size_t(grown) * std::size_t(element);
        try {
            if (bytes > items.capacity())
                items.reserve(std::max(bytes, 2 * items.capacity()));
            items.resize(bytes);  // new space is zero
        } catch (const std::bad_alloc&) {
            return nullptr;
        }
        itemCapacity = grown;
    }
    recordSize = size;
    elementSize = element;
    ++itemCount;
    return items.data() + std::size_t(itemCount - 1) * size;
}

std::byte* CGroupBase::ItemBytes(int item, std::size_t size)
{
    if (item < 0 || item >= itemCount || size != recordSize)
        return nullptr;
    return items.data() + std::size_t(item) * recordSize;
}

QString CGroupBase::ItemPath(int item) const
{
    if (item < 0 || item >= itemCount || recordSize < sizeof(char16_t))
        return QString();
    // Every record starts with its item file's path; a record never holds less than that field.
    const auto* field = reinterpret_cast<const char16_t*>(items.data() + std::size_t(item) * recordSize);
    return FieldText(field, std::min(qsizetype(recordSize / sizeof(char16_t)), kPathWidth));
}

bool CGroupBase::ReadItemString(const QString& path, const QString& name, char16_t* field,
                                qsizetype width) const
{
    const QString value = ReadItemText(path, name);
    SetFieldText(field, width, value);
    return !value.isEmpty();
}

bool CGroupBase::ReadItemDouble(const QString& path, const QString& name, double* number,
                                double def) const
{
    *number = def;
    const QString value = ReadItemText(path, name);
    if (const std::optional<double> parsed = platform::ParseLeadingDouble(value))
        *number = *parsed;
    return true;
}

bool CGroupBase::ReadVisits(const QString& path, int32_t (&list)[kMaxCodes]) const
{
    std::fill(std::begin(list), std::end(list), 0);
    for (int pos = 0; pos < kMaxCodes; ++pos) {
        list[pos] = ReadItemInt(path, VisitKeys()[std::size_t(pos)]);
        if (list[pos] == 0)
            break;
        MoveCodeForward(list, 0, pos);
    }
    return true;
}

bool CGroupBase::ReadAtlasRefs(const QString& path, int32_t (&list)[kMaxCodes]) const
{
    std::fill(std::begin(list), std::end(list), 0);
    int pos = 0;
    ReadAtlasRun(*this, path, BlueSkyKeys(),
                 [](const QString& t) { return ParseAtlasRefInParens(t, nullptr, nullptr); },
                 list, &pos);
    ReadAtlasRun(*this, path, QuillKeys(),
                 [](const QString& t) { return ParseAtlasRefDashed(t, nullptr, nullptr); },
                 list, &pos);
    return true;
}

bool CGroupBase::FitsRecordPath(const QString& path)
{
    if (path.size() < kPathWidth)
        return true;
    longPathFiles << path;
    return false;
}

bool CGroupBase::SetRecordPath(char16_t* field, qsizetype width, const QString& path)
{
    if (path.size() >= width)
        return false;
    SetFieldText(field, width, path);
    return true;
}

bool CGroupBase::ScanItemFiles()
{
    const QList<platform::DirEntry> files = platform::FindFiles(folder, kItemPattern);
    for (const platform::DirEntry& file : files)
        AcceptItemFile(file.path, file.writeTime);
    return !files.isEmpty();
}
