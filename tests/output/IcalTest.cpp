// Die Kalenderdateien: geschrieben, mit libical zurückgelesen. Termine je Element über zwei
// Wochen mit beiden Planversionen, einem Ferientag und Wochenenden; Vertretungen (frei,
// Vertreter, Raumwechsel, Bemerkungen); gleiche UIDs und SEQUENCE über wiederholte Exporte; Texte
// mit Sonderzeichen; fehlende Zeiten; die Kennung der Schule.
#include <libical/ical.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "output/HTMLUnit.h"
#include "output/IcalUnit.h"
#include "persistence/SchulDateiHilfe.h"
#include "settings/StundenZeitUnit.h"
#include "substitution/VertretungHilfe.h"

namespace {

std::string Lies(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

class IcalTest : public VertretungsTest {
 protected:
  IcalTest() {
    st.fMaxTageNeu = 5;
    ZweiWochen();
    s.SetzeKalender(KalenderIndex(Tag(7)) + 1, 2);  // die Woche ab 14.12. ist Planversion 2
    FerienAm(Tag(2));                               // Mittwoch, 9.12.
    for (int v = 1; v <= 2; ++v) {
      st.fStdBeginn[v][1] = "07:50";
      st.fStdEnde[v][1] = "08:35";
      st.fStdBeginn[v][2] = "08:40";
      st.fStdEnde[v][2] = "09:25";
      st.fStdBez[v][3] = "9.45 - 10.30";  // Zeiten nur in der Bezeichnung
    }
    a = Kurs(l1, fD, {k5a}, {r1}, nullptr, 2);
    pa1 = a->NeueSetzung(1, 1, 1, r1);  // Mo 1
    a->NeueSetzung(1, 3, 2, r1);        // Mi 2: in der ersten Woche ein Ferientag
    a->NeueSetzung(1, 6, 1, r1);        // Sa 1: hinter der Schulwoche
    pa3 = a->NeueSetzung(2, 2, 3, r1);  // Di 3
    b = Kurs(l2, fM, {k5a, k5b}, {r2}, nullptr, 2);
    b->NeueSetzung(1, 1, 2, r2);        // Mo 2
    pb2 = b->NeueSetzung(2, 1, 2, r2);  // Mo 2
    b->NeueSetzung(2, 5, 1, r2);        // Fr 1
    c = Kurs(l3, fE, {k5b}, {r3}, nullptr, 1);
    c->NeueSetzung(1, 1, 3, r3);  // Mo 3
  }

  // Exportiert alle Lehrer, Klassen und Räume vom 7.12. bis zum 20.12. und liest jede Datei mit
  // libical zurück.
  std::map<const TPlanElement*, TIcalKalender> Export(bool vertretungen) {
    TIcalAuftrag auftrag{{l1, l2, l3, k5a, k5b, r1, r2, r3}, Tag(0), Tag(13), vertretungen};
    TIcalExport ex;
    EXPECT_TRUE(ex.ExportToFolder(ordner.Pfad().string(), auftrag));
    std::map<const TPlanElement*, TIcalKalender> k;
    for (const TPlanElement* e : auftrag.Elemente) {
      const auto gelesen = IcalLesen(Lies(ordner.Pfad() / IcalDateiName(e)));
      EXPECT_TRUE(gelesen) << IcalDateiName(e);
      if (gelesen) k[e] = *gelesen;
    }
    return k;
  }
  std::string Text(const TPlanElement* e) const { return Lies(ordner.Pfad() / IcalDateiName(e)); }

  // Der Termin am Tag in der Stunde, die um beginn anfängt.
  static const TIcalTermin* Am(const TIcalKalender& k, TDateTime tag, int beginn) {
    for (const TIcalTermin& t : k.Termine)
      if (t.Datum == std::floor(tag) && t.Beginn == beginn) return &t;
    return nullptr;
  }

  TTestOrdner ordner;
  TKurs *a, *b, *c;
  TSetzung *pa1, *pa3, *pb2;
};

TEST_F(IcalTest, TermineSindDieStundenDerSchultageInIhrerPlanversion) {
  auto k = Export(false);
  const std::map<const TPlanElement*, std::size_t> soll = {{l1, 2},  {l2, 3}, {l3, 1}, {k5a, 5},
                                                           {k5b, 4}, {r1, 2}, {r2, 3}, {r3, 1}};
  for (const auto& [e, n] : soll) EXPECT_EQ(k[e].Termine.size(), n) << e->fKuerzel.str();
  for (const auto& [e, kal] : k)
    for (const TIcalTermin& t : kal.Termine) {
      EXPECT_TRUE(Schultag(t.Datum + 0.5)) << t.Uid;
      EXPECT_FALSE(t.Abgesagt);
    }
  // MUE: Montag der A-Woche in Stunde 1, Dienstag der B-Woche in Stunde 3 (Zeiten aus der
  // Bezeichnung "9.45 - 10.30").
  ASSERT_EQ(k[l1].Termine.size(), 2u);
  EXPECT_EQ(k[l1].Termine[0].Datum, std::floor(Tag(0)));
  EXPECT_EQ(k[l1].Termine[0].Beginn, 7 * 60 + 50);
  EXPECT_EQ(k[l1].Termine[0].Ende, 8 * 60 + 35);
  EXPECT_EQ(k[l1].Termine[0].Zusammenfassung, "D 5a R1");
  EXPECT_EQ(k[l1].Termine[0].Ort, "R1");
  EXPECT_EQ(k[l1].Termine[1].Datum, std::floor(Tag(8)));
  EXPECT_EQ(k[l1].Termine[1].Beginn, 9 * 60 + 45);
  EXPECT_EQ(k[l1].Termine[1].Ende, 10 * 60 + 30);
  EXPECT_EQ(k[l1].Name, "Lehrerplan MUE");
  // Klasse: Fach, Lehrer, Raum; Raum: Fach, Klassen, Lehrer; Beschreibung: der Kurs.
  const TIcalTermin* m = Am(k[k5b], Tag(0), 8 * 60 + 40);
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->Zusammenfassung, "M SCH R2");
  EXPECT_EQ(m->Beschreibung, "SCH M 5a");
  EXPECT_EQ(Am(k[r2], Tag(0), 8 * 60 + 40)->Zusammenfassung, "M 5a 5b SCH");
  // Jede Zeit mit TZID=Europe/Berlin und dem Block der Zeitzone.
  const std::string text = Text(l1);
  EXPECT_NE(text.find("DTSTART;TZID=Europe/Berlin:20261207T075000\r\n"), std::string::npos);
  EXPECT_NE(text.find("DTEND;TZID=Europe/Berlin:20261215T103000\r\n"), std::string::npos);
  EXPECT_NE(text.find("BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\n"), std::string::npos);
}

TEST_F(IcalTest, VertretungenAendernDieKalenderAllerBeteiligten) {
  // MUE fehlt Mo 1, KRA vertritt; SCH fehlt Mo 2 der B-Woche, die Stunde ist frei; R1 fehlt
  // Di 3 der B-Woche, die Stunde geht nach R3.
  Abwesend(l1, Tag(0), 1, 1);
  TVertretung* vertreten = Von(pa1, Tag(0));
  ASSERT_TRUE(vertreten->TrageLehrerEin(l3, nullptr));
  vertreten->fSInfo = "Buch mitbringen";
  vertreten->fLInfo = "Kopien im Fach";
  Abwesend(l2, Tag(7), 2, 2);
  ASSERT_TRUE(Von(pb2, Tag(7))->Frei());
  Abwesend(r1, Tag(8), 3, 3);
  ASSERT_TRUE(Von(pa3, Tag(8))->TrageRaumEin(r3));

  auto k = Export(true);
  // Der Vertreter hat die Stunde zusätzlich, der neue Raum ebenso; sonst bleibt jede Zahl.
  const std::map<const TPlanElement*, std::size_t> soll = {{l1, 2},  {l2, 3}, {l3, 2}, {k5a, 5},
                                                           {k5b, 4}, {r1, 2}, {r2, 3}, {r3, 2}};
  for (const auto& [e, n] : soll) EXPECT_EQ(k[e].Termine.size(), n) << e->fKuerzel.str();

  const TIcalTermin* fehlt = Am(k[l1], Tag(0), 7 * 60 + 50);
  ASSERT_NE(fehlt, nullptr);
  EXPECT_EQ(fehlt->Zusammenfassung, "vertreten durch KRA: D 5a R1");
  EXPECT_TRUE(fehlt->Frei);
  EXPECT_FALSE(fehlt->Abgesagt);
  EXPECT_NE(fehlt->Beschreibung.find("Kopien im Fach"), std::string::npos);
  const TIcalTermin* vertreter = Am(k[l3], Tag(0), 7 * 60 + 50);
  ASSERT_NE(vertreter, nullptr);
  EXPECT_EQ(vertreter->Zusammenfassung, "Vertretung: D 5a R1");
  EXPECT_EQ(vertreter->Ort, "R1");
  EXPECT_NE(vertreter->Beschreibung.find("statt MUE"), std::string::npos);
  EXPECT_NE(vertreter->Uid, fehlt->Uid);
  const TIcalTermin* klasse = Am(k[k5a], Tag(0), 7 * 60 + 50);
  EXPECT_EQ(klasse->Zusammenfassung, "Vertretung: D KRA R1");
  EXPECT_NE(klasse->Beschreibung.find("Buch mitbringen"), std::string::npos);
  EXPECT_EQ(klasse->Beschreibung.find("Kopien im Fach"), std::string::npos);
  EXPECT_EQ(fehlt->Beschreibung.find("Buch mitbringen"), std::string::npos);

  // "frei": abgesagt beim Lehrer, in beiden Klassen und im Raum.
  for (const TPlanElement* e :
       {static_cast<const TPlanElement*>(l2), static_cast<const TPlanElement*>(k5a),
        static_cast<const TPlanElement*>(k5b), static_cast<const TPlanElement*>(r2)}) {
    const TIcalTermin* t = Am(k[e], Tag(7), 8 * 60 + 40);
    ASSERT_NE(t, nullptr) << e->fKuerzel.str();
    EXPECT_TRUE(t->Abgesagt) << e->fKuerzel.str();
    EXPECT_EQ(t->Zusammenfassung.rfind("entfällt: ", 0), 0u) << t->Zusammenfassung;
  }
  EXPECT_NE(Text(l2).find("STATUS:CANCELLED"), std::string::npos);

  // Raumwechsel: Ort R3 bei Lehrer und Klasse, abgesagt in R1, zusätzlich in R3.
  EXPECT_EQ(Am(k[l1], Tag(8), 9 * 60 + 45)->Ort, "R3");
  EXPECT_EQ(Am(k[k5a], Tag(8), 9 * 60 + 45)->Zusammenfassung, "D MUE R3");
  EXPECT_TRUE(Am(k[r1], Tag(8), 9 * 60 + 45)->Abgesagt);
  EXPECT_EQ(Am(k[r3], Tag(8), 9 * 60 + 45)->Zusammenfassung, "Raumwechsel: D 5a MUE");
  // Ohne Vertretungen sieht der Export nichts davon.
  for (const auto& [e, kal] : Export(false))
    for (const TIcalTermin& t : kal.Termine) EXPECT_FALSE(t.Abgesagt || t.Frei) << t.Uid;
}

TEST_F(IcalTest, WiederholteExporteBehaltenUidsUndZaehlenNurGeaenderteTermineHoch) {
  u.uhr.fJetzt = DatumZuZahl(2026, 12, 1) + ZeitZuZahl(22, 0, 0);  // Winterzeit: UTC 21:00
  auto erst = Export(true);
  const std::string bytes = Text(k5a);
  EXPECT_NE(bytes.find("LAST-MODIFIED:20261201T210000Z\r\n"), std::string::npos);
  u.uhr.fJetzt += 1;
  auto zweit = Export(true);
  EXPECT_EQ(Text(k5a), bytes);  // nichts geändert: dieselben Bytes
  Abwesend(l2, Tag(7), 2, 2);
  ASSERT_TRUE(Von(pb2, Tag(7))->Frei());
  u.uhr.fJetzt += 1;
  auto dritt = Export(true);
  for (const TPlanElement* e :
       {static_cast<const TPlanElement*>(k5a), static_cast<const TPlanElement*>(l1)}) {
    ASSERT_EQ(erst[e].Termine.size(), dritt[e].Termine.size());
    for (std::size_t i = 0; i < erst[e].Termine.size(); ++i) {
      const TIcalTermin &vorher = erst[e].Termine[i], &nachher = dritt[e].Termine[i];
      EXPECT_EQ(vorher.Uid, zweit[e].Termine[i].Uid);
      EXPECT_EQ(vorher.Uid, nachher.Uid);
      const bool geaendert = nachher.Abgesagt;
      EXPECT_EQ(nachher.Sequenz, geaendert ? 1 : 0) << nachher.Uid;
      EXPECT_EQ(nachher.Geaendert, geaendert ? IcalOrtszeitZuUtc(u.uhr.fJetzt) : vorher.Geaendert);
    }
  }
  EXPECT_EQ(std::count_if(dritt[k5a].Termine.begin(), dritt[k5a].Termine.end(),
                          [](const TIcalTermin& t) { return t.Sequenz == 1; }),
            1);
  // Die UIDs sind im Kalender eindeutig und tragen die Kennung der Schule.
  std::set<std::string> uids;
  for (const TIcalTermin& t : dritt[k5a].Termine) uids.insert(t.Uid);
  EXPECT_EQ(uids.size(), dritt[k5a].Termine.size());
  EXPECT_TRUE(SchulKennungGueltig(st.fSchulKennung));
  EXPECT_NE(dritt[k5a].Termine[0].Uid.find("@" + st.fSchulKennung), std::string::npos);
}

TEST_F(IcalTest, TexteMitSonderzeichenKommenUnveraendertZurueck) {
  a->fInfo = "Lesen; Schreiben, Rechnen";
  Abwesend(l1, Tag(0), 1, 1);
  TVertretung* v = Von(pa1, Tag(0));
  v->fLInfo = Utf8ZuWin1252("Bücher für Größe: Ölfarben; Äpfel, Übungen und noch mehr Text");
  auto k = Export(true);
  const TIcalTermin* t = Am(k[l1], Tag(0), 7 * 60 + 50);
  ASSERT_NE(t, nullptr);
  const std::string soll =
      "MUE D 5a\nLesen; Schreiben, Rechnen\nVertretung noch offen\n"
      "Bücher für Größe: Ölfarben; Äpfel, Übungen und noch mehr Text";
  EXPECT_EQ(t->Beschreibung, soll);
  // Roh: maskiert, gefaltet auf höchstens 75 Bytes, ohne ein UTF-8-Zeichen zu teilen.
  const std::string text = Text(l1);
  EXPECT_NE(text.find("Lesen\\; Schreiben\\, Rechnen\\n"), std::string::npos);
  std::size_t anfang = 0, gefaltet = 0;
  for (std::size_t ende; (ende = text.find("\r\n", anfang)) != std::string::npos;
       anfang = ende + 2) {
    const std::string zeile = text.substr(anfang, ende - anfang);
    EXPECT_LE(zeile.size(), 75u) << zeile;
    if (!zeile.empty() && zeile[0] == ' ') ++gefaltet;
    const unsigned char erstes = zeile.size() > 1 ? static_cast<unsigned char>(zeile[1]) : 0;
    EXPECT_FALSE(zeile[0] == ' ' && (erstes & 0xC0) == 0x80) << "geteiltes Zeichen: " << zeile;
  }
  EXPECT_EQ(anfang, text.size()) << "Die Datei endet nicht mit CR LF";
  EXPECT_GT(gefaltet, 0u);
  // Unabhängig von IcalLesen: libical selbst liest DESCRIPTION und den TZID-Parameter.
  icalcomponent* kal = icalparser_parse_string(text.c_str());
  ASSERT_NE(kal, nullptr);
  icalcomponent* e = icalcomponent_get_first_component(kal, ICAL_VEVENT_COMPONENT);
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(std::string(icalcomponent_get_description(e)), soll);
  icalproperty* beginn = icalcomponent_get_first_property(e, ICAL_DTSTART_PROPERTY);
  EXPECT_EQ(std::string(icalparameter_get_tzid(
                icalproperty_get_first_parameter(beginn, ICAL_TZID_PARAMETER))),
            "Europe/Berlin");
  EXPECT_NE(icalcomponent_get_first_component(kal, ICAL_VTIMEZONE_COMPONENT), nullptr);
  icalcomponent_free(kal);
}

TEST_F(IcalTest, OhneZeitenLehntDerExportAbUndNenntDenDialog) {
  st.fStdBez[2][3] = " 3";  // Stunde 3 der B-Woche hat nun keine Zeiten mehr
  TIcalExport ex;
  EXPECT_FALSE(ex.ExportToFolder(ordner.Pfad().string(), {{l2, l1}, Tag(0), Tag(13), false}));
  ASSERT_EQ(u.dialog.fProtokoll.size(), 1u);
  EXPECT_EQ(u.dialog.fProtokoll[0].Titel, "Kalender (iCalendar)");
  EXPECT_EQ(u.dialog.fProtokoll[0].Text(),
            "{2} Für die Stunde 3 sind Beginn und Ende nicht eingetragen.\n"
            "Tragen Sie die Zeiten im Dialog „Voreinstellung für Zeiten“ ein (Bearbeiten › "
            "Voreinstellungen › Zeiten).");
  EXPECT_TRUE(ordner.Namen().empty());
  // Nur SCH: seine Stunden haben Zeiten, auch mit einer Vertretung in Stunde 3 der B-Woche, die
  // hinter dem Zeitraum liegt. Ein Ende vor dem Beginn ist keine Zeit.
  s.SetzeKalender(KalenderIndex(Tag(21)) + 1, 2);
  Abwesend(l1, Tag(22), 3, 3);
  u.dialog.Antworte("Ja");  // "SCH hat diesen Tag frei"
  ASSERT_TRUE(Von(pa3, Tag(22))->TrageLehrerEin(l2, nullptr));
  EXPECT_TRUE(ex.ExportToFolder(ordner.Pfad().string(), {{l2}, Tag(0), Tag(13), true}));
  EXPECT_FALSE(ex.ExportToFolder(ordner.Pfad().string(), {{l2}, Tag(0), Tag(27), true}));
  EXPECT_EQ(u.dialog.fProtokoll.back().Zeilen[0],
            "{2} Für die Stunde 3 sind Beginn und Ende nicht eingetragen.");
  st.fStdEnde[1][2] = "08:00";
  EXPECT_FALSE(ex.ExportToFolder(ordner.Pfad().string(), {{l2}, Tag(0), Tag(13), false}));
  EXPECT_EQ(u.dialog.fProtokoll.back().Zeilen[0],
            "{1} In der Stunde 2 liegt das Ende (08:00) nicht nach dem Beginn (08:40).");
}

TEST_F(IcalTest, DieKennungKommtAusDenEinstellungenOderDenVorhandenenDateien) {
  Export(false);
  const std::string kennung = st.fSchulKennung;
  ASSERT_TRUE(SchulKennungGueltig(kennung));
  // Ohne Kennung in den Einstellungen (tamrel-cli liest sie nur) gilt die der Dateien.
  st.fSchulKennung.clear();
  auto k = Export(false);
  EXPECT_EQ(st.fSchulKennung, kennung);
  // Eine neue Kennung für einen leeren Ordner.
  std::filesystem::remove_all(ordner.Pfad());
  st.fSchulKennung.clear();
  Export(false);
  EXPECT_TRUE(SchulKennungGueltig(st.fSchulKennung));
  EXPECT_NE(st.fSchulKennung, kennung);
  EXPECT_FALSE(SchulKennungGueltig("Schule Süd"));
}

TEST_F(IcalTest, PlanseitenVerweisenAufDenKalenderImSelbenOrdner) {
  THTMLExport html;
  const std::filesystem::path seiten = ordner.Pfad() / "HTML Ordner";
  ASSERT_TRUE(html.ExportToFile(seiten.string()));
  const std::string name = IcalDateiName(l1);
  const std::string stamm = name.substr(0, name.size() - 4);
  const std::string verweis = "<P><A HREF=\"" + name + "\">Kalender (iCalendar)</A></P>\r";
  EXPECT_EQ(Lies(seiten / (stamm + ".html")).find(verweis), std::string::npos);
  TIcalExport ex;
  ASSERT_TRUE(ex.ExportToFolder(seiten.string(), {{l1}, Tag(0), Tag(13), false}));
  ASSERT_TRUE(html.ExportToFile(seiten.string(), true));
  EXPECT_NE(Lies(seiten / (stamm + ".html")).find(verweis), std::string::npos);
  // Nur das Element mit Kalender verweist.
  const std::string anderer = IcalDateiName(l2);
  EXPECT_EQ(Lies(seiten / (anderer.substr(0, anderer.size() - 4) + ".html")).find(".ics"),
            std::string::npos);
}

}  // namespace
