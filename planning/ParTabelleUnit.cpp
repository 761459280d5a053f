#include "planning/ParTabelleUnit.h"

#include <algorithm>
#include <map>

#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

std::vector<TLehrer*> KopplungsLehrer(const TKopplung* kopplung) {
  std::vector<TLehrer*> lehrer;
  if (!kopplung) return lehrer;
  for (TKurs* k : kopplung->fKurse)
    if (k->fLehrer && std::find(lehrer.begin(), lehrer.end(), k->fLehrer) == lehrer.end())
      lehrer.push_back(k->fLehrer);
  return lehrer;
}

TParTabelle::TParTabelle(int zeilen, int spalten, bool uebernehmen)
    : fZeilen(std::clamp(zeilen, 2, 40)), fSpalten(std::clamp(spalten, 2, 10)) {
  fFest.assign(static_cast<std::size_t>(fZeilen * fSpalten), false);
  fSchnitt.assign(static_cast<std::size_t>(fZeilen), 0);
  TParListe& p = *Schule().fParListe;
  std::vector<TKopplung*> neu(static_cast<std::size_t>(fZeilen * fSpalten), nullptr);
  if (uebernehmen) {
    // Nur Einträge, die in der gespeicherten Liste wirklich stehen (Größe geprüft).
    const bool stimmig = p.fZeilen >= 0 && p.fSpalten >= 0 &&
                         p.fListe.size() == static_cast<std::size_t>(p.fZeilen) *
                                                static_cast<std::size_t>(p.fSpalten);
    if (stimmig)
      for (int r = 1; r <= std::min(fZeilen, p.fZeilen); ++r)
        for (int c = 1; c <= std::min(fSpalten, p.fSpalten); ++c)
          neu[static_cast<std::size_t>(Index(r, c))] =
              p.fListe[static_cast<std::size_t>(p.fSpalten * (r - 1) + (c - 1))];
  }
  if (p.fZeilen != fZeilen || p.fSpalten != fSpalten || p.fListe != neu) {
    if (!uebernehmen) {
      // Eine neue, leere Tabelle ersetzt die gespeicherte erst mit ihrer ersten Änderung:
      // wer nur hineinsieht und schließt, verliert nichts.
      fLeerBisZurAenderung = true;
    } else {
      p.fZeilen = fZeilen;
      p.fSpalten = fSpalten;
      p.fListe = std::move(neu);
      Schule().SetDirty(true);
    }
  }
  AlleSchnitte();
}

TParListe* TParTabelle::Schreibbar() {
  if (fLeerBisZurAenderung && SchuleVorhanden() && Schule().fParListe) {
    TParListe& p = *Schule().fParListe;
    p.fZeilen = fZeilen;
    p.fSpalten = fSpalten;
    p.fListe.assign(static_cast<std::size_t>(fZeilen * fSpalten), nullptr);
    fLeerBisZurAenderung = false;
    Schule().SetDirty(true);
  }
  return Liste();
}

TParListe* TParTabelle::Liste() const {
  if (fLeerBisZurAenderung || !SchuleVorhanden() || !Schule().fParListe) return nullptr;
  TParListe* p = Schule().fParListe.get();
  if (p->fZeilen != fZeilen || p->fSpalten != fSpalten ||
      p->fListe.size() != static_cast<std::size_t>(fZeilen * fSpalten))
    return nullptr;
  return p;
}

TKopplung* TParTabelle::Kopplung(int r, int c) const {
  if (!Gueltig(r, c)) return nullptr;
  const TParListe* p = Liste();
  return p ? p->fListe[static_cast<std::size_t>(Index(r, c))] : nullptr;
}

bool TParTabelle::Fest(int r, int c) const {
  return Gueltig(r, c) && fFest[static_cast<std::size_t>(Index(r, c))];
}

std::string TParTabelle::Marke(int r, int c) const {
  return Fest(r, c) ? "F" : "K";
}

int TParTabelle::Schnitt(int r) const {
  return r >= 1 && r <= fZeilen ? fSchnitt[static_cast<std::size_t>(r - 1)] : 0;
}

