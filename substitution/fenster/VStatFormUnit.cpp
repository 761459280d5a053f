#include "substitution/fenster/VStatFormUnit.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "substitution/KalenderUnit.h"
#include "ui/FensterSchliessenUnit.h"
#include "ui/fenster/QtFensterHilfeUnit.h"
#include "ui/fenster/QtFensterPlatzUnit.h"
#include "ui/fenster/QtUmschaltUnit.h"
#include "ui/fenster/QtTextUnit.h"

TVStatForm::TVStatForm(TFenster* TSchule::*platz) : TEinzelForm(platz) {
  StatGrid = FensterGitter(this, "StatGrid");
  StatGrid->SetColCount(9);
  StatGrid->SetRowCount(2);
  StatGrid->SetFixedCols(0);
  StatGrid->SetFixedRows(1);
  StatGrid->SetRowSelect(true);
  StatGrid->SetMultiSelect(true);
  connect(StatGrid, &TQuonGrid::MausDruck, this,
          [](const TGridMaus& m) { FensterUmschaltMerken(m.Umschalt & umTasten); });
  PositioniereFenster(*this, NeuerFormIndex());
}

TVStatForm::~TVStatForm() = default;

TVLeStatForm::TVLeStatForm() : TVStatForm(&TSchule::fVLeStatForm) {}

TVKlStatForm::TVKlStatForm() : TVStatForm(&TSchule::fVKlStatForm) {}

void TVStatForm::IVStatForm(TDateTime Von, TDateTime Bis, bool mitShow) {
  if (!SchuleVorhanden()) return;
  fNeuAufbau = false;
  const TVertrZeitraum z = VertrZeitraum(Von, Bis);
  fVon = z.Von;
  fBis = z.Bis;
  fZeilen = StatArt() == leh ? VLeStatZeilen(fVon, fBis) : VKlStatZeilen(fVon, fBis);
  const auto& kopf = StatArt() == leh ? VLeStatKopf() : VKlStatKopf();
  const int n = static_cast<int>(fZeilen.size());
  StatGrid->DeSelectAll();
  StatGrid->SetRowCount(std::max(n, 1) + 1);
  for (int c = 0; c < 9; ++c) {
    StatGrid->SetCells(c, 0, T(kopf[static_cast<std::size_t>(c)]));
    StatGrid->SetColWidths(c, VStatBreiten()[static_cast<std::size_t>(c)]);
    StatGrid->SetCells(c, 1, QString());
  }
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < 9; ++c)
      StatGrid->SetCells(
          c, r + 1, T(fZeilen[static_cast<std::size_t>(r)].Zellen[static_cast<std::size_t>(c)]));
  setWindowTitle(T(Titel()));
  if (!Angemeldet()) Anmelden();
  Groesse();
  StatGrid->viewport()->update();
  if (mitShow) {
    show();
    raise();
    activateWindow();
  }
}

std::string TVStatForm::Titel() const {
  return std::string(StatArt() == leh ? "Vertretungsübersicht für Lehrer"
                                      : "Vertretungsübersicht für Klassen") +
         " " + DatumText(fVon, "dd.mm.yyyy") + " - " + DatumText(fBis, "dd.mm.yyyy");
}

// Breite: die Spalten und 16 Bildpunkte, schmaler, solange das Fenster über den rechten Rand
// ragt (nie unter 200); Höhe: die Zeilen, mindestens eine, bis in den Arbeitsbereich.
void TVStatForm::Groesse() {
  const int linie = StatGrid->GridLineWidth();
  int b = 16;
  for (int c = 0; c < StatGrid->ColCount(); ++c) b += StatGrid->ColWidths(c) + linie;
  QScreen* schirm = screen() ? screen() : QGuiApplication::primaryScreen();
  const QRect arbeit = schirm ? schirm->availableGeometry() : QRect(0, 0, 1024, 768);
  b = VStatFensterBreite(b, geometry().left(), arbeit.right(), 200);
  auto hoehe = [&](int z) {
    int h = 2 * StatGrid->frameWidth() +
            style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    for (int r = 0; r < z; ++r) h += StatGrid->RowHeights(r) + linie;
    return h;
  };
  int zeilen = StatGrid->RowCount();
  const int unten = std::max(frameGeometry().bottom() - geometry().bottom(), 8);
  while (zeilen > 2 && geometry().top() + hoehe(zeilen) + unten > arbeit.bottom()) --zeilen;
  resize(b, hoehe(zeilen));
}

void TVStatForm::Geaendert(const TModellAenderung& aenderung) {
  if (aenderung.Art == TModellAenderung::TArt::Tag) TagGeaendert(aenderung.Datum);
}

