#include "ui/fenster/PopupMenueUnit.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace {

int sOffeneMenues = 0;

// Abstand zwischen zwei Spalten; in der Mitte eine senkrechte Linie.
constexpr int SpaltenAbstand = 7;

// Markieren lassen sich wählbare Einträge und freigegebene Einträge mit Untermenü.
bool Markierbar(const TMenue& menue, int index) {
  if (index < 0 || index >= static_cast<int>(menue.size())) return false;
  const TMenueEintrag& e = menue[static_cast<std::size_t>(index)];
  return e.Aktiv && !e.Trennlinie;
}

}  // namespace

TPopupMenue::TPopupMenue(TMenue menue, QWidget* parent)
    : QWidget(parent, Qt::Popup), fEigenes(std::move(menue)), fMenue(&fEigenes) {
  Einrichten();
}

TPopupMenue::TPopupMenue(TPopupMenue* eltern, int index)
    : QWidget(eltern, Qt::Popup),
      fMenue(&(*eltern->fMenue)[static_cast<std::size_t>(index)].Untermenue),
      fEltern(eltern),
      fIndexImEltern(index) {
  Einrichten();
}

TPopupMenue::~TPopupMenue() {
  if (fOffen && !fEltern) --sOffeneMenues;
  if (fSchleife) fSchleife->quit();
}

void TPopupMenue::Einrichten() {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setFont(QApplication::font("QMenu"));
  fTimer.setSingleShot(true);
  connect(&fTimer, &QTimer::timeout, this, &TPopupMenue::TimerAbgelaufen);
  Anordnen();
}

int TPopupMenue::OffeneMenues() {
  return sOffeneMenues;
}

// ---- Aufbau ----

QStyleOptionMenuItem TPopupMenue::StilOption(int index) const {
  QStyleOptionMenuItem o;
  o.initFrom(this);
  o.palette = palette();
  o.state = QStyle::State_None;
  if (index < 0 || index >= static_cast<int>(fMenue->size())) return o;
  const TMenueEintrag& e = (*fMenue)[static_cast<std::size_t>(index)];
  if (isActiveWindow()) o.state |= QStyle::State_Active;
  if (e.Aktiv && !e.Trennlinie)
    o.state |= QStyle::State_Enabled;
  else
    o.palette.setCurrentColorGroup(QPalette::Disabled);
  if (index == fMarkiert && !e.Trennlinie) o.state |= QStyle::State_Selected;
  o.font = font();
  o.fontMetrics = QFontMetrics(font());
  o.menuHasCheckableItems = fHaken;
  o.checkType = e.Haken ? QStyleOptionMenuItem::NonExclusive : QStyleOptionMenuItem::NotCheckable;
  o.checked = e.Haken;
  if (e.Trennlinie)
    o.menuItemType = QStyleOptionMenuItem::Separator;
  else if (!e.Untermenue.empty())
    o.menuItemType = QStyleOptionMenuItem::SubMenu;
  else
    o.menuItemType = QStyleOptionMenuItem::Normal;
  // Kürzel dürfen "&" enthalten; es ist kein Tastenkürzel.
  o.text = QString::fromStdString(e.Text).replace(QLatin1Char('&'), QStringLiteral("&&"));
  o.maxIconWidth = 0;
  o.reservedShortcutWidth = 0;
  o.menuRect = rect();
  if (index < static_cast<int>(fRechtecke.size()))
    o.rect = fRechtecke[static_cast<std::size_t>(index)];
  return o;
}

