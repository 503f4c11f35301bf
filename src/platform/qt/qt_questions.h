#pragma once

#include "platform/qt/qt_main_window.h"
#include "platform/questions.h"

namespace drawlet::platform {

// The save question as a Qt message box over the main window.
class QtQuestions : public Questions {
 public:
  explicit QtQuestions(QtMainWindow& window) : window_(window) {}
  SaveChoice AskToSave(const std::string& title, const std::string& text) override;

 private:
  QtMainWindow& window_;
};

}  // namespace drawlet::platform
