// Der Dauerlauf in den Tests: ein fester Satz Saaten über alle Beispielschulen, und die
// verkleinerten Folgen, an denen er Fehler fand.
#include <gtest/gtest.h>

#include "AblaufUnit.h"
#include "model/SchulUnit.h"

namespace {

[[maybe_unused]] ::testing::AssertionResult OhneFehler(TSchulArt art,
                                                       const std::vector<TSchritt>& schritte) {
  const TAblaufErgebnis e = AblaufLaufen(art, schritte);
  if (!e.Fehler) return ::testing::AssertionSuccess();
  const TAblaufFehler& f = *e.Fehler;
  return ::testing::AssertionFailure()
         << "Schritt " << f.Schritt << " ("
         << (f.Schritt >= 0 ? AblaufArtName(schritte[static_cast<std::size_t>(f.Schritt)].Art)
                            : "Beispielschule")
         << "): " << f.Text;
}

#define AblaufOhneFehler(art, ...) EXPECT_TRUE(OhneFehler(art, std::vector<TSchritt> __VA_ARGS__))

TEST(Ablauf, FolgenSindReproduzierbar) {
  EXPECT_EQ(ZufallsSchritte(5, 50), ZufallsSchritte(5, 50));
  EXPECT_NE(ZufallsSchritte(5, 50), ZufallsSchritte(6, 50));
  const std::vector<TSchritt> f = ZufallsSchritte(9, 40);
  const std::vector<std::uint8_t> bytes = SchritteAlsBytes(f);
  EXPECT_EQ(SchritteAusBytes(bytes.data(), bytes.size()), f);
  std::vector<TSchritt> gelesen;
  ASSERT_TRUE(SchritteAusText(SchritteAlsText(f), gelesen));
  EXPECT_EQ(gelesen, f);
  EXPECT_FALSE(SchritteAusText("Unbekannt 3\n", gelesen));
}

// Jede Art kommt in den Zufallsfolgen vor.
TEST(Ablauf, JedeArtKommtVor) {
  std::vector<int> zahl(static_cast<std::size_t>(TAblaufArt::Anzahl));
  for (const TSchritt& s : ZufallsSchritte(1, 3000)) ++zahl[static_cast<std::size_t>(s.Art)];
  for (std::size_t a = 0; a < zahl.size(); ++a)
    EXPECT_GT(zahl[a], 0) << AblaufArtName(static_cast<TAblaufArt>(a));
}

// Das Verkleinern behält nur, was für den Fehlschlag nötig ist: mit einer künstlichen Regel
// ("höchstens zwei Kurse mehr als am Anfang") bleiben von einer Folge aus Schritten, die nichts
// tun (ohne Manuellfenster schließt "ManuellSchliessen" nichts), und drei neuen Kursen genau die
// drei neuen Kurse.
TEST(Ablauf, VerkleinernLaesstWegWasNichtNoetigIst) {
  TAblaufOptionen optionen;
  optionen.TiefAlle = 0;
  int anfang = -1;
  optionen.Zusatz = [&anfang](const TSchule& s) -> std::string {
    if (anfang < 0) anfang = s.fKursMenge.ListeZahlElemente();
    return "";
  };
  ASSERT_FALSE(
      AblaufLaufen(TSchulArt::Klein, {{TAblaufArt::ManuellSchliessen, 0u}}, optionen).Fehler);
  ASSERT_GT(anfang, 0);
  optionen.Zusatz = [anfang](const TSchule& s) -> std::string {
    return s.fKursMenge.ListeZahlElemente() > anfang + 2 ? "mehr als zwei neue Kurse" : "";
  };
  std::vector<TSchritt> folge(20, TSchritt{TAblaufArt::ManuellSchliessen, 0u});
  const std::vector<TSchritt> neu = {
      {TAblaufArt::KursNeu, 11u}, {TAblaufArt::KursNeu, 22u}, {TAblaufArt::KursNeu, 33u}};
  folge.insert(folge.begin() + 15, neu[2]);
  folge.insert(folge.begin() + 9, neu[1]);
  folge.insert(folge.begin() + 3, neu[0]);
  const TAblaufErgebnis e = AblaufLaufen(TSchulArt::Klein, folge, optionen);
  ASSERT_TRUE(e.Fehler);
  ASSERT_EQ(e.Fehler->Regel, "Zusatz") << e.Fehler->Text;
  EXPECT_EQ(e.Fehler->Schritt, 17);
  EXPECT_EQ(Verkleinern(TSchulArt::Klein, folge, *e.Fehler, optionen), neu);
}

class AblaufSaat : public ::testing::TestWithParam<std::tuple<TSchulArt, int>> {};

TEST_P(AblaufSaat, OhneFehler) {
  const auto [art, saat] = GetParam();
  const int schritte = art == TSchulArt::Klein ? 400 : 120;
  TAblaufOptionen optionen;
  optionen.TiefAlle = art == TSchulArt::Klein ? 10 : 40;
  const std::vector<TSchritt> folge = ZufallsSchritte(static_cast<std::uint64_t>(saat), schritte);
  const TAblaufErgebnis e = AblaufLaufen(art, folge, optionen);
  ASSERT_FALSE(e.Fehler) << "Saat " << saat << ", Schritt " << e.Fehler->Schritt << ": "
                         << e.Fehler->Text << "\n(tamrel-ablauf --schule " << SchulArtName(art)
                         << " --saat " << saat << " --schritte " << schritte << ")";
  EXPECT_GT(e.Ausgefuehrt, schritte / 2);
}

const auto kSaatName = [](const auto& info) {
  return SchulArtName(std::get<0>(info.param)) + "_" + std::to_string(std::get<1>(info.param));
};

// Ein fester Satz Saaten über alle Beispielschulen (auch Gymnasium und Grundschule).
INSTANTIATE_TEST_SUITE_P(
    Saaten, AblaufSaat,
    ::testing::Values(std::tuple(TSchulArt::Klein, 1), std::tuple(TSchulArt::Klein, 2),
                      std::tuple(TSchulArt::Klein, 3), std::tuple(TSchulArt::Gross, 1),
                      std::tuple(TSchulArt::Knapp, 1), std::tuple(TSchulArt::Gymnasium, 1),
                      std::tuple(TSchulArt::Grundschule, 1)),
    kSaatName);

// Die verkleinerten Folgen der gefundenen Fehler.

// Der Kursexport nennt die Stunden der Arbeitswoche, die Setzungen aber aller Planversionen: ein
// Kurs nur der B-Woche kam mit 0 Stunden und einer Setzung in der B-Woche herein.
TEST(AblaufFund, ImportGibtJederWocheIhreGesetztenStunden) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::KurseImportieren, 1952540566u}});
}

