#include "app/app.h"
#include "app/main_loop.h"
#include "app/start_up.h"
#include "platform/cairo/cairo_canvas.h"
#include "platform/cairo/cairo_images.h"
#include "platform/cairo/cairo_raster_canvas.h"
#include "platform/cairo/pango_fonts.h"
#include "platform/local_files.h"
#include "platform/qt/image_codecs.h"
#include "platform/qt/qt_platform.h"

int main(int argc, char** argv) {
  using namespace drawlet;
  // Qt's own switches are taken from argv by QApplication; the editor reads no arguments.
  platform::QtPlatform qt(argc, argv);
  platform::LocalFiles files;
  platform::PangoFonts fonts;
  platform::CairoImages images;
  platform::CairoCanvases canvases;
  platform::CairoRasterCanvases rasters;
  App app(AppPorts{qt.Window, qt.Menus, qt.Controls, qt.Loop, files, qt.Dialogs, qt.Messages, fonts, images, canvases,
                   qt.Clock, qt.Random, qt.Shell, rasters, qt.Questions});
  if (StartUp(app, platform::ImageCodecsAvailable)) RunEventLoop(app);
  // The window outlives the editor state its size notification lays out.
  qt.Window.BindSize({});
  return 0;
}
