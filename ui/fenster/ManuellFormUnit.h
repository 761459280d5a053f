// TManuellForm: das Fenster "Manuell" der manuellen Planung. Links der aktuelle Kurs mit seinen
// Stunden und den Knöpfen für Lehrer, Fach, Klasse, Kopplung, Raum, die Ansicht der Zellen und
// die Kursliste; rechts bis zu vier Plantafeln (Klasse, Lehrer, Raum des Kurses oder gewählte
// Elemente) mit den Konflikten des aktuellen Kurses in jeder Zelle. Mit den Werkzeugen der
// Palette werden Stunden gesetzt, geschoben, gelöscht und fixiert; jeder Schritt kommt ins
// Protokoll, das "Widerrufen" zurücknimmt. Es gibt höchstens eines (TSchule::fManuellForm).
//
// Die Logik (Kursliste, Wahl, Konflikte, Gesten, Menüs) steht in planning/ManuellUnit; dieses
// Fenster zeigt sie und übersetzt Maus und Knöpfe.
#pragma once

#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/DienstUnit.h"
#include "model/MenueUnit.h"
#include "planning/ManuellUnit.h"
#include "ui/fenster/CursorUnit.h"
#include "planning/PlanInhaltUnit.h"
#include "ui/fenster/FensterBasisUnit.h"
#include "ui/fenster/QuonGridUnit.h"

class QFrame;
class QLabel;
class QPushButton;
class QGridLayout;
class TPopupMenue;
class TTamrelPalette;

class TManuellForm : public TFensterBasis, public TCursorFenster {
  Q_OBJECT

 public:
  ~TManuellForm() override;

  // "Manuell": legt das Fenster mit den Kursen an (der erste wird aktuell), setzt das Werkzeug
  // "Schieben", trägt es ins Fenstermenü ein und zeigt es neben der Palette. Ist schon eines
  // offen, kommt es nur nach vorn. ohneKonflikte: Konflikte werden nicht gezeigt.
  static TManuellForm* IManuellForm(const std::vector<TKurs*>& kursListe, bool ohneKonflikte);

  // Die Logik des Fensters; nichts, sobald es geschlossen ist.
  TManuellPlanung* Planung() const { return fPlanung.get(); }

  // ---- Bedienelemente ----
  QLabel* StundenFeld = nullptr;
  QLabel* RestFeld = nullptr;
  QPushButton* LehrerKnopf = nullptr;
  QPushButton* FachKnopf = nullptr;
  QPushButton* KlasseKnopf = nullptr;
  QPushButton* KopplungKnopf = nullptr;
  QPushButton* RaumKnopf = nullptr;
  QLabel* LehrerFeld = nullptr;
  QLabel* FachFeld = nullptr;
  QLabel* KlasseFeld = nullptr;
  QLabel* KopplungFeld = nullptr;
  QLabel* RaumFeld = nullptr;
  QPushButton* ZeigeKnopf = nullptr;   // "Kopplung" / "Le/Kl"
  QPushButton* KursKnopf = nullptr;    // unter "Bearbeite"
  QPointer<TPopupMenue> ManPopupMenu;  // das zuletzt geöffnete Menü

  // ---- Ereignisse der linken Spalte ----
  void LehrerKnopfClick();
  void FachKnopfClick();
  void KlasseKnopfClick();
  void KopplungKnopfClick();
  void RaumKnopfClick();
  void ZeigeKnopfClick();
  void KursKnopfClick();

  // ---- TFenster ----
  int FensterArt() const override;
  std::string Titel() const override { return "Manuell"; }
  // Ordnet die Tafeln neu an und zeigt den aktuellen Kurs von vorn.
  void FensterUpdate() override;
  // PlanRefresh: Konflikte, Tafeln und Stundenzahlen neu (mit KonflUpdate nach dem Werkzeug).
  void FensterRefresh() override;
  void KursGeloescht(TKurs* kurs) override;
  void AllesAuswaehlen() override;
  void Blaettern(int richtung, unsigned umschalt) override;

  // ---- TCursorFenster ----
  void CursorAnpassen(TToolArt tool, unsigned umschalt) override;

