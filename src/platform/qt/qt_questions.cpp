#include "platform/qt/qt_questions.h"

#include <QMessageBox>

namespace drawlet::platform {

SaveChoice QtQuestions::AskToSave(const std::string& title, const std::string& text) {
  QMessageBox box(window_.Widget());
  box.setWindowTitle(QString::fromStdString(title));
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromStdString(text));
  box.setIcon(QMessageBox::Question);
  box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
  box.setDefaultButton(QMessageBox::Save);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Save:
      return SaveChoice::Save;
    case QMessageBox::Discard:
      return SaveChoice::Discard;
    default:
      return SaveChoice::Cancel;
  }
}

}  // namespace drawlet::platform
