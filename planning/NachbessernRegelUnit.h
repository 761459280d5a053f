// Regeln des Nachbesserns, die nicht am Plan hängen: die Einzelstundenbedingung der Automatik
// für eine Woche, die noch wächst.
#pragma once

#include "model/GlobalUnit.h"
#include "model/ToolsUnit.h"

// Lässt sich die Woche eines Kurses mit zahl[t] Stunden am Tag t (Tage 1..tage) durch weitere
// Stunden so ergänzen, dass sie die Einzelstundenbedingung der Automatik erfüllt
// (TAutomat::WocheStimmt): stunden Stunden, genau einzeln Tage mit einer Stunde und bei
// proTag > 1 (stunden − einzeln) / proTag Tage, mindestens einer, mit genau proTag Stunden?
// Ein Tag bekommt Stunden nur bis proTag dazu; einer mit mehr behält seine Zahl.
bool EinzelBedingungErreichbar(const TFeld<int, 1, MaxTage>& zahl, int tage, int stunden,
                               int proTag, int einzeln);
