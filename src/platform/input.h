#pragma once

#include <cstdint>

namespace drawlet::platform {

// Virtual-key codes as the canvas and the shortcuts report them.
namespace Key {
inline constexpr int32_t Shift = 16;
inline constexpr int32_t Control = 17;
inline constexpr int32_t Space = 32;
inline constexpr int32_t Delete = 46;
inline constexpr int32_t Pad0 = 96;  // Pad1 to Pad9 follow
inline constexpr int32_t PadAdd = 107;
inline constexpr int32_t PadSubtract = 109;
inline constexpr int32_t F1 = 112;
// Letters use their capital ASCII code ('A' is 65).
}  // namespace Key

// Modifier bits held at an event.
inline constexpr int32_t ModShift = 1;
inline constexpr int32_t ModControl = 2;
inline constexpr int32_t ModAlt = 4;

// Mouse button bits held at an event.
inline constexpr int32_t ButtonLeft = 1;

// What a control event reports.
enum class ControlEventType {
  Changed,      // state, text or selection changed; a button was clicked
  LeftDown,
  LeftUp,
  MouseMove,
  LeftDoubleClick,
  KeyDown,
  KeyUp,
  FocusLost,    // the canvas lost the keyboard focus
};

// The attributes of a canvas event, captured when it happened.
struct CanvasInput {
  int32_t X = 0;  // canvas pixels
  int32_t Y = 0;
  int32_t Buttons = 0;
  int32_t Key = 0;
  int32_t Modifiers = 0;
};

enum class EventKind { Menu, Control, Close };

// One event of the main loop.
struct Event {
  EventKind Kind = EventKind::Control;
  int64_t Id = 0;  // menu item id or control id
  ControlEventType Type = ControlEventType::Changed;
  CanvasInput Input;
};

}  // namespace drawlet::platform
