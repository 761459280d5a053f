// Die Breiten der Spalten (oder Höhen der Zeilen) eines Rasters mit der Linie nach jeder Zelle,
// so gehalten, dass die Lage einer Zelle und die Zelle an einer Stelle in logarithmischer Zeit
// zu finden sind (ein Fenwick-Baum über Maß + Linie). Ein Raster mit 5.000 Zeilen zu füllen
// kostet so nicht mehr für jede Zelle einen Gang über alle Zeilen davor.
#pragma once

#include <cstdint>
#include <vector>

class TRasterMasse {
 public:
  // n Zellen mit dem Maß vorgabe, Linienbreite linie.
  explicit TRasterMasse(int n = 0, int vorgabe = 0, int linie = 1);

  int Anzahl() const { return static_cast<int>(fMasse.size()); }
  int Linie() const { return fLinie; }
  // Das Maß der Zelle i (0 außerhalb).
  int Mass(int i) const;

  // Neue Anzahl: neue Zellen bekommen vorgabe, die übrigen behalten ihr Maß.
  void Groesse(int n, int vorgabe);
  void SetzeMass(int i, int mass);
  void AlleSetzen(int mass);
  void SetzeLinie(int linie);
  // Fügt vor i eine Zelle mit dem Maß ein und nimmt die letzte weg (die Anzahl bleibt).
  void Einschieben(int i, int mass);

  // Von der Kante der Zelle von bis zur Kante der Zelle bis: die Maße der Zellen von..bis-1 mit
  // je einer Linie (0 für bis <= von).
  std::int64_t Abstand(int von, int bis) const;
  // Alle Zellen mit ihren Linien.
  std::int64_t Summe() const { return Vor(Anzahl()); }
  // Die Zelle ab, in die die Stelle x fällt (gezählt von der Kante der Zelle ab, Linie
  // eingeschlossen); Anzahl(), wenn x hinter der letzten liegt.
  int ZelleAn(int ab, std::int64_t x) const;

 private:
  // Die Summe der Zellen 0..i-1 mit Linien.
  std::int64_t Vor(int i) const;
  void Aufbauen();

  std::vector<int> fMasse;
  std::vector<std::int64_t> fBaum;  // 1-basiert: fBaum[k] deckt (k - (k & -k), k]
  int fLinie;
};
