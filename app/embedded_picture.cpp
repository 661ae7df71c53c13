#include "app/embedded_picture.h"

#include <QFileInfo>
#include <QImageReader>

namespace korvex {

QPixmap EmbeddedPicture(const QString& path)
{
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace korvex
