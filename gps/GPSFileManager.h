#pragma once
// Opens a GPS file of any known format: the format whose extension matches tries the file
// first, then every other format in turn, so a file with a wrong extension is still read.
#include "gps/GPSFile.h"

#include <QString>
#include <memory>
#include <vector>

class CGPSFileManager {
public:
    static constexpr int kMaxFormats = 8;

    // One empty object of each known format.
    CGPSFileManager();
    // The given format objects, in this order (for tests of the search).
    explicit CGPSFileManager(std::vector<std::unique_ptr<CGPSFile>> formats);
    virtual ~CGPSFileManager();
    CGPSFileManager(const CGPSFileManager&) = delete;
    CGPSFileManager& operator=(const CGPSFileManager&) = delete;

    // A new object holding the file, or null when no format reads it. A file that a format
    // recognises by its signature but finds damaged is not tried by the others; damagedFormat
    // (may be null) then receives that format's description, and is emptied otherwise.
    std::unique_ptr<CGPSFile> OpenFile(const QString& path, QString* damagedFormat = nullptr) const;

    int count() const { return count_; }
    const CGPSFile* format(int index) const;

private:
    int count_ = 0;
    std::unique_ptr<CGPSFile> formats_[kMaxFormats];
};
