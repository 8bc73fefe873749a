#include "ui/maindlg/TalvaneDlg.h"

#include "ui/dialogs/AboutDlg.h"
#include "ui/maindlg/MainDialogs.h"
#include "ui/framework/Resources.h"
#include "ui/views/StaticMapView.h"
#include "ui/framework/UserProfile.h"


#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QResizeEvent>
#include <QTreeWidget>
#include <QWheelEvent>

#include <algorithm>

namespace {

// The main settings file could not be read, or names no data group.
const QString kSettingsNotFound = QStringLiteral("找不到或無法讀取設定檔[%1]！");
const QString kSettingsWithoutGroups = QStringLiteral("設定檔[%1]沒有設定資料群組([DataGroup] Group1)！");

} // namespace

CTalvaneDlg::CTalvaneDlg(QWidget* parent)
    : CTemplateDialog(kTemplateId, parent), popupMenu_(this, &Commands()),
      ownDialogs_(std::make_unique<CMainDialogs>()), dialogs_(ownDialogs_.get())
{
    icon_ = LoadResourceIcon(kIconId);
    BuildControls();
    ConnectControls();
    OnInitDialog();
}

CTalvaneDlg::~CTalvaneDlg()
{
    // The map control refers to the views, which go before the dialog's children do.
    delete mapControl_;
    mapControl_ = nullptr;
}

void CTalvaneDlg::BuildControls()
{
    DialogBuilder builder;
    builder.SetFactory(kMapControl, [this](QWidget* parent) {
        mapControl_ = new CStaticMapView(parent);
        return mapControl_;
    });
    CreateFromTemplate(builder);
    groupListWidget_ = DlgItem<QListWidget>(kGroupList);
    itemListWidget_ = DlgItem<QTreeWidget>(kItemList);
    subsetTreeWidget_ = DlgItem<QTreeWidget>(kSubsetTree);
    groupList_ = QtListBox(groupListWidget_);
    itemList_ = QtItemList(itemListWidget_);
    subsetTree_ = QtSubsetTree(subsetTreeWidget_);
    statusCount_ = QtStatusText(Item(kStatusCount));
    summary_ = QtStatusText(Item(kSummary));
}

void CTalvaneDlg::ConnectControls()
{
    if (!IsCreated())
        return;
    Commands().On(kShowMap, [this] { OnBnClickedShowMap(); });
    Commands().On(kZoomIn, [this] { OnZoom(&CMapView::ZoomIn); });
    Commands().On(kZoomOut, [this] { OnZoom(&CMapView::ZoomOut); });
    Commands().On(kZoomReset, [this] { OnZoom(&CMapView::ResetZoom); });
    Commands().On(kIdAbout, [this] { OnAbout(); });
    connect(itemListWidget_, &QTreeWidget::itemSelectionChanged, this,
            &CTalvaneDlg::OnLvnItemchangedItemList);
    connect(mapControl_, &CStaticMapView::clicked, this, &CTalvaneDlg::OnStnClickedMap);
    ConnectSelection();
    ConnectRecordCommands();
    ConnectRowCommands();
    ConnectPopupCommands();
    ConnectUpdateCommands();
}

void CTalvaneDlg::OnInitDialog()
{
    if (!IsCreated())
        return;
    setWindowIcon(icon_);
    initialClient_ = rect();
    for (size_t i = 0; i < kResizeIds.size(); ++i)
        initialRects_[i] = Item(kResizeIds[i])->geometry();

    groupTable_.SetServices(Services());
    groupTable_.LoadSettings();
    const int savedGroup = UserProfile::GetInt(QLatin1String(kProfileSection),
                                               QLatin1String(kSelGroupKey), 0);
    groupTable_.FillGroupList(&groupList_, savedGroup);
    // Without groups the window stays empty: the user learns which settings file was looked for,
    // once the window is up.
    if (groupTable_.GroupCount() == 0)
        QMetaObject::invokeMethod(this, &CTalvaneDlg::ReportUnusableSettings, Qt::QueuedConnection);
    restoreSubset_ = true;
    // The first group is shown from the event loop, after initialisation and before any input.
    QMetaObject::invokeMethod(this, &CTalvaneDlg::OnLbnSelchangeGroupList, Qt::QueuedConnection);
    mapControl_->SetListener(currentView_);
}

void CTalvaneDlg::ReportUnusableSettings()
{
    const QString& path = MainSettingsPath();
    const QFileInfo file(path);
    const QString& format = file.isFile() && file.isReadable() ? kSettingsWithoutGroups
                                                               : kSettingsNotFound;
    messages_->Show(format.arg(path), MessageIcon::Exclamation);
}

CGPSFile* CTalvaneDlg::OpenGpsFile(const QString& path, QString* damagedFormat)
{
    return gpsFiles_.OpenFile(path, damagedFormat).release();
}

WindowServices CTalvaneDlg::Services()
{
    WindowServices services;
    services.mainWindow = this;
    services.messageBox = &messageBox_;
    services.popupMenu = popup_;
    services.keyboard = &keyboard_;
    services.clock = &clock_;
    services.shell = &shell_;
    services.dialogs = &dialogRunner_;
    return services;
}

