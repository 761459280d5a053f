// Der Kurs: ein Lehrauftrag mit Lehrer, Klassen, Kopplung, Fach, Räumen, Stunden und Setzungen.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/DienstUnit.h"
#include "model/GlobalUnit.h"
#include "model/ListUnit.h"
#include "model/MenueUnit.h"
#include "model/ToolsUnit.h"
#include "model/WoBereichsUnit.h"
#include "model/WoStundenUnit.h"
#include "planning/SetzungUnit.h"

class TLehrer;
class TKlasse;
class TKopplung;
class TFach;
class TRaum;
class TElement;
class TPlanElement;
class TKonflikt;
class TVertretung;

class TKurs {
 public:
  // Leere Listen, Stunden 0 je Woche, Sperrung aus der Vorgabe fKuWoElem in jeder Woche.
  TKurs();
  ~TKurs();
  TKurs(const TKurs&) = delete;
  TKurs& operator=(const TKurs&) = delete;

  TInfoString fInfo;
  TLehrer* fLehrer = nullptr;
  TListe<TKlasse> fKlassen;  // nach fReihe der Klassen
  TKopplung* fKopplung = nullptr;
  TFach* fFach = nullptr;
  TListe<TRaum> fRaeume;        // in Reihenfolge der Vorliebe
  TListe<TRaum> fRaumErgaenzt;  // beim Planen hinzugekommene Räume
  TWochenStunden fStunden;
  TEigenListe<TSetzung> fSetzungen;
  std::int32_t fEinzelStd = 0;
  std::int32_t fStdProTag = 1;
  std::int32_t fTabellenNr = 1;
  std::int32_t fFaktor = 1;
  bool fNichtVerplanen = false;
  bool fNichtZaehlenLe = false;
  bool fNichtZaehlenKl = false;
  TWochBereich fSperrung;
  TWochBereich fBesetzung;
  TWochBereich fSetzungUnmoeglich;
  std::int32_t fReihe1 = 0;
  std::int32_t fReihe2 = 0;
  std::int32_t fBewertung = 0;
  TColor fColor = clWhite;
  // Laufende Nummer der Erzeugung: entscheidet bei gleichen Sortierschlüsseln, damit die
  // Reihenfolge bei jedem Lauf dieselbe ist.
  std::uint64_t fLfdNr = 0;

  // Legt einen Kurs an und füllt ihn: Lehrer, Kopplung und Fach; Klasse und Raum, wenn gegeben;
  // die Stunden der Arbeitswoche; die übrigen Werte aus den Kursvorgaben. Hängt ihn in
  // Kursreihenfolge bei seinen Elementen und in der Kursliste der Schule ein, der er gehört.
  static TKurs* IKurs(TLehrer* lehrer, TKlasse* klasse, TKopplung* kopplung, TFach* fach,
                      TRaum* raum, std::int32_t stunden);

  // Sortierschlüssel aus Klasse, Lehrer, Fach und Gesamtstunden.
  void BerechneReihe();
  // Berechnet die Sortierschlüssel und trägt den Kurs in Kursreihenfolge in die Kursliste seines
  // Lehrers, jeder seiner Klassen, seiner Kopplung, seines Fachs und jedes seiner Räume ein; wo er
  // schon steht, und in der Kursliste der Schule, rückt er an seinen Platz. Still: ohne Fenster
  // und ohne Änderungsmarke.
  void ElementeEintragen();

  // Verknüpfungen; jede hält beide Seiten aktuell.
  void LehrerErgaenzen(TLehrer* lehrer);
  void LehrerEntfernen();
  void KlasseErgaenzen(TKlasse* klasse);
  void KlasseEntfernen(TKlasse* klasse);
  void KopplungErgaenzen(TKopplung* kopplung);
  void KopplungEntfernen();
  void FachErgaenzen(TFach* fach);
  void FachEntfernen();
  void RaumErgaenzen(TRaum* raum, bool spaeter);
  void RaumEntfernen(TRaum* raum);