  // ---- Lesen (auch für Tests) ----
  int TafelZahl() const;
  TQuonGrid* TafelGrid(int nr) const;  // nr ab 1
  QFrame* TafelRahmen(int nr) const;
  QLabel* TafelUeberschrift(int nr) const;
  TPlanElement* TafelElement(int nr) const;
  // Der Kurs, den die Tafel in der Zelle zeigt.
  TKurs* ZellKurs(int nr, int tag, int std);
  // Die Zelle ist vom Programm hervorgehoben (Marke "R", in allen Tafeln gleich).
  bool Markiert(int tag, int std) const;
  std::vector<std::pair<int, int>> MarkierteZellen() const;
  QPoint ZellPunkt(int nr, int tag, int std) const;
  TManZeichen Zeichen(int nr, int tag, int std);
  // Ein verzögertes Zellmenü (es wartet die Doppelklickzeit ab) sofort zeigen, falls eines wartet.
  void WartendesMenueZeigen();

 signals:
  void MenueGeoeffnet();

 protected:
  TManuellForm();

  // Von Hand nur nach der Frage, wenn noch Stunden offen sind; Schliessen() fragt nicht.
  bool SchliessenErlaubt() override;
  // Verwirft das Protokoll und beendet die Aufzeichnung.
  void BeimAbmelden() override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* objekt, QEvent* event) override;

 private:
  struct TTafel {
    QFrame* Rahmen = nullptr;
    QLabel* Ueberschrift = nullptr;
    TQuonGrid* Grid = nullptr;
    TPlanInhalt Inhalt;
  };

  void Aufbauen();
  QPushButton* SpaltenKnopf(QWidget* eltern, const char* text, QLabel*& feld,
                            void (TManuellForm::*klick)());
  void Anordnen();
  void Anzeigen();
  void LinksFuellen();
  void TafelnEinrichten();
  void InhaltAuffrischen();
  void Platzieren();
  unsigned Umschalt() const;
  void UmschaltMerken(TUmschaltMenge umschalt);
  bool DatenZelle(int nr, int col, int row) const;
  TTafel* Tafel(int nr);
  const TTafel* Tafel(int nr) const;
  void Deselect();
  void MarkiereKurs();
  void AuswahlAngleichen(int nr);
  void RollenAngleichen(int nr);
  void MenueZeigen(TMenue menue, const QPoint& bildschirmPos);
  void MenueSpaeter(std::function<void()> zeigen);
  void KnopfMenue(QPushButton* knopf, TMenue menue);
  // Mit Strg: die Auswahlliste der Palette; das gewählte Element kommt in die aktive Tafel.
  bool PaletteListe(TKuerzelArt art, QPushButton* knopf);
  QPoint UnterZelle(int nr, int col, int row) const;
  void ZeichneZelle(int nr, QPainter& painter, int col, int row, const QRect& rect,
                    bool ausgewaehlt);

  void MausDruck(int nr, const TGridMaus& maus);
  void MausLos(int nr, const TGridMaus& maus);
  void DoppelKlick(int nr, const TGridMaus& maus);
  void ZiehenUeber(int nr, const TGridMaus& maus, TZiehZiel* ziel);
  void ZiehenEnde(int nr, const TGridMaus& maus, bool abgelegt);

  std::unique_ptr<TManuellPlanung> fPlanung;
  std::array<TTafel, ManMaxTafeln> fTafeln;
  QWidget* fTafelFlaeche = nullptr;
  QGridLayout* fTafelGitter = nullptr;
  std::array<bool, MaxTage * MaxStunden> fMarken{};  // "R"
  bool fInhaltVeraltet = true;
  bool fAngleichen = false;                 // Auswahl oder Rollen wird gerade übertragen
  bool fNachDoppelKlick = false;            // das Loslassen nach einem Doppelklick zeigt kein Menü
  int fAnordnung = -1;                      // fManArt der letzten Anordnung
  std::int32_t fStartX = -1, fStartY = -1;  // beim Ziehen die aktuelle Zielzelle
  std::int32_t fFirstX = -1, fFirstY = -1;  // die Zelle, an der das Ziehen begann
  // Das Zellmenü eines einfachen Klicks wartet die Doppelklickzeit ab: ein Doppelklick setzt.
  QTimer fMenueZeit;
  std::function<void()> fWartendesMenue;
};
