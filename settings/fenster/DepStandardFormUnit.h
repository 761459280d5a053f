// "Voreinstellung für Deputate": Schrift und Breiten der Deputatstabellen, was sie zeigen, und
// der Statistikzeitraum.
#pragma once

#include <functional>
#include <optional>
#include <utility>

#include "settings/fenster/SchriftStandardFormUnit.h"
#include "settings/VoreinstellungUnit.h"

class QCheckBox;

class TDepStandardForm : public TSchriftStandardForm {
 public:
  explicit TDepStandardForm(QWidget* vater = nullptr);

  TDepWerte Werte() const;
  // "mit Statistik" angehakt: der Statistikzeitraum wird erfragt.
  void StatistikCheckClick();
  // Für Tests: statt des Dialogs "Statistikzeitraum" diese Daten (nichts: Abbruch).
  std::function<std::optional<std::pair<TDateTime, TDateTime>>()> fZeitraumWahl;

  QCheckBox *NullStdCheck, *KursInfoCheck, *StatistikCheck, *ZusatzCheck;

 protected:
  void Uebernehmen() override;
  std::array<int, 5> BreitenMessen(TStandard& s, const TSchrift& schrift) const override;

 private:
  TDateTime fVon, fBis;
};
