// Folgen, ihre Darstellungen, der Lauf mit den Prüfungen und das Verkleinern.
#include "AblaufUnit.h"

#include <algorithm>
#include <array>
#include <exception>
#include <cstdint>
#include <ctime>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "AblaufSchule.h"
#include "AblaufZufall.h"
#include "SchulPruefung.h"
#include "model/SchulUnit.h"
#include "planning/UndoUnit.h"
#include "settings/StandardUnit.h"
#include "persistence/WriteUnit.h"

namespace {

struct TArtInfo {
  const char* Name;
  int Gewicht;  // Häufigkeit in den Zufallsfolgen
};

// Die Gewichte halten die Zahl der Kurse ungefähr, wo sie ist: neue, eingesetzte und
// importierte Kurse (zusammen etwa neun auf 130 Schritte) gegen gelöschte. Sonst wüchse die
// kleine Schule in 20000 Schritten auf das Siebenfache, weit über jede echte Schule hinaus, und
// jeder Schritt prüfte mehr. Ebenso die Abwesenheiten: "Abwesenheit weg" so oft, dass es in den
// gut sieben Wochen der Daten einige hundert bleiben wie in einer echten Schule (sonst fast
// 2000), und die automatische Planung so oft, dass der Plan nicht leer läuft, während gelöschte
// Kurse ihre Stunden mitnehmen und neue keine haben.

constexpr std::array<TArtInfo, static_cast<std::size_t>(TAblaufArt::Anzahl)> kArten{{
    {"ManuellOeffnen", 4},    {"ManuellSetzen", 14},     {"ManuellSchieben", 6},
    {"ManuellAblegen", 8},    {"ManuellLoeschen", 8},    {"ManuellFixieren", 5},
    {"ManuellWiderrufen", 3}, {"ManuellBlaettern", 6},   {"ManuellSchliessen", 2},
    {"Automatik", 3},         {"Komprimieren", 2},       {"PlaeneLoeschen", 1},
    {"RaeumeAufraeumen", 1},  {"StundenTauschen", 1},    {"ElementNeu", 2},
    {"ElementAendern", 2},    {"ElementLoeschen", 1},    {"KursNeu", 3},
    {"KursLoeschen", 8},      {"KursAendern", 6},        {"KurseKopieren", 2},
    {"KurseImportieren", 1},  {"Planversionen", 1},      {"Kalender", 1},
    {"Abwesenheit", 6},       {"AbwesenheitLang", 2},    {"AbwesenheitWeg", 10},
    {"Vertreter", 8},         {"VertretungLoeschen", 2}, {"AdHoc", 1},
    {"SichernOeffnen", 1},
}};

// Die Kopplungen (Kürzel), in denen ein Lehrer zwei Kurse hat: sie können nicht in einer Zelle
// liegen, ohne den Lehrer doppelt zu belegen.
std::set<std::string> KopplungenMitLehrerZweimal(const TSchule& schule) {
  std::set<std::string> kopplungen;
  for (const TKopplung* ko : schule.fKopplMenge) {
    std::set<const TLehrer*> gesehen;
    for (const TKurs* k : ko->fKurse)
      if (k->fLehrer && !gesehen.insert(k->fLehrer).second) kopplungen.insert(ko->fKuerzel.str());
  }
  return kopplungen;
}

// Eine Doppelbelegung, die mit den Stunden in eine andere Zelle gezogen ist: das Element war
// vorher schon doppelt belegt und ist es danach in nicht mehr Zellen als vorher.
bool DoppelbelegungMitgenommen(const TPlanVerstoesse& vorher, const TPlanVerstoesse& nachher,
                               const std::string& text) {
  const std::set<std::string> d = DoppeltBelegte({{text, Verstoss::Doppelt}});
  if (d.empty()) return false;
  auto zellen = [&d](const TPlanVerstoesse& v) {
    int n = 0;
    for (const auto& [t, art] : v)
      if (DoppeltBelegte({{t, art}}) == d) ++n;
    return n;
  };
  const int vor = zellen(vorher);
  return vor > 0 && zellen(nachher) <= vor;
}

// Eine Doppelbelegung als Element (seine Adresse) und Zelle, damit ein Umbenennen sie nicht
// ändert: je Lehrer, Klasse und Raum dieses Kürzels ein Schlüssel.
using TElementeNachKuerzel = std::multimap<std::string, const TElement*>;

TElementeNachKuerzel ElementeNachKuerzel(const TSchule& schule) {
  TElementeNachKuerzel nach;
  for (TKuerzelArt art : {leh, kla, rau})
    for (const TElement* e : schule.Elemente(art)) nach.emplace(e->fKuerzel.str(), e);
  return nach;
}

std::set<std::string> DoppeltNachElement(const TElementeNachKuerzel& elemente,
                                         const std::string& text) {
  std::set<std::string> schluessel;
  const std::size_t ende = text.rfind(" {");
  if (text.rfind("doppelt ", 0) != 0 || ende == std::string::npos || ende < 8) return schluessel;
  const auto [von, bis] = elemente.equal_range(text.substr(8, ende - 8));
  for (auto it = von; it != bis; ++it)
    schluessel.insert(std::to_string(reinterpret_cast<std::uintptr_t>(it->second)) +
                      text.substr(ende));
  return schluessel;
}

// Die Rechenzeit der Teile eines Laufs (--zeiten), in Sekunden Prozessorzeit.
struct TZeiten {
  bool an = false;
  std::map<std::string, double> summe;
  std::clock_t start = 0;
  std::string teil;
  void Beginn(const char* name) {
    if (!an) return;
    Ende();
    teil = name;
    start = std::clock();
  }
  void Ende() {
    if (!an || teil.empty()) return;
    summe[teil] += static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    teil.clear();
  }
  void Melden(const TSchule& s) {
    if (!an) return;
    Ende();
    for (const auto& [name, sek] : summe) std::cerr << name << ": " << sek << " s\n";
    std::size_t setzungen = 0;
    for (const TKurs* k : s.fKursMenge) setzungen += k->fSetzungen.size();
    std::cerr << "am Ende: " << s.fKursMenge.size() << " Kurse, " << setzungen << " Setzungen, "
              << s.fFehlLehrerMenge.size() + s.fFehlKlassenMenge.size() + s.fFehlRaumMenge.size()
              << " Abwesenheiten, " << s.fVertretungsMenge.size() << " Vertretungen, "
              << Standard().fMaxWocheNeu << " Planversionen\n";
  }
};

// Der Name der Regel einer Meldung: alles vor dem ersten Doppelpunkt oder der ersten Klammer.
std::string Regel(const std::string& meldung) {
  return meldung.substr(0, std::min(meldung.find(':'), meldung.find(" (")));
}

}  // namespace

