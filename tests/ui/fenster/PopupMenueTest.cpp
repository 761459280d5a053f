// Das Aufklappmenü mit Spaltenumbrüchen unter echten Maus- und Tastenereignissen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <string>

#include "model/MenueUnit.h"
#include "ui/fenster/PopupMenueUnit.h"

namespace {

// Spaltenlänge der Elementmenüs "Le", "Kl", …: max(16, √(n/3)·3 gerundet).
int ElementSpalte(int n) {
  return std::max(16, static_cast<int>(std::lround(std::sqrt(n / 3.0) * 3.0)));
}

TMenue Kuerzel(int n, std::vector<std::string>* gewaehlt = nullptr) {
  TMenue menue;
  for (int i = 0; i < n; ++i) {
    TMenueEintrag e;
    e.Text = "L" + std::to_string(i + 1);
    e.Wert = i + 1;
    if (gewaehlt) e.Aktion = [gewaehlt, t = e.Text] { gewaehlt->push_back(t); };
    menue.push_back(std::move(e));
  }
  return menue;
}

TMenueEintrag Eintrag(const std::string& text, std::vector<std::string>* gewaehlt) {
  TMenueEintrag e;
  e.Text = text;
  e.Aktion = [gewaehlt, text] { gewaehlt->push_back(text); };
  return e;
}

QPoint Mitte(const TPopupMenue& m, int i) {
  return m.EintragRechteck(i).center();
}

// Mausbewegung ohne gedrückte Taste, unmittelbar an das Menü.
void Ueberfahre(TPopupMenue* m, const QPoint& pos) {
  QMouseEvent e(QEvent::MouseMove, QPointF(pos), QPointF(m->mapToGlobal(pos)), Qt::NoButton,
                Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(m, &e);
}

class PopupMenueTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(TPopupMenue::OffeneMenues(), 0); }
  std::vector<std::string> gewaehlt;
};

TEST_F(PopupMenueTest, VierzigLehrerInDreiSpaltenZuSechzehn) {
  TMenue menue = Kuerzel(40);
  ASSERT_EQ(ElementSpalte(40), 16);
  SpaltenUmbrechen(menue, ElementSpalte(40));
  TPopupMenue m(menue);
  EXPECT_EQ(m.SpaltenZahl(), 3);
  EXPECT_EQ(m.SpaltenAnfaenge(), (std::vector<int>{0, 16, 32}));
  EXPECT_EQ(m.SpalteVon(15), 0);
  EXPECT_EQ(m.SpalteVon(16), 1);
  EXPECT_EQ(m.SpalteVon(39), 2);
  // Jede Spalte beginnt oben, rechts neben der vorigen; innerhalb einer Spalte untereinander.
  for (int anfang : {16, 32}) {
    EXPECT_EQ(m.EintragRechteck(anfang).top(), m.EintragRechteck(0).top());
    EXPECT_GT(m.EintragRechteck(anfang).left(), m.EintragRechteck(anfang - 1).right());
  }
  EXPECT_EQ(m.EintragRechteck(5).left(), m.EintragRechteck(0).left());
  EXPECT_EQ(m.EintragRechteck(5).top(), m.EintragRechteck(4).bottom() + 1);
  EXPECT_EQ(m.EintragRechteck(17).top(), m.EintragRechteck(1).top());
  // Die Höhe richtet sich nach der längsten Spalte, die Breite nach allen drei.
  EXPECT_GE(m.sizeHint().height(), m.EintragRechteck(15).bottom());
  EXPECT_GE(m.sizeHint().width(), m.EintragRechteck(39).right());
  EXPECT_LT(m.EintragRechteck(39).bottom(), m.EintragRechteck(15).bottom());
}

TEST_F(PopupMenueTest, DreihundertLehrerInZehnSpaltenZuDreissig) {
  TMenue menue = Kuerzel(300);
  ASSERT_EQ(ElementSpalte(300), 30);
  SpaltenUmbrechen(menue, ElementSpalte(300));
  TPopupMenue m(menue);
  ASSERT_EQ(m.SpaltenZahl(), 10);
  for (int c = 0; c < 10; ++c) {
    EXPECT_EQ(m.SpaltenAnfaenge()[static_cast<std::size_t>(c)], 30 * c);
    EXPECT_EQ(m.Menue()[static_cast<std::size_t>(30 * c)].Text, "L" + std::to_string(30 * c + 1));
    EXPECT_EQ(m.SpalteVon(30 * c + 29), c);
  }
  // Ein Eintrag an einer Stelle des Menüs wird gefunden.
  EXPECT_EQ(m.EintragAn(Mitte(m, 271)), 271);
}

