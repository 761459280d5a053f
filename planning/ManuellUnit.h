// Die manuelle Planung ohne Fenster: die Kursliste mit dem aktuellen Kurs, die Wahl von Klasse,
// Kopplung und Raum, die Elemente der Plantafeln, die Konfliktlisten jeder Zelle, die Gesten der
// Werkzeuge auf einer Zelle und die Menüs des Manuellfensters. Das Manuellfenster
// (ui/ManuellFormUnit) besitzt genau ein solches Objekt; es ist zugleich das Protokoll zum
// Widerrufen und zeichnet auf, solange es lebt.
//
//   TManuellPlanung planung(kurse, false);    // der erste Kurs wird aktuell
//   planung.fAnzeigen = [&] { FensterNeuZeichnen(); };
//   planung.Setzen(2, 3);                       // Doppelklick mit "Setzen" auf Di, 3. Stunde
#pragma once

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/GlobalUnit.h"
#include "model/MenueUnit.h"
#include "planning/KonfliktUnit.h"
#include "planning/UndoUnit.h"

class TKlasse;
class TKopplung;
class TKurs;
class TPlanElement;
class TRaum;

inline constexpr int ManMaxTafeln = 4;
// Zahl der Plantafeln nach der Anordnung fManArt: 0 "1", 1 "2 hoch", 2 "2 quer", 3 "3 hoch",
// 4 "3 quer", 5 "4". Andere Werte gelten als 0.
int ManTafelZahl(int manArt);

// Was der Streifen am unteren Rand einer Zelle zeigt.
enum class TManStreifen {
  Keiner,
  Eigener,    // eine Stunde des aktuellen Kurses: grüner Balken
  Gekoppelt,  // eine Stunde eines anderen Kurses der geplanten Kopplung: silbern, grün umrandet
};
enum class TManMarkenArt {
  Fixiert,   // Quadrat: eine fixierte Stunde im Weg
  Besetzt,   // Kreis: eine Stunde, die verdrängt werden kann
  KeinRaum,  // kleines Kreuz: kein Raum frei
};
struct TManMarke {
  TManMarkenArt Art = TManMarkenArt::Besetzt;
  bool Gekoppelt = false;  // der Kurs im Weg ist gekoppelt (rot bzw. schwarz statt silbern)
  friend bool operator==(const TManMarke&, const TManMarke&) = default;
};
// Was über eine Zelle einer Plantafel gezeichnet wird.
struct TManZeichen {
  TManStreifen Streifen = TManStreifen::Keiner;
  bool Schraffur = false;         // Sperrung im Weg, keine Stunde in der Zelle: ganz schraffiert
  std::vector<TManMarke> Marken;  // je Kurs im Weg (je Kopplung) eine, von links
};

class TManuellPlanung : public TManuellProtokoll {
 public:
  // Nimmt die Kurse (jeden einmal) in die Liste; der erste wird aktuell.
  TManuellPlanung(const std::vector<TKurs*>& kurse, bool ohneKonflikte);
  ~TManuellPlanung() override;

  TKlasse* fKlasse = nullptr;      // die erste Klasse des aktuellen Kurses
  TKopplung* fKopplung = nullptr;  // die Kopplung, mit der geplant wird ("ohne": nichts)
  TRaum* fRaum = nullptr;          // der Raum, in den gesetzt wird ("ohne": nichts)
  bool fOhneKonflikte = false;     // Konflikte werden nicht gezeigt
  bool fAlleKonflikte = false;     // Konflikte aller gekoppelten Kurse, nicht nur der offenen
  std::array<TPlanElement*, ManMaxTafeln> fTafeln{};  // was die Tafeln zeigen
  int fAktiv = 1;                                     // die aktive Tafel (ab 1)
  // Wird nach jeder Änderung dessen gerufen, was das Fenster zeigt (Kurs, Wahl, Tafeln).
  std::function<void()> fAnzeigen;

  // Der Kurs wird aktuell: Klasse, Kopplung und Raum nach dem Kurs; Tafel 1 zeigt die Klasse,
  // die nächsten Lehrer und Raum (soweit vorhanden und Tafeln da sind); Tafel 1 wird aktiv.
  void SetzeAktuellenKurs(TKurs* kurs) override;
  // Nimmt den Kurs in die Liste und macht ihn aktuell.
  void Zeigen(TKurs* kurs);

  // Die Pläne haben sich geändert: Konfliktlisten beim nächsten Lesen neu.
  void PlanRefresh() { fVeraltet = true; }
  // Das Werkzeug der Palette wurde gewechselt: "Setzen" zeigt die Konflikte der gekoppelten
  // Kurse mit offenen Stunden, "Schieben" die aller gekoppelten Kurse.
  void KonflUpdate(TToolArt tool);
  // Die Konflikte des aktuellen Kurses (und der geplanten Kopplung) in der Zelle.
  const TKonfliktListe& Konflikte(int tag, int std);
  bool HatKonflikte(int tag, int std) { return !Konflikte(tag, std).empty(); }

