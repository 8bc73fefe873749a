#pragma once
// The main dialog on a copy of the sample with the program's own dialogs (CMainDialogs) behind
// its commands: their input dialogs scripted, the groups' searches answered by a runner that can
// record what the user would have picked; and a watcher that acts on a dialog once a command has
// opened it modally, then closes it.
#include "FakeDialogRunner.h"
#include "FakeInputDialogs.h"
#include "SampleDialogFixture.h"
#include "ScreenshotCheck.h"
#include "ui/maindlg/MainDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <functional>

namespace sample_scenarios {

// A search runner that records each request, lets the test act as the user would (writing a
// visit or a reference), and returns the preset outcome.
class ActingDialogRunner : public FakeDialogRunner {
public:
    FindDialogResult RunFindDialog(const FindDialogRequest& request) override
    {
        const FindDialogResult result = FakeDialogRunner::RunFindDialog(request);
        if (onFind)
            onFind(request);
        return result;
    }
    std::function<void(const FindDialogRequest&)> onFind;
};

// While it lives, runs act once on the first dialog of type T that runs modally, then closes it.
template <class T>
class ModalWatcher {
public:
    explicit ModalWatcher(std::function<void(T*)> act) : act_(std::move(act))
    {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            timer_.stop();  // act may open a further modal dialog: no second round meanwhile
            act_(dialog);
            ran_ = true;
            dialog->reject();
        });
        timer_.start(kPollMs);
    }
    bool Ran() const { return ran_; }

private:
    static constexpr int kPollMs = 10;
    std::function<void(T*)> act_;
    QTimer timer_;
    bool ran_ = false;
};

struct SampleModalFixture : SampleDialogFixture {
    SampleModalFixture()
    {
        dialog->SetDialogs(&mainDialogs);
        WindowServices services = dialog->GroupTable().Services();
        services.dialogs = &runner;
        dialog->GroupTable().SetServices(services);
    }

    template <class T>
    static QString TextOf(const T* dialog, int id)
    {
        const QWidget* control = dialog->GetDlgItem(id);
        if (const auto* label = qobject_cast<const QLabel*>(control))
            return label->text();
        if (const auto* edit = qobject_cast<const QLineEdit*>(control))
            return edit->text();
        return control ? control->property("text").toString() : QString();
    }
    // Column 0 .. columns - 1 of every row, joined with "|".
    static QStringList Rows(const IItemList& list, int columns)
    {
        QStringList rows;
        for (int row = 0; row < list.RowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < columns; ++column)
                cells << list.CellText(row, column);
            rows << cells.join(u'|');
        }
        return rows;
    }
    // The names of a cell joined with ",", in a fixed order (the group joins them in item order,
    // which is the folder's listing order).
    static QStringList Names(const QString& cell)
    {
        QStringList names = cell.split(u',', Qt::SkipEmptyParts);
        names.sort();
        return names;
    }
    static QStringList Names(std::initializer_list<const char*> names)
    {
        QStringList list;
        for (const char* name : names)
            list << U(name);
        list.sort();
        return list;
    }
    // Saves the dialog's picture into the build folder and checks what a person would see.
    static void SaveScreenshot(QWidget* dialog, const char* name)
    {
        SaveAndCheckScreenshot(*dialog, QLatin1String(name));
    }
    QString PeakFile(const char* base) const { return peaks->ItemPath(PeakOfFile(U(base))); }

    FakeInputDialogs inputs;
    CMainDialogs mainDialogs{&inputs};
    ActingDialogRunner runner;
};

} // namespace sample_scenarios
