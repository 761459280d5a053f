// Die Text- und CSV-Exporte des Menüs "Export": Kursliste und Wochenpläne als Textdatei
// (Tabulator, Byte 29 zwischen Werten eines Feldes, 8-Bit-Zeichen der Datei, CR) und die
// Stundenlisten "Lanis Stundenplan (csv)" und "Schulmanager (csv)" (";" nach jedem Feld, UTF-8,
// CR), die Vertretungsübersichten als Textdatei und der Vertretungsplan eines Zeitraums (";"
// zwischen den Feldern, UTF-8, CR LF). Jede Datei entsteht ganz im Speicher und wird wie die
// Schuldatei über eine Zwischendatei abgelegt; die bisherige Datei bleibt bei einem Fehler
// unverändert.
//
// Kein Text zerreißt ein Feld: In Textdateien werden Tabulator, CR, LF und Byte 29 in einem Text
// zu Leerzeichen, in den CSV-Dateien ";" zu "," und CR/LF zu Leerzeichen.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/DatumUnit.h"
#include "model/GlobalUnit.h"
#include "persistence/BufferUnit.h"

// Die Exporte, die das Menü "Export" anbietet und tamrel-cli export schreibt.
enum class TExportArt {
  Kurse,
  LehrerPlaene,
  KlassenPlaene,
  RaumPlaene,
  Lanis,
  Schulmanager,
  Vertretungsplan,
  VertrLeUeb,  // Vertretungsübersicht für Lehrer
  VertrKlUeb   // Vertretungsübersicht für Klassen
};

// Was der Dateidialog eines Exports braucht und wohin er den Ordner zurückschreibt.
struct TExportBefehl {
  TExportArt Art;
  const char* Menue;               // Eintrag unter "Datei" › "Export"
  const char* Titel;               // Titel des Dateidialogs
  const char* FilterText;          // Beschreibung des Filters
  const char* Muster;              // Muster des Filters
  const char* Endung;              // Vorgabe-Endung
  std::string TStandard::*Ordner;  // Anfangsordner, nach der Wahl zurückgeschrieben
};
// Alle Exporte in der Folge des Menüs.
const std::vector<TExportBefehl>& ExportBefehle();
const TExportBefehl& ExportBefehl(TExportArt art);
// Merkt den Ordner der gewählten Datei (UTF-8-Pfad) im Feld des Befehls.
void ExportOrdnerMerken(TExportArt art, const std::string& pfad);

// Der Zeitraum des Vertretungsplanexports aus den Feldern des Dialogs "Vertretungsplanexport":
// ein ungültiger Tag wird um bis zu drei Tage zurückgenommen, beide Tage kommen nach fVExpVon und
// fVExpBis. Liefert von (mittags) und das spätere von Ende (mittags) und von.
std::pair<TDateTime, TDateTime> VertretungsZeitraum(TDatum von, TDatum bis);

// Die Anzeige des Fortschritts (das Fenster "Exportieren"); ohne Anzeige läuft alles still.
class TExportAnzeige {
 public:
  virtual ~TExportAnzeige() = default;
  // Der Dateiname ohne Ordner (UTF-8) und die erwartete Zahl der Zeilen.
  virtual void Beginn(const std::string& dateiName, int zeilen) = 0;
  // Alle fünf Zeilen: die Zahl der geschriebenen Zeilen.
  virtual void Fortschritt(int nr) = 0;
};

// Ein Text für die Textdatei: Tabulator, CR, LF und Byte 29 werden zu Leerzeichen.
std::string TextFeld(std::string_view text);
// Ein Text für eine CSV-Datei: ";" wird zu ",", CR und LF zu Leerzeichen.
std::string CsvFeld(std::string_view text);

class TExport {
 public:
  explicit TExport(TExportAnzeige* anzeige = nullptr) : fAnzeige(anzeige) {}

