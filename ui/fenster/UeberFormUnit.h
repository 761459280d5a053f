// "Über WinTamrel": Titel, Versionsdatum, der Name der Schuldatei und die Beschreibung, die
// langsam nach oben rollt. Ein Klick schließt das Fenster.
#pragma once

#include <QDialog>
#include <QTimer>
#include <string>

class QLabel;

// Die rollende Fläche: alle 25 ms einen Bildpunkt nach oben; nach 800 Bildpunkten zurück an den
// Anfang und 200 Takte Pause.
class TUeberLauf : public QWidget {
  Q_OBJECT

 public:
  explicit TUeberLauf(QWidget* parent = nullptr);
  int Verschiebung() const { return fVerschiebung; }
  int Pause() const { return fPause; }
  // Ein Takt des Zeitgebers.
  void Takt();
  QSize sizeHint() const override { return {260, 150}; }

 signals:
  void Geklickt();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int fVerschiebung = 0;
  int fPause = 0;
  QTimer fTimer;
};

class TUeberForm : public QDialog {
  Q_OBJECT

 public:
  // dateiName: der Name der Schuldatei (UTF-8), leer ohne Schule.
  explicit TUeberForm(const std::string& dateiName, QWidget* parent = nullptr);
  TUeberLauf* Lauf() const { return fLauf; }
  QLabel* Bild() const { return fBild; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* objekt, QEvent* event) override;

 private:
  TUeberLauf* fLauf = nullptr;
  QLabel* fBild = nullptr;
};

// Die Zeilen der Beschreibung, wie Startbild und "Über" sie zeigen.
const QStringList& BeschreibungsZeilen();
