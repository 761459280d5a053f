// Mit Qt: der Lebenslauf der Fenster (TFensterBasis) für jede Fensterart: Anmelden nach
// Identität, Schließen durch die Schule, Löschen des Elements, doppeltes Schließen.
#include <QPointer>
#include <functional>

#include "PlanFensterHilfe.h"
#include "model/DatumUnit.h"
#include "model/FensterArtUnit.h"
#include "model/UVUnit.h"
#include "substitution/fenster/VStatFormUnit.h"
#include "substitution/fenster/VertrFormUnit.h"
#include "substitution/fenster/WoAusfallFormUnit.h"
#include "ui/fenster/DepFormUnit.h"
#include "ui/fenster/FehlerFormUnit.h"
#include "ui/fenster/GrFormUnit.h"
#include "ui/fenster/KursFormUnit.h"
#include "ui/fenster/ManuellFormUnit.h"
#include "ui/fenster/ParFormUnit.h"
#include "ui/fenster/SVFormUnit.h"
#include "ui/fenster/StatistikFormUnit.h"
#include "ui/fenster/UVFormUnit.h"
#include "ui/fenster/UVGrFormUnit.h"
#include "ui/fenster/UebersichtFormUnit.h"
#include "ui/fenster/VWahlFormUnit.h"
#include "ui/fenster/ZwischenFormUnit.h"

namespace {

struct TFensterArtOeffner {
  const char* Name;
  std::function<QWidget*()> Oeffnen;
};

}  // namespace

class FensterBasisTest : public PlanFensterTest {
 protected:
  FensterBasisTest() { tab = Schule().HoleUVTab("UV5"); }

  // Jede Fensterart einmal; die Elementfenster für die Elemente der kleinen Schule.
  std::vector<TFensterArtOeffner> AlleArten() {
    return {
        {"Lehrerplan", [this] { return static_cast<QWidget*>(NeuesPlanFenster(mue)); }},
        {"Klassenplan", [this] { return static_cast<QWidget*>(NeuesPlanFenster(k5a)); }},
        {"Raumplan", [this] { return static_cast<QWidget*>(NeuesPlanFenster(r1)); }},
        {"Daten", [this] { return static_cast<QWidget*>(NeuesGrFenster(sch)); }},
        {"Deputat", [this] { return static_cast<QWidget*>(NeuesDepFenster(k5b)); }},
        {"alle Kurse", [] { return static_cast<QWidget*>(AlleKurseFenster()); }},
        {"UV-Tabelle", [this] { return static_cast<QWidget*>(NeuesUVFenster(tab)); }},
        {"UV-Daten", [this] { return static_cast<QWidget*>(NeuesUVGrFenster(tab)); }},
        {"Kurs", [this] { return static_cast<QWidget*>(TKursForm::Oeffnen(kM, sch)); }},
        {"Manuell",
         [this] { return static_cast<QWidget*>(TManuellForm::IManuellForm({kD}, false)); }},
        {"Vertretungswahl", [] { return static_cast<QWidget*>(TVWahlForm::Holen()); }},
        {"Zwischenablage", [] { return static_cast<QWidget*>(TZwischenForm::Zeigen()); }},
        {"Wochenbericht", [] { return static_cast<QWidget*>(WoAusfallZeigen()); }},
        {"Fehler", [] { return static_cast<QWidget*>(TFehlerForm::FehlerInit()); }},
        {"Stundenverteilung", [] { return static_cast<QWidget*>(TSVForm::ZeigeSVForm()); }},
        {"Parallele Kopplungen", [] { return static_cast<QWidget*>(TParForm::ZeigeParForm()); }},
        {"Lehrerstatistik", [] { return static_cast<QWidget*>(StatistikZeigen(leh)); }},
        {"Lehrerübersicht", [] { return static_cast<QWidget*>(UebersichtZeigen(leh)); }},
        {"Vertretungen",
         [this] {
           palette.Befehl(QString::fromUtf8("Daten/Vertretung/Heute"))->trigger();
           return dynamic_cast<QWidget*>(Schule().fVertrForm);
         }},
        {"Vertretungsstatistik",
         [] {
           const TDateTime von = DatumZuZahl(2026, 12, 7) + 0.5;
           return static_cast<QWidget*>(VStatOeffnen(leh, von, von + 11));
         }},
    };
  }

