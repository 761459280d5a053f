// Was die Planfenster (TPlnForm) und die Übersichten (TUebersichtForm) an ihrem Raster gleich
// machen: das Raster und den Wechselknopf anlegen, ein Mausereignis als Schritt lesen, Zellmenüs
// zeigen, beim Ziehen rollen und die Zielzelle wählen, die Kurse der Auswahl sammeln.
#pragma once

#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/MenueUnit.h"
#include "ui/PlanAktionUnit.h"
#include "ui/fenster/QuonGridUnit.h"

class QPushButton;
class QWidget;
class TKurs;
class TPopupMenue;

// Das Raster füllt das Fenster: Mehrfachauswahl, ziehbare Spaltenbreiten, eine feste Spalte und
// eine feste Zeile.
TQuonGrid* PlanRasterAnlegen(QWidget& fenster, const QString& name);
// Der Knopf in der linken oberen Ecke des Rasters, anfangs "o" (Kopplungen zeigen).
QPushButton* WechselKnopfAnlegen(TQuonGrid& raster, const QString& name);
// Der Knopf zeigt "o".
bool WechselKnopfO(const QPushButton& knopf);
// "o" und "x" wechseln, das Raster wird neu gezeichnet.
void WechselKnopfUmschalten(QPushButton& knopf, TQuonGrid& raster);

// Die gemerkten Umschalttasten des Fensters (Umschalt, Alt, Strg) und das Merken neuer.
unsigned PlanUmschalt();
void PlanUmschaltMerken(TUmschaltMenge umschalt);

// Werkzeug, Maustaste und Umschalttasten des Ereignisses, dazu was an der Zelle liegt.
TMausSchritt MausSchritt(const TGridMaus& maus, bool datenZelle, bool hatKurs, bool raumPlan);

// Zeigt das Zellmenü (in Spalten umbrochen) an der Bildschirmstelle; das vorige wird vorher
// gelöscht, offen zeigt danach auf das neue. Falsch (und nichts geschieht), wenn es leer ist.
bool ZellMenueZeigen(QWidget& fenster, QPointer<TPopupMenue>& offen, TMenue menue,
                     const QPoint& bildschirmPos);
// Die Bildschirmstelle am linken Rand der Zelle auf halber Höhe (dort gehen Zellmenüs auf).
QPoint UnterZelle(const TQuonGrid& raster, int col, int row);

// Ziehen über eine Kopfzeile oder unter die letzte sichtbare Zeile: eine Zeile weiter rollen.
// Liefert die Zeile, über der die Stunde nun steht.
int ZiehZeileRollen(TQuonGrid& raster, const TGridMaus& maus, int row);
// Dasselbe für Spalten (Kopfspalte, rechts der letzten sichtbaren Spalte).
int ZiehSpalteRollen(TQuonGrid& raster, const TGridMaus& maus, int col);
// Ist das Ziel angenommen und neu (nicht startX, startY), wird es die einzige ausgewählte Zelle
// und die neue Zielzelle, ins Bild gerollt.
void ZiehZielWaehlen(TQuonGrid& raster, const TZiehZiel& ziel, std::int32_t& startX,
                     std::int32_t& startY);

// Die Kurse der ausgewählten Zellen, jeder einmal, in der Folge der Auswahl.
std::vector<TKurs*> AuswahlKurse(const TQuonGrid& raster,
                                 const std::function<TKurs*(int, int)>& zellKurs);
// "Kopieren": der Text in die Zwischenablage; ein offenes Fenster der Zwischenablage zeigt ihn.
void TextAblegen(const std::string& text);
