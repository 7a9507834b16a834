#include "QtDialogs.h"
#include "QtTranslations.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>

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

namespace {

// Answers the colour dialog once it is up: accepted or cancelled.
void answerColourDialog(bool accept) {
  QTimer::singleShot(0, [accept] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* d = qobject_cast<QColorDialog*>(w); d != nullptr && d->isVisible()) accept ? d->accept() : d->reject();
    }
  });
}

}  // namespace

TEST(QtDialogs, ColourDialogGivesTheColourRedLowAndThrowsOnCancel) {
  dlg::QtDialogs dialogs;
  answerColourDialog(true);
  EXPECT_EQ(dialogs.ShowColor(0xFF000A), 0xFF000A);
  answerColourDialog(false);
  EXPECT_THROW(dialogs.ShowColor(0x123456), dlg::CancelError);
}

// Qt's standard dialogs speak the program's language.
TEST(QtDialogs, StandardDialogsAreInPortuguese) {
  ASSERT_TRUE(qttranslations::installPortuguese(*QCoreApplication::instance()));
  QColorDialog dialog;
  const auto* botoes = dialog.findChild<QDialogButtonBox*>();
  ASSERT_NE(botoes, nullptr);
  EXPECT_EQ(botoes->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancelar"));
}
