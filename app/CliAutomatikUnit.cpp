#include "app/CliAutomatikUnit.h"

#include <algorithm>
#include <cctype>
#include <ostream>

#include "app/CliSchulUnit.h"
#include "app/KonsoleUnit.h"
#include "model/KlassenUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/SchulUnit.h"
#include "model/ToolsUnit.h"
#include "persistence/ReadUnit.h"
#include "persistence/WriteUnit.h"
#include "planning/AutomatUnit.h"
#include "planning/OffenGrundUnit.h"
#include "settings/StandardUnit.h"

namespace {
// Ohne Fenster zeigt die Rechnung nichts an und wird nie abgebrochen.
class TStilleAnzeige : public TAutomatAnzeige {
 public:
  void Zaehler(int, int) override {}
  void Fortschritt(int, int) override {}
  void Zustand(TAutomatZustand) override {}
  void NachKurs() override {}
  void Piep() override {}
};

bool IstOption(const std::string& a) {
  return a.size() > 2 && a[0] == '-' && a[1] == '-';
}
}  // namespace

bool AutomatikAufrufLesen(const std::vector<std::string>& args, TAutomatikAufruf& aufruf,
                          std::string& fehler) {
  aufruf = TAutomatikAufruf{};
  bool dateiDa = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--kurse") {
      while (i + 1 < args.size() && !IstOption(args[i + 1])) aufruf.kuerzel.push_back(args[++i]);
      if (aufruf.kuerzel.empty()) {
        fehler = "Nach --kurse fehlt ein Kürzel.";
        return false;
      }
      continue;
    }
    if (a == "--nachbessern") {
      aufruf.nachbessern = true;
      // Eine Zahl dahinter ist die Zeitgrenze; alles andere gehört nicht dazu.
      if (i + 1 < args.size() && !args[i + 1].empty() &&
          std::isdigit(static_cast<unsigned char>(args[i + 1][0]))) {
        const std::string& wert = args[++i];
        if (!CliZahl(wert, 1, 3600, aufruf.sekunden)) {
          fehler = "Ungültige Zahl der Sekunden: " + wert + " (erlaubt sind 1 bis 3600).";
          return false;
        }
      }
      continue;
    }
    if (a == "--ausgabe" || a == "--prozent" || a == "--tage" || a == "--stunden" ||
        a == "--schritte" || a == "--saat") {
      if (i + 1 >= args.size()) {
        fehler = "Nach " + a + " fehlt ein Wert.";
        return false;
      }
      const std::string& wert = args[++i];
      if (a == "--ausgabe") {
        aufruf.ausgabe = wert;
      } else if (a == "--prozent" && !CliZahl(wert, 1, 100, aufruf.prozent)) {
        fehler = "Ungültige Prozentzahl: " + wert + " (erlaubt sind 1 bis 100).";
        return false;
      } else if (a == "--tage" && !CliZahl(wert, 5, 7, aufruf.tage)) {
        fehler = "Ungültige Zahl der Tage: " + wert + " (erlaubt sind 5, 6 und 7).";
        return false;
      } else if (a == "--stunden" && !CliZahl(wert, 1, MaxStunden, aufruf.stunden)) {
        fehler = "Ungültige Zahl der Stunden: " + wert + " (erlaubt sind 1 bis " +
                 std::to_string(MaxStunden) + ").";
        return false;
      } else if (a == "--schritte") {
        int n = 0;
        if (!CliZahl(wert, 0, 100000000, n)) {
          fehler = "Ungültige Zahl der Schritte: " + wert + " (erlaubt sind 0 bis 100000000).";
          return false;
        }
        aufruf.schritte = n;
      } else if (a == "--saat") {
        int n = 0;
        if (!CliZahl(wert, 0, 2147483647, n)) {
          fehler = "Ungültige Saat: " + wert + " (erlaubt sind 0 bis 2147483647).";
          return false;
        }
        aufruf.saat = static_cast<unsigned>(n);
      }
      continue;
    }
    if (IstOption(a) || dateiDa) {
      fehler = "Unbekanntes Argument: " + a;
      return false;
    }
    aufruf.datei = a;
    dateiDa = true;
  }
  if (!dateiDa) {
    fehler = "Die Schuldatei fehlt.";
    return false;
  }
  return true;
}