std::vector<TKurs*> TParTabelle::ZeilenKurse(int r) const {
  std::vector<TKurs*> kurse;
  for (int c = 1; c <= fSpalten; ++c)
    if (TKopplung* k = Kopplung(r, c))
      for (TKurs* kurs : k->fKurse) kurse.push_back(kurs);
  return kurse;
}

int TParTabelle::BerechneSchnitt(int r) {
  if (r < 1 || r > fZeilen) return 0;
  std::map<const TLehrer*, int> zahl;
  for (const TKurs* k : ZeilenKurse(r))
    if (k->fLehrer) ++zahl[k->fLehrer];
  int schnitt = 0;
  for (const auto& [lehrer, n] : zahl) schnitt += n - 1;
  fSchnitt[static_cast<std::size_t>(r - 1)] = schnitt;
  return schnitt;
}

void TParTabelle::AlleSchnitte() {
  for (int r = 1; r <= fZeilen; ++r) BerechneSchnitt(r);
}

void TParTabelle::MerkeParListe() {
  Schreibbar();
  TParListe& p = *Schule().fParListe;
  if (!Liste()) {
    // Die Liste hat eine andere Größe bekommen: die Tabelle gilt, leer.
    p.fZeilen = fZeilen;
    p.fSpalten = fSpalten;
    p.fListe.assign(static_cast<std::size_t>(fZeilen * fSpalten), nullptr);
  }
  Schule().SetDirty(true);
}

void TParTabelle::Geaendert(int r1, int r2) {
  BerechneSchnitt(r1);
  if (r2 != r1) BerechneSchnitt(r2);
  MerkeParListe();
}

bool TParTabelle::Setze(int r, int c, TKopplung* kopplung) {
  if (!Gueltig(r, c)) return false;
  TParListe* p = Schreibbar();
  if (!p || !Gueltig(r, c)) return false;
  p->fListe[static_cast<std::size_t>(Index(r, c))] = kopplung;
  fFest[static_cast<std::size_t>(Index(r, c))] = false;
  Geaendert(r, r);
  return true;
}

bool TParTabelle::Leere(int r, int c) {
  return Setze(r, c, nullptr);
}

bool TParTabelle::FixUmschalten(int r, int c) {
  if (!Gueltig(r, c)) return false;
  auto&& f = fFest[static_cast<std::size_t>(Index(r, c))];
  f = !f;
  Geaendert(r, r);
  return true;
}

bool TParTabelle::Ziehe(int vonR, int vonC, int nachR, int nachC, bool kopieren) {
  TParListe* p = Liste();
  if (!p || !Gueltig(vonR, vonC) || !Gueltig(nachR, nachC)) return false;
  if (vonR == nachR && vonC == nachC) return false;
  TKopplung* k = Kopplung(vonR, vonC);
  if (!k) return false;
  p = Schreibbar();
  if (!kopieren) {
    p->fListe[static_cast<std::size_t>(Index(vonR, vonC))] = nullptr;
    fFest[static_cast<std::size_t>(Index(vonR, vonC))] = false;
  }
  p->fListe[static_cast<std::size_t>(Index(nachR, nachC))] = k;
  fFest[static_cast<std::size_t>(Index(nachR, nachC))] = false;
  Geaendert(vonR, nachR);
  return true;
}

void TParTabelle::Uebernimm(const std::vector<TKopplung*>& zellen) {
  TParListe* p = Schreibbar();
  if (!p || zellen.size() != p->fListe.size()) return;
  for (std::size_t i = 0; i < zellen.size(); ++i)
    if (!fFest[i]) p->fListe[i] = zellen[i];
  AlleSchnitte();
  MerkeParListe();
}

std::string TParTabelle::ZellText(int r, int c, bool mitFach) const {
  const TKopplung* k = Kopplung(r, c);
  if (!k) return {};
  std::string text = k->fKuerzel.str();
  if (mitFach) {
    text += " [ ";
    for (const TKurs* kurs : k->fKurse) {
      if (kurs->fFach) text += kurs->fFach->fKuerzel.str();
      text += ' ';
    }
    text += ']';
  }
  return text;
}

