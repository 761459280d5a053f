// "Sichern" und "Sichern unter..." mit der Dateispeicherung.
#include <gtest/gtest.h>

#include "SchulDateiHilfe.h"
#include "model/SchulLebenUnit.h"
#include "persistence/DateiSpeicherungUnit.h"
#include "persistence/ReadUnit.h"

namespace {

struct TDialogAufruf {
  std::string Vorschlag, Ordner;
};

class DateiSpeicherung : public ::testing::Test {
 protected:
  void SetUp() override {
    BaueKleineSchule(u.schule(), k);
    u.standard.fOpenPfad = ordner.Pfad().string();
  }

  // Ein Dialog "Sichern als", der den gegebenen Pfad liefert (leer: Abbruch).
  TDateiSpeicherung MitDialog(std::string pfad) {
    return TDateiSpeicherung([this, pfad](const std::string& vorschlag,
                                          const std::string& o) -> std::optional<std::string> {
      aufrufe.push_back({vorschlag, o});
      if (pfad.empty()) return std::nullopt;
      return pfad;
    });
  }

  void NichtsGeaendert(const std::string& name) {
    EXPECT_EQ(u.schule().fDateiName.str(), name);
    EXPECT_TRUE(u.schule().fDirty);
    EXPECT_TRUE(u.fenster.fTitel.empty());
  }

  TTestUmgebung u;
  TTestOrdner ordner;
  TKleineSchule k;
  std::vector<TDialogAufruf> aufrufe;
};

TEST_F(DateiSpeicherung, SchreibenInDenZuletztBenutztenOrdner) {
  TDateiSpeicherung s;
  EXPECT_TRUE(s.Schreiben("Plan.tmr"));
  EXPECT_EQ(DateiInhalt(ordner / "Plan.tmr"), KleineSchuleRoh().Bytes());
  EXPECT_EQ(u.schule().fDateiName.str(), "Plan.tmr");
  EXPECT_EQ(u.fenster.fTitel, std::vector<std::string>{"WinTamrel 3.9.16 [Plan.tmr]"});
  EXPECT_FALSE(u.schule().fDirty);
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
}

TEST_F(DateiSpeicherung, SchreibenMitUmlautImNamen) {
  TDateiSpeicherung s;
  EXPECT_TRUE(s.Schreiben("Sch\xFCler.tmr"));
  EXPECT_FALSE(DateiInhalt(ordner / "Schüler.tmr").empty());
  EXPECT_EQ(u.fenster.fTitel.back(), "WinTamrel 3.9.16 [Schüler.tmr]");
}

TEST_F(DateiSpeicherung, MisslungenesSchreibenMeldetUndAendertNichts) {
  u.standard.fOpenPfad = ordner / "fehlt";
  TDateiSpeicherung s;
  EXPECT_FALSE(s.Schreiben("Plan.tmr"));
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  const auto& m = u.dialog.fProtokoll[0];
  EXPECT_EQ(m.Titel, "Fehler beim Sichern");
  EXPECT_EQ(m.Art, TMeldungsArt::Fehler);
  EXPECT_EQ(m.Zeilen, std::vector<std::string>{"Die Datei „Plan.tmr“ kann nicht geschrieben "
                                               "werden. Die bisherige Datei bleibt unverändert."});
  NichtsGeaendert("Ohne Titel");
}

TEST_F(DateiSpeicherung, SichernUnterFragtUndMerktSichDenOrdner) {
  std::filesystem::create_directory(ordner.Pfad() / "neu");
  TDateiSpeicherung s = MitDialog(ordner / "neu/Schule 2.tmr");
  EXPECT_TRUE(s.SichernUnter());
  ASSERT_EQ(aufrufe.size(), 1u);
  EXPECT_EQ(aufrufe[0].Vorschlag, "Ohne Titel");
  EXPECT_EQ(aufrufe[0].Ordner, ordner.Pfad().string());
  EXPECT_EQ(u.schule().fDateiName.str(), "Schule 2.tmr");
  EXPECT_EQ(u.standard.fOpenPfad, (ordner.Pfad() / "neu").string());
  EXPECT_EQ(u.fenster.fTitel.back(), "WinTamrel 3.9.16 [Schule 2.tmr]");
  EXPECT_FALSE(u.schule().fDirty);
  std::string fehler;
  u.NeueSchule();
  EXPECT_TRUE(ReadSchule(ordner / "neu/Schule 2.tmr", u.schule(), fehler)) << fehler;
}

TEST_F(DateiSpeicherung, SichernUnterAbgebrochenOderOhneDialog) {
  TDateiSpeicherung abbruch = MitDialog("");
  EXPECT_FALSE(abbruch.SichernUnter());
  EXPECT_EQ(aufrufe.size(), 1u);
  TDateiSpeicherung ohne;
  EXPECT_FALSE(ohne.SichernUnter());
  EXPECT_TRUE(ordner.Namen().empty());
  EXPECT_TRUE(u.dialog.fProtokoll.empty());
  EXPECT_EQ(u.standard.fOpenPfad, ordner.Pfad().string());
  NichtsGeaendert("Ohne Titel");
}

TEST_F(DateiSpeicherung, SichernUnterMitNamenDenDieSchuleNichtHaltenKann) {
  TDateiSpeicherung s = MitDialog(ordner / "Plan✓.tmr");
  EXPECT_FALSE(s.SichernUnter());
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Zeilen[0],
            "Die Datei „Plan✓.tmr“ wurde nicht gespeichert: Der Name ist zu lang oder enthält "
            "Zeichen, die WinTamrel nicht speichern kann. Bitte wählen Sie einen anderen Namen.");
  EXPECT_TRUE(ordner.Namen().empty());
  NichtsGeaendert("Ohne Titel");
}

