#include "output/IcalUnit.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <random>
#include <set>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

#include "model/DatumUnit.h"
#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "persistence/BufferUnit.h"
#include "persistence/SchulFormatUnit.h"
#include "planning/SetzungUnit.h"
#include "settings/StandardUnit.h"
#include "settings/StundenZeitUnit.h"
#include "substitution/KalenderUnit.h"
#include "substitution/VertretungUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

namespace {
namespace fs = std::filesystem;

// Eine Stunde des Elements im Wochenraster.
struct TPlanStunde {
  int Woche, Tag, Std;
  const TKurs* Kurs;
  const TSetzung* Setzung;
};

// Die Stunden des Elements nach Woche, Tag und Stunde, in einer Zelle in der Folge seiner Kurse;
// ein Raum hat nur die Stunden, die in ihm liegen.
std::vector<TPlanStunde> PlanStunden(const TPlanElement* e) {
  std::vector<TPlanStunde> v;
  const bool raum = e->Art() == rau;
  for (const TKurs* k : e->fKurse)
    for (const TSetzung* s : k->fSetzungen)
      if (!raum || s->fRaum == e) v.push_back({s->fWoche, s->fTag, s->fStunde, k, s});
  std::stable_sort(v.begin(), v.end(), [](const TPlanStunde& a, const TPlanStunde& b) {
    return std::tie(a.Woche, a.Tag, a.Std) < std::tie(b.Woche, b.Tag, b.Std);
  });
  return v;
}

// Die Schultage des Zeitraums (Mitternacht).
std::vector<TDateTime> Schultage(TDateTime von, TDateTime bis) {
  std::vector<TDateTime> tage;
  for (double d = std::floor(von); d <= std::floor(bis); d += 1)
    if (Schultag(d + 0.5)) tage.push_back(d);
  return tage;
}

std::string K(const TElement* e) {
  return e ? U8(e->fKuerzel.str()) : std::string();
}

std::string Teile(std::initializer_list<std::string> teile) {
  std::string t;
  for (const std::string& s : teile)
    if (!s.empty()) t += (t.empty() ? "" : " ") + s;
  return t;
}

std::string Klassen(const TKurs* k) {
  std::string t;
  for (const TKlasse* kl : k->fKlassen) t += (t.empty() ? "" : " ") + K(kl);
  return t;
}

// Was an dem Tag mit der Stunde geschieht: ohne Vertretung wie geplant.
struct TLage {
  const TKurs* Kurs = nullptr;
  const TSetzung* Setzung = nullptr;
  const TVertretung* V = nullptr;
  const TLehrer* Lehrer = nullptr;
  const TFach* Fach = nullptr;
  const TRaum* Raum = nullptr;
  bool Abgesagt = false;
  bool LehrerWechsel = false;
  bool RaumWechsel = false;
};

TLage Lage(const TKurs* k, const TSetzung* p, const TVertretung* v) {
  TLage l{k, p, v, k->fLehrer, k->fFach, p->fRaum};
  if (!v) return l;
  l.Lehrer = v->fLehrer;
  l.Fach = v->fFach;
  l.Raum = v->fRaum;
  l.Abgesagt = v->fFrei || !v->fGueltig;
  l.LehrerWechsel = v->fLehrer != k->fLehrer;
  l.RaumWechsel = v->fRaum != p->fRaum;
  return l;
}

// Die Planzelle aus der Sicht der Art: Fach, Klassen bzw. Lehrer, Raum.
std::string Zelle(TKuerzelArt art, const TLage& l) {
  std::string t;
  switch (art) {
    case leh:
      t = Teile({K(l.Fach), Klassen(l.Kurs), K(l.Raum)});
      break;
    case kla:
      t = Teile({K(l.Fach), K(l.Lehrer), K(l.Raum)});
      break;
    default:
      t = Teile({K(l.Fach), Klassen(l.Kurs), K(l.Lehrer)});
  }
  if (t.empty()) t = l.Kurs->fInfo.str().empty() ? "Unterricht" : U8(l.Kurs->fInfo.str());
  return t;
}

// Kurs, seine Info, die Zeile zur Vertretung und die Bemerkung, je eine Zeile.
std::string Beschreibung(TKuerzelArt art, const TLage& l, const std::string& vertretung) {
  std::vector<std::string> zeilen = {U8(l.Kurs->OhneRaumZeile())};
  if (!l.Kurs->fInfo.str().empty()) zeilen.push_back(U8(l.Kurs->fInfo.str()));
  if (!vertretung.empty()) zeilen.push_back(vertretung);
  if (l.V) {
    const std::string& bem = art == kla ? l.V->fSInfo.str() : l.V->fLInfo.str();
    if (!bem.empty()) zeilen.push_back(U8(bem));
  }
  std::string t;
  for (const std::string& z : zeilen) t += (t.empty() ? "" : "\n") + z;
  return t;
}

std::string RaumZeile(const TLage& l) {
  return l.Raum ? "in Raum " + K(l.Raum) + (l.Setzung->fRaum ? " statt " + K(l.Setzung->fRaum) : "")
                : "Raum noch offen";
}

// Der Termin der Stunde im Kalender eines Elements, das sie nach Plan hat.
TIcalTermin PlanTermin(TKuerzelArt art, const TLage& l) {
  TIcalTermin t;
  std::string vorn, zeile;
  if (l.Abgesagt) {
    t.Abgesagt = true;
    vorn = "entfällt: ";
    zeile = l.V->fFrei ? "entfällt" : "entfällt, alle Klassen abwesend";
  } else if (art == rau && l.RaumWechsel) {
    t.Abgesagt = true;
    vorn = "Raumwechsel: ";
    zeile = RaumZeile(l);
  } else if (l.LehrerWechsel) {
    if (art == leh) {
      t.Frei = true;
      vorn = l.Lehrer ? "vertreten durch " + K(l.Lehrer) + ": " : "Vertretung offen: ";
    } else {
      vorn = "Vertretung: ";
    }
    zeile = l.Lehrer ? "Vertretung: " + K(l.Lehrer) + " statt " + K(l.Kurs->fLehrer)
                     : "Vertretung noch offen";
    if (l.RaumWechsel) zeile += ", " + RaumZeile(l);
  } else if (l.RaumWechsel) {
    zeile = RaumZeile(l);
  }
  t.Zusammenfassung = vorn + Zelle(art, l);
  t.Ort = K(l.Raum);
  t.Beschreibung = Beschreibung(art, l, zeile);
  return t;
}

// Der zusätzliche Termin im Kalender des Vertreters bzw. des neuen Raums.
TIcalTermin ZusatzTermin(TKuerzelArt art, const TLage& l) {
  TIcalTermin t;
  const bool lehrer = art == leh;
  t.Zusammenfassung = (lehrer ? "Vertretung: " : "Raumwechsel: ") + Zelle(art, l);
  t.Ort = K(l.Raum);
  const std::string zeile =
      lehrer ? "Vertretung statt " + (l.Kurs->fLehrer ? K(l.Kurs->fLehrer) : std::string("---"))
             : RaumZeile(l);
  t.Beschreibung = Beschreibung(art, l, zeile);
  return t;
}

std::uint64_t Fnv(std::string_view text, std::uint64_t h) {
  for (const char c : text) {
    h ^= static_cast<unsigned char>(c);
    h *= 1099511628211ULL;
  }
  return h;
}

std::string Hex(std::uint64_t wert, int stellen) {
  static const char* const kZiffern = "0123456789abcdef";
  std::string t(static_cast<std::size_t>(stellen), '0');
  for (int i = stellen - 1; i >= 0; --i, wert >>= 4)
    t[static_cast<std::size_t>(i)] = kZiffern[wert & 15];
  return t;
}

std::string NeueKennung() {
  std::random_device zufall;
  std::uint64_t a = (static_cast<std::uint64_t>(zufall()) << 32) ^ zufall();
  std::uint64_t b = (static_cast<std::uint64_t>(zufall()) << 32) ^ zufall();
  b ^= static_cast<std::uint64_t>(Jetzt() * 86400000.0);
  return Hex(a, 16) + Hex(b, 16);
}

// Die Kennung aus der ersten UID eines vorhandenen Kalenders.
std::string KennungAusKalender(const TIcalKalender& k) {
  for (const TIcalTermin& t : k.Termine) {
    const std::size_t at = t.Uid.rfind('@');
    if (at != std::string::npos && SchulKennungGueltig(t.Uid.substr(at + 1)))
      return t.Uid.substr(at + 1);
  }
  return {};
}

std::optional<TIcalKalender> VorigerStand(const fs::path& pfad) {
  std::error_code ec;
  if (!fs::is_regular_file(pfad, ec)) return std::nullopt;
  try {
    const TBuffer b = TBuffer::AusDatei(pfad);
    const auto& d = b.Daten();
    return IcalLesen(std::string(d.begin(), d.end()));
  } catch (const EDateiFehler&) {
    return std::nullopt;  // unlesbar: die Datei wird neu geschrieben
  }
}

template <class L>
int Stelle(const L& liste, const TElement* e) {
  int n = 0;
  for (const TElement* x : liste) {
    ++n;
    if (x == e) return n;
  }
  return 0;
}

bool GleicherInhalt(const TIcalTermin& a, const TIcalTermin& b) {
  return a.Datum == b.Datum && a.Beginn == b.Beginn && a.Ende == b.Ende &&
         a.Zusammenfassung == b.Zusammenfassung && a.Ort == b.Ort &&
         a.Beschreibung == b.Beschreibung && a.Abgesagt == b.Abgesagt && a.Frei == b.Frei;
}
}  // namespace

