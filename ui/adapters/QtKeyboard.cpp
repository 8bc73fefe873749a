#include "ui/adapters/QtKeyboard.h"

#include <QGuiApplication>

bool QtKeyboard::IsShiftDown() const
{
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}
