#include "output/DruckVertrUnit.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "model/DatumUnit.h"
#include "model/KlassenUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "model/ToolsUnit.h"
#include "output/DrBreiteUnit.h"
#include "output/PrevPrinterUnit.h"
#include "planning/SetzungUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/FehlUnit.h"
#include "substitution/KalenderUnit.h"
#include "substitution/VertretungUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

namespace {
constexpr TColor clRot = 0x0000FF;

TLehrer* KursLehrer(const TVertretung* v) {
  return v->fKurs ? v->fKurs->fLehrer : nullptr;
}
TRaum* PlanRaum(const TVertretung* v) {
  return v->fSetzung ? v->fSetzung->fRaum : nullptr;
}
int PlanStunde(const TVertretung* v) {
  return v->fSetzung ? v->fSetzung->fStunde : 0;
}

// Die Stundenbezeichnung der geplanten Stunde in ihrer Planversion.
std::string StdText(const TVertretung* v) {
  const TSetzung* p = v->fSetzung;
  if (!p || p->fWoche < 1 || p->fWoche > MaxWochen || p->fStunde < 1 || p->fStunde > 16) return {};
  return Standard().fStdBez[p->fWoche][p->fStunde].str();
}

std::string StdText(int woche, int std) {
  if (woche < 1 || woche > MaxWochen || std < 1 || std > 16) return {};
  return Standard().fStdBez[woche][std].str();
}

bool HeuteGeaendert(const TVertretung* v) {
  return std::floor(v->fAdHoc) == std::floor(Heute());
}

std::string LehrerKopf(const TLehrer* l, const VDEintrag& e) {
  if (!l) return {};
  return e.LehrerBez != 0 ? l->fKuerzel.str() : l->fInfo.str();
}

int Reihe(const TElement* a, const TElement* b) {
  const long long ra = a ? a->fReihe : -1, rb = b ? b->fReihe : -1;
  return ra < rb ? -1 : ra > rb ? 1 : 0;
}

// Raumordnung: Datum, Raum der geplanten Stunde (ohne zuerst), Stunde, Fach des Kurses.
int RaumOrdnung(const TVertretung* a, const TVertretung* b) {
  const double da = std::floor(a->fDatum), db = std::floor(b->fDatum);
  if (da != db) return da < db ? -1 : 1;
  if (int c = Reihe(PlanRaum(a), PlanRaum(b))) return c;
  if (PlanStunde(a) != PlanStunde(b)) return PlanStunde(a) < PlanStunde(b) ? -1 : 1;
  return Reihe(a->fKurs ? a->fKurs->fFach : nullptr, b->fKurs ? b->fKurs->fFach : nullptr);
}

// Nur der Raum wechselt: der Lehrer des Kurses hält die Stunde in einem anderen Raum.
bool NurRaumwechsel(const TVertretung* v) {
  return !v->fFrei && v->fLehrer == KursLehrer(v) && v->fRaum != PlanRaum(v);
}

bool KursHatKlasse(const TVertretung* v, const TKlasse* k) {
  if (!v->fKurs) return false;
  for (const TKlasse* kl : v->fKurs->fKlassen)
    if (kl == k) return true;
  return false;
}

bool OhneKlasse(const TVertretung* v) {
  return !v->fKurs || v->fKurs->fKlassen.empty();
}

// Gruppenschlüssel einer Zeile: das Element oder die Stunde; 0 ist "keiner".
std::uintptr_t Schluessel(const TVertretung* v, bool vp, int sortArt) {
  const TElement* e = nullptr;
  if (sortArt == 3) return static_cast<std::uintptr_t>(PlanStunde(v));
  if (vp)
    e = sortArt == 1 ? static_cast<const TElement*>(v->fLehrer) : KursLehrer(v);
  else
    e = sortArt == 1 ? static_cast<const TElement*>(KursLehrer(v)) : PlanRaum(v);
  return reinterpret_cast<std::uintptr_t>(e);
}

std::string KopfText(const TVertretung* v, bool vp, int sortArt, const VDEintrag& e) {
  if (sortArt == 3) return StdText(v);
  if (vp) return LehrerKopf(sortArt == 1 ? v->fLehrer : KursLehrer(v), e);
  if (sortArt == 1) return LehrerKopf(KursLehrer(v), e);
  return PlanRaum(v) ? PlanRaum(v)->fKuerzel.str() : std::string();
}
}  // namespace

