// "Voreinstellung für Deputate": Schrift und Breiten der Deputatstabellen, was sie zeigen, und
// der Statistikzeitraum.
#pragma once

#include <functional>
#include <optional>
#include <utility>

#include "settings/StandardFormUnit.h"
#include "settings/VoreinstellungUnit.h"

class QCheckBox;
class QLineEdit;

class TDepStandardForm : public TStandardForm {
 public:
  explicit TDepStandardForm(QWidget* vater = nullptr);

  TDepWerte Werte() const;
  void SchriftKnopfClick();
  // Die Schrift setzen: die abgeleiteten Breiten werden neu gemessen, die Schieber folgen.
  void SetzeSchrift(const TSchrift& schrift);
  // "mit Statistik" angehakt: der Statistikzeitraum wird erfragt.
  void StatistikCheckClick();
  // Für Tests: statt des Dialogs "Statistikzeitraum" diese Daten (nichts: Abbruch).
  std::function<std::optional<std::pair<TDateTime, TDateTime>>()> fZeitraumWahl;

  QLineEdit* SchriftFeld;
  QPushButton* SchriftKnopf;
  TBreitenFeld* Breiten;
  QCheckBox *NullStdCheck, *KursInfoCheck, *StatistikCheck, *ZusatzCheck;

 protected:
  void Uebernehmen() override;

 private:
  TSchrift fSchrift;
  TDateTime fVon, fBis;
};
