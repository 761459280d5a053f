#include "model/UVTabelleUnit.h"

#include <algorithm>

#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/SchulUnit.h"
#include "model/ToolsUnit.h"
#include "model/UVUnit.h"
#include "settings/StandardUnit.h"

namespace {

constexpr const char* kZeilenEnde = "\r\n";

template <class T>
bool Enthalten(const TListe<T>& liste, const T* element) {
  for (const T* e : liste)
    if (e == element) return true;
  return false;
}

template <class T>
T* AlsArt(TElement* e, TKuerzelArt art) {
  return e && e->Art() == art ? static_cast<T*>(e) : nullptr;
}

}  // namespace

// ---- Raster ----

void TUVRaster::Aufbauen(const TUVTab& tab) {
  fIstFach = tab.fIstFach;
  fElemente.clear();
  fLinien.clear();
  fZellen.clear();
  if (fIstFach) {
    for (TFach* f : tab.fFaecher) fElemente.push_back(f);
  } else {
    for (TLehrer* l : tab.fLehrer) fElemente.push_back(l);
  }
  for (TKlasse* k : tab.fKlassen) LinieEinfuegen(fLinien.size(), k);
  // Je Block die Kurse der Klasse in der Folge ihrer Kursliste.
  for (TKlasse* k : tab.fKlassen)
    for (TKurs* kurs : k->fKurse) {
      const int e = ElementIndex(KursElement(kurs));
      if (e >= 0) InBlock(kurs, k, static_cast<std::size_t>(e));
    }
}

int TUVRaster::Spalten() const {
  return static_cast<int>(fIstFach ? fElemente.size() : fLinien.size());
}

int TUVRaster::Zeilen() const {
  return static_cast<int>(fIstFach ? fLinien.size() : fElemente.size());
}

bool TUVRaster::Index(int col, int row, std::size_t& e, std::size_t& l) const {
  if (col < 1 || row < 1 || col > Spalten() || row > Zeilen()) return false;
  e = static_cast<std::size_t>((fIstFach ? col : row) - 1);
  l = static_cast<std::size_t>((fIstFach ? row : col) - 1);
  return true;
}

TKurs* TUVRaster::Kurs(int col, int row) const {
  std::size_t e = 0, l = 0;
  if (!Index(col, row, e, l)) return nullptr;
  return fZellen[l][e];
}

TElement* TUVRaster::SpaltenKopf(int col) const {
  if (col < 1 || col > Spalten()) return nullptr;
  const auto i = static_cast<std::size_t>(col - 1);
  return fIstFach ? fElemente[i] : fLinien[i];
}

TElement* TUVRaster::ZeilenKopf(int row) const {
  if (row < 1 || row > Zeilen()) return nullptr;
  const auto i = static_cast<std::size_t>(row - 1);
  return fIstFach ? static_cast<TElement*>(fLinien[i]) : fElemente[i];
}

TKlasse* TUVRaster::KlasseVon(int col, int row) const {
  return AlsArt<TKlasse>(fIstFach ? ZeilenKopf(row) : SpaltenKopf(col), kla);
}

TFach* TUVRaster::FachVon(int col, int /*row*/) const {
  return fIstFach ? AlsArt<TFach>(SpaltenKopf(col), fac) : nullptr;
}

TLehrer* TUVRaster::LehrerVon(int /*col*/, int row) const {
  return fIstFach ? nullptr : AlsArt<TLehrer>(ZeilenKopf(row), leh);
}

std::vector<std::pair<int, int>> TUVRaster::ZellenVon(const TKurs* kurs) const {
  std::vector<std::pair<int, int>> zellen;
  if (!kurs) return zellen;
  for (int r = 1; r <= Zeilen(); ++r)
    for (int c = 1; c <= Spalten(); ++c)
      if (Kurs(c, r) == kurs) zellen.emplace_back(c, r);
  return zellen;
}

int TUVRaster::ElementIndex(const TElement* element) const {
  if (!element) return -1;
  const auto it = std::find(fElemente.begin(), fElemente.end(), element);
  return it == fElemente.end() ? -1 : static_cast<int>(it - fElemente.begin());
}