std::string HtmlText(const std::string& text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text) {
    switch (static_cast<unsigned char>(c)) {
      case '&':
        s += "&amp;";
        break;
      case '<':
        s += "&lt;";
        break;
      case '>':
        s += "&gt;";
        break;
      case '"':
        s += "&quot;";
        break;
      case 0xC4:
        s += "&Auml;";
        break;
      case 0xD6:
        s += "&Ouml;";
        break;
      case 0xDC:
        s += "&Uuml;";
        break;
      case 0xE4:
        s += "&auml;";
        break;
      case 0xF6:
        s += "&ouml;";
        break;
      case 0xFC:
        s += "&uuml;";
        break;
      case 0xDF:
        s += "&szlig;";
        break;
      case 0xA7:
        s += "&sect;";
        break;
      case 0xA5:
        s += "&yen;";
        break;
      default:
        s += c;
    }
  }
  return s;
}

TDateTime PlanDatum(TDateTime datum) {
  return std::floor(datum) + 0.5;
}

std::string VDDatumText(TDateTime datum) {
  return DatumText(datum, "dddd, d. mmm yyyy");
}

TDateTime VDDatumSchritt(TDateTime datum, int richtung) {
  const int schritt = richtung < 0 ? -1 : 1;
  const TDateTime alt = PlanDatum(datum);
  TDateTime d = alt;
  do {
    d += schritt;
    if (d < ErsterPlanTag() || d > LetzterPlanTag()) return alt;
  } while (!Schultag(d));
  return d;
}

TVertrDruck::TVertrDruck(int druckart, TDateTime datum, std::vector<std::string> memo)
    : fDruckart(druckart), fDatum(PlanDatum(datum)), fMemo(std::move(memo)) {}

std::string TVertrDruck::AblageText() const {
  std::string s;
  for (const std::string& z : fZeilen) s += U8(z) + "\r\n";
  return s;
}

void TVertrDruck::Runter(int teile) {
  fY += teile == 1 ? fHoehe : fHoehe / 2;
}

void TVertrDruck::Linie() {
  fDrucker->Line({fRand, fY}, {fDrucker->PageSize().X - fRand, fY});
}

void TVertrDruck::Html(const std::string& zeile) {
  if (fBuffer) *fBuffer += zeile + "\r";
}

void TVertrDruck::Zelle(const std::string& klasse, const std::string& text, bool adhoc) {
  if (adhoc)
    Html(" <TD><DIV CLASS=\"" + klasse + "\"><DIV CLASS=\"Adhoc\">" + HtmlText(text) +
         "</DIV></DIV></TD>");
  else
    Html(" <TD><DIV CLASS=\"" + klasse + "\">" + HtmlText(text) + "</DIV></TD>");
}

void TVertrDruck::Schrift(bool fett) {
  fDrucker->Font = Standard().fVertrDruckFont;
  fDrucker->Font.Fett = fett;
}

void TVertrDruck::Ausgeben(int p) {
  const TStandard& st = Standard();
  if (fDruckart == kVDZwischenablage) fZeilen.clear();
  fSchonGedruckt = false;
  if (Druck()) {
    fDrucker->NewJob();
    fRand = fDrucker->XInch(st.fVertrDruckRand / 2.54);
    fOben = fDrucker->XInch(0.39370078);
    Schrift(false);
    fHoehe = fDrucker->TextHeight();
    fY = fOben;
  }
  if (Html()) Html("<HR>");
  if (p >= 1 && p <= 4)
    Einstellung(p);
  else if (p == 0)
    for (int i = 1; i <= 4; ++i)
      if (st.fVertrCheck[i]) Einstellung(i);
  if (Druck()) fDrucker->DonePrinting();
}

