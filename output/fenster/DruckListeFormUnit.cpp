#include "output/fenster/DruckListeFormUnit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "model/SchulUnit.h"
#include "output/fenster/QtDruckerUnit.h"
#include "settings/StandardUnit.h"
#include "ui/fenster/QtTextUnit.h"

namespace {
void* Zeiger(QListWidgetItem* item) {
  return item->data(Qt::UserRole).value<void*>();
}

QListWidgetItem* Eintrag(QListWidget* liste, TElement* e, int zeile = -1) {
  auto* item = new QListWidgetItem(T(U8(e->fKuerzel.str())));
  item->setData(Qt::UserRole, QVariant::fromValue(static_cast<void*>(e)));
  if (zeile < 0)
    liste->addItem(item);
  else
    liste->insertItem(zeile, item);
  return item;
}

// Die Texte eines Listendrucks: Überschrift, Häkchen, Radiogruppe, PDF-Name.
struct TListenTexte {
  const char* Titel;
  std::vector<const char*> Checks;
  const char* ArtTitel;
  std::vector<const char*> Arten;
  const char* Pdf;
};

const TListenTexte& Texte(TListenDruck art) {
  static const TListenTexte kTexte[] = {
      {"Kürzel drucken",
       {"Lehrer", "Klassen", "Kopplungen", "Fächer", "Räume", "UV-Tabellen"},
       "",
       {},
       "Kürzel.pdf"},
      {"Deputate drucken",
       {"mit Klassenliste", "mit Raumliste", "1 Seite pro Deputat", "mit Info", "mit Farbe",
        "mit Zusatz"},
       "für",
       {"Lehrer", "Klassen", "Kopplungen", "Fächer", "Räume", "alle Kurse"},
       "Deputate.pdf"},
      {"Drucke Fachkonferenzen",
       {"einzeln drucken", "nur eingesetzte Lehrer"},
       "",
       {},
       "Fachkonferenzen.pdf"},
      {"Drucke Klassenkonferenzen", {"einzeln drucken"}, "", {}, "Klassenkonferenzen.pdf"},
      {"Drucke Reststunden", {}, "Kürzelart", {"Lehrer", "Klassen", "Fächer"}, "Reststunden.pdf"},
      {"Drucke Stundenverteilungen",
       {"mit Sperrungen", "mit Springstunden", "mit Farbe"},
       "für",
       {"Lehrer", "Klassen", "Kopplungen", "Fächer", "Räume"},
       "Stundenverteilung.pdf"},
      {"Vertretene Stunden drucken", {}, "", {}, "Vertretungsstunden.pdf"},
      {"Drucke Fehlerliste", {}, "", {}, "Fehlerliste.pdf"},
      {"Drucke UV-Tabelle", {"Kopplungen fett", "mit Farbe"}, "", {}, "UV-Tabelle.pdf"},
      {"Drucke parallele Kopplungen",
       {"mit Lehrern", "mit Fächern", "mit Konflikten"},
       "",
       {},
       "Parallele Kopplungen.pdf"},
  };
  return kTexte[static_cast<int>(art)];
}

// Die Schrift und der Rand jeder Gruppe.
struct TGrundOptionen {
  TSchrift Font;
  int Rand = 1;
};
}  // namespace

// --- TDruckListeForm ---

