#pragma once
// The two header records of the MapSource formats: 'D' holds the format version, which
// decides the text encoding (UTF-8 above 108); 'A' holds a second version and three texts.
#include "gps/mapsource/MPSChunk.h"

class CMPSChunkHeader44 : public CMPSChunk {
public:
    static constexpr int16_t kDefaultVersion = 105;
    static constexpr int16_t kFirstUtf8Version = 109;
    static constexpr size_t kVersionSize = 2;
    // The version shows as major.minor: 109 is 6.13.
    static constexpr int kVersionDivisor = 16;

    // "Header1" with the version; expanded.
    GPSTreeItem FillTree(IGPSInspectionTree* tree, GPSTreeItem parent) override;
    bool Parse(CMPSChunk& read);
    // Back to the state of a new object.
    void Clear();
    // Appends the record with the version (105 for 0).
    static void Write(ByteWriter& out, int16_t version);

    int16_t version() const { return version_; }
    bool isUtf8() const { return version_ >= kFirstUtf8Version; }

private:
    int16_t version_ = 0;
};

class CMPSChunkHeader41 : public CMPSChunk {
public:
    static constexpr int16_t kDefaultVersion = 504;
    static constexpr const char* kProduct = "SQA";
    static constexpr size_t kVersionSize = 2;
    // The version shows as major.minor: 613 is 6.13.
    static constexpr int kVersionDivisor = 100;

    // "Header2" with the version and the texts that are there; expanded.
    GPSTreeItem FillTree(IGPSInspectionTree* tree, GPSTreeItem parent) override;
    bool Parse(CMPSChunk& read);
    // Back to the state of a new object: no version, no texts.
    void Clear();
    // Appends the record with the version (504 for 0), the product "SQA" and this record's two
    // texts (empty when absent).
    void Write(ByteWriter& out, int16_t version) const;

    int16_t version() const { return version_; }
    const QByteArray& product() const { return product_; }
    const QByteArray& firstText() const { return first_; }
    const QByteArray& secondText() const { return second_; }

private:
    int16_t version_ = 0;
    QByteArray product_;
    QByteArray first_;
    QByteArray second_;
};
