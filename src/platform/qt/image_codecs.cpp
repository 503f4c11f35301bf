#include "platform/qt/image_codecs.h"

#include <QImageReader>
#include <QImageWriter>

namespace drawlet::platform {

bool ImageCodecsAvailable() {
  const QList<QByteArray> readable = QImageReader::supportedImageFormats();
  const QList<QByteArray> writable = QImageWriter::supportedImageFormats();
  return readable.contains("png") && writable.contains("png") && readable.contains("jpeg") &&
         writable.contains("jpeg");
}

}  // namespace drawlet::platform
