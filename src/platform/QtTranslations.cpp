#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QtDebug>

#include <memory>

namespace qttranslations {

bool installPortuguese(QCoreApplication& app) {
  auto translator = std::make_unique<QTranslator>();
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  // qtbase_pt_BR.qm, else qtbase_pt.qm.
  if (!translator->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"), QStringLiteral("_"),
                        folder) ||
      !QCoreApplication::installTranslator(translator.get())) {
    qWarning("Qt's Portuguese translations are not in %s; its dialogs speak English", qPrintable(folder));
    return false;
  }
  translator.release()->setParent(&app);  // the application owns it from here
  return true;
}

}  // namespace qttranslations
