#pragma once

#include "PictureBox.h"

#include <QChar>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>

// The letter picker: the alphabet as a bitmap of two rows of 13 cells of
// 19 x 19 pixels ("A" to "M", then "N" to "Z") in a picture box, with the
// letter under the pointer and the selected letter marked. Each picture is
// composed in a hidden back buffer and then shown. A click on a letter raises
// SelecionaLetra. The visible box reports the mouse in twips.
class CEscolheLetra final : public QObject {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(CEscolheLetra)

 public:
  explicit CEscolheLetra(QObject* parent = nullptr);

  // Binds the visible box (set to report twips) and the back buffer (sized
  // to the bitmaps), shows the plain alphabet, and clears the selection and
  // the hover mark. Both boxes must outlive the picker.
  void Inicializa(PictureBox& img, PictureBox& backBuffer);
  // Clears the hover mark and redraws; the main window calls it on every
  // mouse move over itself.
  void LimparDestaque();
  // Clears the selection and the hover mark and redraws.
  void LimparSelecao();
  // Selects, from code, the letter that `letra` starts with (none when it is
  // empty or not "A" to "Z") and redraws; raises no event.
  void MarcaLetra(const QString& letra);

  // The letter at a point of the box in pixels; a null QChar outside the
  // 26 cells.
  static QChar LetraEm(double x, double y);
  // The selected letter; a null QChar for none.
  QChar LetraSelecionada() const { return selecionada_; }

 signals:
  // A letter was clicked (also the one already selected).
  void SelecionaLetra(const QString& letra);

 private:
  void DesenhaLetras();
  void m_PictureBox_MouseMove(int button, int shift, double x, double y);
  void m_PictureBox_MouseUp(int button, int shift, double x, double y);
  void m_PictureBox_LostFocus();

  QPointer<PictureBox> m_PictureBox;
  QPointer<PictureBox> backBuffer_;
  QImage bmpNormal_, bmpSelecionado_, bmpDestaque_;
  QChar selecionada_;
  QChar destaqueLetra_;
  QChar ultimoDestaque_;
};