std::string IcalDateiName(const TPlanElement* element) {
  if (!element) return {};
  const TSchule& s = Schule();
  int n = 0;
  switch (element->Art()) {
    case leh:
      n = Stelle(s.fLehrerMenge, element);
      break;
    case kla:
      n = Stelle(s.fKlassenMenge, element);
      break;
    case rau:
      n = Stelle(s.fRaumMenge, element);
      break;
    default:
      break;
  }
  if (n == 0) return {};
  const std::string html = HTMLDateiName(element->Art(), n);
  return html.substr(0, html.size() - 5) + ".ics";
}

bool SchulKennungGueltig(std::string_view kennung) {
  if (kennung.empty() || kennung.size() > 64) return false;
  return std::all_of(kennung.begin(), kennung.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.';
  });
}

std::string IcalUid(const std::string& kennung, const TPlanElement* element, const TKurs* kurs,
                    TDateTime datum, int std) {
  std::uint64_t h = 14695981039346656037ULL;
  auto teil = [&h](std::string_view t) { h = Fnv(std::string(t) + '\x1f', h); };
  teil(std::string(1, static_cast<char>('0' + element->Art())));
  teil(element->fKuerzel.str());
  teil(kurs->fLehrer ? kurs->fLehrer->fKuerzel.str() : "");
  teil(kurs->fFach ? kurs->fFach->fKuerzel.str() : "");
  teil(kurs->fKopplung ? kurs->fKopplung->fKuerzel.str() : "");
  for (const TKlasse* k : kurs->fKlassen) teil(k->fKuerzel.str());
  const std::string tag = DatumText(datum, "yyyymmdd");
  return tag + "-" + std::to_string(std / 10) + std::to_string(std % 10) + "-" + Hex(h, 16) + "@" +
         kennung;
}

