// Lehrer.
#pragma once

#include <map>
#include <set>
#include <string>

#include "model/GlobalUnit.h"
#include "model/MenueUnit.h"
#include "model/SollElemUnit.h"

class TRaum;
class TFach;
class TKlasse;
class TSchule;

class TLehrer : public TSollElement {
 public:
  TLehrer();  // Soll aus fLeSoll in jeder Woche

  TListe<TFach> fFaecher;  // nach fReihe
  std::int32_t fVStunden1 = 0;
  std::int32_t fVStunden2 = 0;
  std::int32_t fVStunden3 = 0;
  // Der Monat von fVStunden3 als JJJJMM; 0, solange keiner gewählt ist.
  std::int32_t fVStunden3Monat = 0;
  TRaum* fRaum = nullptr;
  TFach* fPopFach = nullptr;
  bool fFreierTag = false;
  std::map<std::string, std::string> fDict;  // Monatskonto: "JJJJMM" -> Zahl

  TKuerzelArt Art() const override { return leh; }

  // Wochenstunden (ungewichtet, Arbeitswoche) seiner Kurse in dem Fach.
  std::int32_t FachSumme(const TFach* fach) const;
  // Nimmt das Fach auf (nach fReihe) und trägt sich beim Fach ein.
  void NeuesFach(TFach* fach);
  // Entfernt das Fach; verweigert mit Meldung, solange er es noch unterrichtet. Wahr bei Erfolg.
  bool FachEntfernen(TFach* fach);
  // Neuer Stammraum für die Kurse (fRaum setzt der Aufrufer).
  void NeuerRaum(TRaum* raum);
  // Hat einen Kurs, dessen einzige Klasse die gegebene ist.
  bool HatUnterrichtInKlasse(const TKlasse* klasse) const;
  // Hat einen ungekoppelten Kurs, dessen einzige Klasse die gegebene ist, mit einer Stunde am Rand
  // des Tages der Klasse.
  bool HatUnterrichtAmRand(const TKlasse* klasse) const;
  // Vertritt an dem Tag in der Stunde schon (gültige Vertretung für den Kurs eines anderen).
  bool VertrittSchon(TDateTime datum, int std) const;
  // Sein erster Kurs in der Zelle des Tages fällt aus, weil alle Klassen fehlen.
  bool WurdeFrei(TDateTime datum, int std) const;
  // Monatskonto der Vertretungen: berechnet für die Tage von..bis und unter Jahr(von)·100 +
  // Monat(bis) in fDict abgelegt; liefert den Wert.
  std::int32_t erzeugeMonatsStunden(TDateTime von, TDateTime bis);
  // Dasselbe für alle Lehrer der Schule in einem Durchgang.
  static void MonatsStundenAllerLehrer(TSchule& schule, TDateTime von, TDateTime bis);
  // Das Monatskonto; fehlt es, wird es erst für den ganzen Monat berechnet.
  std::int32_t MonatsStunden(int jahr, int monat);
  // fVStunden3 := das Monatskonto des Monats, der damit der Monat von fVStunden3 wird.
  void VStunden3Waehlen(int jahr, int monat);
  // Bucht wert auf das Monatskonto des Monats des Datums; fVStunden3 ändert sich nur, wenn das
  // Datum in seinem Monat liegt. Ein Monat, der noch nicht berechnet ist, bleibt es: er ergibt
  // sich, wenn er gebraucht wird, ganz aus den Vertretungen und Abwesenheiten.
  void aendereVStunden3(TDateTime datum, std::int32_t wert);
  // Ein Kurs zählt nicht für den Lehrer.
  bool HatKursNichtAngerechnet() const;
  // Die Fächerauswahl: je Fach ein Eintrag (KursPopZeile des Fachs), Spaltenumbruch.
  TMenue FachPopupFuellen();
  void MerkePopFach(TFach* fach) { fPopFach = fach; }
  // "Neuer Kurs": ein Kurs mit dem Lehrer und seinem Stammraum und den Vorgabestunden; öffnet das
  // Kursfenster.
  TKurs* NeuerKurs();

  void Aufloesen() override;
  void FehltNeuIn(TDateTime datum, int std) override;
  void FehltNichtMehrIn(TDateTime datum, int std) override;
};
