// Schließen mit Alt: alle übrigen Fenster schließen, das Alt-Bit fällt beim Fensterdienst.
#include <gtest/gtest.h>

#include "TestUmgebung.h"
#include "model/SchulUnit.h"
#include "ui/FensterSchliessenUnit.h"
#include "ui/QuonAuswahlUnit.h"

namespace {

class TUmschaltDienst : public TFakeFensterDienst {
 public:
  std::optional<unsigned> Umschalttasten() const override { return fUmschalt; }
  void UmschalttastenSetzen(unsigned umschalt) override { fUmschalt = umschalt; }
  unsigned fUmschalt = 0;
};

// Setzt den Dienst für die Dauer eines Falls als Fensterdienst ein.
class TUmschaltEinsatz {
 public:
  explicit TUmschaltEinsatz(TUmschaltDienst& dienst) : fAlt(EingesetzteDienste()) {
    TDienste d = fAlt;
    d.Fenster = &dienst;
    DiensteEinsetzen(d);
  }
  ~TUmschaltEinsatz() { DiensteEinsetzen(fAlt); }
  TUmschaltEinsatz(const TUmschaltEinsatz&) = delete;
  TUmschaltEinsatz& operator=(const TUmschaltEinsatz&) = delete;

 private:
  TDienste fAlt;
};

TEST(FensterSchliessen, MitAltSchliessenAlleUebrigenUndDasAltBitFaellt) {
  TTestUmgebung u;
  TUmschaltDienst dienst;
  const TUmschaltEinsatz einsatz(dienst);
  TSchule& s = u.schule();
  TFakeFenster eigenes(FensterArt::LehrerPlan, "Plan A1"),
      gleichnamig(FensterArt::RaumPlan, "Plan A1"),
      anderes(FensterArt::LehrerStatistik, "Lehrerstatistik");
  for (TFenster* f : {static_cast<TFenster*>(&eigenes), static_cast<TFenster*>(&gleichnamig),
                      static_cast<TFenster*>(&anderes)})
    s.FensterAnmelden(f);
  // Ohne Alt geschieht nichts.
  EXPECT_FALSE(MitAltAlleSchliessen(s, umShift | umCtrl, &eigenes));
  EXPECT_EQ(gleichnamig.fGeschlossen + anderes.fGeschlossen, 0);
  dienst.fUmschalt = umAlt | umShift;
  EXPECT_TRUE(MitAltAlleSchliessen(s, dienst.fUmschalt, &eigenes));
  EXPECT_EQ(eigenes.fGeschlossen, 0);
  EXPECT_EQ(gleichnamig.fGeschlossen, 1);
  EXPECT_EQ(anderes.fGeschlossen, 1);
  EXPECT_EQ(dienst.fUmschalt, static_cast<unsigned>(umShift));
  for (TFenster* f : {static_cast<TFenster*>(&eigenes), static_cast<TFenster*>(&gleichnamig),
                      static_cast<TFenster*>(&anderes)})
    s.FensterAbmelden(f);
}

}  // namespace

namespace {

// Ein Fenster, das beim Schließen die Umschalttasten verstellt (etwa über ein Tastenereignis).
class TVerstellendesFenster : public TFakeFenster {
 public:
  TVerstellendesFenster(TUmschaltDienst& dienst)
      : TFakeFenster(FensterArt::LehrerStatistik), fDienst(dienst) {}
  void Schliessen() override {
    TFakeFenster::Schliessen();
    fDienst.UmschalttastenSetzen(umAlt);
  }
  TUmschaltDienst& fDienst;
};

TEST(FensterSchliessen, MitAltStehenShiftUndStrgDanachWieVorher) {
  TTestUmgebung u;
  TUmschaltDienst dienst;
  const TUmschaltEinsatz einsatz(dienst);
  TSchule& s = u.schule();
  TVerstellendesFenster f(dienst);
  TFakeFenster weigert(FensterArt::LehrerPlan,
                       "Plan MUE");  // schließt sich nicht: bleibt angemeldet
  s.FensterAnmelden(&f);
  s.FensterAnmelden(&weigert);
  dienst.fUmschalt = umAlt | umShift | umCtrl;
  EXPECT_TRUE(MitAltAlleSchliessen(s, dienst.fUmschalt, nullptr));
  EXPECT_EQ(f.fGeschlossen, 1);
  EXPECT_EQ(weigert.fGeschlossen, 1);
  EXPECT_EQ(dienst.fUmschalt, static_cast<unsigned>(umShift | umCtrl));
  s.FensterAbmelden(&f);
  s.FensterAbmelden(&weigert);
}

}  // namespace