namespace {
TGrundOptionen GrundLaden(TListenDruck art, const TStandard& s) {
  switch (art) {
    case TListenDruck::Kuerzel:
      return {s.fKueDruckFont, s.fKueDruckRand};
    case TListenDruck::Deputate:
      return {s.fDepDruckFont, s.fDepDruckRand};
    case TListenDruck::FachKonf:
      return {s.fFaKonfDruckFont, s.fFaKonfDruckRand};
    case TListenDruck::KlassenKonf:
      return {s.fKlKonfDruckFont, s.fKlKonfDruckRand};
    case TListenDruck::Rest:
      return {s.fRestDruckFont, s.fRestDruckRand};
    case TListenDruck::SV:
      return {s.fSVDruckFont, s.fSVDruckRand};
    case TListenDruck::VStd:
      return {s.fVStdDruckFont, s.fVStdDruckRand};
    case TListenDruck::Fehler:
      return {s.fFehlDruckFont, s.fFehlDruckRand};
    case TListenDruck::UV:
      return {s.fUVDruckFont, s.fUVDruckRand};
    case TListenDruck::Par:
      break;
  }
  return {s.fParDruckFont, s.fParDruckRand};
}

// Die Häkchen der Art aus den Einstellungen, in der Folge der Texte.
std::vector<bool> ChecksLaden(TListenDruck art, const TStandard& s) {
  switch (art) {
    case TListenDruck::Kuerzel: {
      const TKueDruckOptionen o = LadeKueDruck(s);
      return std::vector<bool>(o.Art, o.Art + 6);
    }
    case TListenDruck::Deputate: {
      const TDepDruckOptionen o = LadeDepDruck(s);
      return {o.KlListe, o.RaListe, o.EineSeite, o.Info, o.Farbe, o.Zusatz};
    }
    case TListenDruck::FachKonf:
      return {s.fFaKonfDruckEinzeln, s.fFaKonfDruckEinsatz};
    case TListenDruck::KlassenKonf:
      return {s.fKlKonfDruckEinzeln};
    case TListenDruck::SV:
      return {s.fSVDruckSperr, s.fSVDruckSpring, s.fSVDruckFarbe};
    case TListenDruck::UV:
      return {s.fUVDruckFett, s.fUVDruckFarbe};
    case TListenDruck::Par:
      return {s.fParDruckMitLe, s.fParDruckMitFa, s.fParDruckMitKonfl};
    default:
      return {};
  }
}
}  // namespace