TElement* TUVRaster::KursElement(const TKurs* kurs) const {
  if (!kurs) return nullptr;
  return fIstFach ? static_cast<TElement*>(kurs->fFach) : static_cast<TElement*>(kurs->fLehrer);
}

void TUVRaster::LinieEinfuegen(std::size_t pos, TKlasse* klasse) {
  pos = std::min(pos, fLinien.size());
  fLinien.insert(fLinien.begin() + static_cast<std::ptrdiff_t>(pos), klasse);
  fZellen.insert(fZellen.begin() + static_cast<std::ptrdiff_t>(pos),
                 std::vector<TKurs*>(fElemente.size(), nullptr));
}

bool TUVRaster::InBlock(TKurs* kurs, const TKlasse* klasse, std::size_t e) {
  std::size_t letzte = fLinien.size();
  TKurs** frei = nullptr;
  for (std::size_t l = 0; l < fLinien.size(); ++l) {
    if (fLinien[l] != klasse) continue;
    if (fZellen[l][e] == kurs) return true;
    if (!frei && !fZellen[l][e]) frei = &fZellen[l][e];
    letzte = l;
  }
  if (letzte == fLinien.size()) return false;  // die Klasse hat keinen Block
  if (frei) {
    *frei = kurs;
    return true;
  }
  LinieEinfuegen(letzte + 1, const_cast<TKlasse*>(klasse));
  fZellen[letzte + 1][e] = kurs;
  return true;
}

bool TUVRaster::KursEinfuegen(TKurs* kurs) {
  if (!kurs || kurs->fKlassen.empty()) return false;
  const int e = ElementIndex(KursElement(kurs));
  if (e < 0) return false;
  bool gezeigt = false;
  for (TKlasse* k : kurs->fKlassen)
    gezeigt = InBlock(kurs, k, static_cast<std::size_t>(e)) || gezeigt;
  return gezeigt;
}

void TUVRaster::KursLoeschen(const TKurs* kurs) {
  if (!kurs) return;
  for (std::vector<TKurs*>& linie : fZellen)
    for (TKurs*& z : linie)
      if (z == kurs) z = nullptr;
}

bool TUVRaster::KursInZelle(int col, int row, TKurs* kurs) {
  if (!kurs) return false;
  std::size_t e = 0, l = 0;
  TKlasse* klasse = KlasseVon(col, row);
  const bool passt = Index(col, row, e, l) && !fZellen[l][e] && klasse &&
                     Enthalten(kurs->fKlassen, static_cast<const TKlasse*>(klasse)) &&
                     fElemente[e] == KursElement(kurs);
  bool schonImBlock = false;
  if (passt)
    for (std::size_t i = 0; i < fLinien.size(); ++i)
      schonImBlock = schonImBlock || (fLinien[i] == klasse && fZellen[i][e] == kurs);
  if (passt && !schonImBlock) fZellen[l][e] = kurs;
  // Die übrigen Klassen des Kurses (und eine unpassende Zelle) wie beim Einfügen.
  return KursEinfuegen(kurs);
}

bool TUVRaster::ListenAbgleichen(const TUVTab& tab) {
  if (tab.fIstFach != fIstFach) {
    Aufbauen(tab);
    return true;
  }
  std::vector<TElement*> soll;
  if (fIstFach) {
    for (TFach* f : tab.fFaecher) soll.push_back(f);
  } else {
    for (TLehrer* l : tab.fLehrer) soll.push_back(l);
  }
  bool geaendert = false;
  for (TElement* e : std::vector<TElement*>(fElemente))
    if (std::find(soll.begin(), soll.end(), e) == soll.end()) {
      ElementEntfernen(e);
      geaendert = true;
    }
  for (TKlasse* k : std::vector<TKlasse*>(fLinien))
    if (!Enthalten(tab.fKlassen, static_cast<const TKlasse*>(k))) {
      ElementEntfernen(k);
      geaendert = true;
    }
  for (TElement* e : soll) geaendert = ElementErgaenzen(e) || geaendert;
  for (TKlasse* k : tab.fKlassen) geaendert = KlasseErgaenzen(k) || geaendert;
  return geaendert;
}

