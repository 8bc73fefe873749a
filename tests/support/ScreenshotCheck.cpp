#include "ScreenshotCheck.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGlyphRun>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTableView>
#include <QTextDocument>
#include <QTextLayout>
#include <QTreeView>
#include <QtMath>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Texts longer than this are shortened in the names of controls.
constexpr int kShownTextLength = 30;
// The title bar a desktop puts above a window's client area, at 96 dots per inch.
constexpr int kTitleBarHeight = 32;
// QLineEdit keeps this many pixels free on each side of its text.
constexpr int kLineEditTextMargin = 2;

// The widgets whose children are controls of their own: everything but the composite controls,
// whose inner widgets (viewport, header, scroll bars, line edit of a combo box) are theirs.
bool IsContainer(const QWidget* widget)
{
    return !(qobject_cast<const QAbstractScrollArea*>(widget) || qobject_cast<const QAbstractButton*>(widget)
             || qobject_cast<const QLabel*>(widget) || qobject_cast<const QLineEdit*>(widget)
             || qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget)
             || qobject_cast<const QAbstractSlider*>(widget) || qobject_cast<const QProgressBar*>(widget)
             || qobject_cast<const QTabBar*>(widget));
}

// The visible child controls of a container, in creation order.
QList<QWidget*> ChildControls(const QWidget* parent, const QWidget& window)
{
    QList<QWidget*> children;
    for (QObject* object : parent->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child && !child->isWindow() && child->isVisibleTo(&window))
            children << child;
    }
    return children;
}

void CollectControls(const QWidget* parent, const QWidget& window, QList<const QWidget*>* controls)
{
    for (QWidget* child : ChildControls(parent, window)) {
        *controls << child;
        if (IsContainer(child))
            CollectControls(child, window, controls);
    }
}

// Every visible control of the window; a window that is itself a control is its only one.
QList<const QWidget*> Controls(const QWidget& window)
{
    if (!IsContainer(&window))
        return {&window};
    QList<const QWidget*> controls;
    CollectControls(&window, window, &controls);
    return controls;
}

QString PlainLabelText(const QLabel& label)
{
    const bool rich = label.textFormat() == Qt::RichText
                      || (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(label.text()));
    if (!rich)
        return label.text();
    QTextDocument document;
    document.setHtml(label.text());
    return document.toPlainText();
}

// The text a control shows of its own (not its items).
QString OwnText(const QWidget& control)
{
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return PlainLabelText(*label);
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(&control))
        return box->title();
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control))
        return edit->text().isEmpty() ? edit->placeholderText() : edit->displayText();
    if (const auto* combo = qobject_cast<const QComboBox*>(&control))
        return combo->currentText();
    return {};
}

QString Describe(const QWidget& control)
{
    QString name = QString::fromLatin1(control.metaObject()->className());
    if (!control.objectName().isEmpty())
        name += QStringLiteral(" '%1'").arg(control.objectName());
    QString text = OwnText(control);
    if (text.size() > kShownTextLength)
        text = text.left(kShownTextLength) + QStringLiteral("…");
    if (!text.isEmpty())
        name += QStringLiteral(" \"%1\"").arg(text);
    const QRect g = control.geometry();
    return name + QStringLiteral(" at (%1,%2 %3×%4)").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
}

QString SizeText(const QSize& size)
{
    return QStringLiteral("%1×%2").arg(size.width()).arg(size.height());
}

// --- Text cut ---

// The rectangle QLabel lays its text out in: contents less margin and indent.
QRect LabelTextRect(const QLabel& label)
{
    const int margin = label.margin();
    QRect rect = label.contentsRect().adjusted(margin, margin, -margin, -margin);
    int indent = label.indent();
    if (indent < 0 && label.frameWidth() > 0)
        indent = label.fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin;
    if (indent > 0) {
        const Qt::Alignment align = label.alignment();
        if (align & Qt::AlignLeft)
            rect.setLeft(rect.left() + indent);
        if (align & Qt::AlignRight)
            rect.setRight(rect.right() - indent);
        if (align & Qt::AlignTop)
            rect.setTop(rect.top() + indent);
        if (align & Qt::AlignBottom)
            rect.setBottom(rect.bottom() - indent);
    }
    return rect;
}