void TPopupMenue::Anordnen() {
  const int n = static_cast<int>(fMenue->size());
  fHaken = std::any_of(fMenue->begin(), fMenue->end(),
                       [](const TMenueEintrag& e) { return e.Haken && !e.Trennlinie; });
  const int rahmen = style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, this);
  const int hRand = style()->pixelMetric(QStyle::PM_MenuHMargin, nullptr, this);
  const int vRand = style()->pixelMetric(QStyle::PM_MenuVMargin, nullptr, this);
  const QFontMetrics fm(font());

  fRechtecke.assign(static_cast<std::size_t>(n), QRect());
  fSpalte.assign(static_cast<std::size_t>(n), 0);
  fZeile.assign(static_cast<std::size_t>(n), 0);
  fSpaltenAnfang.clear();
  fTrennerX.clear();

  const int oben = rahmen + vRand;
  int x = rahmen + hRand;
  int y = oben;
  int unten = oben;
  int spalte = 0, zeile = 0, spaltenBreite = 0;
  int anfang = 0;
  auto spalteAbschliessen = [&](int bis) {
    for (int j = anfang; j < bis; ++j)
      fRechtecke[static_cast<std::size_t>(j)].setWidth(spaltenBreite);
  };
  if (n > 0) fSpaltenAnfang.push_back(0);
  for (int i = 0; i < n; ++i) {
    const TMenueEintrag& e = (*fMenue)[static_cast<std::size_t>(i)];
    if (i > 0 && e.NeueSpalte) {
      spalteAbschliessen(i);
      fTrennerX.push_back(x + spaltenBreite + SpaltenAbstand / 2);
      x += spaltenBreite + SpaltenAbstand;
      y = oben;
      ++spalte;
      zeile = 0;
      spaltenBreite = 0;
      anfang = i;
      fSpaltenAnfang.push_back(i);
    }
    QStyleOptionMenuItem o = StilOption(i);
    QSize inhalt;
    if (e.Trennlinie) {
      inhalt = QSize(2, 2);
    } else {
      inhalt = QSize(fm.horizontalAdvance(o.text), fm.height());
    }
    const QSize groesse = style()->sizeFromContents(QStyle::CT_MenuItem, &o, inhalt, this);
    fRechtecke[static_cast<std::size_t>(i)] = QRect(x, y, groesse.width(), groesse.height());
    fSpalte[static_cast<std::size_t>(i)] = spalte;
    fZeile[static_cast<std::size_t>(i)] = zeile++;
    spaltenBreite = std::max(spaltenBreite, groesse.width());
    y += groesse.height();
    unten = std::max(unten, y);
  }
  spalteAbschliessen(n);
  fGroesse = QSize(x + spaltenBreite + hRand + rahmen, unten + vRand + rahmen);
  if (n == 0) fGroesse = QSize(2 * (rahmen + hRand) + 20, 2 * (rahmen + vRand) + fm.height());
  resize(fGroesse);
}

QSize TPopupMenue::sizeHint() const {
  return fGroesse;
}

int TPopupMenue::SpalteVon(int index) const {
  if (index < 0 || index >= static_cast<int>(fSpalte.size())) return -1;
  return fSpalte[static_cast<std::size_t>(index)];
}

QRect TPopupMenue::EintragRechteck(int index) const {
  if (index < 0 || index >= static_cast<int>(fRechtecke.size())) return {};
  return fRechtecke[static_cast<std::size_t>(index)];
}

int TPopupMenue::EintragAn(const QPoint& pos) const {
  for (std::size_t i = 0; i < fRechtecke.size(); ++i)
    if (fRechtecke[i].contains(pos)) return static_cast<int>(i);
  return -1;
}

bool TPopupMenue::HatUntermenue(int index) const {
  if (index < 0 || index >= static_cast<int>(fMenue->size())) return false;
  const TMenueEintrag& e = (*fMenue)[static_cast<std::size_t>(index)];
  return !e.Trennlinie && !e.Untermenue.empty();
}

bool TPopupMenue::Waehlbar(int index) const {
  if (index < 0 || index >= static_cast<int>(fMenue->size())) return false;
  const TMenueEintrag& e = (*fMenue)[static_cast<std::size_t>(index)];
  return e.Aktiv && !e.Trennlinie && e.Untermenue.empty();
}

// ---- Zeigen und Schließen ----

