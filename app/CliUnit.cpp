#include "app/CliUnit.h"

#include <exception>
#include <ostream>
#include <sstream>

#include "app/BeispielSchuleUnit.h"
#include "app/BeispielSchwerUnit.h"
#include "app/CliAutomatikUnit.h"
#include "app/CliDruckUnit.h"
#include "app/CliAusfallUnit.h"
#include "app/CliExportUnit.h"
#include "app/CliHtmlUnit.h"
#include "app/CliIcalUnit.h"
#include "app/CliPlanUnit.h"
#include "app/CliPruefUnit.h"
#include "app/CliSchulUnit.h"
#include "app/CliVertretungUnit.h"
#include "app/CliVertrUebersichtUnit.h"
#include "app/CliUebersichtUnit.h"
#include "app/CliVertrHtmlUnit.h"
#include "app/CliVertrPlanUnit.h"
#include "app/CliUVUnit.h"
#include "app/KonsoleUnit.h"
#include "model/AblageUnit.h"
#include "model/GlobalUnit.h"
#include "model/SchulUnit.h"
#include "persistence/ReadUnit.h"
#include "persistence/WriteUnit.h"
#include "settings/StandardUnit.h"

namespace {
TEinstellungsQuelle gEinstellungsQuelle;

void Hilfe(std::ostream& aus) {
  aus << "Aufruf: tamrel-cli [--einstellungen DATEI] BEFEHL [ARGUMENTE]\n"
         "Jeder Befehl liest die Einstellungen des Programms, ohne sie zu ändern: die Datei aus\n"
         "--einstellungen (an beliebiger Stelle), sonst die Datei aus TAMREL_EINSTELLUNGEN oder\n"
         "die Einstellungen des Benutzers (unter Windows die Registrierung); ohne Einstellungen\n"
         "gelten die Vorgaben wie beim ersten Programmstart. --woche (Planversion, sonst die des\n"
         "heutigen Tages), --tage und --stunden legen einzelne Werte darüber. Daten als\n"
         "TT.MM.JJJJ, heute oder morgen.\n"
         "Befehle:\n"
         "  info DATEI                 zeigt die Anzahlen der Schule, eine Zeile je Anzahl\n"
         "  kurse DATEI                schreibt alle Kurse im Kursformat der Zwischenablage\n"
         "  umwandeln DATEI NEU        liest DATEI (auch im alten Aufbau) und schreibt NEU im\n"
         "                             aktuellen Aufbau\n"
         "  beispiel DATEI [--gross [--knapp] | --gymnasium | --grundschule]\n"
         "                             schreibt die Beispielschule (--gross: die große;\n"
         "                             --knapp: Lehrkräfte zu 95 % ausgelastet, mehr Schienen;\n"
         "                             --gymnasium: 12 Stunden am Tag, Oberstufe aus 240\n"
         "                             Schülergruppen in Schienen, Zeitfenster, gesperrte Tage;\n"
         "                             --grundschule: 6 Stunden, viele Stunden mit zwei\n"
         "                             Lehrkräften), ohne gesetzte Stunden bei den beiden\n"
         "                             letzten; bei diesen gibt es das Raster aus, \"Raster: T\n"
         "                             Tage, S Stunden (automatik mit --tage T --stunden S)\"\n"
         "  pruefen DATEI [konsistenz|bruecken|raeume|stunden|versionen|kopplungen|einzel|alle]\n"
         "                [--woche N] [--tage N]\n"
         "                             schreibt die Zeilen des Fensters \"Fehler\", dann\n"
         "                             \"Ergebnis: keine Fehler|kleinere Fehler|größere Fehler\"\n"
         "                             (ohne Prüfung: alle in der Folge des Menüs)\n"
         "  komprimieren DATEI --ausgabe NEU [--woche N] [--tage N]\n"
         "                             schließt die Lücken der Klassenpläne in allen\n"
         "                             Planversionen, gibt die Hohlstunden je Klasse davor und\n"
         "                             danach aus und schreibt das Ergebnis nach NEU\n"
         "  automatik DATEI [--ausgabe NEU] [--prozent N] [--tage N] [--stunden N]\n"
         "            [--kurse KÜRZEL…] [--nachbessern [SEKUNDEN]] [--schritte N] [--saat N]\n"
         "                             plant die offenen Stunden aller Kurse (mit --kurse: der\n"
         "                             Lehrer und Klassen) in allen Planversionen im Raster der\n"
         "                             Einstellungen (--tage, --stunden: statt der\n"
         "                             Einstellungen), gibt \"Raster: T Tage, S Stunden\",\n"
         "                             \"gesetzt: N\", \"nicht verplanbar: N\" und je Kurs mit\n"
         "                             offenen Stunden \"offen: N KURS\" mit einer Zeile\n"
         "                             \"Gründe:\" aus und schreibt das Ergebnis nach NEU;\n"
         "                             --prozent: statt der Einstellungen; --nachbessern: danach\n"
         "                             höchstens SEKUNDEN (Vorgabe 10) nachbessern, mit\n"
         "                             \"nachgebessert: N\", \"Schritte: N\" und \"Zeitgrenze:\n"
         "                             erreicht|nicht erreicht\"; --schritte: höchstens N\n"
         "                             Schritte; --saat: Saat des Zufalls (Vorgabe 1), gleiche\n"
         "                             Saat und Schritte geben dasselbe Ergebnis\n"
         "  plan DATEI lehrer|klasse|raum KÜRZEL [--woche N] [--tage N] [--stunden N]\n"
         "                             [--schalter o|x] [--kopplungen]\n"
         "                             schreibt den Plan als Text mit Tabulatoren, wie\n"
         "                             \"Kopieren\" im Planfenster\n"
         "  drucken DATEI lehrerplaene|klassenplaene|raumplaene|kopplungsplaene-lehrer|\n"
         "          kopplungsplaene-klassen --pdf AUSGABE.pdf [--woche N] [--tage N]\n"
         "          [--stunden N] [--auswahl KÜRZEL…]\n"
         "                             schreibt die Pläne (ohne --auswahl: alle) mit den\n"
         "                             Druckoptionen und dem Papierformat des Programms als\n"
         "                             PDF-Datei, wie \"Als PDF speichern…\"; gibt \"Seiten: N\"\n"
         "                             und \"Pläne: N\" aus\n"
         "  drucken DATEI lehreruebersicht|klassenuebersicht|raumuebersicht|\n"
         "          kombinationsuebersicht|faecheruebersicht|deputate|kuerzel|konferenz|\n"
         "          reststunden|stundenverteilung|vertretungskonten|\n"
         "          vertretungsuebersicht-lehrer|vertretungsuebersicht-klassen|pruefung|\n"
         "          uvtabellen|parallelkopplungen --pdf AUSGABE.pdf [--woche N] [--tage N]\n"
         "          [--stunden N] [--art WAS] [--von DATUM] [--bis DATUM] [--schalter o|x]\n"
         "          [--auswahl KÜRZEL…]\n"
         "                             schreibt Übersichten und Listen mit den Optionen ihres\n"
         "                             Druckdialogs und dem Papierformat als PDF-Datei;\n"
         "                             --auswahl: die Elemente, \"von\" und \"bis\" oder die\n"
         "                             UV-Tabellen (ohne: alle); --art: \"für\" bzw.\n"
         "                             \"Kürzelart\" (deputate lehrer|klassen|kopplungen|\n"
         "                             faecher|raeume|alle, reststunden lehrer|klassen|faecher,\n"
         "                             stundenverteilung wie deputate ohne alle, konferenz\n"
         "                             faecher|klassen; ohne: wie im Dialog zuletzt);\n"
         "                             --von/--bis: Zeitraum der Vertretungsübersichten (Vorgabe\n"
         "                             heute); --schalter: der Umschalter der UV-Fenster\n"
         "                             (Vorgabe o); gibt \"Seiten: N\" aus\n"
         "  export DATEI kurse|wochenplan|lanis|schulmanager|vertretung|\n"
         "                             vertretungsuebersicht-lehrer|\n"
         "                             vertretungsuebersicht-klassen AUSGABE\n"
         "                             [--art lehrer|klasse|raum] [--woche N] [--tage N]\n"
         "                             [--stunden N] [--von DATUM --bis DATUM]\n"
         "                             schreibt die Datei wie \"Datei\" > \"Export\": die\n"
         "                             Kursliste, die Wochenpläne (--art, Vorgabe lehrer) als\n"
         "                             Textdatei, die Stunden für Lanis oder Schulmanager (CSV)\n"
         "                             oder den Vertretungsplan der Tage --von bis --bis (CSV)\n"
         "                             bzw. ihre Vertretungsübersicht für Lehrer oder Klassen\n"
         "                             (Textdatei)\n"
         "  import DATEI KURSLISTE --ausgabe NEU [--unbekannte-anlegen]\n"
         "                             importiert eine Kursliste in die Schule und schreibt sie\n"
         "                             nach NEU, gibt \"Kurse: N\" und \"Stunden: N\" aus; ohne\n"
         "                             --unbekannte-anlegen lehnt ein unbekanntes Kürzel ab\n"
         "  abwesend DATEI lehrer|klasse|raum KÜRZEL DATUM [--bis DATUM] [--stunden N-M]\n"
         "                             [--grund X] [--tage N] --ausgabe NEU\n"
         "                             trägt eine Abwesenheit ein wie die Abwesenheitsdialoge\n"
         "                             (ohne --stunden den ganzen Tag; --bis wie \"längere\n"
         "                             Fehlzeit\" an den folgenden Schultagen), gibt je Tag\n"
         "                             \"TT.MM.JJJJ<Tab>Stunden\" aus und schreibt die Schule\n"
         "                             nach NEU\n"
         "  vertretungen DATEI DATUM   schreibt je Vertretung des Tages eine Zeile: Stunde,\n"
         "                             Kurs, Lehrer, Vertreter, Raum, Fach, Zustand (gültig,\n"
         "                             ungültig, frei), getrennt durch Tabulatoren\n"
         "  uebersicht DATEI lehrer|klassen|raeume [--woche N] [--tage N] [--stunden N]\n"
         "                             schreibt die Übersicht aller Lehrer, Klassen oder Räume\n"
         "                             als Text mit Tabulatoren, wie \"Kopieren\" im\n"
         "                             Übersichtsfenster\n"
         "  vertretungsuebersicht DATEI lehrer|klassen VON BIS [--woche N] [--tage N]\n"
         "                             schreibt die Vertretungsübersicht für Lehrer oder\n"
         "                             Klassen vom Tag VON bis BIS wie \"Kopieren\" im\n"
         "                             Übersichtsfenster\n"
         "  ausfall DATEI --kw N --jahr J [--pdf AUSGABE.pdf] [--woche N] [--tage N]\n"
         "                             schreibt den wöchentlichen Unterrichtsausfall der\n"
         "                             Kalenderwoche Zeile für Zeile wie das Fenster\n"
         "                             \"wöchentlicher Unterrichtsausfall\", mit --pdf seinen\n"
         "                             Druck als PDF-Datei (dann \"Seiten: N\")\n"
         "  html DATEI ORDNER [--ersetzen] [--woche N] [--tage N] [--stunden N]\n"
         "       [--schulname TEXT]\n"
         "                             schreibt die Seiten des Planinformationssystems wie\n"
         "                             \"Datei\" > \"Export\" > \"HTML-Dateien...\" in den neuen\n"
         "                             Ordner (--ersetzen: auch in einen vorhandenen; eigene\n"
         "                             Seiten über den neuen Anzahlen fallen weg), gibt\n"
         "                             \"Dateien: N\" aus\n"
         "  html DATEI ORDNER --vertretung DATUM [--vorgabe 1..4] [--tagesordner] [--woche N]\n"
         "       [--tage N]\n"
         "                             schreibt die Vertretungsseiten des Tages wie \"als\n"
         "                             HTML-Datei\" (ohne --vorgabe: die eine angehakte\n"
         "                             Druckeinstellung): vp.html und ep.html in ORDNER, mit\n"
         "                             Tagesordner (--tagesordner oder \"mit Tagesordner\" in den\n"
         "                             Einstellungen) in \"Vertretung TT-MM-JJJJ\" mit "
         "index.html;\n"
         "                             dazu die Stilvorlage; je geschriebene Datei eine Zeile\n"
         "  ical DATEI lehrer|klasse|raum KÜRZEL…|alle --von DATUM --bis DATUM ORDNER\n"
         "       [--vertretungen] [--tage N] [--zeiten ZEITEN]\n"
         "                             schreibt je Element eine Kalenderdatei (lpl3.ics …)\n"
         "                             wie \"Datei\" > \"Export\" > \"Kalender (iCalendar)...\":\n"
         "                             je Stunde jedes Schultags ein Termin, mit\n"
         "                             --vertretungen nach den Vertretungen; --zeiten: Beginn\n"
         "                             und Ende der Stunden (7:50-8:35,8:40-9:25,…); je Datei\n"
         "                             \"NAME<Tab>KÜRZEL<Tab>Termine\", dann \"Dateien: N\" und\n"
         "                             \"Termine: N\"\n"
         "  html4 DATEI DATUM [--woche N] [--tage N]\n"
         "                             schreibt wie \"HTML 4\" je Druckeinstellung ihre\n"
         "                             Vertretungsseite nach ihrem \"Pfad zur HTML-Datei\" (alle\n"
         "                             vier angehakt); je geschriebene Datei eine Zeile\n"
         "  vertretungsplan DATEI DATUM [--vorgabe 1..4] [--pdf AUSGABE.pdf] [--woche N]\n"
         "                  [--tage N]\n"
         "                             schreibt Vertretungs- und Ersatzraumplan des Tages wie\n"
         "                             \"zur Zwischenablage\" im Dialog \"Drucke\n"
         "                             Vertretungsplan\" (ohne --vorgabe: die angehakten\n"
         "                             Druckeinstellungen), mit --pdf als PDF-Datei und gibt\n"
         "                             \"Seiten: N\" aus\n"
         "  uvtabelle DATEI NR|KÜRZEL [--schalter o|x] [--woche N]\n"
         "                             schreibt die UV-Tabelle (Nummer ab 1 oder Kürzel) als\n"
         "                             Text mit Tabulatoren, wie \"Kopieren\" im Fenster der\n"
         "                             Tabelle\n"
         "  --version                  zeigt die Programmversion\n"
         "  --hilfe                    zeigt diese Hilfe\n";
}

// Die Zeilen der Hilfe.
std::vector<std::string> HilfeZeilen() {
  std::ostringstream text;
  Hilfe(text);
  std::vector<std::string> zeilen;
  std::istringstream ein(text.str());
  for (std::string z; std::getline(ein, z);) zeilen.push_back(z);
  return zeilen;
}

// Der Name des Befehls, den eine Zeile der Hilfe beginnt ("  plan DATEI …" → "plan"); leer bei
// Folgezeilen und bei den Optionen "--version" und "--hilfe".
std::string HilfeBefehl(const std::string& zeile) {
  if (zeile.size() < 3 || zeile.compare(0, 2, "  ") != 0 || zeile[2] == ' ' || zeile[2] == '-')
    return {};
  return zeile.substr(2, zeile.find(' ', 2) - 2);
}

// "tamrel-cli BEFEHL --hilfe": der Abschnitt dieses Befehls aus der Hilfe.
bool BefehlsHilfe(const std::string& befehl, std::ostream& aus) {
  bool drin = false, gefunden = false;
  for (const std::string& zeile : HilfeZeilen()) {
    const std::string name = HilfeBefehl(zeile);
    const bool folge = zeile.size() > 2 && zeile.compare(0, 3, "   ") == 0;
    if (!name.empty())
      drin = name == befehl;
    else if (!folge)
      drin = false;
    if (!drin) continue;
    if (!gefunden)
      aus << "Aufruf: tamrel-cli " << zeile.substr(2) << '\n';
    else
      aus << zeile << '\n';
    gefunden = true;
  }
  return gefunden;
}

// Liest die Schule in die eingesetzte Schule; bei einem Fehler steht die Meldung auf fehler.
bool Lesen(TKonsolenUmgebung& umgebung, const std::string& pfad, std::ostream& fehler) {
  return CliSchuleOeffnen(umgebung, pfad, fehler);
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
    if (!Lesen(umgebung, args[1], fehler)) return 1;
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
    if (!Lesen(umgebung, args[1], fehler)) return 1;
    return Schreiben(args[2], fehler) ? 0 : 1;
  }
  if (befehl == "beispiel") {
    const bool gross = n >= 2 && args[2] == "--gross";
    const bool knapp = n == 3 && gross && args[3] == "--knapp";
    const bool gymnasium = n == 2 && args[2] == "--gymnasium";
    const bool grundschule = n == 2 && args[2] == "--grundschule";
    if (n < 1 || n > 3 || (n >= 2 && !gross && !gymnasium && !grundschule) || (n == 3 && !knapp))
      return Falsch(befehl, fehler);
    TKonsolenUmgebung umgebung(fehler);
    if (gymnasium)
      ErzeugeGymnasium(Schule());
    else if (grundschule)
      ErzeugeGrundschule(Schule());
    else
      ErzeugeBeispielSchule(Schule(), gross, knapp);
    if (!Schreiben(args[1], fehler)) return 1;
    // Das Raster der Schule steht in den Einstellungen, nicht in der Datei: der Benutzer erfährt,
    // wie er die Automatik aufruft.
    if (gymnasium || grundschule) {
      const TStandard& st = Standard();
      aus << "Raster: " << st.fMaxTageNeu << " Tage, " << st.fPlnStd
          << " Stunden (automatik mit --tage " << st.fMaxTageNeu << " --stunden " << st.fPlnStd
          << ")\n";
    }
    return 0;
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
  if (befehl == "vertretungsuebersicht")
    return CliVertrUebersicht({args.begin() + 1, args.end()}, aus, fehler);
  if (befehl == "ausfall") return CliAusfall({args.begin() + 1, args.end()}, aus, fehler);
  if (befehl == "html") {
    // Mit --vertretung die Vertretungsseiten eines Tages, sonst die Planseiten.
    for (std::size_t i = 1; i < args.size(); ++i)
      if (args[i] == "--vertretung")
        return CliHtmlVertretung({args.begin() + 1, args.end()}, aus, fehler);
    return CliHtml({args.begin() + 1, args.end()}, aus, fehler);
  }
  if (befehl == "html4") return CliHtml4({args.begin() + 1, args.end()}, aus, fehler);
  if (befehl == "ical") return CliIcal({args.begin() + 1, args.end()}, aus, fehler);
  if (befehl == "vertretungsplan")
    return CliVertretungsplan({args.begin() + 1, args.end()}, aus, fehler);
  if (befehl == "uvtabelle") return CliUVTabelle({args.begin() + 1, args.end()}, aus, fehler);
  fehler << "Unbekannter Befehl: " << befehl << '\n';
  Hilfe(fehler);
  return 2;
}
}  // namespace

