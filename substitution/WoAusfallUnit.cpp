#include "substitution/WoAusfallUnit.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <set>

#include "model/DatumUnit.h"
#include "model/KlassenUnit.h"
#include "model/KursUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/KalenderUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

namespace {
// Sucht wort in text ohne Rücksicht auf Groß- und Kleinschreibung.
bool Enthaelt(const std::string& text, const std::string& wort) {
  auto klein = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  return klein(text).find(klein(wort)) != std::string::npos;
}
}  // namespace

TAusfallGruppe AusfallGruppe(const TKlasse* k) {
  const std::string kue = k->fKuerzel.str();
  if (!kue.empty() && kue[0] >= '0' && kue[0] <= '9') return TAusfallGruppe::SekI;
  if (kue == "EF" || kue == "Q1" || kue == "Q2") return TAusfallGruppe::SekII;
  return TAusfallGruppe::Keine;
}

TAusfallSummen AusfallZaehlen(TAusfallGruppe gruppe, TDateTime montag,
                              const std::array<bool, 8>& schultag) {
  const TSchule& schule = Schule();
  const int v = PlanversionAm(montag);
  TAusfallSummen s;
  struct Stunde {
    const TKurs* kurs;
    const TSetzung* setzung;
  };
  std::vector<Stunde> gemerkt;
  std::set<const TSetzung*> geplant;
  // 1. Die geplanten Stunden; ein Kurs mehrerer Klassen zählt einmal.
  for (const TKlasse* k : schule.fKlassenMenge) {
    if (AusfallGruppe(k) != gruppe) continue;
    for (const TKurs* c : k->fKurse)
      for (const TSetzung* p : c->fSetzungen) {
        if (p->fWoche != v || p->fTag < 1 || p->fTag > 7 || !schultag[p->fTag]) continue;
        if (!geplant.insert(p).second) continue;
        s.Geplant += c->fFaktor;
        gemerkt.push_back({c, p});
      }
  }
  // 2. Je Schultag die Vertretungen und die fehlenden Klassen; eine Stunde zählt höchstens einmal.
  for (int d = 1; d <= 7; ++d) {
    if (!schultag[d]) continue;
    const TDateTime tag = montag + (d - 1);
    std::set<const TSetzung*> gezaehlt;
    for (const Stunde& st : gemerkt) {
      for (const TVertretung* r : st.setzung->fVertretungen) {
        if (!GleicherTag(r->fDatum, tag) || !r->fGueltig) continue;
        // Nur ein Raumwechsel: der Lehrer des Kurses gibt die Stunde selbst.
        if (r->fLehrer == st.kurs->fLehrer) continue;
        if (!gezaehlt.insert(st.setzung).second) continue;
        const std::int64_t w = st.kurs->fFaktor;
        s.Betroffen += w;
        const std::string info = r->fSInfo.str();
        if (gruppe == TAusfallGruppe::SekII && Enthaelt(info, "EVA"))
          s.Eva += w;
        else if (Enthaelt(info, "Teilnahme"))
          s.Veraendert += w;
        else if (r->fLehrer)
          s.Gleich += w;
      }
    }
    for (const TFehl* a : schule.fFehlKlassenMenge) {
      const auto* k = dynamic_cast<const TKlasse*>(a->fElement);
      if (!k || !GleicherTag(a->fDatum, tag) || AusfallGruppe(k) != gruppe) continue;
      for (int h = 1; h <= 16; ++h) {
        if (!a->FehltIn(h)) continue;
        for (const TKurs* c : k->fKurse)
          for (const TSetzung* p : c->fSetzungen) {
            if (!p->Liegt(v, d, h) || !geplant.count(p)) continue;
            if (!gezaehlt.insert(p).second) continue;
            s.Besonders += c->fFaktor;
          }
      }
    }
  }
  return s;
}

std::string AusfallWert(std::int64_t einheiten) {
  const TStandard& st = Standard();
  const int nachKomma = std::clamp(st.fNachKomma, 0, 6);
  const std::int64_t divisor = std::max(1, st.fDivisor);
  std::int64_t faktor = 1;
  for (int i = 0; i < nachKomma; ++i) faktor *= 10;
  const std::int64_t betrag = std::llabs(einheiten) * faktor;
  std::int64_t gerundet = betrag / divisor;
  if ((betrag % divisor) * 2 >= divisor) ++gerundet;
  std::string text = std::to_string(gerundet / faktor);
  if (nachKomma > 0) {
    std::string rest = std::to_string(gerundet % faktor);
    text += "." + std::string(nachKomma - rest.size(), '0') + rest;
  }
  if (einheiten < 0 && gerundet != 0) text = "-" + text;
  const std::size_t breite = static_cast<std::size_t>(nachKomma) + 1;
  if (text.size() < breite) text = std::string(breite - text.size(), ' ') + text;
  return text;
}

