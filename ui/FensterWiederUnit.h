// Wieder öffnen der Fenster, die mit einer Schule gespeichert wurden: welches Element ein Satz
// meint und wohin das Fenster kommt. Reine Logik; die Palette öffnet die Fenster.
#pragma once

#include "model/SchulUnit.h"
#include "ui/FensterPlatzUnit.h"

// Das Element eines Planfensters (Art 9, 10, 11): der Rest der Überschrift nach dem ersten
// Leerzeichen ist sein Kürzel; bei mehreren gleichen das letzte der Liste. Sonst nichts.
TPlanElement* PlanFensterElement(const TSchule& schule, const TFensterSatz& satz);

// Die Lage des wieder geöffneten Fensters: die gespeicherte linke bzw. obere Kante, wenn damit
// mindestens 200 Bildpunkte des Fensters im Arbeitsbereich bleiben und die Titelleiste nicht über
// dessen Oberkante liegt; Breite und Höhe nur kleiner, nie unter das Mindestmaß.
TFensterLage WiederLage(const TFensterLage& jetzt, const TFensterLage& satz,
                        const TRechteck& arbeit, int minBreite, int minHoehe);
