#include "ui/framework/CommandDispatch.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QTimer>

void CommandDispatch::On(int id, Handler handler)
{
    handlers_.insert(id, std::move(handler));
}

bool CommandDispatch::Dispatch(int id) const
{
    const auto it = handlers_.constFind(id);
    if (it == handlers_.constEnd() || !*it)
        return false;
    // A copy: the handler may replace itself while it runs.
    const Handler handler = *it;
    handler();
    return true;
}

void CommandDispatch::Post(int id)
{
    QTimer::singleShot(0, this, [this, id] { Dispatch(id); });
}

void CommandDispatch::ConnectButton(QAbstractButton* button, int id)
{
    connect(button, &QAbstractButton::clicked, this, [this, id] { Dispatch(id); });
}

QAction* CommandDispatch::AddMenuCommand(QMenu* menu, int id, const QString& text)
{
    QAction* action = menu->addAction(text);
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] { Dispatch(id); });
    return action;
}

int CommandDispatch::CommandOf(const QAction* action)
{
    return action ? action->data().toInt() : 0;
}
