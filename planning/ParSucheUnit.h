// Die Suche nach Anordnungen der parallelen Kopplungen ohne Lehrerkonflikt: die Kopplungen
// jeder Spalte werden innerhalb der Spalte vertauscht, feste Zellen bleiben stehen.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

class TKopplung;
class TLehrer;
class TParTabelle;

class TParSuche {
 public:
  // Nimmt eine Abschrift der Tabelle (Kopplungen und feste Zellen).
  explicit TParSuche(const TParTabelle& tabelle);

  // Sucht, bis alle Anordnungen versucht sind oder anhalten() wahr liefert. anhalten wird
  // nach je schrittweite Versuchen gefragt (dort darf die Oberfläche Eingaben verarbeiten).
  // Liefert falsch, wenn angehalten wurde.
  bool Suche(const std::function<bool()>& anhalten = {}, int schrittweite = 2000);

  // "Kombination Nr.:": die Zahl der gefundenen Lösungen.
  std::int64_t Anzahl() const { return fAnzahl; }
  // Die zuletzt gefundene Lösung, Zeile für Zeile (leer, solange keine gefunden ist).
  const std::vector<TKopplung*>& Loesung() const { return fLoesung; }

 private:
  bool Zelle(int r, int c);
  bool Passt(int r, const TKopplung* k) const;
  void Eintragen(int r, const TKopplung* k, int d);
  std::size_t Index(int r, int c) const {
    return static_cast<std::size_t>(fSpalten * (r - 1) + (c - 1));
  }

  int fZeilen = 0;
  int fSpalten = 0;
  std::vector<TKopplung*> fZellen;
  std::vector<bool> fFest;
  // Je Spalte die beweglichen Einträge (leere Zellen zählen mit) und ob sie schon liegen.
  std::vector<std::vector<TKopplung*>> fVorrat;
  std::vector<std::vector<bool>> fBenutzt;
  // Je Zeile, wie oft jeder Lehrer dort schon unterrichtet.
  std::vector<std::vector<std::pair<const TLehrer*, int>>> fZeilenLehrer;
  std::vector<TKopplung*> fLoesung;
  std::int64_t fAnzahl = 0;
  std::int64_t fVersuche = 0;
  std::function<bool()> fAnhalten;
  int fSchrittweite = 2000;
  bool fAngehalten = false;
  bool fUnmoeglich = false;
};
