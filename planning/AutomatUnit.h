// Die automatische Planung ("Automatisches Rechnen"): setzt die offenen Stunden einer Auswahl von
// Kursen, ohne etwas zu fragen. Kurs für Kurs, der schwierigste zuerst, und je Kurs Woche für
// Woche: erst Blöcke von fStdProTag Stunden an den besten Zellen der Prioritätstabelle des
// Kurses, dann die Zahl der Einzelstunden, dann die Räume. Dieselben Daten und Einstellungen
// ergeben immer denselben Plan: kein Zufall, keine Uhr, jede Gleichheit entscheidet die Folge der
// Listen oder der Tabelle.
//
// Die Rechnung kennt kein Fenster. Was sie zeigt (Zähler, Fortschritt, Zustand, Ton) und wann
// Eingaben laufen dürfen, geht über TAutomatAnzeige; das Fenster der automatischen Planung und
// die Kommandozeile setzen sie um.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/WoElemUnit.h"

class TKurs;

enum class TAutomatZustand {
  Vorbereitet,  // Kurse gesammelt: "Start" und "Abbrechen" wählbar
  Rechnend,     // "Start" gesperrt, "Abbrechen" wählbar
  Fertig        // "Ok" wählbar, "Abbrechen" gesperrt
};

class TAutomatAnzeige {
 public:
  virtual ~TAutomatAnzeige() = default;
  // "noch zu setzen" (nie unter 0) und "nicht verplanbar".
  virtual void Zaehler(int nochZuSetzen, int nichtVerplanbar) = 0;
  // Der Fortschrittsbalken steht bei position (0..maximum).
  virtual void Fortschritt(int position, int maximum) = 0;
  virtual void Zustand(TAutomatZustand zustand) = 0;
  // Nach jedem Kurs: neu zeichnen und anstehende Eingaben verarbeiten. Ein "Abbrechen" ruft
  // dabei TAutomat::Abbrechen; die Rechnung endet dann vor dem nächsten Kurs.
  virtual void NachKurs() = 0;
  // Eine Stunde wurde in eine als unmöglich markierte Zelle gesetzt: ein kurzer Ton.
  virtual void Piep() = 0;
};

class TAutomat {
 public:
  explicit TAutomat(TAutomatAnzeige& anzeige);

  // Sammelt die Kurse aus der Auswahl (Kurse "nicht verplanen" fallen weg, jeder Kurs einmal),
  // ergänzt die zu verplanenden Kurse ihrer Kopplungen, ordnet sie, schneidet nach fAuProzent
  // und zeigt "noch zu setzen" und "nicht verplanbar".
  void KurseSammeln(const std::vector<TKurs*>& auswahl);
  // Bewertet alle Kurse der Liste neu und ordnet sie nach fallender Bewertung (stabil).
  void KurseSortieren();
  // Plant die Kurse der Liste, bis sie leer ist oder ein Abbruch gewünscht wurde.
  void Rechne();
  // Abbruch wünschen: wirkt zwischen zwei Kursen.
  void Abbrechen() { fAbbruch = true; }

  bool Abbruch() const { return fAbbruch; }
  // Die noch zu rechnenden Kurse in Rechenfolge.
  const std::vector<TKurs*>& Kurse() const { return fKurse; }
  // Die Kurse, die offene Stunden behielten.
  const std::vector<TKurs*>& Rest() const { return fRest; }
  // Die Anzeigewerte.
  int NochZuSetzen() const { return fNochZuSetzen < 0 ? 0 : fNochZuSetzen; }
  int NichtVerplanbar() const { return fNichtVerplanbar; }
  int Position() const { return fPosition; }
  int Maximum() const { return fMaximum; }
  // Wie viele Stunden die letzte Rechnung unter dem Strich gesetzt hat.
  int Gesetzt() const;
  // Die Woche erfüllt die Einzelstundenbedingung: alle Stunden gesetzt, fEinzelStd Tage mit
  // einer Stunde und (bei fStdProTag > 1) die übrigen Stunden in vollen Tagen.
  static bool WocheStimmt(const TKurs& kurs, int woche);

 private:
  // Je Tabelle 1..4: Ordnungszahl 1..112 -> Eintragsnummer e = 7·(Stunde − 1) + Tag.
  using TOrdnung = std::array<std::array<int, 113>, 5>;
  // Je Tabelle, Tag und Stunde: der Block darf von dieser Stunde in die nächste laufen.
  using TVerbunden = std::array<std::array<std::array<bool, 17>, 8>, 5>;

  void TabellenAufbauen();
  void Ergaenzen(std::vector<TKurs*>& liste) const;
  void Anzeigen();
  TKurs* Hauptkurs(TKurs* kurs) const;
  std::vector<TKurs*> Gruppe(TKurs* kurs) const;

  void PlaneWoche(TKurs& kurs, int woche);
  int Lauf(const TKurs& kurs, int woche, int tabelle, int tag, int std) const;
  void Setze(TKurs& kurs, int woche, int tag, int std);
  bool SetzeEinzeln(TKurs& kurs, int woche, int tag, int std);
  void SetzeGekoppelt(TKurs& kurs, int woche, int tag, int std);
  void GibRaum(TKurs& kurs, int woche, int tag, int std);
  // Eine Stunde, die die Einzelstunden-Korrektur herausnahm (mit ihrer Kopplung).
  struct TEntnommen;
  void EinzelStunden(TKurs& kurs, int woche, std::vector<TEntnommen>& entnommen);
  void WocheZuruecknehmen(TKurs& kurs, int woche,
                          const std::vector<std::pair<TKurs*, TWoElem>>& vorher,
                          const std::vector<TEntnommen>& entnommen);

  TAutomatAnzeige& fAnzeige;
  std::vector<TKurs*> fKurse;
  std::vector<TKurs*> fRest;
  TOrdnung fOrdnung{};
  TVerbunden fVerbunden{};
  bool fAbbruch = false;
  bool fDoReihe = false;
  int fNochZuSetzen = 0;
  int fNichtVerplanbar = 0;
  int fPosition = 0;
  int fMaximum = 0;
  // Alle Kurse der Rechnung mit ihren gesetzten Stunden davor (für Gesetzt()).
  std::vector<std::pair<TKurs*, std::int32_t>> fVorher;
};

// Ein Tag vor / nach dem Tag, reihum über die Tage 1..fMaxTageNeu.
int Vortag(int tag);
int Folgetag(int tag);