  // "Stunden" und "Rest" des aktuellen Kurses in der Arbeitswoche.
  int Stunden() const;
  int Rest() const;
  // Ein Kurs hat noch offene Stunden (und ist zu verplanen).
  static bool Offen(const TKurs* kurs);
  // Ein Kurs der Liste hat noch offene Stunden.
  bool OffeneKurse() const;
  // Vor dem Schließen: mit offenen Stunden die Frage "Manuellfenster schließen"; wahr: schließen.
  bool SchliessenErlaubt() const;

  // Die Wahl in der linken Spalte.
  void RaumWaehlen(TRaum* raum);  // ein Raum des Kurses: hierhin wird gesetzt; nichts: "ohne"
  void KopplungWaehlen(bool mitKopplung);
  void TafelZeigen(TPlanElement* element);  // in der aktiven Tafel
  void TafelAktivieren(int nr);

  // Gesten auf einer Zelle (Tag, Stunde). Wahr, wenn der Plan geändert wurde.
  // Doppelklick mit "Setzen": der Passtest, dann je Woche der Arbeitswoche eine Stunde (mit der
  // Kopplung jeder Kurs, die anderen im ersten freien eigenen Raum).
  bool Setzen(int tag, int std);
  // Doppelklick mit "Schieben": wie Setzen; ist der Kurs dann ganz gesetzt, der nächste offene.
  bool SchiebSetzen(int tag, int std);
  // Ablegen nach dem Ziehen: liegt der Kurs noch nicht in der Zielzelle, PasstInMitRaum und
  // SchiebeMitRaum; dann wird der nächste Kurs mit offenen Stunden aktuell.
  bool Ablegen(int zielTag, int zielStd, int startTag, int startStd);
  // Doppelklick mit "Löschen" auf die Stunde des Kurses: nurRaum nimmt nur den Raum; ein
  // gekoppelter Kurs fragt "gekoppelten Kurs löschen". Der Kurs kommt in jedem Fall in die Liste.
  void Loeschen(TKurs* kurs, int tag, int std, bool nurRaum);
  // Doppelklick mit "Fixieren": je Woche der Arbeitswoche die Fixierung umkehren; plant das
  // Fenster mit Kopplung, für jeden Kurs der Kopplung des Kurses, sonst nur für den Kurs.
  void Fixieren(TKurs* kurs, int tag, int std);
  // Der nächste Kurs der Liste mit offenen Stunden (von hier aus, im Kreis); sonst bleibt er.
  void NaechsterOffenerKurs();
  // "Voriger" (-1) / "Nächster" (+1) in der Liste, im Kreis; nurOffene überspringt Kurse ohne
  // offene Stunden (bleibt, wenn keiner offen ist).
  void Blaettern(int richtung, bool nurOffene);

  // Menüs (Texte UTF-8). Jede Wahl führt ihre Aktion aus.
  TMenue KursMenue();
  TMenue LehrerMenue();
  TMenue KlassenMenue();
  TMenue RaumMenue();
  TMenue FachMenue();
  TMenue KopplungsMenue();
  // Ein Eintrag je Konflikt der Zelle; ein Eintrag mit Kurs macht ihn aktuell.
  TMenue KonfliktMenue(int tag, int std);
  // Die Stunden der Zelle im Plan des Elements (ErzeugePlnMenu); die Wahl macht den Kurs aktuell.
  TMenue StundenMenue(TPlanElement* element, int tag, int std, bool mitInfo);

  // Schieben mit Strg auf die Zelle (tag, std): hebt deren Kurs (mit seiner Kopplung) aus und
  // liefert die Zellen (tageweise von oben), deren Kurs in die Zelle wandern könnte
  // (SetzungPossible in der Arbeitswoche; gekoppelt: jeder Kurs der Kopplung, der dort liegt).
  // Geprüft wird mit dem Raum des Fensters, wenn er einer des geprüften Kurses ist, und ohne
  // Raum, wenn ohneRaum gilt (Shift) oder der Kurs in der Zelle keine Stunde hat. Danach liegt
  // der Kurs wieder in der Zelle.
  std::vector<std::pair<int, int>> Probe(const std::function<TKurs*(int, int)>& zellKurs, int tage,
                                         int stunden, int tag, int std, bool ohneRaum);

  // Die Zeichen über einer Zelle einer Tafel: zellKurs ist der Kurs, den die Tafel dort zeigt,
  // gesperrt die Sperrung des Elements der Tafel dort.
  TManZeichen Zeichen(const TPlanElement* element, const TKurs* zellKurs, bool gesperrt, int tag,
                      int std);
  // Die Tafel des Elements zeigt in der Zelle eine Stunde des aktuellen Kurses.
  bool EigeneStunde(const TPlanElement* element, int tag, int std) const;

  // Prüft die Verweise nach Änderungen an den Stammdaten: Tafeln zeigen nur noch vorhandene
  // Elemente, Raum und Kopplung gehören noch zum Kurs.
  void VerweisePruefen();

 private:
  void TafelnBelegen();
  void KonflikteBerechnen();
  void Anzeigen();

  std::array<TKonfliktListe, MaxTage * MaxStunden> fKonflikte;
  bool fVeraltet = true;
};