TEST_F(PopupMenueTest, UmbruchAusDerSpaltenlaengeDerAuswahllisten) {
  // Auswahllisten eines Fachs: k aus der Zahl der Klassen (40 Klassen: 17).
  TMenue menue = Kuerzel(40);
  SpaltenUmbrechen(menue, PopupSpaltenLaenge(40));
  TPopupMenue m(menue);
  EXPECT_EQ(m.SpaltenAnfaenge(), (std::vector<int>{0, 17, 34}));
  // Ein Umbruch am ersten Eintrag macht keine leere Spalte.
  TMenue eins = Kuerzel(3);
  eins[0].NeueSpalte = true;
  eins[2].NeueSpalte = true;
  TPopupMenue m2(eins);
  EXPECT_EQ(m2.SpaltenAnfaenge(), (std::vector<int>{0, 2}));
}

TEST_F(PopupMenueTest, GesperrteEintraegeUndTrennlinienSindNichtWaehlbar) {
  TMenue menue;
  menue.push_back(Eintrag("ohne", &gewaehlt));
  TMenueEintrag linie;
  linie.Trennlinie = true;
  menue.push_back(linie);
  menue.push_back(Eintrag("R101", &gewaehlt));
  menue.back().Aktiv = false;
  menue.push_back(Eintrag("R102", &gewaehlt));
  menue.back().Haken = true;
  TPopupMenue m(menue);
  QSignalSpy zu(&m, &TPopupMenue::Geschlossen);
  m.Popup(QPoint(50, 50));
  ASSERT_TRUE(m.isVisible());

  EXPECT_FALSE(m.Waehlbar(1));
  EXPECT_FALSE(m.Waehlbar(2));
  EXPECT_TRUE(m.Waehlbar(3));  // mit Häkchen wählbar
  EXPECT_FALSE(m.Waehle(2));
  EXPECT_FALSE(m.Waehle(1));
  // Klick auf den gesperrten Eintrag und auf die Linie: nichts geschieht, das Menü bleibt.
  QTest::mouseClick(&m, Qt::LeftButton, {}, Mitte(m, 2));
  QTest::mouseClick(&m, Qt::LeftButton, {}, Mitte(m, 1));
  EXPECT_TRUE(m.isVisible());
  EXPECT_TRUE(gewaehlt.empty());
  // Die Tastatur überspringt sie.
  QTest::keyClick(&m, Qt::Key_Down);
  EXPECT_EQ(m.Markiert(), 0);
  QTest::keyClick(&m, Qt::Key_Down);
  EXPECT_EQ(m.Markiert(), 3);
  QTest::keyClick(&m, Qt::Key_Down);
  EXPECT_EQ(m.Markiert(), 0);  // rundum
  QTest::keyClick(&m, Qt::Key_Up);
  EXPECT_EQ(m.Markiert(), 3);

  // So wird gezeichnet: Häkchen, gesperrt, markiert.
  const QStyleOptionMenuItem haken = m.StilOption(3);
  EXPECT_TRUE(haken.checked);
  EXPECT_EQ(haken.checkType, QStyleOptionMenuItem::NonExclusive);
  EXPECT_TRUE(haken.state & QStyle::State_Selected);
  EXPECT_TRUE(haken.state & QStyle::State_Enabled);
  EXPECT_FALSE(m.StilOption(2).state & QStyle::State_Enabled);
  EXPECT_FALSE(m.StilOption(0).checked);
  EXPECT_TRUE(m.StilOption(0).menuHasCheckableItems);
  EXPECT_EQ(m.StilOption(1).menuItemType, QStyleOptionMenuItem::Separator);

  QTest::keyClick(&m, Qt::Key_Return);
  EXPECT_FALSE(m.isVisible());
  EXPECT_EQ(gewaehlt, (std::vector<std::string>{"R102"}));
  EXPECT_EQ(m.GewaehlterPfad(), (std::vector<int>{3}));
  EXPECT_EQ(zu.count(), 1);
}

