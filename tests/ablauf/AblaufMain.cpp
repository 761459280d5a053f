// tamrel-ablauf: der Dauerlauf über eine Beispielschule.
//   tamrel-ablauf [--schule klein|gross|knapp|gymnasium|grundschule] [--schritte N] [--saat S]
//                 [--tief K] [--liste DATEI] [--protokoll] [--zeiten]
//                 [--nicht-verkleinern]
// Ohne --saat gilt die feste Saat 1. Mit --liste wird die Folge aus der Datei gelesen (eine
// Operation je Zeile, wie sie ein Fehlschlag druckt). Beim ersten Fehler: Saat, Schritt, Regel,
// dann die verkleinerte Folge als Text und als C++ für einen Unit-Test; Rückgabewert 1.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "AblaufUnit.h"

namespace {
int Gebrauch() {
  std::cerr << "Aufruf: tamrel-ablauf [--schule klein|gross|knapp|gymnasium|grundschule]\n"
               "                      [--schritte N] [--saat S] [--tief K] [--liste DATEI]"
               " [--protokoll] [--zeiten]\n"
               "                      [--nicht-verkleinern]\n";
  return 2;
}
}  // namespace

int main(int argc, char** argv) {
  TSchulArt art = TSchulArt::Klein;
  int schritte = 1000;
  unsigned long long saat = 1;
  std::string liste;
  bool verkleinern = true;
  TAblaufOptionen optionen;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const bool wert = i + 1 < argc;
    if (a == "--schule" && wert) {
      if (!SchulArtLesen(argv[++i], art)) return Gebrauch();
    } else if (a == "--schritte" && wert) {
      schritte = std::atoi(argv[++i]);
    } else if (a == "--saat" && wert) {
      saat = std::strtoull(argv[++i], nullptr, 10);
    } else if (a == "--tief" && wert) {
      optionen.TiefAlle = std::atoi(argv[++i]);
    } else if (a == "--liste" && wert) {
      liste = argv[++i];
    } else if (a == "--protokoll") {
      optionen.Protokoll = true;
    } else if (a == "--zeiten") {
      optionen.Zeiten = true;
    } else if (a == "--nicht-verkleinern") {
      verkleinern = false;
    } else {
      return Gebrauch();
    }
  }
  std::vector<TSchritt> folge;
  if (!liste.empty()) {
    std::ifstream ein(liste);
    std::stringstream text;
    text << ein.rdbuf();
    if (!ein || !SchritteAusText(text.str(), folge)) {
      std::cerr << "Die Liste " << liste << " lässt sich nicht lesen.\n";
      return 2;
    }
  } else {
    folge = ZufallsSchritte(saat, schritte);
  }
  const TAblaufErgebnis e = AblaufLaufen(art, folge, optionen);
  const std::string schule = SchulArtName(art);
  if (!e.Fehler) {
    std::cout << "ok: Schule " << schule << ", Saat " << saat << ", " << folge.size()
              << " Schritte, " << e.Ausgefuehrt << " ausgeführt\n";
    return 0;
  }
  const TAblaufFehler& f = *e.Fehler;
  std::cout << "FEHLER: Schule " << schule << ", Saat " << saat << ", Schritt " << f.Schritt;
  if (f.Schritt >= 0)
    std::cout << " (" << AblaufArtName(folge[static_cast<std::size_t>(f.Schritt)].Art) << ")";
  std::cout << "\nRegel: " << f.Regel << "\n" << f.Text << "\n";
  if (verkleinern && f.Schritt >= 0) {
    optionen.Protokoll = false;
    optionen.Zeiten = false;
    const std::vector<TSchritt> kurz = Verkleinern(art, folge, f, optionen);
    const TAblaufErgebnis k = AblaufLaufen(art, kurz, optionen);
    std::cout << "\nVerkleinert auf " << kurz.size() << " Schritte";
    if (k.Fehler) std::cout << " (" << k.Fehler->Text << ")";
    std::cout << ":\n"
              << SchritteAlsText(kurz)
              << "\nAls Unit-Test:\n  AblaufOhneFehler(TSchulArt::" << SchulArtCpp(art) << ", "
              << SchritteAlsCpp(kurz) << ");\n";
  }
  return 1;
}
