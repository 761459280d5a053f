#include "model/AblageUnit.h"

#include <algorithm>
#include <optional>

#include "model/FensterArtUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"

namespace {
constexpr int kFelder = 15;

bool IstZahl(const std::string& s) {
  return TextZuZahl(s).has_value();
}

std::int32_t Zahl(const std::string& s) {
  return static_cast<std::int32_t>(TextZuZahl(s).value_or(0));
}

bool IstTrue(const std::string& s) {
  if (s.size() != 4) return false;
  std::string gross = s;
  for (char& c : gross)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return gross == "TRUE";
}

std::string Kuerzel(const TElement* e) {
  return e ? e->fKuerzel.str() : std::string();
}

// Ein Info-Text darf das Format nicht sprengen.
std::string OhneTrenner(std::string s) {
  for (char& c : s)
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  return s;
}

std::string ZeileAusFeldern(const std::vector<std::string>& felder) {
  std::string zeile;
  for (std::size_t i = 0; i < felder.size(); ++i) {
    if (i) zeile += '\t';
    zeile += felder[i];
  }
  return zeile + "\r\n";
}

bool EineZeileHoechstens(const std::vector<std::string>& zeilen, std::size_t laenge) {
  return zeilen.size() == 1 && zeilen[0].size() <= laenge;
}
}  // namespace

std::vector<std::string> AblageZeilen(std::string_view text) {
  std::vector<std::string> zeilen;
  std::size_t anfang = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    zeilen.emplace_back(text.substr(anfang, i - anfang));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    anfang = i + 1;
  }
  if (anfang < text.size()) zeilen.emplace_back(text.substr(anfang));
  return zeilen;
}

std::vector<std::string> TabFelder(std::string_view zeile) {
  std::vector<std::string> felder;
  std::size_t anfang = 0;
  for (std::size_t i = 0; i <= zeile.size(); ++i)
    if (i == zeile.size() || zeile[i] == '\t') {
      felder.emplace_back(zeile.substr(anfang, i - anfang));
      anfang = i + 1;
    }
  return felder;
}

bool KursFormOk(const std::vector<std::string>& zeilen, int wochen) {
  for (const std::string& zeile : zeilen) {
    if (std::count(zeile.begin(), zeile.end(), '\t') != kFelder - 1) return false;
    const std::vector<std::string> f = TabFelder(zeile);
    for (int i = 0; i < kFelder; ++i) {
      const std::size_t grenze = (i >= 2 && i <= 6) ? 11 : (i == 7 ? 31 : 8);
      if (f[i].size() > grenze) return false;
    }
    if (f[0].empty()) {
      for (int i = 0; i < kFelder; ++i)
        if (i != 4 && i != 6 && !f[i].empty()) return false;
      continue;
    }
    for (int i : {0, 1, 8, 9, 10, 14})
      if (!IstZahl(f[i])) return false;
    const std::int32_t tabelle = Zahl(f[10]);
    if (tabelle < 1 || tabelle > 4) return false;
    // Nur Werte, die die Schuldatei fassen kann: sonst ließe sich die Schule danach nicht mehr
    // sichern. Die Stunden zählen je Planversion, die Farbe hat 24 Bit.
    auto int16 = [](std::int64_t z) { return z >= -32768 && z <= 32767; };
    if (!int16(Zahl(f[0])) || !int16(Zahl(f[1]) / std::max(1, wochen)) || !int16(Zahl(f[8])) ||
        !int16(Zahl(f[9])))
      return false;
    const std::int32_t farbe = Zahl(f[14]);
    if (farbe < 0 || farbe > 0xFFFFFF) return false;
  }
  return true;
}

bool InfoFormOk(const std::vector<std::string>& zeilen) {
  return EineZeileHoechstens(zeilen, 31);
}

bool BemFormOk(const std::vector<std::string>& zeilen) {
  return EineZeileHoechstens(zeilen, 81);
}

