// Was eine Rechnung der automatischen Planung (Automatik, Nachbessern) nie verletzen darf,
// gemessen gegen einen Abzug davor:
//  - keine neue Doppelbelegung von Lehrer, Raum oder Klasse (die Kurse einer Kopplung dürfen
//    zugleich in einer Klasse liegen) und keine neue Stunde auf einer Sperrung;
//  - keine fixierte Stunde bewegt (dieselbe Setzung in derselben Zelle mit demselben Raum);
//  - nichts außerhalb der Auswahl (und der Kopplungen ihrer Kurse) bewegt;
//  - kein Kurs hat in einer Woche weniger Stunden als vorher;
//  - jede Woche eines Kurses, die die Einzelstundenbedingung erfüllte (TAutomat::WocheStimmt),
//    erfüllt sie noch;
//  - eine Stunde, die in ihrer Zelle blieb, ist dieselbe Setzung mit denselben Vertretungen
//    (mit ihrem Vertreter).
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

class TSchule;
class TKurs;
class TSetzung;

class TPlanungsAbzug {
 public:
  TPlanungsAbzug(const TSchule& schule, const std::vector<TKurs*>& auswahl);

  struct TStunde {
    const TSetzung* setzung;
    int woche, tag, std;
    const void* raum;
    bool fixiert;
    std::vector<std::pair<const void*, const void*>> vertretungen;  // Vertretung, Vertreter
  };
  struct TKursStand {
    std::vector<TStunde> stunden;
    std::map<int, int> jeWoche;  // gesetzte Stunden je Woche
    std::set<int> richtig;       // Wochen, die TAutomat::WocheStimmt erfüllen
  };
  std::map<const TKurs*, TKursStand> fKurse;
  std::set<const TKurs*> fAuswahl;  // mit den Kursen ihrer Kopplungen
  std::set<std::string> fVerstoesse;

  static TKursStand Stand(const TKurs& k);
};

::testing::AssertionResult PlanungUnversehrt(const TPlanungsAbzug& vorher, const TSchule& schule);
