#pragma once

#include <QString>
#include <QStringList>

#include "platform/dialogs.h"
#include "platform/qt/qt_main_window.h"

namespace drawlet::platform {

// Qt's name filters for a filter of label and pattern pairs separated by "|": "txt|*.txt"
// gives "txt (*.txt)". Patterns separated by ";" are listed with blanks, and "*.*" becomes "*"
// so that files without an extension are listed too.
QStringList NameFilters(const std::string& filter);

// Modal dialogs of Qt's own making, never the desktop's, so they look and behave the same
// everywhere; they sit over the main window once it is open. The file dialogs start in the
// folder of the last file chosen in any of them, and in "data/shapes/" under the current
// directory before the first choice.
class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QtMainWindow& window) : window_(window) {}

  std::string OpenFile(const std::string& title, const std::string& defaultFile, const std::string& filter,
                       int filterIndex) override;
  std::string SaveFile(const std::string& title, const std::string& defaultFile, const std::string& filter,
                       int filterIndex) override;
  std::optional<std::string> Input(const std::string& title, const std::string& message,
                                   const std::string& defaultText) override;
  std::optional<int64_t> Color(int64_t initial) override;
  std::optional<FontChoice> Font(const FontChoice& initial) override;

 private:
  std::string AskFile(bool save, const std::string& title, const std::string& defaultFile, const std::string& filter,
                      int filterIndex);
  QString StartFolder() const;

  QtMainWindow& window_;
  QString lastFolder_;
};

// Message boxes with an OK button only; the text is shown as plain text.
class QtMessageBoxes : public MessageBoxes {
 public:
  explicit QtMessageBoxes(QtMainWindow& window) : window_(window) {}
  void Show(const std::string& title, const std::string& text, MessageIcon icon) override;

 private:
  QtMainWindow& window_;
};

}  // namespace drawlet::platform
