// Warum Stunden eines Kurses offen bleiben: je Grund die Zahl der Zellen des Rasters (Tage
// fMaxTageNeu × Stunden fPlnStd, in jeder Woche der Arbeitswoche(n), in der der Kurs Stunden offen
// hat), in denen er eine weitere Stunde nicht bekäme. Eine Zelle zählt bei jedem Grund, der dort
// zutrifft; Zellen, in denen der Kurs schon eine Stunde hat, zählen nicht.
#pragma once

#include <string>

class TKurs;

struct TOffenGruende {
  int zellen = 0;        // betrachtete Zellen
  int lehrerBelegt = 0;  // der Lehrer gibt dort eine andere Stunde
  int klasseBelegt = 0;  // eine Klasse hat dort eine Stunde außerhalb der Kopplung des Kurses
  int gesperrt = 0;      // Kurs, Lehrer oder eine Klasse gesperrt
  int raum = 0;          // der Kurs hat Räume, keiner ist dort frei
  int proTag = 0;        // die Stunden-pro-Tag-Regel (Zahl, Block, verbundene Zellen der Tabelle)
  int einzel = 0;        // die Einzelstundenregel wäre danach nicht mehr erreichbar
  int kopplung = 0;      // ein anderer Kurs der Kopplung ist dort belegt oder gesperrt
  int frei = 0;          // kein Grund: die Zelle ginge
};

// Die Gründe des Kurses in den Wochen mit offenen Stunden. einzelWichtig: die Einzelstundenregel
// zählt (fAuEinzelUnwichtig aus).
TOffenGruende OffenGruende(const TKurs& kurs, bool einzelWichtig);

// "Lehrer belegt N, Klasse belegt N, gesperrt N, Raum N, Stunden pro Tag N, Einzelstunden N,
// Kopplung N, frei N (von N Zellen)" (UTF-8).
std::string OffenGruendeText(const TOffenGruende& g);
