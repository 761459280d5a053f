#include "substitution/VStatUnit.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "model/ToolsUnit.h"
#include "planning/SetzungUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/KalenderUnit.h"
#include "substitution/VertrUnit.h"

const std::array<const char*, 9>& VLeStatKopf() {
  static const std::array<const char*, 9> kopf = {
      "Lehrer", "Datum", "Stunde", "Text", "Wert", "Kurs", "statt", "verlegt auf", "Bemerkung"};
  return kopf;
}

const std::array<const char*, 9>& VKlStatKopf() {
  static const std::array<const char*, 9> kopf = {
      "Klasse", "Datum", "Stunde", "Text", "Lehrer", "Kurs", "statt", "verlegt auf", "Bemerkung"};
  return kopf;
}

const std::array<int, 9>& VStatBreiten() {
  static const std::array<int, 9> breiten = {45, 60, 50, 70, 50, 120, 195, 195, 250};
  return breiten;
}

namespace {

using TTagStunden = std::array<std::vector<TVertretung*>, 17>;

// Die Vertretungen des Zeitraums nach Tag und Stunde, je in der Ordnung der Vertretungsliste.
std::map<long long, TTagStunden> NachTagUndStunde(TDateTime von, TDateTime bis) {
  std::map<long long, TTagStunden> tage;
  const long long erster = static_cast<long long>(std::floor(von));
  const long long letzter = static_cast<long long>(std::floor(bis));
  for (TVertretung* v : Schule().fVertretungsMenge) {
    const long long t = static_cast<long long>(std::floor(v->fDatum));
    const int s = v->Stunde();
    if (t < erster || t > letzter || s < 1 || s > 16) continue;
    tage[t][static_cast<std::size_t>(s)].push_back(v);
  }
  return tage;
}

// Die Tage des Zeitraums, an denen eine Klasse fehlt.
std::map<long long, bool> KlassenFehlTage(TDateTime von, TDateTime bis) {
  std::map<long long, bool> tage;
  const long long erster = static_cast<long long>(std::floor(von));
  const long long letzter = static_cast<long long>(std::floor(bis));
  for (const TFehl* f : Schule().fFehlKlassenMenge) {
    const long long t = static_cast<long long>(std::floor(f->fDatum));
    if (t >= erster && t <= letzter && f->fZeit) tage[t] = true;
  }
  return tage;
}

std::string K(const TElement* e) {
  return e ? U8(e->fKuerzel.str()) : std::string();
}

std::string StundenLabel(int woche, int std) {
  if (woche < 1 || woche > 54 || std < 1 || std > 16) return {};
  return U8(Standard().fStdBez[woche][std].str());
}

std::string Verweis(const TVertretung* v) {
  return v ? U8(v->ZeitZeile(false) + " " + v->KursZeile(false)) : std::string();
}

// Die gemeinsamen Spalten einer Zeile mit Vertretung.
TVStatZeile MitVertretung(const TElement* element, TVertretung* r, TDateTime tag) {
  TVStatZeile z;
  z.Vertretung = r;
  z.Datum = tag;
  z.Zellen[0] = K(element);
  z.Zellen[1] = DatumText(tag, "dd.mm.yyyy");
  z.Zellen[2] = r->fSetzung ? StundenLabel(r->fSetzung->fWoche, r->fSetzung->fStunde) : "";
  z.Zellen[5] = r->fKurs ? U8(r->fKurs->OhneRaumZeile()) : "";
  z.Zellen[6] = Verweis(r->fVon);
  z.Zellen[7] = Verweis(r->fZu);
  z.Zellen[8] = U8(r->fLInfo.str());
  return z;
}

TVStatZeile OhneVertretung(const TElement* element, TDateTime tag, int woche, int s,
                           const TKurs* kurs) {
  TVStatZeile z;
  z.Datum = tag;
  z.Zellen[0] = K(element);
  z.Zellen[1] = DatumText(tag, "dd.mm.yyyy");
  z.Zellen[2] = StundenLabel(woche, s);
  z.Zellen[5] = U8(kurs->OhneRaumZeile());
  return z;
}

// Fortschritt im Meldungsfenster, je Element.
class TFortschritt {
 public:
  explicit TFortschritt(int gesamt) : fGesamt(gesamt) {
    Dialog().BeschaeftigtAn();
    Dialog().MeldungsFensterZeigen(kText);
  }
  ~TFortschritt() {
    Dialog().MeldungsFensterSchliessen();
    Dialog().BeschaeftigtAus();
  }
  void Weiter() {
    ++fStand;
    const int prozent = fGesamt > 0 ? fStand * 100 / fGesamt : 100;
    if (prozent == fProzent) return;
    fProzent = prozent;
    Dialog().MeldungsFensterZeigen(std::string(kText) + " (" + std::to_string(prozent) + " %)");
  }