bool SchulArtLesen(const std::string& name, TSchulArt& art) {
  if (name == "klein")
    art = TSchulArt::Klein;
  else if (name == "gross")
    art = TSchulArt::Gross;
  else if (name == "knapp")
    art = TSchulArt::Knapp;
  else if (name == "gymnasium")
    art = TSchulArt::Gymnasium;
  else if (name == "grundschule")
    art = TSchulArt::Grundschule;
  else
    return false;
  return true;
}

std::string SchulArtName(TSchulArt art) {
  switch (art) {
    case TSchulArt::Gross:
      return "gross";
    case TSchulArt::Knapp:
      return "knapp";
    case TSchulArt::Gymnasium:
      return "gymnasium";
    case TSchulArt::Grundschule:
      return "grundschule";
    default:
      return "klein";
  }
}

std::string SchulArtCpp(TSchulArt art) {
  std::string name = SchulArtName(art);
  name[0] = static_cast<char>(name[0] - 'a' + 'A');
  return name;
}

const char* AblaufArtName(TAblaufArt art) {
  const auto i = static_cast<std::size_t>(art);
  return i < kArten.size() ? kArten[i].Name : "?";
}

bool AblaufArtLesen(const std::string& name, TAblaufArt& art) {
  for (std::size_t i = 0; i < kArten.size(); ++i)
    if (name == kArten[i].Name) {
      art = static_cast<TAblaufArt>(i);
      return true;
    }
  return false;
}

std::vector<TSchritt> ZufallsSchritte(std::uint64_t saat, int n) {
  int summe = 0;
  for (const TArtInfo& a : kArten) summe += a.Gewicht;
  TZufall z(saat);
  std::vector<TSchritt> schritte;
  schritte.reserve(static_cast<std::size_t>(std::max(0, n)));
  for (int i = 0; i < n; ++i) {
    int r = z.Bis(summe);
    std::size_t a = 0;
    while (r >= kArten[a].Gewicht) r -= kArten[a++].Gewicht;
    schritte.push_back({static_cast<TAblaufArt>(a), static_cast<std::uint32_t>(z.Naechste())});
  }
  return schritte;
}

