// "Vertretungsplanexport": der Zeitraum, für den der Vertretungsplan exportiert wird, als Tag,
// Monat und Jahr des ersten und des letzten Tages.
#pragma once

#include <QDialog>
#include <optional>
#include <utility>

#include "model/DatumUnit.h"

class QSpinBox;

class TVertrPlanZeit : public QDialog {
 public:
  TVertrPlanZeit(TDatum von, TDatum bis, QWidget* vater = nullptr);
  // Die Felder, wie sie stehen (berichtigt wird beim Übernehmen).
  TDatum Von() const;
  TDatum Bis() const;

  QSpinBox *VonTagSpin, *VonMonatSpin, *VonJahrSpin;
  QSpinBox *BisTagSpin, *BisMonatSpin, *BisJahrSpin;
};

// Zeigt den Dialog modal mit den Vorgaben; die Felder bei "Ok", nichts bei "Abbrechen".
std::optional<std::pair<TDatum, TDatum>> VertrPlanZeitAbfragen(QWidget* vater, TDatum von,
                                                               TDatum bis);
