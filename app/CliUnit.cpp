#include "app/CliUnit.h"

#include <exception>
#include <ostream>

#include "app/BeispielSchuleUnit.h"
#include "app/CliAutomatikUnit.h"
#include "app/CliDruckUnit.h"
#include "app/CliExportUnit.h"
#include "app/CliPlanUnit.h"
#include "app/CliPruefUnit.h"
#include "app/CliVertretungUnit.h"
#include "app/CliUebersichtUnit.h"
#include "app/KonsoleUnit.h"
#include "model/AblageUnit.h"
#include "model/GlobalUnit.h"
#include "model/SchulUnit.h"
#include "persistence/ReadUnit.h"
#include "persistence/WriteUnit.h"
#include "settings/StandardUnit.h"

namespace {
void Hilfe(std::ostream& aus) {
  aus << "Aufruf: tamrel-cli BEFEHL [ARGUMENTE]\n"
         "Befehle:\n"
         "  info DATEI                 zeigt die Anzahlen der Schule, eine Zeile je Anzahl\n"
         "  kurse DATEI                schreibt alle Kurse im Kursformat der Zwischenablage\n"
         "  umwandeln DATEI NEU        liest DATEI (auch im alten Aufbau) und schreibt NEU im\n"
         "                             aktuellen Aufbau\n"
         "  beispiel DATEI [--gross [--knapp]]\n"
         "                             schreibt die Beispielschule (--gross: die große;\n"
         "                             --knapp: Lehrkräfte zu 95 % ausgelastet, mehr Schienen)\n"
         "  pruefen DATEI [konsistenz|bruecken|raeume|stunden|versionen|kopplungen|einzel|alle]\n"
         "                [--tage N]   schreibt die Zeilen des Fensters \"Fehler\", dann\n"
         "                             \"Ergebnis: keine Fehler|kleinere Fehler|größere Fehler\"\n"
         "                             (ohne Prüfung: alle in der Folge des Menüs)\n"
         "  komprimieren DATEI --ausgabe NEU [--tage N]\n"
         "                             schließt die Lücken der Klassenpläne in allen\n"
         "                             Planversionen, gibt die Hohlstunden je Klasse davor und\n"
         "                             danach aus und schreibt das Ergebnis nach NEU\n"
         "  automatik DATEI [--ausgabe NEU] [--prozent N] [--tage N] [--kurse KÜRZEL…]\n"
         "            [--nachbessern [SEKUNDEN]]\n"
         "                             plant die offenen Stunden aller Kurse (mit --kurse: der\n"
         "                             Lehrer und Klassen) in allen Planversionen, gibt\n"
         "                             \"gesetzt: N\", \"nicht verplanbar: N\" und je Kurs mit\n"
         "                             offenen Stunden \"offen: N KURS\" aus und schreibt das\n"
         "                             Ergebnis nach NEU; --tage: Tage pro Woche (Vorgabe 5);\n"
         "                             --nachbessern: danach höchstens SEKUNDEN (Vorgabe 10)\n"
         "                             nachbessern, mit \"nachgebessert: N\"\n"
         "  plan DATEI lehrer|klasse|raum KÜRZEL [--woche N] [--tage N] [--stunden N]\n"
         "                             [--schalter o|x] [--kopplungen]\n"
         "                             schreibt den Plan als Text mit Tabulatoren, wie\n"
         "                             \"Kopieren\" im Planfenster\n"
         "  drucken DATEI lehrerplaene|klassenplaene|raumplaene|kopplungsplaene-lehrer|\n"
         "          kopplungsplaene-klassen --pdf AUSGABE.pdf [--woche N] [--tage N]\n"
         "          [--auswahl KÜRZEL…]\n"
         "                             schreibt die Pläne (ohne --auswahl: alle) mit den\n"
         "                             Vorgaben des Druckdialogs als PDF-Datei, wie \"Als PDF\n"
         "                             speichern…\"; gibt \"Seiten: N\" und \"Pläne: N\" aus\n"
         "  drucken DATEI lehreruebersicht|klassenuebersicht|raumuebersicht|\n"
         "          kombinationsuebersicht|faecheruebersicht|deputate|kuerzel|konferenz|\n"
         "          reststunden|stundenverteilung|vertretungskonten|\n"
         "          vertretungsuebersicht-lehrer|vertretungsuebersicht-klassen|pruefung|\n"
         "          uvtabellen|parallelkopplungen --pdf AUSGABE.pdf [--woche N] [--tage N]\n"
         "          [--art WAS] [--von DATUM] [--bis DATUM] [--auswahl KÜRZEL…]\n"
         "                             schreibt Übersichten und Listen mit den Vorgaben ihres\n"
         "                             Druckdialogs als PDF-Datei; --auswahl: die Elemente,\n"
         "                             \"von\" und \"bis\" oder die UV-Tabelle (ohne: alle bzw.\n"
         "                             die erste); --art: \"für\" bzw. \"Kürzelart\" (deputate\n"
         "                             lehrer|klassen|kopplungen|faecher|raeume|alle,\n"
         "                             reststunden lehrer|klassen|faecher, stundenverteilung\n"
         "                             wie deputate ohne alle, konferenz faecher|klassen);\n"
         "                             --von/--bis: Zeitraum der Vertretungsübersichten\n"
         "                             (Vorgabe heute); gibt \"Seiten: N\" aus\n"
         "  export DATEI kurse|wochenplan|lanis|schulmanager AUSGABE\n"
         "                             [--art lehrer|klasse|raum] [--woche N] [--tage N]\n"
         "                             [--stunden N]\n"
         "                             schreibt die Datei wie \"Datei\" > \"Export\": die\n"
         "                             Kursliste, die Wochenpläne (--art, Vorgabe lehrer) als\n"
         "                             Textdatei, die Stunden für Lanis oder Schulmanager (CSV)\n"
         "  import DATEI KURSLISTE --ausgabe NEU [--unbekannte-anlegen]\n"
         "                             importiert eine Kursliste in die Schule und schreibt sie\n"
         "                             nach NEU, gibt \"Kurse: N\" und \"Stunden: N\" aus; ohne\n"
         "                             --unbekannte-anlegen lehnt ein unbekanntes Kürzel ab\n"
         "  abwesend DATEI lehrer|klasse|raum KÜRZEL DATUM [--bis DATUM] [--stunden N-M]\n"
         "                             [--grund X] --ausgabe NEU\n"
         "                             trägt eine Abwesenheit ein wie die Abwesenheitsdialoge\n"
         "                             (ohne --stunden den ganzen Tag; --bis wie \"längere\n"
         "                             Fehlzeit\" an den folgenden Schultagen, fünf je Woche),\n"
         "                             gibt je Tag \"TT.MM.JJJJ<Tab>Stunden\" aus und schreibt\n"
         "                             die Schule nach NEU; Daten als TT.MM.JJJJ\n"
         "  vertretungen DATEI DATUM   schreibt je Vertretung des Tages eine Zeile: Stunde,\n"
         "                             Kurs, Lehrer, Vertreter, Raum, Fach, Zustand (gültig,\n"
         "                             ungültig, frei), getrennt durch Tabulatoren\n"
         "  uebersicht DATEI lehrer|klassen|raeume [--woche N]\n"
         "                             schreibt die Übersicht aller Lehrer, Klassen oder Räume\n"
         "                             als Text mit Tabulatoren, wie \"Kopieren\" im\n"
         "                             Übersichtsfenster\n"
         "  --version                  zeigt die Programmversion\n"
         "  --hilfe                    zeigt diese Hilfe\n";
}

// Liest die Schule in die eingesetzte Schule; bei einem Fehler steht die Meldung auf fehler.
bool Lesen(const std::string& pfad, std::ostream& fehler) {
  std::string meldung;
  if (ReadSchule(pfad, Schule(), meldung)) return true;
  fehler << meldung << '\n';
  return false;
}

bool Schreiben(const std::string& pfad, std::ostream& fehler) {
  std::string meldung;
  if (WriteSchule(pfad, Schule(), meldung)) return true;
  fehler << meldung << '\n';
  return false;
}

void Info(std::ostream& aus) {
  const TSchule& s = Schule();
  std::size_t setzungen = 0;
  for (const TKurs* k : s.fKursMenge) setzungen += k->fSetzungen.size();
  aus << "Lehrer: " << s.fLehrerMenge.size() << '\n'
      << "Klassen: " << s.fKlassenMenge.size() << '\n'
      << "Räume: " << s.fRaumMenge.size() << '\n'
      << "Fächer: " << s.fFachMenge.size() << '\n'
      << "Kopplungen: " << s.fKopplMenge.size() << '\n'
      << "UV-Tabellen: " << s.fUVTabMenge.size() << '\n'
      << "Kurse: " << s.fKursMenge.size() << '\n'
      << "Setzungen: " << setzungen << '\n'
      << "Planversionen: " << Standard().fMaxWocheNeu << '\n'
      << "Fehlzeiten: "
      << s.fFehlLehrerMenge.size() + s.fFehlKlassenMenge.size() + s.fFehlRaumMenge.size() << '\n'
      << "Vertretungen: " << s.fVertretungsMenge.size() << '\n';
}

int Falsch(const std::string& befehl, std::ostream& fehler) {
  fehler << "Falsche Argumente für " << befehl << ".\n";
  Hilfe(fehler);
  return 2;
}

int Befehl(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler) {
  const std::string& befehl = args[0];
  const std::size_t n = args.size() - 1;
  if (befehl == "info" || befehl == "kurse") {
    if (n != 1) return Falsch(befehl, fehler);
    TKonsolenUmgebung umgebung(fehler);
    if (!Lesen(args[1], fehler)) return 1;
    if (befehl == "info") {
      Info(aus);
    } else {
      const TSchule& s = Schule();
      aus << Win1252ZuUtf8(KurseAlsText(s.fKursMenge.Kopie(), false));
    }
    return 0;
  }
  if (befehl == "umwandeln") {
    if (n != 2) return Falsch(befehl, fehler);
    TKonsolenUmgebung umgebung(fehler);
    if (!Lesen(args[1], fehler)) return 1;
    return Schreiben(args[2], fehler) ? 0 : 1;
  }
  if (befehl == "beispiel") {
    const bool gross = n >= 2 && args[2] == "--gross";
    const bool knapp = n == 3 && gross && args[3] == "--knapp";
    if (n < 1 || n > 3 || (n >= 2 && !gross) || (n == 3 && !knapp)) return Falsch(befehl, fehler);
    TKonsolenUmgebung umgebung(fehler);
    ErzeugeBeispielSchule(Schule(), gross, knapp);
    return Schreiben(args[1], fehler) ? 0 : 1;
  }
  if (befehl == "pruefen") return CliPruefen({args.begin() + 1, args.end()}, aus, fehler);
  if (befehl == "komprimieren") return CliKomprimieren({args.begin() + 1, args.end()}, aus, fehler);
  if (befehl == "automatik") return CliAutomatik({args.begin() + 1, args.end()}, aus, fehler);
  if (befehl == "plan") return CliPlan({args.begin() + 1, args.end()}, aus, fehler);
  if (befehl == "drucken") return CliDrucken({args.begin() + 1, args.end()}, aus, fehler);
  if (befehl == "export") return CliExport({args.begin() + 1, args.end()}, aus, fehler);
  if (befehl == "import") return CliImport({args.begin() + 1, args.end()}, aus, fehler);
  if (befehl == "abwesend") return CliAbwesend({args.begin() + 1, args.end()}, aus, fehler);
  if (befehl == "vertretungen") return CliVertretungen({args.begin() + 1, args.end()}, aus, fehler);
  if (befehl == "uebersicht") return CliUebersicht({args.begin() + 1, args.end()}, aus, fehler);
  fehler << "Unbekannter Befehl: " << befehl << '\n';
  Hilfe(fehler);
  return 2;
}
}  // namespace

int CliAusfuehren(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler) {
  if (args.empty()) {
    Hilfe(fehler);
    return 2;
  }
  const std::string& befehl = args[0];
  if (befehl == "--version") {
    aus << ProgrammTitel << ' ' << VersionsDatum << '\n';
    return 0;
  }
  if (befehl == "--hilfe" || befehl == "-h" || befehl == "--help") {
    Hilfe(aus);
    return 0;
  }
  try {
    return Befehl(args, aus, fehler);
  } catch (const std::exception& e) {
    fehler << "Interner Fehler: " << e.what() << '\n';
    return 1;
  }
}
