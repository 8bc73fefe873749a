#pragma once
// Turns a dialog template into Qt widgets at absolute positions: the dialog gets the template's
// caption, font and size, every control its rectangle converted from dialog units with that
// font's metrics, its caption and its initial disabled and hidden states.
#include "ui/framework/DialogTemplate.h"
#include "ui/framework/DialogUnits.h"

#include <QFont>
#include <QHash>

#include <functional>
#include <utility>
#include <vector>

class QWidget;

class DialogBuilder {
public:
    // Makes the widget of one control; used for controls that a dialog binds to its own class.
    using Factory = std::function<QWidget*(QWidget* parent)>;

    // The widget of control id is made by factory instead of by its kind.
    void SetFactory(int id, Factory factory);

    static QFont FontOf(const DialogTemplate& dialogTemplate);

    // Builds every control of the template into dialog; returns the controls by id (controls
    // with the shared label id are left out; of controls sharing an id, the first made).
    QHash<int, QWidget*> Build(const DialogTemplate& dialogTemplate, QWidget* dialog) const;

    // One made control and its id.
    using MadeControl = std::pair<int, QWidget*>;
    // Builds like Build, returning every control with its id in template order, so that
    // controls sharing an id are all kept.
    std::vector<MadeControl> BuildAll(const DialogTemplate& dialogTemplate, QWidget* dialog) const;

private:
    QWidget* Create(const ControlTemplate& control, QWidget* parent) const;

    QHash<int, Factory> factories_;
};