bool TUVRaster::Nachfuehren() {
  bool geaendert = false;
  for (std::size_t l = 0; l < fLinien.size(); ++l)
    for (std::size_t e = 0; e < fElemente.size(); ++e) {
      TKurs*& z = fZellen[l][e];
      if (z && (KursElement(z) != fElemente[e] ||
                !Enthalten(z->fKlassen, static_cast<const TKlasse*>(fLinien[l])))) {
        z = nullptr;
        geaendert = true;
      }
    }
  std::vector<TKlasse*> klassen;
  for (TKlasse* k : fLinien)
    if (std::find(klassen.begin(), klassen.end(), k) == klassen.end()) klassen.push_back(k);
  for (TKlasse* k : klassen)
    for (TKurs* kurs : k->fKurse) {
      const int e = ElementIndex(KursElement(kurs));
      if (e < 0) continue;
      bool da = false;
      for (std::size_t l = 0; l < fLinien.size() && !da; ++l)
        da = fLinien[l] == k && fZellen[l][static_cast<std::size_t>(e)] == kurs;
      if (!da) geaendert = InBlock(kurs, k, static_cast<std::size_t>(e)) || geaendert;
    }
  return geaendert;
}

bool TUVRaster::ZeileEinfuegen(int row, TKlasse* klasse) {
  if (!fIstFach || !klasse || row < 1 || row > Zeilen() + 1) return false;
  LinieEinfuegen(static_cast<std::size_t>(row - 1), klasse);
  return true;
}

bool TUVRaster::SpalteEinfuegen(int col, TKlasse* klasse) {
  if (fIstFach || !klasse || col < 1 || col > Spalten() + 1) return false;
  LinieEinfuegen(static_cast<std::size_t>(col - 1), klasse);
  return true;
}

bool TUVRaster::ElementErgaenzen(TElement* element) {
  if (ElementIndex(element) >= 0) return false;
  std::size_t pos = 0;
  while (pos < fElemente.size() && ReihenVergleich(fElemente[pos], element) < 0) ++pos;
  fElemente.insert(fElemente.begin() + static_cast<std::ptrdiff_t>(pos), element);
  for (std::vector<TKurs*>& linie : fZellen)
    linie.insert(linie.begin() + static_cast<std::ptrdiff_t>(pos), nullptr);
  for (TKurs* k : element->fKurse) KursEinfuegen(k);
  return true;
}

bool TUVRaster::FachErgaenzen(TFach* fach) {
  if (!fIstFach || !fach || fach->Art() != fac) return false;
  return ElementErgaenzen(fach);
}

bool TUVRaster::LehrerErgaenzen(TLehrer* lehrer) {
  if (fIstFach || !lehrer || lehrer->Art() != leh) return false;
  return ElementErgaenzen(lehrer);
}

bool TUVRaster::KlasseErgaenzen(TKlasse* klasse) {
  if (!klasse || klasse->Art() != kla) return false;
  if (std::find(fLinien.begin(), fLinien.end(), klasse) != fLinien.end()) return false;
  std::size_t pos = 0;
  while (pos < fLinien.size() && ReihenVergleich(fLinien[pos], klasse) < 0) ++pos;
  LinieEinfuegen(pos, klasse);
  for (TKurs* k : klasse->fKurse) KursEinfuegen(k);
  return true;
}

void TUVRaster::ElementEntfernen(const TElement* element) {
  if (!element) return;
  const int e = ElementIndex(element);
  if (e >= 0) {
    fElemente.erase(fElemente.begin() + e);
    for (std::vector<TKurs*>& linie : fZellen) linie.erase(linie.begin() + e);
  }
  for (std::size_t l = fLinien.size(); l-- > 0;)
    if (fLinien[l] == element) {
      fLinien.erase(fLinien.begin() + static_cast<std::ptrdiff_t>(l));
      fZellen.erase(fZellen.begin() + static_cast<std::ptrdiff_t>(l));
    }
}

