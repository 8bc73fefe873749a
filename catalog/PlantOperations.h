#pragma once
// What the main dialog's add-plant command asks of the plant group: its families, its plants
// and their blog links. The plant group implements it; tests use a recording fake.
#include <QString>

class IPlantOperations {
public:
    virtual ~IPlantOperations() = default;

    // True when the family is in the settings' family list, or an alias of one (then *family
    // becomes the family it stands for).
    virtual bool NormalizeClass(QString* family) = 0;
    // Appends a family to the settings' family list.
    virtual bool AddClass(const QString& family) = 0;
    // The group holds a plant of that family whose Name or Name2 is name.
    virtual bool HasItem(const QString& family, const QString& name) = 0;
    // Creates the item file of a new plant; false when none was created.
    virtual bool AddItem(const QString& family, const QString& name) = 0;
    // Adds a blog entry (title, link) to the plant's item file; false when it has no room.
    virtual bool AddBlogLink(const QString& family, const QString& name, const QString& title,
                             const QString& link) = 0;
};
