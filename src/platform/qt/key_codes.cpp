#include "platform/qt/key_codes.h"

#include <QKeyEvent>
#include <array>
#include <utility>

#include "platform/input.h"

namespace drawlet::platform {
namespace {

// Keys whose code is not their Qt value or an ASCII letter or digit.
constexpr std::array<std::pair<int, int32_t>, 32> KeyTable{{
    {Qt::Key_Backspace, 8},  {Qt::Key_Tab, 9},         {Qt::Key_Return, 13},     {Qt::Key_Enter, 13},
    {Qt::Key_Shift, Key::Shift}, {Qt::Key_Control, Key::Control}, {Qt::Key_Alt, 18}, {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},  {Qt::Key_Escape, 27},     {Qt::Key_Space, Key::Space}, {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},  {Qt::Key_End, 35},        {Qt::Key_Home, 36},       {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},        {Qt::Key_Right, 39},      {Qt::Key_Down, 40},       {Qt::Key_Insert, 45},
    {Qt::Key_Delete, Key::Delete}, {Qt::Key_Meta, 91}, {Qt::Key_Semicolon, 186}, {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},     {Qt::Key_Comma, 188},     {Qt::Key_Minus, 189},     {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},   {Qt::Key_Slash, 191},       {Qt::Key_NumLock, 144},   {Qt::Key_ScrollLock, 145},
}};

// Keypad keys that have codes of their own.
constexpr std::array<std::pair<int, int32_t>, 5> PadTable{{
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, Key::PadAdd}, {Qt::Key_Minus, Key::PadSubtract},
    {Qt::Key_Period, 110},   {Qt::Key_Slash, 111},
}};

int32_t Lookup(const auto& table, int qtKey) {
  for (const auto& [key, code] : table) {
    if (key == qtKey) return code;
  }
  return 0;
}

}  // namespace

int32_t VirtualKey(int qtKey, bool keypad) {
  if (keypad) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return Key::Pad0 + (qtKey - Qt::Key_0);
    if (const int32_t code = Lookup(PadTable, qtKey); code != 0) return code;
  }
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;  // capital ASCII
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return qtKey;  // ASCII digits
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return Key::F1 + (qtKey - Qt::Key_F1);
  return Lookup(KeyTable, qtKey);
}

int32_t VirtualKey(const QKeyEvent& event) {
  return VirtualKey(event.key(), event.modifiers().testFlag(Qt::KeypadModifier));
}

int32_t ModifierBits(Qt::KeyboardModifiers modifiers) {
  int32_t bits = 0;
  if (modifiers.testFlag(Qt::ShiftModifier)) bits |= ModShift;
  if (modifiers.testFlag(Qt::ControlModifier)) bits |= ModControl;
  if (modifiers.testFlag(Qt::AltModifier)) bits |= ModAlt;
  return bits;
}

int32_t ModifierBitsAfter(const QKeyEvent& event) {
  int32_t own = 0;
  switch (event.key()) {
    case Qt::Key_Shift: own = ModShift; break;
    case Qt::Key_Control: own = ModControl; break;
    case Qt::Key_Alt: own = ModAlt; break;
    default: break;
  }
  const int32_t bits = ModifierBits(event.modifiers());
  return event.type() == QEvent::KeyRelease ? bits & ~own : bits | own;
}

}  // namespace drawlet::platform