  // Zahl der gesetzten Stunden (Wochenargument).
  std::int32_t VerplanteStunden(int woche) const;
  std::int32_t RestStunden(int woche) const;
  // Die Setzung in der Zelle (erste Übereinstimmung), oder nichts.
  TSetzung* SetzungFinden(int woche, int tag, int stunde) const;
  bool VerplantImRaum(const TRaum* raum) const;
  // Eine Woche des Zyklus hat negative Stunden; sie auf 0 setzen.
  bool HatNegativeStunden() const;
  void EntferneNegativeStunden();
  // Der Raum der meisten Setzungen; bei Gleichstand der frühere in fRaeume (ein Raum, der dort
  // fehlt, vor allen); nichts, wenn keine Setzung einen Raum hat.
  TRaum* VerplanterRaum() const;
  // Die im Statistikzeitraum tatsächlich gegebenen Stunden.
  std::int32_t StatistikSumme() const;
  // Der gewichtete Wert der Woche als Stundentext: Stunden / Divisor · Faktor.
  std::string WertText(int woche) const;

  // Fragen vor dem Ändern eines verplanten Kurses. Wahr, wenn danach nichts mehr im Weg ist.
  bool NichtVerplant();
  bool KursNichtImRaum(TRaum* raum);
  void PopLoeschKlasse(TKlasse* klasse);
  void PopLoeschRaum(TRaum* raum);

  // Vertretungsplanung (substitution/VertretungUnit.cpp). Alle Klassen fehlen an dem Tag in der
  // Stunde (ohne zählt als fehlend); ein Kurs ohne Klassen nie.
  bool AlleKlassenAbwesend(TDateTime datum, int std, const TKlasse* ohne) const;
  // Legt für die Setzung dieses Kurses in der Zelle der Vertretung v die Vertretung der
  // ausfallenden eigenen Stunde an (oder nimmt die vorhandene) und verknüpft sie mit v.
  TVertretung* SetzeStattVertretung(TVertretung* v);

  // Textzeilen (Windows-1252), mit denen der Kurs sich in Fenstern, Menüs und Drucken nennt.
  std::string OhneRaumZeile(const TKlasse* klasse = nullptr) const;
  std::string OhneRaumKlKoZeile() const;
  std::string MitRaumZeile() const;
  std::string KurzZeile(int woche, int tag, int stunde, const TKlasse* klasse = nullptr) const;
  std::string Zeile(int woche, int tag, int stunde, bool mitInfo, int art) const;
  std::string WochenZeile(int woche, int tag, int stunde, bool mitInfo,
                          const TKlasse* klasse = nullptr) const;
  std::string WahlZeile(int woche, int tag, int stunde, int art1, int art2, int art3) const;
  // Der Tag der aktuellen Woche als 16 Buchstaben: F frei, E/G/K/L Unterricht.
  std::string SVZeile(int tag) const;

  // Eigenschaftsmenüs; jeder Erbauer hängt seine Einträge an das Menü an.
  void ErzeugeFaktorMenu(TMenue& menue);
  void ErzeugeFktMenu(TMenue& menue);
  void ErzeugeStundenMenu(TMenue& menue);
  void ErzeugeSpTMenu(TMenue& menue);
  void ErzeugeEinzelMenu(TMenue& menue);
  void ErzeugeTabMenu(TMenue& menue);
  void ErzeugeKlassenMenu(TMenue& menue, bool mitInfo);
  void ErzeugeRaumMenu(TMenue& menue, bool mitInfo);
  void ErzeugeKopplungsMenu(TMenue& menue, bool mitInfo, int woche, int tag, int std);
  // Wie das Kopplungsmenü, über den ganzen Zyklus und ohne Setzung.
  void ErzeugeKursMenu(TMenue& menue, bool mitInfo);
  void PopFaktor(std::int32_t wert);
  void PopFkt(std::int32_t wert);
  void PopStunden(std::int32_t wert);
  void PopSpT(std::int32_t wert);
  void PopEinzel(std::int32_t wert);
  void PopTabelle(std::int32_t wert);