// Nach dem Umordnen der Kürzel setzt die Palette fReihe neu; die Kurse (deren Schlüssel aus fReihe
// kommen) und die Teillisten blieben in der alten Folge, bis die Schule gesichert und geöffnet war.
TEST(AblaufFund, UmgeordneteKuerzelOrdnenDieKurseNeu) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::ElementAendern, 1642976634u}});
}

// Ein neuer Kurs mit Lehrer und Fach (IKurs) trug das Fach nicht beim Lehrer ein, erst das Öffnen
// der gesicherten Schule tat es: die Schule sah nach Sichern und Öffnen anders aus.
TEST(AblaufFund, NeuerKursVerbindetLehrerUndFach) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::KursNeu, 1961936958u}});
}

// Ein Import legte einen zweiten Kurs des Lehrers SAN in dessen belegte Zelle; das Löschen der
// einen Stunde löschte die Zelle des Lehrers, obwohl die andere noch dort lag (Setzung ohne
// Belegung; das Öffnen der gesicherten Schule baut die Belegung aus den Setzungen auf).
TEST(AblaufFund, EntfernenLaesstDenDoppeltBelegtenLehrerBelegt) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::KursNeu, 2072095113u},
                                      {TAblaufArt::KursNeu, 811354239u},
                                      {TAblaufArt::KursNeu, 3758328262u},
                                      {TAblaufArt::KursNeu, 3147073416u},
                                      {TAblaufArt::ElementNeu, 912075061u},
                                      {TAblaufArt::KurseImportieren, 1606729443u},
                                      {TAblaufArt::ManuellAblegen, 305839728u},
                                      {TAblaufArt::ManuellLoeschen, 234012273u}});
}

// Kopierte und eingesetzte Kurse gaben dem Lehrer KÜH zwei Kurse der Kopplung EF-GW; das
// Setzen mit Kopplung im Manuellfenster legte beide in dieselbe Zelle (KÜH doppelt belegt).
TEST(AblaufFund, SetzenMitKopplungBelegtKeinenLehrerDoppelt) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::KursNeu, 4017092716u},
                                      {TAblaufArt::KursNeu, 2061485171u},
                                      {TAblaufArt::KurseImportieren, 3615553735u},
                                      {TAblaufArt::KursNeu, 798279548u},
                                      {TAblaufArt::KurseKopieren, 2194074113u},
                                      {TAblaufArt::ElementNeu, 2494949445u},
                                      {TAblaufArt::KurseKopieren, 1844623854u},
                                      {TAblaufArt::ManuellOeffnen, 2528436953u},
                                      {TAblaufArt::ManuellAblegen, 2389642092u},
                                      {TAblaufArt::ManuellSchieben, 1001836718u},
                                      {TAblaufArt::ManuellSetzen, 615266347u}});
}

// "Pläne löschen" ohne fixierte Stunden ließ die fixierte Stunde eines Kurses der Kopplung EF-KM
// (ohne Kopplung fixiert) und nahm die der anderen: so gewollt (nur die Stunden der besuchten
// Kurse gehen, fixierte bleiben), der Lauf erlaubt dort nun die getrennte Kopplung.
TEST(AblaufFund, PlaeneLoeschenLaesstFixierteStundenEinerKopplung) {
  AblaufOhneFehler(TSchulArt::Knapp, {{TAblaufArt::KurseImportieren, 1952540566u},
                                      {TAblaufArt::ElementAendern, 779974557u},
                                      {TAblaufArt::ManuellLoeschen, 3003978640u},
                                      {TAblaufArt::ManuellFixieren, 13511947u},
                                      {TAblaufArt::PlaeneLoeschen, 700014011u}});
}

// Der Import setzte die Stunden seiner Kurse ohne sie an die Abwesenheiten zu binden: eine Stunde
// an einem Tag, an dem die Klasse fehlt, wurde dem Lehrer nicht abgebucht (Konto von RUP -1,
// neu berechnet -2).
TEST(AblaufFund, ImportBuchtAusfallendeStundenAb) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::KursNeu, 2072095113u},
                                      {TAblaufArt::KursNeu, 811354239u},
                                      {TAblaufArt::KursNeu, 3758328262u},
                                      {TAblaufArt::ElementNeu, 2513557795u},
                                      {TAblaufArt::KurseImportieren, 3546153908u},
                                      {TAblaufArt::Abwesenheit, 2897475628u},
                                      {TAblaufArt::KurseImportieren, 3383673435u},
                                      {TAblaufArt::KursNeu, 1338462808u},
                                      {TAblaufArt::KurseKopieren, 1312792886u},
                                      {TAblaufArt::KurseImportieren, 778956468u},
                                      {TAblaufArt::KursNeu, 639397713u},
                                      {TAblaufArt::KurseImportieren, 4275608349u}});
}

