#include "persistence/ImportUnit.h"

#include <algorithm>
#include <charconv>
#include <memory>

#include "model/DienstUnit.h"
#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "persistence/BufferUnit.h"
#include "persistence/SchulFormatUnit.h"
#include "planning/SetzungUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

namespace {
constexpr int kFelder = 23;
constexpr std::uint8_t kTab = 9, kLF = 10, kCR = 13, kWert = 29;

bool NurZiffern(const std::string& t) {
  return std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}
// 1 bis n Ziffern.
bool Ziffern(const std::string& t, std::size_t n) {
  return !t.empty() && t.size() <= n && NurZiffern(t);
}
// Ein optionales "-" und 1 bis n Ziffern.
bool Ganzzahl(const std::string& t, std::size_t n) {
  return Ziffern(t.size() > 0 && t[0] == '-' ? t.substr(1) : t, n);
}
int Wert(const std::string& t) {
  int z = 0;
  std::from_chars(t.data(), t.data() + t.size(), z);
  return z;
}

std::string Trimmen(const std::string& t) {
  const std::size_t a = t.find_first_not_of(' ');
  if (a == std::string::npos) return {};
  return t.substr(a, t.find_last_not_of(' ') - a + 1);
}

// Die Werte eines Feldes bis Feld 17: ein ganz leeres Feld hat keinen Wert.
std::size_t Werte(const std::vector<std::string>& feld) {
  return feld.size() == 1 && feld[0].empty() ? 0 : feld.size();
}

// Prüft ein Feld; liefert den Grund (UTF-8) oder nichts.
std::string FeldFehler(int f, const std::vector<std::string>& werte) {
  const bool mehrfach = f >= 13 && f <= 17;
  if (!mehrfach && werte.size() > 1) return "Byte 29 ist in diesem Feld nicht erlaubt.";
  const std::string& t = werte.front();
  switch (f) {
    case 1:
      return Ziffern(t, 5) ? "" : "Die Kursnummer muss aus 1 bis 5 Ziffern bestehen.";
    case 2:
      return Ziffern(t, 5) ? "" : "Der Faktor muss aus 1 bis 5 Ziffern bestehen.";
    case 3:
      return Ganzzahl(t, 4) ? "" : "Die Stunden müssen eine Zahl mit höchstens 4 Ziffern sein.";
    case 5:
    case 7:
    case 9:
    case 11:
      return t.size() <= 11 ? "" : "Ein Kürzel hat höchstens 11 Zeichen.";
    case 4:
    case 6:
    case 8:
    case 10:
    case 12:
      return t.size() <= 31 ? "" : "Ein Infotext hat höchstens 31 Zeichen.";
    case 18:
      return Ziffern(t, 2) ? "" : "Die Stunden pro Tag müssen aus 1 oder 2 Ziffern bestehen.";
    case 19:
      return Ganzzahl(t, 2) ? ""
                            : "Die Einzelstunden müssen eine Zahl mit höchstens 2 Ziffern sein.";
    case 20:
      return Ganzzahl(t, 2) ? "" : "Die Tabelle muss eine Zahl mit höchstens 2 Ziffern sein.";
    case 21:
    case 22:
    case 23:
      return t == "0" || t == "1" ? "" : "Ein Schalter muss 0 oder 1 sein.";
    default:
      break;
  }
  if (Werte(werte) == 0) return {};
  for (const std::string& w : werte) {
    switch (f) {
      case 13:
        if (!Ziffern(w, 2)) return "Eine Woche muss aus 1 oder 2 Ziffern bestehen.";
        break;
      case 14:
        if (!Ziffern(w, 1)) return "Ein Tag muss genau eine Ziffer sein.";
        break;
      case 15:
        if (!Ziffern(w, 2)) return "Eine Stunde muss aus 1 oder 2 Ziffern bestehen.";
        break;
      case 16:
        if (w.size() > 11) return "Ein Kürzel hat höchstens 11 Zeichen.";
        break;
      default:
        if (w.size() > 31) return "Ein Infotext hat höchstens 31 Zeichen.";
    }
  }
  return {};
}

std::string Stelle(int zeile, int feld, const std::string& grund) {
  return "Zeile " + std::to_string(zeile) + ", Feld " + std::to_string(feld) + ": " + grund;
}

// Eine Setzung, wie die Datei sie beschreibt.
struct TStunde {
  int Woche = 1, Tag = 1, Std = 1;
  std::string Raum, RaumInfo;
};

std::string Mehrzahl(int n, const char* eins, const char* viele) {
  return std::to_string(n) + " " + (n == 1 ? eins : viele);
}
}  // namespace