class PopupSpaltenTest : public PopupMenueTest {
 protected:
  void SetUp() override {
    TMenue menue = Kuerzel(40, &gewaehlt);
    SpaltenUmbrechen(menue, 16);  // Spalten 0–15, 16–31, 32–39
    menue[19].Aktiv = false;
    menue[35].Aktiv = false;
    m = std::make_unique<TPopupMenue>(menue);
    m->Popup(QPoint(10, 10));
  }
  void TearDown() override {
    m.reset();
    PopupMenueTest::TearDown();
  }
  void Taste(Qt::Key taste) { QTest::keyClick(m.get(), taste); }
  std::unique_ptr<TPopupMenue> m;
};

TEST_F(PopupSpaltenTest, PfeileRechtsUndLinksWechselnDieSpalteInDerselbenZeile) {
  Taste(Qt::Key_Right);  // noch nichts markiert: der erste Eintrag
  EXPECT_EQ(m->Markiert(), 0);
  m->Markiere(2);
  Taste(Qt::Key_Right);
  EXPECT_EQ(m->Markiert(), 18);
  Taste(Qt::Key_Right);
  EXPECT_EQ(m->Markiert(), 34);
  Taste(Qt::Key_Right);  // hinter der letzten Spalte wieder die erste
  EXPECT_EQ(m->Markiert(), 2);
  Taste(Qt::Key_Left);
  EXPECT_EQ(m->Markiert(), 34);
  Taste(Qt::Key_Left);
  EXPECT_EQ(m->Markiert(), 18);
  // Gesperrtes Ziel: der nächste wählbare Eintrag derselben Spalte.
  m->Markiere(3);
  Taste(Qt::Key_Right);
  EXPECT_EQ(m->Markiert(), 20);
  m->Markiere(3);
  Taste(Qt::Key_Left);  // 35 gesperrt
  EXPECT_EQ(m->Markiert(), 36);
  // Die letzte Spalte ist kürzer: von Zeile 12 auf ihren letzten Eintrag.
  m->Markiere(12);
  Taste(Qt::Key_Left);
  EXPECT_EQ(m->Markiert(), 39);
  Taste(Qt::Key_Right);
  EXPECT_EQ(m->Markiert(), 7);  // Zeile 7 der letzten Spalte ist 39 → Zeile 7 der ersten
}

TEST_F(PopupSpaltenTest, AufUndAbLaufenUeberDieSpaltengrenzen) {
  m->Markiere(15);
  Taste(Qt::Key_Down);
  EXPECT_EQ(m->Markiert(), 16);
  Taste(Qt::Key_Up);
  EXPECT_EQ(m->Markiert(), 15);
  m->Markiere(18);
  Taste(Qt::Key_Down);
  EXPECT_EQ(m->Markiert(), 20);  // 19 gesperrt
  Taste(Qt::Key_End);
  EXPECT_EQ(m->Markiert(), 39);
  Taste(Qt::Key_Down);
  EXPECT_EQ(m->Markiert(), 0);
  Taste(Qt::Key_Home);
  EXPECT_EQ(m->Markiert(), 0);
  Taste(Qt::Key_Up);
  EXPECT_EQ(m->Markiert(), 39);
  m->Markiere(20);
  Taste(Qt::Key_PageDown);
  EXPECT_EQ(m->Markiert(), 31);
  Taste(Qt::Key_PageUp);
  EXPECT_EQ(m->Markiert(), 16);
  Taste(Qt::Key_Return);
  EXPECT_EQ(gewaehlt, (std::vector<std::string>{"L17"}));
  EXPECT_FALSE(m->isVisible());
}

