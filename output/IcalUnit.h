// "Kalender (iCalendar)...": je Lehrer, Klasse oder Raum eine Kalenderdatei (Name wie seine
// HTML-Seite, mit ".ics": "lpl3.ics", "kpl1.ics", "rpl2.ics"), darin je Unterrichtsstunde an
// jedem Schultag des Zeitraums ein Termin, in der Planversion, die der Kalender der Schule dem
// Tag gibt. Ferientage und Tage hinter der Schulwoche haben keine Termine. Beginn und Ende jeder
// Stunde kommen aus den Einstellungen "Zeiten" (settings/StundenZeitUnit.h).
//
// Ein Termin heißt wie die Planzelle: Fach, Klassen (im Lehrer- und Raumkalender) bzw. Lehrer (im
// Klassen- und Raumkalender) und Raum (nicht im Raumkalender); Ort ist der Raum, Beschreibung der
// Kurs und seine Info. Mit Vertretungen gilt, was die Vertretung des Tages sagt:
//  - "frei" oder alle Klassen abwesend: der Termin ist abgesagt ("entfällt: …",
//    STATUS:CANCELLED) in jedem Kalender der Stunde;
//  - ein anderer Lehrer (oder noch keiner): der Klassenkalender nennt ihn ("Vertretung: …"), der
//    Kalender des fehlenden Lehrers markiert die Stunde ("vertreten durch X: …" bzw.
//    "Vertretung offen: …", die Zeit bleibt frei), der Kalender des Vertreters hat sie zusätzlich;
//  - ein anderer Raum ist der Ort; im Kalender des geplanten Raums ist die Stunde abgesagt
//    ("Raumwechsel: …"), der neue Raum hat sie zusätzlich;
//  - die Bemerkung für Schüler steht in den Klassenkalendern, die für Lehrer in den Lehrer- und
//    Raumkalendern.
//
// Kalender, die sich erneuern statt zu verdoppeln: die UID eines Termins folgt aus der Kennung der
// Schule (fSchulKennung), dem Element, dem Kurs, dem Tag und der Stunde. SEQUENCE und
// LAST-MODIFIED nimmt der Export aus der Datei, die er ersetzt: ein unveränderter Termin behält
// beide, ein geänderter zählt SEQUENCE hoch und bekommt die Zeit des Exports.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/GlobalUnit.h"
#include "output/HTMLUnit.h"
#include "output/IcalSchreiberUnit.h"

class TPlanElement;
class TKurs;

struct TIcalAuftrag {
  std::vector<const TPlanElement*> Elemente;  // Lehrer, Klassen und Räume, je eine Datei
  TDateTime Von = 0;                          // erster Tag
  TDateTime Bis = 0;                          // letzter Tag
  bool Vertretungen = false;
};

// Der Dateiname des Elements ("lpl3.ics"); leer, wenn es in keiner Liste der Schule steht.
std::string IcalDateiName(const TPlanElement* element);
// Eine Kennung aus 1 bis 64 Kleinbuchstaben, Ziffern, "-" und ".".
bool SchulKennungGueltig(std::string_view kennung);
// Die UID eines Termins: Tag und Stunde, eine Prüfsumme aus Element und Kurs, die Kennung.
std::string IcalUid(const std::string& kennung, const TPlanElement* element, const TKurs* kurs,
                    TDateTime datum, int std);

// Die Termine des Elements im Zeitraum (Sequenz 0, ohne Änderungszeit). Stunden ohne Zeiten
// fehlen; IcalFehlendeZeiten nennt sie vorher.
TIcalKalender IcalKalenderBauen(const TPlanElement* element, const TIcalAuftrag& auftrag,
                                const std::string& kennung);
// Die Meldung, wenn eine Stunde, die der Auftrag braucht, keine Zeiten hat (die kleinste
// Planversion, dann die kleinste Stunde); leer, wenn alle Zeiten da sind.
std::vector<std::string> IcalFehlendeZeiten(const TIcalAuftrag& auftrag);
// Übernimmt SEQUENCE und LAST-MODIFIED aus dem vorigen Stand (Termine gleicher UID); geänderte
// und neue Termine bekommen jetzt (UTC).
void IcalStandUebernehmen(TIcalKalender& neu, const TIcalKalender& alt, TDateTime jetztUtc);

// Der Export in einen Ordner. Die Anzeige (Fenster mit Ordner, Kürzel, Zähler und Balken) folgt
// den Elementen; ohne Anzeige läuft er still.
class TIcalExport {
 public:
  static constexpr const char* Titel = "Kalender (iCalendar)";

  struct TDatei {
    std::string Name;     // "lpl3.ics"
    std::string Kuerzel;  // UTF-8
    int Termine = 0;
  };

  explicit TIcalExport(THTMLAnzeige* anzeige = nullptr) : fAnzeige(anzeige) {}

  // Schreibt je Element seine Datei in den Ordner (UTF-8; fehlt er, wird er angelegt), jede über
  // eine Zwischendatei. Ohne Kennung in den Einstellungen gilt die der vorhandenen Dateien, sonst
  // eine neue; sie bleibt in den Einstellungen. Jeder Fehler wird über den Dialogdienst gemeldet.
  // Wahr, wenn jede Datei geschrieben wurde.
  bool ExportToFolder(const std::string& ordner, const TIcalAuftrag& auftrag);
  const std::vector<TDatei>& Dateien() const { return fDateien; }
  int Termine() const;

 private:
  THTMLAnzeige* fAnzeige;
  std::vector<TDatei> fDateien;
};
