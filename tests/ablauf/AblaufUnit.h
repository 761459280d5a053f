// Der Dauerlauf: zufällige Folgen von Benutzeroperationen auf einer Beispielschule, jede über die
// Funktionen, die Menüs und Fenster aufrufen; nach jeder Operation werden alle Invarianten der
// Schule geprüft (tests/common/SchulPruefung.h). Eine Operation ist ihre Art und ein Wert, aus
// dem sie alles Weitere zieht (Zellen, Kurse, Elemente, Antworten auf Fragen), immer bezogen auf
// den Stand der Schule: eine Folge bleibt ausführbar, wenn man Operationen weglässt, und kann so
// verkleinert werden.
//
//   TAblaufErgebnis e = AblaufLaufen(TSchulArt::Klein, ZufallsSchritte(7, 1000));
//   if (e.Fehler) std::cout << e.Fehler->Regel << ": " << e.Fehler->Text;
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class TSchule;

// Klein, Gross und Knapp: die Beispielschule (Knapp: groß mit knappen Räumen); Gymnasium und
// Grundschule: die Schulen von "tamrel-cli beispiel --gymnasium" und "--grundschule".
enum class TSchulArt { Klein, Gross, Knapp, Gymnasium, Grundschule };
bool SchulArtLesen(const std::string& name, TSchulArt& art);
std::string SchulArtName(TSchulArt art);
// Der Name im C++ eines Unit-Tests ("Klein", "Gymnasium" ...).
std::string SchulArtCpp(TSchulArt art);

// Die Arten der Operationen. Neue Arten nur hinten anfügen: gespeicherte Folgen (Unit-Tests,
// Saatdateien) nennen die Nummern.
enum class TAblaufArt : std::uint8_t {
  ManuellOeffnen,
  ManuellSetzen,
  ManuellSchieben,
  ManuellAblegen,
  ManuellLoeschen,
  ManuellFixieren,
  ManuellWiderrufen,
  ManuellBlaettern,
  ManuellSchliessen,
  Automatik,
  Komprimieren,
  PlaeneLoeschen,
  RaeumeAufraeumen,
  StundenTauschen,
  ElementNeu,
  ElementAendern,
  ElementLoeschen,
  KursNeu,
  KursLoeschen,
  KursAendern,
  KurseKopieren,
  KurseImportieren,
  Planversionen,
  Kalender,
  Abwesenheit,
  AbwesenheitLang,
  AbwesenheitWeg,
  Vertreter,
  VertretungLoeschen,
  AdHoc,
  SichernOeffnen,
  Anzahl  // keine Operation
};
const char* AblaufArtName(TAblaufArt art);
bool AblaufArtLesen(const std::string& name, TAblaufArt& art);

struct TSchritt {
  TAblaufArt Art = TAblaufArt::ManuellOeffnen;
  std::uint32_t Wert = 0;
  friend bool operator==(const TSchritt&, const TSchritt&) = default;
};

// Die Folge der Saat: n Schritte, die Arten gewichtet (planende Operationen häufiger).
std::vector<TSchritt> ZufallsSchritte(std::uint64_t saat, int n);
// Eine Folge aus Bytes (je Schritt ein Byte Art, vier Bytes Wert; ein Rest fällt weg), und zurück.
std::vector<TSchritt> SchritteAusBytes(const std::uint8_t* daten, std::size_t groesse);
std::vector<std::uint8_t> SchritteAlsBytes(const std::vector<TSchritt>& schritte);
// Als Text: eine Zeile je Schritt ("ManuellSetzen 12345"), und zurück (falsch bei einer Zeile,
// die keine Operation nennt).
std::string SchritteAlsText(const std::vector<TSchritt>& schritte);
bool SchritteAusText(const std::string& text, std::vector<TSchritt>& schritte);
// Als C++-Initialisierer für einen Unit-Test.
std::string SchritteAlsCpp(const std::vector<TSchritt>& schritte);

struct TAblaufFehler {
  int Schritt = 0;    // Index in der Folge (ab 0)
  std::string Regel;  // die verletzte Regel, kurz ("Belegung", "neuer Verstoß", ...)
  std::string Text;   // die ganze Meldung
};

struct TAblaufOptionen {
  // Sichern, Öffnen, Sichern und die Konsistenzprüfung nach jedem k-ten Schritt (und nach jedem
  // Sichern und Öffnen und am Ende); 0: nur dann.
  int TiefAlle = 1;
  // Je Schritt eine Zeile auf den Fehlerkanal.
  bool Protokoll = false;
  // Am Ende die Rechenzeit der Operationen und jeder Prüfung auf den Fehlerkanal.
  bool Zeiten = false;
  // Nur nach dem letzten Schritt prüfen (die Verstöße davor sind die nach dem vorletzten): zum
  // schnellen Verkleinern, das eine Folge nur danach beurteilt, ob ihr letzter Schritt scheitert.
  bool NurAmEnde = false;
  // Eine zusätzliche Regel nach jedem Schritt (für Tests des Laufs): ein nicht leerer Text ist
  // ihre Verletzung, Regel "Zusatz".
  std::function<std::string(const TSchule&)> Zusatz;
};

struct TAblaufErgebnis {
  std::optional<TAblaufFehler> Fehler;
  int Ausgefuehrt = 0;  // Schritte, die die Schule geändert oder etwas gezeigt haben
};

// Erzeugt die Beispielschule in einer frischen Umgebung, führt die Schritte aus und prüft nach
// jedem; hält beim ersten Fehler an.
TAblaufErgebnis AblaufLaufen(TSchulArt art, const std::vector<TSchritt>& schritte,
                             const TAblaufOptionen& optionen = {});

// Die kürzeste Teilfolge (durch Weglassen), die noch mit derselben Regel scheitert; höchstens
// so viele Läufe.
std::vector<TSchritt> Verkleinern(TSchulArt art, std::vector<TSchritt> schritte,
                                  const TAblaufFehler& fehler, const TAblaufOptionen& optionen,
                                  int maxLaeufe = 400);
