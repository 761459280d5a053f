// Fuzz-Ziel für den Leser der Schuldatei. Jede Eingabe ist eine Datei; gelesen wird in eine
// frische Schule mit frischen Einstellungen und einer festen Uhr.
//  - Misslingt das Lesen, muss die Meldung die Datei nennen, die Einstellungen müssen wieder wie
//    vorher sein und der Name der Schule unberührt.
//  - Gelingt es, muss die Schule in sich stimmen (alle Verweise in ihren Listen, Setzungen im
//    Raster und je Zelle einmal, Vertretungen gegenseitig verknüpft, Fehlzeiten mit Element und
//    Stunde), und Schreiben, wieder Lesen und wieder Schreiben muss dieselben Bytes ergeben.
// Die Uhr steht hinter dem letzten Datum, das die Datei fassen kann, und fVertrMerke ist groß:
// So bleibt das Lesen einer geschriebenen Datei ohne weitere Korrekturen, und das Entfernen alter
// Vertretungen und Fehlzeiten läuft trotzdem (für Daten vor etwa 1958).
#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "fuzz/FuzzUmgebung.h"
#include "fuzz/FuzzZiel.h"
#include "model/FensterArtUnit.h"
#include "model/SchulUnit.h"
#include "persistence/BufferUnit.h"
#include "persistence/ReadUnit.h"
#include "persistence/WriteUnit.h"
#include "settings/StandardUnit.h"

namespace {

// Eine Schule, die für ihre Lebenszeit Schule() ist.
class TEingesetzteSchule {
 public:
  TEingesetzteSchule()
      : fSchule(std::make_unique<TSchule>()), fAlt(SchuleEinsetzen(fSchule.get())) {}
  ~TEingesetzteSchule() {
    fSchule.reset();
    SchuleEinsetzen(fAlt);
  }
  TEingesetzteSchule(const TEingesetzteSchule&) = delete;
  TEingesetzteSchule& operator=(const TEingesetzteSchule&) = delete;
  TSchule& operator*() { return *fSchule; }

