// Eine gesetzte Unterrichtsstunde eines Kurses. Die Operationen, die Setzungen anlegen, entfernen,
// verschieben und ihre Räume ändern, sind Methoden von TKurs (model/KursUnit.h).
#pragma once

#include <cstdint>
#include <functional>

#include "model/GlobalUnit.h"
#include "model/ListUnit.h"

class TRaum;
class TKlasse;
class TKurs;
class TLehrer;
class TVertretung;

class TSetzung {
 public:
  std::int32_t fReihe = 0;
  std::int32_t fStunde = 0;
  std::int32_t fTag = 0;
  std::int32_t fWoche = 0;
  TRaum* fRaum = nullptr;
  bool fFixiert = false;
  TListe<TVertretung> fVertretungen;  // gehören der Setzung (und der Vertretungsliste der Schule)

  bool Liegt(int woche, int tag, int std) const {
    return fWoche == woche && fTag == tag && fStunde == std;
  }

  // Die Stunde liegt am Rand des Tages der Klasse: alle späteren Stunden (bis 16) oder alle
  // früheren (ab 1) sind für die Klasse frei. Stunde 1 und 16 liegen immer am Rand.
  bool AmRand(const TKlasse* klasse) const;
  // Das Datum passt nicht zu der Stunde: anderer Wochentag, andere Woche des Zyklus, Ferientag,
  // oder die Stunde hat an dem Tag schon eine Vertretung.
  bool UngeeigneterTag(TDateTime datum) const;
  // Ferientag, oder eine Vertretung an dem Tag, deren Lehrer nicht der des Kurses ist.
  bool UngeeigneterStattTag(TDateTime datum) const;
  // Die erste Vertretung der Stunde an dem Tag, oder nichts.
  TVertretung* VertretungFinden(TDateTime datum) const;
};

// Was das Anlegen der Vertretungen einer Stunde von der Vertretungsplanung nimmt; ein leerer
// Eintrag nimmt die Regel des Programms.
struct TVertretungsRegeln {
  // Ordnung der Vertretungsliste der Schule; leer: die Ordnung der Einstellungen
  // (fVertrSortArt).
  std::function<int(const TVertretung*, const TVertretung*)> Vergleich;
  // Alle Klassen des Kurses fehlen an dem Tag in der Stunde; leer: TKurs::AlleKlassenAbwesend.
  std::function<bool(const TKurs*, TDateTime, int)> AlleKlassenAbwesend;
};

// Die Stunde (eine Setzung des Kurses) bekommt für jede Abwesenheit ihres Lehrers und ihres
// Raums, die sie trifft, ihre Vertretung des Tages: ohne Lehrer (Lehrer fehlt) oder ohne Raum
// (Raum fehlt), nicht angerechnet; eine schon vorhandene wird genommen. NeueSetzung ruft es für
// jede neue Stunde auf. Jeder Tag mit neuer Vertretung wird den Fenstern gemeldet.
void VertretungenAnlegen(TKurs* kurs, TSetzung* setzung, const TVertretungsRegeln& regeln = {});

// Eine Stunde verlässt ihre Zelle (entfernt, oder an Ort und Stelle in eine andere versetzt):
// ihre Vertretungen gehen mit den Gutschriften ihrer Vertreter, Statt-Angebote vergessen sie, und
// wo an einem Tag alle Klassen fehlen, bekommt der Lehrer die abgebuchte Stunde zurück.
void VertretungenAbloesen(TKurs* kurs, TSetzung* setzung);
// Eine Stunde steht (neu gesetzt oder versetzt) in ihrer Zelle: sie bekommt die Vertretungen der
// Abwesenheiten dort (VertretungenAnlegen), und wo an einem Tag alle Klassen fehlen, während der
// Lehrer da ist, wird sie ihm abgebucht, wie es das Fehlen der Klassen getan hätte.
void VertretungenAnbinden(TKurs* kurs, TSetzung* setzung);
// Eine Stunde, die an Ort und Stelle von (vonTag, vonStd) in ihre jetzige Zelle versetzt wurde
// (Komprimieren), ist endgültig dort: sie bucht wie Entfernen dort und Setzen hier, bleibt aber
// dieselbe Setzung. Steht sie wieder in ihrer alten Zelle, bleibt alles, wie es war.
void VertretungenUmziehen(TKurs* kurs, TSetzung* setzung, int vonTag, int vonStd);
