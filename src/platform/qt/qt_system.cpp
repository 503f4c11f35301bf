#include "platform/qt/qt_system.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <chrono>

namespace drawlet::platform {

int64_t SteadyClock::Milliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

int64_t SeededRandom::Next(int64_t n) {
  if (n <= 0) return 0;
  return std::uniform_int_distribution<int64_t>(0, n)(engine_);
}

void QtShell::OpenDocument(const std::string& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(QString::fromStdString(path)).absoluteFilePath()));
}

}  // namespace drawlet::platform