  // Öffnet die Planfenster des Raums der Stunde (aktuelle Woche), der ersten Klasse und des
  // Lehrers.
  void ZeigePlanFenster(int tag, int std);

  // --- Setzungen (planning/SetzungUnit.cpp). Die Belegungen von Kurs, Lehrer, Klassen und Raum
  // folgen jeder Änderung; keine Operation prüft Konflikte, das tun die Aufrufer vorher. ---
  // Eine Stunde in der Woche (eine einzelne Woche; -1 wird aufgelöst). Nichts bei "nicht
  // verplanen", ohne Reststunden der Woche oder wenn der Kurs dort schon liegt. Liefert die neue
  // Setzung oder nichts.
  TSetzung* NeueSetzung(int woche, int tag, int std, TRaum* raum);
  void SetzungEntfernen(TSetzung* setzung);
  // Entfernt die Stunde in der Zelle (Wochenargument); mitKopplung: bei jedem Kurs der Kopplung.
  void LoescheSetzung(int woche, int tag, int std, bool mitKopplung);
  void AlleSetzungenEntfernen();
  // Verschiebt die Stunde je Woche der Arbeitswoche(n); der Raum wandert mit. mitKopplung: jeder
  // Kurs der Kopplung, der in der alten Zelle liegt.
  void Schiebe(int neuTag, int neuStd, int altTag, int altStd, bool mitKopplung);
  // Wie Schiebe; dieser Kurs bekommt neuRaum, die gekoppelten behalten ihre Räume.
  void SchiebeMitRaum(int neuTag, int neuStd, int altTag, int altStd, bool mitKopplung,
                      TRaum* neuRaum);

  // Räume der Setzungen (planning/SetzungRaumUnit.cpp).
  // Der Raum der Stunde; -1 über mehrere Wochen: der gemeinsame Raum, sonst nichts.
  TRaum* RaumFinden(int woche, int tag, int stunde) const;
  // Der erste Raum aus fRaeume, der in der Zelle weder gesperrt noch besetzt ist.
  TRaum* FreierRaum(int woche, int tag, int std) const;
  void AendereRaumInSetzung(TSetzung* setzung, TRaum* raum);
  void EntferneRaumInSetzung(TSetzung* setzung);
  void LoescheRaumInSetzung(int woche, int tag, int std);
  // Gibt der Stunde in der Zelle den Raum; ein neuer Raum kommt zu fRaeume und fRaumErgaenzt.
  void RaumAenderung(TRaum* raum, int woche, int tag, int std);
  // Tauscht nach Rückfrage "Raumtausch" die Räume der Stunden dieses und des anderen Kurses in
  // der Zelle. Wahr, wenn getauscht wurde.
  bool RaumTausch(TKurs* anderer, int woche, int tag, int std);
  // Raum setzen: Tausch mit dem Kurs, der dort in dem Raum liegt, sonst RaumAenderung.
  void RSetzen(TRaum* raum, int woche, int tag, int std);
  // Alle nicht fixierten Stunden in den meistgenutzten Raum, wo er frei ist.
  void RaumAbgleich();

  // Sperrungen und Was-wäre-wenn-Belegung (planning/SperrungUnit.cpp).
  void KopiereSperrung(const TWochBereich& bereich);
  bool IstGesperrt(int woche, int tag, int std, const TRaum* raum) const;
  bool IstFixiert(int woche, int tag, int std) const;
  // Hebt die Sperrung der Zelle für Lehrer, Klassen und Raum auf (nicht die des Kurses).
  void EntSperre(int woche, int tag, int std, TRaum* raum);
  // Setzt oder löscht die Belegungen der Zelle, ohne die Setzungen anzufassen.
  void AendereBesetzung(int woche, int tag, int std, bool setzen, bool mitKopplung);

