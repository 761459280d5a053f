// Gemeinsame Aufzählungen, Grundtypen und der Zugang zu den beiden globalen Objekten.
#pragma once

#include <cstdint>
#include <string>

class TStandard;
class TSchule;

// Tage seit dem 30.12.1899, Uhrzeit als Bruchteil.
using TDateTime = double;
// Farbe im Format 0x00BBGGRR.
using TColor = std::uint32_t;

inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clBlack = 0x000000;

inline constexpr const char* ProgrammTitel = "WinTamrel 3.9.16";
inline constexpr const char* ProgrammVersion = "3.9.16";
inline constexpr const char* VersionsDatum = "(Version vom 09.11.2025)";

// Die Arten der Kürzel; fac hat den Wert 3 (Summen über alle Kurse).
enum TKuerzelArt : int { leh = 0, kla = 1, kop = 2, fac = 3, rau = 4, uvt = 5, kur = 6 };

enum class TToolArt { ZeigTool, SetzTool, LoeschTool, SchiebTool, FixTool };

enum class TFensterArt { GFenster, DFenster, PFenster };

// Grenzen des Wochenrasters.
inline constexpr int MaxWochen = 54;
inline constexpr int MaxTage = 7;
inline constexpr int MaxStunden = 16;

// Fensterarten (die Zahl ist die Kennung des Fensters und steht so in der Schuldatei).
namespace FensterArt {
inline constexpr int Palette = 1;
inline constexpr int LehrerPlan = 9;
inline constexpr int KlassenPlan = 10;
inline constexpr int RaumPlan = 11;
inline constexpr int UVTabelle = 12;
inline constexpr int Zwischenablage = 14;
inline constexpr int Fehler = 15;
inline constexpr int LehrerDeputat = 16;
inline constexpr int KlassenDeputat = 17;
inline constexpr int KopplungsDeputat = 18;
inline constexpr int FachDeputat = 19;
inline constexpr int RaumDeputat = 20;
inline constexpr int AlleKurse = 21;
inline constexpr int ParalleleKopplungen = 22;
inline constexpr int LehrerUebersicht = 31;
inline constexpr int KlassenUebersicht = 32;
inline constexpr int RaumUebersicht = 33;
inline constexpr int LehrerDaten = 61;
inline constexpr int KlassenDaten = 62;
inline constexpr int KopplungsDaten = 63;
inline constexpr int FachDaten = 64;
inline constexpr int RaumDaten = 65;
inline constexpr int UVDaten = 66;
inline constexpr int Kurs = 67;
inline constexpr int Manuell = 68;
inline constexpr int Vertretungen = 69;
inline constexpr int Stundenverteilung = 71;
inline constexpr int LehrerStatistik = 72;
inline constexpr int KlassenStatistik = 73;
inline constexpr int FachStatistik = 74;
inline constexpr int KopplungsStatistik = 75;
inline constexpr int RaumStatistik = 76;
inline constexpr int UVStatistik = 77;
inline constexpr int VertretungsWahl = 80;
inline constexpr int VertrUebLehrer = 81;
inline constexpr int VertrUebKlassen = 82;
inline constexpr int WoAusfall = 83;
}  // namespace FensterArt

// Die Einstellungen und die Schule sind von überall erreichbar. Das Programm (oder eine
// Testumgebung) setzt die Objekte ein; ohne eingesetztes Objekt ist der Zugriff ein Fehler.
TStandard& Standard();
TSchule& Schule();
bool SchuleVorhanden();
// Setzt ein neues Objekt ein und liefert das bisherige zurück.
TStandard* StandardEinsetzen(TStandard* neu);
TSchule* SchuleEinsetzen(TSchule* neu);

// Markiert die Schule als geändert (wenn eine Schule eingesetzt ist).
void SchuleGeaendert();