  static void Aufraeumen() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  // Das Fenster steht weder in der Fensterliste der Schule noch im Fenstermenü, auf keinem
  // Platz der Schule und ist nicht das aktive.
  ::testing::AssertionResult Abgemeldet(const TFenster* f) {
    const TSchule& s = Schule();
    if (s.FensterAngemeldet(f)) return ::testing::AssertionFailure() << "in der Fensterliste";
    if (palette.Verwaltung().Angemeldet(f))
      return ::testing::AssertionFailure() << "im Fenstermenü";
    if (s.FensterOffen(f)) return ::testing::AssertionFailure() << "auf einem Platz der Schule";
    if (s.fAktivesFenster == f) return ::testing::AssertionFailure() << "aktiv";
    return ::testing::AssertionSuccess();
  }

  // Jedes angemeldete Fenster einmal in Liste und Menü, in derselben Folge.
  void ListeUndMenueGleich() {
    EXPECT_EQ(Schule().fFensterListe, palette.Verwaltung().Fenster());
    for (TFenster* f : Schule().fFensterListe)
      EXPECT_EQ(std::count(Schule().fFensterListe.begin(), Schule().fFensterListe.end(), f), 1)
          << f->Titel();
  }

  TUVTab* tab = nullptr;
};

TEST_F(FensterBasisTest, JedeFensterartGehtMitDerSchuleUndIstDanachAbgemeldet) {
  std::vector<std::pair<const char*, QPointer<QWidget>>> offen;
  std::vector<const TFenster*> fenster;
  for (const TFensterArtOeffner& art : AlleArten()) {
    QWidget* w = art.Oeffnen();
    ASSERT_NE(w, nullptr) << art.Name;
    auto* f = dynamic_cast<TFenster*>(w);
    ASSERT_NE(f, nullptr) << art.Name;
    EXPECT_TRUE(Schule().FensterAngemeldet(f)) << art.Name;
    EXPECT_TRUE(palette.Verwaltung().Angemeldet(f)) << art.Name;
    offen.emplace_back(art.Name, w);
    fenster.push_back(f);
  }
  ListeUndMenueGleich();
  EXPECT_EQ(Schule().fFensterListe.size(), offen.size());

  Schule().AlleFensterSchliessen();
  for (const TFenster* f : fenster) EXPECT_TRUE(Abgemeldet(f)) << f->Titel();
  Aufraeumen();
  for (const auto& [name, w] : offen) EXPECT_TRUE(w.isNull()) << name;
  EXPECT_TRUE(Schule().fFensterListe.empty());
  EXPECT_TRUE(palette.Verwaltung().Fenster().empty());
  for (TPlanElement* e : std::initializer_list<TPlanElement*>{mue, k5a, r1})
    EXPECT_EQ(e->fPlnFenster, nullptr);
  EXPECT_EQ(sch->fGrDatFenster, nullptr);
  EXPECT_EQ(k5b->fDepFenster, nullptr);
  EXPECT_EQ(tab->fDepFenster, nullptr);
  EXPECT_EQ(tab->fGrDatFenster, nullptr);
}

// Wird das Element gelöscht, schließt die Schule jedes Fenster, das bei ihm Platz hat; die
// anderen Fenster bleiben.
TEST_F(FensterBasisTest, ElementGeloeschtSchliesstSeineFensterUndNurDiese) {
  QPointer<QWidget> plan = NeuesPlanFenster(sch);
  QPointer<QWidget> daten = NeuesGrFenster(sch);
  QPointer<QWidget> deputat = NeuesDepFenster(sch);
  QPointer<QWidget> anderer = NeuesPlanFenster(mue);
  QPointer<QWidget> uv = NeuesUVFenster(tab);
  QPointer<QWidget> uvDaten = NeuesUVGrFenster(tab);
  ASSERT_TRUE(plan && daten && deputat && anderer && uv && uvDaten);
  std::vector<const TFenster*> weg = {dynamic_cast<TFenster*>(plan.data()),
                                      dynamic_cast<TFenster*>(daten.data()),
                                      dynamic_cast<TFenster*>(deputat.data())};
  Schule().FensterAktivieren(dynamic_cast<TFenster*>(daten.data()));

  Schule().ElementLoeschen(sch);
  for (const TFenster* f : weg) EXPECT_TRUE(Abgemeldet(f));
  ListeUndMenueGleich();
  EXPECT_EQ(Schule().fFensterListe.size(), 3u);
  Aufraeumen();
  EXPECT_TRUE(plan.isNull());
  EXPECT_TRUE(daten.isNull());
  EXPECT_TRUE(deputat.isNull());
  ASSERT_FALSE(anderer.isNull());
  EXPECT_EQ(mue->fPlnFenster, dynamic_cast<TFenster*>(anderer.data()));

  Schule().ElementLoeschen(tab);
  ListeUndMenueGleich();
  Aufraeumen();
  EXPECT_TRUE(uv.isNull());
  EXPECT_TRUE(uvDaten.isNull());
  EXPECT_EQ(Schule().fFensterListe.size(), 1u);
}