void TPopupMenue::ZeigeAn(const QPoint& pos, const QRect& ausweichen) {
  QScreen* schirm = QGuiApplication::screenAt(pos);
  if (!schirm) schirm = QGuiApplication::primaryScreen();
  const QRect frei = schirm ? schirm->availableGeometry() : QRect(pos, fGroesse);
  int x = pos.x(), y = pos.y();
  if (x + fGroesse.width() > frei.right() + 1) {
    x = ausweichen.isValid() ? ausweichen.left() - fGroesse.width()
                             : frei.right() + 1 - fGroesse.width();
  }
  if (y + fGroesse.height() > frei.bottom() + 1) y = frei.bottom() + 1 - fGroesse.height();
  x = std::max(x, frei.left());
  y = std::max(y, frei.top());
  setGeometry(QRect(QPoint(x, y), fGroesse));  // die Fläche selbst, ohne etwaigen Rahmen
  fDruckInnen = false;
  fZugMitKnopf = false;
  fMarkiert = -1;
  if (!fEltern && !fOffen) ++sOffeneMenues;
  fOffen = true;
  show();
  setFocus(Qt::PopupFocusReason);
}

void TPopupMenue::Popup(const QPoint& bildschirmPos) {
  fFertig = false;
  fErgebnis = nullptr;
  fErgebnisPfad.clear();
  fTasten = Qt::NoModifier;
  if (fMenue->empty()) {
    emit Geschlossen();
    return;
  }
  Anordnen();
  ZeigeAn(bildschirmPos, QRect());
}

const TMenueEintrag* TPopupMenue::Exec(const QPoint& bildschirmPos) {
  QPointer<TPopupMenue> wache(this);
  QEventLoop schleife;
  fSchleife = &schleife;
  Popup(bildschirmPos);
  if (wache && fOffen) schleife.exec();
  if (!wache) return nullptr;
  fSchleife = nullptr;
  if (!fFertig) return nullptr;
  const TMenueEintrag* eintrag = fErgebnis;
  fFertig = false;
  // Aktion erst nach dem Schließen, außerhalb der Ereignisschleife des Menüs.
  if (eintrag && eintrag->Aktion) {
    const auto aktion = eintrag->Aktion;
    aktion();
    if (!wache) return nullptr;
  }
  emit EintragGewaehlt(eintrag);
  if (!wache) return nullptr;
  emit Geschlossen();
  return wache ? eintrag : nullptr;
}

void TPopupMenue::Schliessen() {
  TPopupMenue* w = Wurzel();
  w->hide();
}

void TPopupMenue::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  fTimer.stop();
  if (fEltern) {
    // Auch wenn Qt das Untermenü von sich aus schließt: beim Eltern abmelden.
    if (fEltern->fKind == this) {
      fEltern->fKind.clear();
      deleteLater();
    }
    return;
  }
  if (!fOffen) return;
  fOffen = false;
  --sOffeneMenues;
  SchliesseKind();
  if (fSchleife) fSchleife->quit();
  if (!fFertig) emit Geschlossen();
}

void TPopupMenue::SchliesseKind() {
  if (!fKind) return;
  TPopupMenue* kind = fKind.data();
  fKind.clear();
  kind->SchliesseKind();
  kind->hide();
  kind->deleteLater();
}

TPopupMenue* TPopupMenue::Wurzel() {
  TPopupMenue* w = this;
  while (w->fEltern) w = w->fEltern;
  return w;
}

std::vector<int> TPopupMenue::Pfad() const {
  std::vector<int> pfad;
  for (const TPopupMenue* m = this; m->fEltern; m = m->fEltern)
    pfad.insert(pfad.begin(), m->fIndexImEltern);
  return pfad;
}

bool TPopupMenue::OeffneUntermenue(int index, bool ersterMarkiert) {
  if (!HatUntermenue(index) || !Markierbar(*fMenue, index)) return false;
  fTimer.stop();
  if (fMarkiert != index) {
    fMarkiert = index;
    update();
  }
  if (!fKind || fKind->fIndexImEltern != index) {
    SchliesseKind();
    auto* kind = new TPopupMenue(this, index);
    fKind = kind;
    const QRect r = EintragRechteck(index);
    const QRect global(mapToGlobal(r.topLeft()), r.size());
    const int rand = style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, this) +
                     style()->pixelMetric(QStyle::PM_MenuVMargin, nullptr, this);
    kind->ZeigeAn(QPoint(global.right() + 1, global.top() - rand), global);
  }
  if (ersterMarkiert) fKind->Markiere(fKind->Naechster(-1, 1));
  return true;
}

