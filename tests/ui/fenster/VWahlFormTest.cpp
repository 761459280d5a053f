// Mit Qt: das Fenster "Vertretungswahl" mit QTest auf den echten Knöpfen und Rastern; die
// Auswahllisten der Palette spielt ein Fensterdienst, Fragen beantwortet die Attrappe.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "app/BeispielSchuleUnit.h"
#include "model/DatumUnit.h"
#include "substitution/KalenderUnit.h"
#include "substitution/VertretungHilfe.h"
#include "ui/ElementFensterUnit.h"
#include "ui/fenster/PopupMenueUnit.h"
#include "ui/fenster/VWahlFormUnit.h"

namespace {

// Ein Fensterdienst, dessen Auswahllisten die vorbereitete Wahl liefern.
class TWahlDienst : public TFakeFensterDienst {
 public:
  std::optional<TElementWahl> ElementWaehlen(TKuerzelArt art, bool mitOhne, int, int) override {
    fArten.emplace_back(art, mitOhne);
    return fNaechste;
  }
  std::optional<TElementWahl> fNaechste;
  std::vector<std::pair<TKuerzelArt, bool>> fArten;
};

class VWahlFormTest : public VertretungsTest {
 protected:
  VWahlFormTest() {
    TDienste d = EingesetzteDienste();
    d.Fenster = &dienst;
    fAlt = DiensteEinsetzen(d);
    st.fVertrLeAuswahl = 2;
    st.fVertrFreiCheck = true;
    st.fVertrRandCheck = false;
    st.fVertrVStdAuswahl = 0;
  }
  ~VWahlFormTest() override {
    Schule().AlleFensterSchliessen();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    DiensteEinsetzen(fAlt);
  }
  static std::vector<std::string> Kuerzel(const std::vector<TVWahlZeile>& liste) {
    std::vector<std::string> k;
    for (const TVWahlZeile& z : liste) k.push_back(z.Kuerzel);
    return k;
  }
  TWahlDienst dienst;
  TDienste fAlt;
};

TEST_F(VWahlFormTest, VertreterWaehlenBlaetternUndSchliessenMitDerVertretung) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  a->fFaktor = 2;
  TKurs* b = Kurs(l2, fM, {k5b}, {r2}, nullptr, 4);
  TKurs* c = Kurs(l3, fE, {k5b}, {r3}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  TSetzung* pa2 = a->NeueSetzung(1, 1, 4, r1);
  b->NeueSetzung(1, 1, 3, r2);
  c->NeueSetzung(1, 1, 1, r3);
  Abwesend(l1, Tag(0), 3, 4);
  TVertretung* v = Von(pa, Tag(0));
  ASSERT_NE(v, nullptr);
  VWahlZeigen(*v);
  auto* form = dynamic_cast<TVWahlForm*>(s.fVWahlForm);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->FensterArt(), FensterArt::VertretungsWahl);
  EXPECT_EQ(v->fFenster, form);
  VWahlZeigen(*v);
  EXPECT_EQ(s.fVWahlForm, form);
  EXPECT_EQ(std::count(dienst.fMenue.begin(), dienst.fMenue.end(), form), 1);
  EXPECT_EQ(form->StdFeld->text().toStdString(),
            U8(v->ZeitZeile(false) + "  " + v->KursZeile(false)));
  EXPECT_EQ(form->LehrerFeld->text(), QStringLiteral("ohne"));
  EXPECT_EQ(form->FreieCheck->text(), QStringLiteral("freie Lehrer"));
  // MUE fehlt, SCH unterrichtet: nur KRA.
  ASSERT_EQ(Kuerzel(form->LehrerZeilen()), (std::vector<std::string>{"KRA"}));

  QTest::mouseDClick(form->LehrerGrid, Qt::LeftButton, {}, QPoint(10, 8));
  EXPECT_EQ(v->fLehrer, l3);
  EXPECT_EQ(l3->fVStunden1, 2);
  EXPECT_EQ(form->LehrerFeld->text(), QStringLiteral("KRA"));
  ASSERT_EQ(Kuerzel(form->LehrerZeilen()), (std::vector<std::string>{"KRA"}));
  EXPECT_TRUE(form->LehrerZeilen()[0].Streifen[2].Gruen);
  EXPECT_TRUE(form->AnrechnenCheck->isChecked());

  // "Lehrer": die Liste ohne Wahl geschlossen ändert nichts; ein fehlender Lehrer wird erst
  // gefragt.
  dienst.fNaechste = TFensterDienst::TElementWahl{false, nullptr};
  QTest::mouseClick(form->LehrerKnopf, Qt::LeftButton);
  ASSERT_FALSE(dienst.fArten.empty());
  EXPECT_EQ(dienst.fArten.back(), std::make_pair(leh, true));
  EXPECT_EQ(v->fLehrer, l3);
  u.dialog.Antworte("Nein");
  dienst.fNaechste = TFensterDienst::TElementWahl{true, l1};
  QTest::mouseClick(form->LehrerKnopf, Qt::LeftButton);
  ASSERT_FALSE(u.dialog.fProtokoll.empty());
  EXPECT_EQ(u.dialog.fProtokoll.back().Titel, "Lehrer fehlt");
  EXPECT_EQ(u.dialog.fProtokoll.back().Zeilen[0], "Lehrer MUE fehlt.");
  EXPECT_EQ(v->fLehrer, l3);

