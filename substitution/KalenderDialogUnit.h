// Die Regeln der Kalendervoreinstellung ohne Fenster: Arbeitskopien der Planversionen und der
// Ferien, das Monatsraster, die Wahl der Planversion, das Markieren der Ferien durch Ziehen,
// das Blättern und "Ok" mit der Rückfrage vor dem Löschen von Vertretungen.
#pragma once

#include <array>
#include <string>

#include "model/MenueUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/KalenderUnit.h"

class TKalenderModell {
 public:
  static constexpr int kSpalten = 7;
  static constexpr int kZeilen = 9;

  // IKalenderForm: Kopien der Tabellen, der Monat von heute, das Raster gefüllt.
  void IKalender();

  TKalender fKalender{};  // Planversion je Kalenderwoche (Arbeitskopie)
  TKalender fFerien{};    // Ferientage je Kalenderwoche (Arbeitskopie)
  TMonatJahr fMonat;
  long long fDieserMonat = 0;  // Kalenderwoche (vor dem Modulo) des Ersten des Monats

  // Der Text einer Zelle (Spalte 0..6, Zeile 0..8; Windows-1252). Ein Ferientag steht mit "-".
  const std::string& Zelle(int spalte, int zeile) const { return fZellen[spalte][zeile]; }
  // "mmmm yyyy" des gezeigten Monats.
  std::string MonatsText() const;
  // Die Zelle ist ein Tag (Spalte >= 1, Zeile >= 2, nicht leer).
  bool IstTag(int spalte, int zeile) const;
  bool IstFerien(int spalte, int zeile) const;
  // Tage hinter der Schulwoche werden rot gezeichnet.
  bool Rot(int spalte, int zeile) const;

  // Das Menü der Planversionen: "1" .. fMaxWocheNeu, Wert = Version; neue Spalte bei 1, 17, 33,
  // 49.
  TMenue KalenderMenu() const;
  // Setzt die Planversion der Woche der Spalte (1..6).
  void PlanversionWaehlen(int spalte, int version);
  // Ein Zug von der Zelle start zur Zelle ziel: beginnt er auf einem Schultag, werden alle Tage
  // des Rechtecks Ferientage, sonst Schultage. Ein Zug, der nicht auf einem Tag beginnt, tut
  // nichts.
  void FerienZiehen(int startSpalte, int startZeile, int zielSpalte, int zielZeile);
  // Blättern um einen Monat (Januar 1994 .. Dezember 2050).
  void Blaettern(int richtung);

  // Die Zahl der Vertretungen, die die Arbeitskopien ungültig machen.
  int UngueltigeVertretungen() const;
  // "Ok": fragt vor dem Löschen von Vertretungen; falsch, wenn der Benutzer abbricht. Sonst
  // sind Kalender und Ferien gesetzt, die ungültigen Vertretungen gelöscht und die
  // Abwesenheiten der geänderten Tage neu eingetragen.
  bool Ok();

 private:
  void Fuellen();
  TKalenderBytes SchulKalender() const;
  std::array<std::array<std::string, kZeilen>, kSpalten> fZellen;
};
