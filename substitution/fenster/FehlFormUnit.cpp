#include "substitution/fenster/FehlFormUnit.h"

#include <QApplication>
#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include "model/SchulUnit.h"
#include "substitution/fenster/FehltLangFormUnit.h"
#include "substitution/VertretungsPlanungUnit.h"
#include "ui/fenster/MenuFormUnit.h"
#include "ui/fenster/PopupMenueUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"
#include "ui/fenster/QtTextUnit.h"

// ---- TFehlGrid ----

TFehlGrid::TFehlGrid(TFehlDialog& dialog, QWidget* parent) : QWidget(parent), fDialog(dialog) {
  setToolTip(QString::fromUtf8(TFehlDialog::kHinweis));
  Anpassen();
}

int TFehlGrid::Links(int spalte) {
  int x = 0;
  for (int c = 0; c < spalte && c < 4; ++c) x += kBreite[c];
  return x;
}

QRect TFehlGrid::ZellRechteck(int spalte, int zeile) const {
  return {Links(spalte), zeile * kHoehe, kBreite[spalte], kHoehe};
}

QSize TFehlGrid::sizeHint() const {
  return {Links(4) + 1, std::max<int>(static_cast<int>(fDialog.fZeilen.size()), 1) * kHoehe + 1};
}

void TFehlGrid::Anpassen() {
  setFixedSize(sizeHint());
  update();
}

