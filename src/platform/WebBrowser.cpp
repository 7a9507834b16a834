#include "WebBrowser.h"

#include "PageAccess.h"
#include "PageFile.h"
#include "ProgramPaths.h"
#include "ResourceStrings.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtDebug>

namespace {

enum class Kind { LocalFile, Outside, Blank, Unsupported };

// A URL scheme: two characters at least, so "C:\..." is a path.
QString schemeOf(const QString& address) {
  static const QRegularExpression scheme(QStringLiteral(R"(^([A-Za-z][A-Za-z0-9+.\-]+):)"));
  const QRegularExpressionMatch match = scheme.match(address);
  return match.hasMatch() ? match.captured(1).toLower() : QString();
}

Kind kindOf(const QString& address) {
  const QString scheme = schemeOf(address);
  if (scheme.isEmpty() || scheme == u"file") return Kind::LocalFile;
  if (scheme == u"http" || scheme == u"https" || scheme == u"ftp" || scheme == u"mailto") return Kind::Outside;
  if (address.compare(u"about:blank", Qt::CaseInsensitive) == 0) return Kind::Blank;
  return Kind::Unsupported;
}

// The file a program path or file: URL names, without its "?" or "#" part.
QString fileOf(const QString& address) {
  if (!schemeOf(address).isEmpty()) return QUrl(address).toLocalFile();
  const qsizetype cut = address.indexOf(QRegularExpression(QStringLiteral("[?#]")));
  return paths::toFileSystem(cut < 0 ? address : address.left(cut));
}

// The page shown in place of the page at `address`, which is not shown.
QString messagePage(pageaccess::Verdict verdict, const QString& address) {
  QString page;
  switch (verdict) {
    case pageaccess::Verdict::Outside: page = LoadResString(876); break;
    case pageaccess::Verdict::NotAPage: page = LoadResString(877); break;
    case pageaccess::Verdict::Allowed:  // but it could not be read
    case pageaccess::Verdict::Missing: page = LoadResString(875); break;
  }
  return page.arg(address.toHtmlEscaped());
}

QUrl outsideUrl(const QString& address) {
  if (kindOf(address) == Kind::LocalFile) return QUrl::fromLocalFile(fileOf(address));
  return QUrl(address);
}

}  // namespace

WebBrowser::WebBrowser(ExternalOpener openExternal, QObject* parent)
    : QObject(parent), openExternal_(std::move(openExternal)) {}

void WebBrowser::Navigate(const QString& address, const QString& targetFrameName) {
  const Kind kind = kindOf(address);
  if (!targetFrameName.isEmpty() || kind == Kind::Outside) {
    if (openExternal_) openExternal_(outsideUrl(address));
    else qInfo("web browser: not opening %s outside the program", qPrintable(address));
    return;
  }
  bool cancel = false;
  emit BeforeNavigate2(address, cancel);
  if (cancel) return;
  switch (kind) {
    case Kind::Blank:
      load(address, QString(), QString());
      return;
    case Kind::LocalFile:
      loadFile(address);
      return;
    case Kind::Outside:
    case Kind::Unsupported:
      qInfo("web browser: no page at %s", qPrintable(address));
      return;
  }
}

void WebBrowser::loadFile(const QString& address) {
  const QString path = fileOf(address);
  // Only a file the guard allows is opened at all.
  const pageaccess::Verdict verdict = pageaccess::check(path);
  std::optional<QString> page;
  if (verdict == pageaccess::Verdict::Allowed) page = pagefile::read(path, pageaccess::kLargestPage);
  if (page) {
    load(address, path, *page);
  } else {
    // A refused file is not the page's folder for what follows.
    const bool refused = verdict == pageaccess::Verdict::Outside || verdict == pageaccess::Verdict::NotAPage;
    load(address, refused ? QString() : path, messagePage(verdict, address));
  }
}

void WebBrowser::load(const QString& address, const QString& filePath, const QString& html) {
  const std::uint64_t navigation = ++navigation_;
  location_ = address;
  filePath_ = filePath;
  readyState_ = ReadyState::Loading;
  document_.load(html);
  QMetaObject::invokeMethod(
      this,
      [this, navigation, address] {
        if (navigation != navigation_) return;  // a later navigation replaced this one
        readyState_ = ReadyState::Complete;
        emit DocumentComplete(address);
      },
      Qt::QueuedConnection);
}

void WebBrowser::FollowLink(const QString& href) {
  if (href.isEmpty() || href.startsWith(u'#')) return;
  if (!schemeOf(href).isEmpty() || href.startsWith(u'/') || href.startsWith(u'\\') || filePath_.isEmpty()) {
    Navigate(href);
    return;
  }
  const qsizetype cut = href.indexOf(QRegularExpression(QStringLiteral("[?#]")));
  const QString path = QUrl::fromPercentEncoding((cut < 0 ? href : href.left(cut)).toUtf8());
  const QString rest = cut < 0 ? QString() : href.mid(cut);
  Navigate(QDir::cleanPath(QFileInfo(filePath_).absolutePath() + u'/' + path) + rest);
}

void WebBrowser::Print() { emit PrintRequested(); }

QUrl WebBrowser::baseUrl() const {
  const QString folder = filePath_.isEmpty() ? paths::appPath() : QFileInfo(filePath_).absolutePath();
  return QUrl::fromLocalFile(folder + u'/');
}
