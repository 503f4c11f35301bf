#include "platform/qt/qt_platform.h"

namespace drawlet::platform {

QtPlatform::QtPlatform(int& argc, char** argv) : App(argc, argv) { QApplication::setQuitOnLastWindowClosed(false); }

}  // namespace drawlet::platform