  // Bauen im Speicher; danach hält Puffer() die ganze Datei. dateiName nennt die Anzeige.
  void KursExport(const std::string& dateiName = {});
  // Art leh: Lehrer, kla: Klassen, jede andere: Räume.
  void PlanExport(TKuerzelArt art, const std::string& dateiName = {});
  void CSVExport(const std::string& dateiName = {});
  void CSVSMExport(const std::string& dateiName = {});
  // Ein Raster aus Zeilen von Zellen (Windows-1252), wie die Übersichtsfenster es zeigen: die
  // Zeilen ab 1 (Zeile 0 hält die Überschriften), die Zellen mit Tabulatoren, CR nach der
  // letzten. Ein Raster mit weniger als zwei Zeilen gibt eine leere Datei.
  void RasterExport(const std::vector<std::vector<std::string>>& raster,
                    const std::string& dateiName = {});
  // Der Vertretungsplan der Tage von..bis (mittags): je Vertretung in der Ordnung "Stunden" ihre
  // Exportzeile; vor der ersten Vertretung jedes Tages die Zeilen der fehlenden Lehrer (100) und
  // Klassen (101) dieses Tages.
  void VertretungExport(TDateTime bis, TDateTime von, const std::string& dateiName = {});
  // Die Vertretungsübersicht der Lehrer (leh) oder Klassen (kla) für von..bis (mittags): das
  // Raster, wie ihr Fenster es zeigt, ohne die Überschriften.
  void VertrUebExport(TKuerzelArt art, TDateTime von, TDateTime bis,
                      const std::string& dateiName = {});
  // Der Zeitraum, den Bauen und ExportToFile dem Vertretungsplan und den Übersichten geben.
  void SetzeZeitraum(TDateTime von, TDateTime bis) {
    fVon = von;
    fBis = bis;
  }
  void Bauen(TExportArt art, const std::string& dateiName = {});

  // Baut die Datei und schreibt sie nach pfad (UTF-8). Falsch mit der Meldung (nennt die Datei)
  // in fehler; die bisherige Datei ist dann unverändert.
  bool ExportToFile(TExportArt art, const std::string& pfad, std::string& fehler);
  bool KursExportToFile(const std::string& fileName, std::string& fehler) {
    return ExportToFile(TExportArt::Kurse, fileName, fehler);
  }
  bool PlanExportToFile(const std::string& fileName, TKuerzelArt art, std::string& fehler) {
    return ExportToFile(art == leh   ? TExportArt::LehrerPlaene
                        : art == kla ? TExportArt::KlassenPlaene
                                     : TExportArt::RaumPlaene,
                        fileName, fehler);
  }
  bool CSVExportToFile(const std::string& fileName, std::string& fehler) {
    return ExportToFile(TExportArt::Lanis, fileName, fehler);
  }
  bool CSVSMExportToFile(const std::string& fileName, std::string& fehler) {
    return ExportToFile(TExportArt::Schulmanager, fileName, fehler);
  }

  bool VertretungExportToFile(const std::string& fileName, TDateTime bis, TDateTime von,
                              std::string& fehler) {
    SetzeZeitraum(von, bis);
    return ExportToFile(TExportArt::Vertretungsplan, fileName, fehler);
  }
  // Eine Vertretungsübersicht (das Raster ihres Fensters) als Textdatei, wie RasterExport.
  bool VertrUebExportToFile(const std::string& fileName,
                            const std::vector<std::vector<std::string>>& raster,
                            std::string& fehler);

  const TBuffer& Puffer() const { return fBuffer; }
  int Zeilen() const { return fZeilen; }
  int Nr() const { return fNr; }

 private:
  void Anfang(const std::string& dateiName, int zeilen);
  void ZeileFertig();
  void Stundenzeilen(bool schulmanager);
  bool Schreiben(const std::string& pfad, const std::function<void(const std::string&)>& bauen,
                 std::string& fehler);

  TExportAnzeige* fAnzeige;
  TBuffer fBuffer;
  std::int32_t fZeilen = 0;
  std::int32_t fNr = 0;
  std::uint32_t fAnzahl = 0;
  TDateTime fVon = 0;
  TDateTime fBis = 0;
};
