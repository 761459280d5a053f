#include "ui/fenster/SymbolUnit.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// Gemeinsame Farben: Linien dunkelgrau, Akzent blau, Warnung rot, Neues grün.
#define SVG_KOPF                                                             \
  "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 24 24' fill='none' " \
  "stroke='#34495e' stroke-width='1.6' stroke-linecap='round' stroke-linejoin='round'>"
#define SVG_ENDE "</svg>"

constexpr const char* kVoriger =
    SVG_KOPF "<path d='M15 5 L8 12 L15 19' stroke='#2a6fb0' stroke-width='2.6'/>" SVG_ENDE;

constexpr const char* kNaechster =
    SVG_KOPF "<path d='M9 5 L16 12 L9 19' stroke='#2a6fb0' stroke-width='2.6'/>" SVG_ENDE;

// Karteikarte mit Kopf und Zeilen: die Stammdaten.
constexpr const char* kGrunddaten = SVG_KOPF
    "<rect x='3.5' y='4.5' width='17' height='15' rx='1.5' fill='#fdfefe'/>"
    "<circle cx='8' cy='10' r='2' fill='#2a6fb0' stroke='none'/>"
    "<path d='M5.5 15.5 Q8 12.5 10.5 15.5'/>"
    "<path d='M13 9 H18 M13 12 H18 M13 15 H16.5'/>" SVG_ENDE;

// Liste mit Stundenzahlen: die Deputate.
constexpr const char* kDeputate = SVG_KOPF
    "<rect x='3.5' y='3.5' width='17' height='17' rx='1.5' fill='#fdfefe'/>"
    "<path d='M6 8 H13 M6 12 H13 M6 16 H13'/>"
    "<path d='M15.5 8 H18 M15.5 12 H18 M15.5 16 H18' stroke='#2a6fb0' stroke-width='2'/>" SVG_ENDE;

// Wochenraster: die Pläne.
constexpr const char* kPlaene = SVG_KOPF
    "<rect x='3.5' y='4.5' width='17' height='15' rx='1' fill='#fdfefe'/>"
    "<path d='M3.5 8.5 H20.5 M9 8.5 V19.5 M14.5 8.5 V19.5 M3.5 12.5 H20.5 M3.5 16 H20.5'/>"
    "<rect x='9.6' y='9.1' width='4.3' height='2.8' fill='#2a6fb0' stroke='none'/>"
    "<rect x='15.1' y='13.1' width='4.8' height='2.3' fill='#2a6fb0' stroke='none'/>" SVG_ENDE;

// Kurs mit Pluszeichen.
constexpr const char* kNeuerKurs = SVG_KOPF
    "<rect x='3.5' y='6.5' width='12' height='11' rx='1.5' fill='#fdfefe'/>"
    "<path d='M6 10 H13 M6 13.5 H11'/>"
    "<path d='M18.5 4 V11 M15 7.5 H22' stroke='#2e8b57' stroke-width='2.4'/>" SVG_ENDE;

// Kurs mit Kreuz.
constexpr const char* kKursLoeschen = SVG_KOPF
    "<rect x='3.5' y='6.5' width='12' height='11' rx='1.5' fill='#fdfefe'/>"
    "<path d='M6 10 H13 M6 13.5 H11'/>"
    "<path d='M16 4.5 L21.5 10 M21.5 4.5 L16 10' stroke='#c0392b' stroke-width='2.4'/>" SVG_ENDE;

// Mauszeiger: nur zeigen.
constexpr const char* kZeigen = SVG_KOPF
    "<path d='M7 3.5 L7 19 L11 15 L13.8 21 L16.3 19.9 L13.5 14 L19 14 Z' fill='#fdfefe'/>" SVG_ENDE;

// Stunde wird in eine Zelle gesetzt.
constexpr const char* kSetzen = SVG_KOPF
    "<rect x='10.5' y='10.5' width='10' height='10' rx='1' fill='#fdfefe'/>"
    "<rect x='12.5' y='12.5' width='6' height='6' fill='#2a6fb0' stroke='none'/>"
    "<path d='M3.5 3.5 L10 10 M10 5 V10 H5' stroke='#2e8b57' stroke-width='2'/>" SVG_ENDE;

// Zelle mit Kreuz: Stunde löschen.
constexpr const char* kLoeschen = SVG_KOPF
    "<rect x='4.5' y='4.5' width='15' height='15' rx='1' fill='#fdfefe'/>"
    "<path d='M8 8 L16 16 M16 8 L8 16' stroke='#c0392b' stroke-width='2.4'/>" SVG_ENDE;

// Zwei Zellen und ein Pfeil: schieben.
constexpr const char* kSchieben = SVG_KOPF
    "<rect x='2.5' y='8.5' width='7' height='7' rx='1' fill='#2a6fb0' stroke='#2a6fb0'/>"
    "<rect x='14.5' y='8.5' width='7' height='7' rx='1' fill='#fdfefe' stroke-dasharray='2 1.5'/>"
    "<path d='M9.5 12 H14 M11.5 9.5 L14 12 L11.5 14.5' stroke='#2e8b57' "
    "stroke-width='1.8'/>" SVG_ENDE;