bool TParTabelle::ZelleRot(int r, int c) const {
  const TKopplung* k = Kopplung(r, c);
  if (!k) return false;
  for (const TKurs* kurs : k->fKurse)
    if (!kurs->fSetzungen.empty()) return false;
  return true;
}

TMenue TParTabelle::FaecherMenue(int r) const {
  std::vector<std::pair<const TFach*, int>> faecher;
  for (const TKurs* k : ZeilenKurse(r)) {
    if (!k->fFach) continue;
    auto it = std::find_if(faecher.begin(), faecher.end(),
                           [k](const auto& f) { return f.first == k->fFach; });
    if (it == faecher.end())
      faecher.emplace_back(k->fFach, 1);
    else
      ++it->second;
  }
  TMenue menue;
  for (const auto& [fach, n] : faecher) {
    TMenueEintrag e;
    e.Text = U8(fach->fKuerzel.str()) + " [" + std::to_string(n) + "]";
    e.Objekt = const_cast<TFach*>(fach);
    menue.push_back(std::move(e));
  }
  return menue;
}

TMenue TParTabelle::KonfliktMenue(int r) const {
  std::vector<std::pair<TLehrer*, std::vector<TKurs*>>> lehrer;
  for (TKurs* k : ZeilenKurse(r)) {
    if (!k->fLehrer) continue;
    auto it = std::find_if(lehrer.begin(), lehrer.end(),
                           [k](const auto& l) { return l.first == k->fLehrer; });
    if (it == lehrer.end())
      lehrer.push_back({k->fLehrer, {k}});
    else
      it->second.push_back(k);
  }
  TMenue menue;
  for (const auto& [l, kurse] : lehrer) {
    if (kurse.size() < 2) continue;
    std::string text = l->fKuerzel.str() + " [";
    for (std::size_t i = 0; i < kurse.size(); ++i) {
      if (i) text += ", ";
      text += kurse[i]->OhneRaumZeile();
    }
    text += "]";
    TMenueEintrag e;
    e.Text = U8(text);
    e.Objekt = l;
    menue.push_back(std::move(e));
  }
  return menue;
}

namespace {

bool ZuVerplanen(const TKurs* k, int woche) {
  return !k->fNichtVerplanen && k->RestStunden(woche) > 0;
}

// Setzt in ziel (Woche w) jede Zelle, die in einem der Bereiche in Woche w gesetzt ist.
void OderWoche(TWochBereich& ziel, int w, const TWochBereich& a) {
  for (int t = 1; t <= 7; ++t) ziel.SetWocheTag(w, t, ziel.GetWocheTag(w, t) | a.GetWocheTag(w, t));
}

}  // namespace

bool TParTabelle::HatOffeneStunden(int r) const {
  for (const TKurs* k : ZeilenKurse(r))
    if (ZuVerplanen(k, -1)) return true;
  return false;
}

bool TParTabelle::KlasseDoppelt(int r) const {
  std::vector<std::pair<const TKlasse*, const TKopplung*>> gesehen;
  for (int c = 1; c <= fSpalten; ++c) {
    const TKopplung* kopplung = Kopplung(r, c);
    if (!kopplung) continue;
    for (const TKurs* k : kopplung->fKurse)
      for (const TKlasse* kl : k->fKlassen) {
        for (const auto& [klasse, andere] : gesehen)
          if (klasse == kl && andere != kopplung) return true;
        gesehen.emplace_back(kl, kopplung);
      }
  }
  return false;
}

