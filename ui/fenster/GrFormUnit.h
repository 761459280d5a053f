// TGrForm: das Datenfenster "Grunddaten X" eines Lehrers, einer Klasse, eines Raums, eines
// Fachs oder einer Kopplung. Je nach Art zeigt es Soll und Ist, Stammraum, Fächer, freien Tag,
// Klassenlehrer, die Kurstafel mit "Übernehmen", "einfach", die Listen des Fachs, die Sperrung
// und die Info. Die Regeln stehen in ui/GrundDatenUnit; jede Änderung geht sofort ins Modell.
// TUebernehmenForm ist der Dialog "Kurse übernehmen".
#pragma once

#include <QDialog>
#include <QPointer>
#include <string>

#include "model/DienstUnit.h"
#include "ui/GrundDatenUnit.h"
#include "ui/fenster/FensterBasisUnit.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class TKlasse;
class TPopupMenue;
class TSperrFeld;

class TUebernehmenForm : public QDialog {
  Q_OBJECT

 public:
  TUebernehmenForm(TKlasse* klasse, QWidget* parent = nullptr);
  // Die Quelle (zu Beginn die Klasse selbst); der Klick auf das Feld wählt sie aus dem
  // Klassenmenü.
  void SetzeQuelle(TKlasse* quelle);
  TKlasse* Quelle() const { return fQuelle; }
  GrundDaten::TUebernahme Art() const;

  QPushButton* KlassenFeld = nullptr;
  QRadioButton* OhneRadio = nullptr;
  QRadioButton* ErgaenzenRadio = nullptr;
  QRadioButton* EigeneRadio = nullptr;
  QCheckBox* KlassenraumCheck = nullptr;
  QPushButton* OkKnopf = nullptr;
  QPushButton* CancelKnopf = nullptr;

 private:
  TKlasse* fQuelle = nullptr;
};

class TGrForm : public TFensterBasis {
  Q_OBJECT

 public:
  explicit TGrForm(QWidget* parent = nullptr);
  ~TGrForm() override;

  void IGrForm(TElement* element);

  // Steuerelemente (nach Art vorhanden oder nicht).
  QLineEdit* InfoFeld = nullptr;
  QLabel* SollFeld = nullptr;
  QLabel* IstFeld = nullptr;
  QPushButton* SollAufKnopf = nullptr;
  QPushButton* SollAbKnopf = nullptr;
  QPushButton* RaumKnopf = nullptr;
  QListWidget* FachListe = nullptr;
  QPushButton* NeuesFachKnopf = nullptr;
  QCheckBox* FreierTagCheck = nullptr;
  QPushButton* Lehrer1Knopf = nullptr;
  QPushButton* Lehrer2Knopf = nullptr;
  QListWidget* KursListe = nullptr;
  QPushButton* NeuerKursKnopf = nullptr;
  QPushButton* StdAufKnopf = nullptr;
  QPushButton* StdAbKnopf = nullptr;
  QPushButton* UebernehmenKnopf = nullptr;
  QCheckBox* EinfachCheck = nullptr;
  QListWidget* LehrerListe = nullptr;
  QListWidget* KlassenListe = nullptr;
  QLabel* FachSummen = nullptr;
  TSperrFeld* SperrFeld = nullptr;
  QPointer<TPopupMenue> fPlanMenue;  // das Planmenü einer besetzten Sperrzelle

  // Handlungen (auch für Tests).
  void SollKnopfClick(int richtung);
  void StdKnopfClick(int richtung);
  void UebernehmenKnopfClick();
  void KursListeDoppelKlick(int zeile);
  void FachListeDoppelKlick(int zeile);
  // Rechte Maustaste ohne Werkzeug auf Zeile (ab 1) der Fächerliste des Lehrers oder der
  // Lehrer- oder Klassenliste des Fachs: die Kurse mit diesem Element in fPlanMenue; eine Wahl
  // öffnet das Kursfenster.
  void ListenMenue(QListWidget* liste, int zeile, const QPoint& bildschirmPos);

  // ---- TFenster ----
  int FensterArt() const override;
  std::string Titel() const override;
  void FensterUpdate() override;
  void FensterRefresh() override { FensterUpdate(); }
  void ElementZeigen(TElement* element) override;
  bool TextFeldHatFokus() const override;
  std::string MarkierterText() const override;
  void MarkiertenTextLoeschen() override;
  void TextEinsetzen(const std::string& text) override;

 protected:
  // Löst das Sperrfeld von den Sperrungen des Elements.
  void BeimAbmelden() override;
  bool eventFilter(QObject* objekt, QEvent* event) override;

 private:
  void Aufbauen();
  void KontextMenueAn(QListWidget* liste);
  void Fuellen();
  void RaumKnopfClick();
  void LehrerKnopfClick(int nummer);
  void NeuesFachKnopfClick();
  void NeuerKursKnopfClick();
  TKurs* GewaehlterKurs() const;

  QWidget* fInhalt = nullptr;
  bool fFuellt = false;
};

// Öffnet ein neues Datenfenster für das Element und zeigt es.
TGrForm* NeuesGrFenster(TElement* element);
