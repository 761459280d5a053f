#include "output/fenster/DruckVertrFormUnit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <filesystem>

#include "model/DienstUnit.h"
#include "model/ToolsUnit.h"
#include "output/fenster/DruckVEinstFormUnit.h"
#include "output/DruckVertrUnit.h"
#include "output/fenster/QtDruckerUnit.h"
#include "output/fenster/VertHTMLEinstFormUnit.h"
#include "output/VertrHTMLUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/KalenderUnit.h"
#include "ui/fenster/QtTextUnit.h"

namespace {
// Der senkrechte Pfeilknopf des Datums: nur die Pfeile, ohne Zahl.
class TUpDown : public QSpinBox {
 public:
  using QSpinBox::QSpinBox;

 protected:
  QString textFromValue(int) const override { return {}; }
};
}  // namespace

TDruckVertrForm::TDruckVertrForm(TDruckPlattform& plattform, QWidget* vater)
    : QDialog(vater, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      fPlattform(plattform) {
  setWindowTitle(T("Drucke Vertretungsplan"));
  auto* haupt = new QGridLayout(this);
  haupt->setSizeConstraint(QLayout::SetFixedSize);

  auto* datum = new QGroupBox(T("Datum für den Vertretungsplan"), this);
  auto* dl = new QHBoxLayout(datum);
  DatumsFeld = new QLabel(datum);
  DatumsFeld->setMinimumWidth(220);
  DatumUpDown = new TUpDown(datum);
  DatumUpDown->setObjectName(T("DatumUpDown"));
  DatumUpDown->setRange(-1000, 1000);
  DatumUpDown->setFixedWidth(22);
  DatumKnopf = new QPushButton(T("Datum ok"), datum);
  dl->addWidget(DatumsFeld);
  dl->addWidget(DatumUpDown);
  dl->addWidget(DatumKnopf);
  haupt->addWidget(datum, 0, 0, 1, 2);
  connect(DatumUpDown, &QSpinBox::valueChanged, this, [this](int wert) {
    const int richtung = wert - fUpDown;
    fUpDown = wert;
    if (!fSperre && richtung != 0) DatumUpDownClick(richtung);
  });
  connect(DatumKnopf, &QPushButton::clicked, this, [this] { DatumKnopfClick(); });

  auto* schrift = new QGroupBox(T("Schrift"), this);
  auto* sl = new QHBoxLayout(schrift);
  SchriftFeld = new QLabel(schrift);
  SchriftButton = new QPushButton(T("Ändern"), schrift);
  sl->addWidget(SchriftFeld, 1);
  sl->addWidget(SchriftButton);
  haupt->addWidget(schrift, 1, 0);
  connect(SchriftButton, &QPushButton::clicked, this, [this] {
    TSchrift& f = Standard().fVertrDruckFont;
    bool ok = false;
    QFont alt(T(f.Name), f.Groesse);
    const QFont neu = QFontDialog::getFont(&ok, alt, this, T("Schrift"));
    if (!ok) return;
    f.Name = U(neu.family());
    f.Groesse = std::max(1, neu.pointSize());
    f.Fett = neu.bold();
    f.Kursiv = neu.italic();
    SchriftZeigen();
  });

  auto* rand = new QHBoxLayout;
  RandSpin = new QSpinBox(this);
  RandSpin->setObjectName(T("RandSpin"));
  RandSpin->setRange(0, 6);
  rand->addWidget(new QLabel(T("linker Rand [cm]"), this));
  rand->addWidget(RandSpin);
  haupt->addLayout(rand, 1, 1);

  auto* einst = new QGroupBox(T("Drucke Einstellung"), this);
  auto* el = new QGridLayout(einst);
  for (int i = 0; i < 4; ++i) {
    CheckBox[i] = new QCheckBox(T("Einstellung ") + QString::number(i + 1), einst);
    CheckBox[i]->setObjectName(T("CheckBox") + QString::number(i + 1));
    Button[i] = new QPushButton(T("Ändern"), einst);
    el->addWidget(CheckBox[i], i, 0);
    el->addWidget(Button[i], i, 1);
    connect(Button[i], &QPushButton::clicked, this, [this, i] { EinstellungAendern(i + 1); });
  }
  haupt->addWidget(einst, 2, 0);

  auto* bem = new QGroupBox(T("Bemerkung"), this);
  auto* bl = new QVBoxLayout(bem);
  Memo = new QPlainTextEdit(bem);
  Memo->setObjectName(T("Memo"));
  auto* nr = new QHBoxLayout;
  BemSpin = new QSpinBox(bem);
  BemSpin->setObjectName(T("BemSpin"));
  BemSpin->setRange(1, 10);
  nr->addWidget(new QLabel(T("Bemerkung Nr."), bem));
  nr->addWidget(BemSpin);
  nr->addStretch();
  bl->addWidget(Memo);
  bl->addLayout(nr);
  haupt->addWidget(bem, 2, 1);
  connect(BemSpin, &QSpinBox::valueChanged, this, [this](int n) {
    fZustand.SetzeBemNr(n);
    MemoZeigen();
  });
  connect(Memo, &QPlainTextEdit::textChanged, this, [this] {
    if (fSperre) return;
    std::vector<std::string> zeilen;
    const QString text = Memo->toPlainText();
    if (!text.isEmpty())
      for (const QString& z : text.split(QChar('\n'))) zeilen.push_back(Utf8ZuWin1252(U(z)));
    fZustand.MemoGeaendert(std::move(zeilen));
  });

  auto* knoepfe = new QGridLayout;
  OkKnopf = new QPushButton(T("Ok"), this);
  AbbrechenKnopf = new QPushButton(T("Abbrechen"), this);
  PapierKnopf = new QPushButton(T("Papierformat"), this);
  ZwischenKnopf = new QPushButton(T("zur Zwischenablage"), this);
  PreviewKnopf = new QPushButton(T("Ansehen"), this);
  PdfKnopf = new QPushButton(T("Als PDF speichern…"), this);
  HTMLKnopf = new QPushButton(T("als HTML-Datei"), this);
  HTML4Knopf = new QPushButton(T("HTML 4"), this);
  QPushButton* alle[] = {OkKnopf,   ZwischenKnopf, PreviewKnopf, PdfKnopf,
                         HTMLKnopf, HTML4Knopf,    PapierKnopf,  AbbrechenKnopf};
  for (int k = 0; k < 8; ++k) {
    alle[k]->setAutoDefault(false);
    knoepfe->addWidget(alle[k], k / 4, k % 4);
  }
  haupt->addLayout(knoepfe, 3, 0, 1, 2);
  DatumKnopf->setDefault(true);
  connect(OkKnopf, &QPushButton::clicked, this, [this] { OkKnopfClick(); });
  connect(PreviewKnopf, &QPushButton::clicked, this, [this] { PreviewKnopfClick(); });
  connect(PdfKnopf, &QPushButton::clicked, this, [this] { PdfKnopfClick(); });
  connect(ZwischenKnopf, &QPushButton::clicked, this, [this] { ZwischenKnopfClick(); });
  connect(HTMLKnopf, &QPushButton::clicked, this, [this] { HTMLKnopfClick(); });
  connect(HTML4Knopf, &QPushButton::clicked, this, [this] { HTML4KnopfClick(); });
  connect(PapierKnopf, &QPushButton::clicked, this,
          [this] { TQtDruckPlattform::Papierformat(this); });
  connect(AbbrechenKnopf, &QPushButton::clicked, this, &QDialog::reject);
}

void TDruckVertrForm::IDruckVertrForm(TDateTime datum) {
  const TStandard& st = Standard();
  fZustand.IDruckVertrForm(datum);
  fSperre = true;
  RandSpin->setValue(st.fVertrDruckRand);
  BemSpin->setValue(1);
  for (int i = 0; i < 4; ++i) CheckBox[i]->setChecked(st.fVertrCheck[i + 1]);
  fSperre = false;
  SchriftZeigen();
  MemoZeigen();
  AusgabenFreigeben();
  DatumKnopf->setFocus();
}

void TDruckVertrForm::SchriftZeigen() {
  const TSchrift& f = Standard().fVertrDruckFont;
  SchriftFeld->setText(T(f.Name) + T(" ") + QString::number(f.Groesse));
}

void TDruckVertrForm::MemoZeigen() {
  fSperre = true;
  QStringList zeilen;
  for (const std::string& z : fZustand.Memo()) zeilen << T(U8(z));
  Memo->setPlainText(zeilen.join(QChar('\n')));
  fSperre = false;
}

void TDruckVertrForm::AusgabenFreigeben() {
  DatumsFeld->setText(T(fZustand.DatumsText()));
  const bool frei = fZustand.AusgabenFrei();
  for (QPushButton* k : {OkKnopf, ZwischenKnopf, PreviewKnopf, PdfKnopf, HTMLKnopf, HTML4Knopf})
    k->setEnabled(frei);
  DatumKnopf->setEnabled(!frei);
}

void TDruckVertrForm::DatumUpDownClick(int richtung) {
  fZustand.DatumSchritt(richtung);
  AusgabenFreigeben();
  DatumKnopf->setDefault(true);
}

void TDruckVertrForm::DatumKnopfClick() {
  fZustand.DatumOk();
  AusgabenFreigeben();
  OkKnopf->setDefault(true);
  OkKnopf->setFocus();
}

void TDruckVertrForm::Vorbereiten() {
  bool haken[4];
  for (int i = 0; i < 4; ++i) haken[i] = CheckBox[i]->isChecked();
  fZustand.AusgabeVorbereiten(RandSpin->value(), haken);
}

TDruckAuftrag TDruckVertrForm::Auftrag() const {
  TDruckAuftrag a;
  const TDateTime datum = fZustand.Datum();
  const std::vector<std::string> memo = fZustand.Memo();
  a.Zeichnen = [datum, memo](TPrevPrinter& p) { return DruckeVertretungsplan(p, datum, memo, 0); };
  a.LeerText = "Kein Vertretungsplan zu drucken.";
  a.PdfName = U8("Vertretungsplan " + DatumText(datum, "dd-mm-yyyy") + ".pdf");
  return a;
}

void TDruckVertrForm::OkKnopfClick() {
  Vorbereiten();
  const TDruckAuftrag a = Auftrag();
  accept();
  DruckOk(fPlattform, a);
}

void TDruckVertrForm::PreviewKnopfClick() {
  Vorbereiten();
  DruckAnsehen(fPlattform, Auftrag());
}

void TDruckVertrForm::PdfKnopfClick() {
  Vorbereiten();
  DruckAlsPdf(fPlattform, Auftrag());
}

void TDruckVertrForm::ZwischenKnopfClick() {
  Vorbereiten();
  accept();
  Ablage().SetzeText(VertretungsplanText(fZustand.Datum(), fZustand.Memo(), 0));
}

std::optional<std::string> TDruckVertrForm::DateiWaehlen(const QString& titel,
                                                         const std::string& vorschlag,
                                                         bool ordner) {
  if (fDateiWahl) return fDateiWahl(vorschlag);
  TStandard& st = Standard();
  const QString start =
      T(st.fHTMLVertPfad.empty() ? vorschlag : st.fHTMLVertPfad + "/" + vorschlag);
  const QString gewaehlt =
      ordner ? QFileDialog::getSaveFileName(this, titel, start)
             : QFileDialog::getSaveFileName(this, titel, start, T("HTML-Dateien (*.HTML)"));
  if (gewaehlt.isEmpty()) return std::nullopt;
  std::string pfad = U(gewaehlt);
  const std::filesystem::path p(std::u8string(pfad.begin(), pfad.end()));
  if (!ordner && !p.has_extension()) pfad += ".html";
  const std::u8string teil = p.parent_path().u8string();
  st.fHTMLVertPfad = std::string(teil.begin(), teil.end());
  return pfad;
}

void TDruckVertrForm::HTMLKnopfClick() {
  Vorbereiten();
  const int p = EinzigeVorgabe();
  if (p == 0) return;
  if (fHtmlEinstellung ? !fHtmlEinstellung() : !VertHTMLEinstZeigen(this)) return;
  const TStandard& st = Standard();
  const TDateTime datum = fZustand.Datum();
  const std::vector<std::string> memo = fZustand.Memo();
  if (st.fVertrHTMLMitTagesordner) {
    const auto ordner =
        DateiWaehlen(T("Vertretungsplan als HTML-Datei"), TagesordnerName(datum), true);
    if (ordner) VertretungsTagesordner(*ordner, datum, memo, p);
    return;
  }
  const auto vp = DateiWaehlen(T("Vertretungsplan als HTML-Datei"), "vp.html", false);
  std::optional<std::string> ep;
  if (!st.fVertrHTMLGemeinsam && st.fVDEinstellung[p].DruckEP)
    ep = DateiWaehlen(T("Ersatzraumplan als HTML-Datei"), "ep.html", false);
  if (vp || ep) VertretungsDateien(vp.value_or(""), ep.value_or(""), datum, memo, p);
}

void TDruckVertrForm::HTML4KnopfClick() {
  Vorbereiten();
  if (!AlleVorgaben()) return;
  VertretungHtml4(fZustand.Datum(), fZustand.Memo());
}

void TDruckVertrForm::EinstellungAendern(int i) {
  TDruckVEinstForm form(this);
  form.IDruckVEinstForm(i);
  form.exec();
}

void VertrDruckZeigen(TDateTime datum, QWidget* vater) {
  TQtDruckPlattform plattform(vater);
  TDruckVertrForm form(plattform, vater);
  form.IDruckVertrForm(datum);
  form.exec();
}
