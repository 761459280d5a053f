// Neue Fenster an ihren Platz: PositioniereFenster nach der Anordnung der Einstellungen.
#pragma once

#include "model/DienstUnit.h"

class QWidget;

// Der Index, den ein neues Fenster in der Liste der offenen Formulare bekommt: die Palette (0)
// und jedes Fenster der Fensterliste der Schule zählen; das neue kommt danach.
int NeuerFormIndex();
// Setzt das Formular mit dem Index i nach fFensterOrd in die Kaskade (Arbeitsbereich des
// Bildschirms, Lage und Knopfanordnung der Palette) und holt es nach vorn.
void PositioniereFenster(QWidget& form, int i);
// Die Lage des Formulars (ohne Rahmen) relativ zum Ursprung des Arbeitsbereichs seines
// Bildschirms, wie sie in die Schuldatei kommt.
TFensterLage FormLage(const QWidget& form);
