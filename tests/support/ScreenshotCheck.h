#pragma once
// The look of a window as a person checks it on a screenshot: every text whole inside its
// control, no control lying over another, every character drawn by some font, and the window
// small enough for a 1366×768 screen. Each check returns its problems, one line each naming the
// control (class, object name, text, geometry) and what is wrong; an empty list means none.
//
// The controls are the visible widgets of the window, walked down through plain containers
// (the dialog itself, frames, group boxes, stacked pages); the inner parts of a composite
// control (a list's viewport, header and scroll bars, a line edit's or combo box's parts) are
// the control's own business and are not walked.
#include <QSize>
#include <QString>
#include <QStringList>

class QWidget;

// The screen a dialog must fit on.
inline constexpr QSize kSmallestScreen{1366, 768};

// Texts that do not fit their control. Rule per kind of control:
// - label: the text laid out in the label's contents (wrapped at words when the label wraps)
//   needs no more width and height than the contents have;
// - push button, check box, radio button: the text (its mnemonic shown) fits the rectangle the
//   style draws the text in;
// - group box: the title fits the box's width (its minimum size);
// - line edit with text, combo box's current text: the text's advance fits the text area;
// - list and tree: each shown column title fits its section. Cell texts are not checked: a
//   person sees a narrow column's cells shortened with "…" and widens the column.
QStringList CutTextProblems(const QWidget& window);

// Controls that overlap. Rule: two visible controls under the same parent must not share a
// pixel, except that a group box frames the controls that lie wholly inside it (dialog
// templates place a group box and its controls side by side under the dialog). A visible
// control must also lie wholly inside its parent, or the parent's edge cuts it.
QStringList OverlapProblems(const QWidget& window);

// Characters drawn as missing-glyph boxes: every character of every visible text (window
// title, labels, buttons, group box titles, edits, combo box entries, every cell and column
// title of a list or tree) must have a glyph in the font Qt draws it with, after falling back
// from the control's font to the other installed fonts. Control and format characters (line
// ends, tabs, zero-width marks) draw nothing and are not checked.
QStringList MissingGlyphProblems(const QWidget& window);

// The window's outer size (its client area and title bar) must fit the smallest screen.
QStringList ScreenFitProblems(const QWidget& window);

// Saves the picture into the build folder and checks what a person would see.
void SaveAndCheckScreenshot(QWidget& window, const QString& fileName);
