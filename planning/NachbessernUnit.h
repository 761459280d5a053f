// Das Nachbessern nach der automatischen Planung: setzt die Stunden, die offen blieben, indem es
// schon gesetzte Stunden verschiebt, und schließt danach Hohlstunden der Klassen.
//
// Verfahren, in drei Runden (die ersten beiden bis sechs Siebtel der Zeit):
// 1. Breite Ketten: eine offene Einheit (ein Kurs, oder die offenen Kurse einer Kopplung, in einer
//    Woche) versucht jede mögliche Zelle; stehen dort bewegliche Stunden im Weg (Kurse der
//    Rechnung, nicht fixiert, mit der ganzen Kopplung, nur vom Rand eines Blocks), werden sie
//    verdrängt, und jede muss gleich eine freie Zelle finden.
// 2. Verdrängungsketten mit Rücksetzen: die Verdrängten suchen ihrerseits eine Zelle und dürfen
//    weiter verdrängen, bis keine Stunde mehr offen ist; gelingt das nicht bis zur Tiefe der
//    Kette, wird sie zurückgenommen. In jeder Tiefe werden die billigsten Zellen versucht
//    (weniger Breite, je tiefer). Eine Zelle kostet die verdrängten Stunden, gewichtet mit der
//    Zahl, wie oft ihre Einheit schon verdrängt wurde; bei gleichen Kosten entscheiden die
//    Hohlstunden der Klassen und dann die Prioritätstabelle des Kurses. In einer Kette kehrt keine
//    Einheit in die Zelle zurück, aus der sie verdrängt wurde, und keine gesetzte wird wieder
//    verdrängt.
// 3. Hohlstunden: erst Tausche zweier Zellen einer Woche (oder zweier Paare übereinander, für
//    Blöcke): die Einheiten, die in Lehrer, Klasse oder Raum mit einer Einheit der einen Zelle
//    zusammenstoßen, tauschen mit ihr als Ganzes (die Zusammenhangskomponente, mit allen Stunden
//    ihrer Gruppe in den Zellen des Tauschs; keine fixierte Stunde, kein Kurs außerhalb der
//    Rechnung), jede Stunde mit ihrem Raum, wenn keine in eine gesperrte Zelle kommt, kein Kurs
//    die Regeln des Tages (Std/Tag, Block, verbundene Zellen, freie Tage) öfter bricht als vorher
//    und die Hohlstunden sinken; je Paar jede Komponente für sich, dann die ganzen Zellen. Dann
//    zieht jede gesetzte Einheit in die freie Zelle, die die Hohlstunden ihrer
//    Klassen (wie TKlasse::HohlStunden) am meisten senkt, wenn es eine gibt; sonst, wo eine ihrer
//    Klassen an dem Tag Hohlstunden hat, eine Verdrängungskette, die nur gilt, wenn danach alles
//    wieder gesetzt ist und die Hohlstunden sanken; Durchgänge, bis sich nichts mehr bessert.
//
// Die Hohlstunden aller Klassen der Rechnung steigen nie über den Stand nach der Automatik: eine
// Kette, die Stunden setzt, gilt nur in dieser Grenze. Hielt allein die Grenze eine Kette auf,
// schaffen zufällige Tausche zweier Zellen aus der Saat, die die Hohlstunden nicht heben, Platz.
// Bleibt die gemischte Runde lange ohne Erfolg, stören zufällige Züge aus der Saat den Plan (eine
// Einheit in eine freie Zelle, in der Grenze), und die Ketten suchen weiter, bis die Grenze der
// Rechnung erreicht ist. Am Ende gilt der Stand mit den meisten gesetzten Stunden (bei gleich
// vielen den wenigsten Hohlstunden).
//
// Es gelten dieselben Regeln wie beim Setzen der Automatik: gesperrte Zellen von Kurs, Lehrer,
// Klassen und Räumen, keine Doppelbelegung, die Kurse einer Kopplung in denselben Zellen mit
// verschiedenen Räumen, höchstens fStdProTag Stunden am Tag und mehrere nur als Block über
// verbundene Zellen der Tabelle, nur Zellen des Rasters. Zählen die Räume (fAuRaumUnwichtig aus),
// bekommt jede Stunde eines Kurses mit Räumen einen; sonst einen, wenn einer frei ist. Zählt die
// Einzelstundenbedingung (fAuEinzelUnwichtig aus), setzt eine Kette die offene Woche ganz, nur in
// Zellen, nach denen die Bedingung noch erreichbar ist (NachbessernRegelUnit), und gilt nur, wenn
// jede Woche, die sie änderte, danach TAutomat::WocheStimmt erfüllt oder wieder wie vorher ist.
//
// Müssen freie Tage eingehalten werden (fAuFreiUnwichtig aus), beginnt eine Stunde einen neuen Tag
// des Kurses nur, wo sein Vor- und Folgetag frei sind, wie in der Automatik.
//
// Eine Kette (und ein Zug gegen Hohlstunden) zählt nur, wenn jeder berührte Kurs in jeder Woche
// mindestens so viele Stunden hat wie vorher, die offene Einheit gewann, und jede Woche, die die
// Einzelstundenbedingung erfüllte, sie noch erfüllt; sonst ist alles wie vorher. Ist nichts offen,
// geschieht nichts.
//
// Verschoben wird an Ort und Stelle: eine Stunde verlässt ihre Zelle als dieselbe Setzung und
// wartet, bis sie wieder abgelegt wird; Versuche berühren weder Vertretungen noch Änderungszeiten
// noch das Protokoll des Manuellfensters. Erst am Ende wird gebucht, was neu ist oder in einer
// anderen Zelle endete (wie ein Setzen, und im Protokoll als ein Stück); eine Stunde, die in ihrer
// alten Zelle endet, behält ihre Vertretungen.
//
// Bleiben danach Stunden offen und hat die Rechnung eine Grenze (Zeit oder Schritte), gehen die
// Ketten bis zur Grenze gemischte Wege: welche offene Einheit und welche von gleich teuren Zellen
// zuerst, entscheidet ein Zufall allein aus grenze.saat.
//
// In einer Kopplung kommt ein Kurs nur in Zellen, in denen jeder nicht mitgesetzte Kurs mit
// mindestens so vielen Stunden schon liegt.
//
// Die Rechnung ist bestimmt (die Uhr entscheidet nur, wann sie endet; grenze.schritte begrenzt die
// Arbeit auf jeder Maschine gleich; gleiche Saat, gleicher Lauf). Danach ist der Plan gültig, und
// nie sind weniger Stunden gesetzt als vorher.
#pragma once