std::vector<TImportZeile> ImportZeilen(const std::vector<std::uint8_t>& daten,
                                       TImportAnzeige* anzeige) {
  std::vector<TImportZeile> zeilen;
  TImportZeile z;
  z.Nr = 1;
  z.Felder.assign(1, std::vector<std::string>(1));
  bool inhalt = false;  // die laufende Zeile hat schon ein Zeichen
  for (std::size_t i = 0; i < daten.size(); ++i) {
    if (anzeige && i % 100 == 0) anzeige->Position(i);
    const std::uint8_t c = daten[i];
    if (c == kLF) continue;
    if (c == kCR) {
      z.Ende = i + 1;
      zeilen.push_back(std::move(z));
      z = TImportZeile();
      z.Nr = static_cast<int>(zeilen.size()) + 1;
      z.Felder.assign(1, std::vector<std::string>(1));
      inhalt = false;
      continue;
    }
    inhalt = true;
    if (c == kTab)
      z.Felder.emplace_back(1);
    else if (c == kWert)
      z.Felder.back().emplace_back();
    else
      z.Felder.back().back() += static_cast<char>(DateiZeichenZuAnsi(c));
  }
  // Das Dateiende beendet die letzte Zeile.
  if (inhalt) {
    z.Ende = daten.size();
    zeilen.push_back(std::move(z));
  }
  if (anzeige) anzeige->Position(daten.size());
  return zeilen;
}

std::string ImportFormatFehler(const std::vector<TImportZeile>& zeilen) {
  for (const TImportZeile& z : zeilen) {
    const int n = static_cast<int>(z.Felder.size());
    for (int f = 1; f <= std::min(n, kFelder - 1); ++f) {
      const std::string grund = FeldFehler(f, z.Felder[f - 1]);
      if (!grund.empty()) return Stelle(z.Nr, f, grund);
      if (f >= 14 && f <= 17) {
        const std::size_t wochen = Werte(z.Felder[12]);
        const std::size_t hier = Werte(z.Felder[f - 1]);
        // Ein leeres Raumfeld passt zu einer Setzung ohne Raum.
        const bool raumLeer = f >= 16 && hier == 0 && wochen <= 1;
        if (hier != wochen && !raumLeer)
          return Stelle(z.Nr, f,
                        "Das Feld hat " + std::to_string(hier) + " statt " +
                            std::to_string(wochen) + " Werte.");
      }
    }
    if (n != kFelder)
      return Stelle(z.Nr, std::min(n, kFelder),
                    "Die Zeile hat " + std::to_string(n) + " statt 23 Felder.");
    const std::string grund = FeldFehler(kFelder, z.Felder[kFelder - 1]);
    if (!grund.empty()) return Stelle(z.Nr, kFelder, grund);
  }
  return {};
}

bool IstUtf8Text(const std::vector<std::uint8_t>& d) {
  if (d.size() >= 3 && d[0] == 0xEF && d[1] == 0xBB && d[2] == 0xBF) return true;
  bool mehrbyte = false;
  for (std::size_t i = 0; i < d.size(); ++i) {
    const std::uint8_t c = d[i];
    if (c < 0x80) continue;
    std::size_t laenge = 0;
    if (c >= 0xC2 && c <= 0xDF)
      laenge = 2;
    else if (c >= 0xE0 && c <= 0xEF)
      laenge = 3;
    else if (c >= 0xF0 && c <= 0xF4)
      laenge = 4;
    else
      return false;
    if (i + laenge > d.size()) return false;
    for (std::size_t k = 1; k < laenge; ++k)
      if ((d[i + k] & 0xC0) != 0x80) return false;
    i += laenge - 1;
    mehrbyte = true;
  }
  return mehrbyte;
}

