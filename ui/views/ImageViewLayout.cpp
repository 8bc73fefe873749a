// Laying the photos out: their sizes from the headers, the grid, the fit of the grid into the
// client area and the cells that reach into it.
#include "ui/views/ImageView.h"

#include "ui/views/StaticMapView.h"
#include "ui/views/photos/PhotoGrid.h"

#include <cmath>
#include <limits>

void CImageView::Draw(CStaticMapView* control)
{
    if (!control)
        return;
    control_ = control;
    LayOutPhotos(control->ClientRect().size());
    control->ShowView(this);
}

void CImageView::LayOutPhotos(const QSize& client)
{
    for (ImageItem& image : images_)
        image.drawn = false;
    if (client.isEmpty()) {
        // Nothing can be fitted into it; the next usable size fits again.
        clientSize_ = QSize();
        fitValid_ = false;
        return;
    }
    if (!laidOut_)
        LayOut(double(client.width()) / double(client.height()));
    if (client != clientSize_)
        FitGrid(client);
    if (!fitValid_)
        return;
    RecordVisibleCells(client);
    QueueThumbnails();
}

void CImageView::LayOut(double clientAspect)
{
    laidOut_ = true;
    gridOrder_.clear();
    std::vector<PhotoGrid::Size> sizes;
    for (size_t i = 0; i < images_.size(); ++i) {
        ImageItem& image = images_[i];
        const QSize size = sizeReader_.Read(image.path, image.fileSize, image.writeTime);
        image.pixelWidth = size.width();
        image.pixelHeight = size.height();
        image.laidOut = false;
        // A file without a readable size has no place in the grid.
        if (size.isEmpty())
            continue;
        gridOrder_.push_back(int(i));
        sizes.push_back(PhotoGrid::Size{image.pixelWidth, image.pixelHeight});
    }
    const PhotoGrid::Result grid = PhotoGrid::Arrange(sizes, clientAspect);
    columns_ = grid.columns;
    layoutWidth_ = grid.width;
    layoutHeight_ = grid.height;
    for (size_t k = 0; k < gridOrder_.size(); ++k) {
        ImageItem& image = images_[size_t(gridOrder_[k])];
        const PhotoGrid::Cell& cell = grid.cells[k];
        image.laidOut = true;
        image.gridX = cell.x;
        image.gridY = cell.y;
        image.gridWidth = cell.width;
        image.gridHeight = cell.height;
    }
}

void CImageView::FitGrid(const QSize& client)
{
    clientSize_ = client;
    fitValid_ = false;
    if (layoutWidth_ <= 0 || layoutHeight_ <= 0)
        return;
    const double width = double(layoutWidth_);
    const double height = double(layoutHeight_);
    scale_ = std::min(client.width() / width, client.height() / height);
    originX_ = width / 2 - client.width() / 2.0 / scale_;
    originY_ = height / 2 - client.height() / 2.0 / scale_;
    fittedOriginX_ = originX_;
    fittedOriginY_ = originY_;
    zoom_ = 1;
    fitValid_ = std::isfinite(scale_) && scale_ > 0 && std::isfinite(originX_)
                && std::isfinite(originY_);
}

double CImageView::ScreenPosition(double value, double origin) const
{
    return std::trunc((value - origin) * scale_ * zoom_ + 0.5);
}

int CImageView::ScreenCoordinate(double value, double origin) const
{
    double position = ScreenPosition(value, origin);
    // Clamped before the conversion: far off-screen cells stay far off-screen.
    if (!(position > -kMaxScreenPosition))
        position = -kMaxScreenPosition;
    if (!(position < kMaxScreenPosition))
        position = kMaxScreenPosition;
    return int(position);
}

MapRect CImageView::ScreenRect(const ImageItem& image) const
{
    return MapRect{ScreenCoordinate(double(image.gridX), originX_),
                   ScreenCoordinate(double(image.gridY), originY_),
                   ScreenCoordinate(double(image.gridX + image.gridWidth), originX_),
                   ScreenCoordinate(double(image.gridY + image.gridHeight), originY_)};
}

int CImageView::ScreenRowHeight(const ImageItem& image) const
{
    const double height = std::ceil(double(image.gridHeight) * scale_ * zoom_);
    if (!(height > 0))
        return 0;
    return height < double(std::numeric_limits<int>::max()) ? int(height)
                                                            : std::numeric_limits<int>::max();
}

void CImageView::RecordVisibleCells(const QSize& client)
{
    const size_t columns = size_t(std::max(1, columns_));
    for (size_t first = 0; first < gridOrder_.size(); first += columns) {
        const size_t end = std::min(gridOrder_.size(), first + columns);
        bool rowBelowClient = false;
        for (size_t k = first; k < end; ++k) {
            ImageItem& image = images_[size_t(gridOrder_[k])];
            const MapRect cell = ScreenRect(image);
            // The rest of the row lies beyond the client area too.
            if (cell.bottom <= 0 || cell.top >= client.height() || cell.left >= client.width()) {
                rowBelowClient = cell.top >= client.height();
                break;
            }
            if (cell.right <= 0)
                continue;
            image.cellRect = cell;
            image.drawn = true;
        }
        // Rows only grow downwards: every later one lies below as well.
        if (rowBelowClient)
            break;
    }
}
