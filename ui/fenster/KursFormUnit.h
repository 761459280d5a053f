// Das Kursfenster "Kurs": zeigt und ändert einen Kurs (Lehrer, Fach, Klassen, Kopplung, Räume,
// Stunden, Faktor, Stunden pro Tag, Einzelstunden, Tabelle, Schalter, Farbe, Info und
// Sperrungen). Es gibt höchstens eines (TSchule::fKursForm); es zeigt jeden Kurs, der als
// nächster geöffnet wird. Die Regeln der Felder stehen in ui/KursFeldUnit.
#pragma once

#include <string>
#include <vector>

#include "model/DienstUnit.h"
#include "model/MenueUnit.h"
#include "ui/fenster/CursorUnit.h"
#include "ui/fenster/FensterBasisUnit.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TElement;
class TKurs;
class TQuonGrid;
class TSchule;
class TSperrFeld;
class TSperrGrid;
struct TGridMaus;
struct TZahlBereich;
struct TZiehZiel;

class TKursForm : public TFensterBasis, public TCursorFenster {
  Q_OBJECT

 public:
  explicit TKursForm(QWidget* parent = nullptr);
  ~TKursForm() override;

  // Öffnet das Kursfenster der Schule mit dem Kurs (legt es an oder nimmt das offene) und holt
  // es nach vorn. vater: das Element, aus dessen Kursliste der Kurs kommt (nichts: die
  // Kursliste der Schule). Das Änderungskennzeichen der Schule bleibt, wie es war.
  static TKursForm* Oeffnen(TKurs* kurs, TElement* vater);

  // Zeigt den Kurs: trägt das Fenster ins Fenstermenü ein, richtet das Sperrraster nach den
  // Tagen und den Stundenbezeichnungen der aktuellen Woche ein und füllt alle Felder, ohne die
  // Schule als geändert zu markieren.
  void IKursForm(TKurs* kurs, TElement* vater);

  TKurs* fKurs = nullptr;
  TElement* fVater = nullptr;  // nichts: die Kursliste der Schule
  // Was der Knopf "Kürzel" ändert: 0 Lehrer, 1 Klassen, 2 Kopplung, 3 Fach, 4 Räume.
  int fArt = 0;

  // ---- Bedienelemente ----
  QRadioButton* LeRadio = nullptr;
  QRadioButton* KlRadio = nullptr;
  QRadioButton* KoRadio = nullptr;
  QRadioButton* FaRadio = nullptr;
  QRadioButton* RaRadio = nullptr;
  QPushButton* KueKnopf = nullptr;
  QGroupBox* LeGruppe = nullptr;
  QGroupBox* KlGruppe = nullptr;
  QGroupBox* KoGruppe = nullptr;
  QGroupBox* FaGruppe = nullptr;
  QGroupBox* RaGruppe = nullptr;
  QLineEdit* LehrerFeld = nullptr;
  QLineEdit* FachFeld = nullptr;
  QLineEdit* Kopplfeld = nullptr;
  TQuonGrid* KlGrid = nullptr;
  TQuonGrid* RaGrid = nullptr;
  QSpinBox* StdSpin = nullptr;
  QLineEdit* VerplantFeld = nullptr;
  QSpinBox* FaktorSpin = nullptr;
  QLineEdit* WertFeld = nullptr;
  QSpinBox* SpTSpin = nullptr;
  QSpinBox* EinzelSpin = nullptr;
  QSpinBox* TabelleSpin = nullptr;
  QCheckBox* nvpCheck = nullptr;
  QCheckBox* nzlCheck = nullptr;
  QCheckBox* nzkCheck = nullptr;
  QLineEdit* InfoFeld = nullptr;
  QWidget* FarbFeld = nullptr;
  QPushButton* FarbKnopf = nullptr;
  TSperrFeld* SperrFeld = nullptr;
  TSperrGrid* SperrGrid = nullptr;

  // ---- Ereignisse ----
  void KueKnopfClick();
  void RadioClick(int art);
  void StdSpinChange(int wert);
  void FaktorSpinChange(int wert);
  void SpTSpinChange(int wert);
  void EinzelSpinChange(int wert);
  void TabelleSpinChange(int wert);
  void nvpCheckClick(bool an);
  void nzlCheckClick(bool an);
  void nzkCheckClick(bool an);
  void InfoFeldChange(const QString& text);
  void FarbKnopfClick();
  void SperrGridChange(int zellen);

  // ---- TFenster ----
  int FensterArt() const override;
  std::string Titel() const override { return "Kurs"; }
  void FensterUpdate() override;
  void FensterRefresh() override;
  bool TextFeldHatFokus() const override;
  std::string MarkierterText() const override;
  void MarkiertenTextLoeschen() override;
  void TextEinsetzen(const std::string& text) override;
  void KursGeloescht(TKurs* kurs) override;
  void ElementGeloescht(TElement* element) override;
  void Blaettern(int richtung, unsigned umschalt) override;

  // Die Mauszeiger der Felder und Listen nach dem Werkzeug der Palette.
  void CursorAnpassen();
  // AdjustCursor: die Zeiger nach dem Werkzeug der Schule.
  void CursorAnpassen(TToolArt /*tool*/, unsigned /*umschalt*/) override { CursorAnpassen(); }

 protected:
  // Vergisst Kurs und Vater.
  void BeimAbmelden() override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* objekt, QEvent* event) override;

 private:
  void Aufbauen();
  void Fuellen();
  void ArtWaehlen(int art);
  bool Auffrischen() const;
  std::vector<TKurs*> VaterListe();
  int ListenPosition();
  // Zeigt ein Menü unter dem Knopf "Kürzel"; wahr und das Element, wenn eines gewählt wurde.
  bool MenueZeigen(TMenue menue, TElement*& wahl);
  bool HauptListe(int kuerzelArt, TElement*& wahl);
  void FeldDoppelKlick(QObject* feld);
  void KlGridDoppelKlick(const TGridMaus& maus);
  void RaGridDoppelKlick(const TGridMaus& maus);
  void RaGridMausDruck(const TGridMaus& maus);
  void RaGridZiehenUeber(const TGridMaus& maus, TZiehZiel* ziel);
  void RaGridZiehenEnde();

  QButtonGroup* fRadios = nullptr;
  bool fFuellen = false;  // die Felder werden gerade gefüllt: keine Änderung am Kurs
  int fPos = 0;           // letzte Position des Kurses in der Liste (ab 1)
  int fZiehRaum = -1;     // Zeile des Raums, der gerade gezogen wird
};
