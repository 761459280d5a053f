// Was ein Plan zeigt, ohne Fenster: die Stunden eines Lehrers, einer Klasse oder eines Raums in
// einer Woche. Die Planfenster, die Übersichten, das Manuellfenster, die Textausgabe des Plans und
// tamrel-cli füllen ihre Zellen damit; wie eine Zelle aussieht, rechnet ui/PlanZelleUnit.
#pragma once

#include <utility>
#include <vector>

#include "model/GlobalUnit.h"

class TKurs;
class TPlanElement;

// Der Inhalt eines Plans: je Zelle (Tag 1..Tage, Stunde 1..Stunden) der gezeigte Kurs und ob das
// Element dort in der Woche gesperrt ist.
class TPlanInhalt {
 public:
  TPlanInhalt(TKuerzelArt art = leh, int woche = 1, int tage = 5, int stunden = 6);

  TKuerzelArt Art() const { return fArt; }
  int Woche() const { return fWoche; }
  int Tage() const { return fTage; }
  int Stunden() const { return fStunden; }
  bool Enthaelt(int tag, int std) const {
    return tag >= 1 && tag <= fTage && std >= 1 && std <= fStunden;
  }
  // Der Kurs der Zelle; nichts außerhalb des Plans.
  TKurs* Kurs(int tag, int std) const;
  void SetKurs(int tag, int std, TKurs* kurs);
  bool Gesperrt(int tag, int std) const;
  void SetGesperrt(int tag, int std, bool gesperrt);

 private:
  std::size_t Index(int tag, int std) const;
  TKuerzelArt fArt;
  int fWoche;
  int fTage;
  int fStunden;
  std::vector<TKurs*> fKurse;
  std::vector<bool> fGesperrt;
};

// Die Plan-Art eines Elements: leh, kla oder rau (andere Elemente haben keinen Plan).
TKuerzelArt PlanArt(const TPlanElement& element);

// Die Zellen (Tag, Stunde), in denen der Kurs im Plan des Elements steht: jede Setzung des Kurses
// in der Woche bis Tag tage und Stunde stunden, in der Folge seiner Setzungen; im Plan eines Raums
// nur die Setzungen in diesem Raum. Alle Pläne (Planfenster, Übersichten, Manuellfenster,
// Textausgabe) tragen ihre Stunden hiermit ein.
std::vector<std::pair<int, int>> KursZellen(const TKurs& kurs, const TPlanElement& element,
                                            int woche, int tage, int stunden);

// Der Plan des Elements in der Woche mit tage Tagen und stunden Stunden. Lehrer und Klassen: jede
// Setzung ihrer Kurse in der Folge der Kursliste (ein späterer Kurs überschreibt einen früheren
// in derselben Zelle); Räume: nur Setzungen in diesem Raum. Dazu die Sperrungen des Elements.
TPlanInhalt PlanFuellen(const TPlanElement& element, int woche, int tage, int stunden);
// Dasselbe für die gezeigte Woche (fAktuelleWoche) mit fMaxTageNeu Tagen und fPlnStd Stunden.
TPlanInhalt PlanFuellen(const TPlanElement& element);
