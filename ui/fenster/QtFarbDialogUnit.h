// Der Farbdialog des Programms: der Farbdialog von Qt mit den 16 eigenen Farben der
// Einstellungen (fCustomFarbe). Kursfenster und Voreinstellungen nutzen ihn.
#pragma once

#include <QColor>
#include <optional>

#include "model/GlobalUnit.h"

class QWidget;

// Umwandlung zwischen den Farben des Programms (0x00BBGGRR) und Qt.
QColor ZuQColor(TColor farbe);
TColor ZuTColor(const QColor& farbe);

// Zeigt den Farbdialog modal mit der Farbe und den 16 eigenen Farben der Einstellungen; danach
// stehen die eigenen Farben des Dialogs wieder in den Einstellungen (auch bei "Abbrechen").
// Liefert die gewählte Farbe, nichts bei "Abbrechen".
std::optional<TColor> FarbeWaehlen(TColor farbe, QWidget* parent);
