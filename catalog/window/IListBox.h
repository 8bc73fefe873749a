#pragma once
// A single-selection list box of strings, each entry with a 32-bit value (the group list,
// subset list boxes).
#include <QString>
#include <QtGlobal>

class IListBox {
public:
    virtual ~IListBox() = default;

    virtual int Count() const = 0;
    virtual void DeleteAll() = 0;
    // Appends an entry; returns its position, -1 on failure.
    virtual int AddString(const QString& text) = 0;
    // Inserts an entry before position (at the end when position >= Count()).
    virtual int InsertString(int position, const QString& text) = 0;
    virtual bool DeleteString(int position) = 0;
    // Empty for a missing entry.
    virtual QString Text(int position) const = 0;
    virtual quint32 ItemData(int position) const = 0;
    virtual bool SetItemData(int position, quint32 data) = 0;

    // The selected entry, -1 when none.
    virtual int CurrentSelection() const = 0;
    // Selects an entry; -1 clears the selection. Selecting from here raises no selection
    // handler.
    virtual bool SetCurrentSelection(int position) = 0;
};
