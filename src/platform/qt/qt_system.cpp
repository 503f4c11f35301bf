#include "platform/qt/qt_system.h"

#include <QFileInfo>
#include <QProcess>
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

bool QtShell::OpenDocument(const std::string& path) {
  const QFileInfo file(QString::fromStdString(path));
  if (!file.isFile() || opener_.isEmpty()) return false;
  auto* opener = new QProcess;
  opener->setProgram(opener_.first());
  opener->setArguments(opener_.mid(1) << file.absoluteFilePath());
  opener->setWorkingDirectory(file.absolutePath());
  opener->setStandardInputFile(QProcess::nullDevice());
  opener->setStandardOutputFile(QProcess::nullDevice());
  opener->setStandardErrorFile(QProcess::nullDevice());
  opener->start();
  if (!opener->waitForStarted()) {
    delete opener;
    return false;
  }
  // A desktop's opener hands the file over and ends at once, its exit code telling whether a
  // viewer took it ("no method available" is 3); a plain opener runs the viewer in its place.
  if (opener->waitForFinished(waitMilliseconds_)) {
    const bool opened = opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
    delete opener;
    return opened;
  }
  // Deleting a QProcess kills its program, so the viewer's is kept until it ends, also past the
  // editor's own end.
  QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
  return true;
}

}  // namespace drawlet::platform
