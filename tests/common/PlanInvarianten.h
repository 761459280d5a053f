// Was eine Planpflege (Komprimieren, Tauschen, Verschieben im Großen) nie verletzen darf,
// gemessen gegen einen Abzug des Plans davor: die Belegungen sind genau die Setzungen, keine
// neue Doppelbelegung von Lehrer, Raum oder Klasse (gekoppelte Kurse einer Klasse ausgenommen),
// keine neue Stunde in einer gesperrten Zelle, kein Kurs verliert oder gewinnt Stunden einer
// Woche, und jede fixierte Stunde liegt, wo sie lag (mit ihrem Raum).
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>
#include <vector>

class TSchule;
class TKurs;

class TPlanAbzug {
 public:
  // Nimmt den Plan der Schule auf.
  explicit TPlanAbzug(const TSchule& schule);

  // Zelle (Woche, Tag, Stunde) mit dem Raum (oder nichts) und der Fixierung.
  using TStunde = std::tuple<int, int, int, const void*, bool>;
  std::map<const TKurs*, std::vector<TStunde>> fStunden;
  // Doppelbelegungen und Stunden auf Sperrungen, die es schon vorher gab (als Text).
  std::set<std::string> fVerstoesse;
  // Wie viele Setzungen in andere Zellen wanderten (nach dem Vergleich).
  int Bewegt(const TSchule& schule) const;
};

// Die Verstöße des Plans, je einer als Text (für TPlanAbzug und den Vergleich).
std::set<std::string> PlanVerstoesse(const TSchule& schule);

// Prüft den Plan der Schule gegen den Abzug davor.
::testing::AssertionResult PlanUnversehrt(const TPlanAbzug& vorher, const TSchule& schule);