  QTest::mouseClick(form->AnrechnenCheck, Qt::LeftButton);
  EXPECT_FALSE(v->fAngerechnet);
  EXPECT_EQ(l3->fVStunden1, 0);
  QTest::mouseClick(form->AnrechnenCheck, Qt::LeftButton);
  EXPECT_EQ(l3->fVStunden1, 2);
  EXPECT_TRUE(VertretungenStimmen(s));

  // Pfeiltasten: die nächste gültige Vertretung des Tages, am Ende wieder von vorn.
  QTest::keyClick(form, Qt::Key_Right);
  EXPECT_EQ(form->fWahl.fVertretung, Von(pa2, Tag(0)));
  EXPECT_EQ(v->fFenster, nullptr);
  EXPECT_EQ(form->fWahl.fStd, 4);
  QTest::keyClick(form, Qt::Key_Right);
  EXPECT_EQ(form->fWahl.fVertretung, v);
  // "Voriger" der Palette gilt dem aktiven Fenster.
  s.FensterAktivieren(form);
  Blaettern(-1, 0);
  EXPECT_EQ(form->fWahl.fVertretung, Von(pa2, Tag(0)));
  Blaettern(1, 0);
  EXPECT_EQ(form->fWahl.fVertretung, v);

  QTest::mouseClick(form->LoeschenKnopf, Qt::LeftButton);
  EXPECT_EQ(v->fLehrer, nullptr);
  EXPECT_EQ(l3->fVStunden1, 0);
  EXPECT_EQ(form->LehrerFeld->text(), QStringLiteral("ohne"));
  EXPECT_TRUE(VertretungenStimmen(s));

  QTest::mouseClick(form->RaumauswahlRadio, Qt::LeftButton);
  EXPECT_EQ(form->FreieCheck->text(), QStringLiteral("freie Räume"));
  EXPECT_FALSE(form->LehrerAuswahlKnopf->isVisibleTo(form));
  EXPECT_EQ(Kuerzel(form->RaumZeilen()), (std::vector<std::string>{"R3"}));  // R1, R2 belegt

  // Die gelöschte Vertretung schließt das Fenster; kein Verweis bleibt.
  QPointer<TVWahlForm> zeiger(form);
  s.VertretungLoeschen(v);
  EXPECT_EQ(s.fVWahlForm, nullptr);
  EXPECT_TRUE(dienst.fMenue.empty());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(zeiger.isNull());
  EXPECT_EQ(Von(pa2, Tag(0))->fFenster, nullptr);
}

TEST_F(VWahlFormTest, KlickAufDenUnterstrichenenLehrerBietetSeineRandstundenAn) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* b = Kurs(l2, fM, {k5a}, {r2}, nullptr, 4);
  TSetzung* pa = a->NeueSetzung(1, 2, 3, r1);
  a->NeueSetzung(1, 2, 1, r1);
  TSetzung* pb = b->NeueSetzung(1, 2, 4, r2);
  Abwesend(l1, Tag(1), 3, 3);
  TVertretung* v = Von(pa, Tag(1));
  VWahlZeigen(*v);
  auto* form = dynamic_cast<TVWahlForm*>(s.fVWahlForm);
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(form));
  ASSERT_EQ(Kuerzel(form->LehrerZeilen()), (std::vector<std::string>{"SCH", "KRA"}));
  ASSERT_TRUE(form->LehrerZeilen()[0].Unterstrichen);
  // Das Menü wählt seinen ersten Eintrag, sobald es offen ist: SCH gibt die Stunde heute statt
  // seiner 4. Stunde.
  std::string erster;
  QTimer::singleShot(0, [&] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* m = qobject_cast<TPopupMenue*>(w); m && m->isVisible()) {
        erster = m->Menue()[0].Text;
        m->Waehle(0);
      }
  });
  QTest::mouseClick(form->LehrerGrid, Qt::LeftButton, {}, QPoint(10, 8));
  EXPECT_EQ(erster, U8(DatumText(Tag(1), kKurzesDatum)) + "   4");
  EXPECT_EQ(v->fLehrer, l2);
  ASSERT_NE(v->fZu, nullptr);
  EXPECT_EQ(v->fZu->fSetzung, pb);
  EXPECT_FALSE(form->StattFeld->text().isEmpty());
  EXPECT_TRUE(form->StattKnopf->isEnabled());
  EXPECT_TRUE(VertretungenStimmen(s));
  // "zeigen" in "statt" zeigt die Partnerin in diesem Fenster.
  QTest::mouseClick(form->StattKnopf, Qt::LeftButton);
  EXPECT_EQ(form->fWahl.fVertretung, v->fZu);
  EXPECT_EQ(form->VerlegtFeld->text().toStdString(),
            U8(v->ZeitZeile(false) + "  " + v->KursZeile(false)));
}

