// Eine kleine Schule mit Palette für die Tests der Planfenster: Mausgesten mit QTest auf dem
// echten Raster, Fragen beantwortet die Attrappe.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <initializer_list>
#include <string>
#include <vector>

#include "BelegungsPruefung.h"
#include "TestUmgebung.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "ui/fenster/PaletteUnit.h"
#include "ui/fenster/PlnFormUnit.h"
#include "ui/fenster/PopupMenueUnit.h"
#include "persistence/SchulHalterUnit.h"

// Lehrer MUE, SCH, KRA, WEB; Klassen 5a, 5b; Räume R1..R4; Fächer D, M, ER, KR; Kopplung REL.
// Kurse (eine Woche, fünf Tage, sechs Stunden):
//   kD   MUE D 5a R1, 3 Stunden: Mo 1 (R1), Di 1 (R1)
//   kM   SCH M 5a R2, 2 Stunden: Mo 2 (R2)
//   kER  KRA ER 5a 5b REL R3, 2 Stunden: Mi 3 (R3)
//   kKR  WEB KR 5a 5b REL R4, 2 Stunden: Mi 3 (R4)
//   kD5b MUE D 5b R1, 2 Stunden: Do 2 (R1)
// Gesperrt: 5a am Freitag in der 6. Stunde, MUE am Freitag in der 1. Stunde.
class PlanFensterTest : public ::testing::Test {
 protected:
  PlanFensterTest() {
    st.fMaxTageNeu = 5;
    st.fPlnStd = 6;
    st.fEineWoche = true;
    palette.Halter().Neu();
    TSchule& s = Schule();
    mue = s.HoleLehrer("MUE");
    sch = s.HoleLehrer("SCH");
    kra = s.HoleLehrer("KRA");
    web = s.HoleLehrer("WEB");
    k5a = s.HoleKlasse("5a");
    k5b = s.HoleKlasse("5b");
    r1 = s.HoleRaum("R1");
    r2 = s.HoleRaum("R2");
    r3 = s.HoleRaum("R3");
    r4 = s.HoleRaum("R4");
    rel = s.HoleKopplung("REL");
    kD = Kurs(mue, s.HoleFach("D"), {k5a}, {r1}, nullptr, 3, 0x0000FF);
    kM = Kurs(sch, s.HoleFach("M"), {k5a}, {r2}, nullptr, 2, 0x00FF00);
    kER = Kurs(kra, s.HoleFach("ER"), {k5a, k5b}, {r3}, rel, 2, 0xFFFF00);
    kKR = Kurs(web, s.HoleFach("KR"), {k5a, k5b}, {r4}, rel, 2, 0xFF00FF);
    kD5b = Kurs(mue, s.HoleFach("D"), {k5b}, {r1}, nullptr, 2, 0x00FFFF);
    kD->NeueSetzung(1, 1, 1, r1);
    kD->NeueSetzung(1, 2, 1, r1);
    kM->NeueSetzung(1, 1, 2, r2);
    kER->NeueSetzung(1, 3, 3, r3);
    kKR->NeueSetzung(1, 3, 3, r4);
    kD5b->NeueSetzung(1, 4, 2, r1);
    k5a->fSperrung.SetWocheTagStd(1, 5, 6, true);
    mue->fSperrung.SetWocheTagStd(1, 5, 1, true);
    Schule().SetDirty(false);
  }

  ~PlanFensterTest() override {
    Schule().AlleFensterSchliessen();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  TKurs* Kurs(TLehrer* l, TFach* f, std::initializer_list<TKlasse*> klassen,
              std::initializer_list<TRaum*> raeume, TKopplung* kopplung, int stunden,
              TColor farbe) {
    TKlasse* erste = klassen.size() ? *klassen.begin() : nullptr;
    TRaum* ersterRaum = raeume.size() ? *raeume.begin() : nullptr;
    TKurs* k = TKurs::IKurs(l, erste, kopplung, f, ersterRaum, stunden);
    for (TKlasse* kl : klassen)
      if (kl != erste) k->KlasseErgaenzen(kl);
    for (TRaum* r : raeume)
      if (r != ersterRaum) k->RaumErgaenzen(r, false);
    k->fStunden.SetWochenStunde(0, stunden);
    k->fColor = farbe;
    return k;
  }

  // Öffnet das Planfenster und macht es zum aktiven Fenster.
  TPlnForm* Oeffne(TPlanElement* e) {
    TPlnForm* f = NeuesPlanFenster(e);
    Schule().FensterAktivieren(f);
    return f;
  }

  void Werkzeug(TToolArt tool) { palette.WerkzeugKnopfClick(tool); }

  QWidget* Flaeche(TPlnForm* f) { return f->PlnGrid->viewport(); }

  void Klick(TPlnForm* f, int tag, int std, Qt::MouseButton knopf = Qt::LeftButton,
             Qt::KeyboardModifiers tasten = Qt::NoModifier) {
    QTest::mouseClick(Flaeche(f), knopf, tasten, f->ZellPunkt(tag, std));
  }

  // Doppelklick, wie das System ihn schickt: Drücken, Loslassen, Doppelklick, Loslassen.
  void DoppelKlick(TPlnForm* f, int tag, int std, Qt::KeyboardModifiers tasten = Qt::NoModifier) {
    const QPoint p = f->ZellPunkt(tag, std);
    QTest::mouseClick(Flaeche(f), Qt::LeftButton, tasten, p);
    QTest::mouseDClick(Flaeche(f), Qt::LeftButton, tasten, p);
    QTest::mouseRelease(Flaeche(f), Qt::LeftButton, tasten, p);
  }

  // Zieht die Stunde von einer Zelle in eine andere (Schiebewerkzeug).
  void Ziehe(TPlnForm* f, int vonTag, int vonStd, int nachTag, int nachStd,
             Qt::KeyboardModifiers tasten = Qt::NoModifier) {
    QTest::mousePress(Flaeche(f), Qt::LeftButton, tasten, f->ZellPunkt(vonTag, vonStd));
    QTest::mouseMove(Flaeche(f), f->ZellPunkt(nachTag, nachStd));
    QTest::mouseRelease(Flaeche(f), Qt::LeftButton, tasten, f->ZellPunkt(nachTag, nachStd));
  }

  // Die Zellen mit der Marke "R", tageweise.
  std::vector<std::pair<int, int>> Markiert(const TPlnForm* f) const {
    std::vector<std::pair<int, int>> z;
    for (int h = 1; h <= st.fPlnStd; ++h)
      for (int t = 1; t <= st.fMaxTageNeu; ++t)
        if (f->Marke(t, h) == TPlnForm::MarkeRechts) z.emplace_back(t, h);
    return z;
  }

  std::vector<std::string> Titel() const {
    std::vector<std::string> t;
    for (const auto& e : u.dialog.fProtokoll) t.push_back(e.Titel);
    return t;
  }

  TTestUmgebung u;
  TStandard& st = u.standard;
  TTamrelPalette palette;
  TLehrer *mue, *sch, *kra, *web;
  TKlasse *k5a, *k5b;
  TRaum *r1, *r2, *r3, *r4;
  TKopplung* rel;
  TKurs *kD, *kM, *kER, *kKR, *kD5b;
};
