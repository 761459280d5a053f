// Der Dialog "Suche Lösung": sucht Anordnungen der parallelen Kopplungen ohne Lehrerkonflikt,
// zählt sie ("Kombination Nr.:") und zeigt die verstrichene Zeit. "Anhalten" hält die Suche an;
// ohne laufende Suche schließt es den Dialog. Er läuft modal.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <memory>

#include "planning/ParSucheUnit.h"

class QLabel;
class QPushButton;
class TParTabelle;

class TParSuchForm : public QDialog {
  Q_OBJECT

 public:
  TParSuchForm(TParTabelle& tabelle, QWidget* parent = nullptr);

  QLabel* KombinationFeld = nullptr;  // die Zahl hinter "Kombination Nr.:"
  QLabel* ZeitFeld = nullptr;
  QLabel* ErgebnisFeld = nullptr;
  QPushButton* AnhaltenKnopf = nullptr;

  // Sucht bis zum Ende oder bis "Anhalten"; eine gefundene Lösung kommt in die Tabelle.
  void Starte();
  void AnhaltenKnopfClick();
  bool Laeuft() const { return fLaeuft; }
  const TParSuche* Suche() const { return fSuche.get(); }

 protected:
  void showEvent(QShowEvent* event) override;
  void reject() override;

 private:
  void Anzeigen();

  TParTabelle& fTabelle;
  std::unique_ptr<TParSuche> fSuche;
  QElapsedTimer fUhr;
  bool fLaeuft = false;
  bool fAnhalten = false;
  bool fGestartet = false;
};
