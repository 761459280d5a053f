// Neue Fenster an ihren Platz: PositioniereFenster nach der Anordnung der Einstellungen, und der
// Platzwächter für Fenster und Dialoge, die sich selbst keinen Platz geben.
#pragma once

#include <QObject>
#include <QRect>
#include <optional>

#include "model/DienstUnit.h"

class QWidget;

// Das Hauptfenster (die Palette), wie die eingesetzte Fensterverwaltung es kennt; nichts ohne.
QWidget* PaletteFenster();
// Der Arbeitsbereich des Bildschirms des Formulars (ohne die Leisten des Systems).
QRect Arbeitsbereich(const QWidget& form);
// Für Tests: ein fester Arbeitsbereich statt des Bildschirms (nichts: wieder der Bildschirm).
void ArbeitsbereichVorgeben(std::optional<QRect> bereich);
// Der Index, den ein neues Fenster in der Liste der offenen Formulare bekommt: die Palette (0)
// und jedes Fenster der Fensterliste der Schule zählen; das neue kommt danach.
int NeuerFormIndex();
// Setzt das Formular mit dem Index i nach fFensterOrd in die Kaskade (Arbeitsbereich des
// Bildschirms, Lage und Knopfanordnung der Palette) und holt es nach vorn.
void PositioniereFenster(QWidget& form, int i);
// Die Lage des Formulars (ohne Rahmen) relativ zum Ursprung des Arbeitsbereichs seines
// Bildschirms, wie sie in die Schuldatei kommt.
TFensterLage FormLage(const QWidget& form);

// Setzt das Fenster an seinen gespeicherten Platz (Ecke mit Rahmen), aber nie unter die Palette
// oder aus dem Arbeitsbereich (FreierPlatz).
void GespeichertSetzen(QWidget& fenster, int links, int oben);

// Gibt einem Fenster oder Dialog, das gleich erscheint, seinen Platz neben der Palette:
// Dialoge zentriert über dem Fenster, das sie öffnete, Fenster oben links im freien Bereich.
void NeuesFensterPlatzieren(QWidget& fenster);

// Wacht über alle Fenster des Programms: eines, das ohne eigene Lage erscheint (nie bewegt;
// Qt zentriert Dialoge sonst über der Palette), bekommt seinen Platz nach
// NeuesFensterPlatzieren. Die Palette selbst und das Hintergrundfenster bleiben, wo sie sind.
class TFensterPlatzWaechter : public QObject {
 public:
  explicit TFensterPlatzWaechter(QObject* parent = nullptr);
  ~TFensterPlatzWaechter() override;

 protected:
  bool eventFilter(QObject* objekt, QEvent* event) override;
};
