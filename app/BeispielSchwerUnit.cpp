#include "app/BeispielSchwerUnit.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "model/ToolsUnit.h"
#include "settings/StandardUnit.h"

namespace {

// SplitMix64: auf jeder Plattform dieselbe Folge.
class TZufall {
 public:
  explicit TZufall(std::uint64_t saat) : fZustand(saat) {}
  std::uint64_t Naechste() {
    std::uint64_t z = (fZustand += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Bis(int n) { return static_cast<int>(Naechste() % static_cast<std::uint64_t>(n)); }
  template <class T>
  void Mischen(std::vector<T>& v) {
    for (std::size_t i = v.size(); i > 1; --i)
      std::swap(v[i - 1], v[static_cast<std::size_t>(Bis(static_cast<int>(i)))]);
  }

 private:
  std::uint64_t fZustand;
};

std::string Zahl(int n, int stellen) {
  std::string s = std::to_string(n);
  while (static_cast<int>(s.size()) < stellen) s = "0" + s;
  return s;
}

// Legt Elemente an und verteilt die Kurse auf Lehrkräfte mit freien Stunden.
class TAufbau {
 public:
  TAufbau(TSchule& schule, std::uint64_t saat, int stunden)
      : fSchule(schule), fZufall(saat), fStunden(stunden) {
    TStandard& s = Standard();
    if (s.fMaxWocheNeu > 1) fSchule.VersionVerkleinern(1);
    s.fAktuelleWoche = 1;
    s.fMaxTageNeu = 5;
    s.fPlnStd = stunden;
    s.fDivisor = 1;
  }

  TZufall& Zufall() { return fZufall; }
  TFach* Fach(const std::string& k) { return fSchule.HoleFach(k); }
  TKlasse* Klasse(const std::string& k) { return fSchule.HoleKlasse(k); }
  TRaum* Raum(const std::string& k) { return fSchule.HoleRaum(k); }
  TKopplung* Kopplung(const std::string& k) { return fSchule.HoleKopplung(k); }

  // Sperrt die Stunden ab "ab" an jedem Tag.
  static void AbSperren(TPlanElement* e, int ab) {
    for (int t = 1; t <= 7; ++t)
      for (int h = ab; h <= 16; ++h) e->fSperrung.SetWocheTagStd(0, t, h, true);
  }

  // Eine neue Lehrkraft für die Fächer; jede fünfte in Teilzeit mit einem gesperrten Tag, andere
  // mit gesperrten Randstunden.
  TLehrer* NeueLehrkraft(std::vector<TFach*> faecher, int soll = 0) {
    const int nr = static_cast<int>(fLehrer.size()) + 1;
    TLehrer* l = fSchule.HoleLehrer("L" + Zahl(nr, 3));
    l->SetInfo("Lehrkraft " + std::to_string(nr));
    const bool teilzeit = soll == 0 && nr % 5 == 0;
    if (soll == 0) soll = teilzeit ? 13 : 25;
    l->SetSoll(0, soll);
    if (teilzeit) {
      l->fFreierTag = true;
      const int tag = 1 + fZufall.Bis(5);
      for (int h = 1; h <= 16; ++h) l->fSperrung.SetWocheTagStd(0, tag, h, true);
    } else if (nr % 7 == 3) {
      for (int h = 1; h <= 2; ++h) l->fSperrung.SetWocheTagStd(0, 1 + fZufall.Bis(5), h, true);
    } else if (nr % 9 == 4) {
      for (int h = fStunden - 3; h <= fStunden; ++h)
        l->fSperrung.SetWocheTagStd(0, 1 + fZufall.Bis(5), h, true);
    }
    for (TFach* f : faecher) l->NeuesFach(f);
    fLehrer.push_back({l, soll, 0, faecher, {}});
    return l;
  }

  // Die Lehrkraft mit dem Fach, den meisten freien Stunden und noch keinem Kurs der Kopplung;
  // sonst eine neue mit dem Fach und einem zweiten aus zweite.
  TLehrer* LehrkraftFuer(TFach* fach, int stunden, const TKopplung* kopplung,
                         const std::vector<TFach*>& zweite) {
    TLehrerStand* wahl = nullptr;
    for (TLehrerStand& l : fLehrer) {
      if (std::find(l.faecher.begin(), l.faecher.end(), fach) == l.faecher.end()) continue;
      if (l.vergeben + stunden > l.soll) continue;
      if (kopplung && l.kopplungen.count(kopplung)) continue;
      if (!wahl || l.soll - l.vergeben > wahl->soll - wahl->vergeben) wahl = &l;
    }
    if (!wahl) {
      std::vector<TFach*> faecher{fach};
      if (!zweite.empty()) {
        TFach* f2 = zweite[static_cast<std::size_t>(fZufall.Bis(static_cast<int>(zweite.size())))];
        if (f2 != fach) faecher.push_back(f2);
      }
      NeueLehrkraft(faecher);
      wahl = &fLehrer.back();
    }
    wahl->vergeben += stunden;
    if (kopplung) wahl->kopplungen.insert(kopplung);
    return wahl->lehrer;
  }

  // Vergibt einen Kurs an eine bestimmte Lehrkraft.
  void Vergeben(TLehrer* l, int stunden, const TKopplung* kopplung) {
    for (TLehrerStand& s : fLehrer)
      if (s.lehrer == l) {
        s.vergeben += stunden;
        if (kopplung) s.kopplungen.insert(kopplung);
      }
  }

  TKurs* Kurs(TLehrer* l, TFach* f, const std::vector<TKlasse*>& klassen,
              const std::vector<TRaum*>& raeume, TKopplung* kopplung, int stunden, int proTag,
              int einzeln) {
    TKurs* k = TKurs::IKurs(l, klassen.empty() ? nullptr : klassen.front(), kopplung, f,
                            raeume.empty() ? nullptr : raeume.front(), stunden);
    for (std::size_t i = 1; i < klassen.size(); ++i) k->KlasseErgaenzen(klassen[i]);
    for (std::size_t i = 1; i < raeume.size(); ++i) k->RaumErgaenzen(raeume[i], false);
    k->fStunden.SetWochenStunde(0, stunden);
    k->fStdProTag = proTag;
    k->fEinzelStd = einzeln;
    k->fFaktor = 1;
    k->fTabellenNr = 1;
    if (l) l->NeuesFach(f);
    return k;
  }

  void Abschluss() {
    const TDateTime stempel = DatumZuZahl(2025, 8, 25) + 0.5;
    for (TLehrer* l : fSchule.fLehrerMenge) l->fLetzteAenderung = stempel;
    for (TKlasse* k : fSchule.fKlassenMenge) k->fLetzteAenderung = stempel;
    for (TRaum* r : fSchule.fRaumMenge) r->fLetzteAenderung = stempel;
    fSchule.SetDirty(true);
  }

 private:
  struct TLehrerStand {
    TLehrer* lehrer;
    int soll;
    int vergeben;
    std::vector<TFach*> faecher;
    std::set<const TKopplung*> kopplungen;
  };
  TSchule& fSchule;
  TZufall fZufall;
  int fStunden;
  std::vector<TLehrerStand> fLehrer;
};

// Ein Eintrag der Stundentafel: Fach, Stunden, Stunden am Tag, Einzelstunden.
struct TTafel {
  const char* fach;
  int stunden, proTag, einzeln;
};

}  // namespace

void ErzeugeGymnasium(TSchule& schule) {
  TAufbau a(schule, 0x47594D4E41534955ull, 12);
  TZufall& z = a.Zufall();
  // Fachräume und Hallen.
  const std::map<std::string, std::vector<TRaum*>> fachraum = {
      {"Ph", {a.Raum("Ph1"), a.Raum("Ph2"), a.Raum("Ph3")}},
      {"Ch", {a.Raum("Ch1"), a.Raum("Ch2"), a.Raum("Ch3")}},
      {"Bio", {a.Raum("Bio1"), a.Raum("Bio2"), a.Raum("Bio3")}},
      {"Mu", {a.Raum("Mu1"), a.Raum("Mu2"), a.Raum("Mu3")}},
      {"Ku", {a.Raum("Ku1"), a.Raum("Ku2"), a.Raum("Ku3")}},
      {"Inf", {a.Raum("Inf1"), a.Raum("Inf2")}},
      {"Sp", {a.Raum("TH1"), a.Raum("TH2"), a.Raum("TH3")}}};
  std::vector<TRaum*> kursraeume;
  for (int i = 1; i <= 40; ++i) kursraeume.push_back(a.Raum("K" + Zahl(i, 2)));
  std::vector<TFach*> alleFaecher;
  for (const char* f : {"D", "M", "E", "F", "L", "Bio", "Ph", "Ch", "Ek", "Ge", "Pol", "Mu", "Ku",
                        "Rel", "Sp", "Inf"})
    alleFaecher.push_back(a.Fach(f));
  const auto raeume = [&](const std::string& fach, TRaum* eigen) {
    if (auto it = fachraum.find(fach); it != fachraum.end()) return it->second;
    return std::vector<TRaum*>{eigen};
  };

  // Sekundarstufe I: 5a–9e.
  const std::vector<TTafel> tafel = {
      {"D", 4, 1, 4},  {"M", 4, 1, 4},  {"E", 4, 1, 4},   {"F", 3, 1, 3},  {"Bio", 2, 2, 0},
      {"Ph", 2, 1, 2}, {"Ch", 1, 1, 1}, {"Ek", 2, 1, 2},  {"Ge", 2, 1, 2}, {"Pol", 1, 1, 1},
      {"Mu", 2, 1, 2}, {"Ku", 2, 2, 0}, {"Rel", 2, 1, 2}, {"Sp", 3, 2, 1}};
  for (int j = 5; j <= 9; ++j)
    for (char b = 'a'; b <= 'e'; ++b) {
      const std::string name = std::to_string(j) + b;
      TKlasse* kl = a.Klasse(name);
      kl->SetInfo("Klasse " + name);
      TRaum* raum = a.Raum("R" + name);
      kl->fRaum = raum;
      TAufbau::AbSperren(kl, j <= 6 ? 9 : (j == 7 ? 10 : 11));
      for (const TTafel& t : tafel) {
        TFach* f = a.Fach(t.fach);
        TLehrer* l = a.LehrkraftFuer(f, t.stunden, nullptr, alleFaecher);
        a.Kurs(l, f, {kl}, raeume(t.fach, raum), nullptr, t.stunden, t.proTag, t.einzeln);
      }
    }

  // Oberstufe: je Jahrgang 80 Schülergruppen; in jeder Schiene sitzt jede Gruppe in genau einem
  // Kurs.
  struct TSchiene {
    const char* art;
    int kurse, stunden, proTag, einzeln;
    std::vector<const char*> faecher;
    int vonTag = 1, bisTag = 5, vonStd = 1, bisStd = 12;  // Zeitfenster
  };
  const std::vector<const char*> lk = {"D", "M", "E", "Bio", "Ph", "Ch", "Ge", "Ek", "Ku", "Mu"};
  const std::vector<const char*> gk = {"D",  "M",  "E",   "F",  "L",  "Bio", "Ph", "Ch",
                                       "Ek", "Ge", "Pol", "Mu", "Ku", "Rel", "Inf"};
  std::vector<TSchiene> schienen = {{"LK", 8, 5, 2, 1, lk}, {"LK", 8, 5, 2, 1, lk}};
  for (int i = 0; i < 7; ++i) schienen.push_back({"GK", 8, 3, 1, 3, gk});
  schienen.push_back({"Sp", 3, 3, 2, 1, {"Sp"}});
  // Projektkurse nur Montag bis Donnerstag in den Stunden 8 bis 11.
  schienen.push_back({"PK", 8, 2, 2, 0, {"Inf", "Ku", "Mu", "Bio", "Ge", "Pol"}, 1, 4, 8, 11});
  const int gruppenZahl = 80;
  for (const std::string jahrgang : {"EF", "Q1", "Q2"}) {
    std::vector<TKlasse*> gruppen;
    for (int g = 1; g <= gruppenZahl; ++g) {
      TKlasse* kl = a.Klasse(jahrgang + Zahl(g, 2));
      kl->SetInfo(Utf8ZuWin1252("Schülergruppe " + std::to_string(g) + " " + jahrgang));
      gruppen.push_back(kl);
    }
    std::vector<TSchiene> eigene = schienen;
    // Die EF hat dazu eine Arbeitsgemeinschaft am Freitagnachmittag.
    if (jahrgang == "EF")
      eigene.push_back({"AG", 4, 2, 2, 0, {"Mu", "Sp", "Inf", "Ku"}, 5, 5, 7, 12});
    int nr = 0;
    for (const TSchiene& s : eigene) {
      TKopplung* kopplung = a.Kopplung(jahrgang + "-" + s.art + std::to_string(++nr));
      std::vector<TKlasse*> folge = gruppen;
      z.Mischen(folge);
      for (int c = 0; c < s.kurse; ++c) {
        const char* fachName =
            s.faecher[static_cast<std::size_t>((c + nr) % static_cast<int>(s.faecher.size()))];
        TFach* f = a.Fach(fachName);
        std::vector<TKlasse*> klassen;
        for (std::size_t g = static_cast<std::size_t>(c); g < folge.size();
             g += static_cast<std::size_t>(s.kurse))
          klassen.push_back(folge[g]);
        std::vector<TRaum*> rs;
        if (auto it = fachraum.find(fachName); it != fachraum.end() && s.art != std::string("PK"))
          rs = it->second;
        else
          for (int i = 0; i < 4; ++i)
            rs.push_back(kursraeume[static_cast<std::size_t>((c * 5 + nr * 3 + i * 11) % 40)]);
        TLehrer* l = a.LehrkraftFuer(f, s.stunden, kopplung, alleFaecher);
        TKurs* k = a.Kurs(l, f, klassen, rs, kopplung, s.stunden, s.proTag, s.einzeln);
        for (int t = 1; t <= 7; ++t)
          for (int h = 1; h <= 16; ++h)
            if (t < s.vonTag || t > s.bisTag || h < s.vonStd || h > s.bisStd)
              k->fSperrung.SetWocheTagStd(0, t, h, true);
      }
    }
  }
  a.Abschluss();
}

void ErzeugeGrundschule(TSchule& schule) {
  TAufbau a(schule, 0x4752554E44534348ull, 6);
  TFach* d = a.Fach("D");
  TFach* m = a.Fach("M");
  TFach* su = a.Fach("SU");
  TFach* ku = a.Fach("Ku");
  TFach* foe = a.Fach(Utf8ZuWin1252("Fö"));
  const std::vector<TFach*> neben = {a.Fach("Sp"), a.Fach("Mu"), a.Fach("E"), foe};
  const std::vector<TRaum*> hallen = {a.Raum("TH1"), a.Raum("TH2")};
  TRaum* musik = a.Raum("Mu");
  for (int j = 1; j <= 4; ++j) {
    std::vector<TKlasse*> klassen;
    for (char b = 'a'; b <= 'd'; ++b) {
      const std::string name = std::to_string(j) + b;
      TKlasse* kl = a.Klasse(name);
      kl->SetInfo("Klasse " + name);
      TRaum* raum = a.Raum("R" + name);
      kl->fRaum = raum;
      if (j <= 2) TAufbau::AbSperren(kl, 6);
      klassen.push_back(kl);
      // Die Klassenlehrkraft: Deutsch, Mathematik, Sachunterricht, Kunst.
      TLehrer* kll = a.NeueLehrkraft({d, m, su, ku, foe, neben[0]}, 28);
      kl->fLehrer1 = kll;
      TKopplung* kd = a.Kopplung("D" + name);
      TKopplung* km = a.Kopplung("M" + name);
      a.Vergeben(kll, 6 + 5 + (j <= 2 ? 3 : 4) + 2, nullptr);
      a.Vergeben(kll, 0, kd);
      a.Vergeben(kll, 0, km);
      a.Kurs(kll, d, {kl}, {raum}, kd, 6, 2, 2);
      a.Kurs(kll, m, {kl}, {raum}, km, 5, 1, 5);
      a.Kurs(kll, su, {kl}, {raum}, nullptr, j <= 2 ? 3 : 4, 1, j <= 2 ? 3 : 4);
      a.Kurs(kll, ku, {kl}, {raum}, nullptr, 2, 2, 0);
      // Zweite Lehrkraft in Deutsch und Mathematik (Förderung in derselben Stunde).
      a.Kurs(a.LehrkraftFuer(foe, 3, kd, neben), foe, {kl}, {}, kd, 3, 1, 3);
      a.Kurs(a.LehrkraftFuer(foe, 2, km, neben), foe, {kl}, {}, km, 2, 1, 2);
      a.Kurs(a.LehrkraftFuer(neben[0], 3, nullptr, neben), neben[0], {kl}, hallen, nullptr, 3, 1,
             3);
      const int mu = j <= 2 ? 1 : 2;
      a.Kurs(a.LehrkraftFuer(neben[1], mu, nullptr, neben), neben[1], {kl}, {musik}, nullptr, mu, 1,
             mu);
      if (j >= 3)
        a.Kurs(a.LehrkraftFuer(neben[2], 2, nullptr, neben), neben[2], {kl}, {raum}, nullptr, 2, 1,
               2);
    }
    // Religion evangelisch und katholisch für je zwei Klassen zugleich.
    for (int p = 0; p < 2; ++p) {
      std::vector<TKlasse*> paar = {klassen[static_cast<std::size_t>(2 * p)],
                                    klassen[static_cast<std::size_t>(2 * p + 1)]};
      TKopplung* rel = a.Kopplung("Rel" + std::to_string(j) + static_cast<char>('a' + 2 * p));
      for (int r = 0; r < 2; ++r) {
        TFach* f = a.Fach(r == 0 ? "ER" : "KR");
        TRaum* raum = paar[static_cast<std::size_t>(r)]->fRaum;
        a.Kurs(a.LehrkraftFuer(f, 2, rel, {f}), f, paar, {raum}, rel, 2, 1, 2);
      }
    }
  }
  a.Abschluss();
}