TEST_F(VWahlFormTest, EinGeloeschterKursVerschwindetAusDemTagesplan) {
  TKurs* a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 4);
  TKurs* c = Kurs(l2, fE, {k5a}, {r3}, g, 4);
  TSetzung* pa = a->NeueSetzung(1, 1, 3, r1);
  c->NeueSetzung(1, 1, 4, r3);
  Abwesend(l1, Tag(0), 3, 3);
  st.fVertrPlnAuswahl = 1;  // Klassenplan der 5a
  VWahlZeigen(*Von(pa, Tag(0)));
  auto* form = dynamic_cast<TVWahlForm*>(s.fVWahlForm);
  ASSERT_NE(form, nullptr);
  ASSERT_EQ(form->PlanZeilen().size(), 16u);
  ASSERT_EQ(form->PlanZeilen()[3].Kurs, c);
  s.KursLoeschen(c);
  ASSERT_EQ(s.fVWahlForm, form);
  EXPECT_EQ(form->PlanZeilen()[3].Kurs, nullptr);
  EXPECT_EQ(form->PlanZeilen()[3].Marke, '-');
  // Neu zeichnen und ein Rechtsklick auf die Stunde lesen nichts Freigegebenes (im Prüferbau
  // fände AddressSanitizer jeden Zugriff auf den zerstörten Kurs).
  form->PlanGrid->repaint();
  (void)form->PlanGrid->grab();
  QTest::mouseClick(form->PlanGrid, Qt::RightButton, {}, QPoint(60, 3 * TVWahlGrid::kHoehe + 5));
  EXPECT_TRUE(VertretungenStimmen(s));
}

// Ein Bild des Fensters auf der Beispielschule mit drei fehlenden Lehrern, nur auf Wunsch
// (TAMREL_BILDER=Ordner).
TEST(VWahlFormBild, BeispielschuleMitDreiFehlendenLehrern) {
  const char* ordner = std::getenv("TAMREL_BILDER");
  if (!ordner) GTEST_SKIP() << "TAMREL_BILDER nicht gesetzt";
  TTestUmgebung u;
  TSchule& s = u.schule();
  ErzeugeBeispielSchule(s, false);
  const TDateTime tag = DatumZuZahl(2026, 12, 9) + 0.5;
  const int woche = PlanversionAm(tag), wt = WochenTag(tag);
  int fehlen = 0;
  for (TLehrer* l : s.fLehrerMenge) {
    if (fehlen == 3) break;
    if ((l->fBesetzung.GetWocheTag(woche, wt) & 0xFFFFu) == 0) continue;
    FehlzeitEintragen(l, tag, StundenMaske(1, 16), "k");
    ++fehlen;
  }
  ASSERT_EQ(fehlen, 3);
  ASSERT_FALSE(s.fVertretungsMenge.empty());
  TVertretung* erste = nullptr;
  TVertretung* zweite = nullptr;
  for (TVertretung* v : s.fVertretungsMenge) {
    if (!v->fGueltig) continue;
    if (!erste)
      erste = v;
    else if (!zweite && v->fSetzung->fStunde == erste->fSetzung->fStunde + 1)
      zweite = v;
  }
  ASSERT_NE(erste, nullptr);
  VWahlZeigen(*erste);
  auto* form = dynamic_cast<TVWahlForm*>(s.fVWahlForm);
  ASSERT_NE(form, nullptr);
  ASSERT_FALSE(form->LehrerZeilen().empty());
  form->LehrerGridDoppel(0);
  if (zweite) {
    VWahlZeigen(*zweite);
    form->LehrerGridDoppel(1);
  }
  VWahlZeigen(*erste);
  form->fWahl.fVertretung->fLInfo = "Aufgaben im Klassenbuch";
  form->FensterRefresh();
  form->adjustSize();
  QApplication::processEvents();
  const QString datei = QString::fromUtf8(ordner) + QStringLiteral("/vertretungswahl.png");
  ASSERT_TRUE(form->grab().save(datei));
  // Unter X (xvfb mit Fensterverwaltung) auch der ganze Bildschirm mit Titelleiste.
  if (QGuiApplication::platformName() == QStringLiteral("xcb")) {
    QTest::qWait(800);
    ASSERT_TRUE(form->screen()->grabWindow(0).save(QString::fromUtf8(ordner) +
                                                   QStringLiteral("/bildschirm.png")));
  }
  // Die Statt-Suche nach Zeit für den eingetragenen Vertreter, als Menü.
  TPopupMenue zeit(form->fWahl.ZeitStattMenu());
  zeit.Popup(form->mapToGlobal(QPoint(0, 0)));
  if (!zeit.Menue().empty() && zeit.Menue()[0].Aktiv) zeit.OeffneUntermenue(0, true);
  QApplication::processEvents();
  ASSERT_TRUE(zeit.grab().save(QString::fromUtf8(ordner) + QStringLiteral("/statt_zeit.png")));
  zeit.Schliessen();
  Schule().AlleFensterSchliessen();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
