#include "model/FensterArtUnit.h"

namespace {
using G = TFensterGruppe;
constexpr TFensterArtEintrag kArten[] = {
    {1, nullptr, G::Palette, false},
    {9, nullptr, G::Plan, true},
    {10, nullptr, G::Plan, true},
    {11, nullptr, G::Plan, true},
    {12, nullptr, G::UVTabelle, true},
    {14, "Zwischenablage", G::Zwischenablage, true},
    {15, "Fehler", G::Fehler, false},
    {16, nullptr, G::Deputat, true},
    {17, nullptr, G::Deputat, true},
    {18, nullptr, G::Deputat, true},
    {19, nullptr, G::Deputat, true},
    {20, nullptr, G::Deputat, true},
    {21, "alle Kurse", G::AlleKurse, true},
    {22, "Parallele Kopplungen", G::Parallel, true},
    {31, "Übersicht für Lehrer", G::Uebersicht, true},
    {32, "Übersicht für Klassen", G::Uebersicht, true},
    {33, "Übersicht für Räume", G::Uebersicht, true},
    {61, nullptr, G::Daten, true},
    {62, nullptr, G::Daten, true},
    {63, nullptr, G::Daten, true},
    {64, nullptr, G::Daten, true},
    {65, nullptr, G::Daten, true},
    {66, nullptr, G::Daten, true},
    {67, "Kurs", G::Kurs, true},
    {68, "Manuell", G::Manuell, true},
    {69, "Vertretungen", G::Vertretungen, true},
    {71, "Stundenverteilung", G::Stundenverteilung, true},
    {72, "Lehrerstatistik", G::Statistik, true},
    {73, "Klassenstatistik", G::Statistik, true},
    {74, "Fachstatistik", G::Statistik, true},
    {75, "Kopplungsstatistik", G::Statistik, true},
    {76, "Raumstatistik", G::Statistik, true},
    {77, "UV-Statistik", G::Statistik, true},
    {80, "Vertretungswahl", G::VertretungsWahl, true},
    {81, "Vertretungsübersicht für Lehrer", G::VertrUebersicht, true},
    {82, "Vertretungsübersicht für Klassen", G::VertrUebersicht, true},
    {83, "wöchentlicher Unterrichtsausfall", G::WoAusfall, false},
};
}  // namespace

std::span<const TFensterArtEintrag> FensterArten() {
  return kArten;
}

const TFensterArtEintrag* FensterArtEintrag(int art) {
  for (const TFensterArtEintrag& e : kArten)
    if (e.Art == art) return &e;
  return nullptr;
}

bool FensterInGruppe(int art, TFensterGruppe gruppe) {
  const TFensterArtEintrag* e = FensterArtEintrag(art);
  return e && e->Gruppe == gruppe;
}

bool AlleFensterUpdateArt(int art) {
  const TFensterArtEintrag* e = FensterArtEintrag(art);
  return e && e->AlleUpdate;
}
