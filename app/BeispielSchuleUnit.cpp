#include "app/BeispielSchuleUnit.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "app/BeispielDatenUnit.h"
#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

namespace {

// SplitMix64 mit eigener Verteilung: auf jeder Plattform und mit jeder Bibliothek dieselbe Folge.
class TZufall {
 public:
  explicit TZufall(std::uint64_t saat) : fZustand(saat) {}
  std::uint64_t Naechste() {
    std::uint64_t z = (fZustand += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Gleichverteilt in 0..n−1 (n > 0).
  int Bis(int n) {
    const auto m = static_cast<std::uint64_t>(n);
    const std::uint64_t grenze =
        std::numeric_limits<std::uint64_t>::max() - std::numeric_limits<std::uint64_t>::max() % m;
    std::uint64_t x = Naechste();
    while (x >= grenze) x = Naechste();
    return static_cast<int>(x % m);
  }
  template <class T>
  void Mischen(std::vector<T>& v) {
    for (std::size_t i = v.size(); i > 1; --i)
      std::swap(v[i - 1], v[static_cast<std::size_t>(Bis(static_cast<int>(i)))]);
  }

 private:
  std::uint64_t fZustand;
};

using namespace BeispielDaten;

// Großbuchstaben in Windows-1252 (auch ä, ö, ü; ß bleibt).
char Gross(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
  if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
  return c;
}

// --- Pläne der Schule, bevor es Elemente gibt ------------------------------------------------

struct TKlassenPlan {
  std::string Kuerzel;  // UTF-8
  std::string Info;
  int Jahrgang;   // 5..10, 11 = EF, 12 = Q1, 13 = Q2
  int Buchstabe;  // 0 = a, ...; -1 in der Oberstufe
  std::string Raum;
};

struct TKopplungsPlan {
  std::string Kuerzel;
  std::string Info;
};

struct TKursPlan {
  int Fach = 0;
  std::vector<int> Klassen;
  int Kopplung = -1;
  int A = 0, B = 0;
  std::string Info;
  std::vector<std::string> Raeume;
  int StdProTag = 1;
  bool Fix = false;
  bool Setzen = true;
  int Lehrer = -1;
};

struct TLehrerPlan {
  std::string Nachname, Vorname, Kuerzel;  // Kürzel in Windows-1252
  int Soll = 25;
  std::array<int, 2> Faecher{};
  int Vergeben = 0;
};

class TBeispiel {
 public:
  TBeispiel(TSchule& schule, bool gross, bool knapp)
      : fSchule(schule),
        fGross(gross),
        fKnapp(knapp),
        fZufall(gross ? 0x5A4D52454C475231ull : 0x5A4D52454C4B4C31ull) {}

  void Erzeugen() {
    Einstellungen();
    PlaeneAufstellen();
    LehrerAufstellen();
    LehrerZuweisen();
    ElementeAnlegen();
    KurseAnlegen();
    Stammdaten();
    Planen();
    Abschluss();
  }

 private:
  // --- Einstellungen --------------------------------------------------------------------------

  void Einstellungen() {
    TStandard& s = Standard();
    if (s.fMaxWocheNeu < 2) fSchule.VersionErweitern(2);
    if (s.fMaxWocheNeu > 2) fSchule.VersionVerkleinern(2);
    s.fAktuelleWoche = 1;
    s.fMaxTageNeu = 5;
    s.fPlnStd = 10;
    s.fDivisor = 1;
  }

  // --- Klassen, Räume, Kurse als Pläne ----------------------------------------------------

  int Parallele() const { return fGross ? 8 : 4; }

  void PlaeneAufstellen() {
    // Räume: Klassenräume, Kursräume, Fachräume, Sporthallen.
    const int parallele = Parallele();
    for (int j = 5; j <= 10; ++j)
      for (int b = 0; b < parallele; ++b) {
        const int i = (j - 5) * parallele + b;
        const std::string raum =
            "R" + std::to_string(1 + i / 10) + (i % 10 < 9 ? "0" : "") + std::to_string(i % 10 + 1);
        const std::string kuerzel = std::to_string(j) + static_cast<char>('a' + b);
        fRaumPlaene.push_back({raum, "Klassenraum " + kuerzel});
        fKlassen.push_back({kuerzel, "Klasse " + kuerzel, j, b, raum});
      }
    fKlassen.push_back({"EF", "Einführungsphase", 11, -1, ""});
    fKlassen.push_back({"Q1", "Qualifikationsphase 1", 12, -1, ""});
    fKlassen.push_back({"Q2", "Qualifikationsphase 2", 13, -1, ""});
    const int kursraeume = fGross ? 12 : 5;
    for (int i = 1; i <= kursraeume; ++i) {
      const std::string k = "B1" + std::string(i < 10 ? "0" : "") + std::to_string(i);
      fRaumPlaene.push_back({k, "Kursraum " + k});
      fKursraeume.push_back(k);
    }
    auto fachraeume = [this](const char* kuerzel, const char* name, int klein, int gross) {
      std::vector<std::string> liste;
      for (int i = 1; i <= (fGross ? gross : klein); ++i) {
        const std::string k = kuerzel + std::to_string(i);
        fRaumPlaene.push_back({k, std::string(name) + " " + std::to_string(i)});
        liste.push_back(k);
      }
      return liste;
    };
    fFachraum[Ph] = fachraeume("Ph", "Physikraum", 2, 4);
    fFachraum[Ch] = fachraeume("Ch", "Chemieraum", 2, 3);
    fFachraum[Bio] = fachraeume("Bio", "Biologieraum", 2, 4);
    fFachraum[Mu] = fachraeume("Mu", "Musikraum", 2, 3);
    fFachraum[Ku] = fachraeume("Ku", "Kunstraum", 2, 3);
    fFachraum[Inf] = fachraeume("Inf", "Informatikraum", 2, 3);
    fFachraum[Sp] = fachraeume("TH", "Sporthalle", 3, 7);

    for (int j = 5; j <= 10; ++j) Jahrgang(j);
    Oberstufe(11, "EF", true);
    Oberstufe(12, "Q1", false);
    Oberstufe(13, "Q2", false);
  }

  int KlassenIndex(int jahrgang, int buchstabe) const {
    return (jahrgang - 5) * Parallele() + buchstabe;
  }

  // Die Räume eines Kurses einer Klasse der Sekundarstufe I.
  std::vector<std::string> RaeumeFuer(int fach, const TKlassenPlan& klasse) const {
    auto it = fFachraum.find(fach);
    std::vector<std::string> raeume;
    if (it != fFachraum.end()) raeume = it->second;
    // Theorie geht auch im Klassenraum; Sport und Informatik nicht.
    if (fach != Sp && fach != Inf) raeume.push_back(klasse.Raum);
    return raeume;
  }

  bool Ungesetzt(const TKlassenPlan& k) const {
    return k.Jahrgang == 13 || (k.Jahrgang == 10 && k.Buchstabe >= 2);
  }

  void Jahrgang(int j) {
    const int parallele = Parallele();
    for (int b = 0; b < parallele; ++b) {
      const int ki = KlassenIndex(j, b);
      const TKlassenPlan& k = fKlassen[static_cast<std::size_t>(ki)];
      for (const TTafel& t : Stundentafel(j)) {
        TKursPlan p;
        p.Fach = t.Fach;
        p.Klassen = {ki};
        p.A = t.A;
        p.B = t.B;
        p.Raeume = RaeumeFuer(t.Fach, k);
        p.StdProTag = (t.Fach == Ku && std::max(t.A, t.B) >= 2) ? 2 : 1;
        p.Setzen = !Ungesetzt(k);
        fKurse.push_back(p);
      }
      // Sport: in 5 und 6 für die ganze Klasse (in 5 fest in den Hallenzeiten), ab 7 getrennt.
      const std::vector<std::string>& hallen = fFachraum[Sp];
      if (j <= 6) {
        TKursPlan p;
        p.Fach = Sp;
        p.Klassen = {ki};
        p.A = p.B = 3;
        p.Raeume = hallen;
        p.StdProTag = 2;
        p.Fix = j == 5;
        p.Setzen = !Ungesetzt(k);
        fKurse.push_back(p);
      } else {
        const int ko = NeueKopplung("Sp" + k.Kuerzel, "Sport " + k.Kuerzel);
        for (const char* gruppe : {"Jungen", "Mädchen"}) {
          TKursPlan p;
          p.Fach = Sp;
          p.Klassen = {ki};
          p.Kopplung = ko;
          p.A = p.B = 3;
          p.Info = gruppe;
          p.Raeume = hallen;
          p.StdProTag = 2;
          p.Setzen = !Ungesetzt(k);
          fKurse.push_back(p);
        }
      }
    }
    // Religion (und ab 6 die zweite Fremdsprache) in Gruppen von bis zu vier Parallelklassen.
    for (int erste = 0; erste < parallele; erste += 4) {
      const int letzte = std::min(parallele, erste + 4) - 1;
      std::vector<int> gruppe;
      for (int b = erste; b <= letzte; ++b) gruppe.push_back(KlassenIndex(j, b));
      const std::string von = fKlassen[static_cast<std::size_t>(gruppe.front())].Kuerzel;
      const std::string bis = fKlassen[static_cast<std::size_t>(gruppe.back())].Kuerzel;
      const std::string zusatz =
          parallele > 4 ? std::string(1, static_cast<char>('a' + erste)) : "";
      const std::size_t haelfte = (gruppe.size() + 1) / 2;
      const std::vector<int> vorn(gruppe.begin(),
                                  gruppe.begin() + static_cast<std::ptrdiff_t>(haelfte));
      const std::vector<int> hinten(gruppe.begin() + static_cast<std::ptrdiff_t>(haelfte),
                                    gruppe.end());
      auto raum = [this, &gruppe](std::size_t i) {
        return fKlassen[static_cast<std::size_t>(gruppe[std::min(i, gruppe.size() - 1)])].Raum;
      };
      const bool setzen = !Ungesetzt(fKlassen[static_cast<std::size_t>(gruppe.back())]);
      auto kurs = [&](int fach, const std::vector<int>& klassen, int ko, int stunden,
                      const std::string& info, std::size_t raumNr) {
        if (klassen.empty()) return;
        TKursPlan p;
        p.Fach = fach;
        p.Klassen = klassen;
        p.Kopplung = ko;
        p.A = p.B = stunden;
        p.Info = info;
        p.Raeume = {raum(raumNr)};
        p.Setzen = setzen;
        fKurse.push_back(p);
      };
      const int rel =
          NeueKopplung("Rel" + std::to_string(j) + zusatz, "Religion " + von + "-" + bis);
      kurs(ER, vorn, rel, 2, "Gruppe 1", 0);
      kurs(ER, hinten, rel, 2, "Gruppe 2", 2);
      kurs(KR, gruppe, rel, 2, "", 1);
      kurs(PPh, gruppe, rel, 2, "", 3);
      if (j >= 6) {
        const int fs =
            NeueKopplung("FS" + std::to_string(j) + zusatz, "2. Fremdsprache " + von + "-" + bis);
        const int stunden = j <= 7 ? 4 : 3;
        kurs(F, vorn, fs, stunden, "Gruppe 1", 0);
        kurs(F, hinten, fs, stunden, "Gruppe 2", 2);
        kurs(L, gruppe, fs, stunden, "", 1);
      }
    }
  }

  int NeueKopplung(const std::string& kuerzel, const std::string& info) {
    fKopplungen.push_back({kuerzel, info});
    return static_cast<int>(fKopplungen.size()) - 1;
  }

  void Oberstufe(int jahrgang, const char* stufe, bool einfuehrung) {
    const int ki = static_cast<int>(fKlassen.size()) - 3 + (jahrgang - 11);
    const int faktor = fGross ? 2 : 1;
    std::size_t kursraum = static_cast<std::size_t>(jahrgang - 11) * 2;
    std::vector<int> schienen;
    std::vector<TSchiene> alle = Schienen(einfuehrung);
    if (fKnapp)
      alle.insert(alle.end(), Zusatzschienen(einfuehrung).begin(),
                  Zusatzschienen(einfuehrung).end());
    for (const TSchiene& s : alle) {
      const int ko =
          NeueKopplung(std::string(stufe) + "-" + s.Name, std::string(stufe) + " " + s.Info);
      schienen.push_back(ko);
      std::map<int, int> nummer;
      for (const auto& [fach, zahl] : s.Kurse)
        for (int n = 0; n < zahl * faktor; ++n) {
          TKursPlan p;
          p.Fach = fach;
          p.Klassen = {ki};
          p.Kopplung = ko;
          p.A = p.B = s.Stunden;
          p.Info = std::string(s.Leistungskurs ? "LK" : "GK") + std::to_string(++nummer[fach]);
          auto it = fFachraum.find(fach);
          if (it != fFachraum.end()) p.Raeume = it->second;
          if (fach != Sp)
            for (int r = 0; r < 3; ++r)
              p.Raeume.push_back(
                  fKursraeume[(kursraum + static_cast<std::size_t>(r)) % fKursraeume.size()]);
          ++kursraum;
          p.StdProTag = s.Leistungskurs ? 2 : 1;
          p.Setzen = jahrgang != 13;
          fKurse.push_back(p);
        }
    }
    fParZeilen.push_back(schienen);
  }

  // --- Lehrkräfte --------------------------------------------------------------------------

  int LehrerZahl() const { return fGross ? 150 : 60; }

  void LehrerAufstellen() {
    std::array<double, kFachZahl> rest{};
    for (const TKursPlan& p : fKurse) rest[static_cast<std::size_t>(p.Fach)] += (p.A + p.B) / 2.0;
    std::vector<int> nach = std::vector<int>(Nachnamen().size());
    for (std::size_t i = 0; i < nach.size(); ++i) nach[i] = static_cast<int>(i);
    fZufall.Mischen(nach);
    static const std::array<int, 5> kTeilzeit = {12, 14, 16, 18, 20};
    // Knapp: nur so viele Lehrkräfte, bis der Unterricht 95 % ihrer Sollstunden füllt.
    double unterricht = 0;
    for (double r : rest) unterricht += r;
    int soll = 0;
    for (int t = 0; t < LehrerZahl() && (!fKnapp || soll * 95 < unterricht * 100); ++t) {
      TLehrerPlan l;
      l.Nachname = Nachnamen()[static_cast<std::size_t>(nach[static_cast<std::size_t>(t)])];
      l.Vorname =
          Vornamen()[static_cast<std::size_t>(fZufall.Bis(static_cast<int>(Vornamen().size())))];
      l.Soll = t % 3 == 2 ? kTeilzeit[static_cast<std::size_t>((t / 3) % 5)] : 25;
      int erstes = 0;
      for (int f = 1; f < kFachZahl; ++f)
        if (rest[static_cast<std::size_t>(f)] > rest[static_cast<std::size_t>(erstes)]) erstes = f;
      int zweites = Faecher()[static_cast<std::size_t>(erstes)].Partner.front();
      for (int f : Faecher()[static_cast<std::size_t>(erstes)].Partner)
        if (rest[static_cast<std::size_t>(f)] > rest[static_cast<std::size_t>(zweites)])
          zweites = f;
      l.Faecher = {erstes, zweites};
      rest[static_cast<std::size_t>(erstes)] -= l.Soll / 2.0;
      rest[static_cast<std::size_t>(zweites)] -= l.Soll / 2.0;
      soll += l.Soll;
      fLehrer.push_back(l);
    }
    // Kürzel aus dem Nachnamen: drei Buchstaben, bei Gleichheit andere Buchstaben des Namens.
    std::vector<std::string> vergeben;
    for (TLehrerPlan& l : fLehrer) {
      std::string name;
      for (char c : Utf8ZuWin1252(l.Nachname))
        if (c != ' ' && c != '-') name += Gross(c);
      std::string kuerzel;
      for (std::size_t i = 1; i + 1 < name.size() && kuerzel.empty(); ++i)
        for (std::size_t j = i + 1; j < name.size() && kuerzel.empty(); ++j) {
          const std::string k = {name[0], name[i], name[j]};
          if (std::find(vergeben.begin(), vergeben.end(), k) == vergeben.end()) kuerzel = k;
        }
      for (int n = 1; kuerzel.empty(); ++n) {
        const std::string k = name.substr(0, 2) + std::to_string(n);
        if (std::find(vergeben.begin(), vergeben.end(), k) == vergeben.end()) kuerzel = k;
      }
      vergeben.push_back(kuerzel);
      l.Kuerzel = kuerzel;
    }
  }

  bool Unterrichtet(const TLehrerPlan& l, int fach) const {
    return l.Faecher[0] == fach || l.Faecher[1] == fach;
  }

  void LehrerZuweisen() {
    std::map<int, std::vector<int>> inKopplung;  // Lehrer, die eine Kopplung schon hat
    // Die Oberstufe zuerst, dann die Kopplungen, dann der Rest.
    std::vector<std::size_t> folge;
    for (int runde = 0; runde < 3; ++runde)
      for (std::size_t i = 0; i < fKurse.size(); ++i) {
        const TKursPlan& p = fKurse[i];
        const bool ober = fKlassen[static_cast<std::size_t>(p.Klassen.front())].Jahrgang > 10;
        const int r = ober ? 0 : (p.Kopplung >= 0 ? 1 : 2);
        if (r == runde) folge.push_back(i);
      }
    for (std::size_t i : folge) {
      TKursPlan& p = fKurse[i];
      std::vector<int>& schon = inKopplung[p.Kopplung];
      auto frei = [&](int t) {
        return p.Kopplung < 0 || std::find(schon.begin(), schon.end(), t) == schon.end();
      };
      int bester = -1;
      for (int mitFach = 1; mitFach >= 0 && bester < 0; --mitFach)
        for (int t = 0; t < static_cast<int>(fLehrer.size()); ++t) {
          const TLehrerPlan& l = fLehrer[static_cast<std::size_t>(t)];
          if (!frei(t) || (mitFach && !Unterrichtet(l, p.Fach))) continue;
          if (bester < 0 ||
              l.Soll - l.Vergeben > fLehrer[static_cast<std::size_t>(bester)].Soll -
                                        fLehrer[static_cast<std::size_t>(bester)].Vergeben)
            bester = t;
        }
      p.Lehrer = bester;
      fLehrer[static_cast<std::size_t>(bester)].Vergeben += (p.A + p.B) / 2;
      if (p.Kopplung >= 0) schon.push_back(bester);
    }
  }

  // --- Elemente und Kurse ------------------------------------------------------------------

  static std::string W(const std::string& utf8) { return Utf8ZuWin1252(utf8); }

  void ElementeAnlegen() {
    std::vector<std::size_t> folge(fLehrer.size());
    for (std::size_t i = 0; i < folge.size(); ++i) folge[i] = i;
    std::stable_sort(folge.begin(), folge.end(), [this](std::size_t a, std::size_t b) {
      return fLehrer[a].Kuerzel < fLehrer[b].Kuerzel;
    });
    fLehrerElemente.resize(fLehrer.size());
    for (std::size_t i : folge) {
      const TLehrerPlan& p = fLehrer[i];
      TLehrer* l = fSchule.HoleLehrer(p.Kuerzel);
      l->SetInfo(W(p.Nachname + ", " + p.Vorname));
      fLehrerElemente[i] = l;
    }
    for (const TKlassenPlan& k : fKlassen) {
      TKlasse* e = fSchule.HoleKlasse(W(k.Kuerzel));
      e->SetInfo(W(k.Info));
      fKlassenElemente.push_back(e);
    }
    for (const TKopplungsPlan& k : fKopplungen) {
      TKopplung* e = fSchule.HoleKopplung(W(k.Kuerzel));
      e->SetInfo(W(k.Info));
      fKopplungsElemente.push_back(e);
    }
    for (const TFachDaten& f : Faecher()) {
      TFach* e = fSchule.HoleFach(W(f.Kuerzel));
      e->SetInfo(W(f.Name));
      fFachElemente.push_back(e);
    }
    for (const auto& [kuerzel, info] : fRaumPlaene) fSchule.HoleRaum(W(kuerzel))->SetInfo(W(info));
    for (std::size_t i = 0; i < fLehrer.size(); ++i)
      for (int f : fLehrer[i].Faecher)
        fLehrerElemente[i]->NeuesFach(fFachElemente[static_cast<std::size_t>(f)]);
  }

  TRaum* Raum(const std::string& kuerzel) const {
    return TSchule::HoleElement(fSchule.fRaumMenge, W(kuerzel));
  }

  void KurseAnlegen() {
    TStandard& s = Standard();
    // Kurse mit den Stunden der A-Woche in allen Wochen, unabhängig vom Ein-Wochen-Modus.
    const bool eineWoche = s.fEineWoche;
    s.fEineWoche = false;
    for (const TKursPlan& p : fKurse) {
      TLehrer* lehrer = fLehrerElemente[static_cast<std::size_t>(p.Lehrer)];
      TFach* fach = fFachElemente[static_cast<std::size_t>(p.Fach)];
      TKlasse* klasse = fKlassenElemente[static_cast<std::size_t>(p.Klassen.front())];
      TKopplung* kopplung =
          p.Kopplung >= 0 ? fKopplungsElemente[static_cast<std::size_t>(p.Kopplung)] : nullptr;
      TKurs* k = TKurs::IKurs(lehrer, klasse, kopplung, fach, Raum(p.Raeume.front()), p.A);
      for (std::size_t i = 1; i < p.Klassen.size(); ++i)
        k->KlasseErgaenzen(fKlassenElemente[static_cast<std::size_t>(p.Klassen[i])]);
      for (std::size_t i = 1; i < p.Raeume.size(); ++i) k->RaumErgaenzen(Raum(p.Raeume[i]), false);
      k->fStunden.SetWochenStunde(2, p.B);
      // Die Stunden aller Wochen gehören zum Sortierschlüssel: der Kurs rückt an seinen Platz
      // (wie beim Öffnen der gesicherten Schule).
      if (p.B != p.A) k->ElementeEintragen();
      k->fInfo = W(p.Info);
      k->fStdProTag = p.StdProTag;
      k->fEinzelStd = p.StdProTag == 2 ? 0 : std::max(p.A, p.B);
      k->fFaktor = 1;
      k->fTabellenNr = 1;
      k->fColor = Farbe(p.Fach);
      lehrer->NeuesFach(fach);
      fKursElemente.push_back(k);
    }
    s.fEineWoche = eineWoche;
  }

  static TColor Farbe(int fach) {
    static const std::array<TColor, kFachZahl> kFarben = {
        0xC0C0FF, 0xFFE0C0, 0xC0FFC0, 0xFFC0FF, 0xE0E0E0, 0x80FF80, 0x80FFFF,
        0xFFFF80, 0xC0E0FF, 0x80C0FF, 0xFFC080, 0xFF80C0, 0xC080FF, 0x8080FF,
        0xFF8080, 0xFFFFFF, 0xE0FFE0, 0xE0E0FF, 0xFFE0E0, 0xC0FFFF};
    return kFarben[static_cast<std::size_t>(fach)];
  }

  // Sollstunden, Klassenleitungen, Sperrungen, Kalender, UV-Tabellen, paralleles Raster.
  void Stammdaten() {
    for (std::size_t i = 0; i < fLehrer.size(); ++i) {
      TLehrer* l = fLehrerElemente[i];
      const TLehrerPlan& p = fLehrer[i];
      l->SetSoll(0, p.Soll);
      if (p.Soll <= 14) {
        // Teilzeit mit freiem Tag.
        l->fFreierTag = true;
        const int tag = 1 + static_cast<int>(i % 5);
        for (int h = 1; h <= 16; ++h) l->fSperrung.SetWocheTagStd(0, tag, h, true);
      } else if (i % 11 == 5) {
        for (int h = 7; h <= 10; ++h) l->fSperrung.SetWocheTagStd(0, 2, h, true);  // Fortbildung
      } else if (i % 9 == 2) {
        for (int h = 1; h <= 2; ++h) l->fSperrung.SetWocheTagStd(0, 1, h, true);  // Personalrat
      }
    }
    for (std::size_t i = 0; i < fKlassen.size(); ++i) {
      const TKlassenPlan& p = fKlassen[i];
      TKlasse* k = fKlassenElemente[i];
      if (!p.Raum.empty()) k->fRaum = Raum(p.Raum);
      // Keine Nachmittage für die Jüngeren.
      const int ab = p.Jahrgang <= 6 ? 7 : (p.Jahrgang <= 8 ? 8 : (p.Jahrgang <= 10 ? 9 : 17));
      for (int t = 1; t <= 7; ++t)
        for (int h = ab; h <= 16; ++h) k->fSperrung.SetWocheTagStd(0, t, h, true);
      for (int w = 1; w <= 2; ++w) k->SetSoll(w, KlassenStunden(static_cast<int>(i), w));
    }
    for (std::size_t i = 0; i < fKurse.size(); ++i) {
      TKlasse* k = fKlassenElemente[static_cast<std::size_t>(fKurse[i].Klassen.front())];
      const bool ober = fKlassen[static_cast<std::size_t>(fKurse[i].Klassen.front())].Jahrgang > 10;
      const int fach = fKurse[i].Fach;
      TLehrer* l = fKursElemente[i]->fLehrer;
      if (!ober && fach == D && !k->fLehrer1) k->fLehrer1 = l;
      if (!ober && fach == M && !k->fLehrer2 && l != k->fLehrer1) k->fLehrer2 = l;
      if (ober && !k->fLehrer1) k->fLehrer1 = l;
      if (ober && !k->fLehrer2 && l != k->fLehrer1 && fKurse[i].Info == "LK1") k->fLehrer2 = l;
    }
    if (TRaum* halle = Raum("TH3"))  // Vereinssport am Freitagnachmittag
      for (int h = 7; h <= 10; ++h) halle->fSperrung.SetWocheTagStd(0, 5, h, true);
    if (TRaum* inf = Raum("Inf2"))  // Wartung
      for (int h = 1; h <= 2; ++h) inf->fSperrung.SetWocheTagStd(0, 1, h, true);
    // A- und B-Woche wechseln sich ab.
    for (int k = 1; k <= 888; ++k)
      fSchule.SetzeKalender(k, static_cast<std::uint8_t>((k - 1) % 2 + 1));

    TUVTab* sek1 = fSchule.HoleUVTab("UV-SI");
    sek1->SetInfo("Unterrichtsverteilung Sek. I");
    sek1->fIstFach = true;
    TUVTab* sek2 = fSchule.HoleUVTab("UV-SII");
    sek2->SetInfo("Oberstufe nach Lehrkräften");
    for (std::size_t i = 0; i < fKlassen.size(); ++i)
      (fKlassen[i].Jahrgang <= 10 ? sek1 : sek2)->NeueKlasse(fKlassenElemente[i]);
    for (TFach* f : fFachElemente)
      if (f != fFachElemente[SW] && f != fFachElemente[Pa]) sek1->NeuesFach(f);
    for (std::size_t i = 0; i < fKurse.size(); ++i)
      if (fKlassen[static_cast<std::size_t>(fKurse[i].Klassen.front())].Jahrgang > 10)
        sek2->NeuerLehrer(fKursElemente[i]->fLehrer);

    TParListe& par = *fSchule.fParListe;
    std::size_t spalten = 0;
    for (const auto& z : fParZeilen) spalten = std::max(spalten, z.size());
    par.fZeilen = static_cast<std::int32_t>(fParZeilen.size());
    par.fSpalten = static_cast<std::int32_t>(spalten);
    par.fListe.assign(fParZeilen.size() * spalten, nullptr);
    for (std::size_t z = 0; z < fParZeilen.size(); ++z)
      for (std::size_t s = 0; s < fParZeilen[z].size(); ++s)
        par.fListe[z * spalten + s] =
            fKopplungsElemente[static_cast<std::size_t>(fParZeilen[z][s])];
  }

  // Wochenstunden einer Klasse: jede Kopplung einmal mit ihrem größten Kurs.
  int KlassenStunden(int klasse, int woche) const {
    int summe = 0;
    std::map<int, int> kopplung;
    for (const TKursPlan& p : fKurse) {
      if (std::find(p.Klassen.begin(), p.Klassen.end(), klasse) == p.Klassen.end()) continue;
      const int h = woche == 1 ? p.A : p.B;
      if (p.Kopplung < 0)
        summe += h;
      else
        kopplung[p.Kopplung] = std::max(kopplung[p.Kopplung], h);
    }
    for (const auto& [k, h] : kopplung) summe += h;
    return summe;
  }

  // --- Planen ------------------------------------------------------------------------------

  struct TBlock {
    std::vector<TKurs*> Kurse;
    int StdProTag = 1;
    bool Fix = false;
  };

  static bool Frei(const TPlanElement* e, int w, int t, int h) {
    return !e->fSperrung.GetWocheTagStd(w, t, h) && !e->fBesetzung.GetWocheTagStd(w, t, h);
  }

  // Räume für alle Kurse des Blocks in der Zelle, oder leer, wenn etwas im Weg ist.
  std::vector<TRaum*> Passt(const TBlock& b, int w, int t, int h) const {
    std::vector<TRaum*> raeume;
    std::vector<const TLehrer*> lehrer;
    for (const TKurs* k : b.Kurse) {
      if (k->fLehrer) {
        if (!Frei(k->fLehrer, w, t, h) ||
            std::find(lehrer.begin(), lehrer.end(), k->fLehrer) != lehrer.end())
          return {};
        lehrer.push_back(k->fLehrer);
      }
      for (const TKlasse* kl : k->fKlassen)
        if (!Frei(kl, w, t, h)) return {};
      TRaum* raum = nullptr;
      for (TRaum* r : k->fRaeume)
        if (Frei(r, w, t, h) && std::find(raeume.begin(), raeume.end(), r) == raeume.end()) {
          raum = r;
          break;
        }
      if (!raum) return {};
      raeume.push_back(raum);
    }
    return raeume;
  }

  // Wie viele Stunden des Blocks am Tag schon liegen, und ob eine an der Stunde anschließt.
  static std::pair<int, bool> AmTag(const TBlock& b, int w, int t, int h) {
    const TKurs* k = b.Kurse.front();
    int zahl = 0;
    bool nachbar = false;
    for (int s = 1; s <= 16; ++s)
      if (k->SetzungFinden(w, t, s)) {
        ++zahl;
        nachbar = nachbar || s == h - 1 || s == h + 1;
      }
    return {zahl, nachbar};
  }

  void Setze(const TBlock& b, int w, int t, int h, const std::vector<TRaum*>& raeume) {
    for (std::size_t i = 0; i < b.Kurse.size(); ++i) {
      TKurs* k = b.Kurse[i];
      if (k->RestStunden(w) <= 0) continue;
      k->NeueSetzung(w, t, h, raeume[i]);
      if (b.Fix)
        if (TSetzung* s = k->SetzungFinden(w, t, h)) s->fFixiert = true;
    }
  }

  void BlockPlanen(const TBlock& b) {
    std::array<std::vector<std::pair<int, int>>, 3> genutzt;  // je Woche die Zellen
    for (int w = 1; w <= 2; ++w) {
      int stunden = 0;
      for (const TKurs* k : b.Kurse) stunden = std::max(stunden, k->RestStunden(w));
      // Zellen: früh vor spät, die Tage je Stunde gemischt; in der B-Woche zuerst die der A-Woche.
      std::vector<std::pair<int, int>> zellen = genutzt[1];
      for (int h = 1; h <= 10; ++h) {
        std::vector<int> tage = {1, 2, 3, 4, 5};
        fZufall.Mischen(tage);
        for (int t : tage) zellen.emplace_back(t, h);
      }
      for (int n = 0; n < stunden; ++n) {
        bool gesetzt = false;
        for (const auto& [t, h] : zellen) {
          const auto [zahl, nachbar] = AmTag(b, w, t, h);
          if (zahl >= b.StdProTag || (zahl > 0 && !nachbar)) continue;
          const std::vector<TRaum*> raeume = Passt(b, w, t, h);
          if (raeume.empty()) continue;
          Setze(b, w, t, h, raeume);
          genutzt[static_cast<std::size_t>(w)].emplace_back(t, h);
          gesetzt = true;
          // Doppelstunde: die nächste Stunde gleich dahinter versuchen.
          if (b.StdProTag == 2 && n + 1 < stunden && h < 10) {
            const std::vector<TRaum*> weiter = Passt(b, w, t, h + 1);
            if (!weiter.empty()) {
              Setze(b, w, t, h + 1, weiter);
              genutzt[static_cast<std::size_t>(w)].emplace_back(t, h + 1);
              ++n;
            }
          }
          break;
        }
        if (!gesetzt) break;
      }
    }
  }

  void Planen() {
    // Blöcke: jede Kopplung für sich, sonst jeder Kurs; die Oberstufe und die Kopplungen zuerst.
    std::map<int, TBlock> kopplungen;
    std::vector<TBlock> einzeln;
    for (std::size_t i = 0; i < fKurse.size(); ++i) {
      const TKursPlan& p = fKurse[i];
      if (!p.Setzen) continue;
      TBlock& b = p.Kopplung >= 0 ? kopplungen[p.Kopplung] : einzeln.emplace_back();
      b.Kurse.push_back(fKursElemente[i]);
      b.StdProTag = std::max(b.StdProTag, p.StdProTag);
      b.Fix = b.Fix || p.Fix;
    }
    std::vector<TBlock> gekoppelt;
    for (auto& [k, b] : kopplungen) gekoppelt.push_back(std::move(b));
    std::stable_sort(gekoppelt.begin(), gekoppelt.end(), [](const TBlock& a, const TBlock& b) {
      return a.Kurse.size() > b.Kurse.size();
    });
    for (const TBlock& b : gekoppelt) BlockPlanen(b);
    // Die Fachräume und Hallen sind knapp: ihre Kurse vor den übrigen.
    std::stable_partition(einzeln.begin(), einzeln.end(), [this](const TBlock& b) {
      const TKurs* k = b.Kurse.front();
      return k->fRaeume.size() > 0 && fFachraum.count(Fach(k)) > 0;
    });
    for (const TBlock& b : einzeln) BlockPlanen(b);
  }

  int Fach(const TKurs* k) const {
    for (int f = 0; f < kFachZahl; ++f)
      if (fFachElemente[static_cast<std::size_t>(f)] == k->fFach) return f;
    return -1;
  }

  void Abschluss() {
    // Feste Zeitstempel statt der Uhr: Montag, 25. August 2025, 12 Uhr.
    const TDateTime stempel = DatumZuZahl(2025, 8, 25) + 0.5;
    for (TLehrer* l : fSchule.fLehrerMenge) l->fLetzteAenderung = stempel;
    for (TKlasse* k : fSchule.fKlassenMenge) k->fLetzteAenderung = stempel;
    for (TRaum* r : fSchule.fRaumMenge) r->fLetzteAenderung = stempel;
    fSchule.SetDirty(true);
  }

  TSchule& fSchule;
  bool fGross;
  bool fKnapp;
  TZufall fZufall;
  std::vector<TKlassenPlan> fKlassen;
  std::vector<std::pair<std::string, std::string>> fRaumPlaene;  // Kürzel, Info
  std::vector<std::string> fKursraeume;
  std::map<int, std::vector<std::string>> fFachraum;
  std::vector<TKopplungsPlan> fKopplungen;
  std::vector<std::vector<int>> fParZeilen;
  std::vector<TKursPlan> fKurse;
  std::vector<TLehrerPlan> fLehrer;
  std::vector<TLehrer*> fLehrerElemente;
  std::vector<TKlasse*> fKlassenElemente;
  std::vector<TKopplung*> fKopplungsElemente;
  std::vector<TFach*> fFachElemente;
  std::vector<TKurs*> fKursElemente;
};

}  // namespace

void ErzeugeBeispielSchule(TSchule& schule, bool gross, bool knapp) {
  TBeispiel(schule, gross, knapp).Erzeugen();
}