void TVStatForm::TagGeaendert(TDateTime datum) {
  if (std::floor(datum) < std::floor(fVon) || std::floor(datum) > std::floor(fBis)) return;
  // Die Vertretung selbst kann schon zerstört sein: verglichen wird der Tag der Zeile.
  for (TVStatZeile& z : fZeilen)
    if (std::floor(z.Datum) == std::floor(datum)) z.Vertretung = nullptr;
  if (fNeuAufbau) return;
  fNeuAufbau = true;
  QTimer::singleShot(0, this, [this] {
    if (fNeuAufbau && SchuleVorhanden()) FensterUpdate();
  });
}

void TVStatForm::DoCopy() {
  Ablage().SetzeText(InhaltAlsText());
}

std::string TVStatForm::InhaltAlsText() const {
  std::vector<int> auswahl;
  for (int r : StatGrid->AusgewaehlteZeilen())
    if (r >= 1) auswahl.push_back(r - 1);
  return VStatText(fZeilen, auswahl);
}

void TVStatForm::AllesAuswaehlen() {
  for (int r = 1; r <= static_cast<int>(fZeilen.size()); ++r) StatGrid->SetSelectRow(r, true);
  StatGrid->viewport()->update();
}

// ---- TVertrUebZeit ----

TVertrUebZeit::TVertrUebZeit(QWidget* parent) : QDialog(parent) {
  setWindowTitle(T("Vertretungsübersicht"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(T("Für welchen Zeitraum soll die"), this));
  layout->addWidget(new QLabel(T("Vertretungsübersicht angelegt werden?"), this));
  const TDatum heute = ZahlZuDatum(Heute());
  auto gruppe = [&](const char* titel, QSpinBox*& tag, QSpinBox*& monat, QSpinBox*& jahr) {
    auto* box = new QGroupBox(T(titel), this);
    auto* g = new QGridLayout(box);
    auto feld = [&](const char* text, int spalte, int von, int bis, int wert) {
      g->addWidget(new QLabel(T(text), box), 0, spalte);
      auto* f = new QSpinBox(box);
      f->setRange(von, bis);
      f->setValue(std::clamp(wert, von, bis));
      g->addWidget(f, 1, spalte);
      return f;
    };
    tag = feld("Tag", 0, 1, 31, heute.Tag);
    monat = feld("Monat", 1, 1, 12, heute.Monat);
    jahr = feld("Jahr", 2, 1994, 2039, heute.Jahr);
    layout->addWidget(box);
  };
  gruppe("von Datum", VonTag, VonMonat, VonJahr);
  gruppe("bis Datum", BisTag, BisMonat, BisJahr);
  auto* knoepfe = new QHBoxLayout;
  OkKnopf = new QPushButton(T("Ok"), this);
  AbbrechenKnopf = new QPushButton(T("Abbrechen"), this);
  OkKnopf->setDefault(true);
  knoepfe->addWidget(OkKnopf);
  knoepfe->addWidget(AbbrechenKnopf);
  layout->addLayout(knoepfe);
  connect(OkKnopf, &QPushButton::clicked, this, &QDialog::accept);
  connect(AbbrechenKnopf, &QPushButton::clicked, this, &QDialog::reject);
}

TVertrZeitraum TVertrUebZeit::Zeitraum() {
  int t1 = VonTag->value(), m1 = VonMonat->value(), j1 = VonJahr->value();
  int t2 = BisTag->value(), m2 = BisMonat->value(), j2 = BisJahr->value();
  const TDateTime von = VertrDatum(t1, m1, j1);
  const TDateTime bis = VertrDatum(t2, m2, j2);
  VonTag->setValue(t1);
  BisTag->setValue(t2);
  return VertrZeitraum(von, bis);
}

// ---- Befehle ----

std::function<std::optional<TVertrZeitraum>()>& VStatZeitWahl() {
  static std::function<std::optional<TVertrZeitraum>()> wahl;
  return wahl;
}

TVStatForm* VStatOeffnen(TKuerzelArt art, TDateTime von, TDateTime bis) {
  if (!SchuleVorhanden()) return nullptr;
  TDirtyBewahrer bewahrer;
  TSchule& s = Schule();
  TFenster* offen = art == leh ? s.fVLeStatForm : s.fVKlStatForm;
  auto* f = dynamic_cast<TVStatForm*>(offen);
  if (!f)
    f = art == leh ? static_cast<TVStatForm*>(new TVLeStatForm())
                   : static_cast<TVStatForm*>(new TVKlStatForm());
  f->IVStatForm(von, bis, true);
  return f;
}

std::optional<TVertrZeitraum> VertrUebZeitAbfragen(QWidget* vater) {
  if (auto& wahl = VStatZeitWahl()) return wahl();
  if (!vater) vater = PaletteFenster();
  TVertrUebZeit dialog(vater);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Zeitraum();
}

TVStatForm* VStatZeigen(TKuerzelArt art) {
  const std::optional<TVertrZeitraum> z = VertrUebZeitAbfragen();
  if (!z) return nullptr;
  return VStatOeffnen(art, z->Von, z->Bis);
}
