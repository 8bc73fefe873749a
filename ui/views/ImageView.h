#pragma once
// The photo grid of the plant group, shown in the map control in place of the point map. It
// shares the map's zoom steps and the control's drag, click and tooltip handling.
//
// Photos are found per plant in its family's folder and laid out once per reset, from the sizes
// in their headers, in rows of equal height whose number per row makes the grid closest to the
// control's aspect. A draw fits the grid when the control's size changed, records which cells
// reach into the client area and queues their thumbnails; painting shows each such cell from the
// thumbnail cache (a frame until its thumbnail has arrived), clipped to the client area.
#include "ui/views/MapView.h"
#include "ui/views/photos/ImageItem.h"
#include "ui/views/photos/PhotoSizeReader.h"
#include "ui/views/photos/ThumbnailLoader.h"
#include "platform/DirList.h"

#include <QHash>
#include <QPointer>

#include <vector>

class CImageView : public CMapView {
public:
    // The folder of the photos under the data folder when Local.txt names none.
    static constexpr const char16_t* kDefaultFolder = u"植物";
    // The photo files searched: the plant's name, anything, this extension (any case).
    static constexpr const char16_t* kPhotoExtension = u".jpg";
    // The frame drawn in a cell whose thumbnail has not arrived or cannot be decoded.
    static constexpr QRgb kFrameColour = 0xFFA0A0A0;

    CImageView();
    ~CImageView() override;

    void Reset() override;
    void Draw(CStaticMapView* control) override;
    std::optional<quint32> HitTest(int x, int y) const override;
    bool GetTipText(int x, int y, QString* text) const override;
    bool SelectItem(quint32 key) override;
    bool Drag(int x0, int y0, int x1, int y1) override;
    void ZoomAt(double newZoom, int x, int y) override;
    void Paint(QPainter& painter, const QRect& client) override;

    // Adds the photos of one plant: the files of folder/family whose names start with name
    // and end in ".jpg"; false when none was found or photos cannot be decoded here.
    bool LoadImages(int item, const QString& name, const QString& family,
                    const QString& line) override;
    // Appends one photo; false when no memory can be had.
    bool AddImage(int key, const QString& prefix, const QString& sub, const QString& tip,
                  const platform::DirEntry& file);

    // What Draw does in a control of that client size: lays out when needed, fits when the size
    // changed, records the visible cells and queues their thumbnails.
    void LayOutPhotos(const QSize& client);
    // Runs the queued thumbnail decodes out and delivers them (tests and benchmarks).
    void WaitForThumbnails() { thumbnails_.WaitForAll(); }

    int ImageCount() const { return int(images_.size()); }
    const ImageItem& Image(int index) const { return images_[size_t(index)]; }
    // Photos per row, and the grid's size in photo pixels; 0 until laid out.
    int Columns() const { return columns_; }
    qint64 LayoutWidth() const { return layoutWidth_; }
    qint64 LayoutHeight() const { return layoutHeight_; }
    // The folder photos are looked for in; empty until the first search.
    const QString& PhotoFolder() const { return folder_; }
    ThumbnailLoader::Statistics DecodeStatistics() const { return thumbnails_.DecodeStatistics(); }
    const PhotoSizeReader& SizeReader() const { return sizeReader_; }
    const ThumbnailLoader& Thumbnails() const { return thumbnails_; }
    // Folders listed since the last reset.
    int FoldersListed() const { return int(listings_.size()); }

private:
    // Loading.
    bool ResolveFolder();
    struct FolderListing {
        QList<platform::DirEntry> files;  // in the search's order: by upper-cased name
        QStringList keys;                 // the upper-cased names, for finding a prefix
    };
    const FolderListing& Listing(const QString& folder);
    // Layout and fit.
    void LayOut(double clientAspect);
    void FitGrid(const QSize& client);
    void RecordVisibleCells(const QSize& client);
    MapRect ScreenRect(const ImageItem& image) const;
    // The client position of a grid coordinate, whole pixels, and the same clamped to an int.
    double ScreenPosition(double value, double origin) const;
    int ScreenCoordinate(double value, double origin) const;
    // The height of a photo's row on screen, whole pixels rounded up.
    int ScreenRowHeight(const ImageItem& image) const;
    // Thumbnails.
    static ThumbnailLoader::Photo PhotoOf(const ImageItem& image);
    int LevelOf(const ImageItem& image) const;
    void QueueThumbnails();
    void PaintCell(QPainter& painter, const QRect& client, const ImageItem& image);
    int IndexAt(int x, int y) const;

    std::vector<ImageItem> images_;
    int columns_ = 0;
    qint64 layoutWidth_ = 0;
    qint64 layoutHeight_ = 0;
    bool laidOut_ = false;
    // The photos with a size, in array order: the ones the grid holds.
    std::vector<int> gridOrder_;
    QString folder_;
    // Each family folder's photos, listed once between resets.
    QHash<QString, FolderListing> listings_;
    PhotoSizeReader sizeReader_;
    // The control last drawn into: repainted when a thumbnail arrives.
    QPointer<CStaticMapView> control_;
    ThumbnailLoader thumbnails_;
};
