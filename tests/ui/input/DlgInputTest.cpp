// 新增植物 and 新增路線圖: what they show, what 新增 and 取消 give back, the web site kept in the
// user's profile (the test program's own temporary store), the program's modal runs of both and
// the main dialogs' add-plant input going through the input dialogs it was given.
#include "FakeInputDialogs.h"
#include "ScreenshotCheck.h"
#include "TempDir.h"
#include "ui/dialogs/input/DlgAddGuide.h"
#include "ui/dialogs/input/DlgAddPlant.h"
#include "ui/dialogs/input/InputDialogs.h"
#include "ui/framework/UserProfile.h"
#include "ui/maindlg/MainDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kSection = QLatin1String(CDlgAddPlant::kProfileSection);
const QString kSiteKey = kSection + u"/"_s + QLatin1String(CDlgAddPlant::kSiteKey);

const QString kPart3 = u"嵐間雜記？(part 3)"_s;
const QString kPart2 = u"嵐間雜記？(part 2)"_s;

QString Edit(const CTemplateDialog& dialog, int id)
{
    const auto* edit = dialog.DlgItem<QLineEdit>(id);
    return edit ? edit->text() : u"<no edit>"_s;
}

void Type(const CTemplateDialog& dialog, int id, const QString& text)
{
    if (auto* edit = dialog.DlgItem<QLineEdit>(id))
        edit->setText(text);
}

QString ButtonText(const CTemplateDialog& dialog, int id)
{
    const auto* button = dialog.DlgItem<QAbstractButton>(id);
    return button ? button->text() : u"<no button>"_s;
}

// The texts of the dialog's labels, in the order they were made.
QStringList Labels(const CTemplateDialog& dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

// The profile store as bytes: the test program keeps it in a temporary folder of its own.
QByteArray ProfileBytes()
{
    QSettings().sync();
    return ReadBytes(QSettings().fileName());
}

// While it lives, runs act on the first dialog of type T that runs modally.
template <class T>
class ModalWatcher {
public:
    explicit ModalWatcher(std::function<void(T*)> act)
    {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this, act] {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
                timer_.stop();
                act(dialog);
            }
        });
        timer_.start(kPollMs);
    }

private:
    static constexpr int kPollMs = 10;
    QTimer timer_;
};

class InputDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings().remove(kSection);
        // The test program's store lives in a temporary folder, never in the user's own.
        ASSERT_FALSE(QSettings().fileName().startsWith(
            QStandardPaths::writableLocation(QStandardPaths::HomeLocation) + u"/.config/"_s));
    }
    void TearDown() override { QSettings().remove(kSection); }

    static void StoreSite(const QString& site)
    {
        UserProfile::WriteString(kSection, QLatin1String(CDlgAddPlant::kSiteKey), site);
        QSettings().sync();
    }
    static QVariant StoredSite() { return QSettings().value(kSiteKey); }
};

TEST_F(InputDialogTest, AddPlantShowsTheStoredSiteWithTheTitleAndAddressGiven)
{
    StoreSite(kPart3);
    CDlgAddPlant dialog;
    ASSERT_TRUE(dialog.IsCreated());
    EXPECT_EQ(dialog.windowTitle(), u"新增植物"_s);
    EXPECT_EQ(Labels(dialog), QStringList({u"網站:"_s, u"標題:"_s, u"網址:"_s}));
    EXPECT_EQ(ButtonText(dialog, CTemplateDialog::kIdOk), u"新增"_s);
    EXPECT_EQ(ButtonText(dialog, CTemplateDialog::kIdCancel), u"取消"_s);
    dialog.site = u"ignored"_s;
    dialog.title = u"台灣杉(杉科)"_s;
    dialog.address = u"https://example.org/?a=1&b=2"_s;
    dialog.OnInitDialog();
    EXPECT_EQ(dialog.site, kPart3);
    EXPECT_EQ(Edit(dialog, CDlgAddPlant::kSite), kPart3);
    EXPECT_EQ(Edit(dialog, CDlgAddPlant::kTitle), u"台灣杉(杉科)"_s);
    EXPECT_EQ(Edit(dialog, CDlgAddPlant::kAddress), u"https://example.org/?a=1&b=2"_s);
}

