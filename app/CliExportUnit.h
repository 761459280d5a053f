// tamrel-cli export und import: dieselben Dateien und derselbe Ablauf wie die Befehle
// "Datei" › "Export" und "Datei" › "Import..." der Palette.
//
//   tamrel-cli export DATEI kurse|wochenplan|lanis|schulmanager|vertretung|
//                     vertretungsuebersicht-lehrer|vertretungsuebersicht-klassen AUSGABE
//                     [--art lehrer|klasse|raum] [--woche N] [--tage N] [--stunden N]
//                     [--von DATUM --bis DATUM]
//   tamrel-cli import DATEI KURSLISTE --ausgabe NEU [--unbekannte-anlegen]
//
// export: --art wählt die Pläne von "wochenplan" (Vorgabe lehrer); --woche, --tage, --stunden:
// Planversion, Tage je Woche (5 bis 7) und Stunden je Tag statt der Einstellungen.
// vertretung: der Vertretungsplan der Tage --von bis --bis (TT.MM.JJJJ, beide nötig) als CSV.
// vertretungsuebersicht-lehrer|-klassen: die Übersicht dieser Tage (beide nötig) als Textdatei.
// import: liest die Kursliste in die Schule DATEI und schreibt sie nach NEU; ohne
// --unbekannte-anlegen lehnt ein unbekanntes Kürzel den Import ab.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Die Befehle (args ohne den Befehlsnamen); liefern den Rückgabewert des Prozesses.
int CliExport(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
int CliImport(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