bool IsoWochenMontag(int kw, int jahr, TDateTime& montag) {
  if (kw < 1 || kw > 53 || jahr < 1900 || jahr > 9998) return false;
  const TDateTime vierter = DatumZuZahl(jahr, 1, 4);
  const TDateTime m = vierter - (WochenTag(vierter) - 1) + 7.0 * (kw - 1);
  if (IsoWoche(m) != kw) return false;
  montag = m + 0.5;
  return true;
}

void IsoWocheUndJahr(TDateTime datum, int& kw, int& jahr) {
  const TDateTime tag = std::floor(datum);
  kw = IsoWoche(tag);
  jahr = ZahlZuDatum(tag - (WochenTag(tag) - 1) + 3).Jahr;  // das Jahr des Donnerstags
}

bool TWoAusfall::WocheWaehlen(int kw, int jahr) {
  TStandard& st = Standard();
  st.fWoAusfallKW = kw;
  st.fWoAusfallJahr = jahr;
  TDateTime montag = 0;
  fWocheDa = IsoWochenMontag(kw, jahr, montag);
  if (!fWocheDa) return false;
  fGilt = true;
  fKW = kw;
  fJahr = jahr;
  vonDatum = montag;
  bisDatum = montag + 6;
  Rechnen();
  return true;
}

std::string TWoAusfall::VonBisText() const {
  if (!fGilt) return {};
  return DatumText(vonDatum, "dd.mm.yyyy") + " - " + DatumText(bisDatum, "dd.mm.yyyy");
}

void TWoAusfall::Rechnen() {
  if (!fGilt) return;
  fZeilen.clear();
  int tage = 0;
  gueltig.fill(false);
  for (int d = 1; d <= 7; ++d) {
    gueltig[d] = Schultag(vonDatum + (d - 1));
    if (gueltig[d]) ++tage;
  }
  NeueZeile("Ermittlung des wöchentlichen Unterrichtsausfalls");
  NeueZeile("KW: " + std::to_string(fKW) + "   Jahr: " + std::to_string(fJahr) +
            "   Unterrichtstage: " + std::to_string(tage));
  NeueZeile("");
  NeueZeile(VonBisText());
  NeueZeile("");
  NeueZeile("");
  Block(TAusfallGruppe::SekI);
  NeueZeile("");
  NeueZeile("");
  Block(TAusfallGruppe::SekII);
}

void TWoAusfall::Block(TAusfallGruppe gruppe) {
  const bool oben = gruppe == TAusfallGruppe::SekII;
  NeueZeile(oben ? "Sekundarstufe II   (Klassenbezeichnung EF, Q1, Q2)"
                 : "Primarstufe und Sekundarstufe I   (Klassenbezeichnung beginnt mit Ziffer)");
  NeueZeile("");
  const TAusfallSummen s = AusfallZaehlen(gruppe, vonDatum, gueltig);
  NeueZeile(AusfallWert(s.Geplant) + " Stunden planmäßiger Unterricht");
  NeueZeile(AusfallWert(s.LautPlan()) + " Stunden erteilter Unterricht laut Plan");
  NeueZeile(AusfallWert(s.Besonders) + " Stunden erteilter Unterricht in besonderer Form");
  NeueZeile(AusfallWert(s.Gleich) + " Vertretungsunterrichtstunden mit gleicher Lerngruppe");
  NeueZeile(AusfallWert(s.Veraendert) + " Vertretungsunterrichtstunden mit veränderter Lerngruppe");
  if (oben)
    NeueZeile(AusfallWert(s.Eva) + " EVA-Stunden");
  else
    NeueZeile("0  EVA-Stunden nur in SEK II");
  NeueZeile(AusfallWert(s.Entfallen()) + " entfallene Stunden");
}

std::string TWoAusfall::Text() const {
  std::string t;
  for (const std::string& z : fZeilen) t += z + "\r\n";
  return t;
}
