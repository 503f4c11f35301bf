#pragma once

#include <string>

namespace drawlet::platform {

enum class SaveChoice { Save, Discard, Cancel };

// Asks before work is thrown away.
class Questions {
 public:
  virtual ~Questions() = default;
  // A question-mark box with the answers save, discard and cancel; closing it cancels.
  virtual SaveChoice AskToSave(const std::string& title, const std::string& text) = 0;
};

}  // namespace drawlet::platform