// Zeigt ein Fenster ein anderes Element, verlässt es den Platz beim alten, steht beim neuen und
// trägt sich unter der neuen Überschrift ein; das aktive Fenster und das Werkzeug bleiben.
TEST_F(FensterBasisTest, AnderesElementWechseltDenPlatzUndBleibtAktiv) {
  TPlnForm* f = Oeffne(mue);
  ASSERT_NE(f, nullptr);
  Werkzeug(TToolArt::SchiebTool);
  ASSERT_EQ(Schule().fAktivesFenster, f);
  f->ElementZeigen(sch);
  EXPECT_EQ(mue->fPlnFenster, nullptr);
  EXPECT_EQ(sch->fPlnFenster, f);
  EXPECT_EQ(f->PlanElem(), sch);
  EXPECT_EQ(Schule().fAktivesFenster, f);
  EXPECT_EQ(Schule().fToolArt, TToolArt::SchiebTool);
  EXPECT_EQ(f->Titel(), "Plan SCH");
  ListeUndMenueGleich();
  EXPECT_EQ(Schule().fFensterListe.size(), 1u);

  // Das alte Element zu löschen, berührt das Fenster nicht mehr.
  QPointer<TPlnForm> halter = f;
  Schule().ElementLoeschen(mue);
  Aufraeumen();
  ASSERT_FALSE(halter.isNull());
  EXPECT_TRUE(Schule().FensterAngemeldet(f));
}

// Schließen von außen, noch einmal von außen und von Hand: das Fenster meldet sich einmal ab,
// verlässt seinen Platz einmal und wird einmal zerstört; der Platz, den inzwischen ein neues
// Fenster hat, bleibt dessen.
TEST_F(FensterBasisTest, DoppeltesSchliessenIstSicher) {
  TFensterHoerer* hoerer = nullptr;
  struct TZaehler : TFensterHoerer {
    std::vector<TFenster*> Ab;
    void FensterAbgemeldet(TFenster* f) override { Ab.push_back(f); }
  } zaehler;
  hoerer = &zaehler;
  palette.Verwaltung().HoererAnmelden(hoerer);

  for (const TFensterArtOeffner& art : AlleArten()) {
    SCOPED_TRACE(art.Name);
    zaehler.Ab.clear();
    QPointer<QWidget> w = art.Oeffnen();
    ASSERT_FALSE(w.isNull());
    auto* f = dynamic_cast<TFenster*>(w.data());
    f->Schliessen();
    f->Schliessen();
    w->close();
    EXPECT_TRUE(Abgemeldet(f));
    EXPECT_EQ(zaehler.Ab, std::vector<TFenster*>{f});
    // Ein neues Fenster derselben Art nimmt den Platz, bevor das alte zerstört ist.
    QPointer<QWidget> neu = art.Oeffnen();
    ASSERT_FALSE(neu.isNull());
    auto* g = dynamic_cast<TFenster*>(neu.data());
    EXPECT_NE(g, f);
    f->Schliessen();
    EXPECT_TRUE(Schule().FensterAngemeldet(g));
    Aufraeumen();
    EXPECT_TRUE(w.isNull());
    ASSERT_FALSE(neu.isNull());
    EXPECT_TRUE(Schule().FensterAngemeldet(g));
    g->Schliessen();
    Aufraeumen();
    EXPECT_TRUE(neu.isNull());
    EXPECT_TRUE(Schule().fFensterListe.empty());
  }
  palette.Verwaltung().HoererAbmelden(hoerer);
}

// Von Hand geschlossen und danach von der Schule: nichts zweimal, nichts bleibt stehen.
TEST_F(FensterBasisTest, VonHandGeschlossenDannSchuleZu) {
  for (const TFensterArtOeffner& art : AlleArten()) {
    SCOPED_TRACE(art.Name);
    QPointer<QWidget> w = art.Oeffnen();
    ASSERT_FALSE(w.isNull());
    auto* f = dynamic_cast<TFenster*>(w.data());
    // Das Manuellfenster fragt, weil noch Stunden offen sind.
    if (std::string(art.Name) == "Manuell") u.dialog.Antworte("Ja");
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(u.dialog.fAntworten.empty());
    EXPECT_TRUE(Abgemeldet(f));
    Schule().AlleFensterSchliessen();
    Aufraeumen();
    EXPECT_TRUE(w.isNull());
  }
}