// Ein neuer Kurs der Kopplung Sp9a (ohne Stunden im Plan) trennt sie; der Tausch zweier
// Zeitfelder nahm die Stunden der anderen Kurse mit, die Trennung stand danach in anderen Zellen
// (kein neuer Verstoß: der Lauf erlaubt ihn dort nun).
TEST(AblaufFund, TauschNimmtEineGetrennteKopplungMit) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::KursNeu, 4035688746u},
                                      {TAblaufArt::StundenTauschen, 1985784286u}});
}

// Der Import legte einen Kurs doppelt in den Raum R203; der Tausch zweier Zeitfelder nahm die
// Doppelbelegung mit in eine andere Zelle (kein neuer Verstoß).
TEST(AblaufFund, TauschNimmtEineDoppelbelegungMit) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::KursNeu, 2061485171u},
                                      {TAblaufArt::KursNeu, 1844625334u},
                                      {TAblaufArt::KursNeu, 1778487284u},
                                      {TAblaufArt::KursNeu, 1591938044u},
                                      {TAblaufArt::KursNeu, 3120327466u},
                                      {TAblaufArt::KursNeu, 4035688746u},
                                      {TAblaufArt::KurseImportieren, 678177468u},
                                      {TAblaufArt::StundenTauschen, 1985784286u}});
}

// Verschieben mit Kopplung (Ablegen im Manuellfenster, alle Planversionen): der Passtest prüfte
// für die gekoppelten Kurse nur den Raum der aktuellen Woche. Hatte der Kurs dort keine Stunde,
// wanderte sein Raum der anderen Wochen ungeprüft mit, in eine Zelle, in der der Raum belegt war.
TEST(AblaufFund, GekoppelteKurseNehmenNurFreieRaeumeMit) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::Planversionen, 3494849u},
                                      {TAblaufArt::ManuellSetzen, 3193639740u},
                                      {TAblaufArt::KurseKopieren, 3469378169u},
                                      {TAblaufArt::ManuellBlaettern, 1363112362u},
                                      {TAblaufArt::KursLoeschen, 3867492091u},
                                      {TAblaufArt::ManuellSchliessen, 3048946569u},
                                      {TAblaufArt::KurseKopieren, 2341853731u},
                                      {TAblaufArt::KursLoeschen, 2019305255u},
                                      {TAblaufArt::ManuellSchieben, 2396606879u},
                                      {TAblaufArt::ManuellAblegen, 1175899682u}});
}

// "nicht belegte Räume" nahm dem Kurs den Raum, den das offene Manuellfenster gewählt hatte; das
// nächste Setzen legte die Stunde in diesen Raum, dessen Kursliste den Kurs nicht mehr kannte.
TEST(AblaufFund, ManuellSetztNurInRaeumeDesKurses) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::ManuellOeffnen, 1761175456u},
                                      {TAblaufArt::RaeumeAufraeumen, 852963699u},
                                      {TAblaufArt::ManuellSetzen, 3961323774u}});
}

// Der Vertreter gehört zur Ordnung der Vertretungsliste; ein eingetragener Vertreter ließ die
// Vertretung an ihrem alten Platz (erst das Öffnen der gesicherten Schule ordnete neu).
TEST(AblaufFund, VertretungRuecktNachDemVertreterAnIhrenPlatz) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::AbwesenheitLang, 298812885u},
                                      {TAblaufArt::Abwesenheit, 4240801004u},
                                      {TAblaufArt::AbwesenheitWeg, 698066506u},
                                      {TAblaufArt::VertretungLoeschen, 4069559487u},
                                      {TAblaufArt::Vertreter, 2140970061u}});
}

// Bei offenem Manuellfenster landeten die Züge des Komprimierens nicht als Züge im Protokoll:
// eine gebliebene Kette war je Stunde "entfernt und neu gesetzt" an ihrer neuen Zelle, und
// "Widerrufen" setzte einen Kurs in eine Zelle, die inzwischen ein anderer Kurs der Klasse hatte
// (7b {1} Di 1. Stunde doppelt).
TEST(AblaufFund, KomprimierenUndWiderrufen) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::ManuellAblegen, 1945068808u},
                                      {TAblaufArt::ManuellSetzen, 3193639740u},
                                      {TAblaufArt::Komprimieren, 4255102229u},
                                      {TAblaufArt::ManuellWiderrufen, 2545454473u}});
}

// Der Import setzte eine Stunde des neuen Kurses SCM Mu 10a in einen fehlenden Raum: ihre
// Vertretung wurde ohne Lehrer eingeordnet (wie eine Lehrervertretung) und bekam den Lehrer des
// Kurses erst danach; sie stand vor SCM Mu 6d, obwohl 10a hinter 6d gehört.
TEST(AblaufFund, RaumvertretungWirdMitIhremLehrerEingeordnet) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::KurseKopieren, 110751531u},
                                      {TAblaufArt::ElementLoeschen, 681912053u},
                                      {TAblaufArt::KursNeu, 590538479u},
                                      {TAblaufArt::KursLoeschen, 92249545u},
                                      {TAblaufArt::KursNeu, 3403209646u},
                                      {TAblaufArt::ElementLoeschen, 2758143422u},
                                      {TAblaufArt::ElementNeu, 1701014339u},
                                      {TAblaufArt::KurseImportieren, 2565667470u},
                                      {TAblaufArt::KursNeu, 1077655870u},
                                      {TAblaufArt::KursNeu, 60513824u},
                                      {TAblaufArt::AbwesenheitLang, 1563691515u},
                                      {TAblaufArt::KurseImportieren, 3469171792u},
                                      {TAblaufArt::KurseKopieren, 1025479820u},
                                      {TAblaufArt::KurseImportieren, 984984206u}});
}

