#include "ui/fenster/CursorUnit.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>
#include <algorithm>
#include <array>
#include <map>
#include <vector>

#include "model/SchulUnit.h"

namespace {

// Schwarze Umrisse auf hellen Flächen: auf weißen, farbigen und grauen Zellen gut zu sehen.
#define CUR_KOPF                                                                \
  "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 32 32' fill='#ffffff' " \
  "stroke='#000000' stroke-width='1.3' stroke-linejoin='round' stroke-linecap='round'>"
#define CUR_ENDE "</svg>"

// Pfeil mit einer Zelle, in die gesetzt wird.
#define CUR_PFEIL "<path d='M3 3 L3 20 L7.5 15.5 L10.5 22 L13.5 20.7 L10.5 14.5 L16.5 14.5 Z'/>"

constexpr const char* kSetzer = CUR_KOPF CUR_PFEIL
    "<rect x='17.5' y='17.5' width='11' height='11' rx='1'/>"
    "<rect x='20' y='20' width='6' height='6' fill='#2a6fb0' stroke='none'/>" CUR_ENDE;

constexpr const char* kRotSetzer = CUR_KOPF
    "<path d='M3 3 L3 20 L7.5 15.5 L10.5 22 L13.5 20.7 L10.5 14.5 L16.5 14.5 Z' fill='#e04a3a'/>"
    "<rect x='17.5' y='17.5' width='11' height='11' rx='1'/>"
    "<rect x='20' y='20' width='6' height='6' fill='#e04a3a' stroke='none'/>" CUR_ENDE;

// Radiergummi: rosa Spitze, blauer Rücken.
constexpr const char* kGummi = CUR_KOPF
    "<path d='M3 21 L9 15 L17 23 L11 29 Z' fill='#f5a9b8'/>"
    "<path d='M9 15 L15 9 L23 17 L17 23 Z' fill='#2a6fb0'/>" CUR_ENDE;

// Halber Radiergummi: nur die Spitze, der Rücken gestrichelt.
constexpr const char* kHalbGummi = CUR_KOPF
    "<path d='M3 21 L9 15 L17 23 L11 29 Z' fill='#f5a9b8'/>"
    "<path d='M9 15 L15 9 L23 17 L17 23' fill='none' stroke-dasharray='2 2'/>" CUR_ENDE;

// Offene Hand; die Fingerlinien entstehen aus dem Umriss.
#define CUR_HAND(fuellung)                                                                    \
  "<path fill='" fuellung                                                                     \
  "' d='M10 18 V8 A1.5 1.5 0 0 1 13 8 V15 V6 A1.5 1.5 0 0 1 16 6 V15 V7 A1.5 1.5 0 0 1 19 7 " \
  "V15 V9 A1.5 1.5 0 0 1 22 9 V20 Q22 27 16 27 H13 Q10 27 8 24 L4 18 A1.8 1.8 0 0 1 7 16 "    \
  "L10 19 Z'/>"

constexpr const char* kHand = CUR_KOPF CUR_HAND("#ffffff") CUR_ENDE;

constexpr const char* kHalbHand = CUR_KOPF
    "<defs><linearGradient id='h' x1='0' x2='1' y1='0' y2='0'>"
    "<stop offset='0.5' stop-color='#ffffff'/><stop offset='0.5' stop-color='#9aa5b1'/>"
    "</linearGradient></defs>" CUR_HAND("url(#h)") CUR_ENDE;

constexpr const char* kRotHand = CUR_KOPF CUR_HAND("#e04a3a") CUR_ENDE;

// Faust: gegriffene Stunde beim Ziehen.
constexpr const char* kGriff = CUR_KOPF
    "<path d='M8 15 Q8 11 11 11 H20 Q24 11 24 15 V20 Q24 27 17 27 H14 Q9 27 8 22 Z'/>"
    "<path d='M12 11 V14.5 M15 11 V14.5 M18 11 V14.5 M21 11.3 V14.5' fill='none'/>"
    "<path d='M8 17 Q12 17 13 20' fill='none'/>" CUR_ENDE;

constexpr const char* kHammer = CUR_KOPF
    "<path d='M18 12 L5 25' stroke='#8b5a2b' stroke-width='3.2'/>"
    "<path d='M15.8 4.2 L25.8 14.2 L22.2 17.8 L12.2 7.8 Z' fill='#9aa5b1'/>" CUR_ENDE;

// Vier Pfeile: Probe, wohin Stunden wandern können; drei Pfeile: dasselbe ohne Räume.
constexpr const char* kPfeil4 = CUR_KOPF
    "<path d='M16 2 L21 7 H18 V14 H25 V11 L30 16 L25 21 V18 H18 V25 H21 L16 30 L11 25 H14 V18 "
    "H7 V21 L2 16 L7 11 V14 H14 V7 H11 Z'/>" CUR_ENDE;

constexpr const char* kPfeil3 = CUR_KOPF
    "<path d='M16 2 L21 7 H18 V14 H25 V11 L30 16 L25 21 V18 H7 V21 L2 16 L7 11 V14 H14 V7 "
    "H11 Z'/>" CUR_ENDE;

#define CUR_LUPE                                                    \
  "<path d='M19.5 19.5 L28 28' stroke-width='4' stroke='#34495e'/>" \
  "<circle cx='13' cy='13' r='9' fill='#eaf2fb' stroke-width='2'/>"

constexpr const char* kLupeMinus =
    CUR_KOPF CUR_LUPE "<path d='M8.5 13 H17.5' stroke-width='2.2'/>" CUR_ENDE;

constexpr const char* kLupePlus =
    CUR_KOPF CUR_LUPE "<path d='M8.5 13 H17.5 M13 8.5 V17.5' stroke-width='2.2'/>" CUR_ENDE;

struct TZeigerBild {
  const char* Svg;
  QPoint Hotspot;
};

const std::array<TZeigerBild, ZeigerZahl + 1>& Bilder() {
  static const std::array<TZeigerBild, ZeigerZahl + 1> bilder = {{
      {nullptr, {}},
      {kSetzer, {3, 3}},
      {kGummi, {6, 24}},
      {kHalbGummi, {6, 24}},
      {kHand, {15, 15}},
      {kHalbHand, {15, 15}},
      {kHammer, {24, 16}},
      {kPfeil4, {16, 16}},
      {kPfeil3, {16, 16}},
      {kGriff, {16, 18}},
      {kLupeMinus, {13, 13}},
      {kLupePlus, {13, 13}},
      {kRotHand, {15, 15}},
      {kRotSetzer, {3, 3}},
  }};
  return bilder;
}

QCursor ErzeugeCursor(int nummer) {
  const TZeigerBild& bild = Bilder()[static_cast<std::size_t>(nummer)];
  const qreal dichte = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
  const int seite = qRound(32 * dichte);
  QPixmap pixmap(seite, seite);
  pixmap.fill(Qt::transparent);
  QSvgRenderer svg(QByteArray(bild.Svg));
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  svg.render(&p, QRectF(0, 0, seite, seite));
  p.end();
  pixmap.setDevicePixelRatio(dichte);
  return QCursor(pixmap, bild.Hotspot.x(), bild.Hotspot.y());
}

}  // namespace