void TVertrDruck::Einstellung(int i) {
  const VDEintrag& e = Standard().fVDEinstellung[i];
  if (Druck()) {
    if (fSchonGedruckt) {
      fDrucker->NewPage();
      Schrift(false);
    } else {
      fSchonGedruckt = true;
    }
    fY = fOben;
    Breiten(i);
  }
  auto listen = [&](bool vp) {
    Bemerkungen(e, vp);
    FehlListe(e, vp, leh);
    FehlListe(e, vp, kla);
    FehlListe(e, vp, rau);
  };
  if (e.DruckVP) {
    SeitenKopf(e);
    Titel(e, true);
    listen(true);
    Tabelle(i, true);
  }
  if (e.DruckEP) {
    if (!e.DruckVP) {
      SeitenKopf(e);
    } else if (Druck()) {
      Runter();
      Linie();
      Runter(2);
    }
    Titel(e, false);
    if (!e.DruckVP) listen(false);
    Tabelle(i, false);
  }
}

void TVertrDruck::Breiten(int i) {
  const VDEintrag& e = Standard().fVDEinstellung[i];
  TPrevPrinter& d = *fDrucker;
  auto w = [&d](const std::string& s) { return d.TextWidth(U8(s)); };
  const int a = w("A");
  fBlankBreite = w(" ");
  fVonBreite = DrStdBreite(PlanversionAm(fDatum), d) + a;
  fVonBisBreite = 2 * fVonBreite;
  fPfeilBreite = w("==>") + a;
  fLeBreite = e.LehrerBez != 0 ? DrKueBreite(leh, d) : DrInfoBreite(leh, d);
  fKlBreite = DrKueBreite(kla, d);
  fRaBreite = DrKueBreite(rau, d);
  int* links[4] = {&fLeBreiteLinks, &fKlBreiteLinks, &fFaBreiteLinks, &fRaBreiteLinks};
  int* rechts[4] = {&fLeBreiteRechts, &fKlBreiteRechts, &fFaBreiteRechts, &fRaBreiteRechts};
  for (int k = 0; k < 4; ++k) *links[k] = *rechts[k] = 0;
  for (const TVertretung* v : Schule().fVertretungsMenge) {
    if (!GleicherTag(v->fDatum, fDatum)) continue;
    for (int k = 0; k < 4; ++k) {
      *links[k] = std::max(*links[k], w(v->OriginalString(i, k + 1)));
      *rechts[k] = std::max(*rechts[k], w(v->VertretungsString(i, k + 1)));
    }
  }
  const int fuenf = w("     ");
  fKursBreiteLinks = fuenf + fLeBreiteLinks + fKlBreiteLinks + fFaBreiteLinks + fRaBreiteLinks;
  fKursBreiteRechts = fuenf + fLeBreiteRechts + fKlBreiteRechts + fFaBreiteRechts + fRaBreiteRechts;
}

void TVertrDruck::SeitenKopf(const VDEintrag& e) {
  if (!Druck()) return;
  fDrucker->SeitenKopf(fRand, fOben, e.mitDatum);
  fY = fOben + fHoehe;
}

void TVertrDruck::Titel(const VDEintrag& e, bool vp) {
  const std::string worte = vp ? "Vertretungsplan f\xFCr" : "Ersatzraumplan f\xFCr";
  std::string t = VDDatumText(fDatum);
  if (e.mitKW) t += "  KW " + std::to_string(IsoWoche(fDatum));
  if (fDruckart == kVDZwischenablage) {
    fZeilen.push_back(worte);
    fZeilen.push_back(t);
  }
  if (!Druck()) return;
  TPrevPrinter& d = *fDrucker;
  const int h = fHoehe;
  const int y = fY + 2 * h;
  d.TextOut(fRand, y, U8(worte));
  const int x = fRand + d.TextWidth(U8(worte));
  Schrift(true);
  d.Rectangle({x + 30, y - h / 2, x + d.TextWidth(U8(t)) + 70, y + h + h / 2});
  d.TextOut(x + 50, y, U8(t));
  Schrift(false);
  fY = y + 2 * h;
  Linie();
  Runter(2);
}

