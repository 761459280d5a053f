// Die Stammdaten: Grundklasse aller Elemente mit Kürzel, Info, Kursliste und Reihenfolge.
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>

#include "model/DienstUnit.h"
#include "model/GlobalUnit.h"
#include "model/ListUnit.h"
#include "model/ToolsUnit.h"

class TKurs;
class TSetzung;

class TElement {
 public:
  TElement() = default;
  virtual ~TElement() = default;
  TElement(const TElement&) = delete;
  TElement& operator=(const TElement&) = delete;

  TKuerzelString fKuerzel;
  TInfoString fInfo;
  TFenster* fGrDatFenster = nullptr;
  TFenster* fDepFenster = nullptr;
  TListe<TKurs> fKurse;
  std::int32_t fReihe = 0;
  std::uint32_t fNr = 0;

  virtual TKuerzelArt Art() const = 0;

  // Schneidet auf die Kapazität und markiert die Schule als geändert.
  void SetKuerzel(std::string_view s);
  void SetInfo(std::string_view s);

  // Belastung des Elements (ungewichtet / mit fFaktor gewichtet); Art: leh, kla oder fac.
  std::int32_t StundenSumme(int woche, bool ohneKopp, int art) const;
  std::int32_t FaktorSumme(int woche, bool ohneKopp, int art) const;
  // Summe Stunden·Faktor der Kurse, die für diese Seite nicht zählen.
  std::int32_t nzSumme(int woche, int art) const;
  // Summe Stunden·Faktor der Kurse "nicht verplanen".
  std::int32_t nvpSumme(int woche) const;
  // Summe Stunden·Faktor der Kurse mit Lehrer.
  std::int32_t IstSumme(int woche) const;
  // Wahr, wenn ein Kurs des Elements eine gesetzte Stunde hat.
  bool IstVerplant() const;
  // Der erste Kurs mit einer Setzung in der Zelle (bei Räumen nur in diesem Raum), oder nichts.
  TKurs* FindeKurs(int woche, int tag, int std) const;
  // Die Setzung dieses Elements in der Zelle (über FindeKurs), oder nichts.
  TSetzung* FindeSetzung(int woche, int tag, int std) const;
  std::pair<TKurs*, TSetzung*> FindeKursSetzung(int woche, int tag, int std) const;

  // Zeichnet die Fenster neu, die das Element zeigen, und markiert die Schule als geändert.
  virtual void FensterUpdate();
  virtual void FensterRefresh();

  // Löst alle Verweise des Modells auf dieses Element, bevor die Schule es zerstört.
  virtual void Aufloesen();

 protected:
  std::int32_t Belastung(int woche, bool ohneKopp, int art, bool mitFaktor) const;
  // Schließt die Fenster des Elements.
  virtual void FensterSchliessen();
};

// Vergleich für Teillisten: nach fReihe aufsteigend.
int ReihenVergleich(const TElement* a, const TElement* b);
// Kürzeltest: byteweise gleich (Groß-/Kleinschreibung zählt, nichts wird abgeschnitten).
bool KuerzelGleich(const TElement* a, const TElement* b);

// Fügt ein Element nach fReihe in eine Teilliste ein, wenn es noch fehlt; wahr, wenn eingefügt.
template <class T>
bool NachReiheEinfuegen(TListe<T>& liste, T* element) {
  if (!element || liste.ListeElemEnthalten(element)) return false;
  liste.ListeEinfuegen(element, [](const T* a, const T* b) { return ReihenVergleich(a, b); });
  return true;
}