void CliEinstellungsQuelleSetzen(TEinstellungsQuelle quelle) {
  gEinstellungsQuelle = std::move(quelle);
}

int CliAusfuehren(const std::vector<std::string>& alle, std::ostream& aus, std::ostream& fehler) {
  // "--einstellungen DATEI" gilt für jeden Befehl und steht an beliebiger Stelle.
  std::vector<std::string> args;
  std::string datei;
  bool mitDatei = false;
  for (std::size_t i = 0; i < alle.size(); ++i) {
    if (alle[i] != "--einstellungen") {
      args.push_back(alle[i]);
      continue;
    }
    if (i + 1 >= alle.size() || alle[i + 1].empty()) {
      fehler << "Nach --einstellungen fehlt die Datei.\n";
      return 2;
    }
    if (mitDatei) {
      fehler << "--einstellungen steht zweimal.\n";
      return 2;
    }
    datei = alle[++i];
    mitDatei = true;
  }
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
  for (std::size_t i = 1; i < args.size(); ++i)
    if (args[i] == "--hilfe" && BefehlsHilfe(befehl, aus)) return 0;
  try {
    std::unique_ptr<TEinstellungsSpeicher> einstellungen;
    if (gEinstellungsQuelle) {
      std::string meldung;
      einstellungen = gEinstellungsQuelle(datei, meldung);
      if (!einstellungen) {
        fehler << meldung << '\n';
        return 1;
      }
    } else if (mitDatei) {
      fehler << "Einstellungsdateien kann dieses Programm nicht lesen.\n";
      return 1;
    }
    struct TEinsetzen {
      explicit TEinsetzen(TEinstellungsSpeicher* s) : fAlt(KonsolenEinstellungen()) {
        KonsolenEinstellungenSetzen(s);
      }
      ~TEinsetzen() { KonsolenEinstellungenSetzen(fAlt); }
      TEinstellungsSpeicher* fAlt;
    } einsetzen(einstellungen.get());
    return Befehl(args, aus, fehler);
  } catch (const std::exception& e) {
    fehler << "Interner Fehler: " << e.what() << '\n';
    return 1;
  }
}

std::vector<std::string> CliBefehle() {
  std::vector<std::string> befehle;
  for (const std::string& zeile : HilfeZeilen())
    if (std::string name = HilfeBefehl(zeile);
        !name.empty() && (befehle.empty() || befehle.back() != name))  // "html" hat zwei Formen
      befehle.push_back(std::move(name));
  return befehle;
}
