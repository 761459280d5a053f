// Eine Vertretung: was an einem Tag mit einer gesetzten Stunde geschieht, die eine Abwesenheit
// trifft. Die Schule besitzt alle Vertretungen in ihrer sortierten Liste; die Setzung führt ihre
// Vertretungen zusätzlich in fVertretungen (TSchule::VertretungAufnehmen / VertretungLoeschen).
#pragma once

#include <cstdint>
#include <string>

#include "model/DienstUnit.h"
#include "model/GlobalUnit.h"
#include "model/ListUnit.h"
#include "model/MenueUnit.h"
#include "model/ToolsUnit.h"
#include "substitution/StattUnit.h"

class TKurs;
class TSetzung;
class TLehrer;
class TFach;
class TRaum;
class TKlasse;

class TVertretung {
 public:
  // fAdHoc = heute mittags; alles andere null, leer oder falsch.
  TVertretung();
  TVertretung(const TVertretung&) = delete;
  TVertretung& operator=(const TVertretung&) = delete;

  TDateTime fDatum = 0;
  TDateTime fAdHoc = 0;
  TKurs* fKurs = nullptr;
  TSetzung* fSetzung = nullptr;
  TLehrer* fLehrer = nullptr;
  TFach* fFach = nullptr;
  TRaum* fRaum = nullptr;
  TBemString fLInfo;
  TBemString fSInfo;
  bool fFrei = false;
  bool fGueltig = false;
  bool fAngerechnet = false;
  TVertretung* fVon = nullptr;
  TVertretung* fZu = nullptr;
  std::int32_t fVonNr = 0;
  std::int32_t fZuNr = 0;
  std::int32_t fNr = 0;
  TFenster* fFenster = nullptr;
  TEigenListe<TStatt> fStattListe;

  // Die Lage der Stunde: Planversion, Wochentag und Stunde der Setzung (0 ohne Setzung).
  int Stunde() const;
  // Alle Klassen des Kurses fehlen an dem Tag in der Stunde.
  bool KlassenFehlen() const;

  // Inaktiv machen: ein Vertreter wird (mit Lastschrift) ausgetragen, ein offenes
  // Auswahlfenster geschlossen. Aktiv machen schreibt einem angerechneten Vertreter gut.
  void MacheUngueltig();
  void MacheGueltig();
  // Trägt einen Vertreter ein, einfach (statt = nichts) oder statt einer eigenen Stunde. Jede
  // Behinderung ist eine Frage "Lehrer fehlt"; falsch, wenn der Benutzer mit "Nein" abbricht
  // oder nichts zu tun war (derselbe Vertreter).
  bool TrageLehrerEin(TLehrer* lehrer, const TStatt* statt);
  // Trägt einen Raum ein (nichts: keiner). Behinderungen fragen "Raum ist besetzt"; falsch bei
  // "Nein" oder wenn die Vertretung dabei wegfällt.
  bool TrageRaumEin(TRaum* raum);
  // "Frei": die Stunde fällt aus; falsch, wenn sie es schon tat.
  bool Frei();
  // "Löschen": im Lehrermodus den Vertreter, sonst den Raum austragen.
  void Loeschen(bool lehrerModus);
  // "Anrechnen": das Kästchen; bucht beim Vertreter um.
  void Anrechnen(bool angerechnet);
  // "Fach": ein anderes Fach für diesen Tag.
  void SetzeFach(TFach* fach);
  // "Wie am": je andere Vertretung derselben Setzung mit Vertreter ein Eintrag
  // (ZeitZeile + " " + Kürzel des Vertreters, UTF-8); Aktion: WieAuswahl.
  void ErzeugeWieMenu(TMenue& menue);
  // Übernimmt Lehrer, Fach und Raum einer anderen Vertretung derselben Stunde.
  void WieAuswahl(TVertretung* andere);
  // Die Bemerkungen als Menüeinträge (nur nicht leere, UTF-8).
  void ErzeugeInfoMenu(TMenue& menue) const;

  // Texte (Windows-1252).
  std::string ZeitZeile(bool alsBemerkung) const;
  std::string KursZeile(bool alsBemerkung) const;
  // Baut fLInfo und fSInfo aus den Verknüpfungen neu.
  void FuelleBemerkung();
  // Teile des Vertretungsplans nach der Voreinstellung i (1..4); was: 1 Lehrer, 2 Klasse,
  // 3 Fach, sonst Raum; 0 alle vier mit Leerzeichen (leere ausgelassen).
  std::string OriginalString(int i, int was) const;
  std::string VertretungsString(int i, int was) const;
  // Dieselben vier Teile mit Tabulator verbunden.
  std::string OriginalTabString(int i) const;
  std::string VertretungsTabString(int i) const;
  // Eine Zeile des Vertretungsexports: 15 Felder mit ";" (kein Text verschiebt die Spalten).
  std::string ExportString() const;

  // Auffrischen: Tagesplan und Auswahlfenster; die Schule ist geändert.
  void Refresh();
};