  // Konflikte und Passtests (planning/KonfliktUnit.cpp, planning/PasstUnit.cpp).
  // Füllen die Liste und liefern die höchste Schwere (0: nichts im Weg). Die Klassenregel
  // übergeht die Stunden von ohneKurs und der Kurse von ohneKopplung.
  int FuelleKonfliktListe(int neuTag, int neuStd, int altTag, int altStd,
                          TEigenListe<TKonflikt>& konfliktListe, const TKopplung* ohneKopplung,
                          const TKurs* ohneKurs);
  int FuelleKonfliktListeMitRaum(int neuTag, int neuStd, int altTag, int altStd,
                                 TEigenListe<TKonflikt>& konfliktListe,
                                 const TKopplung* ohneKopplung, const TKurs* ohneKurs,
                                 const TRaum* neuRaum);
  int ManKonfliktListe(int tag, int std, TEigenListe<TKonflikt>& konfliktListe, const TRaum* raum);
  void ManKoRaumKonflikt(int tag, int std, TEigenListe<TKonflikt>& konfliktListe);
  // Fragen und Verdrängen; wahr, wenn danach nichts mehr im Weg steht.
  bool PasstIn(int neuTag, int neuStd, int altTag, int altStd,
               TEigenListe<TKonflikt>& konfliktListe, bool mitKopplung);
  bool PasstInMitRaum(int neuTag, int neuStd, int altTag, int altStd,
                      TEigenListe<TKonflikt>& konfliktListe, bool mitKopplung, TRaum* neuRaum);
  bool ManOhneKonflPasstIn(int tag, int std, TEigenListe<TKonflikt>& konfliktListe,
                           bool mitKopplung, TRaum* raum);
  bool ManPasstIn(int tag, int std, const TEigenListe<TKonflikt>& konfliktListe);
  // Schnelltests ohne Liste und ohne Frage (für das Hervorheben und die Menüs).
  bool SetzungPossible(int woche, int tag, int std, const TRaum* raum) const;
  bool IstSetzbar(int woche, int tag, int std, const TKopplung* kopplung) const;
  // Berechnet fSetzungUnmoeglich der aktuellen Woche und lässt das Fenster die möglichen Zellen
  // markieren (Planfenster / Übersichtsfenster).
  void RechtsWahl(const TRaum* raum, TFenster* fenster);
  void RechtsUebWahl(const TRaum* raum, TFenster* fenster);
  // Nur die Rechnung: fSetzungUnmoeglich der aktuellen Woche.
  void BerechneSetzungUnmoeglich(const TRaum* raum);