// ---- Texte und Bilder ----

std::string UVTitel(const TUVTab& tab) {
  std::string t = "UV-Tabelle " + tab.fKuerzel.str();
  if (t.size() > 22) t.resize(22);
  return U8(t);
}

std::string UVEcke(bool istFach) {
  return istFach ? "UV" : "LK";
}

std::string UVZellName(const TKurs& kurs, bool istFach, bool schalterO) {
  if (schalterO && kurs.fKopplung) return kurs.fKopplung->fKuerzel.str();
  if (istFach) return kurs.fLehrer ? kurs.fLehrer->fKuerzel.str() : std::string();
  return kurs.fFach ? kurs.fFach->fKuerzel.str() : std::string();
}

TUVZellBild UVZellBild(const TUVRaster& raster, int col, int row, bool schalterO) {
  TUVZellBild b;
  const TKurs* k = raster.Kurs(col, row);
  if (!k) return b;
  const bool istFach = raster.IstFach();
  b.MitKurs = true;
  b.Wert = k->WertText(-1);
  b.WertRot = istFach ? !k->fLehrer : !k->fFach;
  b.Name = U8(UVZellName(*k, istFach, schalterO));
  b.Fett = k->fKopplung && Standard().fPlnKoppFett;
  const TKlasse* klasse = raster.KlasseVon(col, row);
  b.Kursiv = klasse && k->fKlassen.ListeNrInhalt(1) != klasse;
  b.Farbe = k->fColor;
  return b;
}

TUVKopfBild UVKopfBild(const TElement* element) {
  TUVKopfBild b;
  if (!element) return b;
  b.Kuerzel = U8(element->fKuerzel.str());
  if (element->Art() != kla && element->Art() != leh) return b;
  const auto* s = static_cast<const TSollElement*>(element);
  const bool klasse = element->Art() == kla;
  // Klassen zählen jeden gekoppelten Kurs, Lehrer jede Kopplung einmal.
  const std::int32_t last = s->FaktorSumme(-1, klasse, klasse ? kla : leh);
  const std::int32_t soll = s->GetSoll(-1);
  b.MitRest = true;
  b.Rest = StundenText(static_cast<std::int64_t>(soll) - last);
  b.RestRot = last != soll;
  return b;
}

std::string UVAlsText(const TUVRaster& raster, bool schalterO) {
  std::string text;
  for (int c = 1; c <= raster.Spalten(); ++c) {
    const TElement* kopf = raster.SpaltenKopf(c);
    text += "\t\t" + (kopf ? kopf->fKuerzel.str() : std::string());
  }
  text += kZeilenEnde;
  for (int r = 1; r <= raster.Zeilen(); ++r) {
    const TElement* kopf = raster.ZeilenKopf(r);
    text += kopf ? kopf->fKuerzel.str() : std::string();
    for (int c = 1; c <= raster.Spalten(); ++c) {
      const TKurs* k = raster.Kurs(c, r);
      text += '\t';
      if (k)
        text += StundenText(k->fStunden.GetWochenStunde(-1)) + '\t' +
                UVZellName(*k, raster.IstFach(), schalterO);
      else
        text += "0\t";
    }
    text += kZeilenEnde;
  }
  return U8(text);
}

bool UVArtSetzen(TUVTab& tab, bool istFach) {
  if (tab.fIstFach == istFach) return false;
  tab.fIstFach = istFach;
  // Daten- und UV-Fenster bauen sich in der neuen Art auf (und die Schule gilt als geändert).
  tab.FensterUpdate();
  TSchule& schule = Schule();
  if (schule.fUVStatForm) schule.fUVStatForm->FensterRefresh();
  return true;
}

// ---- Gesten ----