TDruckListeForm::TDruckListeForm(TListenDruck art, TDruckPlattform& plattform,
                                 TMehrfachWahl mehrfach, TEinzelWahl einzel, QWidget* vater)
    : TDruckDialog(plattform, vater),
      fArt(art),
      fMehrfach(std::move(mehrfach)),
      fEinzel(std::move(einzel)) {
  TStandard& einst = Standard();
  TSchrift* const kSchrift[] = {
      &einst.fKueDruckFont,  &einst.fDepDruckFont, &einst.fFaKonfDruckFont, &einst.fKlKonfDruckFont,
      &einst.fRestDruckFont, &einst.fSVDruckFont,  &einst.fVStdDruckFont,   &einst.fFehlDruckFont,
      &einst.fUVDruckFont,   &einst.fParDruckFont};
  fSchriftEinstellung = kSchrift[static_cast<int>(art)];
  const TListenTexte& texte = Texte(art);
  setWindowTitle(T(texte.Titel));
  auto* haupt = new QGridLayout(this);
  int zeile = 0;
  if (!texte.Arten.empty()) {
    auto* gruppe = new QGroupBox(T(texte.ArtTitel), this);
    auto* gl = new QVBoxLayout(gruppe);
    for (const char* a : texte.Arten) {
      auto* r = new QRadioButton(T(a), gruppe);
      gl->addWidget(r);
      ArtRadios.push_back(r);
      connect(r, &QRadioButton::toggled, this, [this](bool an) {
        if (an) ArtGeaendert();
      });
    }
    haupt->addWidget(gruppe, zeile++, 0);
  }
  if (!texte.Checks.empty()) {
    auto* gruppe = new QGroupBox(art == TListenDruck::Kuerzel ? T("Kürzelart") : QString(), this);
    auto* gl = new QVBoxLayout(gruppe);
    for (const char* c : texte.Checks) {
      auto* box = new QCheckBox(T(c), gruppe);
      gl->addWidget(box);
      Checks.push_back(box);
    }
    haupt->addWidget(gruppe, zeile++, 0);
  }
  const bool bereich = art == TListenDruck::Rest || art == TListenDruck::SV;
  if (bereich) {
    auto* gruppe = new QGroupBox(this);
    auto* gl = new QHBoxLayout(gruppe);
    VonKnopf = new QPushButton(gruppe);
    BisKnopf = new QPushButton(gruppe);
    gl->addWidget(new QLabel(T("von"), gruppe));
    gl->addWidget(VonKnopf);
    gl->addWidget(new QLabel(T("bis"), gruppe));
    gl->addWidget(BisKnopf);
    for (bool von : {true, false})
      connect(von ? VonKnopf : BisKnopf, &QPushButton::clicked, this, [this, von] {
        if (!fEinzel) return;
        QPushButton* k = von ? VonKnopf : BisKnopf;
        if (TElement* e = fEinzel(ElementArt(), k->mapToGlobal(QPoint(0, k->height()))))
          BereichWaehlen(von, e);
      });
    haupt->addWidget(gruppe, zeile++, 0);
  }
  const bool liste = art == TListenDruck::Deputate || art == TListenDruck::FachKonf ||
                     art == TListenDruck::KlassenKonf;
  if (liste) {
    auto* gruppe = new QGroupBox(this);
    auto* gl = new QGridLayout(gruppe);
    GewaehltListe = new QListWidget(gruppe);
    GewaehltListe->setObjectName(T("GewaehltListe"));
    connect(GewaehltListe, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
      delete GewaehltListe->takeItem(GewaehltListe->row(item));
    });
    if (art == TListenDruck::Deputate) {
      AuswahlKnopf = new QPushButton(T("Auswahl"), gruppe);
      gl->addWidget(new QLabel(T("für"), gruppe), 0, 0);
      gl->addWidget(GewaehltListe, 1, 0);
      gl->addWidget(AuswahlKnopf, 2, 0);
      connect(AuswahlKnopf, &QPushButton::clicked, this, [this] {
        if (!fMehrfach) return;
        const int wahl = ArtWahl();
        if (wahl >= 5) return;
        for (TElement* e : fMehrfach(Schule().Elemente(ElementArt()), T(Texte(fArt).Arten[wahl])))
          ElementAnhaengen(e);
      });
    } else {
      const bool fach = art == TListenDruck::FachKonf;
      AuswahlListe = new QListWidget(gruppe);
      AuswahlListe->setObjectName(T("AuswahlListe"));
      for (TElement* e : Schule().Elemente(fach ? fac : kla)) Eintrag(AuswahlListe, e);
      gl->addWidget(new QLabel(fach ? T("Fächer") : T("Klassen"), gruppe), 0, 0);
      gl->addWidget(new QLabel(T("Konferenzen"), gruppe), 0, 1);
      gl->addWidget(AuswahlListe, 1, 0);
      gl->addWidget(GewaehltListe, 1, 1);
      connect(AuswahlListe, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        ElementAnhaengen(static_cast<TElement*>(Zeiger(item)));
      });
    }
    haupt->addWidget(gruppe, 0, 1, zeile + 2, 1);
  }
  auto* randZeile = new QHBoxLayout;
  randZeile->addWidget(new QLabel(T("linker Rand [cm]"), this));
  RandSpin = new QSpinBox(this);
  RandSpin->setObjectName(T("RandSpin"));
  RandSpin->setRange(0, 6);
  randZeile->addWidget(RandSpin);
  haupt->addLayout(randZeile, zeile++, 0);
  haupt->addWidget(SchriftGruppe(), zeile++, 0);
  haupt->addLayout(Knopfzeile(), zeile + 2, 0, 1, 2);

  const TStandard& st = Standard();
  const TGrundOptionen g = GrundLaden(art, st);
  fSchrift = g.Font;
  RandSpin->setValue(std::clamp(g.Rand, 0, 6));
  SchriftZeigen();
  const std::vector<bool> an = ChecksLaden(art, st);
  for (std::size_t i = 0; i < Checks.size() && i < an.size(); ++i) Checks[i]->setChecked(an[i]);
  int artWahl = 0;
  if (art == TListenDruck::Deputate) artWahl = LadeDepDruck(st).Art;
  if (art == TListenDruck::Rest) artWahl = LadeRestDruck(st).Art;
  if (art == TListenDruck::SV) artWahl = LadeSVDruck(st).Art;
  SetzeArtWahl(artWahl);
  ArtGeaendert();
}

int TDruckListeForm::ArtWahl() const {
  for (std::size_t i = 0; i < ArtRadios.size(); ++i)
    if (ArtRadios[i]->isChecked()) return static_cast<int>(i);
  return 0;
}

void TDruckListeForm::SetzeArtWahl(int art) {
  if (ArtRadios.empty()) return;
  const int i = std::clamp(art, 0, static_cast<int>(ArtRadios.size()) - 1);
  ArtRadios[static_cast<std::size_t>(i)]->setChecked(true);
}

TKuerzelArt TDruckListeForm::ElementArt() const {
  static const TKuerzelArt kDep[6] = {leh, kla, kop, fac, rau, kur};
  switch (fArt) {
    case TListenDruck::Deputate:
      return kDep[std::clamp(ArtWahl(), 0, 5)];
    case TListenDruck::FachKonf:
      return fac;
    case TListenDruck::KlassenKonf:
      return kla;
    case TListenDruck::Rest:
      return ListenArt(true, ArtWahl());
    case TListenDruck::SV:
      return ListenArt(false, ArtWahl());
    default:
      return leh;
  }
}

