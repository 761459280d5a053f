// Kleine Hilfen, die viele Fenster gleich brauchen: das Gitter, das das ganze Fenster füllt, ein
// Menü an einer Stelle öffnen und mit den Pfeiltasten zum vorigen oder nächsten Fenster blättern.
#pragma once

#include <QPointer>

#include "ui/fenster/PopupMenueUnit.h"

class QKeyEvent;
class QPoint;
class QWidget;
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
