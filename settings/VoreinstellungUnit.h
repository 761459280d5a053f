// Die Regeln der Dialoge "Voreinstellung für …": was "Ok" an den Einstellungen und an der
// Schule ändert. Die Dialogfenster (…StandardFormUnit, ZeitFormUnit, KennwortFormUnit) zeigen
// nur die Felder und rufen diese Einheit.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/GlobalUnit.h"
#include "model/WoElemUnit.h"
#include "settings/StandardUnit.h"

class TKurs;
class TPlanElement;

// Das Wechselmenü der Dialoge, in dieser Reihenfolge.
const std::vector<std::string>& WechselEintraege();
// Der Eintrag mit dem Index im Wechselmenü (StdWahl: 0 "Eckdaten" … 11 "HTML-Farben"); leer für
// jeden anderen Index.
std::string WechselEintrag(int index);
// Der Index des Eintrags, -1 für einen unbekannten.
int WechselIndex(const std::string& eintrag);
// Wer den Dialog eines Eintrags zeigt: die Dialoge "Voreinstellung für …", der Kalender, die
// Tabellen der Automatik; Keiner, wo es ihn (noch) nicht gibt.
enum class TWechselDialog { Keiner, Standard, Kalender, Automatik };
TWechselDialog WechselDialog(const std::string& eintrag);
// Der Eintrag ist im Wechselmenü wählbar: sein Dialog existiert, "Planversionen" erst ab zwei
// Planversionen.
bool WechselWaehlbar(const std::string& eintrag);

// ---- Eckdaten ----
struct TEckWerte {
  int Divisor = 1;
  int VorKomma = 2;
  int NachKomma = 1;
  int MaxWoche = 1;
  int SpeicherZeit = 0;
  int VertrMerke = 10;
  int MaxTage = 7;  // 5..7
  int PaletteSchalter = 0;
  bool HintergrundAn = true;
  TColor HintergrundFarbe = clWhite;
  bool FensterWieder = true;
  std::string Schulname;  // Windows-1252, höchstens 80 Zeichen
  friend bool operator==(const TEckWerte&, const TEckWerte&) = default;
};
TEckWerte EckWerteAusStandard();
// Der höchste Tag, an dem eine Stunde eines Kurses liegt, mindestens 5.
int HoechsterVerplanterTag();
// Entfernt jede Setzung hinter dem Tag vollständig (Belegungen, Vertretungen).
void SetzungenNachTagEntfernen(int maxTag);
// "Ok" der Eckdaten: Planversionen anpassen, Werte speichern, bei verplanten Tagen hinter der
// neuen Tageszahl "Stunden löschen" fragen; fSaveZeit auf jetzt; alle Fenster neu.
void EckdatenUebernehmen(const TEckWerte& w);

// ---- Grunddaten ----
struct TGrDatWerte {
  int LeSoll = 24;
  int KlSoll = 30;
  TWoElem Sperrung;
  friend bool operator==(const TGrDatWerte&, const TGrDatWerte&) = default;
};
void GrunddatenUebernehmen(const TGrDatWerte& w);
// Das Kopierwerkzeug: Sperrung und/oder Soll an die Elemente (Soll nur bei Lehrern und Klassen).
void GrunddatenKopieren(const std::vector<TPlanElement*>& elemente, const TGrDatWerte& w,
                        bool sperrung, bool soll);
// "Kopieren" ist wählbar, wenn Sperrung angehakt oder Soll wählbar und angehakt ist.
bool GrDatKopierenWaehlbar(bool sperrung, bool sollWaehlbar, bool soll);

// ---- Pläne ----
struct TPlnWerte {
  bool NebenEinander = true;
  bool MitRaum = true;
  bool KoppFett = true;
  int PlnStd = 6;
  TSchrift Font;
  int LeBreite = 40, KlBreite = 40, KoBreite = 40, FaBreite = 40, RaBreite = 40;
  int ManArt = 0;
  friend bool operator==(const TPlnWerte&, const TPlnWerte&) = default;
};
TPlnWerte PlnWerteAusStandard();
// "Ok": weniger Stunden pro Tag, als verplant sind, fragt "Stunden löschen"; "Nein" behält die
// höchste verplante Stunde. Speichert, rechnet die Planbreiten neu und baut die Fenster neu.
void PlanvorgabenUebernehmen(const TPlnWerte& w);