TImportErgebnis TImport::ImportFromFile(const std::string& pfad) {
  try {
    TBuffer puffer = TBuffer::AusDatei(PfadAusUtf8(pfad));
    return ImportAusBytes(puffer.Daten(), puffer.DateiName());
  } catch (const EDateiFehler& e) {
    Dialog().Meldung("Importieren", {e.what()}, TMeldungsArt::Fehler);
    return {};
  }
}

TImportErgebnis TImport::ImportAusBytes(const std::vector<std::uint8_t>& daten,
                                        const std::string& dateiName) {
  TImportErgebnis ergebnis;
  if (fAnzeige) fAnzeige->Beginn(dateiName, daten.size());

  // Formatphase.
  if (fAnzeige) fAnzeige->Phase("Das Format der Importdatei wird untersucht.");
  if (IstUtf8Text(daten)) {
    Dialog().Meldung("Falsches Format",
                     {"Die Importdatei ist in UTF-8 gespeichert: ihre Umlaute würden zu je zwei "
                      "Zeichen.",
                      "Bitte die Datei im Zeichensatz des Kursexports (Textdatei) speichern."},
                     TMeldungsArt::Fehler);
    return ergebnis;
  }
  const std::vector<TImportZeile> zeilen = ImportZeilen(daten, fAnzeige);
  const std::string fehler = ImportFormatFehler(zeilen);
  if (!fehler.empty()) {
    Dialog().Meldung(
        "Falsches Format",
        {"Der Inhalt der Importdatei hat nicht", "das geeignete Format für Kurse.", fehler},
        TMeldungsArt::Fehler);
    return ergebnis;
  }

  TSchule& schule = Schule();
  TStandard& st = Standard();
  auto feld = [](const TImportZeile& z, int f) -> const std::string& {
    return z.Felder[f - 1].front();
  };

  // Kürzelphase: genau die Kürzel, die der Import anlegen würde, gleich getrimmt.
  if (fAnzeige) fAnzeige->Phase("Die Datei wird auf unbekannte Kürzel untersucht.");
  std::string unbekannt;
  {
    bool erste = true;
    int vorige = 0;
    for (const TImportZeile& z : zeilen) {
      if (fAnzeige) fAnzeige->Position(z.Ende);
      const int nr = Wert(feld(z, 1));
      const bool neu = erste || nr != vorige;
      erste = false;
      vorige = nr;
      auto pruefe = [&](const std::string& roh, bool bekannt, const char* art) {
        if (!unbekannt.empty() || bekannt) return;
        unbekannt = std::string(art) + " „" + Win1252ZuUtf8(Trimmen(roh)) + "“ in Zeile " +
                    std::to_string(z.Nr);
      };
      const std::string klasse = Trimmen(feld(z, 9));
      if (!klasse.empty())
        pruefe(klasse, TSchule::HoleElement(schule.fKlassenMenge, klasse), "Klasse");
      if (!neu) continue;
      const std::string lehrer = Trimmen(feld(z, 5)), fach = Trimmen(feld(z, 7)),
                        kopplung = Trimmen(feld(z, 11));
      if (!lehrer.empty())
        pruefe(lehrer, TSchule::HoleElement(schule.fLehrerMenge, lehrer), "Lehrer");
      if (!fach.empty()) pruefe(fach, TSchule::HoleElement(schule.fFachMenge, fach), "Fach");
      if (!kopplung.empty())
        pruefe(kopplung, TSchule::HoleElement(schule.fKopplMenge, kopplung), "Kopplung");
      for (const std::string& r : z.Felder[15]) {
        const std::string raum = Trimmen(r);
        if (!raum.empty()) pruefe(raum, TSchule::HoleElement(schule.fRaumMenge, raum), "Raum");
      }
    }
  }
  if (!unbekannt.empty() && fUnbekannte == TUnbekannte::Fragen &&
      Dialog().Frage("Unbekannte Kürzel",
                     {"Die Importdatei enthält unbekannte Kürzel.",
                      "Wollen sie trotzdem importieren?", "Zuerst: " + unbekannt + "."},
                     TMeldungsArt::Frage, {"Nein", "Ja"}, 0, 0) != 1)
    return ergebnis;

  // Importphase.
  if (fAnzeige) fAnzeige->Phase("Die Daten werden importiert.");
  ergebnis.Importiert = true;
  bool erste = true;
  int vorige = 0;
  TKurs* kurs = nullptr;
  for (const TImportZeile& z : zeilen) {
    if (fAnzeige) fAnzeige->Position(z.Ende);
    const int nr = Wert(feld(z, 1));
    const bool neu = erste || nr != vorige;
    erste = false;
    vorige = nr;
    TKlasse* klasse = nullptr;
    if (const std::string k = Trimmen(feld(z, 9)); !k.empty()) {
      klasse = schule.HoleKlasse(k);
      klasse->SetInfo(Trimmen(feld(z, 10)));
    }
    if (!neu) {
      // Eine weitere Zeile desselben Kurses: nur ihre Klasse zählt.
      if (!kurs || !klasse || kurs->fKlassen.ListeElemEnthalten(klasse)) continue;
      // In der Reihe der Klassen, wie die Zeilen auch stehen; die erste Klasse eines Kurses ohne
      // Klasse ändert seine Sortierschlüssel.
      kurs->KlasseErgaenzen(klasse);
      for (const TSetzung* s : kurs->fSetzungen) {
        klasse->fBesetzung.SetWocheTagStd(s->fWoche, s->fTag, s->fStunde, true);
        klasse->fSperrung.SetWocheTagStd(s->fWoche, s->fTag, s->fStunde, false);
      }
      continue;
    }
    TLehrer* lehrer = nullptr;
    if (const std::string k = Trimmen(feld(z, 5)); !k.empty()) {
      lehrer = schule.HoleLehrer(k);
      lehrer->SetInfo(Trimmen(feld(z, 6)));
    }
    TFach* fach = nullptr;
    if (const std::string k = Trimmen(feld(z, 7)); !k.empty()) {
      fach = schule.HoleFach(k);
      fach->SetInfo(Trimmen(feld(z, 8)));
    }
    TKopplung* kopplung = nullptr;
    if (const std::string k = Trimmen(feld(z, 11)); !k.empty()) {
      kopplung = schule.HoleKopplung(k);
      kopplung->SetInfo(Trimmen(feld(z, 12)));
    }
    int stunden = Wert(feld(z, 3));
    if (!st.fEineWoche) stunden /= std::max(1, st.fMaxWocheNeu);
    stunden = std::clamp(stunden, -112, 112);
    kurs = TKurs::IKurs(lehrer, klasse, kopplung, fach, nullptr, stunden);
    ++ergebnis.Kurse;

    // Die Setzungen; eine zweite in derselben Zelle fällt weg.
    const std::size_t n = Werte(z.Felder[12]);
    for (std::size_t k = 0; k < n; ++k) {
      const int woche = std::clamp(Wert(z.Felder[12][k]), 1, st.fMaxWocheNeu);
      int tag = Wert(z.Felder[13][k]);
      if (tag < 1 || tag > MaxTage) tag = 1;
      if (tag > st.fMaxTageNeu) {
        st.fMaxTageNeu = tag;
        schule.AlleFensterUpdate();
      }
      const int stunde = std::clamp(Wert(z.Felder[14][k]), 1, MaxStunden);
      if (kurs->SetzungFinden(woche, tag, stunde)) continue;
      auto neuS = std::make_unique<TSetzung>();
      TSetzung* s = neuS.get();
      s->fWoche = woche;
      s->fTag = tag;
      s->fStunde = stunde;
      const std::string raum = k < z.Felder[15].size() ? Trimmen(z.Felder[15][k]) : "";
      if (!raum.empty()) {
        s->fRaum = schule.HoleRaum(raum);
        kurs->RaumErgaenzen(s->fRaum, false);
        if (k < z.Felder[16].size()) s->fRaum->SetInfo(Trimmen(z.Felder[16][k]));
      }
      kurs->fSetzungen.ListeAnhaengen(std::move(neuS));
      ++ergebnis.Stunden;
    }

    // Jede Woche hat mindestens so viele Stunden, wie in ihr gesetzt sind: der Kursexport nennt
    // die Stunden der Arbeitswoche, die Setzungen aber aller Planversionen (ein Kurs nur der
    // B-Woche käme sonst mit 0 Stunden und einer Setzung in der B-Woche herein). Die Stunden
    // gehören zum Sortierschlüssel: der Kurs rückt an seinen Platz.
    // (Die Belegung kommt erst unten: gezählt wird an den Setzungen.)
    bool mehr = false;
    for (int w = 1; w <= st.fMaxWocheNeu; ++w) {
      std::int32_t gesetzt = 0;
      for (const TSetzung* s : kurs->fSetzungen) gesetzt += s->fWoche == w ? 1 : 0;
      // Negative Stunden (ein Kurs "nicht verplanen") bleiben, wie die Datei sie nennt.
      if (const std::int32_t st = kurs->fStunden.GetWochenStunde(w); st >= 0 && st < gesetzt) {
        kurs->fStunden.SetWochenStunde(w, gesetzt);
        mehr = true;
      }
    }
    if (mehr) kurs->ElementeEintragen();

    // Das Zeilenende des neuen Kurses.
    kurs->fColor = clWhite;
    kurs->fInfo = feld(z, 4);
    // Die Stunden des neuen Kurses sind noch nicht angebunden (das geschieht unten, mit diesem
    // Faktor): es gibt nichts nachzubuchen.
    kurs->fFaktor = std::clamp(Wert(feld(z, 2)), 1, 10000);
    kurs->fStdProTag = std::clamp(Wert(feld(z, 18)), 1, MaxStunden);
    kurs->fEinzelStd = std::clamp(Wert(feld(z, 19)), 0, st.fMaxTageNeu);
    kurs->fTabellenNr = std::clamp(Wert(feld(z, 20)), 1, 4);
    kurs->fNichtVerplanen = feld(z, 21) == "1";
    kurs->fNichtZaehlenLe = feld(z, 22) == "1";
    kurs->fNichtZaehlenKl = feld(z, 23) == "1";
    if (fach && lehrer && !lehrer->fFaecher.ListeElemEnthalten(fach)) {
      NachReiheEinfuegen(lehrer->fFaecher, fach);
      NachReiheEinfuegen(fach->fLehrer, lehrer);
    }
    for (const TSetzung* s : kurs->fSetzungen) {
      const int w = s->fWoche, t = s->fTag, h = s->fStunde;
      kurs->fBesetzung.SetWocheTagStd(w, t, h, true);
      kurs->fSperrung.SetWocheTagStd(w, t, h, false);
      for (TPlanElement* e :
           {static_cast<TPlanElement*>(lehrer), static_cast<TPlanElement*>(klasse),
            static_cast<TPlanElement*>(s->fRaum)}) {
        if (!e) continue;
        e->fBesetzung.SetWocheTagStd(w, t, h, true);
        e->fSperrung.SetWocheTagStd(w, t, h, false);
      }
    }
    // Wie jede neu gesetzte Stunde: die Vertretungen der Abwesenheiten dort, und wo an einem Tag
    // alle Klassen fehlen, wird die Stunde dem Lehrer abgebucht.
    for (TSetzung* s : kurs->fSetzungen) VertretungenAnbinden(kurs, s);
  }
  SchuleGeaendert();
  Dialog().Meldung("Importieren",
                   {"Angelegt: " + Mehrzahl(ergebnis.Kurse, "Kurs", "Kurse") + " mit " +
                    Mehrzahl(ergebnis.Stunden, "Stunde", "Stunden") + "."},
                   TMeldungsArt::Information);
  return ergebnis;
}
