// Die Feldtabelle eines Einstellungsdialogs: je Feld seiner Werte das Feld der Einstellungen,
// dem es entspricht. Dieselbe Tabelle füllt die Werte beim Öffnen aus den Einstellungen und
// schreibt sie mit "Ok" zurück; ein Feld steht so genau einmal da.
#pragma once

#include <functional>
#include <vector>

#include "settings/StandardUnit.h"

template <class W>
struct TEinstellFeld {
  std::function<void(W&, const TStandard&)> Lesen;
  std::function<void(const W&, TStandard&)> Schreiben;  // nichts: das Feld wird nur gelesen
};

template <class W>
using TFeldTabelle = std::vector<TEinstellFeld<W>>;

// Ein Feld, das in beide Richtungen unverändert kopiert wird.
template <class W, class T, class U>
TEinstellFeld<W> Feld(T W::*wert, U TStandard::*standard) {
  return {[wert, standard](W& w, const TStandard& s) { w.*wert = s.*standard; },
          [wert, standard](const W& w, TStandard& s) { s.*standard = w.*wert; }};
}

// Ein Feld, das beim Zurückschreiben durch filter geht (Grenzen, Länge).
template <class W, class T, class U, class F>
TEinstellFeld<W> Feld(T W::*wert, U TStandard::*standard, F filter) {
  return {[wert, standard](W& w, const TStandard& s) { w.*wert = s.*standard; },
          [wert, standard, filter](const W& w, TStandard& s) { s.*standard = filter(w.*wert); }};
}

// Ein Feld, das der Dialog nur zeigt: sein Zurückschreiben hat eigene Regeln.
template <class W, class T, class U>
TEinstellFeld<W> NurLesen(T W::*wert, U TStandard::*standard) {
  return {[wert, standard](W& w, const TStandard& s) { w.*wert = s.*standard; }, nullptr};
}

template <class W>
W WerteLesen(const TFeldTabelle<W>& tabelle, const TStandard& s) {
  W w;
  for (const TEinstellFeld<W>& f : tabelle) f.Lesen(w, s);
  return w;
}

template <class W>
void WerteSchreiben(const TFeldTabelle<W>& tabelle, const W& w, TStandard& s) {
  for (const TEinstellFeld<W>& f : tabelle)
    if (f.Schreiben) f.Schreiben(w, s);
}
