#include "ui/KursFeldUnit.h"

#include <algorithm>
#include <utility>

#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "model/ToolsUnit.h"
#include "model/WoElemUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

namespace KursFeld {

namespace {

int Wochen() {
  return std::max(1, Standard().fMaxWocheNeu);
}

void Nachher(TKurs& kurs, bool auffrischen) {
  if (auffrischen) kurs.FensterRefresh();
  SchuleGeaendert();
}

template <class T>
std::vector<std::string> Zeilen(const TListe<T>& liste) {
  std::vector<std::string> zeilen;
  for (const T* e : liste) zeilen.push_back(U8(e->fKuerzel.str()));
  if (zeilen.empty()) zeilen.emplace_back();
  return zeilen;
}

}  // namespace

TZahlBereich StundenBereich(const TKurs& kurs) {
  const TStandard& s = Standard();
  TZahlBereich b;
  b.Max = s.fEineWoche ? MaxWochenStunden : MaxWochenStunden * Wochen();
  b.Schritt = s.fEineWoche ? 1 : Wochen();
  b.Wert = kurs.fStunden.GetWochenStunde(-1);
  if (kurs.fNichtVerplanen) {
    b.Min = -b.Max;
  } else {
    const TWochenSpanne spanne = WochenArgument(-1);
    int meiste = 0;
    for (int w = spanne.von; w <= spanne.bis; ++w)
      meiste = std::max(meiste, kurs.VerplanteStunden(w));
    b.Min = meiste * std::max(0, spanne.bis - spanne.von + 1);
  }
  b.Min = std::min(b.Min, b.Wert);
  b.Max = std::max(b.Max, b.Wert);
  return b;
}

bool StundenAendern(TKurs& kurs, int wert, bool auffrischen) {
  const TStandard& s = Standard();
  const int jeWoche = s.fEineWoche ? wert : wert / Wochen();
  const TWochenSpanne spanne = WochenArgument(-1);
  if (spanne.bis < spanne.von) return false;
  // Keine Woche darf unter ihre gesetzten Stunden fallen; eine Woche, die schon darunter liegt
  // (ältere Daten), darf nur steigen.
  for (int w = spanne.von; w <= spanne.bis; ++w) {
    const int alt = kurs.fStunden.GetWochenStunde(w);
    const int min = kurs.fNichtVerplanen ? -MaxWochenStunden : kurs.VerplanteStunden(w);
    if (jeWoche < min && jeWoche < alt) return false;
    if (jeWoche > MaxWochenStunden && jeWoche > alt) return false;
  }
  kurs.fStunden.SetWochenStunde(-1, jeWoche);
  kurs.ElementeEintragen();  // die Stunden gehören zum Sortierschlüssel
  Nachher(kurs, auffrischen);
  return true;
}

TZahlBereich FaktorBereich(const TKurs& kurs) {
  TZahlBereich b;
  b.Wert = kurs.fFaktor;
  b.Min = std::min(0, b.Wert);
  b.Max = std::max(MaxFaktor, b.Wert);
  return b;
}

void FaktorAendern(TKurs& kurs, int wert, bool auffrischen) {
  KursFaktorSetzen(&kurs, wert);
  Nachher(kurs, auffrischen);
}

int EinzelAusSpT(int stunden, int stdProTag, int tage) {
  const int einzel = stdProTag > 1 ? stunden % stdProTag : stunden;
  return std::min(einzel, tage);
}

int SpTAendern(TKurs& kurs, int wert, bool auffrischen) {
  const TStandard& s = Standard();
  kurs.fStdProTag = wert;
  int stunden = kurs.fStunden.GetWochenStunde(-1);
  if (!s.fEineWoche) stunden /= Wochen();
  if (stunden > 0) kurs.fEinzelStd = EinzelAusSpT(stunden, wert, s.fMaxTageNeu);
  Nachher(kurs, auffrischen);
  return kurs.fEinzelStd;
}

void EinzelAendern(TKurs& kurs, int wert, bool auffrischen) {
  kurs.fEinzelStd = wert;
  Nachher(kurs, auffrischen);
}

void TabelleAendern(TKurs& kurs, int wert, bool auffrischen) {
  kurs.fTabellenNr = wert;
  Nachher(kurs, auffrischen);
}

bool NvpAenderbar(const TKurs& kurs) {
  return kurs.fSetzungen.empty();
}

bool NvpAendern(TKurs& kurs, bool an, bool auffrischen) {
  if (!NvpAenderbar(kurs)) return false;
  if (kurs.fNichtVerplanen == an) return true;
  kurs.fNichtVerplanen = an;
  if (!an && kurs.HatNegativeStunden()) kurs.EntferneNegativeStunden();
  // Die Sortierschlüssel hängen an den Stunden (gestrichene negative, zuvor geänderte): der Kurs
  // rückt in der Kursliste der Schule und in denen seiner Elemente an seinen Platz.
  kurs.ElementeEintragen();
  Nachher(kurs, auffrischen);
  return true;
}

void NzlAendern(TKurs& kurs, bool an, bool auffrischen) {
  kurs.fNichtZaehlenLe = an;
  Nachher(kurs, auffrischen);
}

void NzkAendern(TKurs& kurs, bool an, bool auffrischen) {
  kurs.fNichtZaehlenKl = an;
  Nachher(kurs, auffrischen);
}

bool InfoZulaessig(const std::string& utf8) {
  if (!Utf8InWin1252Darstellbar(utf8)) return false;
  const std::string ansi = Utf8ZuWin1252(utf8);
  if (ansi.size() > TInfoString::Kapazitaet) return false;
  // Steuerzeichen (Tabulator, Zeilenwechsel …) würden die Kurszeilen der Zwischenablage und der
  // Exporte zerreißen.
  return std::none_of(ansi.begin(), ansi.end(),
                      [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

bool InfoAendern(TKurs& kurs, const std::string& utf8, bool auffrischen) {
  if (!InfoZulaessig(utf8)) return false;
  const std::string ansi = Utf8ZuWin1252(utf8);
  if (kurs.fInfo.str() == ansi) return true;
  kurs.fInfo = ansi;
  Nachher(kurs, auffrischen);
  return true;
}

void FarbeAendern(TKurs& kurs, TColor farbe, bool auffrischen) {
  kurs.fColor = farbe & 0xFFFFFFu;
  Nachher(kurs, auffrischen);
}

bool LehrerWaehlen(TKurs& kurs, TLehrer* lehrer) {
  if (!lehrer || lehrer == kurs.fLehrer || !kurs.fSetzungen.empty()) return false;
  kurs.LehrerErgaenzen(lehrer);
  return true;
}

bool KlasseWaehlen(TKurs& kurs, TKlasse* klasse) {
  if (!klasse || kurs.fKlassen.ListeElemEnthalten(klasse) || !kurs.fSetzungen.empty()) return false;
  kurs.KlasseErgaenzen(klasse);
  return true;
}

bool KopplungWaehlen(TKurs& kurs, TKopplung* kopplung) {
  if (!kopplung || kopplung == kurs.fKopplung || !kurs.fSetzungen.empty()) return false;
  kurs.KopplungErgaenzen(kopplung);
  return true;
}

bool FachWaehlen(TKurs& kurs, TFach* fach) {
  if (!fach || fach == kurs.fFach) return false;
  kurs.FachErgaenzen(fach);
  return true;
}

bool RaumWaehlen(TKurs& kurs, TRaum* raum) {
  if (!raum || kurs.fRaeume.ListeElemEnthalten(raum)) return false;
  kurs.RaumErgaenzen(raum, false);
  return true;
}

bool ElementWaehlen(TKurs& kurs, int art, TElement* element) {
  switch (art) {
    case 0:
      return LehrerWaehlen(kurs, dynamic_cast<TLehrer*>(element));
    case 1:
      return KlasseWaehlen(kurs, dynamic_cast<TKlasse*>(element));
    case 2:
      return KopplungWaehlen(kurs, dynamic_cast<TKopplung*>(element));
    case 3:
      return FachWaehlen(kurs, dynamic_cast<TFach*>(element));
    case 4:
      return RaumWaehlen(kurs, dynamic_cast<TRaum*>(element));
    default:
      return false;
  }
}

bool LehrerLoeschen(TKurs& kurs) {
  if (!kurs.fLehrer || !kurs.fSetzungen.empty()) return false;
  kurs.LehrerEntfernen();
  kurs.FensterRefresh();
  return true;
}

bool KopplungLoeschen(TKurs& kurs) {
  if (!kurs.fKopplung || !kurs.fSetzungen.empty()) return false;
  kurs.KopplungEntfernen();
  kurs.FensterRefresh();
  return true;
}

bool FachLoeschen(TKurs& kurs) {
  if (!kurs.fFach) return false;
  kurs.FachEntfernen();
  kurs.FensterRefresh();
  return true;
}

bool KlasseLoeschen(TKurs& kurs, TKlasse* klasse) {
  if (!klasse || !kurs.fKlassen.ListeElemEnthalten(klasse) || !kurs.fSetzungen.empty())
    return false;
  kurs.KlasseEntfernen(klasse);
  return true;
}

bool RaumLoeschen(TKurs& kurs, TRaum* raum) {
  if (!raum || !kurs.fRaeume.ListeElemEnthalten(raum) || kurs.VerplantImRaum(raum)) return false;
  kurs.RaumEntfernen(raum);
  return true;
}

bool RaeumeTauschen(TKurs& kurs, int i, int j) {
  const int n = kurs.fRaeume.ListeZahlElemente();
  if (i < 1 || j < 1 || i > n || j > n) return false;
  if (i == j) return true;
  std::vector<TRaum*> raeume = kurs.fRaeume.Kopie();
  std::swap(raeume[static_cast<std::size_t>(i - 1)], raeume[static_cast<std::size_t>(j - 1)]);
  kurs.fRaeume.ListeLeeren();
  for (TRaum* r : raeume) kurs.fRaeume.ListeAnhaengen(r);
  SchuleGeaendert();
  return true;
}

std::vector<std::string> KlassenZeilen(const TKurs& kurs) {
  return Zeilen(kurs.fKlassen);
}

std::vector<std::string> RaumZeilen(const TKurs& kurs) {
  return Zeilen(kurs.fRaeume);
}

TKurs* NachbarKurs(const std::vector<TKurs*>& liste, const TKurs* kurs, int richtung,
                   int letztePos) {
  const int n = static_cast<int>(liste.size());
  if (n == 0) return nullptr;
  const auto it = std::find(liste.begin(), liste.end(), kurs);
  int i = 0;
  if (it != liste.end()) {
    const int hier = static_cast<int>(it - liste.begin());
    i = richtung < 0 ? hier - 1 : hier + 1;
  } else {
    const int stelle = std::clamp(letztePos, 1, n + 1) - 1;
    i = richtung < 0 ? stelle - 1 : stelle;
  }
  i = ((i % n) + n) % n;
  return liste[static_cast<std::size_t>(i)];
}

std::optional<TKuerzelListe> KuerzelListe(const TKurs& kurs, int art) {
  auto palette = [](TKuerzelArt a) { return TKuerzelListe{false, {}, a}; };
  auto eigene = [](TMenue menue, TKuerzelArt a) {
    return TKuerzelListe{true, std::move(menue), a};
  };
  switch (art) {
    case 0:
      if (kurs.fFach && !kurs.fFach->fLehrer.empty())
        return eigene(kurs.fFach->LehrerPopupFuellen(), leh);
      return palette(leh);
    case 1:
      if (kurs.fFach && !kurs.fFach->fKlassen.empty())
        return eigene(kurs.fFach->KlassenPopupFuellen(), kla);
      return palette(kla);
    case 2:
      return palette(kop);
    case 3:
      if (kurs.fLehrer && !kurs.fLehrer->fFaecher.empty())
        return eigene(kurs.fLehrer->FachPopupFuellen(), fac);
      return palette(fac);
    case 4:
      return palette(rau);
    default:
      return std::nullopt;
  }
}

}  // namespace KursFeld
