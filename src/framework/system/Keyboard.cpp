#include "system/Keyboard.h"

#include <QGuiApplication>

namespace Keyboard {
bool AsyncCommandKey() {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

bool AsyncOptionKey() {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier);
}
} // namespace Keyboard
