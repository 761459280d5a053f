#include "output/DruckVUebUnit.h"

#include <algorithm>
#include <cmath>

#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "output/PrevPrinterUnit.h"
#include "planning/SetzungUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/KalenderUnit.h"
#include "substitution/VertretungUnit.h"

namespace {
std::string Verweis(const TVertretung* v) {
  return v ? U8(v->ZeitZeile(false) + " " + v->KursZeile(false)) : std::string();
}

std::string StdLabel(TDateTime tag, int std) {
  const int version = std::clamp(PlanversionAm(tag), 1, MaxWochen);
  return U8(Standard().fStdBez[version][std].str());
}

bool AmTag(const TVertretung* v, TDateTime tag) {
  return GleicherTag(v->fDatum, tag);
}

void LehrerZeilen(const TLehrer* t, TDateTime tag, int std, std::vector<TVUebZeile>& aus) {
  const std::string datum = DatumText(tag, "dd.mm.yyyy");
  for (const TVertretung* r : Schule().fVertretungsMenge) {
    if (!r->fGueltig || !r->fKurs || !AmTag(r, tag) || r->Stunde() != std) continue;
    if (r->fLehrer == r->fKurs->fLehrer) continue;
    if (r->fLehrer != t && r->fKurs->fLehrer != t) continue;
    const bool vertritt = r->fLehrer == t;
    const std::int64_t wert = vertritt && r->fAngerechnet ? r->fKurs->fFaktor : 0;
    aus.push_back({U8(t->fKuerzel.str()), datum, StdLabel(tag, std),
                   vertritt ? "vertritt" : U8("fehlt " + Schule().FehlGrund(tag, t)),
                   StundenText(wert), U8(r->fKurs->OhneRaumZeile()), Verweis(r->fVon),
                   Verweis(r->fZu), U8(r->fLInfo.str())});
  }
  const int version = PlanversionAm(tag);
  if (version < 1) return;
  const TKurs* k = t->FindeKurs(version, WochenTag(tag), std);
  if (k && !k->fKlassen.empty() && k->AlleKlassenAbwesend(tag, std, nullptr) &&
      !t->Abwesend(tag, std))
    aus.push_back({U8(t->fKuerzel.str()), datum, StdLabel(tag, std), "ausgefallen",
                   StundenText(-static_cast<std::int64_t>(k->fFaktor)), U8(k->OhneRaumZeile()), "",
                   "", ""});
}

void KlassenZeilen(const TKlasse* kl, TDateTime tag, int std, std::vector<TVUebZeile>& aus) {
  const std::string datum = DatumText(tag, "dd.mm.yyyy");
  const bool fehlt = kl->Abwesend(tag, std);
  if (!fehlt)
    for (const TVertretung* r : Schule().fVertretungsMenge) {
      if (!r->fGueltig || !r->fKurs || !AmTag(r, tag) || r->Stunde() != std) continue;
      if (!r->fKurs->fKlassen.ListeElemNr(kl)) continue;
      const TLehrer* kursLehrer = r->fKurs->fLehrer;
      std::string text;
      if (r->fLehrer)
        text = kursLehrer ? "vertritt " + Schule().FehlGrund(tag, kursLehrer) : std::string();
      else
        text = "ausgefallen " + (kursLehrer ? Schule().FehlGrund(tag, kursLehrer) : std::string());
      aus.push_back({U8(kl->fKuerzel.str()), datum, StdLabel(tag, std), U8(text),
                     r->fLehrer ? U8(r->fLehrer->fKuerzel.str()) : "----",
                     U8(r->fKurs->OhneRaumZeile()), Verweis(r->fVon), Verweis(r->fZu),
                     U8(r->fLInfo.str())});
    }
  const int version = PlanversionAm(tag);
  if (!fehlt || version < 1) return;
  if (const TKurs* k = kl->FindeKurs(version, WochenTag(tag), std))
    aus.push_back({U8(kl->fKuerzel.str()), datum, StdLabel(tag, std),
                   U8("fehlt " + Schule().FehlGrund(tag, kl)), "----", U8(k->OhneRaumZeile()), "",
                   "", ""});
}
}  // namespace

