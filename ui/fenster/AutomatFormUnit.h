// Die Fenster der automatischen Planung: der Startdialog "Automatisches Rechnen"
// (TAutoStartForm) mit den fünf Einstellungen und dem Nachbessern und das modale Planungsfenster
// TAutomatForm mit "noch zu setzen", "nicht verplanbar", dem Fortschrittsbalken und den Knöpfen
// "Start", "Abbrechen", "Ok" und "nicht verplanbare Stunden zeigen". Gerechnet wird in
// planning/AutomatUnit; das Fenster ist dessen Anzeige und lässt zwischen zwei Kursen die Eingaben
// laufen.
#pragma once

#include <QDialog>
#include <vector>

#include "planning/AutomatUnit.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;
class TKurs;

class TAutoStartForm : public QDialog {
  Q_OBJECT

 public:
  // Füllt die Felder aus den Einstellungen.
  explicit TAutoStartForm(QWidget* parent = nullptr);
  // "Ok": schreibt die fünf Werte in die Einstellungen.
  void OkKnopfClick();

  QSpinBox* StdSpin = nullptr;
  QSpinBox* ProzentSpin = nullptr;
  QCheckBox* RaumCheck = nullptr;
  QCheckBox* EinzelCheck = nullptr;
  QCheckBox* FreiCheck = nullptr;
  QCheckBox* NachbessernCheck = nullptr;
  QSpinBox* NachbessernSpin = nullptr;  // Zeitgrenze in Sekunden
  QPushButton* OkKnopf = nullptr;
  QPushButton* CancelKnopf = nullptr;
};

class TAutomatForm : public QDialog, public TAutomatAnzeige {
  Q_OBJECT

 public:
  explicit TAutomatForm(QWidget* parent = nullptr);
  // Sammelt die Kurse aus der Auswahl und zeigt die Zähler.
  void IAutomatForm(const std::vector<TKurs*>& auswahl);

  void StartKnopfClick();
  void CancelKnopfClick();
  void OkKnopfClick();
  void NVPZeigKnopfClick();

  const TAutomat& Automat() const { return fAutomat; }

  QLabel* RestFeld = nullptr;
  QLabel* nvpFeld = nullptr;
  QLabel* ZeitFeld = nullptr;  // verstrichene Zeit des Nachbesserns
  QProgressBar* Fortschrittsbalken = nullptr;
  QPushButton* StartKnopf = nullptr;
  QPushButton* CancelKnopf = nullptr;
  QPushButton* OkKnopf = nullptr;
  QPushButton* NVPZeigKnopf = nullptr;
  // Nach der Rechnung je Kurs, der offen blieb: "KURS: Gründe" (OffenGruendeText).
  QListWidget* GruendeListe = nullptr;

  // ---- TAutomatAnzeige ----
  void Zaehler(int nochZuSetzen, int nichtVerplanbar) override;
  void Fortschritt(int position, int maximum) override;
  void Zustand(TAutomatZustand zustand) override;
  void NachKurs() override;
  void Piep() override;
  void Nachbessern(int nochZuSetzen, double sekunden) override;

  // Escape und Schließen während der Rechnung wirken wie "Abbrechen": das Fenster bleibt offen
  // (und modal), bis die Rechnung angehalten hat, und schließt sich dann.
  void reject() override;

 private:
  TAutomat fAutomat;
  bool fRechnet = false;
  bool fSchliessenNachRechnen = false;
};

// "Automatik": der Startdialog und, nach "Ok", das Planungsfenster mit den ausgewählten Kursen
// des aktiven Fensters (UV-Tabelle oder Deputatsfenster; sonst keine Kurse).
void AutomatikRechnung(QWidget* eltern);
