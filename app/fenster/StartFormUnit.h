// Das Startbild: ohne Rahmen, mit Titel, Versionsdatum und der Beschreibung des Programms.
#pragma once

#include <QWidget>

class TStartForm : public QWidget {
  Q_OBJECT

 public:
  TStartForm();
  // Zeigt das Bild und wartet ms Millisekunden, ohne Eingaben anzunehmen; dann schließt es sich.
  void ZeigenUndWarten(int ms);
};