// Ein Wechsel der Art setzt die Liste bzw. den Bereich zurück.
void TDruckListeForm::ArtGeaendert() {
  if (fArt == TListenDruck::Deputate) {
    const bool alle = ArtWahl() == 5;
    if (AuswahlKnopf) AuswahlKnopf->setEnabled(!alle);
    if (GewaehltListe) {
      GewaehltListe->setEnabled(!alle);
      GewaehltListe->clear();
    }
    if (Checks.size() > 2) Checks[2]->setEnabled(!alle);
  }
  if (VonKnopf) {
    const std::vector<TElement*> alle = Schule().Elemente(ElementArt());
    fVon = alle.empty() ? nullptr : alle.front();
    fBis = alle.empty() ? nullptr : alle.back();
    VonKnopf->setText(fVon ? T(U8(fVon->fKuerzel.str())) : QString());
    BisKnopf->setText(fBis ? T(U8(fBis->fKuerzel.str())) : QString());
  }
  bool frei = true;
  switch (fArt) {
    case TListenDruck::Deputate:
      frei =
          ArtWahl() == 5 ? !Schule().fKursMenge.empty() : !Schule().Elemente(ElementArt()).empty();
      break;
    case TListenDruck::FachKonf:
    case TListenDruck::KlassenKonf:
    case TListenDruck::Rest:
    case TListenDruck::SV:
      frei = !Schule().Elemente(ElementArt()).empty();
      break;
    case TListenDruck::VStd:
      frei = !Schule().fLehrerMenge.empty();
      break;
    case TListenDruck::Fehler:
      frei = true;
      break;
    default:
      break;
  }
  DruckFreigeben(frei);
}

void TDruckListeForm::BereichWaehlen(bool von, TElement* e) {
  if (!VonKnopf || !e) return;
  (von ? fVon : fBis) = e;
  BereichAbgleichen(ElementArt(), fVon, fBis, von);
  VonKnopf->setText(fVon ? T(U8(fVon->fKuerzel.str())) : QString());
  BisKnopf->setText(fBis ? T(U8(fBis->fKuerzel.str())) : QString());
}

std::vector<TElement*> TDruckListeForm::Gewaehlt() const {
  std::vector<TElement*> aus;
  if (!GewaehltListe) return aus;
  for (int i = 0; i < GewaehltListe->count(); ++i)
    aus.push_back(static_cast<TElement*>(Zeiger(GewaehltListe->item(i))));
  return aus;
}

void TDruckListeForm::ElementAnhaengen(TElement* e) {
  if (!e || !GewaehltListe) return;
  if (fArt == TListenDruck::Deputate) {
    Eintrag(GewaehltListe, e);
    return;
  }
  // Konferenzen: in Stammlistenfolge, ein schon gewähltes wird nur ausgewählt.
  std::vector<TElement*> liste = Gewaehlt();
  const auto alt = std::find(liste.begin(), liste.end(), e);
  if (alt != liste.end()) {
    GewaehltListe->setCurrentRow(static_cast<int>(alt - liste.begin()));
    return;
  }
  KonferenzEinfuegen(liste, e);
  const auto neu = std::find(liste.begin(), liste.end(), e);
  GewaehltListe->setCurrentItem(Eintrag(GewaehltListe, e, static_cast<int>(neu - liste.begin())));
}

void TDruckListeForm::OptionenSpeichern() {
  TStandard& st = Standard();
  auto an = [this](std::size_t i) { return i < Checks.size() && Checks[i]->isChecked(); };
  const int rand = RandSpin->value();
  switch (fArt) {
    case TListenDruck::Kuerzel: {
      TKueDruckOptionen o;
      for (std::size_t i = 0; i < 6; ++i) o.Art[i] = an(i);
      o.Rand = rand;
      o.Font = fSchrift;
      SpeichereKueDruck(o, st);
      break;
    }
    case TListenDruck::Deputate: {
      TDepDruckOptionen o{ArtWahl(), an(0), an(1), an(2), an(3), an(4), an(5), rand, fSchrift};
      SpeichereDepDruck(o, st);
      break;
    }
    case TListenDruck::FachKonf:
      SpeichereFaKonfDruck({an(0), an(1), rand, fSchrift}, st);
      break;
    case TListenDruck::KlassenKonf:
      SpeichereKlKonfDruck({an(0), false, rand, fSchrift}, st);
      break;
    case TListenDruck::Rest:
      SpeichereRestDruck({ArtWahl(), rand, fSchrift}, st);
      break;
    case TListenDruck::SV:
      SpeichereSVDruck({ArtWahl(), an(0), an(1), an(2), rand, fSchrift}, st);
      break;
    case TListenDruck::VStd:
    case TListenDruck::Fehler:
    case TListenDruck::UV:
    case TListenDruck::Par: {
      TListDruckOptionen o;
      o.Rand = rand;
      o.Font = fSchrift;
      o.Fett = o.MitLe = an(0);
      o.Farbe = o.MitFa = an(1);
      o.MitKonfl = an(2);
      if (fArt == TListenDruck::VStd) SpeichereVStdDruck(o, st);
      if (fArt == TListenDruck::Fehler) SpeichereFehlDruck(o, st);
      if (fArt == TListenDruck::UV) SpeichereUVDruck(o, st);
      if (fArt == TListenDruck::Par) SpeichereParDruck(o, st);
      break;
    }
  }
}