#include <memory>
#include <string>
#include <vector>

class TKurs;
class TAutomatAnzeige;

struct TNachbessernGrenze {
  double sekunden = 10;  // nach der eingesetzten Uhr; 0 oder weniger: ohne Zeitgrenze
  // Höchstens so viele Ketten für offene Stunden (negativ: ohne Grenze); die Runde gegen
  // Hohlstunden danach hat höchstens acht Durchgänge.
  long schritte = -1;
  // Nach so vielen misslungenen tiefen Ketten hintereinander (mindestens einer je offener
  // Einheit) enden die Ketten; die breiten enden nach einer Runde ohne Erfolg.
  long ohneFortschritt = 200;
  unsigned saat = 1;  // die einzige Quelle des Zufalls
};

// Was eine offene Stunde in einer Zelle aufhält, als erstes Hindernis dort.
enum class THindernis {
  Raster,    // außerhalb von fMaxTageNeu × fPlnStd
  Tag,       // die Zelle hat der Kurs schon; fStdProTag, Block, verbundene Zellen
  Gesperrt,  // Kurs, Lehrer oder Klasse gesperrt
  Fest,      // belegt durch eine fixierte Stunde oder einen Kurs außerhalb der Rechnung
  Raum,      // keine verschiedenen Räume für die Kurse
  Kopplung   // zwei Kurse der Kopplung mit demselben Lehrer
};
inline constexpr int HindernisZahl = 6;
// Der Name des Hindernisses für Auswertungen ("Raster", "Std/Tag", …).
std::string HindernisName(THindernis h);

struct TNachbessernErgebnis {
  int vorher = 0;   // gesetzte Stunden der Kurse davor
  int nachher = 0;  // und danach
  long schritte = 0;
  bool abgebrochen = false;
  bool zeitUm = false;  // die Zeitgrenze beendete die Rechnung
  // Hohlstunden der Klassen der Rechnung (TKlasse::HohlStunden) davor und danach; danach nie mehr.
  long hohlVorher = 0;
  long hohlNachher = 0;
  // Je Hindernis: in wie vielen Zellen es die übrigen offenen Einheiten aufhielt.
  std::vector<int> hindernisse = std::vector<int>(HindernisZahl, 0);
};

class TNachbesserung {
 public:
  // kurse: die Kurse der Rechnung; nur ihre Stunden werden gesetzt und verschoben. abbruch wird
  // zwischen zwei Schritten gelesen (TAutomat::Abbrechen).
  TNachbesserung(const std::vector<TKurs*>& kurse, TAutomatAnzeige& anzeige, const bool& abbruch);
  ~TNachbesserung();
  TNachbesserung(const TNachbesserung&) = delete;
  TNachbesserung& operator=(const TNachbesserung&) = delete;

  TNachbessernErgebnis Rechne(const TNachbessernGrenze& grenze);

 private:
  struct TDaten;
  std::unique_ptr<TDaten> fDaten;
};
