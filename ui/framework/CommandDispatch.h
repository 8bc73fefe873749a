#pragma once
// One dispatch of commands by id for a dialog: buttons, menu entries and the catalog's popup
// menus all end up here, the way a message map routes command messages.
#include <QHash>
#include <QObject>

#include <functional>

class QAbstractButton;
class QAction;
class QMenu;

class CommandDispatch : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void()>;

    explicit CommandDispatch(QObject* parent = nullptr) : QObject(parent) {}

    // Registers the handler of a command id (replacing an earlier one).
    void On(int id, Handler handler);
    bool Handles(int id) const { return handlers_.contains(id); }

    // Runs the handler of id now; false when the id has none.
    bool Dispatch(int id) const;
    // Runs it from the event loop, after the current handler has returned.
    void Post(int id);

    // A click on the button issues the command id.
    void ConnectButton(QAbstractButton* button, int id);
    // Adds an entry that issues id to a menu.
    QAction* AddMenuCommand(QMenu* menu, int id, const QString& text);

    // The command id an action carries; 0 for none.
    static int CommandOf(const QAction* action);

private:
    QHash<int, Handler> handlers_;
};
