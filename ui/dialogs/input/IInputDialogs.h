#pragma once
// The two small input dialogs, run modally: the add-plant input and the add-link input. Their
// openers reach them only through this interface, so that tests script the texts typed and the
// button pressed.
#include <QString>

class QWidget;

// What the add-plant dialog asks for: the blog site, the entry's title and its address.
struct AddPlantInput {
    QString site;
    QString title;
    QString address;
};

class IInputDialogs {
public:
    virtual ~IInputDialogs() = default;

    // 新增植物: title and address are offered as given, the site is the one last entered; on
    // 新增 true with all three read back; false when cancelled, *input then unchanged.
    virtual bool AddPlant(QWidget* parent, AddPlantInput* input) = 0;
    // 新增路線圖: the title and address offered and, on 新增, read back; false when cancelled.
    virtual bool AddGuide(QWidget* parent, QString* title, QString* address) = 0;
};
