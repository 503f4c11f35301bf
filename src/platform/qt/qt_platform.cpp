#include "platform/qt/qt_platform.h"

#include <QIcon>
#include <QProxyStyle>
#include <QStyleOptionComplex>
#include <QStyleFactory>

namespace drawlet::platform {

namespace {

constexpr const char* WindowIconFile = "data/editor/drawlet.png";
// The side panels are 150 pixels wide: tighter tab headers keep "Shapes", "Color" and "FX" in view.
constexpr int TabHeaderSpace = 12;
constexpr int NarrowSpinWidth = 48;
constexpr int SlimArrowWidth = 11;

// Fusion with the tab headers made to fit the narrow side panels.
class DrawletStyle : public QProxyStyle {
 public:
  DrawletStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_TabBarTabHSpace) return TabHeaderSpace;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
  // Narrow spin boxes get slimmer arrows, so three digits stay readable.
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                       const QWidget* widget) const override {
    if (control != CC_SpinBox || option->rect.width() >= NarrowSpinWidth) {
      return QProxyStyle::subControlRect(control, option, part, widget);
    }
    const QRect r = option->rect;
    const int half = r.height() / 2;
    const int arrowsX = r.right() - SlimArrowWidth + 1;
    switch (part) {
      case SC_SpinBoxUp: return visualRect(option->direction, r, QRect(arrowsX, r.top(), SlimArrowWidth, half));
      case SC_SpinBoxDown:
        return visualRect(option->direction, r, QRect(arrowsX, r.top() + half, SlimArrowWidth, r.height() - half));
      case SC_SpinBoxEditField:
        return visualRect(option->direction, r,
                          QRect(r.left() + 2, r.top() + 2, r.width() - SlimArrowWidth - 4, r.height() - 4));
      default: return QProxyStyle::subControlRect(control, option, part, widget);
    }
  }
};

}  // namespace

void ApplyEditorLook() {
  // One style and its own palette everywhere, whatever the desktop's theme.
  auto* style = new DrawletStyle;
  QApplication::setStyle(style);
  QApplication::setPalette(style->standardPalette());
  // The panels place 20-pixel-high controls and 35-pixel labels; a compact font fits them.
  QFont font = QApplication::font();
  font.setPointSize(8);
  QApplication::setFont(font);
  QApplication::setWindowIcon(QIcon(WindowIconFile));
}

QtPlatform::QtPlatform(int& argc, char** argv) : App(argc, argv) {
  QApplication::setQuitOnLastWindowClosed(false);
  ApplyEditorLook();
}

}  // namespace drawlet::platform