TEST_F(PopupSpaltenTest, BuchstabenSpringenZuPassendenEintraegen) {
  // Alle beginnen mit "L": mehrfach, also nur markieren, der Reihe nach.
  QTest::keyClicks(m.get(), QStringLiteral("l"));
  EXPECT_EQ(m->Markiert(), 0);
  QTest::keyClicks(m.get(), QStringLiteral("l"));
  EXPECT_EQ(m->Markiert(), 1);
  QTest::keyClicks(m.get(), QStringLiteral("x"));
  EXPECT_EQ(m->Markiert(), 1);
  EXPECT_TRUE(gewaehlt.empty());
  Taste(Qt::Key_Escape);
  EXPECT_FALSE(m->isVisible());
  EXPECT_TRUE(gewaehlt.empty());
  EXPECT_EQ(m->GewaehlterEintrag(), nullptr);
}

TEST_F(PopupSpaltenTest, MausklickWaehltUndFuehrtDieAktionAus) {
  QSignalSpy gewaehltSignal(m.get(), &TPopupMenue::EintragGewaehlt);
  QSignalSpy zu(m.get(), &TPopupMenue::Geschlossen);
  EXPECT_EQ(TPopupMenue::OffeneMenues(), 1);
  // Überfahren markiert, gesperrte Einträge nicht.
  Ueberfahre(m.get(), Mitte(*m, 33));
  EXPECT_EQ(m->Markiert(), 33);
  Ueberfahre(m.get(), Mitte(*m, 35));
  EXPECT_EQ(m->Markiert(), -1);
  QTest::mouseClick(m.get(), Qt::LeftButton, {}, Mitte(*m, 35));
  EXPECT_TRUE(m->isVisible());
  QTest::mouseClick(m.get(), Qt::LeftButton, Qt::ShiftModifier, Mitte(*m, 33));
  EXPECT_FALSE(m->isVisible());
  EXPECT_EQ(gewaehlt, (std::vector<std::string>{"L34"}));
  EXPECT_EQ(m->GewaehlterEintrag(), &m->Menue()[33]);
  EXPECT_EQ(m->GewaehlterEintrag()->Wert, 34);
  ASSERT_EQ(gewaehltSignal.count(), 1);
  EXPECT_EQ(gewaehltSignal.at(0).at(0).value<const TMenueEintrag*>(), &m->Menue()[33]);
  EXPECT_EQ(zu.count(), 1);
  EXPECT_EQ(TPopupMenue::OffeneMenues(), 0);
}

TEST_F(PopupSpaltenTest, LoslassenDerOeffnendenTasteWaehltNicht) {
  // Das Menü wurde beim Loslassen einer Taste geöffnet; dieses Loslassen kommt noch an.
  QTest::mouseRelease(m.get(), Qt::LeftButton, {}, Mitte(*m, 4));
  EXPECT_TRUE(m->isVisible());
  EXPECT_TRUE(gewaehlt.empty());
  // Druck außerhalb schließt ohne Wahl.
  QTest::mousePress(m.get(), Qt::LeftButton, {}, QPoint(-30, -30));
  EXPECT_FALSE(m->isVisible());
  EXPECT_TRUE(gewaehlt.empty());
  EXPECT_EQ(m->GewaehlterEintrag(), nullptr);
}

class PopupUntermenueTest : public PopupMenueTest {
 protected:
  void SetUp() override {
    TMenue menue;
    menue.push_back(Eintrag("[2] 5a D Mü", &gewaehlt));
    TMenueEintrag kurs;
    kurs.Text = "[1] 6b E Sch";
    kurs.Untermenue.push_back(Eintrag("ohne Raum", &gewaehlt));
    kurs.Untermenue.push_back(Eintrag("R101", &gewaehlt));
    kurs.Untermenue.back().Aktiv = false;
    kurs.Untermenue.push_back(Eintrag("R102", &gewaehlt));
    menue.push_back(kurs);
    TMenueEintrag gesperrt = kurs;
    gesperrt.Text = "[0] 7c M Ba";
    gesperrt.Aktiv = false;
    menue.push_back(gesperrt);
    m = std::make_unique<TPopupMenue>(menue);
    m->Popup(QPoint(100, 100));
  }
  void TearDown() override {
    m.reset();
    PopupMenueTest::TearDown();
  }
  std::unique_ptr<TPopupMenue> m;
};

