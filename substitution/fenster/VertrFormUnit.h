// Der Tagesplan "Vertretungen" (TVertrForm, Fensterart 69), der Datumsdialog "Datum für den
// Vertretungsplan" (TVertrDatForm) und die Befehle "Heute", "Morgen" und "anderer Tag". Die
// Regeln stehen in VertrUnit; das Fenster bildet nur die Ereignisse darauf ab.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "model/DienstUnit.h"
#include "model/GlobalUnit.h"
#include "model/MenueUnit.h"
#include "ui/fenster/EinzelFormUnit.h"
#include "ui/fenster/PopupMenueUnit.h"
#include "ui/fenster/QuonGridUnit.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class TFehl;
class TVertretung;

class TVertrForm : public TEinzelForm {
  Q_OBJECT

 public:
  TVertrForm();
  ~TVertrForm() override;

  static constexpr int kArt = 69;

  TDateTime fDatum = 0;
  int fAnzahl = 0;
  int fRow = 0;

  QButtonGroup* SortGroup = nullptr;
  TQuonGrid* VertrGrid = nullptr;
  QPointer<TPopupMenue> VertrPopup;
  QCheckBox* InaktivCheck = nullptr;
  QLabel* DatumFeld = nullptr;
  QPushButton* LehrerKnopf = nullptr;
  QPushButton* KlassenKnopf = nullptr;
  QPushButton* RaumKnopf = nullptr;
  QPushButton* AdHocSetzKnopf = nullptr;
  QPushButton* AdHocLoeschKnopf = nullptr;

  // Der Tagesdialog der Abwesenheiten (Art leh, kla oder rau; vorgewählte Abwesenheit oder
  // nichts). Leer: TFehlForm modal.
  std::function<void(TKuerzelArt, TFehl*)> fFehlDialog;

  void IVertrForm(TDateTime datum);
  // Die Vertretung der Zeile (1..), oder nichts.
  TVertretung* Vertretung(int row) const;
  void MarkiereZeile(int i);
  int ZeilenZahl() const;

  void SortGroupClick(int index);
  void InaktivCheckClick();
  void AdHocSetzKnopfClick();
  void AdHocLoeschKnopfClick();
  void FehlKnopfClick(TKuerzelArt art, bool mitStrg);
  void FehlWahl(TFehl* fehl);
  TPopupMenue* OffenesMenue() const { return VertrPopup.data(); }

  int FensterArt() const override { return kArt; }
  std::string Titel() const override { return "Vertretungen"; }
  void FensterUpdate() override;
  void FensterRefresh() override;
  void Geaendert(const TModellAenderung& aenderung) override;
  void AllesAuswaehlen() override;
  void Blaettern(int richtung, unsigned umschalt) override;

 protected:
  // Merkt die Lage in den Einstellungen und schließt ein offenes Menü.
  void BeimAbmelden() override;
  bool eventFilter(QObject* objekt, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Groesse();
  void Zeichnen(QPainter& p, int col, int row, const QRect& rect, const TZellZustand& zustand);
  void DoppelKlick(const TGridMaus& maus);
  void MausLos(const TGridMaus& maus);
  void MenueZeigen(TMenue menue, const QPoint& bildschirm);
  void FehlDialogOeffnen(TKuerzelArt art, TFehl* fehl);

  bool fMitStrg = false;
  bool fEinrasten = false;
  std::vector<TVertretung*> fZeilen;
};

// "Datum für den Vertretungsplan": Tag, Monat, Jahr und der Wochentag.
class TVertrDatForm : public QDialog {
  Q_OBJECT

 public:
  explicit TVertrDatForm(QWidget* parent = nullptr);
  QSpinBox* TagFeld = nullptr;
  QSpinBox* MonatFeld = nullptr;
  QSpinBox* JahrFeld = nullptr;
  QLabel* WoTagFeld = nullptr;
  QPushButton* OkKnopf = nullptr;
  QPushButton* AbbrechenKnopf = nullptr;
  // Das berichtigte Datum mittags.
  TDateTime HolDatum();
  void Berichtigen();

 private:
  bool fBerichtigt = false;
};

// TSchule.Vertretung: der Tagesplan für den Tag, oder "Vertretung unnötig".
void VertretungZeigen(TDateTime datum);
// "anderer Tag": der Datumsdialog, dann VertretungZeigen.
void VertretungAndererTag();
// Für Tests: ersetzt den Datumsdialog (nichts: "Abbrechen"). Leer: TVertrDatForm modal.
std::function<std::optional<TDateTime>()>& VertrDatumWahl();
