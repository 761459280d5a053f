// Die Tabelle der parallelen Kopplungen: Zeilen von Kopplungen, die zugleich liegen sollen.
// Die Kopplungen der Zellen stehen allein in der Parallelliste der Schule (fParListe); die
// Tabelle hält dazu je Zelle die Marke "K" (beweglich) oder "F" (fest) und je Zeile die Zahl
// der Lehrerkonflikte. Wird eine Kopplung gelöscht, nimmt fParListe sie heraus, und die
// Tabelle zeigt die Zelle leer.
#pragma once

#include <string>
#include <vector>

#include "model/MenueUnit.h"
#include "model/WoBereichsUnit.h"

class TKopplung;
class TKurs;
class TLehrer;
class TParListe;

class TParTabelle {
 public:
  // Eine leere Tabelle (Zeilen 2..40, Spalten 2..10). Mit uebernehmen werden die Einträge der
  // gespeicherten Tabelle übernommen, soweit ihre Zellen in der neuen Größe liegen; die
  // Parallelliste der Schule bekommt die neue Tabelle, geändert ist die Schule nur, wenn sich
  // dabei etwas ändert. Ohne uebernehmen bleibt die gespeicherte Tabelle bis zur ersten
  // Änderung (Setze, Ziehe, Uebernimm, Fest …) in der Parallelliste.
  TParTabelle(int zeilen, int spalten, bool uebernehmen);

  int Zeilen() const { return fZeilen; }
  int Spalten() const { return fSpalten; }
  // Zeile und Spalte zählen von 1; außerhalb: nichts.
  TKopplung* Kopplung(int r, int c) const;
  bool Fest(int r, int c) const;
  // "K" oder "F".
  std::string Marke(int r, int c) const;
  // Die Konfliktzahl der Zeile, wie sie zuletzt berechnet wurde.
  int Schnitt(int r) const;

  // Die Zahl der Lehrerkonflikte der Zeile: je Lehrer (Zahl seiner Kurse in der Zeile - 1).
  int BerechneSchnitt(int r);
  void AlleSchnitte();
  // Schreibt das ganze Raster in die Parallelliste der Schule und setzt die Schule geändert.
  void MerkeParListe();

  // Gesten; jede liefert, ob sich eine Zelle änderte (dann sind Konflikte und Liste neu).
  bool Setze(int r, int c, TKopplung* kopplung);  // Marke "K"
  bool Leere(int r, int c);
  bool FixUmschalten(int r, int c);
  // Verschiebt (oder kopiert) die Kopplung einer Zelle in eine andere; das Ziel wird "K".
  // Auf sich selbst, von einer leeren Zelle oder außerhalb: nichts.
  bool Ziehe(int vonR, int vonC, int nachR, int nachC, bool kopieren);
  // Legt das Ergebnis einer Suche ab (Zeile für Zeile, feste Zellen bleiben).
  void Uebernimm(const std::vector<TKopplung*>& zellen);

  // Die Kurse der Kopplungen einer Zeile, Spalte für Spalte.
  std::vector<TKurs*> ZeilenKurse(int r) const;
  // Zellentext: Kürzel, mit Fächern " [ " + je Kurs Fachkürzel und " " + "]" (Windows-1252).
  std::string ZellText(int r, int c, bool mitFach) const;
  // Rot, wenn noch kein Kurs der Kopplung gesetzt ist.
  bool ZelleRot(int r, int c) const;

  // Menü der Fächer der Zeile: Kürzel " [" Zahl "]".
  TMenue FaecherMenue(int r) const;
  // Menü der Lehrer mit mehr als einem Kurs in der Zeile: Kürzel " [" Kurse mit ", " "]".
  TMenue KonfliktMenue(int r) const;

  // Hat ein Kurs der Zeile (zu verplanen) in der Arbeitswoche noch Stunden offen?
  bool HatOffeneStunden(int r) const;
  // Haben Kurse zweier verschiedener Kopplungen der Zeile eine Klasse gemeinsam? Dann gibt es
  // keine gemeinsame Zeit: die Klasse säße zweimal in derselben Stunde.
  bool KlasseDoppelt(int r) const;
  // Die Zellen, in denen die Zeile nicht liegen kann, je Woche des Zyklus. Gezählt werden nur
  // die Kurse, die in dieser Woche noch Stunden offen haben.
  TWochBereich GesperrteZeiten(int r) const;
  // Frei in jeder Woche der Arbeitswoche(n).
  bool ZeitFrei(int r, int tag, int std) const;
  // Je Tag ein Eintrag (Tagesname) mit den freien Stunden (Wert = Stunde, Stundenbezeichnung
  // der aktuellen Woche); leer, wenn kein Kurs der Zeile Stunden offen hat.
  TMenue ZeitMenue(int r) const;
  // Setzt jeden Kurs jeder Kopplung der Zeile an Tag und Stunde in jeder Woche der
  // Arbeitswoche(n), die frei ist, jeweils in einen freien Raum des Kurses. Liefert die Zahl
  // der neuen Stunden.
  int SetzeZeile(int r, int tag, int std);

 private:
  int Index(int r, int c) const { return fSpalten * (r - 1) + (c - 1); }
  bool Gueltig(int r, int c) const { return r >= 1 && r <= fZeilen && c >= 1 && c <= fSpalten; }
  TParListe* Liste() const;
  // Die Liste, in die eine Änderung geschrieben wird: eine neue, leere Tabelle ersetzt dabei
  // zuerst die gespeicherte.
  TParListe* Schreibbar();
  void Geaendert(int r1, int r2);

  int fZeilen = 0;
  int fSpalten = 0;
  std::vector<bool> fFest;
  std::vector<int> fSchnitt;
  // Neu und leer, die gespeicherte Tabelle steht noch in der Parallelliste der Schule.
  bool fLeerBisZurAenderung = false;
};

// Die Lehrer der Kurse einer Kopplung (ohne Lehrer: nicht gezählt), jeder einmal.
std::vector<TLehrer*> KopplungsLehrer(const TKopplung* kopplung);