namespace {

TKurs* KursFuerZelle(TUVRaster& raster, int col, int row, TLehrer* lehrer, TFach* fach,
                     TKlasse* klasse) {
  TRaum* raum = klasse->fRaum ? klasse->fRaum : (lehrer ? lehrer->fRaum : nullptr);
  TKurs* k = TKurs::IKurs(lehrer, klasse, nullptr, fach, raum, Standard().fKursStd);
  raster.KursInZelle(col, row, k);
  SchuleGeaendert();
  return k;
}

}  // namespace

TKurs* UVNeuerKurs(TUVRaster& raster, int col, int row) {
  if (raster.Kurs(col, row)) return nullptr;
  TKlasse* klasse = raster.KlasseVon(col, row);
  if (!klasse) return nullptr;
  if (raster.IstFach()) {
    TFach* fach = raster.FachVon(col, row);
    if (!fach) return nullptr;
    return KursFuerZelle(raster, col, row, nullptr, fach, klasse);
  }
  TLehrer* lehrer = raster.LehrerVon(col, row);
  if (!lehrer) return nullptr;
  return KursFuerZelle(raster, col, row, lehrer, nullptr, klasse);
}

TKurs* UVSetzKurs(TUVRaster& raster, int col, int row, TElement* gewaehlt) {
  if (raster.Kurs(col, row)) return nullptr;
  TKlasse* klasse = raster.KlasseVon(col, row);
  if (!klasse) return nullptr;
  if (raster.IstFach()) {
    TFach* fach = raster.FachVon(col, row);
    TLehrer* lehrer = AlsArt<TLehrer>(gewaehlt, leh);
    if (!fach || !lehrer) return nullptr;
    return KursFuerZelle(raster, col, row, lehrer, fach, klasse);
  }
  TLehrer* lehrer = raster.LehrerVon(col, row);
  TFach* fach = AlsArt<TFach>(gewaehlt, fac);
  if (!lehrer || !fach) return nullptr;
  return KursFuerZelle(raster, col, row, lehrer, fach, klasse);
}

TMenue UVSetzMenue(TUVRaster& raster, int col, int row, std::function<void(TKurs*)> danach) {
  TMenue menue;
  if (raster.Kurs(col, row) || !raster.KlasseVon(col, row)) return menue;
  if (raster.IstFach()) {
    if (TFach* f = raster.FachVon(col, row)) menue = f->LehrerPopupFuellen();
  } else if (TLehrer* l = raster.LehrerVon(col, row)) {
    menue = l->FachPopupFuellen();
  }
  // Die Köpfe, wie sie beim Öffnen des Menüs stehen: baut sich das Raster inzwischen um, legt
  // die Wahl nichts an.
  TKlasse* klasse = raster.KlasseVon(col, row);
  TElement* kopf = raster.IstFach() ? static_cast<TElement*>(raster.FachVon(col, row))
                                    : static_cast<TElement*>(raster.LehrerVon(col, row));
  auto gleich = [&raster, col, row, klasse, kopf] {
    const TElement* jetzt = raster.IstFach() ? static_cast<TElement*>(raster.FachVon(col, row))
                                             : static_cast<TElement*>(raster.LehrerVon(col, row));
    return raster.KlasseVon(col, row) == klasse && jetzt == kopf;
  };
  for (TMenueEintrag& e : menue) {
    auto* element = static_cast<TElement*>(e.Objekt);
    e.Aktion = [&raster, col, row, element, danach, gleich] {
      if (!gleich()) return;
      TKurs* k = UVSetzKurs(raster, col, row, element);
      if (k && danach) danach(k);
    };
  }
  return menue;
}

TMenue UVKursWahlMenue(TKurs& kurs, bool istFach) {
  TMenue menue;
  if (istFach) {
    if (kurs.fFach) menue = kurs.fFach->LehrerPopupFuellen();
  } else if (kurs.fLehrer) {
    menue = kurs.fLehrer->FachPopupFuellen();
  }
  for (TMenueEintrag& e : menue) {
    auto* element = static_cast<TElement*>(e.Objekt);
    e.Haken = istFach ? element == kurs.fLehrer : element == kurs.fFach;
    e.Aktion = [&kurs, element, istFach] {
      if (istFach) {
        auto* l = AlsArt<TLehrer>(element, leh);
        if (l && l != kurs.fLehrer && kurs.NichtVerplant()) kurs.LehrerErgaenzen(l);
      } else {
        auto* f = AlsArt<TFach>(element, fac);
        if (f && f != kurs.fFach && kurs.NichtVerplant()) kurs.FachErgaenzen(f);
      }
      kurs.FensterUpdate();
    };
  }
  return menue;
}

