// Der Kurs: ein Lehrauftrag mit Lehrer, Klassen, Kopplung, Fach, Räumen, Stunden und Setzungen.
#pragma once

#include <cstdint>
#include <memory>

#include "model/DienstUnit.h"
#include "model/GlobalUnit.h"
#include "model/ListUnit.h"
#include "model/ToolsUnit.h"
#include "model/WoBereichsUnit.h"
#include "model/WoStundenUnit.h"
#include "planning/SetzungUnit.h"

class TLehrer;
class TKlasse;
class TKopplung;
class TFach;
class TRaum;
class TElement;

class TKurs {
 public:
  // Leere Listen, Stunden 0 je Woche, Sperrung aus der Vorgabe fKuWoElem in jeder Woche.
  TKurs();
  ~TKurs();
  TKurs(const TKurs&) = delete;
  TKurs& operator=(const TKurs&) = delete;

  TInfoString fInfo;
  TLehrer* fLehrer = nullptr;
  TListe<TKlasse> fKlassen;  // nach fReihe der Klassen
  TKopplung* fKopplung = nullptr;
  TFach* fFach = nullptr;
  TListe<TRaum> fRaeume;        // in Reihenfolge der Vorliebe
  TListe<TRaum> fRaumErgaenzt;  // beim Planen hinzugekommene Räume
  TWochenStunden fStunden;
  TEigenListe<TSetzung> fSetzungen;
  std::int32_t fEinzelStd = 0;
  std::int32_t fStdProTag = 1;
  std::int32_t fTabellenNr = 1;
  std::int32_t fFaktor = 1;
  bool fNichtVerplanen = false;
  bool fNichtZaehlenLe = false;
  bool fNichtZaehlenKl = false;
  TWochBereich fSperrung;
  TWochBereich fBesetzung;
  TWochBereich fSetzungUnmoeglich;
  std::int32_t fReihe1 = 0;
  std::int32_t fReihe2 = 0;
  std::int32_t fBewertung = 0;
  TColor fColor = clWhite;
  // Laufende Nummer der Erzeugung: entscheidet bei gleichen Sortierschlüsseln, damit die
  // Reihenfolge bei jedem Lauf dieselbe ist.
  std::uint64_t fLfdNr = 0;

  // Sortierschlüssel aus Klasse, Lehrer, Fach und Gesamtstunden.
  void BerechneReihe();

  // Verknüpfungen; jede hält beide Seiten aktuell.
  void LehrerErgaenzen(TLehrer* theLehrer);
  void LehrerEntfernen();
  void KlasseErgaenzen(TKlasse* theKlasse);
  void KlasseEntfernen(TKlasse* theKlasse);
  void KopplungErgaenzen(TKopplung* theKopplung);
  void KopplungEntfernen();
  void FachErgaenzen(TFach* theFach);
  void FachEntfernen();
  void RaumErgaenzen(TRaum* theRaum, bool spaeter);
  void RaumEntfernen(TRaum* theRaum);

  // Zahl der gesetzten Stunden (Wochenargument).
  std::int32_t VerplanteStunden(int theWoche) const;
  std::int32_t RestStunden(int woche) const;
  // Die Setzung in der Zelle (erste Übereinstimmung), oder nichts.
  TSetzung* SetzungFinden(int dieWoche, int derTag, int dieStd) const;
  bool VerplantImRaum(const TRaum* theRaum) const;

  // Setzungen (die Belegungen von Kurs, Lehrer, Klassen und Raum folgen jeder Änderung).
  void NeueSetzung(int woche, int tag, int std, TRaum* theRaum);
  void SetzungEntfernen(TSetzung* theSetzung);
  void AlleSetzungenEntfernen();
  void EntferneRaumInSetzung(TSetzung* theSetzung);

  // Benachrichtigt die Fenster, die den Kurs zeigen.
  void FensterUpdate();
  void FensterRefresh();
};

// Kursreihenfolge: nach fReihe1, dann fReihe2, dann fLfdNr; nie gleich.
int KursVergleich(const TKurs* a, const TKurs* b);
// Die Variante für die Kursliste einer Klasse: bei Sortierung nach Klassen entscheidet bei
// verschiedenen Fächern das Fach (ein Kurs ohne Fach zuerst).
int KlassenKursVergleich(const TKurs* a, const TKurs* b);