TEST_F(InputDialogTest, AddPlantWithoutAStoredSiteOffersAnEmptyOne)
{
    CDlgAddPlant dialog;
    dialog.OnInitDialog();
    EXPECT_EQ(Edit(dialog, CDlgAddPlant::kSite), QString());
    EXPECT_FALSE(StoredSite().isValid());
}

TEST_F(InputDialogTest, AddPlantOkStoresTheTypedSiteEvenEmptyAndCancelStoresNothing)
{
    struct Step {
        const char* what;
        QString typedSite;
        bool ok;
        QString storedAfter;
    };
    const Step steps[] = {
        {"a new site", kPart2, true, kPart2},
        {"cancelled", u"別的網站"_s, false, kPart2},
        {"site emptied", QString(), true, QString()},
        {"offered empty, typed again", kPart3, true, kPart3},
    };
    StoreSite(kPart3);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        const QByteArray before = ProfileBytes();
        CDlgAddPlant dialog;
        dialog.title = u"標題"_s;
        dialog.OnInitDialog();
        Type(dialog, CDlgAddPlant::kSite, step.typedSite);
        Type(dialog, CDlgAddPlant::kTitle, u"新標題"_s);
        Type(dialog, CDlgAddPlant::kAddress, u"http://a.b/c"_s);
        dialog.Commands().Dispatch(step.ok ? CTemplateDialog::kIdOk : CTemplateDialog::kIdCancel);
        EXPECT_EQ(dialog.result(), step.ok ? QDialog::Accepted : QDialog::Rejected);
        ASSERT_TRUE(StoredSite().isValid());
        EXPECT_EQ(StoredSite().toString(), step.storedAfter);
        if (step.ok) {
            EXPECT_EQ(dialog.site, step.typedSite);
            EXPECT_EQ(dialog.title, u"新標題"_s);
            EXPECT_EQ(dialog.address, u"http://a.b/c"_s);
        } else {
            EXPECT_EQ(ProfileBytes(), before);
            EXPECT_EQ(dialog.title, u"標題"_s);
        }
    }
}

TEST_F(InputDialogTest, AddGuideShowsAndReturnsTitleAndAddress)
{
    for (const bool ok : {true, false}) {
        SCOPED_TRACE(ok);
        const QByteArray before = ProfileBytes();
        CDlgAddGuide dialog;
        ASSERT_TRUE(dialog.IsCreated());
        EXPECT_EQ(dialog.windowTitle(), u"新增路線圖"_s);
        EXPECT_EQ(Labels(dialog), QStringList({u"標題:"_s, u"網址:"_s}));
        EXPECT_EQ(ButtonText(dialog, CTemplateDialog::kIdOk), u"新增"_s);
        EXPECT_EQ(ButtonText(dialog, CTemplateDialog::kIdCancel), u"取消"_s);
        dialog.title = u"(十五045)雪山"_s;
        dialog.address = u"http://x.y/1"_s;
        dialog.OnInitDialog();
        EXPECT_EQ(Edit(dialog, CDlgAddGuide::kTitle), u"(十五045)雪山"_s);
        EXPECT_EQ(Edit(dialog, CDlgAddGuide::kAddress), u"http://x.y/1"_s);
        Type(dialog, CDlgAddGuide::kTitle, u"<雪山> & 北稜"_s);
        Type(dialog, CDlgAddGuide::kAddress, QString());
        dialog.Commands().Dispatch(ok ? CTemplateDialog::kIdOk : CTemplateDialog::kIdCancel);
        EXPECT_EQ(dialog.title, ok ? u"<雪山> & 北稜"_s : u"(十五045)雪山"_s);
        EXPECT_EQ(dialog.address, ok ? QString() : u"http://x.y/1"_s);
        EXPECT_EQ(ProfileBytes(), before);
    }
}