bool TVertrDruck::Umbruch(const VDEintrag& e, bool vp) {
  if (!Druck() || fDrucker->PageSize().Y - fY >= 6 * fHoehe) return false;
  fDrucker->NewPage();
  Schrift(false);
  SeitenKopf(e);
  Titel(e, vp);
  return true;
}

void TVertrDruck::Bemerkungen(const VDEintrag& e, bool vp) {
  if (!e.mitAllgBem) return;
  for (const std::string& z : fMemo) {
    if (Druck()) {
      Umbruch(e, vp);
      fDrucker->TextOut(fRand, fY, U8(z));
      Runter();
    } else if (fDruckart == kVDZwischenablage) {
      fZeilen.push_back(z);
    } else {
      Html(HtmlText(z));
    }
  }
  if (fMemo.empty()) return;
  if (Druck()) {
    Runter(2);
    Linie();
    Runter(2);
  } else if (Html()) {
    Html("<HR>");
  }
}

void TVertrDruck::FehlListe(const VDEintrag& e, bool vp, int art) {
  const bool mit = art == leh ? e.mitFeLe : art == kla ? e.mitFeKl : e.mitFeRa;
  if (!mit || fDruckart == kVDHtmlErsatzraum) return;
  const int woche = PlanversionAm(fDatum);
  std::vector<std::pair<std::string, std::string>> eintraege;
  for (const TFehl* f : *Schule().FehlMenge(static_cast<TKuerzelArt>(art))) {
    if (!GleicherTag(f->fDatum, fDatum) || !f->fElement || f->FehltVon() == 0) continue;
    std::string el =
        art == leh && e.LehrerBez == 0 ? f->fElement->fInfo.str() : f->fElement->fKuerzel.str();
    if (e.mitFehlGrund) el = "(" + f->fGrund.str() + ") " + el;
    eintraege.emplace_back(el,
                           StdText(woche, f->FehltVon()) + " - " + StdText(woche, f->FehltBis()));
  }
  if (eintraege.empty()) return;
  const std::string label = art == leh   ? "fehlende Lehrer:"
                            : art == kla ? "fehlende Klassen:"
                                         : "fehlende R\xE4ume:";
  const std::size_t n = eintraege.size();
  if (fDruckart == kVDZwischenablage) {
    fZeilen.push_back(label);
    for (std::size_t k = 0; k < n; k += 2) {
      std::string z = eintraege[k].first + "\t" + eintraege[k].second;
      if (k + 1 < n) z += "\t" + eintraege[k + 1].first + "\t" + eintraege[k + 1].second;
      fZeilen.push_back(z);
    }
    return;
  }
  if (Html()) {
    Html(HtmlText(label));
    Html("<TABLE>");
    for (std::size_t k = 0; k < n; k += 2) {
      Html("<TR>");
      for (std::size_t j = k; j < std::min(n, k + 2); ++j) {
        Zelle("Null", eintraege[j].first, false);
        Zelle("Null", eintraege[j].second, false);
      }
      Html("</TR>");
    }
    Html("</TABLE>");
    Html("<HR>");
    return;
  }
  TPrevPrinter& d = *fDrucker;
  Umbruch(e, vp);
  d.TextOut(fRand, fY, U8(label));
  const int l = d.TextWidth(U8(label));
  const int w = art == leh ? fLeBreite : art == kla ? fKlBreite : fRaBreite;
  const int g = e.mitFehlGrund ? d.TextWidth("(G) ") : 0;
  const int b = fVonBisBreite;
  for (std::size_t k = 0; k < n; ++k) {
    if (k % 2 == 0) {
      if (k > 0) Umbruch(e, vp);
      d.TextOut(fRand + l + 50, fY, U8(eintraege[k].first));
      d.TextOut(fRand + l + w + g + 50, fY, U8(eintraege[k].second));
    } else {
      d.TextOut(fRand + l + w + b + 150, fY, U8(eintraege[k].first));
      d.TextOut(fRand + l + 2 * w + b + g + 150, fY, U8(eintraege[k].second));
      Runter();
    }
  }
  if (n % 2 == 1) Runter();
  Runter(2);
  Linie();
  Runter(2);
}

