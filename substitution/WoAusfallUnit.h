// Der wöchentliche Unterrichtsausfall: für eine Kalenderwoche die geplanten, erteilten,
// vertretenen und entfallenen Stunden der Klassen der Primarstufe und Sekundarstufe I (Kürzel
// beginnt mit einer Ziffer) und der Sekundarstufe II ("EF", "Q1", "Q2"), aus dem Stundenplan, den
// Abwesenheiten der Klassen und den Vertretungen der Woche.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/GlobalUnit.h"

class TKlasse;

// Die Gruppe einer Klasse nach ihrem Kürzel.
enum class TAusfallGruppe { Keine, SekI, SekII };
TAusfallGruppe AusfallGruppe(const TKlasse* k);

// Die Summen eines Blocks in Einheiten von 1/fDivisor Stunde (Summen der Kursfaktoren).
struct TAusfallSummen {
  std::int64_t Geplant = 0;
  std::int64_t Betroffen = 0;
  std::int64_t Besonders = 0;   // in besonderer Form (die Klasse fehlt)
  std::int64_t Gleich = 0;      // Vertretung mit gleicher Lerngruppe
  std::int64_t Veraendert = 0;  // Vertretung mit veränderter Lerngruppe
  std::int64_t Eva = 0;
  // Laut Plan erteilt und entfallen; beide nie negativ, weil jede Stunde höchstens einmal
  // betroffen oder in besonderer Form zählt.
  std::int64_t LautPlan() const { return Geplant - Betroffen - Besonders; }
  std::int64_t Entfallen() const { return Betroffen - Gleich - Veraendert - Eva; }
};

// Zählt einen Block für die Woche ab montag (mittags); schultag[d] für Wochentag d (1..7).
TAusfallSummen AusfallZaehlen(TAusfallGruppe gruppe, TDateTime montag,
                              const std::array<bool, 8>& schultag);

// Ein Stundenwert: Einheiten/fDivisor mit fNachKomma Stellen, mindestens fNachKomma + 1 Zeichen
// breit, Punkt als Dezimaltrenner, halbe Einheiten von der Null weg gerundet.
std::string AusfallWert(std::int64_t einheiten);

// Montag (mittags) der ISO-Woche kw im Jahr; falsch, wenn es die Woche nicht gibt.
bool IsoWochenMontag(int kw, int jahr, TDateTime& montag);
// ISO-Woche und ihr Jahr eines Datums.
void IsoWocheUndJahr(TDateTime datum, int& kw, int& jahr);

// Das Fenster "wöchentlicher Unterrichtsausfall" ohne Fenster: die gewählte Woche und der Text.
class TWoAusfall {
 public:
  // Wählt die Woche; die gewählten Werte werden in den Einstellungen gemerkt. Gibt es die Woche,
  // gilt sie und der Bericht wird neu gerechnet (wahr); sonst bleiben Woche und Text, und
  // "Rechnen", "VÜL", "VÜK" und Drucken sind aus, bis eine gültige Woche gewählt ist.
  bool WocheWaehlen(int kw, int jahr);
  // "Rechnen": schreibt den ganzen Bericht für die geltende Woche neu (ohne sie nichts).
  void Rechnen();

  // Die gewählte Woche gibt es.
  bool WocheDa() const { return fWocheDa; }
  // Die Woche, für die gerechnet wird.
  int KW() const { return fKW; }
  int Jahr() const { return fJahr; }
  TDateTime vonDatum = 0;  // Montag, mittags
  TDateTime bisDatum = 0;  // Sonntag, mittags
  std::array<bool, 8> gueltig{};
  // "dd.mm.yyyy - dd.mm.yyyy"; leer, solange keine Woche gilt.
  std::string VonBisText() const;

  // Die Zeilen des Berichts (UTF-8) und der ganze Text mit CR LF nach jeder Zeile.
  const std::vector<std::string>& Zeilen() const { return fZeilen; }
  std::string Text() const;

 private:
  void NeueZeile(const std::string& s) { fZeilen.push_back(s); }
  void Block(TAusfallGruppe gruppe);

  bool fWocheDa = false;
  bool fGilt = false;
  int fKW = 0;
  int fJahr = 0;
  std::vector<std::string> fZeilen;
};
