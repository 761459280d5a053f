// Die Schule: besitzt alle Listen des Datenmodells und trägt den Zustand des Programms.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/DienstUnit.h"
#include "model/FachUnit.h"
#include "model/GlobalUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/ListUnit.h"
#include "model/ParListeUnit.h"
#include "model/RaumUnit.h"
#include "model/ToolsUnit.h"
#include "model/UVUnit.h"
#include "model/WoBereichsUnit.h"
#include "substitution/FehlUnit.h"
#include "substitution/VertretungUnit.h"

using TKalenderBytes = TFeld<std::uint8_t, 1, 888>;

// Ein Fenster, wie es in der Schuldatei steht: Art, Überschrift (Windows-1252) und Lage.
struct TFensterSatz {
  int Art = 0;
  str255 Titel;
  TFensterLage Lage;
  friend bool operator==(const TFensterSatz&, const TFensterSatz&) = default;
};

class TSchule {
 public:
  TSchule();
  // Schließt die noch offenen Fenster und zerstört die Listen in der festen Reihenfolge.
  ~TSchule();
  TSchule(const TSchule&) = delete;
  TSchule& operator=(const TSchule&) = delete;

  str255 fDateiName = "Ohne Titel";
  TFensterArt fFensterArt = TFensterArt::GFenster;
  TToolArt fToolArt = TToolArt::ZeigTool;
  TEigenListe<TKurs> fKursMenge;  // in Kursreihenfolge
  TEigenListe<TLehrer> fLehrerMenge;
  TEigenListe<TKlasse> fKlassenMenge;
  TEigenListe<TKopplung> fKopplMenge;
  TEigenListe<TFach> fFachMenge;
  TEigenListe<TRaum> fRaumMenge;
  TEigenListe<TUVTab> fUVTabMenge;
  TEigenListe<TFehl> fFehlLehrerMenge;
  TEigenListe<TFehl> fFehlKlassenMenge;
  TEigenListe<TFehl> fFehlRaumMenge;
  std::unique_ptr<TParListe> fParListe;
  TEigenListe<TVertretung> fVertretungsMenge;
  TKalenderBytes fKalender;  // Byte k: Woche des Zyklus der k-ten Kalenderwoche ab 27.12.1993
  TWochBereich fGrWoBereich;
  TWochBereich fUEWoBereich;
  TFenster* fAktivesFenster = nullptr;
  // Die angemeldeten Fenster (nicht besessen) in der Folge der Anmeldung, jedes einmal.
  std::vector<TFenster*> fFensterListe;
  // Die Fenster aus der gelesenen Datei, die noch nicht wieder geöffnet sind (der erste Satz ist
  // das oberste Fenster). Wer ein Fenster daraus öffnet, nimmt seinen Satz heraus; beim Sichern
  // folgen die übrigen Sätze den offenen Fenstern, so dass keiner verloren geht.
  std::vector<TFensterSatz> fGespeicherteFenster;
  // Die Fenster, die es höchstens einmal gibt.
  TFenster* fKursDepForm = nullptr;
  TFenster* fKursForm = nullptr;
  TFenster* fFehlerForm = nullptr;
  TFenster* fWoausfallForm = nullptr;
  TFenster* fLeStatForm = nullptr;
  TFenster* fKlStatForm = nullptr;
  TFenster* fKoStatForm = nullptr;
  TFenster* fFaStatForm = nullptr;
  TFenster* fRaStatForm = nullptr;
  TFenster* fUVStatForm = nullptr;
  TFenster* fLehrUebForm = nullptr;
  TFenster* fKlasUebForm = nullptr;
  TFenster* fRaumUebForm = nullptr;
  TFenster* fSVForm = nullptr;
  TFenster* fParForm = nullptr;
  TFenster* fManuellForm = nullptr;
  TFenster* fVertrForm = nullptr;
  TFenster* fVWahlForm = nullptr;
  TFenster* fZwischenForm = nullptr;
  TFenster* fVLeStatForm = nullptr;
  TFenster* fVKlStatForm = nullptr;
  bool fDirty = false;
  // Während Kurse aus der Zwischenablage eingesetzt werden: "alle Kurse" baut sich nicht neu auf.
  bool fKurseEinsetzen = false;

