#pragma once
// The shell's "open" and "edit" verbs, behind an interface so that tests can record them.
#include <QString>

namespace platform {

class IShell {
public:
    virtual ~IShell() = default;
    // Opens a file or web address with the desktop's handler for it.
    virtual bool Open(const QString& target) = 0;
    // Opens a text file in the desktop's text editor.
    virtual bool Edit(const QString& path) = 0;
};

// The desktop's handlers, reached through xdg-open; the target is passed as one argument and
// never through a shell.
class DesktopShell : public IShell {
public:
    bool Open(const QString& target) override;
    bool Edit(const QString& path) override;
};

} // namespace platform