TIcalKalender IcalKalenderBauen(const TPlanElement* e, const TIcalAuftrag& auftrag,
                                const std::string& kennung) {
  static const char* const kWort[] = {"Lehrerplan ", "Klassenplan ", "", "", "Raumplan "};
  const TStandard& st = Standard();
  const TKuerzelArt art = e->Art();
  TIcalKalender k;
  k.Name = std::string(art <= rau ? kWort[art] : "") + U8(e->fKuerzel.str() + " " + e->fInfo.str());
  while (!k.Name.empty() && k.Name.back() == ' ') k.Name.pop_back();
  const std::vector<TPlanStunde> stunden = PlanStunden(e);
  const std::vector<TDateTime> tage = Schultage(auftrag.Von, auftrag.Bis);
  auto hinzu = [&](TIcalTermin t, const TKurs* kurs, const TSetzung* p, TDateTime tag) {
    const auto zeit = StundenZeit(st, p->fWoche, p->fStunde);
    if (!zeit) return;
    t.Uid = IcalUid(kennung, e, kurs, tag, p->fStunde);
    t.Datum = tag;
    t.Beginn = zeit->Beginn;
    t.Ende = zeit->Ende;
    k.Termine.push_back(std::move(t));
  };
  for (const TDateTime tag : tage) {
    const int woche = PlanversionAm(tag + 0.5), wt = WochenTag(tag);
    auto von = std::lower_bound(stunden.begin(), stunden.end(), std::pair{woche, wt},
                                [](const TPlanStunde& s, const std::pair<int, int>& w) {
                                  return std::pair{s.Woche, s.Tag} < w;
                                });
    for (; von != stunden.end() && von->Woche == woche && von->Tag == wt; ++von) {
      const TVertretung* v =
          auftrag.Vertretungen ? von->Setzung->VertretungFinden(tag + 0.5) : nullptr;
      hinzu(PlanTermin(art, Lage(von->Kurs, von->Setzung, v)), von->Kurs, von->Setzung, tag);
    }
  }
  if (auftrag.Vertretungen && (art == leh || art == rau)) {
    const double erster = std::floor(auftrag.Von), letzter = std::floor(auftrag.Bis);
    for (const TVertretung* v : Schule().fVertretungsMenge) {
      const double tag = std::floor(v->fDatum);
      if (tag < erster || tag > letzter || !v->fKurs || !v->fSetzung) continue;
      const TSetzung* p = v->fSetzung;
      const bool zusatz = art == leh ? v->fLehrer == e && v->fLehrer != v->fKurs->fLehrer
                                     : v->fRaum == e && v->fRaum != p->fRaum;
      if (!zusatz || !Schultag(tag + 0.5) || p->VertretungFinden(tag + 0.5) != v ||
          PlanversionAm(tag + 0.5) != p->fWoche || WochenTag(tag) != p->fTag)
        continue;
      const TLage l = Lage(v->fKurs, p, v);
      if (!l.Abgesagt) hinzu(ZusatzTermin(art, l), v->fKurs, p, tag);
    }
  }
  std::stable_sort(k.Termine.begin(), k.Termine.end(),
                   [](const TIcalTermin& a, const TIcalTermin& b) {
                     return std::tie(a.Datum, a.Beginn) < std::tie(b.Datum, b.Beginn);
                   });
  return k;
}