// Der Import legte den Kurs QUA M EF-M ein zweites Mal in dieselben Zellen (QUA doppelt Di 2.
// Stunde); Schieben im Manuellfenster nahm beide heraus, "Widerrufen" setzte beide zurück: der
// Stand vor dem Schieben mit seiner Doppelbelegung, kein neuer Verstoß.
TEST(AblaufFund, WiderrufenBringtDieDoppelbelegungVonVorherZurueck) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::KurseImportieren, 2429321017u},
                                      {TAblaufArt::KurseKopieren, 1059066846u},
                                      {TAblaufArt::ManuellOeffnen, 3689247709u},
                                      {TAblaufArt::KurseImportieren, 3469171792u},
                                      {TAblaufArt::KurseKopieren, 1025479820u},
                                      {TAblaufArt::ManuellBlaettern, 3665359828u},
                                      {TAblaufArt::ManuellSchieben, 97746211u},
                                      {TAblaufArt::ManuellSetzen, 302696058u},
                                      {TAblaufArt::ManuellWiderrufen, 1251298971u}});
}

// Das Löschen der Kopplung Sp9d nahm ihre Kurse aus den Plänen und zeichnete es im Protokoll des
// offenen Manuellfensters auf; "Widerrufen" setzte die Kurse ohne Kopplung in ihre alte Zelle
// zurück (9d doppelt Mo 8. Stunde).
TEST(AblaufFund, WiderrufenSetztKurseEinerGeloeschtenKopplungNichtZurueck) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::ManuellBlaettern, 3765534596u},
                                      {TAblaufArt::ElementLoeschen, 267688888u},
                                      {TAblaufArt::ManuellWiderrufen, 3053302085u}});
}

// Das Löschen eines Lehrers, den eine Tafel des offenen Manuellfensters zeigte: die Prüfung der
// Verweise fragte das schon zerstörte Element nach seiner Art (Absturz).
TEST(AblaufFund, GeloeschterLehrerDerTafelOhneAbsturz) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::ElementAendern, 3426709810u},
                                      {TAblaufArt::ElementLoeschen, 1892480414u},
                                      {TAblaufArt::ElementLoeschen, 134097539u},
                                      {TAblaufArt::ElementNeu, 2171028630u},
                                      {TAblaufArt::ElementAendern, 2974332134u},
                                      {TAblaufArt::ManuellOeffnen, 2989168674u},
                                      {TAblaufArt::ElementLoeschen, 980853828u}});
}

// Der Lehrer GRA hat zwei Kurse der Kopplung Rel9 (kopierte Kurse), beide in denselben Zellen
// (GRA doppelt). Ablegen mit Kopplung im Manuellfenster nimmt die ganze Kopplung mit: die
// Doppelbelegung steht danach in der neuen Zelle (kein neuer Verstoß).
TEST(AblaufFund, AblegenNimmtDenLehrerZweimalInDerKopplungMit) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::KurseKopieren, 110751531u},
                                      {TAblaufArt::ElementLoeschen, 681912053u},
                                      {TAblaufArt::KursNeu, 590538479u},
                                      {TAblaufArt::KursLoeschen, 92249545u},
                                      {TAblaufArt::KursNeu, 3403209646u},
                                      {TAblaufArt::ElementLoeschen, 2758143422u},
                                      {TAblaufArt::KursNeu, 2367142772u},
                                      {TAblaufArt::KursNeu, 2907343292u},
                                      {TAblaufArt::ManuellAblegen, 1316549403u},
                                      {TAblaufArt::KurseImportieren, 2429321017u},
                                      {TAblaufArt::KurseKopieren, 1059066846u},
                                      {TAblaufArt::KurseImportieren, 2565667470u},
                                      {TAblaufArt::KursNeu, 1077655870u},
                                      {TAblaufArt::KursNeu, 60513824u},
                                      {TAblaufArt::ManuellBlaettern, 3412263285u},
                                      {TAblaufArt::ManuellAblegen, 4007398334u}});
}

// Zwei Kurse im Raum Ku2 in einer Zelle (Import); die automatische Planung nahm dem einen den
// Raum und löschte dabei die Belegung des Raums, obwohl der andere noch in ihm lag.
TEST(AblaufFund, RaumAusDerStundeNehmenLaesstDenAnderenKursImRaum) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::KurseImportieren, 805600085u},
                                      {TAblaufArt::KursNeu, 3509094209u},
                                      {TAblaufArt::KursLoeschen, 2395082899u},
                                      {TAblaufArt::KurseImportieren, 2178243310u},
                                      {TAblaufArt::KursNeu, 539392008u},
                                      {TAblaufArt::PlaeneLoeschen, 639808777u},
                                      {TAblaufArt::Automatik, 1548243851u}});
}