void TFehlGrid::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Base));
  for (int r = 0; r < static_cast<int>(fDialog.fZeilen.size()); ++r) {
    const TFehlZeile& z = fDialog.fZeilen[r];
    const bool gewaehlt = r == fDialog.fAuswahl;
    const QRect zeile(0, r * kHoehe, Links(4), kHoehe);
    if (gewaehlt) p.fillRect(zeile, palette().color(QPalette::Highlight));
    const QColor text = palette().color(gewaehlt ? QPalette::HighlightedText : QPalette::Text);
    p.setPen(text);
    // Die schmale Grundspalte nimmt "(x)" in kleinerer Schrift.
    QFont klein = font();
    klein.setPointSizeF(klein.pointSizeF() * 0.7);
    p.setFont(klein);
    p.drawText(ZellRechteck(0, r).adjusted(1, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, T(z.Grund));
    p.setFont(font());
    p.drawText(ZellRechteck(2, r).adjusted(3, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
               T(U8(z.Element->fKuerzel.str())));
    // Der Tagesstreifen: Stunde k von links + 9k - 6 bis links + 9k.
    const QRect streifen = ZellRechteck(1, r);
    const std::string sv = fDialog.Streifen(r);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int k = 1; k <= 16; ++k) {
      const int x = streifen.left() + 9 * k - 6;
      const QRect slot(x, streifen.top() + 3, 6, kHoehe - 7);
      const char c = k <= static_cast<int>(sv.size()) ? sv[k - 1] : 'F';
      if (c == 'E' || c == 'G') {
        p.setPen(Qt::black);
        p.setBrush(palette().color(QPalette::Base));
        p.drawEllipse(slot);
      } else if (c == 'K' || c == 'L') {
        p.setPen(Qt::black);
        p.setBrush(Qt::black);
        p.drawEllipse(slot);
      } else if (c == 'F' || c == 'U') {
        p.fillRect(QRect(x, streifen.center().y() - 1, 6, 3), Qt::black);
      } else if (c == 'S') {
        p.fillRect(QRect(x, streifen.top() + 2, 6, kHoehe - 4), QColor(128, 128, 0));
      }
      if (z.Maske[k - 1] == '+')
        p.fillRect(QRect(x, streifen.bottom() - 2, 6, 3), QColor(255, 0, 0));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    // Das Kalendersymbol, wenn die Zeile Stunden hat.
    if (z.Maske.find('+') != std::string::npos) {
      const QRect k = ZellRechteck(3, r).adjusted(2, 3, -2, -3);
      p.setPen(text);
      p.setBrush(Qt::white);
      p.drawRect(k);
      p.fillRect(QRect(k.left(), k.top(), k.width(), 3), QColor(200, 0, 0));
    }
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(zeile.bottomLeft(), zeile.bottomRight());
  }
}

void TFehlGrid::mouseReleaseEvent(QMouseEvent* event) {
  const int zeile = event->pos().y() / kHoehe;
  if (zeile < 0 || zeile >= static_cast<int>(fDialog.fZeilen.size())) return;
  int spalte = 3;
  while (spalte > 0 && event->pos().x() < Links(spalte)) --spalte;
  if (event->pos().x() >= Links(4)) return;
  emit Geklickt(zeile, spalte, event->pos().x() - Links(spalte), event->modifiers());
}

// ---- TFehlForm ----

TFehlForm::TFehlForm(QWidget* parent) : QDialog(parent) {
  DatumFeld = new QLabel(this);
  ElementKnopf = new QPushButton(this);
  auto* vonGruppe = new QGroupBox(QStringLiteral("von Stunde"), this);
  auto* bisGruppe = new QGroupBox(QStringLiteral("bis Stunde"), this);
  VonKnopf = new QPushButton(vonGruppe);
  BisKnopf = new QPushButton(bisGruppe);
  (new QHBoxLayout(vonGruppe))->addWidget(VonKnopf);
  (new QHBoxLayout(bisGruppe))->addWidget(BisKnopf);
  FehlGrid = new TFehlGrid(fDialog, this);
  fRolle = new QScrollArea(this);
  fRolle->setWidget(FehlGrid);
  fRolle->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  fRolle->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  fRolle->setFixedWidth(TFehlGrid::Links(4) + 24);
  fRolle->setMinimumHeight(10 * TFehlGrid::kHoehe);
  OkKnopf = new QPushButton(QStringLiteral("Ok"), this);
  AbbrechenKnopf = new QPushButton(QStringLiteral("Abbrechen"), this);
  OkKnopf->setDefault(true);
  auto* oben = new QHBoxLayout;
  oben->addWidget(ElementKnopf);
  oben->addWidget(vonGruppe);
  oben->addWidget(bisGruppe);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch();
  knoepfe->addWidget(OkKnopf);
  knoepfe->addWidget(AbbrechenKnopf);
  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(DatumFeld);
  spalte->addLayout(oben);
  spalte->addWidget(fRolle);
  spalte->addLayout(knoepfe);
  ElementKnopf->installEventFilter(this);
  connect(ElementKnopf, &QPushButton::clicked, this, &TFehlForm::ElementKnopfClick);
  connect(VonKnopf, &QPushButton::clicked, this, [this] {
    Menue(fDialog.StdPopup(), VonKnopf, [this](int h) { fDialog.VonWaehlen(h); });
  });
  connect(BisKnopf, &QPushButton::clicked, this, [this] {
    Menue(fDialog.StdPopup(), BisKnopf, [this](int h) { fDialog.BisWaehlen(h); });
  });
  connect(FehlGrid, &TFehlGrid::Geklickt, this, &TFehlForm::ZeileGeklickt);
  connect(OkKnopf, &QPushButton::clicked, this, &TFehlForm::OkKnopfClick);
  connect(AbbrechenKnopf, &QPushButton::clicked, this, &QDialog::reject);
}

void TFehlForm::IFehlForm(TDateTime datum, TKuerzelArt art, TFehl* fehl) {
  fDialog.IFehlForm(datum, art, fehl);
  setWindowTitle(T(fDialog.Titel()));
  ElementKnopf->setText(T(fDialog.ElementText()));
  DatumFeld->setText(T(fDialog.DatumsText()));
  Auffrischen();
}

void TFehlForm::Auffrischen() {
  VonKnopf->setText(T(fDialog.VonText()));
  BisKnopf->setText(T(fDialog.BisText()));
  FehlGrid->Anpassen();
  fRolle->verticalScrollBar()->setValue(fDialog.fOben * TFehlGrid::kHoehe);
}

void TFehlForm::Menue(TMenue menue, QWidget* unter, std::function<void(int)> wahl) {
  if (fMenue) fMenue->Schliessen();
  auto* popup = new TPopupMenue(std::move(menue), this);
  fMenue = popup;
  connect(popup, &TPopupMenue::Geschlossen, popup, &QObject::deleteLater);
  connect(popup, &TPopupMenue::EintragGewaehlt, this,
          [this, wahl = std::move(wahl)](const TMenueEintrag* e) {
            if (!e) return;
            wahl(e->Wert);
            Auffrischen();
          });
  popup->Popup(unter->mapToGlobal(QPoint(0, unter->height())));
}

bool TFehlForm::eventFilter(QObject* objekt, QEvent* event) {
  if (objekt == ElementKnopf && event->type() == QEvent::MouseButtonPress)
    fMitCtrl = (static_cast<QMouseEvent*>(event)->modifiers() & Qt::ControlModifier) != 0;
  return QDialog::eventFilter(objekt, event);
}

void TFehlForm::ElementKnopfClick() {
  const bool mitStrg = fMitCtrl || (QApplication::keyboardModifiers() & Qt::ControlModifier) != 0;
  fMitCtrl = false;
  std::vector<TPlanElement*> gewaehlt;
  if (fElementWahl) {
    gewaehlt = fElementWahl(mitStrg);
  } else if (FensterDienst()) {
    const TKuerzelArt art = fDialog.fArt;
    if (mitStrg) {
      const QPoint pos = ElementKnopf->mapToGlobal(QPoint(0, ElementKnopf->height()));
      if (TFensterDienst* dienst = FensterDienst()) {
        const auto wahl = dienst->ElementWaehlen(art, false, pos.x(), pos.y());
        if (wahl && wahl->Gewaehlt && wahl->Element)
          gewaehlt.push_back(static_cast<TPlanElement*>(wahl->Element));
      }
    } else {
      // Die Mehrfachwahl über der Palette (leer bei "Abbrechen").
      const std::vector<TElement*> menge = Schule().Elemente(art);
      if (!menge.empty()) {
        TMenuForm form(menge, T(fDialog.ElementText()), PaletteFenster());
        if (form.exec() == QDialog::Accepted)
          for (TElement* e : form.Ergebnis()) gewaehlt.push_back(static_cast<TPlanElement*>(e));
      }
    }
  }
  for (TPlanElement* e : gewaehlt) fDialog.ElementHinzufuegen(e);
  Auffrischen();
}

void TFehlForm::ZeileGeklickt(int zeile, int spalte, int x, Qt::KeyboardModifiers tasten) {
  fDialog.fAuswahl = zeile;
  if (spalte == 0) {
    Menue(fDialog.GrundPopup(), FehlGrid, [this](int n) { fDialog.GrundWaehlen(n); });
    if (fMenue) fMenue->move(FehlGrid->mapToGlobal(FehlGrid->ZellRechteck(0, zeile).bottomLeft()));
  } else if (spalte == 1) {
    fDialog.StreifenKlick(zeile, x, (tasten & Qt::ShiftModifier) != 0,
                          (tasten & Qt::ControlModifier) != 0);
  } else if (spalte == 3) {
    const TPlanElement* element = fDialog.fZeilen[zeile].Element;
    std::optional<TDateTime> bis;
    if (fBisWahl) {
      bis = fBisWahl(fDialog.fDatum, element);
    } else {
      TFehltLangForm lang(this);
      lang.IFehltLangForm(fDialog.fDatum, element);
      if (lang.exec() == QDialog::Accepted) bis = lang.fBisDatum;
    }
    if (bis) fDialog.LaengereFehlzeit(zeile, *bis);
  }
  FehlGrid->update();
}

void TFehlForm::OkKnopfClick() {
  fDialog.Ok();
  VertretungsFensterAuffrischen();
  accept();
}