  // Menüs der Planfenster (planning/PlanMenueUnit.cpp). Der Wert jedes Eintrags ist
  // Tag · 100 + Stunde der Zelle, sein Objekt der Kurs; die Texte sind UTF-8.
  // Leere Zelle: "[" offene Stunden "] " OhneRaumZeile, wenn der Kurs offene Stunden der
  // aktuellen Woche hat; gesperrt, wenn er (mit seiner Kopplung) dort nicht hin kann oder, im
  // aktiven Raumplan, dessen Raum belegt oder gesperrt ist. mitRaum: Untermenü "ohne Raum" und die
  // Räume des Kurses (SetzMitRaum); ohne: SetzImRaum.
  void ErzeugeSetzMenu(TMenue& menue, int tag, int std, bool mitRaum);
  // Rechtsklick im Planfenster des Elements: Eintrag mit Untermenü "ohne Raum" und den Räumen;
  // die Wahl markiert die möglichen Zellen (RechtsWahl) im Planfenster des Elements.
  void ErzeugeRechtsMenu(TMenue& menue, TElement* element);
  // Die Räume für die markierten Zellen (Tag, Stunde; in der Folge des Rasters): frei in allen
  // Zellen (Kürzel; "<" Kürzel ">" für fremde Räume) oder ein Raum des Kurses, dessen erstes
  // Hindernis eine Belegung ist ("[" Kürzel "]"). Die Wahl setzt den Raum (RaumSetzen).
  void ErzeugeRaumSetzMenu(TMenue& menue, const std::vector<std::pair<int, int>>& zellen);
  // Die Stunde des Kurses in der Zelle (bei raum nur in diesem Raum) als WochenZeile; im
  // Mehrwochenbetrieb je Woche; bei art leh oder rau und mehreren Klassen je Klasse. Die Wahl
  // zeigt den Kurs im aktiven Klassenplan (KursImKlPlanWechseln).
  void ErzeugePlnMenu(TMenue& menue, bool mitInfo, int tag, int std, const TRaum* raum, int art);
  // Nur im Ein-Wochen-Betrieb: je Kurs der Kopplung (oder nur dieser) seine WochenZeile.
  void ErzeugePlnKoppMenu(TMenue& menue, bool mitInfo, int tag, int std);
  // Setzt die Stunde in der Arbeitswoche (bzw. allen Wochen) mit dem Raum; jeder andere Kurs der
  // Kopplung bekommt dort den ersten freien eigenen Raum (Warnung, wenn er keinen fand).
  void SetzMitRaum(int tag, int std, TRaum* raum);
  // Dasselbe im Raum des aktiven Raumplans (sonst ohne Raum).
  void SetzImRaum(int tag, int std);
  // RSetzen für jede Zelle in der Arbeitswoche, dann die Fenster des Kurses auffrischen.
  void RaumSetzen(TRaum* raum, const std::vector<std::pair<int, int>>& zellen);
  // Der aktive Klassenplan zeigt in der Zelle diesen Kurs.
  void KursImKlPlanWechseln(int tag, int std);

  // Automatische Planung (planning/AutomatBewertungUnit.cpp).
  // Die Zellen, in die der Kurs nicht gesetzt werden kann, in fSetzungUnmoeglich (jede Woche des
  // Zyklus). Ohne Kopplung: nichts, wenn der Kurs schon bewertet ist. mitKopplung: jeder Kurs der
  // Kopplung mit offenen Stunden rechnet seine eigenen Zellen, ihre Vereinigung gilt für alle.
  void BewerteAutomatik(bool mitKopplung);
  // Die Schwierigkeit fBewertung aus Stunden, unmöglichen Zellen, Block und Setzungen; nur, wenn
  // fBewertung noch 0 ist. Gekoppelte Kurse kommen durch den Faktor 100 vor alle anderen.
  void TrageBewertungEin();

  // Benachrichtigt die Fenster, die den Kurs zeigen.
  void FensterUpdate();
  void FensterRefresh();
  // Zeichnet die Pläne neu, in denen der Kurs steht: Planfenster seines Lehrers, seiner Klassen
  // und Räume, die Übersichten und das Fenster der manuellen Planung. Ändert keine Daten.
  void PlanRefresh();
};

// "Neuer Kurs": ein Kurs mit den Vorgabestunden (fKursStd) und den gegebenen Elementen; öffnet
// das Kursfenster mit der Kursliste der Schule und markiert die Schule als geändert.
TKurs* NeuerKursMitFenster(TLehrer* lehrer, TKlasse* klasse, TKopplung* kopplung, TFach* fach,
                           TRaum* raum);

// Kursreihenfolge: nach fReihe1, dann fReihe2, dann fLfdNr; nie gleich.
int KursVergleich(const TKurs* a, const TKurs* b);
// Die Variante für die Kursliste einer Klasse: bei Sortierung nach Klassen entscheidet bei
// verschiedenen Fächern das Fach (ein Kurs ohne Fach zuerst).
int KlassenKursVergleich(const TKurs* a, const TKurs* b);
// Sortierschlüssel aller Kurse neu; die Kursliste der Schule und jedes Lehrers, jeder Klasse,
// Kopplung, jedes Fachs und Raums neu sortiert (nach einer Änderung der Sortierart).
void KurseNeuSortieren();