// The height of lines of text: one line is the font's height as QFontMetrics rounds it, the
// unit dialog layouts are made of (the fractional line box rounded up would add a pixel that
// holds no ink).
int LinesHeight(const QFontMetrics& metrics, int lines)
{
    return metrics.height() + (lines - 1) * metrics.lineSpacing();
}

// The size plain text takes when laid out as QPainter::drawText lays it out in that width.
QSize PlainTextNeed(const QString& text, const QFont& font, int width, bool wrap)
{
    QString paragraphs = text;
    paragraphs.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(paragraphs, font);
    QTextOption option;
    option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    int lines = 0;
    qreal widest = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        widest = std::max(widest, line.naturalTextWidth());
        ++lines;
    }
    layout.endLayout();
    return QSize(qCeil(widest), LinesHeight(QFontMetrics(font), std::max(lines, 1)));
}

QString LabelCut(const QLabel& label)
{
    if (label.text().isEmpty())
        return {};
    const QRect room = LabelTextRect(label);
    QSize need;
    if (label.textFormat() == Qt::PlainText || !Qt::mightBeRichText(label.text())) {
        need = PlainTextNeed(label.text(), label.font(), room.width(), label.wordWrap());
    } else {
        // Rich text: the label's own measure, less what it adds around the text.
        const QSize extra = label.size() - room.size();
        need = (label.wordWrap() ? QSize(label.minimumSizeHint().width(), label.heightForWidth(label.width()))
                                 : label.sizeHint())
               - extra;
    }
    if (need.width() <= room.width() && need.height() <= room.height())
        return {};
    return QStringLiteral("text needs %1 but the label has %2").arg(SizeText(need), SizeText(room.size()));
}

QStyleOptionButton ButtonOption(const QAbstractButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    if (const auto* push = qobject_cast<const QPushButton*>(&button)) {
        if (push->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
        if (push->isFlat())
            option.features |= QStyleOptionButton::Flat;
    }
    return option;
}

QString ButtonCut(const QAbstractButton& button)
{
    if (button.text().isEmpty())
        return {};
    const QStyleOptionButton option = ButtonOption(button);
    QRect room = button.contentsRect();
    if (qobject_cast<const QPushButton*>(&button))
        room = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    else if (qobject_cast<const QCheckBox*>(&button))
        room = button.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &button);
    else if (qobject_cast<const QRadioButton*>(&button))
        room = button.style()->subElementRect(QStyle::SE_RadioButtonContents, &option, &button);
    QSize need(button.fontMetrics().size(Qt::TextShowMnemonic, button.text()).width(),
               LinesHeight(button.fontMetrics(), int(button.text().count(QLatin1Char('\n'))) + 1));
    if (!button.icon().isNull())
        need.rwidth() += button.iconSize().width();
    if (need.width() <= room.width() && need.height() <= room.height())
        return {};
    return QStringLiteral("text needs %1 but the button draws it in %2").arg(SizeText(need), SizeText(room.size()));
}

QString GroupBoxCut(const QGroupBox& box)
{
    const int need = box.minimumSizeHint().width();
    if (box.title().isEmpty() || need <= box.width())
        return {};
    return QStringLiteral("title needs width %1 but the box is %2 wide").arg(need).arg(box.width());
}

int LineEditTextWidth(const QLineEdit& edit)
{
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = edit.contentsRect();
    option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
    return contents.marginsRemoved(edit.textMargins()).width() - 2 * kLineEditTextMargin;
}

QString LineEditCut(const QLineEdit& edit)
{
    const QString text = edit.text().isEmpty() ? edit.placeholderText() : edit.displayText();
    const int need = edit.fontMetrics().horizontalAdvance(text);
    const int room = LineEditTextWidth(edit);
    if (text.isEmpty() || need <= room)
        return {};
    return QStringLiteral("text needs width %1 but the edit shows %2").arg(need).arg(room);
}