bool AutomatikKurse(const TSchule& schule, const std::vector<std::string>& kuerzel,
                    std::vector<TKurs*>& kurse, std::string& fehler) {
  kurse.clear();
  std::vector<const TLehrer*> lehrer;
  std::vector<const TKlasse*> klassen;
  for (const std::string& k : kuerzel) {
    const std::string text = Utf8ZuWin1252(k);
    bool gefunden = false;
    for (const TLehrer* l : schule.fLehrerMenge)
      if (l->fKuerzel.str() == text) {
        lehrer.push_back(l);
        gefunden = true;
      }
    for (const TKlasse* kl : schule.fKlassenMenge)
      if (kl->fKuerzel.str() == text) {
        klassen.push_back(kl);
        gefunden = true;
      }
    if (!gefunden) {
      fehler = "Kein Lehrer und keine Klasse mit dem Kürzel " + k + ".";
      return false;
    }
  }
  const auto enthalten = [](const auto& liste, const auto* e) {
    for (const auto* x : liste)
      if (x == e) return true;
    return false;
  };
  for (TKurs* k : schule.fKursMenge) {
    if (k->fNichtVerplanen) continue;
    bool passt = kuerzel.empty() || enthalten(lehrer, k->fLehrer);
    for (const TKlasse* kl : k->fKlassen) passt = passt || enthalten(klassen, kl);
    if (passt) kurse.push_back(k);
  }
  return true;
}

void AutomatikPlanen(const std::vector<TKurs*>& kurse, std::ostream& aus,
                     const TAutomatikLauf& lauf) {
  const TStandard& st = Standard();
  aus << "Raster: " << std::clamp(st.fMaxTageNeu, 1, MaxTage) << " Tage, "
      << std::clamp(st.fPlnStd, 1, MaxStunden) << " Stunden\n";
  TStilleAnzeige anzeige;
  TAutomat automat(anzeige);
  automat.KurseSammeln(kurse);
  automat.Rechne();
  const bool nachbessern = lauf.sekunden > 0;
  TNachbessernErgebnis e;
  if (nachbessern) {
    TNachbessernGrenze grenze;
    grenze.sekunden = lauf.sekunden;
    grenze.schritte = lauf.schritte;
    grenze.saat = lauf.saat;
    e = automat.Nachbessern(grenze);
  }
  aus << "gesetzt: " << automat.Gesetzt() << '\n';
  if (nachbessern) {
    aus << "nachgebessert: " << e.nachher - e.vorher << '\n'
        << "Schritte: " << e.schritte << '\n'
        << "Zeitgrenze: " << (e.zeitUm ? "erreicht" : "nicht erreicht") << '\n';
  }
  aus << "nicht verplanbar: " << automat.NichtVerplanbar() << '\n';
  for (const TKurs* k : automat.Rest()) {
    aus << "offen: " << k->RestStunden(-1) << ' ' << Win1252ZuUtf8(k->OhneRaumZeile()) << '\n';
    aus << "  Gründe: " << OffenGruendeText(OffenGruende(*k, !st.fAuEinzelUnwichtig)) << '\n';
  }
}

int CliAutomatik(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler) {
  TAutomatikAufruf aufruf;
  std::string meldung;
  if (!AutomatikAufrufLesen(args, aufruf, meldung)) {
    fehler << meldung << '\n'
           << "Aufruf: tamrel-cli automatik DATEI [--ausgabe DATEI] [--prozent N] [--tage N] "
              "[--stunden N] [--kurse KÜRZEL…] [--nachbessern [SEKUNDEN]] [--schritte N] "
              "[--saat N]\n";
    return 2;
  }
  TKonsolenUmgebung umgebung(fehler);
  if (!CliSchuleOeffnen(umgebung, aufruf.datei, fehler)) return 1;
  // Alle Planversionen; die Woche des heutigen Tages entscheidet nichts.
  TStandard& st = Standard();
  st.fEineWoche = false;
  if (aufruf.tage > 0) st.fMaxTageNeu = aufruf.tage;
  if (aufruf.stunden > 0) st.fPlnStd = aufruf.stunden;
  if (aufruf.prozent > 0) st.fAuProzent = aufruf.prozent;
  std::vector<TKurs*> kurse;
  if (!AutomatikKurse(Schule(), aufruf.kuerzel, kurse, meldung)) {
    fehler << meldung << '\n';
    return 1;
  }
  TAutomatikLauf lauf;
  lauf.sekunden = aufruf.nachbessern ? aufruf.sekunden : 0;
  lauf.schritte = aufruf.schritte;
  lauf.saat = aufruf.saat;
  AutomatikPlanen(kurse, aus, lauf);
  if (!aufruf.ausgabe.empty() && !WriteSchule(aufruf.ausgabe, Schule(), meldung)) {
    fehler << meldung << '\n';
    return 1;
  }
  return 0;
}