TDruckAuftrag TDruckListeForm::Auftrag() const {
  TDruckAuftrag a;
  a.PdfName = Texte(fArt).Pdf;
  const TStandard& st = Standard();
  const std::vector<TElement*> gewaehlt = Gewaehlt();
  const std::vector<TElement*> bereich =
      VonKnopf ? ElementBereich(ElementArt(), fVon, fBis) : std::vector<TElement*>{};
  switch (fArt) {
    case TListenDruck::Kuerzel:
      a.Zeichnen = [o = LadeKueDruck(st)](TPrevPrinter& p) { return DruckeKuerzel(o, p); };
      break;
    case TListenDruck::Deputate:
      a.Zeichnen = [o = LadeDepDruck(st), gewaehlt](TPrevPrinter& p) {
        return DruckeDeputate(o, gewaehlt, p);
      };
      break;
    case TListenDruck::FachKonf:
    case TListenDruck::KlassenKonf: {
      const bool fach = fArt == TListenDruck::FachKonf;
      a.Zeichnen = [fach, o = fach ? LadeFaKonfDruck(st) : LadeKlKonfDruck(st),
                    gewaehlt](TPrevPrinter& p) { return DruckeKonferenzen(fach, o, gewaehlt, p); };
      break;
    }
    case TListenDruck::Rest:
      a.Zeichnen = [o = LadeRestDruck(st), bereich](TPrevPrinter& p) {
        return DruckeReststunden(o, bereich, p);
      };
      break;
    case TListenDruck::SV:
      a.Zeichnen = [o = LadeSVDruck(st), bereich](TPrevPrinter& p) {
        return DruckeStundenverteilung(o, bereich, p);
      };
      break;
    case TListenDruck::VStd:
      a.Zeichnen = [o = LadeVStdDruck(st)](TPrevPrinter& p) {
        return DruckeVertretungsstunden(o, p);
      };
      break;
    case TListenDruck::Fehler:
      a.Zeichnen = [o = LadeFehlDruck(st), z = fFehlerZeilen](TPrevPrinter& p) {
        return DruckeFehlerliste(o, z, p);
      };
      break;
    case TListenDruck::UV:
      // Das Raster des Fensters, mit seinen Blöcken und leeren Zeilen bzw. Spalten.
      a.Zeichnen = [o = LadeUVDruck(st), t = fUVTab, r = fUVRaster, k = fUVKopplung](
                       TPrevPrinter& p) { return t ? DruckeUVTabelle(o, t, r, k, p) : 0; };
      break;
    case TListenDruck::Par:
      a.Zeichnen = [o = LadeParDruck(st), t = fParTabelle](TPrevPrinter& p) {
        return t ? DruckeParallelKopplungen(o, *t, p) : 0;
      };
      break;
  }
  return a;
}

void ListenDruckZeigen(TListenDruck art, TMehrfachWahl mehrfach, TEinzelWahl einzel,
                       TElement* element, QWidget* vater,
                       const std::function<void(TDruckListeForm&)>& vorher) {
  TQtDruckPlattform plattform(vater);
  TDruckListeForm form(art, plattform, std::move(mehrfach), std::move(einzel), vater);
  if (element && art == TListenDruck::Deputate) {
    static const TKuerzelArt kArten[5] = {leh, kla, kop, fac, rau};
    for (int i = 0; i < 5; ++i)
      if (kArten[i] == element->Art()) form.SetzeArtWahl(i);
    form.ElementAnhaengen(element);
  }
  if (vorher) vorher(form);
  form.exec();
}