// Die Klassen eines Kurses von KÜH fehlen länger: zwei ausfallende Stunden sind ihm mit dem
// Faktor 1 abgebucht (-2). Der Faktor des Kurses wurde 2, das Konto blieb bei -2, neu berechnet
// (so auch das Monatskonto nach dem Öffnen) waren es -4, und das Entfernen einer der Stunden
// hätte 2 zurückgebucht, wo 1 abgebucht war. Der neue Faktor bucht nun nach.
TEST(AblaufFund, FaktorAenderungBuchtDieKontenNach) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::KurseKopieren, 3433893711u},
                                      {TAblaufArt::KurseKopieren, 3537604796u},
                                      {TAblaufArt::AbwesenheitLang, 3191929744u},
                                      {TAblaufArt::KursNeu, 1133731748u},
                                      {TAblaufArt::KurseImportieren, 2601275123u},
                                      {TAblaufArt::KurseImportieren, 4155539214u},
                                      {TAblaufArt::KurseKopieren, 3036893111u},
                                      {TAblaufArt::KursNeu, 992084015u},
                                      {TAblaufArt::KursNeu, 667580585u},
                                      {TAblaufArt::KursNeu, 1097084910u},
                                      {TAblaufArt::KursNeu, 3167417274u},
                                      {TAblaufArt::KursNeu, 1523076529u},
                                      {TAblaufArt::KurseImportieren, 2749886625u},
                                      {TAblaufArt::KursNeu, 468103707u},
                                      {TAblaufArt::KurseKopieren, 1191809065u},
                                      {TAblaufArt::KursNeu, 959025314u},
                                      {TAblaufArt::ElementAendern, 1905175518u},
                                      {TAblaufArt::KursNeu, 4171463165u},
                                      {TAblaufArt::KursNeu, 856240654u},
                                      {TAblaufArt::KursNeu, 837408337u},
                                      {TAblaufArt::KursNeu, 71593903u},
                                      {TAblaufArt::KurseImportieren, 1045003669u},
                                      {TAblaufArt::KurseKopieren, 951836412u},
                                      {TAblaufArt::KursNeu, 2516104482u},
                                      {TAblaufArt::KursNeu, 178025662u},
                                      {TAblaufArt::KursLoeschen, 3966930827u},
                                      {TAblaufArt::KursNeu, 2208643900u},
                                      {TAblaufArt::KurseKopieren, 1635390103u},
                                      {TAblaufArt::KursNeu, 2667300244u},
                                      {TAblaufArt::KursNeu, 2530689855u},
                                      {TAblaufArt::KursAendern, 1500301766u}});
}

// Ablegen mit Kopplung im Manuellfenster: ZIM (Q1-LK1) wird mit dem Raum B104 verschoben, der
// mitgenommene Kurs von POH lag in der alten Zelle in B104 und behält seinen Raum. Der Passtest
// sah B104 in der Zielzelle frei; danach lagen beide darin. Jetzt lehnt das Ablegen ab.
TEST(AblaufFund, AblegenNimmtNichtDenRaumEinesMitgenommenenKurses) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::ElementNeu, 1994107071u},
                                      {TAblaufArt::ManuellBlaettern, 67461589u},
                                      {TAblaufArt::ElementNeu, 3083491098u},
                                      {TAblaufArt::ManuellBlaettern, 3055008678u},
                                      {TAblaufArt::PlaeneLoeschen, 1933699619u},
                                      {TAblaufArt::ElementNeu, 1638064862u},
                                      {TAblaufArt::ElementAendern, 753994234u},
                                      {TAblaufArt::ElementNeu, 2362030671u},
                                      {TAblaufArt::ElementLoeschen, 3482794401u},
                                      {TAblaufArt::ElementNeu, 562611831u},
                                      {TAblaufArt::ElementLoeschen, 4173610662u},
                                      {TAblaufArt::ElementLoeschen, 1597489891u},
                                      {TAblaufArt::SichernOeffnen, 1775067473u},
                                      {TAblaufArt::ManuellLoeschen, 2994482371u},
                                      {TAblaufArt::ManuellAblegen, 2786746525u}});
}

// Zwei Kurse liegen in denselben Zellen im Raum R203 (doppelt belegt). Das Nachbessern der
// automatischen Planung tauscht Zellen mit allen ihren Stunden und Räumen: die
// Doppelbelegung zog mit in eine andere Zelle, R203 ist nicht öfter doppelt belegt als vorher
// (kein neuer Verstoß, wie beim Tausch zweier Zeitfelder).
TEST(AblaufFund, NachbessernNimmtEineDoppelbelegungMit) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::StundenTauschen, 2628556813u},
                                      {TAblaufArt::KursNeu, 298565380u},
                                      {TAblaufArt::KursLoeschen, 2535076048u},
                                      {TAblaufArt::KursNeu, 1079528350u},
                                      {TAblaufArt::KurseImportieren, 706320322u},
                                      {TAblaufArt::KursNeu, 146200895u},
                                      {TAblaufArt::KursNeu, 3596584937u},
                                      {TAblaufArt::KurseKopieren, 4182918348u},
                                      {TAblaufArt::KursNeu, 3204019000u},
                                      {TAblaufArt::KurseImportieren, 3319216055u},
                                      {TAblaufArt::KurseKopieren, 3075134668u},
                                      {TAblaufArt::KursLoeschen, 425528366u},
                                      {TAblaufArt::KurseKopieren, 1960095913u},
                                      {TAblaufArt::ElementNeu, 3875412047u},
                                      {TAblaufArt::PlaeneLoeschen, 1110449173u},
                                      {TAblaufArt::ElementAendern, 3024326432u},
                                      {TAblaufArt::Automatik, 3378804307u}});
}