  // Die 21 Plätze der Einzelfenster, zum Durchlaufen.
  static const std::vector<TFenster * TSchule::*>& FensterPlaetze();

  // Setzt das Änderungskennzeichen; "Sichern" ist genau dann wählbar, wenn es gesetzt ist.
  void SetDirty(bool wert);

  // Kalender: Byte der Kalenderwoche Woche (1..888); andere Wochen werden übergangen.
  void SetzeKalender(int woche, std::uint8_t b);
  void SetKalender(const TKalenderBytes& kalender);

  // Suchen oder Anlegen nach Kürzel (auf 11 Zeichen gekürzt, exakter Vergleich).
  TLehrer* HoleLehrer(std::string_view s);
  TKlasse* HoleKlasse(std::string_view s);
  TFach* HoleFach(std::string_view s);
  TKopplung* HoleKopplung(std::string_view s);
  TRaum* HoleRaum(std::string_view s);
  TUVTab* HoleUVTab(std::string_view s);
  // Nur suchen.
  template <class T>
  static T* HoleElement(const TListe<T, true>& menge, std::string_view s) {
    const TKuerzelString k(KuerzelOhneFuehrendeBlanks(std::string(s)));
    for (T* e : menge)
      if (e->fKuerzel == k) return e;
    return nullptr;
  }

  // Löscht ein Element: löst zuerst jeden Verweis des Modells darauf (auch seine
  // Abwesenheiten), dann entfernt und zerstört es seine Stammliste.
  void ElementLoeschen(TElement* element);

  // Alle Elementlisten eines Kürzeltyps als Elemente (für Schleifen über beliebige Arten).
  std::vector<TElement*> Elemente(TKuerzelArt art) const;
  // Das Element, dessen Daten-, Deputats- oder Planfenster das Fenster ist, oder nichts.
  TElement* ElementVonFenster(const TFenster* fenster) const;

  // Woche des Zyklus für ein Datum nach dem Kalender der Schule.
  int WocheVonDatum(TDateTime datum) const;

  // Kurse.
  // Nimmt einen Kurs in Kursreihenfolge in die Kursliste auf.
  TKurs* KursAufnehmen(std::unique_ptr<TKurs> kurs);
  // Zerstört einen Kurs: aus der Kursliste, Fenster benachrichtigen, Setzungen entfernen, von
  // allen Elementen lösen.
  void KursLoeschen(TKurs* kurs);
  // "Neuer Kurs": nach der Art des aktiven Fensters.
  void NeuerKurs();
  // Ein Kurs ohne Elemente mit den Vorgabestunden; öffnet das Kursfenster.
  TKurs* ErzeugeNeuenKurs();
  // "Kurs löschen": im UV-Fenster und in den Deputatsfenstern die ausgewählten Kurse.
  void KursEntfernen();
  // "Manuell": die ausgewählten Kurse des aktiven Fensters (jeden einmal, ohne "nicht
  // verplanen") im Manuellfenster; ist es schon offen, kommt es nur nach vorn
  // (planning/ManuellUnit.cpp).
  void ManuellRechnung(bool ohneKonflikte);

  // Planversionen.
  void VersionErweitern(int n);
  // Falsch, wenn der Benutzer wegen verplanter Stunden abgelehnt hat.
  bool VersionVerkleinern(int n);
  // Tausch zweier Zeitfelder für die ganze Schule in der Arbeitswoche (planning/TauschUnit.cpp).
  // Wahr, wenn eine Stunde auf eine Sperrung träfe oder eine fixierte Stunde wandern müsste.
  bool TauschBehinderung(int vonTag, int vonStd, int bisTag, int bisStd) const;
  // Die Zeilen dazu: "gesperrt " bzw. "fixiert " + WochenZeile der Stunde (Windows-1252).
  std::vector<std::string> TauschKonflikte(int vonTag, int vonStd, int bisTag, int bisStd) const;
  // Tauscht die Stunden aller Kurse (mit ihren Räumen); die Sperrungen der Zielzellen für Lehrer,
  // Klassen und Räume werden aufgehoben, die getauschten Stunden sind nicht fixiert.
  void TauscheAlleStunden(int vonTag, int vonStd, int bisTag, int bisStd);

