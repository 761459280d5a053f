// Die Bilder der Werkzeugknöpfe und das Programmzeichen, als SVG-Texte im Programm.
#pragma once

#include <QIcon>
#include <QPixmap>

enum class TSymbol {
  Voriger,
  Naechster,
  Grunddaten,
  Deputate,
  Plaene,
  NeuerKurs,
  KursLoeschen,
  Zeigen,
  Setzen,
  Loeschen,
  Schieben,
  Fixieren,
  Manuell,
  Automatik,
  Programm,
};

// Der SVG-Text eines Bildes (24 × 24 Einheiten; das Programmzeichen 64 × 64).
const char* SymbolSvg(TSymbol symbol);
// Das Bild in einer Größe (Pixel, quadratisch), mit der Pixeldichte des Bildschirms.
QPixmap SymbolBild(TSymbol symbol, int groesse);
// Das Bild als Icon in den üblichen Größen.
QIcon SymbolIcon(TSymbol symbol);