 private:
  static constexpr const char* kText = "Die Vertretungsübersicht wird angelegt.";
  int fGesamt = 0;
  int fStand = 0;
  int fProzent = 0;
};

}  // namespace

namespace {
// Die Vertretungen einer Stunde (nullptr: keine an dem Tag).
using TStundenVertr = const std::vector<TVertretung*>*;

// Die Zeilen einer Übersicht: für jedes Element der Menge jeden Tag des Zeitraums, an dem es
// Vertretungen gibt oder Klassen fehlen, jede Stunde. stunde(element, tag (mittags), Planversion,
// Wochentag, Stunde, Vertretungen der Stunde, ob Klassen fehlen, zeilen) hängt ihre Zeilen an.
template <class E, class F>
std::vector<TVStatZeile> StatZeilen(const TEigenListe<E>& menge, TDateTime von, TDateTime bis,
                                    const TVStatAuswahl& auswahl, F stunde) {
  von = std::floor(von) + 0.5;
  bis = std::max(std::floor(bis) + 0.5, von);
  const std::map<long long, TTagStunden> tage = NachTagUndStunde(von, bis);
  const std::map<long long, bool> klassenFehlen = KlassenFehlTage(von, bis);
  const long long erster = static_cast<long long>(std::floor(von));
  const long long letzter = static_cast<long long>(std::floor(bis));
  std::vector<TVStatZeile> zeilen;
  std::optional<TFortschritt> fortschritt;
  if (!auswahl.Weiter) fortschritt.emplace(menge.ListeZahlElemente());
  int fertig = 0;
  for (E* element : menge) {
    if (auswahl.Nimm && !auswahl.Nimm(element)) {
      ++fertig;
      continue;
    }
    for (long long tag = erster; tag <= letzter; ++tag) {
      const TDateTime e = tag + 0.5;
      const auto vertr = tage.find(tag);
      const bool ausfall = klassenFehlen.count(tag) > 0;
      if (vertr == tage.end() && !ausfall) continue;
      const int woche = PlanversionAm(e);
      const int wt = WochenTag(e);
      for (int s = 1; s <= 16; ++s) {
        const TStundenVertr v =
            vertr != tage.end() ? &vertr->second[static_cast<std::size_t>(s)] : nullptr;
        stunde(element, e, woche, wt, s, v, ausfall, zeilen);
      }
    }
    ++fertig;
    if (fortschritt) fortschritt->Weiter();
    if (auswahl.Weiter && !auswahl.Weiter(fertig, menge.ListeZahlElemente())) break;
  }
  return zeilen;
}
}  // namespace

std::vector<TVStatZeile> VLeStatZeilen(TDateTime von, TDateTime bis) {
  return VLeStatZeilen(von, bis, TVStatAuswahl{});
}

std::vector<TVStatZeile> VKlStatZeilen(TDateTime von, TDateTime bis) {
  return VKlStatZeilen(von, bis, TVStatAuswahl{});
}