TEST_F(InputDialogTest, TheProgramsInputDialogsRunBothModally)
{
    StoreSite(kPart3);
    CInputDialogs inputs;
    AddPlantInput input{u"old"_s, u"紅檜(柏科)"_s, u"http://p/1"_s};
    QStringList offered;
    {
        const ModalWatcher<CDlgAddPlant> watcher([&](CDlgAddPlant* dialog) {
            offered = {Edit(*dialog, CDlgAddPlant::kSite), Edit(*dialog, CDlgAddPlant::kTitle),
                       Edit(*dialog, CDlgAddPlant::kAddress)};
            Type(*dialog, CDlgAddPlant::kTitle, u"扁柏(柏科)"_s);
            dialog->Commands().Dispatch(CTemplateDialog::kIdOk);
        });
        EXPECT_TRUE(inputs.AddPlant(nullptr, &input));
    }
    EXPECT_EQ(offered, QStringList({kPart3, u"紅檜(柏科)"_s, u"http://p/1"_s}));
    EXPECT_EQ(input.site, kPart3);
    EXPECT_EQ(input.title, u"扁柏(柏科)"_s);
    EXPECT_EQ(input.address, u"http://p/1"_s);
    {
        const ModalWatcher<CDlgAddPlant> watcher([](CDlgAddPlant* dialog) {
            Type(*dialog, CDlgAddPlant::kSite, u"x"_s);
            dialog->Commands().Dispatch(CTemplateDialog::kIdCancel);
        });
        EXPECT_FALSE(inputs.AddPlant(nullptr, &input));
    }
    EXPECT_EQ(input.title, u"扁柏(柏科)"_s);
    EXPECT_EQ(StoredSite().toString(), kPart3);

    QString title = u"一"_s, address = u"二"_s;
    {
        const ModalWatcher<CDlgAddGuide> watcher([](CDlgAddGuide* dialog) {
            Type(*dialog, CDlgAddGuide::kAddress, Edit(*dialog, CDlgAddGuide::kAddress) + u"三"_s);
            dialog->Commands().Dispatch(CTemplateDialog::kIdOk);
        });
        EXPECT_TRUE(inputs.AddGuide(nullptr, &title, &address));
    }
    EXPECT_EQ(title, u"一"_s);
    EXPECT_EQ(address, u"二三"_s);
    {
        const ModalWatcher<CDlgAddGuide> watcher([](CDlgAddGuide* dialog) { dialog->reject(); });
        EXPECT_FALSE(inputs.AddGuide(nullptr, &title, &address));
    }
    EXPECT_EQ(address, u"二三"_s);
    EXPECT_FALSE(inputs.AddPlant(nullptr, nullptr));
    EXPECT_FALSE(inputs.AddGuide(nullptr, nullptr, &address));
}

TEST_F(InputDialogTest, MainDialogsAskForAPlantThroughTheInputDialogsGiven)
{
    FakeInputDialogs inputs;
    inputs.Type(kPart3, u"台灣杉(杉科)"_s, u"http://p/2"_s);
    inputs.Cancel();
    CMainDialogs dialogs(&inputs);
    AddPlantInput input{QString(), u"t"_s, u"a"_s};
    EXPECT_TRUE(dialogs.AddPlant(nullptr, &input));
    EXPECT_EQ(input.site, kPart3);
    EXPECT_EQ(input.title, u"台灣杉(杉科)"_s);
    EXPECT_FALSE(dialogs.AddPlant(nullptr, &input));
    EXPECT_EQ(input.title, u"台灣杉(杉科)"_s);
    ASSERT_EQ(inputs.offered.size(), 2);
    EXPECT_EQ(inputs.offered[0].shown.title, u"t"_s);
    EXPECT_EQ(inputs.offered[1].shown.title, u"台灣杉(杉科)"_s);
    EXPECT_FALSE(StoredSite().isValid());
}

TEST_F(InputDialogTest, Screenshots)
{
    StoreSite(kPart3);
    CDlgAddPlant plant;
    plant.title = u"台灣杉(杉科)"_s;
    plant.address = u"https://example.org/blog/post-123.html"_s;
    plant.OnInitDialog();
    plant.show();
    SaveAndCheckScreenshot(plant, u"talvane-add-plant-dialog.png"_s);

    CDlgAddGuide guide;
    guide.title = u"(十五045)雪山西稜"_s;
    guide.address = u"https://example.org/atlas/15/045"_s;
    guide.OnInitDialog();
    guide.show();
    SaveAndCheckScreenshot(guide, u"talvane-add-guide-dialog.png"_s);
}

} // namespace
