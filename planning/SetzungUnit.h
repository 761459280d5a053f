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

// Anschluss der Vertretungsplanung an das Setzen einer Stunde. NeueSetzung legt für jede
// Abwesenheit des Lehrers und des Raums, die die neue Stunde trifft, die Vertretung an. Was davon
// zur Vertretungsplanung gehört, geht über diese Haken; ein leerer Haken nimmt die einfache Regel.
struct TVertretungsAnschluss {
  // Ordnung der Vertretungsliste der Schule; leer: die Ordnung der Einstellungen
  // (fVertrSortArt).
  std::function<int(const TVertretung*, const TVertretung*)> Vergleich;
  // Alle Klassen des Kurses fehlen an dem Tag in der Stunde; leer: TKurs::AlleKlassenAbwesend.
  std::function<bool(const TKurs*, TDateTime, int)> AlleKlassenAbwesend;
  // Gutschrift für einen Lehrer (fVStunden1, fVStunden2 und das Monatskonto des Tages). Das
  // Setzen selbst bucht nie: eine neue Stunde wurde keinem Lehrer abgebucht.
  std::function<void(TLehrer*, std::int32_t, TDateTime)> Gutschrift;
  // Eine Vertretung des Tages ist entstanden oder gelöscht: der offene Tagesplan baut sich neu auf,
  // wenn er den Tag zeigt (der Tagesplan setzt den Haken).
  std::function<void(TDateTime)> TagGeaendert;
};
TVertretungsAnschluss& VertretungsAnschluss();