std::string KurseAlsText(const std::vector<TKurs*>& kurse, bool shift) {
  auto wahr = [](bool b) { return std::string(b ? "TRUE" : "FALSE"); };
  std::string text;
  for (const TKurs* k : kurse) {
    text += ZeileAusFeldern(
        {ZahlText(k->fFaktor), ZahlText(k->fStunden.GetWochenStunde(-1)), Kuerzel(k->fLehrer),
         Kuerzel(k->fFach), Kuerzel(k->fKlassen.ListeNrInhalt(1)), Kuerzel(k->fKopplung),
         Kuerzel(k->fRaeume.ListeNrInhalt(1)), OhneTrenner(k->fInfo.str()), ZahlText(k->fStdProTag),
         ZahlText(k->fEinzelStd), ZahlText(k->fTabellenNr), wahr(k->fNichtVerplanen),
         wahr(k->fNichtZaehlenLe), wahr(k->fNichtZaehlenKl), ZahlText(k->fColor)});
    if (shift) continue;
    const int n = std::max(k->fKlassen.ListeZahlElemente(), k->fRaeume.ListeZahlElemente());
    for (int i = 2; i <= n; ++i) {
      std::vector<std::string> felder(kFelder);
      felder[4] = Kuerzel(k->fKlassen.ListeNrInhalt(i));
      felder[6] = Kuerzel(k->fRaeume.ListeNrInhalt(i));
      text += ZeileAusFeldern(felder);
    }
  }
  return text;
}

// --- Befehle der Schule --------------------------------------------------------------------

void TSchule::PasteFehler() {
  Dialog().Meldung("Fehler beim Einsetzen",
                   {"Der Inhalt der Zwischenablage", "hat nicht das geeignete Format.",
                    "Kurse können nur im Fenster", "\"alle Kurse\" eingesetzt werden!"},
                   TMeldungsArt::Fehler);
}

void TSchule::DoCopy(bool mitCut, bool shift) {
  TFenster* fenster = fAktivesFenster;
  if (!fenster) {
    Dialog().Piep();
    return;
  }
  const TFensterArtEintrag* art = FensterArtEintrag(fenster->FensterArt());
  if (!art) return;
  bool kopiert = false;
  switch (art->Gruppe) {
    case TFensterGruppe::Plan:
    case TFensterGruppe::UVTabelle:
    case TFensterGruppe::Uebersicht:
    case TFensterGruppe::Statistik:
    case TFensterGruppe::VertrUebersicht:
    case TFensterGruppe::Fehler:
    case TFensterGruppe::Stundenverteilung:
    case TFensterGruppe::WoAusfall:
      if (mitCut) {
        Dialog().Piep();
        return;
      }
      Ablage().SetzeText(fenster->InhaltAlsText());
      kopiert = true;
      break;
    case TFensterGruppe::Deputat:
    case TFensterGruppe::AlleKurse:
      Ablage().SetzeText(Win1252ZuUtf8(KurseAlsText(fenster->AusgewaehlteKurse(), shift)));
      kopiert = true;
      break;
    case TFensterGruppe::Daten:
    case TFensterGruppe::Kurs:
    case TFensterGruppe::VertretungsWahl:
      if (!fenster->TextFeldHatFokus()) return;
      Ablage().SetzeText(fenster->MarkierterText());
      if (mitCut) fenster->MarkiertenTextLoeschen();
      kopiert = true;
      break;
    default:
      return;
  }
  if (kopiert && fZwischenForm) fZwischenForm->FensterUpdate();
  if (mitCut &&
      (art->Gruppe == TFensterGruppe::Deputat || art->Gruppe == TFensterGruppe::AlleKurse)) {
    const int antwort =
        Dialog().Frage("Kures löschen?", {"Wollen Sie die ausgewählten Kurse", "wirklich löschen?"},
                       TMeldungsArt::Frage, {"Ja", "Nein"}, 1, 1);
    if (antwort == 0) KursEntfernen();
  }
}

void TSchule::DoPaste() {
  TFenster* fenster = fAktivesFenster;
  const TFensterArtEintrag* art = fenster ? FensterArtEintrag(fenster->FensterArt()) : nullptr;
  if (!art) {
    PasteFehler();
    return;
  }
  const std::vector<std::string> zeilen = AblageZeilen(Utf8ZuWin1252(Ablage().Text()));
  switch (art->Gruppe) {
    case TFensterGruppe::AlleKurse:
      if (!KursFormOk(zeilen, Standard().fEineWoche ? 1 : Standard().fMaxWocheNeu)) {
        PasteFehler();
        return;
      }
      KurseEinsetzen(zeilen);
      return;
    case TFensterGruppe::Daten:
    case TFensterGruppe::Kurs:
    case TFensterGruppe::VertretungsWahl: {
      if (!fenster->TextFeldHatFokus()) return;
      const bool ok =
          art->Gruppe == TFensterGruppe::VertretungsWahl ? BemFormOk(zeilen) : InfoFormOk(zeilen);
      if (!ok) {
        PasteFehler();
        return;
      }
      fenster->TextEinsetzen(Win1252ZuUtf8(zeilen[0]));
      return;
    }
    default:
      PasteFehler();
      return;
  }
}

