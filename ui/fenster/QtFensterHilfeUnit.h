// Kleine Hilfen, die viele Fenster gleich brauchen: das Gitter, das das ganze Fenster füllt, ein
// Menü an einer Stelle öffnen, mit den Pfeiltasten zum vorigen oder nächsten Fenster blättern und
// das Schließen von Hand.
#pragma once

#include <QPointer>

#include "ui/fenster/PopupMenueUnit.h"

class QCloseEvent;
class QKeyEvent;
class QPoint;
class QWidget;
class TFenster;
class TQuonGrid;

// Ein Gitter mit dem Objektnamen, ohne Rand über das ganze Fenster gelegt.
TQuonGrid* FensterGitter(QWidget* fenster, const char* name);
// Schließt das Menü in platz, wenn noch eines offen ist, und öffnet menue an der Stelle (auf dem
// Bildschirm); nach dem Schließen löscht es sich selbst.
TPopupMenue* MenueOeffnen(QPointer<TPopupMenue>& platz, TMenue menue, QWidget* vater,
                          const QPoint& bildschirmPos);
// Pfeil links bzw. rechts: zum vorigen bzw. nächsten Fenster (TFensterDienst::VorigerNaechster);
// wahr, wenn es eine dieser Tasten war.
bool PfeilBlaettern(const QKeyEvent& taste);
// Das Schließen von Hand (closeEvent): nicht, solange ein Aufklappmenü der Palette offen ist (das
// Ereignis wird abgelehnt, falsch); sonst schließt es mit Alt alle anderen Fenster mit.
bool VonHandSchliessen(QCloseEvent* event, const TFenster* fenster);
