#pragma once
// The window services a group table hands to its groups. Any of them may be null (tests set
// only what they use); a group then skips the step that needs it.
namespace platform {
class IShell;
}
class IClock;
class IDialogRunner;
class IKeyboard;
class IMainWindow;
class IMessageBox;
class IPopupMenu;

struct WindowServices {
    IMainWindow* mainWindow = nullptr;
    IMessageBox* messageBox = nullptr;
    IPopupMenu* popupMenu = nullptr;
    IKeyboard* keyboard = nullptr;
    IClock* clock = nullptr;
    IDialogRunner* dialogs = nullptr;
    platform::IShell* shell = nullptr;
};