TEST_F(PopupUntermenueTest, TastaturOeffnetUndSchliesstUntermenues) {
  EXPECT_FALSE(m->Waehlbar(1));  // ein Eintrag mit Untermenü ist selbst keine Wahl
  EXPECT_FALSE(m->Waehle(1));
  EXPECT_EQ(m->StilOption(1).menuItemType, QStyleOptionMenuItem::SubMenu);
  QTest::keyClick(m.get(), Qt::Key_Down);
  QTest::keyClick(m.get(), Qt::Key_Down);
  EXPECT_EQ(m->Markiert(), 1);
  QTest::keyClick(m.get(), Qt::Key_Down);  // der gesperrte Eintrag mit Untermenü zählt nicht
  EXPECT_EQ(m->Markiert(), 0);
  QTest::keyClick(m.get(), Qt::Key_Down);
  QTest::keyClick(m.get(), Qt::Key_Right);
  TPopupMenue* kind = m->OffenesUntermenue();
  ASSERT_NE(kind, nullptr);
  EXPECT_TRUE(kind->isVisible());
  EXPECT_EQ(kind->Markiert(), 0);
  EXPECT_GE(kind->x(), m->x() + m->EintragRechteck(1).right());  // rechts daneben
  QTest::keyClick(kind, Qt::Key_Left);                           // zurück ins Elternmenü
  EXPECT_EQ(m->OffenesUntermenue(), nullptr);
  EXPECT_TRUE(m->isVisible());
  EXPECT_EQ(m->Markiert(), 1);
  QTest::keyClick(m.get(), Qt::Key_Return);  // öffnet wieder
  kind = m->OffenesUntermenue();
  ASSERT_NE(kind, nullptr);
  QTest::keyClick(kind, Qt::Key_Escape);  // schließt nur das Untermenü
  EXPECT_EQ(m->OffenesUntermenue(), nullptr);
  EXPECT_TRUE(m->isVisible());
  QTest::keyClick(m.get(), Qt::Key_Right);
  kind = m->OffenesUntermenue();
  ASSERT_NE(kind, nullptr);
  QTest::keyClick(kind, Qt::Key_Down);  // R101 gesperrt
  EXPECT_EQ(kind->Markiert(), 2);
  QTest::keyClick(kind, Qt::Key_Return);
  EXPECT_FALSE(m->isVisible());
  EXPECT_EQ(gewaehlt, (std::vector<std::string>{"R102"}));
  EXPECT_EQ(m->GewaehlterPfad(), (std::vector<int>{1, 2}));
  EXPECT_EQ(m->GewaehlterEintrag(), &m->Menue()[1].Untermenue[2]);
}

TEST_F(PopupUntermenueTest, MausOeffnetUntermenueUndWaehltDarin) {
  QTest::mouseClick(m.get(), Qt::LeftButton, {}, Mitte(*m, 1));
  TPopupMenue* kind = m->OffenesUntermenue();
  ASSERT_NE(kind, nullptr);
  EXPECT_TRUE(m->isVisible());
  QTest::mouseClick(kind, Qt::LeftButton, {}, Mitte(*kind, 1));  // gesperrt
  EXPECT_TRUE(kind->isVisible());
  QTest::mouseClick(kind, Qt::LeftButton, {}, Mitte(*kind, 0));
  EXPECT_FALSE(m->isVisible());
  EXPECT_EQ(gewaehlt, (std::vector<std::string>{"ohne Raum"}));
  EXPECT_EQ(TPopupMenue::OffeneMenues(), 0);
}

TEST_F(PopupUntermenueTest, UeberfahrenOeffnetNachKurzerZeit) {
  Ueberfahre(m.get(), Mitte(*m, 1));
  EXPECT_EQ(m->Markiert(), 1);
  QTRY_VERIFY_WITH_TIMEOUT(m->OffenesUntermenue() != nullptr, 2000);
  // Weiter auf einen gewöhnlichen Eintrag: das Untermenü schließt sich wieder.
  Ueberfahre(m.get(), Mitte(*m, 0));
  QTRY_VERIFY_WITH_TIMEOUT(m->OffenesUntermenue() == nullptr, 2000);
  // Gesperrter Eintrag mit Untermenü: öffnet sich nie.
  EXPECT_FALSE(m->OeffneUntermenue(2));
  m->Schliessen();
}

