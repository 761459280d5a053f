// Die Voreinstellungen mit Schrift und Kürzelbreiten (Deputate, Pläne): die Schrift mit "Ändern"
// und die fünf Breiten, die mit jeder neuen Schrift neu gemessen werden.
#pragma once

#include <array>

#include "settings/fenster/StandardFormUnit.h"

class QLineEdit;
class TStandard;

class TSchriftStandardForm : public TStandardForm {
 public:
  void SchriftKnopfClick();
  // Die Schrift setzen: die abgeleiteten Breiten werden neu gemessen, die Schieber folgen.
  void SetzeSchrift(const TSchrift& schrift);

  QLineEdit* SchriftFeld;
  QPushButton* SchriftKnopf;
  TBreitenFeld* Breiten;

 protected:
  TSchriftStandardForm(const char* titel, QWidget* vater);
  // Hängt die Schriftgruppe (mit fSchrift) und die Breiten an Inhalt().
  void SchriftUndBreitenAnlegen(const std::array<int, 5>& breiten);
  // Die Breiten der Schieber nach w (TDepWerte, TPlnWerte).
  template <class W>
  void BreitenLesen(W& w) const {
    const std::array<int, 5> b = Breiten->Werte();
    w.LeBreite = b[0];
    w.KlBreite = b[1];
    w.KoBreite = b[2];
    w.FaBreite = b[3];
    w.RaBreite = b[4];
  }
  // Misst die Breiten mit der Schrift in s (die Einstellungen; danach wieder wie vorher).
  virtual std::array<int, 5> BreitenMessen(TStandard& s, const TSchrift& schrift) const = 0;

  TSchrift fSchrift;
};