 private:
  std::unique_ptr<TSchule> fSchule;
  TSchule* fAlt;
};

template <class T>
std::set<const void*> Menge(const TEigenListe<T>& liste) {
  std::set<const void*> m;
  for (const T* e : liste) m.insert(e);
  return m;
}

bool In(const std::set<const void*>& m, const void* e) {
  return !e || m.count(e) > 0;
}

void PruefeSchule(TSchule& s) {
  const int w = Standard().fMaxWocheNeu;
  FuzzPruefe(w >= 1 && w <= MaxWochen, "Zahl der Planversionen außerhalb 1..54");
  for (std::uint8_t k : s.fKalender) FuzzPruefe(k >= 1 && k <= w, "Kalenderbyte außerhalb 1..W");
  FuzzPruefe(Standard().fAktuelleWoche >= 1 && Standard().fAktuelleWoche <= w,
             "aktuelle Woche außerhalb 1..W");
  const auto lehrer = Menge(s.fLehrerMenge), klassen = Menge(s.fKlassenMenge),
             kopplungen = Menge(s.fKopplMenge), faecher = Menge(s.fFachMenge),
             raeume = Menge(s.fRaumMenge), vertretungen = Menge(s.fVertretungsMenge);
  for (const TLehrer* l : s.fLehrerMenge) {
    FuzzPruefe(In(raeume, l->fRaum), "Stammraum eines Lehrers nicht in der Raumliste");
    for (const TFach* f : l->fFaecher)
      FuzzPruefe(f && In(faecher, f) && f->fLehrer.ListeElemNr(l) > 0,
                 "Fächer eines Lehrers nicht gegenseitig");
    FuzzPruefe(l->fSperrung.WochenZahl() == w && l->fBesetzung.WochenZahl() == w &&
                   l->fSoll.WochenZahl() == w,
               "Wochenbereich eines Lehrers hat nicht W Wochen");
  }
  for (const TKlasse* k : s.fKlassenMenge)
    FuzzPruefe(In(raeume, k->fRaum) && In(lehrer, k->fLehrer1) && In(lehrer, k->fLehrer2),
               "Verweis einer Klasse außerhalb seiner Liste");
  for (const TUVTab* u : s.fUVTabMenge) {
    for (const TLehrer* l : u->fLehrer) FuzzPruefe(l && In(lehrer, l), "UV-Lehrer fremd");
    for (const TKlasse* k : u->fKlassen) FuzzPruefe(k && In(klassen, k), "UV-Klasse fremd");
    for (const TFach* f : u->fFaecher) FuzzPruefe(f && In(faecher, f), "UV-Fach fremd");
  }
  for (const TKurs* k : s.fKursMenge) {
    FuzzPruefe(In(lehrer, k->fLehrer) && In(kopplungen, k->fKopplung) && In(faecher, k->fFach),
               "Verweis eines Kurses außerhalb seiner Liste");
    if (k->fLehrer) FuzzPruefe(k->fLehrer->fKurse.ListeElemNr(k) > 0, "Kurs fehlt beim Lehrer");
    std::set<const void*> gesehen;
    for (const TKlasse* kl : k->fKlassen) {
      FuzzPruefe(kl && In(klassen, kl) && gesehen.insert(kl).second, "Klasse eines Kurses");
      FuzzPruefe(kl->fKurse.ListeElemNr(k) > 0, "Kurs fehlt bei seiner Klasse");
    }
    for (const TRaum* r : k->fRaeume) FuzzPruefe(r && In(raeume, r), "Raum eines Kurses fremd");
    for (const TRaum* r : k->fRaumErgaenzt) FuzzPruefe(r && In(raeume, r), "ergänzter Raum fremd");
    FuzzPruefe(k->fTabellenNr >= 1 && k->fTabellenNr <= 4, "Tabelle außerhalb 1..4");
    std::set<int> zellen;
    for (const TSetzung* z : k->fSetzungen) {
      FuzzPruefe(z->fWoche >= 1 && z->fWoche <= w && z->fTag >= 1 && z->fTag <= MaxTage &&
                     z->fStunde >= 1 && z->fStunde <= MaxStunden,
                 "Setzung außerhalb des Rasters");
      FuzzPruefe(zellen.insert((z->fWoche * 8 + z->fTag) * 17 + z->fStunde).second,
                 "zwei Setzungen eines Kurses in einer Zelle");
      FuzzPruefe(k->fBesetzung.GetWocheTagStd(z->fWoche, z->fTag, z->fStunde),
                 "Setzung ohne Belegung des Kurses");
      FuzzPruefe(In(raeume, z->fRaum), "Raum einer Setzung fremd");
      for (const TVertretung* v : z->fVertretungen)
        FuzzPruefe(v->fSetzung == z && v->fKurs == k && In(vertretungen, v),
                   "Vertretung gehört nicht zu ihrer Setzung");
    }
  }
  for (const TVertretung* v : s.fVertretungsMenge) {
    FuzzPruefe(v->fSetzung && v->fSetzung->fVertretungen.ListeElemNr(v) > 0,
               "Vertretung fehlt in ihrer Setzung");
    FuzzPruefe(In(lehrer, v->fLehrer) && In(raeume, v->fRaum) && In(faecher, v->fFach),
               "Verweis einer Vertretung außerhalb seiner Liste");
    if (v->fZu) FuzzPruefe(v->fZu != v && v->fZu->fVon == v && In(vertretungen, v->fZu), "fZu");
    if (v->fVon) FuzzPruefe(v->fVon->fZu == v && In(vertretungen, v->fVon), "fVon");
  }
  const std::pair<const TEigenListe<TFehl>*, const std::set<const void*>*> fehl[] = {
      {&s.fFehlLehrerMenge, &lehrer},
      {&s.fFehlKlassenMenge, &klassen},
      {&s.fFehlRaumMenge, &raeume}};
  for (const auto& [liste, elemente] : fehl)
    for (const TFehl* f : *liste) {
      FuzzPruefe(f->fElement && elemente->count(dynamic_cast<const void*>(f->fElement)) > 0,
                 "Fehlzeit ohne Element oder mit fremdem Element");
      FuzzPruefe(f->fZeit > 0 && f->fZeit <= 0xFFFF && f->fHilfe == f->fZeit,
                 "Fehlzeit ohne Stunde oder mit mehr als 16 Bit");
    }
  const TParListe& p = *s.fParListe;
  FuzzPruefe(p.fZeilen >= 1 && p.fSpalten >= 1 &&
                 p.fListe.size() ==
                     static_cast<std::size_t>(p.fZeilen) * static_cast<std::size_t>(p.fSpalten),
             "Raster der parallelen Kopplungen passt nicht zu seiner Größe");
  for (const TKopplung* k : p.fListe) FuzzPruefe(In(kopplungen, k), "Kopplung im Raster fremd");
  for (const TFensterSatz& f : s.fGespeicherteFenster)
    FuzzPruefe(FensterArtEintrag(f.Art) != nullptr, "unbekannte Fensterart behalten");
}

}  // namespace

TAMREL_FUZZ_ZIEL(ReadFuzz) {
  TFuzzUmgebung umgebung(51200.5);  // Februar 2040
  umgebung.Einstellungen().fVertrMerke = 30000;
  std::vector<std::uint8_t> eins;
  {
    TEingesetzteSchule schule;
    const int wochen = Standard().fMaxWocheNeu, woche = Standard().fAktuelleWoche;
    std::string fehler;
    if (!ReadSchuleAusBytes(std::vector<std::uint8_t>(daten, daten + groesse), "fuzz.tmr", *schule,
                            fehler)) {
      FuzzPruefe(fehler.find("„fuzz.tmr“") != std::string::npos, "Meldung nennt die Datei nicht");
      FuzzPruefe(Standard().fMaxWocheNeu == wochen && Standard().fAktuelleWoche == woche,
                 "Einstellungen nach misslungenem Lesen verändert");
      FuzzPruefe((*schule).fDateiName.str() == "Ohne Titel",
                 "misslungenes Lesen hat den Namen gebunden");
      return 0;
    }
    FuzzPruefe(fehler.empty(), "Erfolg mit Meldung");
    PruefeSchule(*schule);
    try {
      eins = SchuleAlsBytes(*schule);
    } catch (const EDateiFehler& e) {
      // Mehr als 32767 Vertretungen insgesamt passen nicht in die Datei: das Sichern lehnt ab.
      FuzzPruefe(e.Art() == TDateiFehlerArt::WertZuGross, "Schreiben scheitert unerwartet");
      return 0;
    }
  }
  TEingesetzteSchule zweite;
  std::string fehler;
  FuzzPruefe(ReadSchuleAusBytes(eins, "fuzz.tmr", *zweite, fehler),
             "geschriebene Datei lässt sich nicht lesen");
  PruefeSchule(*zweite);
  FuzzPruefe(SchuleAlsBytes(*zweite) == eins, "Schreiben, Lesen, Schreiben ergibt andere Bytes");
  return 0;
}
