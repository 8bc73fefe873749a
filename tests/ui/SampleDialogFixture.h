#pragma once
// The main dialog on a copy of the bundled sample, showing the peak group, with recording fakes
// for the shell, message boxes, its popup menus and the modal dialogs its commands open; and the
// helpers the sample's scenario tests share: selecting a tree node by its text, dispatching a
// command by id, and xmllint's HTML parser as the judge of written pages.
#include "FakeClock.h"
#include "FakeMessageBox.h"
#include "FakePopupMenu.h"
#include "FakeShell.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/text/WalkGpsNotice.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/framework/CommandDispatch.h"
#include "ui/maindlg/IMainDialogs.h"
#include "ui/maindlg/TalvaneDlg.h"

#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace sample_scenarios {

inline QString U(const char* text)
{
    return QString::fromUtf8(text);
}

// The dialogs the main dialog's commands asked for, with what they were given.
struct RecordingMainDialogs : IMainDialogs {
    void CompareList(QWidget*, CGroupBase* group, CSubsetBase* subset) override
    {
        compared.append({group, subset});
    }
    void CompareWalks(QWidget*, CGroupBase*) override {}
    void CompareGuide(QWidget*, CGroupBase*, int) override {}
    void CompareHiking(QWidget*, CGroupBase*, int) override {}
    void RegionStatistics(QWidget*, CGroupBase* group) override { statistics.append(group); }
    bool AddPlant(QWidget*, AddPlantInput*) override { return false; }
    bool FindPlant(QWidget*, CGroupBase*, const QString&, QString*, QString*) override { return false; }

    QList<std::pair<CGroupBase*, CSubsetBase*>> compared;
    QList<CGroupBase*> statistics;
};

struct SampleDialogFixture : ::testing::Test {
    SampleDialogFixture()
    {
        QSettings().remove(kSection());
        WalkGpsNotice::Reset();
        program = temp.copyTree(QStringLiteral(TALVANE_SAMPLE_DIR), QStringLiteral("bin"));
        platform::SetProgramFolder(program);
        platform::ClearProfileCache();
        dialog = std::make_unique<CTalvaneDlg>();
        dialog->show();
        QTest::qWait(20);
        dialog->SetDialogs(&dialogs);
        dialog->SetPopupMenu(&menu);
        WindowServices services = dialog->GroupTable().Services();
        services.shell = &shell;
        services.messageBox = &messages;
        services.popupMenu = &menu;
        services.clock = &clock;
        dialog->GroupTable().SetServices(services);
        peaks = dynamic_cast<CGroupTalvane*>(dialog->CurrentGroup());
    }
    ~SampleDialogFixture() override
    {
        dialog.reset();
        QSettings().remove(kSection());
        WalkGpsNotice::Reset();
    }
    static QString kSection() { return QLatin1String(CTalvaneDlg::kProfileSection); }

    QTreeWidget* Tree() const { return dialog->DlgItem<QTreeWidget>(CTalvaneDlg::kSubsetTree); }
    // Selects the subset tree's node of this text, as a click would.
    void SelectNode(const QString& text)
    {
        const auto found = Tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        Tree()->setCurrentItem(found.first());
        QCoreApplication::processEvents();
    }
    bool Dispatch(int id) { return dialog->Commands().Dispatch(id); }
    bool Enabled(int id) const { return dialog->GetDlgItem(id)->isEnabled(); }
    // The item index of the peak whose file has this base name; -1 when none.
    int PeakOfFile(const QString& base) const
    {
        for (int i = 0; i < peaks->ItemCount(); ++i)
            if (platform::BaseNameOf(peaks->ItemPath(i)) == base)
                return i;
        return -1;
    }
    QString DataFile(const QString& name) const
    {
        return platform::JoinPath(program, QStringLiteral("data"), name);
    }

    TempDir temp;
    QString program;
    FakeShell shell;
    FakeClock clock;  // 2026/12/8
    FakeMessageBox messages;
    FakePopupMenu menu;
    RecordingMainDialogs dialogs;
    std::unique_ptr<CTalvaneDlg> dialog;
    CGroupTalvane* peaks = nullptr;
};

inline bool HaveXmlLint()
{
    return !QStandardPaths::findExecutable(QStringLiteral("xmllint")).isEmpty();
}

// Runs xmllint's HTML parser on a file; true when it reports nothing at all.
inline bool HtmlLintClean(const QString& path, QByteArray* messages)
{
    QProcess process;
    process.start(QStringLiteral("xmllint"), {QStringLiteral("--html"), QStringLiteral("--noout"), path});
    if (!process.waitForFinished(60000))
        return false;
    *messages = process.readAllStandardError() + process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 && messages->isEmpty();
}

} // namespace sample_scenarios