std::vector<TSchritt> SchritteAusBytes(const std::uint8_t* daten, std::size_t groesse) {
  std::vector<TSchritt> schritte;
  for (std::size_t i = 0; i + 5 <= groesse; i += 5) {
    TSchritt s;
    s.Art = static_cast<TAblaufArt>(daten[i] % static_cast<std::uint8_t>(TAblaufArt::Anzahl));
    s.Wert = std::uint32_t{daten[i + 1]} | std::uint32_t{daten[i + 2]} << 8 |
             std::uint32_t{daten[i + 3]} << 16 | std::uint32_t{daten[i + 4]} << 24;
    schritte.push_back(s);
  }
  return schritte;
}

std::vector<std::uint8_t> SchritteAlsBytes(const std::vector<TSchritt>& schritte) {
  std::vector<std::uint8_t> bytes;
  for (const TSchritt& s : schritte) {
    bytes.push_back(static_cast<std::uint8_t>(s.Art));
    for (int b = 0; b < 4; ++b) bytes.push_back(static_cast<std::uint8_t>(s.Wert >> (8 * b)));
  }
  return bytes;
}

std::string SchritteAlsText(const std::vector<TSchritt>& schritte) {
  std::string text;
  for (const TSchritt& s : schritte)
    text += std::string(AblaufArtName(s.Art)) + " " + std::to_string(s.Wert) + "\n";
  return text;
}

bool SchritteAusText(const std::string& text, std::vector<TSchritt>& schritte) {
  schritte.clear();
  std::istringstream ein(text);
  std::string zeile;
  while (std::getline(ein, zeile)) {
    std::istringstream z(zeile);
    std::string name;
    unsigned long long wert = 0;
    if (!(z >> name)) continue;
    TSchritt s;
    if (!AblaufArtLesen(name, s.Art) || !(z >> wert)) return false;
    s.Wert = static_cast<std::uint32_t>(wert);
    schritte.push_back(s);
  }
  return true;
}

std::string SchritteAlsCpp(const std::vector<TSchritt>& schritte) {
  std::string text = "{";
  for (std::size_t i = 0; i < schritte.size(); ++i)
    text += std::string(i ? ",\n " : "") + "{TAblaufArt::" + AblaufArtName(schritte[i].Art) + ", " +
            std::to_string(schritte[i].Wert) + "u}";
  return text + "}";
}

