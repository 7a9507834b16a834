#pragma once

#include <QCursor>
#include <QImage>
#include <QString>

// The bitmaps and cursors compiled into the program, by resource name
// ("BTNMAXIMIZAR", "SPLASH_MINI") or number ("101"). The files live in
// resources/images as <name>.png (or .bmp, .gif); cursors as
// resources/images/cursor<number>.png with the hot spot at the centre.
namespace res {

// Null image when the program holds no such bitmap.
QImage LoadResPicture(const QString& name);
inline QImage LoadResPicture(int id) { return LoadResPicture(QString::number(id)); }

// The default arrow when the program holds no such cursor.
QCursor LoadResCursor(int id);

}  // namespace res
