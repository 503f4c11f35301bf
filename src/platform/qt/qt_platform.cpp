#include "platform/qt/qt_platform.h"

namespace drawlet::platform {

QtPlatform::QtPlatform(int& argc, char** argv) : App(argc, argv) {
  QApplication::setQuitOnLastWindowClosed(false);
  // The panels place 20-pixel-high controls and 35-pixel labels; a compact font fits them.
  QFont font = QApplication::font();
  font.setPointSize(8);
  QApplication::setFont(font);
}

}  // namespace drawlet::platform