// Nach Kopieren und Import belegen zwei Kurse den Lehrer BER in einer Zelle doppelt. Das
// Komprimieren verschob eine der beiden Stunden und löschte dabei die Belegung des Lehrers in der
// alten Zelle, obwohl die andere dort blieb (Setzung ohne Belegung). Ebenso das Abheben beim
// Nachbessern.
TEST(AblaufFund, KomprimierenLaesstDenDoppeltBelegtenLehrerBelegt) {
  AblaufOhneFehler(
      TSchulArt::Klein,
      {{TAblaufArt::KursLoeschen, 3964669930u},     {TAblaufArt::KursNeu, 772731995u},
       {TAblaufArt::KursLoeschen, 919901997u},      {TAblaufArt::KursLoeschen, 4125476963u},
       {TAblaufArt::KursLoeschen, 1313771789u},     {TAblaufArt::KurseKopieren, 2238626028u},
       {TAblaufArt::KursLoeschen, 3043948824u},     {TAblaufArt::KurseKopieren, 2759693495u},
       {TAblaufArt::KurseKopieren, 1007153522u},    {TAblaufArt::KursNeu, 4144129551u},
       {TAblaufArt::KursNeu, 708507106u},           {TAblaufArt::KurseKopieren, 1490365487u},
       {TAblaufArt::ElementAendern, 431493382u},    {TAblaufArt::KurseKopieren, 2809931925u},
       {TAblaufArt::KursNeu, 2955169133u},          {TAblaufArt::KurseImportieren, 2996044228u},
       {TAblaufArt::KursNeu, 1234189673u},          {TAblaufArt::KursNeu, 2582528675u},
       {TAblaufArt::KursNeu, 2740265578u},          {TAblaufArt::KurseKopieren, 1368866217u},
       {TAblaufArt::KurseImportieren, 4000791524u}, {TAblaufArt::KursLoeschen, 924768767u},
       {TAblaufArt::KurseImportieren, 3085633991u}, {TAblaufArt::ElementLoeschen, 2570406362u},
       {TAblaufArt::Komprimieren, 4101601382u}});
}

// Grundschule, vier Planversionen: L011 hat zwei Kurse einer Kopplung, der eine liegt in der
// alten Zelle in Woche 1, der andere in einer anderen Woche. Ablegen mit Kopplung setzt jeden in
// jeder Woche neu (mit offenen Stunden): beide lagen danach in der neuen Zelle, L011 doppelt. Jetzt
// bleibt die Stunde des zweiten, wo sie ist.
TEST(AblaufFund, AblegenBelegtDenLehrerZweimalInDerKopplungNichtDoppelt) {
  AblaufOhneFehler(TSchulArt::Grundschule, {{TAblaufArt::KurseImportieren, 1952540566u},
                                            {TAblaufArt::Planversionen, 3494849u},
                                            {TAblaufArt::ElementAendern, 779974557u},
                                            {TAblaufArt::KursNeu, 1961936958u},
                                            {TAblaufArt::ManuellSchieben, 2097140369u},
                                            {TAblaufArt::KurseKopieren, 3469378169u},
                                            {TAblaufArt::ManuellBlaettern, 1363112362u},
                                            {TAblaufArt::KurseKopieren, 2450596906u},
                                            {TAblaufArt::ElementNeu, 2854490176u},
                                            {TAblaufArt::KursLoeschen, 3867492091u},
                                            {TAblaufArt::KurseKopieren, 2678631989u},
                                            {TAblaufArt::KurseKopieren, 2341853731u},
                                            {TAblaufArt::KursAendern, 1594169025u},
                                            {TAblaufArt::ManuellOeffnen, 3154496869u},
                                            {TAblaufArt::ManuellSchieben, 785129403u},
                                            {TAblaufArt::ManuellSchieben, 287208920u},
                                            {TAblaufArt::ManuellSchieben, 4155670729u},
                                            {TAblaufArt::ManuellAblegen, 3025739479u}});
}

// Der Import legt einen Kurs an, dessen Lehrer (EBE) schon einen Kurs derselben Kopplung hat
// ("Lehrer EBE ist doppelt in Kopplung Rel10"). Die automatische Planung setzte die gekoppelten
// Kurse in dieselbe Zelle, EBE war doppelt belegt; jetzt bleibt der zweite Kurs ungesetzt.
TEST(AblaufFund, AutomatikLehrerZweimalInKopplung) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::KurseImportieren, 1952540566u},
                                      {TAblaufArt::ElementNeu, 2050182765u},
                                      {TAblaufArt::ElementNeu, 187044851u},
                                      {TAblaufArt::ElementNeu, 162861888u},
                                      {TAblaufArt::Automatik, 599368758u}});
}

// Der neue Kurs von FIE (Pa 8b, zwei Stunden) in der Kopplung FS6 hat zwei offene Stunden, die
// anderen Kurse (vier Stunden) je eine. Die Automatik setzte alle in Mo 5; danach lagen die
// anderen ganz und wurden nicht mehr mitgesetzt, und der Kurs von FIE kam allein nach Di 5: die
// Kopplung war getrennt. Die unmöglichen Zellen galten nur für den Stand vor der Woche; jetzt
// prüft jede Zelle (und jeder Block) vor dem Setzen, ob die Kopplung dort ganz bleibt.
TEST(AblaufFund, AutomatikSetztEinenKursNebenVolleKurseSeinerKopplung) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::ElementNeu, 2778639160u},
                                      {TAblaufArt::ManuellOeffnen, 3597637646u},
                                      {TAblaufArt::ManuellLoeschen, 2055699832u},
                                      {TAblaufArt::ElementNeu, 835557313u},
                                      {TAblaufArt::ElementNeu, 3868837887u},
                                      {TAblaufArt::KursNeu, 702215820u},
                                      {TAblaufArt::ElementNeu, 661092417u},
                                      {TAblaufArt::ManuellBlaettern, 2628858058u},
                                      {TAblaufArt::ManuellSchieben, 3379991061u},
                                      {TAblaufArt::PlaeneLoeschen, 1110449173u},
                                      {TAblaufArt::Automatik, 1550751232u}});
}

