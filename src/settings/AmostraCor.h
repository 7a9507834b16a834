#pragma once

#include <QFrame>

#include <cstdint>

// A colour swatch: a framed box filled with one colour (0xBBGGRR) that
// reports a click of the left button.
class AmostraCor final : public QFrame {
  Q_OBJECT

 public:
  explicit AmostraCor(QWidget* parent = nullptr);
  Q_DISABLE_COPY_MOVE(AmostraCor)

  std::int32_t cor() const { return m_cor; }
  // Fills the box with `cor`.
  void defineCor(std::int32_t cor);

 signals:
  void Click();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::int32_t m_cor = 0;
};
