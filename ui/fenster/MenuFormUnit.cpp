#include "ui/fenster/MenuFormUnit.h"

#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "model/ElementUnit.h"
#include "ui/QuonAuswahlUnit.h"

TMenuFeld::TMenuFeld(std::vector<QString> texte, TMehrfachWahl& wahl, QWidget* parent)
    : QWidget(parent), fTexte(std::move(texte)), fWahl(wahl) {
  setFont(QApplication::font("QMenu"));
  const QFontMetrics fm(font());
  for (const QString& t : fTexte) fBreite = std::max(fBreite, fm.horizontalAdvance(t) + 12);
  fHoehe = fm.height() + 4;
  setMouseTracking(false);
}

QSize TMenuFeld::sizeHint() const {
  return {fWahl.Spalten() * fBreite + 1, fWahl.Zeilen() * fHoehe + 1};
}

QRect TMenuFeld::ZellRechteck(int spalte, int zeile) const {
  return {spalte * fBreite, zeile * fHoehe, fBreite, fHoehe};
}

QPoint TMenuFeld::ZelleAn(const QPoint& pos) const {
  if (pos.x() < 0 || pos.y() < 0) return {-1, -1};
  const int s = pos.x() / fBreite, z = pos.y() / fHoehe;
  if (s >= fWahl.Spalten() || z >= fWahl.Zeilen()) return {-1, -1};
  return {s, z};
}

QPoint TMenuFeld::Geklemmt(const QPoint& pos) const {
  const int s = std::clamp(pos.x() / std::max(1, fBreite), 0, std::max(0, fWahl.Spalten() - 1));
  const int z = std::clamp(pos.y() / std::max(1, fHoehe), 0, std::max(0, fWahl.Zeilen() - 1));
  return {pos.x() < 0 ? 0 : s, pos.y() < 0 ? 0 : z};
}

void TMenuFeld::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  const QPalette& pal = palette();
  p.fillRect(rect(), pal.color(QPalette::Base));
  for (int s = 0; s < fWahl.Spalten(); ++s)
    for (int z = 0; z < fWahl.Zeilen(); ++z) {
      const int i = fWahl.Index(s, z);
      if (i < 0) continue;
      const QRect r = ZellRechteck(s, z);
      bool an = fWahl.Gewaehlt(i);
      // Während des Ziehens zeigt das Rechteck schon den künftigen Zustand.
      if (fWahl.Gedrueckt() && fBis.x() >= 0 && fWahl.ImRechteck(s, z, fBis.x(), fBis.y()))
        an = fWahl.Waehlt();
      p.fillRect(r, an ? pal.color(QPalette::Highlight) : pal.color(QPalette::Window));
      p.setPen(an ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::WindowText));
      p.drawText(r.adjusted(6, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft,
                 fTexte[static_cast<std::size_t>(i)]);
      p.setPen(pal.color(QPalette::Mid));
      p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void TMenuFeld::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint z = Geklemmt(event->position().toPoint());
  TUmschaltMenge u = 0;
  if (event->modifiers() & Qt::ShiftModifier) u |= umShift;
  if (event->modifiers() & Qt::AltModifier) u |= umAlt;
  if (event->modifiers() & Qt::ControlModifier) u |= umCtrl;
  fWahl.Druck(z.x(), z.y(), u);
  fBis = z;
  update();
}

void TMenuFeld::mouseMoveEvent(QMouseEvent* event) {
  if (!fWahl.Gedrueckt()) return;
  const QPoint z = Geklemmt(event->position().toPoint());
  if (z != fBis) {
    fBis = z;
    update();
  }
}

void TMenuFeld::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint z = Geklemmt(event->position().toPoint());
  fWahl.Los(z.x(), z.y());
  fBis = {-1, -1};
  update();
}

TMenuForm::TMenuForm(const std::vector<TElement*>& menge, const QString& titel, QWidget* parent)
    : QDialog(parent), fMenge(menge), fWahl(static_cast<int>(menge.size())) {
  setWindowTitle(titel);
  std::vector<QString> texte;
  for (TElement* e : fMenge) texte.push_back(QString::fromStdString(U8(e->fKuerzel.str())));
  fFeld = new TMenuFeld(std::move(texte), fWahl, this);
  auto* hinweis = new QLabel(QStringLiteral("Strg = Alle Alt = Keins Shift = Rechteck"), this);
  fOk = new QPushButton(QStringLiteral("Ok"), this);
  fAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
  fOk->setDefault(true);
  connect(fOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(fAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(hinweis);
  knoepfe->addStretch();
  knoepfe->addWidget(fOk);
  knoepfe->addWidget(fAbbrechen);
  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(fFeld);
  spalte->addLayout(knoepfe);
  spalte->setSizeConstraint(QLayout::SetFixedSize);
}

std::vector<TElement*> TMenuForm::Ergebnis() const {
  std::vector<TElement*> v;
  for (int i : fWahl.Ergebnis()) v.push_back(fMenge[static_cast<std::size_t>(i)]);
  return v;
}