  // Fenster.
  // Ein Fenster meldet sich an: es kommt nach seiner Identität in die Fensterliste (einmal,
  // gleich welche Überschrift es trägt) und über den Fensterdienst ins Fenstermenü.
  void FensterAnmelden(TFenster* fenster);
  // Ein Fenster meldet sich ab: aus der Fensterliste, aus seinem Platz, als aktives Fenster und
  // aus dem Fenstermenü.
  void FensterAbmelden(TFenster* fenster);
  bool FensterOffen(const TFenster* fenster) const;
  bool FensterAngemeldet(const TFenster* fenster) const;
  void SetAktivesFenster(TFenster* fenster) { fAktivesFenster = fenster; }
  // Ein Fenster ist aktiv geworden: aktives Fenster der Schule, Meldung an den Fensterdienst.
  void FensterAktivieren(TFenster* fenster);
  // Meldet die Änderung jedem angemeldeten Fenster (in der Folge der Fensterliste; ein Fenster,
  // das sich dabei schließt, bekommt nichts mehr).
  void FensterMelden(const TModellAenderung& aenderung);
  // Alle Fenster neu aufbauen, in der Folge der Fensterliste nach vorn holen.
  void AlleFensterUpdate();
  // Schließt alle Einzelfenster und alle Fenster der Fensterliste (jedes einmal).
  void AlleFensterSchliessen();

  // Zwischenablage. Die Umschalttaste unterdrückt beim Kopieren von Kursen die Folgezeilen.
  void DoCopy(bool mitCut, bool shift);
  void DoPaste();
  void PasteFehler();

  // Vertretungen: Aufnahme in die sortierte Liste der Schule und in die Liste der Setzung.
  // Ohne Vergleich wird angehängt.
  TVertretung* VertretungAufnehmen(std::unique_ptr<TVertretung> v,
                                   const TEigenListe<TVertretung>::ListeVergleich& vergleich = {});
  // Entfernt eine Vertretung aus beiden Listen, löst die Verweise der Partner und zerstört sie
  // (eine Statt-Partnerin, deren fVon sie ist, mit).
  void VertretungLoeschen(TVertretung* v);

  // Abwesenheiten.
  TEigenListe<TFehl>* FehlMenge(TKuerzelArt art);
  // "(" Grund ")" der letzten Abwesenheit des Elements an dem Tag, sonst "(-)".
  std::string FehlGrund(TDateTime datum, const TPlanElement* element) const;

 private:
  void SetzeAufWochen(int n);
  void KurseEinsetzen(const std::vector<std::string>& zeilen);
};

// Bewahrt das Änderungskennzeichen der Schule: Befehle, die nur Fenster öffnen oder wechseln,
// stellen es danach wieder her.
class TDirtyBewahrer {
 public:
  TDirtyBewahrer();
  ~TDirtyBewahrer();
  TDirtyBewahrer(const TDirtyBewahrer&) = delete;
  TDirtyBewahrer& operator=(const TDirtyBewahrer&) = delete;

 private:
  bool fAlt;
};

// Nummer der Kalenderwoche (1..888) eines Datums, gezählt ab Montag, 27.12.1993. Tage vor dem
// 27.12.1993 werden auf den Kreis der 888 Wochen zurückgeführt und liegen nie außerhalb.
int KalenderWoche(TDateTime datum);
// Der Tag (ganze Zahl) des Montags 27.12.1993.
inline constexpr long long KalenderAnfang = 34330;