QString ComboBoxCut(const QComboBox& combo)
{
    if (combo.currentText().isEmpty())
        return {};
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = combo.isEditable();
    option.currentText = combo.currentText();
    option.frame = combo.hasFrame();
    const int room = combo.style()
                         ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo)
                         .width();
    const int need = combo.fontMetrics().horizontalAdvance(combo.currentText());
    if (need <= room)
        return {};
    return QStringLiteral("current text needs width %1 but the box shows %2").arg(need).arg(room);
}

const QHeaderView* ColumnHeader(const QAbstractItemView& view)
{
    if (const auto* tree = qobject_cast<const QTreeView*>(&view))
        return tree->header();
    if (const auto* table = qobject_cast<const QTableView*>(&view))
        return table->horizontalHeader();
    return nullptr;
}

// Column titles shortened by a section narrower than the title.
QStringList HeaderCuts(const QAbstractItemView& view)
{
    QStringList cuts;
    const QHeaderView* header = ColumnHeader(view);
    if (!header || header->isHidden() || !view.model())
        return cuts;
    QStyleOptionHeader option;
    option.initFrom(header);
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, &option, header);
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section) || header->sectionSize(section) == 0)
            continue;
        const QString title = view.model()->headerData(section, Qt::Horizontal).toString();
        const int need = header->fontMetrics().horizontalAdvance(title) + 2 * margin;
        if (need > header->sectionSize(section))
            cuts << QStringLiteral("column title \"%1\" needs width %2 but the column is %3 wide")
                        .arg(title)
                        .arg(need)
                        .arg(header->sectionSize(section));
    }
    return cuts;
}

QStringList CutsOf(const QWidget& control)
{
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return {LabelCut(*label)};
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return {ButtonCut(*button)};
    if (const auto* box = qobject_cast<const QGroupBox*>(&control))
        return {GroupBoxCut(*box)};
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control))
        return {LineEditCut(*edit)};
    if (const auto* combo = qobject_cast<const QComboBox*>(&control))
        return {ComboBoxCut(*combo)};
    if (const auto* view = qobject_cast<const QAbstractItemView*>(&control))
        return HeaderCuts(*view);
    return {};
}

// --- Missing glyphs ---

// Whether Qt draws the character with a real glyph in this font or one it falls back to.
class GlyphCoverage {
public:
    bool Draws(const QFont& font, char32_t character)
    {
        const QString key = font.key() + QLatin1Char('|') + QString::number(character);
        if (const auto it = known_.constFind(key); it != known_.constEnd())
            return *it;
        QTextLayout layout(QString::fromUcs4(&character, 1), font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        bool drawn = true;
        for (const QGlyphRun& run : layout.glyphRuns())
            for (const quint32 glyph : run.glyphIndexes())
                drawn = drawn && glyph != 0;  // glyph 0 is the font's missing-glyph box
        known_.insert(key, drawn);
        return drawn;
    }

private:
    QHash<QString, bool> known_;
};

bool DrawsNothing(char32_t character)
{
    switch (QChar::category(character)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph: return true;
    default: return false;
    }
}

class GlyphChecker {
public:
    void Check(const QString& where, const QString& text, const QFont& font)
    {
        for (const char32_t character : text.toUcs4()) {
            if (DrawsNothing(character) || coverage_.Draws(font, character))
                continue;
            const QString code = QString::number(uint(character), 16).toUpper().rightJustified(4, u'0');
            problems_ << QStringLiteral("%1: U+%2 in \"%3\" has no glyph in \"%4\" or any fallback font")
                             .arg(where, code, text.left(kShownTextLength), font.family());
            return;  // one problem per text
        }
    }
    void CheckItems(const QString& where, const QAbstractItemView& view)
    {
        const QAbstractItemModel* model = view.model();
        if (!model)
            return;
        if (const QHeaderView* header = ColumnHeader(view); header && !header->isHidden())
            for (int section = 0; section < model->columnCount(); ++section)
                Check(where + QStringLiteral(" column title"),
                      model->headerData(section, Qt::Horizontal).toString(), header->font());
        CheckRows(where, view, view.rootIndex());
    }
    QStringList Problems() const { return problems_; }

private:
    void CheckRows(const QString& where, const QAbstractItemView& view, const QModelIndex& parent)
    {
        const QAbstractItemModel* model = view.model();
        for (int row = 0; row < model->rowCount(parent); ++row)
            for (int column = 0; column < model->columnCount(parent); ++column) {
                const QModelIndex index = model->index(row, column, parent);
                const QVariant font = index.data(Qt::FontRole);
                Check(where + QStringLiteral(" row %1 column %2").arg(row).arg(column),
                      index.data(Qt::DisplayRole).toString(),
                      font.isValid() ? font.value<QFont>() : view.font());
                if (column == 0 && model->hasChildren(index))
                    CheckRows(where, view, index);
            }
    }

