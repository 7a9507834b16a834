#include "QtDialogs.h"

#include <gtest/gtest.h>

namespace {

TEST(QtDialogs, FilterPairsBecomeQtFilters) {
  EXPECT_EQ(dlg::QtDialogs::QtFilter(QStringLiteral("Texto|*.txt|Todos|*.*|")),
            QStringLiteral("Texto (*.txt);;Todos (*.*)"));
  EXPECT_EQ(dlg::QtDialogs::QtFilter(QString::fromUtf16(u"Páginas\0*.htm;*.html\0\0", 23)),
            QStringLiteral("Páginas (*.htm *.html)"));
  EXPECT_EQ(dlg::QtDialogs::QtFilter(QString()), QString());
}

}  // namespace