std::vector<std::string> VUebTitel(bool lehrer) {
  return {lehrer ? "Lehrer" : "Klasse",
          "Datum",
          "Stunde",
          "Text",
          lehrer ? "Wert" : "Lehrer",
          "Kurs",
          "statt",
          "verlegt auf",
          "Bemerkung"};
}

std::vector<TVUebZeile> VUebZeilen(bool lehrer, const std::vector<TPlanElement*>& elemente,
                                   TDateTime von, TDateTime bis) {
  std::vector<TVUebZeile> aus;
  const int tage = std::max(0, static_cast<int>(std::lround(bis - von))) + 1;
  for (const TPlanElement* e : elemente) {
    if (!e || e->Art() != (lehrer ? leh : kla)) continue;
    for (int i = 0; i < tage; ++i) {
      const TDateTime tag = von + i;
      for (int std = 1; std <= MaxStunden; ++std) {
        if (lehrer)
          LehrerZeilen(static_cast<const TLehrer*>(e), tag, std, aus);
        else
          KlassenZeilen(static_cast<const TKlasse*>(e), tag, std, aus);
      }
    }
  }
  return aus;
}

TVUebZeitraum VUebZeitraum(int vonTag, int vonMonat, int vonJahr, int bisTag, int bisMonat,
                           int bisJahr) {
  auto datum = [](int tag, int monat, int jahr) {
    jahr = std::clamp(jahr, 1994, 2039);
    monat = std::clamp(monat, 1, 12);
    tag = std::clamp(tag, 1, 31);
    while (tag > TageImMonat(jahr, monat)) --tag;
    return DatumZuZahl(jahr, monat, tag) + 0.5;
  };
  TVUebZeitraum z;
  z.Von = datum(vonTag, vonMonat, vonJahr);
  z.Bis = std::max(datum(bisTag, bisMonat, bisJahr), z.Von);
  return z;
}

TListDruckOptionen LadeVUebDruck(const TStandard& s) {
  TListDruckOptionen o;
  o.Rand = std::clamp(s.fVUebDruckRand, 0, 6);
  o.Font = s.fVUebDruckFont;
  return o;
}

void SpeichereVUebDruck(const TListDruckOptionen& o, TStandard& s) {
  s.fVUebDruckRand = o.Rand;
  s.fVUebDruckFont = o.Font;
}

int DruckeVertretungsUebersicht(bool lehrer, TListDruckOptionen o,
                                const std::vector<TPlanElement*>& elemente, TDateTime von,
                                TDateTime bis, TPrevPrinter& d) {
  Dialog().MeldungsFensterZeigen("Die Vertretungsübersicht wird angelegt.");
  std::vector<TVUebZeile> zeilen;
  {
    TBeschaeftigt sanduhr;
    zeilen = VUebZeilen(lehrer, elemente, von, std::max(bis, von));
  }
  Dialog().MeldungsFensterSchliessen();
  const std::vector<std::string> titel = VUebTitel(lehrer);
  TListRahmen r(d, o.Font, o.Rand, false);
  r.Beginnen();
  // Jede Spalte so breit wie ihr breitester Text (Titel eingeschlossen) und ein "*".
  std::vector<int> breite(titel.size(), 0);
  const int stern = d.TextWidth("*");
  for (std::size_t i = 0; i < titel.size(); ++i) {
    breite[i] = d.TextWidth(titel[i]);
    for (const TVUebZeile& z : zeilen) breite[i] = std::max(breite[i], d.TextWidth(z[i]));
    breite[i] += stern;
  }
  auto zeile = [&](const std::vector<std::string>& texte) {
    int x = r.Links;
    for (std::size_t i = 0; i < texte.size() && i < breite.size(); ++i) {
      d.TextOut(x, r.y, texte[i]);
      x += breite[i];
    }
    r.Zeile();
  };
  zeile(titel);
  for (const TVUebZeile& z : zeilen) {
    if (d.Abgebrochen()) break;
    if (r.Rest() < 3 * r.h) {
      r.NeueSeite();
      zeile(titel);
    }
    zeile(z);
  }
  d.DonePrinting();
  return d.PageCount() == 0 ? 0 : static_cast<int>(zeilen.size()) + 1;
}
