// Die Vertretungsseiten im Netz: Vertretungsplan und Ersatzraumplan eines Tages als HTML 4,
// wahlweise in einem Tagesordner "Vertretung dd-mm-yyyy" mit einer Übersichtsseite, die zu den
// benachbarten Schultagen führt, und "HTML 4": je Druckeinstellung eine Datei.
//
// Alle Seiten sind Windows-1252 mit CR als Zeilenende; jede Datei wird über eine Zwischendatei
// geschrieben und erst vollständig umbenannt. Pfade sind UTF-8 und werden nie relativ zu einem
// Arbeitsordner gelesen, der sich ändert.
#pragma once

#include <string>
#include <vector>

#include "model/GlobalUnit.h"

// "Vertretung dd-mm-yyyy".
std::string TagesordnerName(TDateTime datum);

// Die Seiten (Windows-1252, CR).
std::string ScrollSkript();
std::string VertrIndexSeite(TDateTime datum, bool getrennt);
// Die Vertretungsplanseite von Einstellung p; mitErsatz hängt den Ersatzraumplan an, mitKW
// schreibt die Kalenderwoche in die Überschriften.
std::string VertrPlanSeite(TDateTime datum, const std::vector<std::string>& memo, int p,
                           bool mitErsatz, bool mitKW);
std::string ErsatzraumSeite(TDateTime datum, const std::vector<std::string>& memo, int p,
                            bool mitKW);

// Schreibt den Inhalt über eine Zwischendatei; falsch mit einer Meldung, die die Datei nennt.
bool HtmlDateiSchreiben(const std::string& pfad, const std::string& inhalt, std::string& fehler);

// Die einzige angehakte Druckeinstellung für "als HTML-Datei"; sonst 0 nach der Meldung.
int EinzigeVorgabe();
// Alle vier angehakt für "HTML 4"; sonst falsch nach der Meldung.
bool AlleVorgaben();

// "als HTML-Datei" mit Tagesordner: legt den Ordner an (ein vorhandener wird nach Rückfrage
// ersetzt) und schreibt index.html, vp.html und bei getrennten Dateien ep.html. Falsch, wenn
// nicht alles geschrieben wurde (mit Meldung) oder der Benutzer abbrach. geschrieben erhält die
// Pfade der geschriebenen Dateien.
bool VertretungsTagesordner(const std::string& ordner, TDateTime datum,
                            const std::vector<std::string>& memo, int p,
                            std::vector<std::string>* geschrieben = nullptr);
// Ohne Tagesordner: die Vertretungsplanseite nach vpPfad, bei getrennten Dateien den
// Ersatzraumplan nach epPfad; ein leerer Pfad (abgebrochener Dateidialog) wird übergangen.
bool VertretungsDateien(const std::string& vpPfad, const std::string& epPfad, TDateTime datum,
                        const std::vector<std::string>& memo, int p,
                        std::vector<std::string>* geschrieben = nullptr);
// "HTML 4": je Einstellung die Seite nach ihrem HTMLPfad; ein fehlender Pfad wird gemeldet und
// dann wird nichts geschrieben. "Die 4 HTML-Dateien wurden exportiert." nur, wenn alle vier
// geschrieben sind.
bool VertretungHtml4(TDateTime datum, const std::vector<std::string>& memo,
                     std::vector<std::string>* geschrieben = nullptr);