TEST_F(PopupUntermenueTest, WaehlenUeberPfadOhneMaus) {
  EXPECT_FALSE(m->WaehlePfad({1, 1}));  // gesperrt
  EXPECT_FALSE(m->WaehlePfad({2, 0}));  // gesperrter Zweig
  EXPECT_FALSE(m->WaehlePfad({1}));     // ein Zweig ist keine Wahl
  EXPECT_FALSE(m->WaehlePfad({0, 0}));  // kein Untermenü
  EXPECT_TRUE(m->isVisible());
  EXPECT_TRUE(m->WaehlePfad({1, 2}));
  EXPECT_FALSE(m->isVisible());
  EXPECT_EQ(gewaehlt, (std::vector<std::string>{"R102"}));
}

TEST_F(PopupMenueTest, ExecWartetUndLiefertDenEintrag) {
  TMenue menue = Kuerzel(20, &gewaehlt);
  SpaltenUmbrechen(menue, 16);
  TPopupMenue m(menue);
  QTimer::singleShot(0, &m, [&m] {
    QTest::keyClick(&m, Qt::Key_Down);
    QTest::keyClick(&m, Qt::Key_Right);
    QTest::keyClick(&m, Qt::Key_Return);
  });
  const TMenueEintrag* e = m.Exec(QPoint(20, 20));
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->Text, "L17");
  EXPECT_EQ(gewaehlt, (std::vector<std::string>{"L17"}));  // die Aktion lief genau einmal
  // Ohne Wahl geschlossen: nichts.
  QTimer::singleShot(0, &m, [&m] { QTest::keyClick(&m, Qt::Key_Escape); });
  EXPECT_EQ(m.Exec(QPoint(20, 20)), nullptr);
  EXPECT_EQ(gewaehlt.size(), 1u);
  // Ein leeres Menü zeigt sich nicht und liefert nichts.
  TPopupMenue leer{TMenue{}};
  EXPECT_EQ(leer.Exec(QPoint(20, 20)), nullptr);
  EXPECT_FALSE(leer.isVisible());
}

TEST_F(PopupMenueTest, AktionDarfDasMenueLoeschen) {
  TMenue menue = Kuerzel(3);
  TPopupMenue* m = nullptr;
  menue[1].Aktion = [&m] {
    delete m;
    m = nullptr;
  };
  m = new TPopupMenue(menue);
  m->Popup(QPoint(0, 0));
  EXPECT_TRUE(m->Waehle(1));
  EXPECT_EQ(m, nullptr);
}

TEST_F(PopupMenueTest, BleibtImArbeitsbereichDesBildschirms) {
  TMenue menue = Kuerzel(40);
  SpaltenUmbrechen(menue, 16);
  menue[5].Text = "Ku&Mu";
  TPopupMenue m(menue);
  const QRect frei = QGuiApplication::primaryScreen()->availableGeometry();
  m.Popup(QPoint(frei.right() - 5, frei.bottom() - 5));
  EXPECT_LE(m.geometry().right(), frei.right());
  EXPECT_LE(m.geometry().bottom(), frei.bottom());
  EXPECT_GE(m.geometry().left(), frei.left());
  m.Schliessen();
  m.Popup(QPoint(30, 40));
  EXPECT_EQ(m.geometry().topLeft(), QPoint(30, 40));
  // "&" ist kein Tastenkürzel, sondern wird gezeigt.
  EXPECT_EQ(m.StilOption(5).text, QStringLiteral("Ku&&Mu"));
  m.Schliessen();
}

TEST_F(PopupMenueTest, Bildschirmfoto) {
  TMenue menue = Kuerzel(40);
  menue[0].Text = "ohne";
  menue[3].Haken = true;
  menue[20].Aktiv = false;
  menue[21].Text = "Ku&Mu";
  menue[33].Untermenue = Kuerzel(2);
  SpaltenUmbrechen(menue, 16);
  TPopupMenue m(menue);
  m.Popup(QPoint(30, 40));
  m.Markiere(19);
  const QPixmap bild = m.grab();
  EXPECT_TRUE(bild.save(QStringLiteral("/tmp/tamrel_popupmenue.png")));
  m.Schliessen();
}

}  // namespace