// ---- Wählen ----

void TPopupMenue::Fertig(int index) {
  std::vector<int> pfad = Pfad();
  pfad.push_back(index);
  Wurzel()->Abschliessen(&(*fMenue)[static_cast<std::size_t>(index)], std::move(pfad));
}

// Im Wurzelmenü: Ergebnis merken, alle Menüs schließen, die Aktion ausführen (bei Exec erst
// nach dem Ende der Schleife), dann melden.
void TPopupMenue::Abschliessen(const TMenueEintrag* eintrag, std::vector<int> pfad) {
  fErgebnis = eintrag;
  fErgebnisPfad = std::move(pfad);
  fTasten = QGuiApplication::keyboardModifiers();
  fFertig = true;
  hide();  // schließt auch die Untermenüs (gelöscht werden sie später)
  if (fSchleife) return;
  fFertig = false;
  QPointer<TPopupMenue> wache(this);
  if (eintrag->Aktion) {
    const auto aktion = eintrag->Aktion;  // die Aktion darf das Menü löschen
    aktion();
    if (!wache) return;
  }
  emit EintragGewaehlt(eintrag);
  if (wache) emit Geschlossen();
}

bool TPopupMenue::Waehle(int index) {
  if (!Waehlbar(index)) return false;
  Fertig(index);
  return true;
}

bool TPopupMenue::WaehlePfad(const std::vector<int>& pfad) {
  if (pfad.empty()) return false;
  const TMenue* menue = fMenue;
  for (std::size_t i = 0; i + 1 < pfad.size(); ++i) {
    const int j = pfad[i];
    if (!Markierbar(*menue, j) || (*menue)[static_cast<std::size_t>(j)].Untermenue.empty())
      return false;
    menue = &(*menue)[static_cast<std::size_t>(j)].Untermenue;
  }
  const int letzter = pfad.back();
  if (!Markierbar(*menue, letzter) ||
      !(*menue)[static_cast<std::size_t>(letzter)].Untermenue.empty())
    return false;
  std::vector<int> ganz = Pfad();
  ganz.insert(ganz.end(), pfad.begin(), pfad.end());
  Wurzel()->Abschliessen(&(*menue)[static_cast<std::size_t>(letzter)], std::move(ganz));
  return true;
}

// ---- Maus ----

void TPopupMenue::TimerAbgelaufen() {
  if (fMarkiert >= 0 && HatUntermenue(fMarkiert))
    OeffneUntermenue(fMarkiert);
  else
    SchliesseKind();
}

void TPopupMenue::Ueber(const QPoint& pos, Qt::MouseButtons knoepfe) {
  if (knoepfe != Qt::NoButton) fZugMitKnopf = true;
  int i = EintragAn(pos);
  if (!Markierbar(*fMenue, i)) i = -1;
  if (i == fMarkiert) return;
  fMarkiert = i;
  update();
  // Untermenüs öffnen und schließen sich mit kurzer Verzögerung, damit man hinüberkommt.
  if (fKind && fKind->fIndexImEltern == i) {
    fTimer.stop();
    return;
  }
  fTimer.start(std::max(0, style()->styleHint(QStyle::SH_Menu_SubMenuPopupDelay, nullptr, this)));
}

// Ereignisse außerhalb eines Untermenüs gehören dem Elternmenü, über dem sie liegen.
bool TPopupMenue::Weitergeben(QMouseEvent* event) {
  const QPoint global = event->globalPosition().toPoint();
  for (TPopupMenue* m = fEltern; m; m = m->fEltern) {
    if (!m->geometry().contains(global)) continue;
    const QPoint lokal = m->mapFromGlobal(global);
    if (event->type() == QEvent::MouseMove) {
      m->Ueber(lokal, event->buttons());
    } else if (event->type() == QEvent::MouseButtonPress) {
      m->SchliesseKind();  // schließt auch dieses Menü
      m->fDruckInnen = true;
      const int i = m->EintragAn(lokal);
      if (Markierbar(*m->fMenue, i)) {
        m->Markiere(i);
        if (m->HatUntermenue(i)) m->OeffneUntermenue(i);
      }
    }
    return true;
  }
  return false;
}

