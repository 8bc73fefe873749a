#pragma once
// A search dialog that can write the opener's walk (or companion visit) and atlas page into the
// selected item: the item and peak searches. The assignment buttons' template texts are formats
// of the trip number and the atlas page.
#include "ui/dialogs/find/FindDialogBase.h"

class CAssignFindDialog : public CFindDialogBase {
    Q_OBJECT
public:
    static constexpr int kSetTrip = 1018;
    static constexpr int kSetMap = 1021;
    static constexpr int kCount = 1024;

    // Set by the opener before the dialog opens; 0 for none.
    int walkNumber = 0;
    int atlasCode = 0;
    int mateVisitCode = 0;
    int defaultTripNumber = 0;
    // The outcome: an assignment button was used.
    bool visitAssigned = false;
    bool atlasAssigned = false;

    // 設定行程: the walk, or with no walk the companion visit, into the selected item.
    void OnSetTrip();
    // 設定地圖: the atlas page into the selected item.
    void OnSetMap();

protected:
    CAssignFindDialog(int templateId, CGroupBase* group, QWidget* parent);

    // The buttons' captions formatted with the trip number and the atlas page.
    void SetAssignCaptions();
    // After a row was selected: each button where the opener gave its code.
    void EnableAssignButtons();
    void ShowCount(int count);

    QtStatusText count_{nullptr};
};
