#include "ui/views/ImageView.h"

#include "gps/GPSText.h"
#include "ui/views/StaticMapView.h"

#include <algorithm>
#include <new>

CImageView::CImageView()
    : thumbnails_([this] {
          if (control_)
              control_->update();
      })
{
}

CImageView::~CImageView() = default;

void CImageView::Reset()
{
    CMapView::Reset();
    std::vector<ImageItem>().swap(images_);
    columns_ = 0;
    layoutWidth_ = layoutHeight_ = 0;
    laidOut_ = false;
    listings_.clear();
    thumbnails_.CancelQueued();
}

bool CImageView::AddImage(int key, const QString& prefix, const QString& sub, const QString& tip,
                          const platform::DirEntry& file)
{
    try {
        if (images_.size() == images_.capacity()) {
            const size_t room = images_.capacity();
            images_.reserve(room == 0 ? kInitialCapacity : room + std::min(room, kMaxGrowth));
        }
        ImageItem image;
        image.key = key;
        image.prefix = prefix;
        image.sub = sub;
        image.tip = gps::CutText(tip, ImageItem::kTipUnits);
        image.fileName = file.name;
        image.path = file.path;
        image.fileSize = file.size;
        image.writeTime = file.writeTime;
        images_.push_back(std::move(image));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

int CImageView::IndexAt(int x, int y) const
{
    for (size_t i = 0; i < images_.size(); ++i) {
        if (images_[i].drawn && images_[i].cellRect.Contains(x, y))
            return int(i);
    }
    return -1;
}

std::optional<quint32> CImageView::HitTest(int x, int y) const
{
    const int index = IndexAt(x, y);
    if (index < 0)
        return std::nullopt;
    return quint32(images_[size_t(index)].key);
}

bool CImageView::GetTipText(int x, int y, QString* text) const
{
    const int index = IndexAt(x, y);
    if (index < 0)
        return false;
    if (text)
        *text = images_[size_t(index)].tip;
    return true;
}

bool CImageView::SelectItem(quint32 key)
{
    const auto found = std::find_if(images_.begin(), images_.end(), [key](const ImageItem& image) {
        return quint32(image.key) == key;
    });
    if (found == images_.end())
        return false;
    selectedIndex_ = int(found - images_.begin());
    return true;
}
