// Der Vertretungsplan eines Tages und der Ersatzraumplan: gedruckt (Voransicht, Papier, PDF),
// als Text für die Zwischenablage und als Rumpf einer HTML-Seite. Welche Vertretungen, in
// welcher Ordnung und Gruppierung, mit welchen Spalten, sagt die Druckeinstellung (VDEintrag).
#pragma once

#include <string>
#include <vector>

#include "model/GlobalUnit.h"

class TPrevPrinter;
class TVertretung;
class TFehl;
class TElement;
struct VDEintrag;

// Die Ausgaben (fDruckart).
inline constexpr int kVDZwischenablage = 1;
inline constexpr int kVDVorschau = 2;
inline constexpr int kVDDrucker = 3;
inline constexpr int kVDHtmlVertretung = 4;
inline constexpr int kVDHtmlErsatzraum = 5;

// Maskiert einen Text (Windows-1252) aus den Daten für HTML: "&" zuerst, dann "<", ">", '"',
// die Umlaute und "ß", "§" und "¥" als benannte Zeichen.
std::string HtmlText(const std::string& text);

// Das Datum des Plans: der Tag, mittags (ein Datum vom Mittag bleibt derselbe Tag).
TDateTime PlanDatum(TDateTime datum);
// "dddd, d. mmm yyyy" (Windows-1252).
std::string VDDatumText(TDateTime datum);
// Ein Schritt des Datumsfelds: ein Tag weiter (richtung > 0) oder zurück und weiter, solange
// der Tag Wochenende oder Ferientag ist; nie vor 1994 oder nach 2040. Findet sich dort kein
// Schultag, bleibt das Datum stehen.
TDateTime VDDatumSchritt(TDateTime datum, int richtung);

class TVertrDruck {
 public:
  // memo: die allgemeinen Bemerkungen (Windows-1252), wie das Memo sie zeigt.
  TVertrDruck(int druckart, TDateTime datum, std::vector<std::string> memo);

  // Die Ausgabe von Einstellung p (1..4), oder jeder angehakten (fVertrCheck) der Reihe nach
  // (p = 0). Druck und Voransicht zeichnen in fDrucker (mit NewJob und DonePrinting), die
  // Zwischenablage füllt fZeilen, HTML schreibt in fBuffer (Zeilen mit CR).
  void Ausgeben(int p);

  int fDruckart;
  TDateTime fDatum;
  TPrevPrinter* fDrucker = nullptr;  // nicht besessen
  std::string* fBuffer = nullptr;    // nicht besessen
  std::vector<std::string> fZeilen;  // Zwischenablage, Windows-1252
  // Nur die Vertretungsseite: Zeilen ohne Vertreter auslassen (fVertrHTMLNurVertreteneStd).
  bool fNurVertreteneStd = false;
  // Der ganze Text der Zwischenablage: fZeilen in UTF-8 mit CR LF.
  std::string AblageText() const;

 private:
  bool Druck() const { return fDruckart == kVDVorschau || fDruckart == kVDDrucker; }
  bool Html() const { return fDruckart == kVDHtmlVertretung || fDruckart == kVDHtmlErsatzraum; }
  void Einstellung(int i);
  void Breiten(int i);
  void SeitenKopf(const VDEintrag& e);
  void Titel(const VDEintrag& e, bool vp);
  void Bemerkungen(const VDEintrag& e, bool vp);
  void FehlListe(const VDEintrag& e, bool vp, int art);
  void Tabelle(int i, bool vp);
  void Kopf(const std::string& text, bool vp);
  void Reihe(int i, bool vp, const TVertretung* v, bool nachStunde);
  // Druck: vor einer Zeile neue Seite mit Kopf und Titel, wenn sie nicht mehr passt; wahr dann.
  bool Umbruch(const VDEintrag& e, bool vp);
  void Runter(int teile = 1);
  void Linie();
  void Html(const std::string& zeile);
  void Zelle(const std::string& klasse, const std::string& text, bool adhoc);
  void Schrift(bool fett);

  std::vector<std::string> fMemo;
  bool fSchonGedruckt = false;
  int fRand = 0, fOben = 0, fHoehe = 0, fY = 0;
  int fBlankBreite = 0;
  int fLeBreite = 0, fKlBreite = 0, fRaBreite = 0;
  int fLeBreiteLinks = 0, fKlBreiteLinks = 0, fFaBreiteLinks = 0, fRaBreiteLinks = 0;
  int fLeBreiteRechts = 0, fKlBreiteRechts = 0, fFaBreiteRechts = 0, fRaBreiteRechts = 0;
  int fVonBreite = 0, fVonBisBreite = 0, fPfeilBreite = 0;
  int fKursBreiteLinks = 0, fKursBreiteRechts = 0;
};

// Der Text, den "zur Zwischenablage" für die Einstellungen liefert (p = 0: die angehakten),
// UTF-8 mit CR LF; memo wie oben.
std::string VertretungsplanText(TDateTime datum, const std::vector<std::string>& memo, int p);
// Zeichnet die Seiten von Druck und Voransicht; liefert die Zahl der Seiten.
int DruckeVertretungsplan(TPrevPrinter& drucker, TDateTime datum,
                          const std::vector<std::string>& memo, int p);
// Der HTML-Rumpf (Art kVDHtmlVertretung oder kVDHtmlErsatzraum) der Einstellung p.
std::string VertretungsplanHtml(int art, TDateTime datum, const std::vector<std::string>& memo,
                                int p, bool nurVertreteneStd);
