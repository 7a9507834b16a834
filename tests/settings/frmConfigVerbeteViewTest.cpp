#include "frmConfigVerbete.h"

#include "DialogosFixture.h"
#include "HeadlessWebEngine.h"
#include "ViewHelpers.h"
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
  const auto shown = [view] {
    return RunScript(view->page(), QStringLiteral("document.documentElement.outerHTML")).toString();
  };
  while (!shown().contains(QStringLiteral("D_TIT")) && rendered.wait(20000)) {
  }
  EXPECT_TRUE(shown().contains(QStringLiteral("#D_TIT { color: #336699"))) << shown().left(400).toStdString();
}

}  // namespace
