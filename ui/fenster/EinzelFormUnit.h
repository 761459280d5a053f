// Ein Fenster, das es für die Schule höchstens einmal gibt ("Fehler", "Stundenverteilung",
// "Parallele Kopplungen", "Vertretungen"): es steht auf seinem Platz in der Schule, solange es
// angemeldet ist. Die Klasse übernimmt das Anmelden und Abmelden, das Schließen von außen und von
// Hand, das Aktivieren, die Umschalttasten und die Lage für die Schuldatei.
#pragma once

#include <QWidget>

#include "model/DienstUnit.h"

class TSchule;

class TEinzelForm : public QWidget, public TFenster {
 public:
  ~TEinzelForm() override;

  // ---- TFenster ----
  TFensterLage Lage() const override;
  // Von außen (Schule schließt, "Fenster schließen"): abmelden und schließen.
  void Schliessen() override;

 protected:
  // platz: der Platz des Fensters in der Schule (etwa &TSchule::fFehlerForm).
  explicit TEinzelForm(TFenster* TSchule::*platz);
  // Setzt das Fenster auf seinen Platz und meldet es an; liefert seinen Index für
  // PositioniereFenster (die Zahl der Formulare davor).
  int Anmelden();
  bool Angemeldet() const { return fAngemeldet; }
  // Meldet das Fenster ab (einmal; die Schule leert dabei seinen Platz).
  void Abmelden();
  // Läuft beim Abmelden, solange das Fenster noch angemeldet ist: etwa um die Lage zu merken
  // oder ein offenes Menü zu schließen. Aus dem Destruktor von TEinzelForm erreicht der Aufruf
  // die abgeleitete Klasse nicht mehr; sie meldet sich deshalb in ihrem eigenen Destruktor ab.
  virtual void BeimAbmelden() {}

  bool event(QEvent* event) override;
  // Nicht bei offenem Aufklappmenü der Palette; mit Alt schließen alle Fenster.
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  TFenster* TSchule::*fPlatz;
  bool fAngemeldet = false;
  bool fIntern = false;
};
