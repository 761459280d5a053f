// Was die Optionen der Plan- und Übersichtsdrucke teilen: das Übertragen zwischen Optionen und
// ihrer Gruppe der Einstellungen und das Zusammenspiel von "Kopplung statt …" mit den Häkchen.
#pragma once

// Überträgt in beide Richtungen: laden (wert ← feld) oder speichern; ohne Feld nichts.
template <class A, class B>
void OptionTauschen(A* feld, B& wert, bool laden) {
  if (!feld) return;
  if (laden)
    wert = *feld;
  else
    *feld = wert;
}

// Die Werte, die beide Arten haben. F: die Verweise einer Gruppe der Einstellungen (fehlende
// Häkchen sind nullptr), O: TPlanDruckOptionen bzw. TUebDruckOptionen.
template <class F, class O>
void GemeinsameOptionenTauschen(const F& f, O& o, bool laden) {
  OptionTauschen(f.Font, o.Font, laden);
  OptionTauschen(f.VonTag, o.VonTag, laden);
  OptionTauschen(f.VonStd, o.VonStd, laden);
  OptionTauschen(f.BisTag, o.BisTag, laden);
  OptionTauschen(f.BisStd, o.BisStd, laden);
  if (laden)
    o.Bem = f.Bem->str();
  else
    *f.Bem = o.Bem;
  for (int i = 0; i < 4; ++i) OptionTauschen(f.Mit[i], o.Mit[i], laden);
  OptionTauschen(f.Statt, o.Statt, laden);
  OptionTauschen(f.Sperr, o.Sperr, laden);
  OptionTauschen(f.Fix, o.Fix, laden);
  OptionTauschen(f.Fett, o.Fett, laden);
  OptionTauschen(f.Farbe, o.Farbe, laden);
  OptionTauschen(f.Datum, o.Datum, laden);
  OptionTauschen(f.RandLi, o.RandLi, laden);
  OptionTauschen(f.RandRe, o.RandRe, laden);
  OptionTauschen(f.RandOb, o.RandOb, laden);
  OptionTauschen(f.RandUn, o.RandUn, laden);
}

// Nach einer Änderung an Mit[stelle] oder (stelle = -1) an Statt: "mit Kopplung" und "Kopplung
// statt …" schließen sich aus, und "statt" braucht die Elementart, die es ersetzt.
template <class O>
void StattAbgleichen(O& o, int ersetzt, int stelle) {
  if (stelle == 3 && o.Mit[3]) o.Statt = false;
  if (stelle == ersetzt && !o.Mit[ersetzt]) o.Statt = false;
  if (stelle == -1 && o.Statt) {
    o.Mit[3] = false;
    o.Mit[ersetzt] = true;
  }
}
