// Die Vertretungsübersichten für Lehrer (TVLeStatForm, Fensterart 81) und für Klassen
// (TVKlStatForm, 82) über einen Zeitraum, und ihr Dialog "Vertretungsübersicht" (TVertrUebZeit).
// Die Zeilen rechnet VStatUnit; die Fenster zeigen sie nur.
#pragma once

#include <QDialog>
#include <QWidget>
#include <optional>
#include <vector>

#include "model/DienstUnit.h"
#include "model/GlobalUnit.h"
#include "substitution/VertrUnit.h"
#include "substitution/VStatUnit.h"
#include "ui/fenster/EinzelFormUnit.h"
#include "ui/fenster/QuonGridUnit.h"

class QSpinBox;
class QPushButton;
class TSchule;

class TVStatForm : public TEinzelForm {
  Q_OBJECT

 public:
  ~TVStatForm() override;

  TDateTime fVon = 0;
  TDateTime fBis = 0;
  TQuonGrid* StatGrid = nullptr;
  std::vector<TVStatZeile> fZeilen;

  // leh: Lehrer, kla: Klassen.
  virtual TKuerzelArt StatArt() const = 0;
  TDateTime VonZeit() const { return fVon; }
  TDateTime BisZeit() const { return fBis; }

  // Baut die Übersicht für den Zeitraum und zeigt sie, wenn mitShow.
  void IVStatForm(TDateTime Von, TDateTime Bis, bool mitShow);
  void DoCopy();
  // Eine Vertretung des Tages entstand oder verschwand: liegt der Tag im Zeitraum, vergisst
  // das Fenster die Vertretungen seiner Zeilen und baut sich gleich danach neu auf.
  void TagGeaendert(TDateTime datum);

  std::string Titel() const override;
  void FensterUpdate() override { IVStatForm(fVon, fBis, false); }
  void FensterRefresh() override { FensterUpdate(); }
  void Geaendert(const TModellAenderung& aenderung) override;
  // Die Lage auf dem Bildschirm (nicht wie die anderen Einzelfenster im Arbeitsbereich).
  std::string InhaltAlsText() const override;
  void AllesAuswaehlen() override;

 protected:
  // platz: &TSchule::fVLeStatForm bzw. &TSchule::fVKlStatForm.
  explicit TVStatForm(TFenster* TSchule::*platz);

 private:
  void Groesse();
  bool fNeuAufbau = false;
};

class TVLeStatForm : public TVStatForm {
  Q_OBJECT
 public:
  TVLeStatForm();
  TKuerzelArt StatArt() const override { return leh; }
  int FensterArt() const override { return 81; }
  void IVLeStatForm(TDateTime Von, TDateTime Bis, bool mitShow) { IVStatForm(Von, Bis, mitShow); }
};

class TVKlStatForm : public TVStatForm {
  Q_OBJECT
 public:
  TVKlStatForm();
  TKuerzelArt StatArt() const override { return kla; }
  int FensterArt() const override { return 82; }
  void IVKlStatForm(TDateTime Von, TDateTime Bis, bool mitShow) { IVStatForm(Von, Bis, mitShow); }
};

// "Vertretungsübersicht": von Datum und bis Datum, beide heute vorbelegt.
class TVertrUebZeit : public QDialog {
  Q_OBJECT

 public:
  explicit TVertrUebZeit(QWidget* parent = nullptr);
  QSpinBox* VonTag = nullptr;
  QSpinBox* VonMonat = nullptr;
  QSpinBox* VonJahr = nullptr;
  QSpinBox* BisTag = nullptr;
  QSpinBox* BisMonat = nullptr;
  QSpinBox* BisJahr = nullptr;
  QPushButton* OkKnopf = nullptr;
  QPushButton* AbbrechenKnopf = nullptr;
  // Die berichtigten Tage (mittags), bis nie vor von.
  TVertrZeitraum Zeitraum();
};

// "Vertretungsübersicht für Lehrer" (leh) bzw. "für Klassen" (kla): der Dialog, dann das
// Fenster (eines je Art) für den Zeitraum.
TVStatForm* VStatZeigen(TKuerzelArt art);
// Das Fenster für einen Zeitraum ohne Dialog (neu oder wiederverwendet).
TVStatForm* VStatOeffnen(TKuerzelArt art, TDateTime von, TDateTime bis);
// Der Dialog "Vertretungsübersicht" (oder sein Ersatz aus VStatZeitWahl); nichts bei "Abbrechen".
std::optional<TVertrZeitraum> VertrUebZeitAbfragen(QWidget* vater = nullptr);
// Für Tests: ersetzt den Dialog (nichts: "Abbrechen"). Leer: TVertrUebZeit modal.
std::function<std::optional<TVertrZeitraum>()>& VStatZeitWahl();