std::vector<TVStatZeile> VLeStatZeilen(TDateTime von, TDateTime bis, const TVStatAuswahl& auswahl) {
  TSchule& schule = Schule();
  return StatZeilen(
      schule.fLehrerMenge, von, bis, auswahl,
      [&schule](TLehrer* t, TDateTime e, int woche, int wt, int s, TStundenVertr vertr,
                bool ausfall, std::vector<TVStatZeile>& zeilen) {
        if (vertr) {
          for (TVertretung* r : *vertr) {
            if (!r->fGueltig || !r->fKurs) continue;
            TLehrer* kursLehrer = r->fKurs->fLehrer;
            if (kursLehrer == r->fLehrer || (t != r->fLehrer && t != kursLehrer)) continue;
            TVStatZeile z = MitVertretung(t, r, e);
            const bool vertritt = t == r->fLehrer;
            z.Zellen[3] = vertritt ? "vertritt" : "fehlt " + U8(schule.FehlGrund(e, t));
            z.Zellen[4] = StundenText(vertritt && r->fAngerechnet ? r->fKurs->fFaktor : 0);
            zeilen.push_back(std::move(z));
          }
        }
        if (!ausfall) return;
        const TKurs* kurs = t->FindeKurs(woche, wt, s);
        if (kurs && kurs->AlleKlassenAbwesend(e, s, nullptr) && !t->Abwesend(e, s)) {
          TVStatZeile z = OhneVertretung(t, e, woche, s, kurs);
          z.Zellen[3] = "ausgefallen";
          z.Zellen[4] = StundenText(-static_cast<std::int64_t>(kurs->fFaktor));
          zeilen.push_back(std::move(z));
        }
      });
}

std::vector<TVStatZeile> VKlStatZeilen(TDateTime von, TDateTime bis, const TVStatAuswahl& auswahl) {
  TSchule& schule = Schule();
  return StatZeilen(
      schule.fKlassenMenge, von, bis, auswahl,
      [&schule](TKlasse* k, TDateTime e, int woche, int wt, int s, TStundenVertr vertr,
                bool ausfall, std::vector<TVStatZeile>& zeilen) {
        const bool fehlt = ausfall && k->Abwesend(e, s);
        if (vertr && !fehlt) {
          for (TVertretung* r : *vertr) {
            if (!r->fGueltig || !r->fKurs || !r->fKurs->fKlassen.ListeElemEnthalten(k)) continue;
            TVStatZeile z = MitVertretung(k, r, e);
            const TLehrer* kl = r->fKurs->fLehrer;
            const std::string grund = kl ? U8(schule.FehlGrund(e, kl)) : "";
            z.Zellen[3] = (r->fLehrer ? "vertritt " : "ausgefallen ") + grund;
            z.Zellen[4] = r->fLehrer ? K(r->fLehrer) : "----";
            zeilen.push_back(std::move(z));
          }
        }
        if (!fehlt) return;
        if (const TKurs* kurs = k->FindeKurs(woche, wt, s)) {
          TVStatZeile z = OhneVertretung(k, e, woche, s, kurs);
          z.Zellen[3] = "fehlt " + U8(schule.FehlGrund(e, k));
          z.Zellen[4] = "----";
          zeilen.push_back(std::move(z));
        }
      });
}

std::vector<std::vector<std::string>> VStatRaster(TKuerzelArt art, TDateTime von, TDateTime bis) {
  const TVertrZeitraum z = VertrZeitraum(von, bis);
  const std::vector<TVStatZeile> zeilen =
      art == leh ? VLeStatZeilen(z.Von, z.Bis) : VKlStatZeilen(z.Von, z.Bis);
  const auto& kopf = art == leh ? VLeStatKopf() : VKlStatKopf();
  std::vector<std::vector<std::string>> raster;
  raster.emplace_back();
  for (const char* k : kopf) raster.back().push_back(Utf8ZuWin1252(k));
  for (const TVStatZeile& zeile : zeilen) {
    raster.emplace_back();
    for (const std::string& zelle : zeile.Zellen) raster.back().push_back(Utf8ZuWin1252(zelle));
  }
  if (zeilen.empty()) raster.emplace_back(kopf.size());
  return raster;
}

std::string VStatText(const std::vector<TVStatZeile>& zeilen, const std::vector<int>& auswahl) {
  std::string text;
  for (int i : auswahl) {
    if (i < 0 || i >= static_cast<int>(zeilen.size())) continue;
    const auto& z = zeilen[static_cast<std::size_t>(i)].Zellen;
    for (std::size_t c = 0; c < z.size(); ++c) {
      if (c) text += '\t';
      text += z[c];
    }
    text += "\r\n";
  }
  return text;
}

int VStatFensterBreite(int breite, int links, int rechterRand, int minBreite) {
  while (links + breite > rechterRand && breite - 10 >= minBreite) breite -= 10;
  return breite;
}