void UVLoeschen(TKurs& kurs, const std::vector<TKurs*>& auswahl, bool istFach, bool strg) {
  if (strg) {
    if (kurs.fRaeume.empty() || !kurs.NichtVerplant()) return;
    for (TRaum* r : kurs.fRaeume.Kopie()) kurs.RaumEntfernen(r);
    kurs.FensterUpdate();
    return;
  }
  std::vector<TKurs*> kurse;
  for (TKurs* k : auswahl)
    if (k && std::find(kurse.begin(), kurse.end(), k) == kurse.end()) kurse.push_back(k);
  for (TKurs* k : kurse) {
    if (istFach ? !k->fLehrer : !k->fFach) continue;
    if (!k->NichtVerplant()) continue;
    if (istFach)
      k->LehrerEntfernen();
    else
      k->FachEntfernen();
    k->FensterUpdate();
  }
}

std::vector<TKurs*> UVKurse(const TUVRaster& raster,
                            const std::vector<std::pair<int, int>>& zellen) {
  std::vector<TKurs*> kurse;
  for (const auto& [c, r] : zellen)
    if (TKurs* k = raster.Kurs(c, r); k && std::find(kurse.begin(), kurse.end(), k) == kurse.end())
      kurse.push_back(k);
  return kurse;
}

// ---- Datenfenster ----

TUVListenTitel UVListenTitel(bool istFach) {
  if (istFach) return {"UV-Klassen", "Neue Klasse", "UV-Fächer", "Neues Fach"};
  return {"UV-Lehrer", "Neuer Lehrer", "UV-Klassen", "Neue Klasse"};
}

TKuerzelArt UVListenArt(bool istFach, bool links) {
  if (istFach) return links ? kla : fac;
  return links ? leh : kla;
}

std::vector<TElement*> UVListe(const TUVTab& tab, bool links) {
  std::vector<TElement*> v;
  switch (UVListenArt(tab.fIstFach, links)) {
    case kla:
      for (TKlasse* k : tab.fKlassen) v.push_back(k);
      break;
    case fac:
      for (TFach* f : tab.fFaecher) v.push_back(f);
      break;
    case leh:
      for (TLehrer* l : tab.fLehrer) v.push_back(l);
      break;
    default:
      break;
  }
  return v;
}

bool UVElementAufnehmen(TUVTab& tab, TElement* element) {
  if (!element) return false;
  switch (element->Art()) {
    case kla:
      if (Enthalten(tab.fKlassen, static_cast<const TKlasse*>(element))) return false;
      tab.NeueKlasse(static_cast<TKlasse*>(element));
      return true;
    case fac:
      if (!tab.fIstFach || Enthalten(tab.fFaecher, static_cast<const TFach*>(element)))
        return false;
      tab.NeuesFach(static_cast<TFach*>(element));
      return true;
    case leh:
      if (tab.fIstFach || Enthalten(tab.fLehrer, static_cast<const TLehrer*>(element)))
        return false;
      tab.NeuerLehrer(static_cast<TLehrer*>(element));
      return true;
    default:
      return false;
  }
}

void UVElementEntfernen(TUVTab& tab, TElement* element) {
  if (!element) return;
  switch (element->Art()) {
    case kla:
      tab.KlasseEntfernen(static_cast<TKlasse*>(element));
      break;
    case fac:
      tab.FachEntfernen(static_cast<TFach*>(element));
      break;
    case leh:
      tab.LehrerEntfernen(static_cast<TLehrer*>(element));
      break;
    default:
      break;
  }
}
