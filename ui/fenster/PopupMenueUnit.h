// TPopupMenue: zeigt ein Menümodell (TMenue) als Aufklappmenü mit ausdrücklichen
// Spaltenumbrüchen, Häkchen, gesperrten Einträgen, Trennlinien und Untermenüs. Dient den
// Elementmenüs "Le", "Kl", …, den Zellmenüs der Planfenster und den Auswahllisten.
#pragma once

#include <QPointer>
#include <QStyleOptionMenuItem>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "model/MenueUnit.h"

class QEventLoop;

class TPopupMenue : public QWidget {
  Q_OBJECT

 public:
  // Das Menü hält eine eigene Kopie des Modells.
  explicit TPopupMenue(TMenue menue, QWidget* parent = nullptr);
  ~TPopupMenue() override;

  const TMenue& Menue() const { return *fMenue; }

  // Zeigt das Menü mit der linken oberen Ecke an einer Bildschirmstelle (so weit es der
  // Arbeitsbereich des Bildschirms erlaubt) und kehrt sofort zurück.
  void Popup(const QPoint& bildschirmPos);
  // Zeigt das Menü und wartet auf die Wahl. Führt die Aktion des gewählten Eintrags aus und
  // liefert ihn (gültig, solange das Menü lebt); nichts, wenn ohne Wahl geschlossen.
  const TMenueEintrag* Exec(const QPoint& bildschirmPos);
  // Schließt das Menü (mit allen Untermenüs) ohne Wahl.
  void Schliessen();

  // Wählt Eintrag i dieses Menüs wie mit der Maus: falsch, wenn er nicht wählbar ist
  // (gesperrt, Trennlinie, Untermenü). Schließt das Menü und führt die Aktion aus.
  bool Waehle(int index);
  // Wählt über einen Pfad durch die Untermenüs, z. B. {2, 0}.
  bool WaehlePfad(const std::vector<int>& pfad);

  // Das Ergebnis der letzten Anzeige.
  const TMenueEintrag* GewaehlterEintrag() const { return fErgebnis; }
  const std::vector<int>& GewaehlterPfad() const { return fErgebnisPfad; }
  // Umschalttasten im Augenblick der Wahl.
  Qt::KeyboardModifiers Tasten() const { return fTasten; }

  // Aufbau, wie er gezeichnet wird.
  int SpaltenZahl() const { return static_cast<int>(fSpaltenAnfang.size()); }
  // Index des ersten Eintrags jeder Spalte.
  const std::vector<int>& SpaltenAnfaenge() const { return fSpaltenAnfang; }
  int SpalteVon(int index) const;
  QRect EintragRechteck(int index) const;
  // Eintrag an einer Stelle des Menüs oder -1.
  int EintragAn(const QPoint& pos) const;
  // Gesperrte Einträge, Trennlinien und Einträge ohne Text sind nicht wählbar.
  bool Waehlbar(int index) const;
  bool HatUntermenue(int index) const;
  // Die Stiloption, mit der der Eintrag gezeichnet wird (Häkchen, gesperrt, markiert).
  QStyleOptionMenuItem StilOption(int index) const;

  int Markiert() const { return fMarkiert; }
  void Markiere(int index);
  TPopupMenue* OffenesUntermenue() const { return fKind.data(); }
  TPopupMenue* Eltern() const { return fEltern; }
  // Öffnet das Untermenü des Eintrags (für Tastatur und Tests); falsch, wenn keines.
  bool OeffneUntermenue(int index, bool ersterMarkiert = false);

  // Wie viele Menüs gerade offen sind (Fenster schließen sich nicht, solange eines offen ist).
  static int OffeneMenues();

  QSize sizeHint() const override;

 signals:
  // Nach der Wahl und der Aktion.
  void EintragGewaehlt(const TMenueEintrag* eintrag);
  // Das Menü ist zu (mit oder ohne Wahl).
  void Geschlossen();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  TPopupMenue(TPopupMenue* eltern, int index);
  void Einrichten();
  void Anordnen();
  void ZeigeAn(const QPoint& pos, const QRect& ausweichen);
  TPopupMenue* Wurzel();
  std::vector<int> Pfad() const;
  void Fertig(int index);
  void Abschliessen(const TMenueEintrag* eintrag, std::vector<int> pfad);
  void SchliesseKind();
  void Ueber(const QPoint& pos, Qt::MouseButtons knoepfe);
  bool Weitergeben(QMouseEvent* event);
  int Naechster(int ab, int schritt) const;
  int InSpalte(int spalte, int zeile) const;
  void Spaltenwechsel(int richtung);
  void Buchstabe(const QString& text);
  void TimerAbgelaufen();

  TMenue fEigenes;                 // nur das Wurzelmenü besitzt das Modell
  const TMenue* fMenue = nullptr;  // das gezeigte Menü (Wurzel oder Untermenü)
  TPopupMenue* fEltern = nullptr;
  int fIndexImEltern = -1;
  QPointer<TPopupMenue> fKind;

  std::vector<QRect> fRechtecke;
  std::vector<int> fSpaltenAnfang;
  std::vector<int> fSpalte;  // Spalte je Eintrag
  std::vector<int> fZeile;   // Zeile je Eintrag innerhalb der Spalte
  std::vector<int> fTrennerX;
  QSize fGroesse;
  bool fHaken = false;  // mindestens ein Eintrag mit Häkchen: Platz dafür lassen

  int fMarkiert = -1;
  bool fDruckInnen = false;
  bool fZugMitKnopf = false;
  QTimer fTimer;

  bool fOffen = false;
  bool fFertig = false;
  QEventLoop* fSchleife = nullptr;
  const TMenueEintrag* fErgebnis = nullptr;
  std::vector<int> fErgebnisPfad;
  Qt::KeyboardModifiers fTasten;
};
