#pragma once

#include <QMenu>
#include <QPoint>

// Pops a menu up at a point of the screen and waits for it to close, as
// the toolbar's menu buttons expect: a chosen item's action has run by
// the time popup returns.
class IPopupMenu {
 public:
  virtual ~IPopupMenu() = default;

  // Shows `menu` with its top-left corner at `globalPos` (screen pixels)
  // and returns when it closes, chosen or dismissed.
  virtual void popup(QMenu& menu, const QPoint& globalPos) = 0;
};

// Over QMenu::exec.
class QtPopupMenu final : public IPopupMenu {
 public:
  void popup(QMenu& menu, const QPoint& globalPos) override;
};
