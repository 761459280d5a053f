// Gemeinsames der Dialoge "Voreinstellung für …": die Knöpfe "Ok", "Abbrechen" und "Wechseln"
// mit dem Wechselmenü, und der Ablauf, der nach "Wechseln" den gewählten Dialog öffnet.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/DienstUnit.h"

#include <QGroupBox>
#include <array>

class QBoxLayout;
class QLineEdit;
class QSlider;
class QMenu;
class QPushButton;
class QSpinBox;
class QLabel;

class TStandardForm : public QDialog {
 public:
  TStandardForm(const char* titel, QWidget* vater);

  // Übernimmt die Felder (wie die Regeln der Einheit VoreinstellungUnit sagen) und schließt.
  void OkKnopfClick();
  void AbbrechenKnopfClick();
  // Zeigt das Wechselmenü unter dem Knopf.
  void WechselKnopfClick();
  // Eine Wahl im Wechselmenü: übernimmt wie "Ok"; danach öffnet der Ablauf den gewählten Dialog.
  void Wechseln(const std::string& ziel);
  const std::string& WechselZiel() const { return fWechselZiel; }
  // Das Wechselmenü (für Tests; lebt mit dem Dialog).
  QMenu* WechselMenue() const { return fWechselMenue; }

  QPushButton *OkKnopf, *AbbrechenKnopf, *WechselKnopf;

 protected:
  virtual void Uebernehmen() = 0;
  // Der Platz der Felder über den Knöpfen.
  QBoxLayout* Inhalt() const { return fInhalt; }

 private:
  QBoxLayout* fInhalt;
  QMenu* fWechselMenue;
  std::string fWechselZiel;
};

// Der Dialog eines Eintrags des Wechselmenüs ("Eckdaten", "Kurse", …), oder nichts, wenn es
// ihn (noch) nicht gibt.
std::unique_ptr<TStandardForm> VoreinstellungsDialog(const std::string& eintrag, QWidget* vater);
// Es gibt den Dialog des Eintrags.
bool VoreinstellungVorhanden(const std::string& eintrag);
// Er ist vorhanden und jetzt wählbar ("Planversionen" erst ab zwei Planversionen).
bool VoreinstellungWaehlbar(const std::string& eintrag);

// Führt einen Dialog modal aus (Tests setzen eine eigene Ausführung ein).
using TDialogLauf = std::function<void(QDialog&)>;
// Öffnet den Dialog des Eintrags und nach "Wechseln" den gewählten, bis einer ohne Wechsel
// schließt. Liefert die Einträge, deren Dialog übernommen wurde, in Folge. Führt "Wechseln" zu
// einem Dialog, der kein "Voreinstellung für …" ist (Kalender, Automatik), steht er in weiter.
std::vector<std::string> VoreinstellungZeigen(std::string eintrag, QWidget* vater,
                                              const TDialogLauf& lauf = {},
                                              std::string* weiter = nullptr);

// Kleine Hilfen der Dialoge.
QSpinBox* ZahlFeld(QWidget* vater, int von, int bis, const char* name, int schritt = 1);

// Fünf Schieber 13..69 für die Breiten der Kürzel von Lehrern, Klassen, Kopplungen, Fächern und
// Räumen; jeder stellt die Breite eines Musterfelds "Kürzel" ein, und die ist der Wert.
class TBreitenFeld : public QGroupBox {
 public:
  explicit TBreitenFeld(QWidget* vater);
  std::array<int, 5> Werte() const;
  void Setze(const std::array<int, 5>& werte);
  QSlider* Schieber[5];
  QLineEdit* Muster[5];
};

// Der Schriftdialog; falsch bei "Abbrechen".
bool SchriftWaehlen(TSchrift& schrift, QWidget* vater);
QString SchriftText(const TSchrift& schrift);
