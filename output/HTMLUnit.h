// Das Planinformationssystem "HTML-Dateien...": ein Ordner mit der Startseite "index.html", den
// Listen "lpl.html", "kpl.html", "rpl.html", "ko.html", "fa.html", der Kursliste "ku.html" und
// einer Seite je Lehrer, Klasse, Raum, Kopplung und Fach ("lpl" + n + ".html" usw., n ist die
// Stelle in der Liste der Schule ab 1). Die Seiten zeigen die aktuelle Planversion.
//
// Jede Seite ist ein reiner Text aus Schule und Einstellungen: 8-Bit-Zeichen (Windows-1252), jede
// Zeile endet mit CR allein. Texte aus den Daten gehen durch HTMLText; die Zeichentabelle der
// Schuldatei wird nie angewandt.
//
// Geschrieben wird jede Seite über eine Zwischendatei und Umbenennen; der Arbeitsordner des
// Prozesses bleibt, wie er ist. Fehlt die Stilvorlage "tamrel.css" im Ordner, kommt die
// mitgelieferte hinzu.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/GlobalUnit.h"

// Ein Text aus den Daten (Windows-1252) für eine Seite: "&", "<", ">" und '"' als Entity (das
// "&" zuerst), ebenso Ä Ö Ü ä ö ü ß § ¥; alle anderen Zeichen bleiben.
std::string HTMLText(std::string_view ansi);

// Die Anzeige des Fensters "Exportieren in HTML-Dateien"; ohne Anzeige läuft alles still.
class THTMLAnzeige {
 public:
  virtual ~THTMLAnzeige() = default;
  // Der Ordner, in den geschrieben wird (Name ohne übergeordnete Ordner, UTF-8).
  virtual void Ordner(const std::string& name) = 0;
  // Vor jeder Liste: Zähler auf 0, die Zahl ihrer Elemente als Höchstwert.
  virtual void ListeBeginn(int anzahl) = 0;
  // Das Element nr (ab 1) wird geschrieben; kuerzel in UTF-8.
  virtual void Element(const std::string& kuerzel, int nr) = 0;
  // Alle fünf Elemente: der Fortschrittsbalken rückt vor.
  virtual void Fortschritt(int nr) = 0;
};

// Nimmt die fertigen Seiten in der Folge des Schreibens: Dateiname und Bytes.
using THTMLAblage = std::function<void(const std::string& name, const std::string& bytes)>;

// Die einzelnen Seiten. art: leh, kla, rau, kop oder fac; nr: Stelle in der Liste ab 1.
std::string HTMLIndexSeite();
std::string HTMLListenSeite(TKuerzelArt art);
std::string HTMLKursSeite();
// mitKalender: die Seite eines Lehrers, einer Klasse oder eines Raums verweist unter der
// Navigation auf seine Kalenderdatei ("lpl3.ics", output/IcalUnit.h).
std::string HTMLElementSeite(TKuerzelArt art, int nr, bool mitKalender = false);
// Der Dateiname der Liste ("lpl.html") bzw. des Elements nr ("lpl3.html").
std::string HTMLDateiName(TKuerzelArt art, int nr = 0);

// Unter den Dateinamen eines Ordners die Seiten, die der Export selbst schreibt ("lpl" + n +
// ".html" usw.), deren Nummer über der heutigen Zahl der Elemente ihrer Art liegt.
std::vector<std::string> HTMLAlteSeiten(const std::vector<std::string>& namen);

class THTMLExport {
 public:
  static constexpr const char* Titel = "Exportieren in HTML-Dateien";

  explicit THTMLExport(THTMLAnzeige* anzeige = nullptr) : fAnzeige(anzeige) {}

  // Alle Seiten in ihrer Folge; die Anzeige folgt jeder Liste. kalenderDa sagt, ob neben den
  // Seiten die Kalenderdatei eines Elements liegt (leer: keine).
  void Erzeugen(const THTMLAblage& ablage,
                const std::function<bool(const std::string& name)>& kalenderDa = {});

  // Der Menübefehl nach dem Dateidialog: pfad (UTF-8) ist der neue Ordner. Er wird angelegt;
  // einen vorhandenen Ordner nimmt der Export nach der Rückfrage oder mit ersetzen, dann werden
  // die Seiten darin ersetzt und die eigenen Seiten über den neuen Anzahlen entfernt (andere
  // Dateien bleiben); liegen dort Kalenderdateien, verweisen die Planseiten auf sie. Jeder Fehler
  // wird über den Dialogdienst gemeldet und nennt den Ordner oder die Datei. Wahr, wenn jede Datei
  // geschrieben wurde.
  bool ExportToFile(const std::string& pfad, bool ersetzen = false);
  // Die Zahl der zuletzt geschriebenen Dateien (die Stilvorlage mitgezählt).
  int Dateien() const { return fDateien; }

 private:
  THTMLAnzeige* fAnzeige;
  int fDateien = 0;
};