TAblaufErgebnis AblaufLaufen(TSchulArt art, const std::vector<TSchritt>& schritte,
                             const TAblaufOptionen& optionen) {
  TAblaufErgebnis ergebnis;
  TZeiten zeiten;
  zeiten.an = optionen.Zeiten;
  TAblaufSchule lauf(art);
  struct TAmEnde {
    TZeiten& zeiten;
    TAblaufSchule& lauf;
    ~TAmEnde() { zeiten.Melden(lauf.Schule()); }
  } amEnde{zeiten, lauf};
  auto fehler = [&](int i, std::string regel, std::string text) {
    ergebnis.Fehler = TAblaufFehler{i, std::move(regel), std::move(text)};
  };
  if (auto r = SchuleStimmt(lauf.Schule()); !r) {
    fehler(-1, "Beispielschule", r.message());
    return ergebnis;
  }
  const int n = static_cast<int>(schritte.size());
  // Die Verstöße nach dem vorigen Schritt sind die vor diesem.
  TPlanVerstoesse nachher = PlanVerstoesseDerSchule(lauf.Schule());
  // Die Bytes der zuletzt tief geprüften Schule: Sichern, Öffnen, Sichern und die
  // Konsistenzprüfung hängen nur an ihnen; eine Schule mit denselben Bytes ist schon geprüft.
  std::vector<std::uint8_t> geprueft;
  // Die Verstöße aller Stände, seit das Protokoll des Manuellfensters zuletzt leer war.
  std::set<std::string> seitProtokoll, seitProtokollDoppelt;
  auto merken = [&] {
    std::optional<TElementeNachKuerzel> elemente;  // erst, wenn es eine Doppelbelegung gibt
    for (const auto& [text, art] : nachher) {
      seitProtokoll.insert(text);
      if (art != Verstoss::Doppelt) continue;
      if (!elemente) elemente = ElementeNachKuerzel(lauf.Schule());
      for (const std::string& s : DoppeltNachElement(*elemente, text))
        seitProtokollDoppelt.insert(s);
    }
  };
  merken();
  for (int i = 0; i < n; ++i) {
    const TSchritt& s = schritte[static_cast<std::size_t>(i)];
    const bool pruefen = !optionen.NurAmEnde || i + 1 == n;
    if (optionen.NurAmEnde && i + 1 == n) nachher = PlanVerstoesseDerSchule(lauf.Schule());
    if (optionen.Protokoll)
      std::cerr << i << ' ' << AblaufArtName(s.Art) << ' ' << s.Wert << std::endl;
    const TPlanVerstoesse vorher = std::move(nachher);
    unsigned erlaubt = Verstoss::Keine;
    zeiten.Beginn("Operationen");
    try {
      const TSchrittWirkung w = lauf.Ausfuehren(s);
      if (w.Ausgefuehrt) ++ergebnis.Ausgefuehrt;
      erlaubt = w.Erlaubt;
    } catch (const std::exception& e) {
      fehler(i, "Ausnahme", std::string("Ausnahme: ") + e.what());
      return ergebnis;
    }
    zeiten.Ende();
    if (!pruefen) continue;
    zeiten.Beginn("Struktur und Vertretungen");
    if (!lauf.Verletzung().empty()) {
      fehler(i, Regel(lauf.Verletzung()), lauf.Verletzung());
      return ergebnis;
    }
    if (auto r = SchuleStimmt(lauf.Schule()); !r) {
      fehler(i, Regel(r.message()), r.message());
      return ergebnis;
    }
    std::function<bool(const std::string&)> auchErlaubt;
    // Der Tausch zweier Zeitfelder nimmt alle Stunden beider Felder mit: eine Kopplung, die
    // schon getrennt war, und ein Element, das schon doppelt belegt war, sind es danach in
    // anderen Zellen.
    if (s.Art == TAblaufArt::StundenTauschen)
      auchErlaubt = [getrennt = GetrennteKopplungen(vorher),
                     doppelt = DoppeltBelegte(vorher)](const std::string& text) {
        const std::set<std::string> k = GetrennteKopplungen({{text, Verstoss::Kopplung}});
        const std::set<std::string> d = DoppeltBelegte({{text, Verstoss::Doppelt}});
        return (!k.empty() && getrennt.count(*k.begin()) > 0) ||
               (!d.empty() && doppelt.count(*d.begin()) > 0);
      };
    // Ablegen mit Kopplung nimmt alle Kurse der Kopplung aus der Zelle mit: belegten sie dort
    // einen Lehrer oder Raum schon doppelt (ein Lehrer mit zwei Kursen der Kopplung, kopierte
    // Kurse im selben Raum), steht die Doppelbelegung danach in der neuen Zelle. Erlaubt, solange
    // das Element nicht in mehr Zellen doppelt belegt ist als vorher.
    if (s.Art == TAblaufArt::ManuellAblegen)
      auchErlaubt = [&vorher, &nachher](const std::string& text) {
        return DoppelbelegungMitgenommen(vorher, nachher, text);
      };
    // Die automatische Planung setzt die offenen Stunden einer Kopplung, deren Kurse schon
    // auseinanderliegen (manuell nur einer gelöscht, ein Kurs dazugekommen), so gut es geht, und
    // eine Kopplung, in der ein Lehrer zwei Kurse hat, ohne dessen zweiten Kurs: dort darf sie
    // die Kopplung nicht heilen können. Das Nachbessern tauscht Zellen mit allen ihren Stunden
    // und Räumen: eine schon doppelt belegte Zelle zieht dabei um (wie beim Tausch zweier
    // Zeitfelder).
    if (s.Art == TAblaufArt::Automatik)
      auchErlaubt = [getrennt = GetrennteKopplungen(vorher),
                     zweimal = KopplungenMitLehrerZweimal(lauf.Schule()), &vorher,
                     &nachher](const std::string& text) {
        const std::set<std::string> k = GetrennteKopplungen({{text, Verstoss::Kopplung}});
        if (!k.empty() && (getrennt.count(*k.begin()) > 0 || zweimal.count(*k.begin()) > 0))
          return true;
        return DoppelbelegungMitgenommen(vorher, nachher, text);
      };
    // "Widerrufen" nimmt die aufgezeichneten Schritte zurück: die Schule kehrt zu einem Stand
    // zurück, den sie seit dem leeren Protokoll schon hatte, mit dessen Verstößen (eine
    // Doppelbelegung, die der Import oder "Trotzdem" angelegt und ein Schieben aufgelöst hatte,
    // ist wieder da). Neu darf es nichts geben.
    if (s.Art == TAblaufArt::ManuellWiderrufen)
      // Auch unter neuem Namen: ein Element, das seitdem umbenannt wurde, war es schon.
      auchErlaubt = [&](const std::string& text) {
        if (seitProtokoll.count(text) > 0) return true;
        for (const std::string& s : DoppeltNachElement(ElementeNachKuerzel(lauf.Schule()), text))
          if (seitProtokollDoppelt.count(s) > 0) return true;
        return false;
      };
    zeiten.Beginn("Planverstöße");
    nachher = PlanVerstoesseDerSchule(lauf.Schule());
    if (auto r = KeineNeuenVerstoesse(vorher, nachher, erlaubt, auchErlaubt); !r) {
      fehler(i, Regel(r.message()), r.message());
      return ergebnis;
    }
    const TManuellProtokoll* protokoll = ManuellProtokoll();
    if (!protokoll || protokoll->fUndoListe.empty()) {
      seitProtokoll.clear();
      seitProtokollDoppelt.clear();
    }
    merken();
    if (optionen.Zusatz) {
      if (std::string t = optionen.Zusatz(lauf.Schule()); !t.empty()) {
        fehler(i, "Zusatz", "Zusatz: " + t);
        return ergebnis;
      }
    }
    const bool tief = s.Art == TAblaufArt::SichernOeffnen || i + 1 == n ||
                      (optionen.TiefAlle > 0 && (i + 1) % optionen.TiefAlle == 0);
    zeiten.Ende();
    if (tief) {
      zeiten.Beginn("Sichern, Öffnen, Konsistenz");
      std::vector<std::uint8_t> bytes;
      try {
        bytes = SchuleAlsBytes(lauf.Schule());
      } catch (const std::exception&) {
        bytes.clear();  // SichernStimmt meldet es
      }
      if (bytes.empty() || bytes != geprueft) {
        auto r = bytes.empty() ? SichernStimmt(lauf.Schule()) : SichernStimmt(lauf.Schule(), bytes);
        if (!r) {
          fehler(i, Regel(r.message()), r.message());
          return ergebnis;
        }
        geprueft = std::move(bytes);
      }
    }
  }
  return ergebnis;
}