std::vector<std::string> IcalFehlendeZeiten(const TIcalAuftrag& auftrag) {
  std::set<std::pair<int, int>> lagen;  // Planversion und Wochentag der Schultage
  for (const TDateTime tag : Schultage(auftrag.Von, auftrag.Bis))
    lagen.insert({PlanversionAm(tag + 0.5), WochenTag(tag)});
  std::set<std::pair<int, int>> noetig;  // Planversion und Stunde
  std::unordered_set<const TElement*> elemente(auftrag.Elemente.begin(), auftrag.Elemente.end());
  for (const TPlanElement* e : auftrag.Elemente)
    for (const TPlanStunde& s : PlanStunden(e))
      if (lagen.count({s.Woche, s.Tag})) noetig.insert({s.Woche, s.Std});
  if (auftrag.Vertretungen)
    for (const TVertretung* v : Schule().fVertretungsMenge) {
      const TSetzung* p = v->fSetzung;
      const double tag = std::floor(v->fDatum);
      if (p && (elemente.count(v->fLehrer) || elemente.count(v->fRaum)) &&
          tag >= std::floor(auftrag.Von) && tag <= std::floor(auftrag.Bis) &&
          lagen.count({p->fWoche, p->fTag}))
        noetig.insert({p->fWoche, p->fStunde});
    }
  const TStandard& st = Standard();
  for (const auto& [woche, std] : noetig) {
    if (StundenZeit(st, woche, std)) continue;
    const auto beginn = UhrzeitMinuten(st.fStdBeginn[woche][std].str());
    const auto ende = UhrzeitMinuten(st.fStdEnde[woche][std].str());
    const std::string wo = "{" + std::to_string(woche) + "} ";
    std::string erste = beginn && ende
                            ? wo + "In der Stunde " + std::to_string(std) + " liegt das Ende (" +
                                  UhrzeitText(*ende) + ") nicht nach dem Beginn (" +
                                  UhrzeitText(*beginn) + ")."
                            : wo + "Für die Stunde " + std::to_string(std) +
                                  " sind Beginn und Ende nicht eingetragen.";
    return {erste,
            "Tragen Sie die Zeiten im Dialog „Voreinstellung für Zeiten“ ein (Bearbeiten › "
            "Voreinstellungen › Zeiten)."};
  }
  return {};
}

