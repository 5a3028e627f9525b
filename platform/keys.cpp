// Translation of Qt key events into the key codes the handlers compare with.
#include "platform/keys.h"

#include <QKeyEvent>

namespace tavrel {

int key_code(const QKeyEvent& event) {
  const int key = event.key();
  const bool keypad = event.modifiers() & Qt::KeypadModifier;
  if (key >= Qt::Key_0 && key <= Qt::Key_9)
    return (keypad ? vk::kNumpad0 : vk::kDigit0) + (key - Qt::Key_0);
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return vk::kLetterA + (key - Qt::Key_A);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return vk::kF1 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Backspace: return vk::kBack;
    case Qt::Key_Tab: return vk::kTab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::kReturn;
    case Qt::Key_Escape: return vk::kEscape;
    case Qt::Key_Space: return vk::kSpace;
    case Qt::Key_PageUp: return vk::kPrior;
    case Qt::Key_PageDown: return vk::kNext;
    case Qt::Key_End: return vk::kEnd;
    case Qt::Key_Home: return vk::kHome;
    case Qt::Key_Left: return vk::kLeft;
    case Qt::Key_Up: return vk::kUp;
    case Qt::Key_Right: return vk::kRight;
    case Qt::Key_Down: return vk::kDown;
    case Qt::Key_Delete: return keypad ? vk::kDecimal : vk::kDelete;
    case Qt::Key_Asterisk: return keypad ? vk::kMultiply : 0;
    case Qt::Key_Plus: return keypad ? vk::kAdd : 0;
    case Qt::Key_Minus: return keypad ? vk::kSubtract : vk::kOemMinus;
    case Qt::Key_Period: return keypad ? vk::kDecimal : vk::kOemPeriod;
    case Qt::Key_Slash: return keypad ? vk::kDivide : vk::kOemSlash;
    default: return 0;
  }
}

}  // namespace tavrel