TEST_F(DateiSpeicherung, SichernUnterMisslingtOhneDenOrdnerZuMerken) {
  TDateiSpeicherung s = MitDialog(ordner / "fehlt/Plan.tmr");
  EXPECT_FALSE(s.SichernUnter());
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Titel, "Fehler beim Sichern");
  EXPECT_EQ(u.standard.fOpenPfad, ordner.Pfad().string());
  NichtsGeaendert("Ohne Titel");
}

TEST_F(DateiSpeicherung, SichernUndDieFrageBeimSchliessen) {
  // Ohne Titel fragt "Sichern" nach dem Namen ...
  TDateiSpeicherung s = MitDialog(ordner / "Erst.tmr");
  u.schule().fDateiName = "ohne Titel";
  EXPECT_TRUE(SchuleSichern(u.schule(), s));
  EXPECT_EQ(aufrufe.size(), 1u);
  EXPECT_EQ(aufrufe[0].Vorschlag, "ohne Titel");
  // ... danach schreibt es ohne Frage unter dem Namen.
  k.k1->fFaktor = 5;
  u.schule().SetDirty(true);
  EXPECT_TRUE(SchuleSichern(u.schule(), s));
  EXPECT_EQ(aufrufe.size(), 1u);
  // "Daten sichern?" mit "Ja" sichert ebenso.
  k.k1->fFaktor = 6;
  u.schule().SetDirty(true);
  u.dialog.Antworte("Ja");
  EXPECT_TRUE(SchuleSchliessen(u.schule(), s, false));
  EXPECT_FALSE(u.schule().fDirty);
  EXPECT_EQ(ordner.Namen(), std::vector<std::string>{"Erst.tmr"});
  std::string fehler;
  u.NeueSchule();
  ASSERT_TRUE(ReadSchule(ordner / "Erst.tmr", u.schule(), fehler)) << fehler;
  EXPECT_EQ(u.schule().fKursMenge[1]->fFaktor, 6);
}

}  // namespace
