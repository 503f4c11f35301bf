#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace drawlet::platform {

struct FontChoice {
  std::string FaceName;
  int64_t Size = 0;
  int64_t Style = 0;
};

// Modal dialogs. A filter is label and pattern pairs separated by "|".
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // The chosen path, empty on cancel.
  virtual std::string OpenFile(const std::string& title, const std::string& defaultFile,
                               const std::string& filter, int filterIndex) = 0;
  // The chosen path, empty on cancel.
  virtual std::string SaveFile(const std::string& title, const std::string& defaultFile,
                               const std::string& filter, int filterIndex) = 0;
  // The typed text, which may be empty; nullopt on cancel.
  virtual std::optional<std::string> Input(const std::string& title, const std::string& message,
                                           const std::string& defaultText) = 0;
  // The chosen RGBA colour with the alpha of initial; nullopt on cancel.
  virtual std::optional<int64_t> Color(int64_t initial) = 0;
  // The chosen font, nullopt on cancel.
  virtual std::optional<FontChoice> Font(const FontChoice& initial) = 0;
};

enum class MessageIcon { None, Error, Info, Question };

// Message boxes with an OK button only.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual void Show(const std::string& title, const std::string& text, MessageIcon icon) = 0;
};

}  // namespace drawlet::platform
