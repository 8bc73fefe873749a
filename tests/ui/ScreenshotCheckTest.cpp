// The screenshot checks themselves: a dialog with one fault each (a label cut short, two
// buttons on top of each other, a character no font has, a dialog larger than the screen) is
// reported by exactly that check, and a dialog a person finds right (Chinese texts, a group box
// framing its controls, a list with titled columns, Chinese in a Latin font) passes them all.
#include "ScreenshotCheck.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr QSize kDialogSize{400, 300};
const QString kFont = u"Noto Sans CJK TC"_s;
const QString kLatinFont = u"DejaVu Sans"_s;
constexpr int kFontPoints = 9;

// A dialog a person finds right: every control whole, apart, and drawn.
void AddGoodControls(QDialog* dialog)
{
    auto* title = new QLabel(u"航跡名稱(Track): 錐麓古道"_s, dialog);
    title->setGeometry(10, 10, 300, 24);
    auto* box = new QGroupBox(u"選項"_s, dialog);
    box->setGeometry(10, 40, 300, 120);
    auto* check = new QCheckBox(u"只列出未定位的"_s, dialog);
    check->setGeometry(20, 64, 200, 24);
    // A Latin font: its Chinese characters are drawn by a fallback font.
    auto* edit = new QLineEdit(u"雪山西稜 (十五045)"_s, dialog);
    edit->setFont(QFont(kLatinFont, kFontPoints));
    edit->setGeometry(20, 96, 200, 28);
    auto* list = new QTreeWidget(dialog);
    list->setGeometry(10, 170, 300, 80);
    list->setHeaderLabels({u"名稱"_s, u"標高(m)"_s});
    list->setColumnWidth(0, 160);
    list->setColumnWidth(1, 80);
    new QTreeWidgetItem(list, {u"玉山主峰"_s, u"3952"_s});
    new QTreeWidgetItem(list, {u"Mount Jade ① ½"_s, u"—"_s});
    auto* ok = new QPushButton(u"確定"_s, dialog);
    ok->setGeometry(320, 260, 70, 30);
}

struct Case {
    const char* name;
    std::function<void(QDialog*)> fault;      // adds the fault to a good dialog
    QStringList (*check)(const QWidget&);     // the check that must report it; null: none does
};

TEST(ScreenshotCheck, EachFaultIsReportedByItsCheckOnly)
{
    const Case cases[] = {
        {"good", [](QDialog*) {}, nullptr},
        {"cut-label",
         [](QDialog* dialog) {
             auto* label = new QLabel(u"這段說明比標籤寬得多"_s, dialog);
             label->setGeometry(320, 10, 60, 24);
         },
         CutTextProblems},
        {"overlapping-buttons",
         [](QDialog* dialog) {
             (new QPushButton(u"搜尋"_s, dialog))->setGeometry(320, 100, 70, 30);
             (new QPushButton(u"取消"_s, dialog))->setGeometry(325, 120, 70, 30);
         },
         OverlapProblems},
        {"missing-glyph",
         [](QDialog* dialog) {
             auto* label = new QLabel(u"山\uE000"_s, dialog);
             label->setGeometry(320, 10, 70, 24);
         },
         MissingGlyphProblems},
        {"too-large", [](QDialog* dialog) { dialog->setFixedSize(1500, 900); }, ScreenFitProblems},
    };
    QStringList (*const allChecks[])(const QWidget&) = {CutTextProblems, OverlapProblems,
                                                         MissingGlyphProblems, ScreenFitProblems};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDialog dialog;
        dialog.setFont(QFont(kFont, kFontPoints));
        dialog.setFixedSize(kDialogSize);
        AddGoodControls(&dialog);
        c.fault(&dialog);
        dialog.show();
        for (const auto check : allChecks) {
            const QStringList problems = check(dialog);
            EXPECT_EQ(problems.isEmpty(), check != c.check) << problems.join(u'\n').toStdString();
        }
        // The saving entry point reports exactly one failed check for a fault, none otherwise.
        ::testing::TestPartResultArray failures;
        {
            ::testing::ScopedFakeTestPartResultReporter reporter(
                ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
            SaveAndCheckScreenshot(dialog, u"screenshot-check-%1.png"_s.arg(QLatin1String(c.name)));
        }
        EXPECT_EQ(failures.size(), c.check ? 1 : 0);
    }
}

} // namespace