// Der Prüfer, nicht das Programm: Pläne löschen nimmt eine Doppelbelegung von 10a (Import) mit,
// dann wird 10a in "u-" umbenannt, und "Widerrufen" stellt sie wieder her. Sie war seit dem leeren
// Protokoll schon da, nur unter dem alten Namen; der Lauf meldete sie als neu. Jetzt erkennt er
// das Element an sich, nicht an seinem Kürzel.
TEST(AblaufFund, WiderrufenNachUmbenennenStelltNurAlteDoppelbelegungenHer) {
  AblaufOhneFehler(
      TSchulArt::Klein,
      {{TAblaufArt::KursLoeschen, 588740291u},     {TAblaufArt::ElementNeu, 1509747695u},
       {TAblaufArt::KursNeu, 1493542570u},         {TAblaufArt::KursLoeschen, 2688010009u},
       {TAblaufArt::KursLoeschen, 64108895u},      {TAblaufArt::ElementLoeschen, 3781417053u},
       {TAblaufArt::KursLoeschen, 77875601u},      {TAblaufArt::KursLoeschen, 240670915u},
       {TAblaufArt::KursLoeschen, 1036936019u},    {TAblaufArt::KursLoeschen, 2718699161u},
       {TAblaufArt::KursNeu, 4244072220u},         {TAblaufArt::KursLoeschen, 3064157474u},
       {TAblaufArt::KursLoeschen, 4212034742u},    {TAblaufArt::KurseImportieren, 3369583132u},
       {TAblaufArt::KurseKopieren, 3473963889u},   {TAblaufArt::KursNeu, 867612868u},
       {TAblaufArt::KursLoeschen, 900780850u},     {TAblaufArt::KursLoeschen, 2341020896u},
       {TAblaufArt::KursNeu, 704223663u},          {TAblaufArt::KursLoeschen, 3487683663u},
       {TAblaufArt::KurseKopieren, 677017072u},    {TAblaufArt::KurseKopieren, 3570496115u},
       {TAblaufArt::KursNeu, 882764546u},          {TAblaufArt::KursLoeschen, 1100579142u},
       {TAblaufArt::KursLoeschen, 354706799u},     {TAblaufArt::KursLoeschen, 3726357257u},
       {TAblaufArt::KursLoeschen, 3203993623u},    {TAblaufArt::KursLoeschen, 2350255188u},
       {TAblaufArt::ElementNeu, 1262400563u},      {TAblaufArt::KurseKopieren, 1130244858u},
       {TAblaufArt::KursLoeschen, 2524497902u},    {TAblaufArt::KursLoeschen, 3720889369u},
       {TAblaufArt::KursLoeschen, 1398871945u},    {TAblaufArt::KursLoeschen, 442528910u},
       {TAblaufArt::KursLoeschen, 447968761u},     {TAblaufArt::KursLoeschen, 580051657u},
       {TAblaufArt::KurseKopieren, 3981149350u},   {TAblaufArt::KursLoeschen, 1228340131u},
       {TAblaufArt::KursLoeschen, 1111507173u},    {TAblaufArt::KursLoeschen, 4034130579u},
       {TAblaufArt::KursLoeschen, 3868730607u},    {TAblaufArt::KurseImportieren, 96358781u},
       {TAblaufArt::ManuellLoeschen, 1914506986u}, {TAblaufArt::PlaeneLoeschen, 1941600562u},
       {TAblaufArt::ElementAendern, 3581341544u},  {TAblaufArt::ManuellWiderrufen, 4147646886u}});
}

// Der Vertreter GÜN wurde in die Stunde HÜB E 5b eingetragen, während 5b fehlte (die Vertretung
// war inaktiv, es gab nichts gutzuschreiben). Als die Abwesenheit von 5b gelöscht wurde, wurde
// die Vertretung wieder aktiv, ohne dass GÜN die Stunde gutgeschrieben bekam.
TEST(AblaufFund, AbwesenheitWegSchreibtDemVertreterDerWiederAktivenStundeGut) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::AbwesenheitLang, 256241138u},
                                      {TAblaufArt::AbwesenheitWeg, 579199504u},
                                      {TAblaufArt::Abwesenheit, 121199205u},
                                      {TAblaufArt::Abwesenheit, 2206122987u},
                                      {TAblaufArt::AbwesenheitLang, 3297718511u},
                                      {TAblaufArt::AbwesenheitLang, 711740063u},
                                      {TAblaufArt::Vertreter, 1739593811u},
                                      {TAblaufArt::AbwesenheitWeg, 1443235911u}});
}

// Wie eben, mit dem Kalender: LEN vertrat KRA D 5b an einem Tag, an dem 5b fehlte, und der neue
// Kalender änderte den Tag. Die Abwesenheit von 5b wurde ausgetragen (die Vertretung aktiv, ohne
// Gutschrift), dann wurde die Vertretung gelöscht, die nicht mehr zum Tag passte, und LEN eine
// Stunde abgebucht, die er nie bekommen hatte.
TEST(AblaufFund, KalenderBuchtDemVertreterEinerInaktivenStundeNichtsAb) {
  AblaufOhneFehler(TSchulArt::Klein, {{TAblaufArt::AbwesenheitLang, 3608353138u},
                                      {TAblaufArt::Abwesenheit, 238655779u},
                                      {TAblaufArt::Abwesenheit, 4145619321u},
                                      {TAblaufArt::AbwesenheitLang, 2682438985u},
                                      {TAblaufArt::AbwesenheitLang, 430268329u},
                                      {TAblaufArt::AbwesenheitLang, 2053635276u},
                                      {TAblaufArt::Vertreter, 1776752460u},
                                      {TAblaufArt::Kalender, 2901758747u}});
}