// Reißzwecke: fixieren.
constexpr const char* kFixieren = SVG_KOPF
    "<path d='M9 3.5 H15 L14 9 L17.5 12.5 H6.5 L10 9 Z' fill='#c0392b' stroke='#8e2b20'/>"
    "<path d='M12 12.5 V21' stroke-width='1.8'/>" SVG_ENDE;

// Hand: von Hand setzen.
constexpr const char* kManuell = SVG_KOPF
    "<path d='M8 12 V5.5 a1.4 1.4 0 0 1 2.8 0 V11 V4.5 a1.4 1.4 0 0 1 2.8 0 V11 V5.5 "
    "a1.4 1.4 0 0 1 2.8 0 V12 V8 a1.4 1.4 0 0 1 2.8 0 V14 c0 4 -2.5 6.5 -6.5 6.5 "
    "c-3 0 -4.5 -1.5 -6 -4 L4.5 13 a1.4 1.4 0 0 1 2.3 -1.6 Z' fill='#fdebd0'/>" SVG_ENDE;

// Zahnrad mit Blitz: automatisch setzen.
constexpr const char* kAutomatik = SVG_KOPF
    "<circle cx='12' cy='12' r='6.5' fill='#fdfefe'/>"
    "<path d='M12 2.5 V5.5 M12 18.5 V21.5 M2.5 12 H5.5 M18.5 12 H21.5 M5.3 5.3 L7.4 7.4 "
    "M16.6 16.6 L18.7 18.7 M5.3 18.7 L7.4 16.6 M16.6 7.4 L18.7 5.3' stroke-width='2.2'/>"
    "<path d='M13 7.5 L9.5 12.5 H12.5 L11 16.5 L14.5 11.5 H11.5 Z' fill='#f1c40f' "
    "stroke='#b7950b' stroke-width='0.8'/>" SVG_ENDE;

// Das Programmzeichen: ein Stundenplanraster mit farbigen Stunden.
constexpr const char* kProgramm =
    "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 64 64'>"
    "<rect x='4' y='8' width='56' height='50' rx='5' fill='#fdfefe' stroke='#34495e' "
    "stroke-width='2.5'/>"
    "<rect x='4' y='8' width='56' height='11' rx='5' fill='#2a6fb0'/>"
    "<rect x='4' y='14' width='56' height='5' fill='#2a6fb0'/>"
    "<path d='M15 19 V58 M26 19 V58 M37 19 V58 M48 19 V58 M4 29 H60 M4 39 H60 M4 49 H60' "
    "stroke='#aab7c4' stroke-width='1.2'/>"
    "<rect x='16' y='20' width='9' height='8' fill='#e67e22'/>"
    "<rect x='27' y='30' width='9' height='8' fill='#2e8b57'/>"
    "<rect x='38' y='20' width='9' height='8' fill='#8e44ad'/>"
    "<rect x='49' y='40' width='10' height='8' fill='#c0392b'/>"
    "<rect x='16' y='40' width='9' height='8' fill='#2a6fb0'/>"
    "<rect x='38' y='50' width='9' height='7' fill='#f1c40f'/>"
    "<circle cx='16' cy='8' r='2.5' fill='#34495e'/><circle cx='48' cy='8' r='2.5' "
    "fill='#34495e'/>"
    "</svg>";

#undef SVG_KOPF
#undef SVG_ENDE

}  // namespace

const char* SymbolSvg(TSymbol symbol) {
  switch (symbol) {
    case TSymbol::Voriger:
      return kVoriger;
    case TSymbol::Naechster:
      return kNaechster;
    case TSymbol::Grunddaten:
      return kGrunddaten;
    case TSymbol::Deputate:
      return kDeputate;
    case TSymbol::Plaene:
      return kPlaene;
    case TSymbol::NeuerKurs:
      return kNeuerKurs;
    case TSymbol::KursLoeschen:
      return kKursLoeschen;
    case TSymbol::Zeigen:
      return kZeigen;
    case TSymbol::Setzen:
      return kSetzen;
    case TSymbol::Loeschen:
      return kLoeschen;
    case TSymbol::Schieben:
      return kSchieben;
    case TSymbol::Fixieren:
      return kFixieren;
    case TSymbol::Manuell:
      return kManuell;
    case TSymbol::Automatik:
      return kAutomatik;
    case TSymbol::Programm:
      return kProgramm;
  }
  return kProgramm;
}

QPixmap SymbolBild(TSymbol symbol, int groesse) {
  const qreal dichte = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
  QPixmap bild(static_cast<int>(groesse * dichte), static_cast<int>(groesse * dichte));
  bild.fill(Qt::transparent);
  QSvgRenderer zeichner(QByteArray(SymbolSvg(symbol)));
  QPainter p(&bild);
  p.setRenderHint(QPainter::Antialiasing);
  zeichner.render(&p);
  p.end();
  bild.setDevicePixelRatio(dichte);
  return bild;
}

QIcon SymbolIcon(TSymbol symbol) {
  QIcon icon;
  for (int g : {16, 20, 24, 32, 48}) icon.addPixmap(SymbolBild(symbol, g));
  return icon;
}