void CTalvaneDlg::StoreColumnWidths()
{
    for (int column = 0; column < kStoredColumns; ++column) {
        int width = 0;
        if (!itemList_.GetColumn(column, nullptr, &width))
            width = 0;
        columnWidths_[column] = width;
    }
}

void CTalvaneDlg::resizeEvent(QResizeEvent* event)
{
    CTemplateDialog::resizeEvent(event);
    OnSize(event->size().width(), event->size().height());
}

void CTalvaneDlg::OnSize(int width, int height)
{
    if (initialClient_.isEmpty())
        return;
    const int extraWidth = std::max(0, width - initialClient_.width());
    const int leftShare = extraWidth / kLeftShareDivisor;
    const int rightShare = extraWidth - leftShare;
    const int extraHeight = std::max(0, height - initialClient_.height());

    // The map control lies exactly over the item list.
    const QRect list = initialRects_[kListSlot].adjusted(leftShare, 0, leftShare + rightShare,
                                                      extraHeight);
    Item(kItemList)->setGeometry(list);
    Item(kMapControl)->setGeometry(list);

    ScaleColumns(rightShare);

    Item(kSubsetTree)->setGeometry(initialRects_[kTreeSlot].adjusted(0, 0, leftShare, extraHeight));
    Item(kSummary)->setGeometry(
        initialRects_[kSummarySlot].translated(leftShare, extraHeight).adjusted(0, 0, rightShare, 0));
    for (size_t i = kFirstMovingSlot; i < kResizeIds.size(); ++i)
        Item(kResizeIds[i])->setGeometry(initialRects_[i].translated(leftShare, extraHeight));
    // The control keeps the layout it was drawn with: a shown map is drawn again at its new size.
    if (IsMapShown())
        currentView_->Draw(mapControl_);
}

void CTalvaneDlg::ScaleColumns(int rightShare)
{
    long long storedSum = 0;
    for (int width : columnWidths_)
        storedSum += width;
    if (storedSum <= 0)
        return;
    const double factor =
        std::min(kMaxColumnFactor, 1.0 + static_cast<double>(rightShare) / storedSum);
    QHeaderView* header = itemListWidget_->header();
    for (int column = 0; column < kStoredColumns && columnWidths_[column] != 0; ++column)
        if (column < header->count())
            header->resizeSection(column, static_cast<int>(columnWidths_[column] * factor));
}

bool CTalvaneDlg::IsMapShown() const
{
    const auto* box = DlgItem<QAbstractButton>(kShowMap);
    return box && box->isChecked();
}

void CTalvaneDlg::OnBnClickedShowMap()
{
    const bool shown = IsMapShown();
    mapControl_->setVisible(shown);
    itemListWidget_->setVisible(!shown);
    for (int id : {kZoomIn, kZoomOut, kZoomReset})
        Item(id)->setEnabled(shown);
    if (shown)
        currentView_->Draw(mapControl_);
}

void CTalvaneDlg::OnZoom(bool (CMapView::*step)())
{
    if (IsMapShown() && (currentView_->*step)())
        currentView_->Draw(mapControl_);
}

bool CTalvaneDlg::OnMouseWheel(int delta, const QPoint& globalPos)
{
    // Only a turn of the vertical wheel zooms: a sideways scroll, or the empty event that ends a
    // touchpad scroll, carries no vertical turn and must not zoom out.
    if (delta == 0 || !IsMapShown())
        return false;
    const QPoint local = mapControl_->mapFromGlobal(globalPos);
    if (!mapControl_->rect().contains(local))
        return false;
    const QPoint client = mapControl_->ToClient(local);
    if (currentView_->ZoomWheel(delta > 0, client.x(), client.y()))
        currentView_->Draw(mapControl_);
    return true;
}

void CTalvaneDlg::wheelEvent(QWheelEvent* event)
{
    const QPoint global = event->globalPosition().toPoint();
    if (OnMouseWheel(event->angleDelta().y(), global))
        event->accept();
    else
        CTemplateDialog::wheelEvent(event);
}

void CTalvaneDlg::OnStnClickedMap(const QPoint& client)
{
    if (!IsMapShown())
        return;
    const auto key = currentView_->HitTest(client.x(), client.y());
    if (!key)
        return;
    currentView_->SelectItem(*key);
    currentView_->Draw(mapControl_);
    SelectRowOfKey(*key);
}

bool CTalvaneDlg::SelectRowOfKey(quint32 key)
{
    const int row = itemList_.FindRow(key);
    if (row < 0)
        return false;
    itemList_.SelectRow(row, true);
    itemList_.SetCurrentRow(row);
    itemList_.EnsureVisible(row);
    OnLvnItemchangedItemList();
    return true;
}

void CTalvaneDlg::contextMenuEvent(QContextMenuEvent* event)
{
    // Only the dialog's background carries the about entry.
    const QString text = LoadResourceString(kAboutStringId);
    if (childAt(event->pos()) || text.isEmpty()) {
        event->ignore();
        return;
    }
    QMenu menu(this);
    Commands().AddMenuCommand(&menu, kIdAbout, text);
    menu.exec(event->globalPos());
}

void CTalvaneDlg::OnAbout()
{
    CAboutDlg about(this);
    about.exec();
}
