// "Vertretungswahl" (Art 80, höchstens einmal): vervollständigt eine Vertretung. Die Regeln
// stehen in substitution/VWahlUnit; das Fenster bildet nur Ereignisse darauf ab.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/DienstUnit.h"
#include "substitution/VWahlUnit.h"
#include "ui/fenster/EinzelFormUnit.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class TVertretung;

// Öffnet das eine Auswahlfenster (oder nimmt das offene) und zeigt die Vertretung.
void VWahlZeigen(TVertretung& v);

// Ein Raster mit festen Spaltenbreiten, das seine Zellen über einen Rückruf zeichnet.
class TVWahlGrid : public QWidget {
  Q_OBJECT

 public:
  TVWahlGrid(std::vector<int> breiten, QWidget* parent);
  static constexpr int kHoehe = 16;
  std::function<void(QPainter&, int zeile, int spalte, const QRect&)> fZeichnen;
  void SetzeZeilen(int n);
  int Zeilen() const { return fZeilen; }
  int Spalte(int x) const;
  QRect ZellRechteck(int spalte, int zeile) const;
  int Links(int spalte) const;
  int fAuswahl = -1;
  QSize sizeHint() const override;

 signals:
  // Maus losgelassen über einer Zelle; x vom linken Rand der Zelle.
  void Losgelassen(int zeile, int spalte, int x, Qt::MouseButton knopf,
                   Qt::KeyboardModifiers tasten);
  void Doppelklick(int zeile, int spalte);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  std::vector<int> fBreiten;
  int fZeilen = 0;
  int ZeileAn(int y) const { return y / kHoehe; }
};

class TVWahlForm : public TEinzelForm {
  Q_OBJECT

 public:
  ~TVWahlForm() override;

  // Das offene Fenster, oder ein neues (angemeldet, an seinem Platz).
  static TVWahlForm* Holen();
  void IVWahlForm(TVertretung* vertretung);

  TVWahl fWahl{this};

  QLabel* StdFeld = nullptr;
  QLabel *LehrerFeld = nullptr, *FachFeld = nullptr, *RaumFeld = nullptr;
  QPushButton *LehrerKnopf = nullptr, *FachKnopf = nullptr, *RaumKnopf = nullptr;
  QPushButton *FreiKnopf = nullptr, *LoeschenKnopf = nullptr, *WieKnopf = nullptr;
  QCheckBox* AnrechnenCheck = nullptr;
  QLineEdit *InfoFeldL = nullptr, *InfoFeldS = nullptr;
  QPushButton *LBemKnopf = nullptr, *SBemKnopf = nullptr;
  QGroupBox *StattBox = nullptr, *VerlegtBox = nullptr;
  QLabel *StattFeld = nullptr, *VerlegtFeld = nullptr;
  QPushButton *StattKnopf = nullptr, *VerlegtKnopf = nullptr, *StattMenuKnopf = nullptr;
  QLabel *PlnKuerzelFeld = nullptr, *PlnRaumFeld = nullptr;
  QRadioButton *LehrerplanRadio = nullptr, *KlassenplanRadio = nullptr;
  TVWahlGrid* PlanGrid = nullptr;
  QRadioButton *RaumauswahlRadio = nullptr, *LehrerauswahlRadio = nullptr;
  QPushButton *LehrerAuswahlKnopf = nullptr, *VStdKnopf = nullptr;
  QCheckBox *FreieCheck = nullptr, *RandCheck = nullptr;
  TVWahlGrid *LehrerGrid = nullptr, *RaumGrid = nullptr;

  const std::vector<TVWahlZeile>& LehrerZeilen() const { return fLehrer; }
  const std::vector<TVWahlZeile>& RaumZeilen() const { return fRaeume; }
  const std::vector<TVWahlPlanZeile>& PlanZeilen() const { return fPlan; }

  // Knöpfe und Raster (auch für Tests).
  void LehrerKnopfClick();
  void RaumKnopfClick();
  void FachKnopfClick();
  void BemKnopfClick(bool schueler);
  void StattMenuKnopfClick();
  void LehrerGridLos(int zeile, int spalte, Qt::MouseButton knopf, Qt::KeyboardModifiers tasten);
  void LehrerGridDoppel(int zeile);
  void RaumGridDoppel(int zeile);

  // ---- TFenster ----
  int FensterArt() const override { return ::FensterArt::VertretungsWahl; }
  std::string Titel() const override { return "Vertretungswahl"; }
  void FensterUpdate() override;
  void FensterRefresh() override;
  void Blaettern(int richtung, unsigned umschalt) override;
  void KursGeloescht(TKurs* kurs) override;

 protected:
  // Löst die Vertretung und merkt die Lage des Fensters.
  void BeimAbmelden() override;
  // Nicht, solange ein eigenes Menü offen ist.
  bool SchliessenErlaubt() override { return fMenueOffen == 0; }
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* objekt, QEvent* event) override;

 private:
  TVWahlForm();
  void VertretungAendern();
  void LehrerListeAendern();
  void RaumListeAendern();
  void TagesPlanAendern();
  void ModusZeigen();
  void HoeheAnpassen();
  // Eine Auswahlliste der Palette unter dem Knopf; nichts ohne Fensterdienst.
  std::optional<TFensterDienst::TElementWahl> Auswahl(TKuerzelArt art, bool mitOhne,
                                                      QWidget* unter);
  void MenueZeigen(TMenue menue, const QPoint& pos);
  void ZeichneStreifen(QPainter& p, const QRect& r, const TVWahlZeile& z) const;

  std::vector<TVWahlZeile> fLehrer, fRaeume;
  std::vector<TVWahlPlanZeile> fPlan;
  QScrollArea *fLehrerRolle = nullptr, *fRaumRolle = nullptr;
  int fMenueOffen = 0;
};