const char* CursorSvg(int nummer) {
  if (nummer < 1 || nummer > ZeigerZahl) return nullptr;
  return Bilder()[static_cast<std::size_t>(nummer)].Svg;
}

QPoint CursorHotspot(int nummer) {
  if (nummer < 1 || nummer > ZeigerZahl) return {};
  return Bilder()[static_cast<std::size_t>(nummer)].Hotspot;
}

QCursor TamrelCursor(int nummer) {
  if (nummer < 1 || nummer > ZeigerZahl) return QCursor(Qt::ArrowCursor);
  // Einmal gebaut, dann aus der Tabelle (wie die Zeigertabelle des Bildschirms).
  // Bewusst nie freigegeben: Zeiger dürfen die QApplication nicht überleben.
  static auto* tabelle = new std::map<int, QCursor>;
  auto it = tabelle->find(nummer);
  if (it == tabelle->end()) it = tabelle->emplace(nummer, ErzeugeCursor(nummer)).first;
  return it->second;
}

void ZeigerSetzen(QWidget& widget, int nummer) {
  if (nummer == zUnveraendert) return;
  widget.setCursor(TamrelCursor(nummer));
}

void AdjustCursor(unsigned umschalt) {
  if (!SchuleVorhanden()) return;
  TSchule& schule = Schule();
  std::vector<TFenster*> fenster = schule.fFensterListe;
  for (TFenster* TSchule::*platz : TSchule::FensterPlaetze())
    if (TFenster* f = schule.*platz;
        f && std::find(fenster.begin(), fenster.end(), f) == fenster.end())
      fenster.push_back(f);
  for (TFenster* f : fenster)
    if (auto* c = dynamic_cast<TCursorFenster*>(f)) c->CursorAnpassen(schule.fToolArt, umschalt);
}