void TPopupMenue::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (!rect().contains(pos)) {
    if (!Weitergeben(event)) Schliessen();
    return;
  }
  fDruckInnen = true;
  const int i = EintragAn(pos);
  if (!Markierbar(*fMenue, i)) return;
  if (fMarkiert != i) {
    fMarkiert = i;
    update();
  }
  if (HatUntermenue(i)) OeffneUntermenue(i);
}

void TPopupMenue::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (!rect().contains(pos)) {
    Weitergeben(event);
    return;
  }
  Ueber(pos, event->buttons());
}

void TPopupMenue::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (!rect().contains(pos)) return;
  // Das Loslassen der Taste, die das Menü geöffnet hat, wählt nichts.
  if (!fDruckInnen && !fZugMitKnopf) return;
  const int i = EintragAn(pos);
  if (Waehlbar(i))
    Fertig(i);
  else if (HatUntermenue(i))
    OeffneUntermenue(i);
}

void TPopupMenue::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (!fKind && fMarkiert >= 0) {
    fMarkiert = -1;
    update();
  }
}

// ---- Tastatur ----

void TPopupMenue::Markiere(int index) {
  if (index != -1 && !Markierbar(*fMenue, index)) return;
  if (fKind && fKind->fIndexImEltern != index) SchliesseKind();
  if (index == fMarkiert) return;
  fMarkiert = index;
  update();
}

// Der nächste markierbare Eintrag ab "ab" in Schrittrichtung, rundum; -1 wenn keiner.
int TPopupMenue::Naechster(int ab, int schritt) const {
  const int n = static_cast<int>(fMenue->size());
  if (n == 0) return -1;
  if (ab < 0) ab = schritt > 0 ? -1 : n;
  int i = ab;
  for (int k = 0; k < n; ++k) {
    i = ((i + schritt) % n + n) % n;
    if (Markierbar(*fMenue, i)) return i;
  }
  return -1;
}

// Der markierbare Eintrag in einer Spalte, der der Zeile am nächsten liegt (erst abwärts).
int TPopupMenue::InSpalte(int spalte, int zeile) const {
  if (spalte < 0 || spalte >= SpaltenZahl()) return -1;
  const int anfang = fSpaltenAnfang[static_cast<std::size_t>(spalte)];
  const int ende = spalte + 1 < SpaltenZahl() ? fSpaltenAnfang[static_cast<std::size_t>(spalte + 1)]
                                              : static_cast<int>(fMenue->size());
  const int ziel = std::min(anfang + zeile, ende - 1);
  for (int i = ziel; i < ende; ++i)
    if (Markierbar(*fMenue, i)) return i;
  for (int i = ziel - 1; i >= anfang; --i)
    if (Markierbar(*fMenue, i)) return i;
  return -1;
}

void TPopupMenue::Spaltenwechsel(int richtung) {
  if (fMarkiert < 0) {
    Markiere(Naechster(-1, 1));
    return;
  }
  const int n = SpaltenZahl();
  const int spalte = SpalteVon(fMarkiert);
  const int zeile = fZeile[static_cast<std::size_t>(fMarkiert)];
  for (int schritt = 1; schritt < n; ++schritt) {
    const int c = ((spalte + richtung * schritt) % n + n) % n;
    const int i = InSpalte(c, zeile);
    if (i >= 0) {
      Markiere(i);
      return;
    }
  }
}

