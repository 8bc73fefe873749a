// The about box: its caption, size, the program's icon, the version line and 確定, which closes it.
#include "ui/dialogs/AboutDlg.h"

#include "ScreenshotCheck.h"

#include <QAbstractButton>
#include <QLabel>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(AboutDlg, ShowsTheIconTheVersionAndAnOkButton)
{
    CAboutDlg about;
    ASSERT_TRUE(about.IsCreated());
    EXPECT_EQ(about.windowTitle(), u"關於 峰嵐錄"_s);
    EXPECT_EQ(about.size(), about.Units().ToPixels(QSize(220, 62)));
    QStringList texts;
    int icons = 0;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull())
            ++icons;
        else
            texts << label->text();
    }
    EXPECT_EQ(icons, 1);
    EXPECT_EQ(texts, QStringList({u"峰嵐錄 1.12 版"_s}));
    const auto* ok = about.DlgItem<QAbstractButton>(CTemplateDialog::kIdOk);
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->text(), u"確定"_s);
    EXPECT_EQ(about.findChildren<QAbstractButton*>().size(), 1);
    about.show();
    SaveAndCheckScreenshot(about, u"talvane-about-dialog.png"_s);
    about.Commands().Dispatch(CTemplateDialog::kIdOk);
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

} // namespace
