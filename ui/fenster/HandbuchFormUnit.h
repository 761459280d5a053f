// Das Fenster "Tamrel-Handbuch": das Handbuch des Programms (docs/Handbuch.md, ins Programm
// eingebunden) in einem Textbrowser, auf Wunsch bei einem Abschnitt.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <string>

class QTextBrowser;

class THandbuchForm : public QWidget {
  Q_OBJECT

 public:
  // Öffnet das eine Handbuchfenster (Kind von eltern) oder holt es nach vorn und springt zum
  // Abschnitt mit dieser Überschrift; leer oder unbekannt: an den Anfang.
  static THandbuchForm* Zeigen(QWidget* eltern, const std::string& abschnitt);
  static THandbuchForm* Offen() { return sInstanz; }

  // Die Überschrift, bei der das Fenster steht (die letzte Überschrift vor dem Textzeiger).
  QString AktuellerAbschnitt() const;
  QTextBrowser* Browser() const { return fBrowser; }
  // Falsch, wenn das Handbuch nicht ins Programm eingebunden ist.
  bool HatText() const { return fHatText; }

 private:
  explicit THandbuchForm(QWidget* eltern);
  void Springen(const QString& abschnitt);

  static inline QPointer<THandbuchForm> sInstanz;
  QTextBrowser* fBrowser = nullptr;
  bool fHatText = false;
};
