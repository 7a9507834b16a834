#include "frmConfigVerbete.h"

#include "DialogosFixture.h"
#include "HeadlessWebEngine.h"
#include "WebView.h"

#include <QSignalSpy>

#include <memory>

namespace {

class ConfigVerbeteView : public DialogosFixture {
 protected:
  ConfigVerbeteView() { PrepareHeadlessWebEngine(); }
};

// The preview as the user sees it: the real view gets the sample entry with
// its style sheet.
TEST_F(ConfigVerbeteView, ThePreviewShowsTheSampleEntryWithItsStyles) {
  frmConfigVerbete dlg(frmConfigVerbete::Dependencias{config, dialogs, comando(), {}});
  auto* view = dlg.findChild<WebView*>();
  ASSERT_NE(view, nullptr);
  QSignalSpy rendered(view, &WebView::Rendered);
  dlg.show();
  while (!view->shownHtml().contains(QStringLiteral("D_TIT")) && rendered.wait(20000)) {
  }
  EXPECT_TRUE(view->shownHtml().contains(QStringLiteral("#D_TIT { color: #336699")))
      << view->shownHtml().left(400).toStdString();
}

}  // namespace