void TVertrDruck::Kopf(const std::string& text, bool /*vp*/) {
  if (Druck()) {
    Runter();
    Schrift(true);
    fDrucker->TextOut(fRand, fY, U8(text));
    Schrift(false);
    Runter();
  } else if (fDruckart == kVDZwischenablage) {
    fZeilen.push_back(text);
  } else {
    Html("<TR>");
    Html(" <TH COLSPAN=5><DIV CLASS=\"Titel\">" + HtmlText(text) + "</DIV></TH>");
    Html("</TR>");
  }
}

void TVertrDruck::Tabelle(int i, bool vp) {
  const VDEintrag& e = Standard().fVDEinstellung[i];
  if (Html() && (fDruckart == kVDHtmlVertretung) != vp) return;
  std::vector<const TVertretung*> liste;
  for (const TVertretung* v : Schule().fVertretungsMenge) {
    if (!v->fGueltig || !GleicherTag(v->fDatum, fDatum)) continue;
    if (vp ? !NurRaumwechsel(v)
           : (!v->fFrei && v->fLehrer == KursLehrer(v) && v->fRaum != PlanRaum(v)))
      liste.push_back(v);
  }
  if (liste.empty()) return;
  const int sortArt = std::clamp(vp ? e.VPSortArt : e.EPSortArt, 0, 3);
  if (!vp && sortArt == 2) {
    std::stable_sort(liste.begin(), liste.end(),
                     [](auto* a, auto* b) { return RaumOrdnung(a, b) < 0; });
  } else {
    static const int kOrdnung[4] = {0, 2, 1, 3};
    const int ordnung = vp ? kOrdnung[sortArt] : (sortArt == 1 ? 2 : sortArt);
    std::stable_sort(liste.begin(), liste.end(), [ordnung](auto* a, auto* b) {
      return VertretungsVergleich(ordnung, a, b) < 0;
    });
  }
  const bool nachStunde = sortArt == 3;
  auto schreibt = [&](const TVertretung* v) {
    if (e.nurAdHoc && !HeuteGeaendert(v)) return false;
    if (fDruckart == kVDHtmlVertretung && fNurVertreteneStd && !v->fLehrer) return false;
    return true;
  };
  if (Html()) Html("<TABLE>");
  if (sortArt == 0) {
    // Je Klasse der Klassenliste die Zeilen ihrer Kurse, in denen sie nicht fehlt; danach die
    // Kurse ohne Klasse.
    auto gruppe = [&](const std::string& kopf, auto&& gehoertDazu) {
      bool mitKopf = false;
      for (const TVertretung* v : liste) {
        if (!gehoertDazu(v) || !schreibt(v)) continue;
        if (Umbruch(e, vp)) mitKopf = false;
        if (!mitKopf) Kopf(kopf, vp);
        mitKopf = true;
        Reihe(i, vp, v, false);
      }
    };
    for (const TKlasse* k : Schule().fKlassenMenge)
      gruppe(k->fKuerzel.str(), [&](const TVertretung* v) {
        return KursHatKlasse(v, k) && !k->Abwesend(fDatum, PlanStunde(v));
      });
    gruppe("ohne Klasse", OhneKlasse);
  } else {
    std::uintptr_t letzter = 0;
    for (const TVertretung* v : liste) {
      if (!schreibt(v)) continue;
      if (Umbruch(e, vp)) letzter = 0;
      const std::uintptr_t s = Schluessel(v, vp, sortArt);
      if (s != 0 && s != letzter) {
        Kopf(KopfText(v, vp, sortArt, e), vp);
        letzter = s;
      }
      Reihe(i, vp, v, nachStunde);
    }
  }
  if (Html()) Html("</TABLE>");
}