TWochBereich TParTabelle::GesperrteZeiten(int r) const {
  TWochBereich bereich(Standard().fMaxWocheNeu);
  for (int w = 1; w <= bereich.WochenZahl(); ++w) {
    for (int c = 1; c <= fSpalten; ++c) {
      const TKopplung* kopplung = Kopplung(r, c);
      if (!kopplung) continue;
      std::vector<const TRaum*> vergeben;  // Räume früherer Kurse dieser Kopplung
      for (const TKurs* k : kopplung->fKurse) {
        if (!ZuVerplanen(k, w)) continue;
        OderWoche(bereich, w, k->fBesetzung);
        OderWoche(bereich, w, k->fSperrung);
        if (k->fLehrer) {
          OderWoche(bereich, w, k->fLehrer->fBesetzung);
          OderWoche(bereich, w, k->fLehrer->fSperrung);
        }
        for (const TKlasse* kl : k->fKlassen) {
          OderWoche(bereich, w, kl->fBesetzung);
          OderWoche(bereich, w, kl->fSperrung);
        }
        // Ein Kurs ohne Räume braucht keinen freien Raum.
        if (k->fRaeume.empty()) continue;
        std::vector<const TRaum*> eigene;
        for (const TRaum* raum : k->fRaeume)
          if (std::find(vergeben.begin(), vergeben.end(), raum) == vergeben.end())
            eigene.push_back(raum);
        for (int t = 1; t <= 7; ++t) {
          std::uint32_t alleBelegt = 0xFFFFFFFFu;
          for (const TRaum* raum : eigene)
            alleBelegt &= raum->fBesetzung.GetWocheTag(w, t) | raum->fSperrung.GetWocheTag(w, t);
          bereich.SetWocheTag(w, t, bereich.GetWocheTag(w, t) | alleBelegt);
        }
        if (!eigene.empty()) vergeben.push_back(eigene.front());
      }
    }
  }
  return bereich;
}

bool TParTabelle::ZeitFrei(int r, int tag, int std) const {
  if (KlasseDoppelt(r)) return false;
  const TWochBereich gesperrt = GesperrteZeiten(r);
  const TWochenSpanne spanne = WochenArgument(-1);
  for (int w = spanne.von; w <= spanne.bis; ++w)
    if (gesperrt.GetWocheTagStd(w, tag, std)) return false;
  return spanne.bis >= spanne.von;
}

TMenue TParTabelle::ZeitMenue(int r) const {
  TMenue menue;
  if (!HatOffeneStunden(r) || KlasseDoppelt(r)) return menue;
  const TStandard& st = Standard();
  const TWochBereich gesperrt = GesperrteZeiten(r);
  const TWochenSpanne spanne = WochenArgument(-1);
  const int aktuell = std::clamp(st.fAktuelleWoche, 1, 54);
  for (int t = 1; t <= std::clamp(st.fMaxTageNeu, 1, 7); ++t) {
    TMenueEintrag tag;
    tag.Text = U8(st.fTagBez[t].str());
    tag.Wert = t;
    for (int h = 1; h <= std::clamp(st.fPlnStd, 1, 16); ++h) {
      bool frei = spanne.bis >= spanne.von;
      for (int w = spanne.von; w <= spanne.bis && frei; ++w)
        if (gesperrt.GetWocheTagStd(w, t, h)) frei = false;
      if (!frei) continue;
      TMenueEintrag std;
      std.Text = U8(st.fStdBez[aktuell][h].str());
      if (std.Text.empty()) std.Text = std::to_string(h);
      std.Wert = h;
      tag.Untermenue.push_back(std::move(std));
    }
    if (tag.Untermenue.empty()) tag.Aktiv = false;
    menue.push_back(std::move(tag));
  }
  return menue;
}

int TParTabelle::SetzeZeile(int r, int tag, int std) {
  // Mit Lehrerkonflikten oder ohne offene Stunden gibt es keine gemeinsame Zeit.
  if (BerechneSchnitt(r) != 0 || !HatOffeneStunden(r) || KlasseDoppelt(r)) return 0;
  const TWochBereich gesperrt = GesperrteZeiten(r);
  const TWochenSpanne spanne = WochenArgument(-1);
  int neu = 0;
  for (int w = spanne.von; w <= spanne.bis; ++w) {
    // Nur in Wochen, in denen die Zelle für die ganze Zeile frei ist: keine Doppelbelegung.
    if (gesperrt.GetWocheTagStd(w, tag, std)) continue;
    for (TKurs* k : ZeilenKurse(r))
      if (k->NeueSetzung(w, tag, std, k->FreierRaum(w, tag, std))) ++neu;
  }
  return neu;
}