// MAI fehlte in einer Stunde, deren Raum auch fehlte. Als seine Abwesenheit gelöscht wurde, blieb
// die Vertretung als Raumwechsel mit MAI als Lehrer, aber an ihrem Platz bei den
// Lehrervertretungen (MAI M Q1-M vor JAN E Q1-LK2).
TEST(AblaufFund, RaumwechselNachDerRueckkehrDesLehrersRuecktAnSeinenPlatz) {
  AblaufOhneFehler(
      TSchulArt::Klein,
      {{TAblaufArt::AbwesenheitLang, 3980972189u}, {TAblaufArt::Abwesenheit, 4086639627u},
       {TAblaufArt::AbwesenheitWeg, 1847184915u},  {TAblaufArt::AbwesenheitWeg, 3456681597u},
       {TAblaufArt::AbwesenheitLang, 1200511056u}, {TAblaufArt::Abwesenheit, 3197323556u},
       {TAblaufArt::Abwesenheit, 3498859530u},     {TAblaufArt::AbwesenheitWeg, 572154273u},
       {TAblaufArt::AbwesenheitWeg, 3778890513u},  {TAblaufArt::AbwesenheitWeg, 3295398691u},
       {TAblaufArt::AbwesenheitLang, 1172420946u}, {TAblaufArt::AbwesenheitLang, 1102232473u},
       {TAblaufArt::AbwesenheitWeg, 2123456539u},  {TAblaufArt::Abwesenheit, 3601561510u},
       {TAblaufArt::Abwesenheit, 3445648603u},     {TAblaufArt::Abwesenheit, 1921179935u},
       {TAblaufArt::AbwesenheitWeg, 3209718393u},  {TAblaufArt::AbwesenheitLang, 1675576778u},
       {TAblaufArt::Abwesenheit, 2807438417u},     {TAblaufArt::AbwesenheitLang, 3536889464u},
       {TAblaufArt::Abwesenheit, 326758096u},      {TAblaufArt::Kalender, 1893997587u},
       {TAblaufArt::AbwesenheitLang, 3384704257u}, {TAblaufArt::AbwesenheitWeg, 350781161u}});
}

// Der Import gab dem neuen Kurs seinen Faktor so, als wären seine Stunden schon gebucht: für jede
// Stunde an einem Tag, an dem alle ihre Klassen fehlen, wurde dem Lehrer der Unterschied zum
// Faktor 1 abgebucht, und danach beim Anbinden der Stunden noch einmal der ganze Faktor.
TEST(AblaufFund, ImportBuchtAusfallendeStundenEinmalMitDemFaktorAb) {
  AblaufOhneFehler(
      TSchulArt::Klein,
      {{TAblaufArt::KurseImportieren, 185835555u},  {TAblaufArt::KurseImportieren, 142230572u},
       {TAblaufArt::KurseImportieren, 260349335u},  {TAblaufArt::KurseImportieren, 399910392u},
       {TAblaufArt::KurseImportieren, 931690214u},  {TAblaufArt::KurseImportieren, 2350985494u},
       {TAblaufArt::KurseImportieren, 2794983956u}, {TAblaufArt::KurseImportieren, 4267076006u},
       {TAblaufArt::KurseImportieren, 4019927510u}, {TAblaufArt::KurseImportieren, 1267360726u},
       {TAblaufArt::KurseImportieren, 1609459027u}, {TAblaufArt::KurseImportieren, 4110384205u},
       {TAblaufArt::KurseImportieren, 1213414015u}, {TAblaufArt::KurseImportieren, 214697318u},
       {TAblaufArt::KurseImportieren, 3809016497u}, {TAblaufArt::KurseImportieren, 2205038057u},
       {TAblaufArt::KurseImportieren, 1982303145u}, {TAblaufArt::KurseImportieren, 510287786u},
       {TAblaufArt::KurseImportieren, 1824818006u}, {TAblaufArt::KurseImportieren, 1318397652u},
       {TAblaufArt::KurseImportieren, 1040706758u}, {TAblaufArt::KurseImportieren, 1028154436u},
       {TAblaufArt::KurseImportieren, 2111799530u}, {TAblaufArt::KurseImportieren, 14550387u},
       {TAblaufArt::KurseImportieren, 3552378107u}, {TAblaufArt::KurseImportieren, 2790972903u},
       {TAblaufArt::KurseImportieren, 1683447902u}, {TAblaufArt::AbwesenheitLang, 2938468252u},
       {TAblaufArt::KurseImportieren, 1770099162u}, {TAblaufArt::KurseImportieren, 3379271433u},
       {TAblaufArt::KurseImportieren, 2218379038u}, {TAblaufArt::KurseImportieren, 3797403514u},
       {TAblaufArt::KurseImportieren, 3294472918u}, {TAblaufArt::KurseImportieren, 4188892481u},
       {TAblaufArt::KurseImportieren, 1112360574u}, {TAblaufArt::KurseImportieren, 321350805u},
       {TAblaufArt::KurseImportieren, 2634649082u}, {TAblaufArt::KurseImportieren, 4164556729u},
       {TAblaufArt::KursAendern, 3096875741u},      {TAblaufArt::KurseImportieren, 3735716794u},
       {TAblaufArt::KurseImportieren, 611254196u},  {TAblaufArt::KurseImportieren, 1527791429u}});
}

}  // namespace