// ---- Deputate ----
struct TDepWerte {
  TSchrift Font;
  int LeBreite = 40, KlBreite = 40, KoBreite = 40, FaBreite = 40, RaBreite = 40;
  bool MitNullStd = true, MitKursInfo = false, MitStatistik = false, MitZusatzInfo = false;
  TDateTime Von = kDatum1994, Bis = kDatum1994;
  friend bool operator==(const TDepWerte&, const TDepWerte&) = default;
};
TDepWerte DepWerteAusStandard();
void DeputatvorgabenUebernehmen(const TDepWerte& w);

// ---- Kurse ----
struct TKursWerte {
  int KursStd = 3;
  int Faktor = 1;
  int StdProTag = 1;
  int EinzelStd = 3;
  int TabellenNr = 1;
  bool NichtVerplanen = false;
  bool NichtZaehlenKl = false;
  bool NichtZaehlenLe = false;
  TColor Farbe = clWhite;
  bool NachKlSortiert = true;
  TWoElem Sperrung;
  friend bool operator==(const TKursWerte&, const TKursWerte&) = default;
};
TKursWerte KursWerteAusStandard();
// Vorschlag der Einzelstunden nach einer Änderung von "Stunden pro Tag"; nichts bei 0 Stunden.
std::optional<int> EinzelStdVorschlag(int kursStd, int stdProTag);
// "Ok": speichert; bei geänderter Sortierung "Die Kurse werden sortiert." und neu sortieren.
void KursvorgabenUebernehmen(const TKursWerte& w);
// Die neun Kästchen des Kopierwerkzeugs, in der Reihenfolge des Kopierens.
enum class TKursKopie {
  Stunden,
  Faktor,
  StdProTag,
  EinzelStd,
  Tabelle,
  Verplanen,
  Zaehlen,
  Sperrung,
  Farbe
};
inline constexpr int kKursKopien = 9;
using TKursKopieWahl = std::vector<bool>;  // kKursKopien Einträge
// Die Kurse des Kopierwerkzeugs: die ausgewählten des aktiven Deputatsfensters, sonst keine.
std::vector<TKurs*> KopierKurse();
void KursEinstellungKopieren(const std::vector<TKurs*>& kurse, const TKursWerte& w,
                             const TKursKopieWahl& wahl);

// ---- Planversionen ----
// "Ok": speichert die drei Werte; wahr, wenn der Schalter "alle Planversionen" gleich blieb.
bool VersionsvorgabenUebernehmen(bool alleVersionen, int versKuerzel, bool auchPlan);

// ---- Vertretungen ----
// Entfernt die Leerzeichen am Ende; ein Eintrag behält mindestens ein Zeichen.
std::string OhneEndLeerzeichen(const std::string& text);
void VertretungsvorgabenUebernehmen(const std::vector<std::string>& bemerkungen,
                                    const std::vector<std::string>& gruende, bool frei,
                                    bool bemAuto);

// ---- Zeiten ----
// Arbeitet auf einer Kopie aller Stundenbezeichnungen und ihrer Zeiten "Beginn" und "Ende";
// "Ok" übernimmt sie. Fehlen Beginn und Ende einer Stunde, füllt sie eine Bezeichnung mit zwei
// Uhrzeiten ("7:50-8:35") beim Öffnen und bei jeder Eingabe der Bezeichnung aus.
class TZeitBearbeitung {
 public:
  TZeitBearbeitung();
  const std::string& Bezeichnung(int version, int std) const;
  const std::string& Beginn(int version, int std) const;
  const std::string& Ende(int version, int std) const;
  // Speichert die Eingabe sofort: ohne Leerzeichen am Ende, auf 15 Zeichen gekürzt. Enthält sie
  // zwei Uhrzeiten, werden sie Beginn und Ende.
  void Setze(int version, int std, const std::string& text);
  // Beginn bzw. Ende als Uhrzeit ("7:50", "07.50"; gespeichert "07:50") oder leer; falsch (und
  // nichts geändert) bei einem anderen Text.
  bool SetzeBeginn(int version, int std, const std::string& text);
  bool SetzeEnde(int version, int std, const std::string& text);
  // Bereinigt die Versionen 1..fMaxWocheNeu, übernimmt alles in fStdBez, fStdBeginn und
  // fStdEnde, rechnet die Breiten neu und baut alle Fenster neu.
  void Uebernehmen();

 private:
  bool SetzeZeit(std::vector<std::string>& feld, int version, int std, const std::string& text);
  std::vector<std::string> fBez;     // 54 × 16
  std::vector<std::string> fBeginn;  // 54 × 16, "hh:mm" oder leer
  std::vector<std::string> fEnde;
};

// ---- Statistikzeitraum ----
// Ein Tag, den es im Monat nicht gibt, wird um 1, 2, dann 3 gesenkt.
TDateTime StatistikDatum(int tag, int monat, int jahr);
