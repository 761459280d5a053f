// Der Tagesdialog der Abwesenheiten: "Fehlende Lehrer", "Fehlende Klassen", "Fehlende Räume".
#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <optional>
#include <vector>

#include "substitution/FehlDialogUnit.h"
#include "ui/fenster/PopupMenueUnit.h"

class QLabel;
class QPushButton;
class QScrollArea;

// Das Raster: je Element eine Zeile mit Grund, Tagesstreifen, Kürzel und Kalendersymbol.
class TFehlGrid : public QWidget {
  Q_OBJECT

 public:
  TFehlGrid(TFehlDialog& dialog, QWidget* parent);
  static constexpr int kBreite[4] = {16, 146, 54, 16};
  static constexpr int kHoehe = 18;
  // Linker Rand der Spalte.
  static int Links(int spalte);
  QRect ZellRechteck(int spalte, int zeile) const;
  void Anpassen();
  QSize sizeHint() const override;

 signals:
  // Maus losgelassen über einer Zeile; x vom linken Rand der Zelle.
  void Geklickt(int zeile, int spalte, int x, Qt::KeyboardModifiers tasten);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TFehlDialog& fDialog;
};

class TFehlForm : public QDialog {
  Q_OBJECT

 public:
  explicit TFehlForm(QWidget* parent = nullptr);
  void IFehlForm(TDateTime datum, TKuerzelArt art, TFehl* fehl);

  TFehlDialog fDialog;
  // Wahl der Elemente für "Lehrer"/"Klassen"/"Räume" (mit Strg: eines); leer: die Auswahllisten
  // der Palette.
  std::function<std::vector<TPlanElement*>(bool mitStrg)> fElementWahl;
  // Das Ende der längeren Fehlzeit, oder nichts bei "Abbrechen"; leer: "längere Fehlzeit".
  std::function<std::optional<TDateTime>(TDateTime datum, const TPlanElement* element)> fBisWahl;

  QLabel* DatumFeld = nullptr;
  QPushButton* ElementKnopf = nullptr;
  QPushButton* VonKnopf = nullptr;
  QPushButton* BisKnopf = nullptr;
  TFehlGrid* FehlGrid = nullptr;
  QPushButton* OkKnopf = nullptr;
  QPushButton* AbbrechenKnopf = nullptr;

  void ElementKnopfClick();
  void OkKnopfClick();
  void ZeileGeklickt(int zeile, int spalte, int x, Qt::KeyboardModifiers tasten);
  TPopupMenue* OffenesMenue() const { return fMenue.data(); }

 protected:
  bool eventFilter(QObject* objekt, QEvent* event) override;

 private:
  void Auffrischen();
  void Menue(TMenue menue, QWidget* unter, std::function<void(int)> wahl);
  QScrollArea* fRolle = nullptr;
  bool fMitCtrl = false;  // Strg beim Drücken des Elementknopfs
  QPointer<TPopupMenue> fMenue;
};