void IcalStandUebernehmen(TIcalKalender& neu, const TIcalKalender& alt, TDateTime jetztUtc) {
  std::unordered_map<std::string, const TIcalTermin*> vorher;
  for (const TIcalTermin& t : alt.Termine) vorher.emplace(t.Uid, &t);
  for (TIcalTermin& t : neu.Termine) {
    const auto it = vorher.find(t.Uid);
    if (it == vorher.end()) {
      t.Sequenz = 0;
      t.Geaendert = jetztUtc;
    } else if (GleicherInhalt(t, *it->second)) {
      t.Sequenz = it->second->Sequenz;
      t.Geaendert = it->second->Geaendert;
    } else {
      t.Sequenz = it->second->Sequenz + 1;
      t.Geaendert = jetztUtc;
    }
  }
}

int TIcalExport::Termine() const {
  int n = 0;
  for (const TDatei& d : fDateien) n += d.Termine;
  return n;
}

bool TIcalExport::ExportToFolder(const std::string& pfad, const TIcalAuftrag& auftrag) {
  fDateien.clear();
  auto warnung = [](std::vector<std::string> zeilen) {
    Dialog().Meldung(Titel, zeilen, TMeldungsArt::Warnung);
    return false;
  };
  if (auftrag.Elemente.empty())
    return warnung({"Es ist kein Lehrer, keine Klasse und kein Raum gewählt."});
  if (std::floor(auftrag.Bis) < std::floor(auftrag.Von))
    return warnung({"Der letzte Tag des Zeitraums liegt vor dem ersten."});
  if (const std::vector<std::string> fehlt = IcalFehlendeZeiten(auftrag); !fehlt.empty())
    return warnung(fehlt);
  if (pfad.empty())
    return warnung({"Kann Verzeichnis nicht erstellen!", "Es ist kein Ordner angegeben."});
  std::error_code ec;
  fs::path ordner = fs::absolute(PfadAusUtf8(pfad), ec).lexically_normal();
  if (!ordner.has_filename()) ordner = ordner.parent_path();
  const std::u8string voll = ordner.u8string();
  const std::string ordnerText = "„" + std::string(voll.begin(), voll.end()) + "“";
  if (ec || (!fs::is_directory(ordner, ec) && (!fs::create_directories(ordner, ec) || ec)))
    return warnung({"Kann Verzeichnis nicht erstellen!", ordnerText});

  TStandard& st = Standard();
  std::string kennung = SchulKennungGueltig(st.fSchulKennung) ? st.fSchulKennung : std::string();
  if (kennung.empty()) {
    // Die Kalender im Ordner, etwa die der Lehrer beim ersten Export der Klassen.
    std::vector<fs::path> kalender;
    for (const auto& eintrag : fs::directory_iterator(ordner, ec))
      if (eintrag.path().extension() == ".ics") kalender.push_back(eintrag.path());
    std::sort(kalender.begin(), kalender.end());
    for (std::size_t i = 0; kennung.empty() && i < kalender.size(); ++i)
      if (const auto alt = VorigerStand(kalender[i])) kennung = KennungAusKalender(*alt);
  }
  if (kennung.empty()) kennung = NeueKennung();
  st.fSchulKennung = kennung;

  const TDateTime jetzt = IcalOrtszeitZuUtc(Jetzt());
  if (fAnzeige) {
    fAnzeige->Ordner(DateiNameUtf8(ordner));
    fAnzeige->ListeBeginn(static_cast<int>(auftrag.Elemente.size()));
  }
  try {
    int nr = 0;
    for (const TPlanElement* e : auftrag.Elemente) {
      ++nr;
      const std::string name = IcalDateiName(e);
      if (name.empty()) continue;
      if (fAnzeige) {
        fAnzeige->Element(K(e), nr);
        if (nr % 5 == 0) fAnzeige->Fortschritt(nr);
      }
      TIcalKalender kalender = IcalKalenderBauen(e, auftrag, kennung);
      IcalStandUebernehmen(kalender, VorigerStand(ordner / name).value_or(TIcalKalender{}), jetzt);
      const std::string text = IcalText(kalender);
      TBuffer(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())
          .InDateiSchreiben(ordner / name);
      fDateien.push_back({name, K(e), static_cast<int>(kalender.Termine.size())});
    }
  } catch (const EDateiFehler& e) {
    return warnung({e.what(), "Ordner: " + ordnerText});
  }
  return true;
}