void TSchule::KurseEinsetzen(const std::vector<std::string>& zeilen) {
  // Zuerst prüfen, ob alle Kürzel bekannt sind.
  bool unbekannt = false;
  for (const std::string& zeile : zeilen) {
    const std::vector<std::string> f = TabFelder(zeile);
    unbekannt = unbekannt || (!f[2].empty() && !HoleElement(fLehrerMenge, f[2])) ||
                (!f[3].empty() && !HoleElement(fFachMenge, f[3])) ||
                (!f[4].empty() && !HoleElement(fKlassenMenge, f[4])) ||
                (!f[5].empty() && !HoleElement(fKopplMenge, f[5])) ||
                (!f[6].empty() && !HoleElement(fRaumMenge, f[6]));
    if (unbekannt) break;
  }
  if (unbekannt && Dialog().Frage("Unbekannte Kürzel",
                                  {"Die Zwischenablage enthält unbekannte",
                                   "Kürzel. Soll trotzdem eingesetzt werden?"},
                                  TMeldungsArt::Frage, {"Ja", "Nein"}, 1, 1) != 0)
    return;

  const TStandard& s = Standard();
  TFenster* fenster = fAktivesFenster;
  struct TEinsetzMarke {  // "alle Kurse" baut sich erst am Ende neu auf
    bool& fMarke;
    explicit TEinsetzMarke(bool& m) : fMarke(m) { fMarke = true; }
    ~TEinsetzMarke() { fMarke = false; }
  };
  std::optional<TEinsetzMarke> marke(std::in_place, fKurseEinsetzen);
  TKurs* letzter = nullptr;
  for (const std::string& zeile : zeilen) {
    const std::vector<std::string> f = TabFelder(zeile);
    if (f[0].empty()) {
      // Folgezeile: Klasse und Raum zum zuletzt begonnenen Kurs (ohne Kurs: übergangen).
      if (!letzter) continue;
      if (!f[4].empty()) {
        TKlasse* k = HoleKlasse(f[4]);
        if (!letzter->fKlassen.ListeElemEnthalten(k)) letzter->KlasseErgaenzen(k);
      }
      if (!f[6].empty()) {
        TRaum* r = HoleRaum(f[6]);
        if (!letzter->fRaeume.ListeElemEnthalten(r)) letzter->RaumErgaenzen(r, false);
      }
      continue;
    }
    TLehrer* lehrer = f[2].empty() ? nullptr : HoleLehrer(f[2]);
    TFach* fach = f[3].empty() ? nullptr : HoleFach(f[3]);
    TKlasse* klasse = f[4].empty() ? nullptr : HoleKlasse(f[4]);
    TKopplung* kopplung = f[5].empty() ? nullptr : HoleKopplung(f[5]);
    TRaum* raum = f[6].empty() ? nullptr : HoleRaum(f[6]);
    // Das Feld trägt außerhalb des Ein-Wochen-Modus die Summe aller Wochen; was die Teilung
    // übrig lässt, bekommen die ersten Wochen, so geht keine Stunde verloren.
    const std::int32_t summe = Zahl(f[1]);
    const int wochen = s.fEineWoche ? 1 : std::max(1, s.fMaxWocheNeu);
    TKurs* k = TKurs::IKurs(lehrer, klasse, kopplung, fach, raum, summe / wochen);
    if (summe > 0 && summe % wochen != 0) {
      for (int w = 1; w <= summe % wochen; ++w) k->fStunden.SetWochenStunde(w, summe / wochen + 1);
      // Die Gesamtstunden gehören zum Sortierschlüssel: der Kurs rückt an seinen Platz.
      k->FachErgaenzen(k->fFach);
    }
    k->fFaktor = Zahl(f[0]);
    k->fInfo = f[7];
    k->fStdProTag = Zahl(f[8]);
    k->fEinzelStd = Zahl(f[9]);
    k->fTabellenNr = Zahl(f[10]);
    k->fNichtVerplanen = IstTrue(f[11]);
    k->fNichtZaehlenLe = IstTrue(f[12]);
    k->fNichtZaehlenKl = IstTrue(f[13]);
    k->fColor = static_cast<TColor>(TextZuZahl(f[14]).value_or(0));
    letzter = k;
  }
  marke.reset();
  SetDirty(true);
  if (FensterOffen(fenster)) fenster->FensterUpdate();
}