void TPopupMenue::Buchstabe(const QString& text) {
  const QString zeichen = text.left(1).toUpper();
  const int n = static_cast<int>(fMenue->size());
  std::vector<int> treffer;
  for (int k = 1; k <= n; ++k) {
    const int i = ((fMarkiert < 0 ? -1 : fMarkiert) + k + n) % n;
    if (!Markierbar(*fMenue, i)) continue;
    const QString t = QString::fromStdString((*fMenue)[static_cast<std::size_t>(i)].Text).trimmed();
    if (t.left(1).toUpper() == zeichen) treffer.push_back(i);
  }
  if (treffer.empty()) return;
  if (treffer.size() == 1) {
    // Eindeutig: gleich wählen (ein Untermenü öffnet sich).
    if (Waehlbar(treffer[0]))
      Fertig(treffer[0]);
    else
      OeffneUntermenue(treffer[0], true);
    return;
  }
  Markiere(treffer[0]);
}

void TPopupMenue::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Down:
      Markiere(Naechster(fMarkiert, 1));
      break;
    case Qt::Key_Up:
      Markiere(Naechster(fMarkiert, -1));
      break;
    case Qt::Key_Home:
      Markiere(Naechster(-1, 1));
      break;
    case Qt::Key_End:
      Markiere(Naechster(-1, -1));
      break;
    case Qt::Key_PageUp:
      if (fMarkiert >= 0) Markiere(InSpalte(SpalteVon(fMarkiert), 0));
      break;
    case Qt::Key_PageDown:
      if (fMarkiert >= 0)
        Markiere(InSpalte(SpalteVon(fMarkiert), static_cast<int>(fMenue->size())));
      break;
    case Qt::Key_Right:
      if (HatUntermenue(fMarkiert))
        OeffneUntermenue(fMarkiert, true);
      else
        Spaltenwechsel(1);
      break;
    case Qt::Key_Left:
      if (fEltern && SpalteVon(fMarkiert) <= 0)
        fEltern->SchliesseKind();
      else
        Spaltenwechsel(-1);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (Waehlbar(fMarkiert))
        Fertig(fMarkiert);
      else if (HatUntermenue(fMarkiert))
        OeffneUntermenue(fMarkiert, true);
      break;
    case Qt::Key_Escape:
      if (fEltern)
        fEltern->SchliesseKind();
      else
        Schliessen();
      break;
    default:
      if (!event->text().isEmpty() && event->text().at(0).isPrint() &&
          !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        Buchstabe(event->text());
      else
        QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

// ---- Zeichnen ----

void TPopupMenue::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  QStyleOptionMenuItem grund;
  grund.initFrom(this);
  grund.state = QStyle::State_None;
  grund.checkType = QStyleOptionMenuItem::NotCheckable;
  grund.maxIconWidth = 0;
  grund.reservedShortcutWidth = 0;
  grund.rect = rect();
  grund.menuRect = rect();
  p.fillRect(rect(), palette().color(QPalette::Window));
  style()->drawPrimitive(QStyle::PE_PanelMenu, &grund, &p, this);
  grund.menuItemType = QStyleOptionMenuItem::EmptyArea;
  style()->drawControl(QStyle::CE_MenuEmptyArea, &grund, &p, this);

  for (int i = 0; i < static_cast<int>(fMenue->size()); ++i) {
    const QStyleOptionMenuItem o = StilOption(i);
    p.save();
    p.setClipRect(o.rect);
    style()->drawControl(QStyle::CE_MenuItem, &o, &p, this);
    p.restore();
  }
  // Senkrechte Linien zwischen den Spalten.
  const int rahmen = style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, this);
  const int vRand = style()->pixelMetric(QStyle::PM_MenuVMargin, nullptr, this);
  p.setPen(palette().color(QPalette::Mid));
  for (int x : fTrennerX) p.drawLine(x, rahmen + vRand, x, height() - rahmen - vRand - 1);

  if (rahmen > 0) {
    QStyleOptionFrame rand;
    rand.rect = rect();
    rand.palette = palette();
    rand.state = QStyle::State_None;
    rand.lineWidth = rahmen;
    rand.midLineWidth = 0;
    style()->drawPrimitive(QStyle::PE_FrameMenu, &rand, &p, this);
  }
}
