// TUVGrForm: das Datenfenster "Grunddaten " + Kürzel einer UV-Tabelle: die Info, die Art unter
// "Zeilen/Spalten" ("Klassen/Fächer" oder "Lehrer/Klassen") und die beiden Listen der Tabelle mit
// je einem Knopf zum Aufnehmen. Die Regeln stehen in ui/UVTabelleUnit.
#pragma once

#include <string>

#include "model/DienstUnit.h"
#include "ui/fenster/FensterBasisUnit.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class TUVTab;

class TUVGrForm : public TFensterBasis {
  Q_OBJECT

 public:
  explicit TUVGrForm(QWidget* parent = nullptr);

  void IUVGrForm(TUVTab* tab);
  TUVTab* UVTab() const;

  QLineEdit* InfoFeld = nullptr;
  QGroupBox* ArtGruppe = nullptr;
  QRadioButton* FachRadio = nullptr;    // "Klassen/Fächer"
  QRadioButton* LehrerRadio = nullptr;  // "Lehrer/Klassen"
  QLabel* LinksTitel = nullptr;
  QListWidget* LinksListe = nullptr;
  QPushButton* LinksKnopf = nullptr;
  QLabel* RechtsTitel = nullptr;
  QListWidget* RechtsListe = nullptr;
  QPushButton* RechtsKnopf = nullptr;

  // Handlungen (auch für Tests).
  void ArtRadioClick(bool istFach);
  void ListenKnopfClick(bool links);
  void ListeDoppelKlick(bool links, int zeile);

  // ---- TFenster ----
  int FensterArt() const override;
  std::string Titel() const override;
  void FensterUpdate() override;
  void FensterRefresh() override { FensterUpdate(); }
  void ElementZeigen(TElement* element) override;
  bool TextFeldHatFokus() const override;

 protected:
  bool eventFilter(QObject* objekt, QEvent* event) override;

 private:
  void Fuellen();

  bool fFuellt = false;
};

// Öffnet ein neues Datenfenster für die Tabelle und zeigt es.
TUVGrForm* NeuesUVGrFenster(TUVTab* tab);