std::vector<TSchritt> Verkleinern(TSchulArt art, std::vector<TSchritt> schritte,
                                  const TAblaufFehler& fehler, const TAblaufOptionen& optionen,
                                  int maxLaeufe) {
  if (fehler.Schritt >= 0 && fehler.Schritt + 1 < static_cast<int>(schritte.size()))
    schritte.resize(static_cast<std::size_t>(fehler.Schritt) + 1);
  int laeufe = 0;
  // Erst schnell (nur nach dem letzten Schritt geprüft), dann mit allen Prüfungen: scheitert die
  // schnell verkleinerte Folge auch so, geht es von ihr aus weiter, bis zu ihrem Fehler gekürzt.
  TAblaufOptionen schnell = optionen;
  schnell.NurAmEnde = true;
  schnell.TiefAlle = 0;
  schnell.Protokoll = false;
  const TAblaufOptionen* mit = &schnell;
  auto scheitert = [&](const std::vector<TSchritt>& folge) {
    ++laeufe;
    const TAblaufErgebnis e = AblaufLaufen(art, folge, *mit);
    return e.Fehler && e.Fehler->Regel == fehler.Regel;
  };
  auto weglassen = [&](std::vector<TSchritt> schritte) {
    // Stücke weglassen, von großen zu einzelnen Schritten, solange es scheitert.
    std::size_t stueck = std::max<std::size_t>(1, schritte.size() / 2);
    while (laeufe < maxLaeufe) {
      bool weniger = false;
      for (std::size_t ab = 0; ab < schritte.size() && laeufe < maxLaeufe;) {
        std::vector<TSchritt> ohne(schritte.begin(), schritte.begin() + static_cast<long>(ab));
        const std::size_t bis = std::min(schritte.size(), ab + stueck);
        ohne.insert(ohne.end(), schritte.begin() + static_cast<long>(bis), schritte.end());
        if (!ohne.empty() && scheitert(ohne)) {
          schritte = std::move(ohne);
          weniger = true;
        } else {
          ab += stueck;
        }
      }
      if (stueck == 1 && !weniger) break;
      if (!weniger) stueck = std::max<std::size_t>(1, stueck / 2);
    }
    return schritte;
  };
  if (!optionen.NurAmEnde) {
    std::vector<TSchritt> kurz = weglassen(schritte);
    const TAblaufErgebnis e = AblaufLaufen(art, kurz, optionen);
    if (e.Fehler && e.Fehler->Regel == fehler.Regel && e.Fehler->Schritt >= 0) {
      kurz.resize(static_cast<std::size_t>(e.Fehler->Schritt) + 1);
      schritte = std::move(kurz);
    }
    mit = &optionen;
    maxLaeufe += laeufe;
  }
  return weglassen(std::move(schritte));
}
