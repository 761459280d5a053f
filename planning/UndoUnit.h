// Das Protokoll der manuellen Planung: jede Setzung und jedes Entfernen, solange das Manuellfenster
// offen ist, damit "Widerrufen" alles in umgekehrter Folge zurücknehmen kann.
#pragma once

#include <cstdint>

#include "model/ListUnit.h"

class TKurs;
class TRaum;
class TSetzung;

enum class TUndoArt { hin, weg };  // hin: eine Stunde wurde gesetzt, weg: entfernt

class TUndoElement {
 public:
  TUndoArt fArt = TUndoArt::hin;
  std::int32_t fWoche = 0;
  std::int32_t fTag = 0;
  std::int32_t fStd = 0;
  TRaum* fRaum = nullptr;
  bool fFix = false;
  TKurs* fKurs = nullptr;
  // Bei weg: lag dort beim Aufzeichnen schon ein anderer Kurs des Lehrers oder einer Klasse
  // (doppelt belegt nach einem Import oder "Trotzdem")? Dann darf die Stunde so zurück.
  bool fSchonDoppelt = false;

  // Nimmt den Schritt zurück, ohne dabei aufzuzeichnen: weg setzt die Stunde wieder (mit Raum und,
  // wenn sie wirklich entstand, mit ihrer Fixierung; nicht, wenn inzwischen ein anderer Kurs den
  // Lehrer oder eine Klasse dort neu belegt), hin entfernt die Stunde der Zelle.
  void UndoIt() const;
};

// Die Logik des Manuellfensters: seine Kursliste, der aktuelle Kurs, das Protokoll und der
// Schalter "Merken". Das Manuellfenster besitzt genau ein solches Objekt (oder ist eines); es ist
// von seiner Erzeugung bis zu seiner Zerstörung das Protokoll des Programms (ManuellProtokoll()),
// und solange zeichnet es auf.
class TManuellProtokoll {
 public:
  TManuellProtokoll();
  virtual ~TManuellProtokoll();
  TManuellProtokoll(const TManuellProtokoll&) = delete;
  TManuellProtokoll& operator=(const TManuellProtokoll&) = delete;

  TListe<TKurs> fKurse;    // die Kurse des Fensters
  TKurs* fKurs = nullptr;  // der aktuelle Kurs
  TEigenListe<TUndoElement> fUndoListe;
  bool fMerken = true;  // der Schalter "Merken"

  // Zeichnet einen Schritt auf; bei weg kommt der Kurs in die Kursliste. Macht "Widerrufen" und
  // "Löschen" wählbar.
  void Merke(TKurs* kurs, const TSetzung* setzung, TUndoArt art);
  // Zeichnet einen Schritt in einer Zelle auf, die keine Setzung mehr (oder noch nicht) hat.
  void MerkeZelle(TKurs* kurs, TUndoArt art, int woche, int tag, int std, TRaum* raum,
                  bool fixiert);
  // Nimmt einen Kurs in die Kursliste auf, wenn er fehlt.
  void KursAufnehmen(TKurs* kurs);
  // Macht den Kurs zum aktuellen. Das Fenster überschreibt es, um sich neu aufzubauen.
  virtual void SetzeAktuellenKurs(TKurs* kurs);
  // Die Schritte des Kurses verschwinden aus dem Protokoll; er bleibt in der Kursliste.
  void SchritteVergessen(const TKurs* kurs);
  // Ein Kurs wird gelöscht: seine Schritte verschwinden aus dem Protokoll, er aus der Kursliste;
  // war er der aktuelle, wird der nächste der Liste aktuell (nichts, wenn die Liste leer wird).
  void KursVergessen(TKurs* kurs);
  // Ein Raum wird gelöscht: kein Schritt behält ihn.
  void RaumVergessen(const TRaum* raum);

  // Alle Schritte vom letzten zum ersten zurücknehmen, das Protokoll leeren, die Befehle sperren
  // und den ersten Kurs der Liste aktuell machen.
  void Widerrufen();
  // Das Protokoll leeren und die Befehle sperren.
  void Loeschen();
};

// Das Protokoll des offenen Manuellfensters, oder nichts.
TManuellProtokoll* ManuellProtokoll();
// Wahr, solange aufgezeichnet wird.
bool Merken();

// Schaltet die Aufzeichnung für die Dauer eines Blocks aus.
class TOhneMerken {
 public:
  TOhneMerken();
  ~TOhneMerken();
  TOhneMerken(const TOhneMerken&) = delete;
  TOhneMerken& operator=(const TOhneMerken&) = delete;

 private:
  bool fAlt;
};

// Die Befehle "Widerrufen" und "Löschen" des Hauptfensters. Ohne Manuellfenster meldet
// "Widerrufen" "Noch nicht implementiert!".
void Widerrufen();
void ProtokollLoeschen();