    GlyphCoverage coverage_;
    QStringList problems_;
};

} // namespace

QStringList CutTextProblems(const QWidget& window)
{
    QStringList problems;
    for (const QWidget* control : Controls(window))
        for (const QString& cut : CutsOf(*control))
            if (!cut.isEmpty())
                problems << Describe(*control) + QStringLiteral(": ") + cut;
    return problems;
}

QStringList OverlapProblems(const QWidget& window)
{
    QStringList problems;
    QList<const QWidget*> parents = Controls(window);
    parents.prepend(&window);
    for (const QWidget* parent : parents) {
        if (!IsContainer(parent))
            continue;
        const QList<QWidget*> children = ChildControls(parent, window);
        for (int i = 0; i < children.size(); ++i) {
            const QRect a = children[i]->geometry();
            if (!parent->rect().contains(a))
                problems << Describe(*children[i]) + QStringLiteral(": reaches outside its parent ")
                                + Describe(*parent);
            for (int j = i + 1; j < children.size(); ++j) {
                const QRect b = children[j]->geometry();
                const bool framed = (qobject_cast<const QGroupBox*>(children[i]) && a.contains(b))
                                    || (qobject_cast<const QGroupBox*>(children[j]) && b.contains(a));
                if (a.intersects(b) && !framed)
                    problems << Describe(*children[i]) + QStringLiteral(" overlaps ") + Describe(*children[j]);
            }
        }
    }
    return problems;
}

QStringList MissingGlyphProblems(const QWidget& window)
{
    GlyphChecker checker;
    checker.Check(QStringLiteral("window title"), window.window()->windowTitle(), window.window()->font());
    for (const QWidget* control : Controls(window)) {
        const QString where = Describe(*control);
        checker.Check(where, OwnText(*control), control->font());
        if (const auto* combo = qobject_cast<const QComboBox*>(control))
            for (int i = 0; i < combo->count(); ++i)
                checker.Check(where + QStringLiteral(" entry %1").arg(i), combo->itemText(i), combo->font());
        if (const auto* view = qobject_cast<const QAbstractItemView*>(control))
            checker.CheckItems(where, *view);
    }
    return checker.Problems();
}

QStringList ScreenFitProblems(const QWidget& window)
{
    const QWidget* top = window.window();
    QSize outer = top->frameGeometry().size();
    if (outer == top->size())  // no window frame here (offscreen): a desktop adds its title bar
        outer.rheight() += kTitleBarHeight;
    if (outer.width() <= kSmallestScreen.width() && outer.height() <= kSmallestScreen.height())
        return {};
    return {QStringLiteral("window %1 \"%2\" with its title bar is %3, larger than the %4 screen")
                .arg(QLatin1String(top->metaObject()->className()), top->windowTitle(), SizeText(outer),
                     SizeText(kSmallestScreen))};
}

void SaveAndCheckScreenshot(QWidget& window, const QString& fileName)
{
    const QString path = QStringLiteral(TALVANE_BUILD_DIR "/") + fileName;
    EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
    const struct {
        const char* what;
        QStringList problems;
    } checks[] = {
        {"text cut", CutTextProblems(window)},
        {"controls overlap", OverlapProblems(window)},
        {"missing glyphs", MissingGlyphProblems(window)},
        {"too large for the screen", ScreenFitProblems(window)},
    };
    for (const auto& check : checks)
        EXPECT_TRUE(check.problems.isEmpty())
            << fileName.toStdString() << ": " << check.what << ":\n  "
            << check.problems.join(QStringLiteral("\n  ")).toStdString();
}
