#include "ui/framework/DialogBuilder.h"

#include "ui/framework/Resources.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

namespace {

constexpr int kIconPixels = 32;

void ApplyFrame(QWidget* widget, const ControlTemplate& control)
{
    auto* frame = qobject_cast<QFrame*>(widget);
    if (frame && control.HasStyle("sunken"))
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

QWidget* MakeStatic(const ControlTemplate& control, QWidget* parent)
{
    auto* label = new QLabel(control.caption, parent);
    label->setAlignment(control.HasStyle("center") ? Qt::AlignCenter
                                                   : Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(!control.HasStyle("center"));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QWidget* MakeIcon(const ControlTemplate& control, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setPixmap(LoadResourceIcon(control.caption.toInt()).pixmap(kIconPixels));
    return label;
}

QWidget* MakeButton(const ControlTemplate& control, QWidget* parent)
{
    auto* button = new QPushButton(control.caption, parent);
    const bool isDefault = control.HasStyle("default");
    button->setAutoDefault(isDefault);
    button->setDefault(isDefault);
    return button;
}

QWidget* MakeCheckBox(const ControlTemplate& control, QWidget* parent)
{
    if (!control.HasStyle("pushlike"))
        return new QCheckBox(control.caption, parent);
    auto* button = new QPushButton(control.caption, parent);
    button->setCheckable(true);
    button->setAutoDefault(false);
    return button;
}

QWidget* MakeEdit(const ControlTemplate& control, QWidget* parent)
{
    auto* edit = new QLineEdit(control.caption, parent);
    edit->setReadOnly(control.HasStyle("readonly"));
    return edit;
}

QWidget* MakeListBox(const ControlTemplate& control, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setVerticalScrollBarPolicy(control.HasStyle("vscroll") ? Qt::ScrollBarAsNeeded
                                                                 : Qt::ScrollBarAlwaysOff);
    return list;
}

// A report-style list: titled columns whose widths are the program's, whole rows selected.
QWidget* MakeListView(const ControlTemplate& control, QWidget* parent)
{
    auto* list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(control.HasStyle("singlesel") ? QAbstractItemView::SingleSelection
                                                         : QAbstractItemView::ExtendedSelection);
    list->setColumnCount(0);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
    return list;
}

QWidget* MakeTreeView(const ControlTemplate& control, QWidget* parent)
{
    auto* tree = new QTreeWidget(parent);
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setRootIsDecorated(control.HasStyle("linesatroot"));
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    return tree;
}

} // namespace

void DialogBuilder::SetFactory(int id, Factory factory)
{
    factories_.insert(id, std::move(factory));
}

QFont DialogBuilder::FontOf(const DialogTemplate& dialogTemplate)
{
    QFont font(dialogTemplate.fontFamily);
    font.setPointSize(dialogTemplate.fontPoints);
    return font;
}

QHash<int, QWidget*> DialogBuilder::Build(const DialogTemplate& dialogTemplate,
                                          QWidget* dialog) const
{
    QHash<int, QWidget*> controls;
    for (const auto& [id, widget] : BuildAll(dialogTemplate, dialog))
        if (!controls.contains(id))
            controls.insert(id, widget);
    return controls;
}

std::vector<DialogBuilder::MadeControl> DialogBuilder::BuildAll(
    const DialogTemplate& dialogTemplate, QWidget* dialog) const
{
    const QFont font = FontOf(dialogTemplate);
    const DialogUnits units(font);
    dialog->setFont(font);
    dialog->setWindowTitle(dialogTemplate.caption);
    const QSize size = units.ToPixels(dialogTemplate.size);
    if (dialogTemplate.resizable)
        dialog->resize(size);
    else
        dialog->setFixedSize(size);

    std::vector<MadeControl> controls;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = Create(control, dialog);
        widget->setGeometry(units.ToPixels(control.rect));
        widget->setEnabled(!control.disabled);
        widget->setHidden(control.hidden);
        if (control.id != ControlTemplate::kStaticId)
            controls.emplace_back(control.id, widget);
    }
    return controls;
}

QWidget* DialogBuilder::Create(const ControlTemplate& control, QWidget* parent) const
{
    QWidget* widget = nullptr;
    if (const auto it = factories_.constFind(control.id); it != factories_.constEnd())
        widget = (*it)(parent);
    if (!widget) {
        switch (control.kind) {
        case ControlKind::Static: widget = MakeStatic(control, parent); break;
        case ControlKind::Icon: widget = MakeIcon(control, parent); break;
        case ControlKind::Button: widget = MakeButton(control, parent); break;
        case ControlKind::CheckBox: widget = MakeCheckBox(control, parent); break;
        case ControlKind::Edit: widget = MakeEdit(control, parent); break;
        case ControlKind::ListBox: widget = MakeListBox(control, parent); break;
        case ControlKind::ListView: widget = MakeListView(control, parent); break;
        case ControlKind::TreeView: widget = MakeTreeView(control, parent); break;
        }
    }
    ApplyFrame(widget, control);
    return widget;
}
