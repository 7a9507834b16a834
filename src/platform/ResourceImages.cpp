#include "ResourceImages.h"

#include <QFile>
#include <QPixmap>

namespace res {

QImage LoadResPicture(const QString& name) {
  for (const char* suffix : {".png", ".bmp", ".gif"}) {
    const QString path = QStringLiteral(":/images/") + name + QLatin1String(suffix);
    if (QFile::exists(path)) return QImage(path);
  }
  return QImage();
}

QCursor LoadResCursor(int id) {
  const QImage image = LoadResPicture(QStringLiteral("cursor%1").arg(id));
  if (image.isNull()) return QCursor(Qt::ArrowCursor);
  return QCursor(QPixmap::fromImage(image));
}

}  // namespace res
