#include "ui/framework/DialogTemplate.h"

#include "ui/framework/Resources.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct KindName {
    const char* name;
    ControlKind kind;
};

constexpr KindName kKinds[] = {
    {"static", ControlKind::Static},     {"icon", ControlKind::Icon},
    {"button", ControlKind::Button},     {"checkbox", ControlKind::CheckBox},
    {"edit", ControlKind::Edit},         {"listbox", ControlKind::ListBox},
    {"listview", ControlKind::ListView}, {"treeview", ControlKind::TreeView},
};

constexpr int kRectFields = 4;
constexpr int kSizeFields = 2;
constexpr int kMaxDialogUnits = 32767;

std::optional<ControlKind> KindOf(const QString& name)
{
    for (const KindName& k : kKinds)
        if (name == QLatin1String(k.name))
            return k.kind;
    return std::nullopt;
}

// An array of n integers within 0 .. kMaxDialogUnits.
std::optional<std::vector<int>> ReadNumbers(const QJsonValue& value, int n)
{
    const QJsonArray array = value.toArray();
    if (array.size() != n)
        return std::nullopt;
    std::vector<int> numbers;
    for (const QJsonValue& v : array) {
        if (!v.isDouble())
            return std::nullopt;
        const double d = v.toDouble();
        if (d < 0 || d > kMaxDialogUnits || d != static_cast<int>(d))
            return std::nullopt;
        numbers.push_back(static_cast<int>(d));
    }
    return numbers;
}

QStringList ReadWords(const QJsonValue& value)
{
    QStringList words;
    for (const QJsonValue& v : value.toArray())
        words.append(v.toString());
    return words;
}

std::optional<ControlTemplate> ParseControl(const QJsonObject& object)
{
    ControlTemplate control;
    const auto kind = KindOf(object.value(QLatin1String("kind")).toString());
    const auto rect = ReadNumbers(object.value(QLatin1String("rect")), kRectFields);
    if (!kind || !rect)
        return std::nullopt;
    control.kind = *kind;
    control.id = object.value(QLatin1String("id")).toInt(ControlTemplate::kStaticId);
    control.caption = object.value(QLatin1String("caption")).toString();
    control.rect = QRect((*rect)[0], (*rect)[1], (*rect)[2], (*rect)[3]);
    control.style = ReadWords(object.value(QLatin1String("style")));
    const QStringList state = ReadWords(object.value(QLatin1String("state")));
    control.disabled = state.contains(QLatin1String("disabled"));
    control.hidden = state.contains(QLatin1String("hidden"));
    return control;
}

} // namespace

std::optional<DialogTemplate> DialogTemplate::Load(int id)
{
    InitResources();
    QFile file(QStringLiteral(":/dialogs/%1.json").arg(id));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    auto parsed = Parse(file.readAll());
    if (parsed && parsed->id != id)
        return std::nullopt;
    return parsed;
}

std::optional<DialogTemplate> DialogTemplate::Parse(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    const auto size = ReadNumbers(root.value(QLatin1String("size")), kSizeFields);
    if (!size)
        return std::nullopt;

    DialogTemplate dialog;
    dialog.id = root.value(QLatin1String("id")).toInt();
    dialog.caption = root.value(QLatin1String("caption")).toString();
    dialog.size = QSize((*size)[0], (*size)[1]);
    dialog.resizable = root.value(QLatin1String("resizable")).toBool();
    const QJsonObject font = root.value(QLatin1String("font")).toObject();
    dialog.fontFamily = font.value(QLatin1String("family")).toString();
    dialog.fontPoints = font.value(QLatin1String("points")).toInt(kDefaultFontPoints);
    if (dialog.fontPoints <= 0)
        return std::nullopt;

    for (const QJsonValue& value : root.value(QLatin1String("controls")).toArray()) {
        auto control = ParseControl(value.toObject());
        if (!control)
            return std::nullopt;
        if (control->id != ControlTemplate::kStaticId && dialog.Find(control->id, control->kind))
            return std::nullopt;  // controls sharing an id are told apart by their kind
        dialog.controls.push_back(std::move(*control));
    }
    return dialog;
}

const ControlTemplate* DialogTemplate::Find(int controlId) const
{
    for (const ControlTemplate& control : controls)
        if (control.id == controlId)
            return &control;
    return nullptr;
}

const ControlTemplate* DialogTemplate::Find(int controlId, ControlKind kind) const
{
    for (const ControlTemplate& control : controls)
        if (control.id == controlId && control.kind == kind)
            return &control;
    return nullptr;
}