void TVertrDruck::Reihe(int i, bool vp, const TVertretung* v, bool nachStunde) {
  const VDEintrag& e = Standard().fVDEinstellung[i];
  const bool ad = e.mitAdHoc && HeuteGeaendert(v);
  const std::string std = StdText(v);
  const std::string bem = e.BemArt != 0 ? v->fLInfo.str() : v->fSInfo.str();
  std::string ersatz;
  if (v->fFrei)
    ersatz = "-----";
  else if (vp ? !v->fLehrer : !v->fRaum)
    ersatz = "?????";
  if (fDruckart == kVDZwischenablage) {
    std::string z = nachStunde ? std::string() : std + "\t";
    z += v->OriginalTabString(i) + "\t==>\t";
    z += (ersatz.empty() ? v->VertretungsTabString(i) : ersatz) + "\t" + bem;
    fZeilen.push_back(z);
    return;
  }
  if (Html()) {
    Html("<TR>");
    if (!nachStunde) Zelle("Eins", std, ad);
    Zelle("Zwei", v->OriginalString(i, 0), ad);
    Zelle("Drei", "==>", ad);
    Zelle("Vier", ersatz.empty() ? v->VertretungsString(i, 0) : ersatz, ad);
    Zelle("Fuenf", bem, ad);
    Html("</TR>");
    return;
  }
  TPrevPrinter& d = *fDrucker;
  if (ad) {
    if (e.mitFarbe)
      d.FontFarbe = clRot;
    else
      d.Font.Kursiv = true;
  }
  int x = d.TextWidth("AA");
  if (!nachStunde) {
    d.TextOut(fRand + x, fY, U8(std));
    x += fVonBreite;
  }
  auto teile = [&](bool links) {
    const int le = links ? fLeBreiteLinks : fLeBreiteRechts;
    const int kl = links ? fKlBreiteLinks : fKlBreiteRechts;
    const int fa = links ? fFaBreiteLinks : fFaBreiteRechts;
    const int versatz[4] = {0, fBlankBreite + le, 2 * fBlankBreite + le + kl,
                            3 * fBlankBreite + le + kl + fa};
    for (int k = 0; k < 4; ++k)
      d.TextOut(fRand + x + versatz[k], fY,
                U8(links ? v->OriginalString(i, k + 1) : v->VertretungsString(i, k + 1)));
  };
  teile(true);
  x += fKursBreiteLinks;
  d.TextOut(fRand + x, fY, "==>");
  x += fPfeilBreite;
  const int x0 = x;
  if (ersatz.empty())
    teile(false);
  else
    d.TextOut(fRand + x, fY, ersatz);
  x += fKursBreiteRechts;
  if (e.BemPos == 1) {
    Runter();
    x = x0;
  }
  d.TextOut(fRand + x, fY, U8(bem));
  Runter();
  d.FontFarbe = clBlack;
  d.Font.Kursiv = Standard().fVertrDruckFont.Kursiv;
}

std::string VertretungsplanText(TDateTime datum, const std::vector<std::string>& memo, int p) {
  TVertrDruck druck(kVDZwischenablage, datum, memo);
  druck.Ausgeben(p);
  return druck.AblageText();
}

int DruckeVertretungsplan(TPrevPrinter& drucker, TDateTime datum,
                          const std::vector<std::string>& memo, int p) {
  TVertrDruck druck(kVDVorschau, datum, memo);
  druck.fDrucker = &drucker;
  druck.Ausgeben(p);
  return drucker.PageCount();
}

std::string VertretungsplanHtml(int art, TDateTime datum, const std::vector<std::string>& memo,
                                int p, bool nurVertreteneStd) {
  std::string buffer;
  TVertrDruck druck(art, datum, memo);
  druck.fBuffer = &buffer;
  druck.fNurVertreteneStd = nurVertreteneStd;
  druck.Ausgeben(p);
  return buffer;
}
