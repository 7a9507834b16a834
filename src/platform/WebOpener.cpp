#include "WebOpener.h"

#include <QDesktopServices>

bool QtWebOpener::open(const QUrl& address) { return QDesktopServices::openUrl(address); }
