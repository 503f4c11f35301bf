#pragma once

#include <Qt>
#include <cstdint>

class QKeyEvent;

namespace drawlet::platform {

// The virtual-key code of a Qt key; the keypad's digits, "+" and "-" count only with the
// keypad flag, so the main keyboard's plus and minus keep codes of their own. 0 when unknown.
int32_t VirtualKey(int qtKey, bool keypad);
int32_t VirtualKey(const QKeyEvent& event);

// The ModShift, ModControl and ModAlt bits of Qt modifiers.
int32_t ModifierBits(Qt::KeyboardModifiers modifiers);

// The modifier bits held once the key of a press or release has acted, so a press of Shift
// reports Shift held and its release reports it let go, whatever the windowing system says.
int32_t ModifierBitsAfter(const QKeyEvent& event);

}  // namespace drawlet::platform
