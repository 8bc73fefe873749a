#pragma once
// A dialog template: the dialog's caption, size and font and its controls, each with id, kind,
// caption, rectangle in dialog units and initial state. Templates are stored as JSON in the
// resources (":/dialogs/<id>.json") and parsed here; a malformed template loads as nothing.
#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

enum class ControlKind { Static, Icon, Button, CheckBox, Edit, ListBox, ListView, TreeView };

struct ControlTemplate {
    // Controls that are never looked up (labels) share this id.
    static constexpr int kStaticId = -1;

    int id = kStaticId;
    ControlKind kind = ControlKind::Static;
    QString caption;
    QRect rect;           // dialog units
    QStringList style;    // kind-specific style words ("sunken", "pushlike", "readonly", ...)
    bool disabled = false;
    bool hidden = false;

    bool HasStyle(const char* word) const { return style.contains(QLatin1String(word)); }
};

struct DialogTemplate {
    static constexpr int kDefaultFontPoints = 9;

    int id = 0;
    QString caption;
    QSize size;           // dialog units
    QString fontFamily;
    int fontPoints = kDefaultFontPoints;
    bool resizable = false;
    std::vector<ControlTemplate> controls;

    // The template of that id from the resources; nothing when missing or malformed.
    static std::optional<DialogTemplate> Load(int id);
    // Parses a template's JSON text; nothing when it is malformed.
    static std::optional<DialogTemplate> Parse(const QByteArray& json);

    // The first control of that id (and kind); null when there is none.
    const ControlTemplate* Find(int controlId) const;
    const ControlTemplate* Find(int controlId, ControlKind kind) const;
};
