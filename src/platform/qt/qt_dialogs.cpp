#include "platform/qt/qt_dialogs.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "platform/narrow.h"
#include "platform/font.h"

namespace drawlet::platform {

QStringList NameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
      pattern = pattern.trimmed();
      if (pattern == "*.*") pattern = "*";
    }
    filters.append(parts[i] + " (" + patterns.join(' ') + ")");
  }
  return filters;
}

namespace {

// The family's style with the slant asked for and the weight closest to it, so the font
// dialog opens on it: families name their styles their own way ("Book", "Oblique"), and the
// dialog falls back to its first style when a generic name is not among them. Among equals
// the shortest name wins, the plain style before its "Condensed" variant.
QString StyleNameFor(const QString& family, bool bold, bool italic) {
  const int target = bold ? QFont::Bold : QFont::Normal;
  QString best;
  int bestDistance = std::numeric_limits<int>::max();
  for (const QString& style : QFontDatabase::styles(family)) {
    const QFont face = QFontDatabase::font(family, style, 12);
    if (face.italic() != italic) continue;
    const int distance = std::abs(face.weight() - target);
    if (distance < bestDistance || (distance == bestDistance && style.size() < best.size())) {
      best = style;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace

QString QtDialogs::StartFolder() const {
  if (!lastFolder_.isEmpty() && QDir(lastFolder_).exists()) return lastFolder_;
  const QString shapes = QDir::current().filePath("data/shapes");
  return QDir(shapes).exists() ? shapes : QDir::currentPath();
}

std::string QtDialogs::AskFile(bool save, const std::string& title, const std::string& defaultFile,
                               const std::string& filter, int filterIndex) {
  QFileDialog dialog(window_.Widget(), QString::fromStdString(title), StartFolder());
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // Saving over a file asks nothing, like the rest of the program.
  if (save) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  const QStringList filters = NameFilters(filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(filterIndex, filters.first()));
  }
  if (!defaultFile.empty()) dialog.selectFile(QString::fromStdString(defaultFile));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString chosen = dialog.selectedFiles().first();
  lastFolder_ = QFileInfo(chosen).absolutePath();
  return chosen.toStdString();
}

std::string QtDialogs::OpenFile(const std::string& title, const std::string& defaultFile, const std::string& filter,
                                int filterIndex) {
  return AskFile(false, title, defaultFile, filter, filterIndex);
}

std::string QtDialogs::SaveFile(const std::string& title, const std::string& defaultFile, const std::string& filter,
                                int filterIndex) {
  return AskFile(true, title, defaultFile, filter, filterIndex);
}

std::optional<std::string> QtDialogs::Input(const std::string& title, const std::string& message,
                                            const std::string& defaultText) {
  QInputDialog dialog(window_.Widget());
  dialog.setWindowTitle(QString::fromStdString(title));
  dialog.setLabelText(QString::fromStdString(message));
  dialog.setTextValue(QString::fromStdString(defaultText));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}

std::optional<int64_t> QtDialogs::Color(int64_t initial) {
  QColorDialog dialog(QColor(RedOf(initial), GreenOf(initial), BlueOf(initial)), window_.Widget());
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QColor chosen = dialog.selectedColor();
  // The dialog picks no alpha; the colour keeps the one it came with.
  return Rgba(WrapU8(chosen.red()), WrapU8(chosen.green()), WrapU8(chosen.blue()), AlphaOf(initial));
}

std::optional<FontChoice> QtDialogs::Font(const FontChoice& initial) {
  QFont font(QString::fromStdString(initial.FaceName));
  if (initial.Size > 0) font.setPointSize(static_cast<int>(std::min<int64_t>(initial.Size, 1000)));
  const bool bold = (initial.Style & FontBold) != 0;
  const bool italic = (initial.Style & FontItalic) != 0;
  font.setBold(bold);
  font.setItalic(italic);
  font.setStyleName(StyleNameFor(font.family(), bold, italic));
  font.setUnderline((initial.Style & FontUnderline) != 0);
  font.setStrikeOut((initial.Style & FontStrikeOut) != 0);
  QFontDialog dialog(font, window_.Widget());
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QFont chosen = dialog.selectedFont();
  int64_t style = 0;
  if (chosen.bold()) style |= FontBold;
  if (chosen.italic()) style |= FontItalic;
  if (chosen.underline()) style |= FontUnderline;
  if (chosen.strikeOut()) style |= FontStrikeOut;
  return FontChoice{chosen.family().toStdString(), chosen.pointSize(), style};
}

void QtMessageBoxes::Show(const std::string& title, const std::string& text, MessageIcon icon) {
  QMessageBox box(window_.Widget());
  box.setWindowTitle(QString::fromStdString(title));
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromStdString(text));
  switch (icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::Info: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
  }
  box.setStandardButtons(QMessageBox::Ok);
  // The texts are lines of their own: the label is as wide as the longest, so Qt's wrapping never pushes a last
  // word onto a line alone.
  if (auto* label = box.findChild<QLabel*>("qt_msgbox_label")) {
    int longest = 0;
    for (const QString& line : QString::fromStdString(text).split('\n')) {
      longest = std::max(longest, label->fontMetrics().horizontalAdvance(line));
    }
    label->setMinimumWidth(longest + label->fontMetrics().averageCharWidth());
  }
  box.exec();
}

}  // namespace drawlet::platform
