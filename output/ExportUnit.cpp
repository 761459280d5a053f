#include "output/ExportUnit.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>

#include "model/DatumUnit.h"
#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "persistence/SchulFormatUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/FehlDialogUnit.h"
#include "substitution/KalenderUnit.h"
#include "substitution/VStatUnit.h"
#include "substitution/VertretungsPlanungUnit.h"

namespace {
constexpr char kTab = '\t';
constexpr char kWert = 29;  // trennt die Werte eines Feldes
constexpr char kCR = '\r';
}  // namespace

const std::vector<TExportBefehl>& ExportBefehle() {
  static const std::vector<TExportBefehl> befehle = {
      {TExportArt::Kurse, "Kurse...", "Exportieren als", "Textdateien (*.TXT)", "*.txt", "TXT",
       &TStandard::fImportPfad},
      {TExportArt::LehrerPlaene, "Lehrerpläne...", "Exportieren als", "Textdateien (*.TXT)",
       "*.txt", "TXT", &TStandard::fImportPfad},
      {TExportArt::KlassenPlaene, "Klassenpläne...", "Exportieren als", "Textdateien (*.TXT)",
       "*.txt", "TXT", &TStandard::fImportPfad},
      {TExportArt::RaumPlaene, "Raumpläne...", "Exportieren als", "Textdateien (*.TXT)", "*.txt",
       "TXT", &TStandard::fImportPfad},
      {TExportArt::Lanis, "Lanis Stundenplan (csv)", "Stunden Exportieren als",
       "CSV-Dateien (*.CSV)", "*.csv", "CSV", &TStandard::fImportPfad},
      {TExportArt::Schulmanager, "Schulmanager (csv)", "Stunden Exportieren als",
       "CSV-Dateien (*.CSV)", "*.csv", "CSV", &TStandard::fImportPfad},
      {TExportArt::VertrLeUeb, "Vertretungsübersicht für Lehrer...", "Exportieren als",
       "Textdateien (*.TXT)", "*.txt", "TXT", &TStandard::fImportPfad},
      {TExportArt::VertrKlUeb, "Vertretungsübersicht für Klassen...", "Exportieren als",
       "Textdateien (*.TXT)", "*.txt", "TXT", &TStandard::fImportPfad},
      {TExportArt::Vertretungsplan, "Vertretungsplan...", "Vertretungen exportieren als",
       "CSV-Dateien (*CSV)", "*csv", "CSV", &TStandard::fVertrExportPfad},
  };
  return befehle;
}

const TExportBefehl& ExportBefehl(TExportArt art) {
  for (const TExportBefehl& b : ExportBefehle())
    if (b.Art == art) return b;
  return ExportBefehle().front();
}

void ExportOrdnerMerken(TExportArt art, const std::string& pfad) {
  const std::u8string ordner =
      std::filesystem::absolute(PfadAusUtf8(pfad)).parent_path().u8string();
  Standard().*(ExportBefehl(art).Ordner) = std::string(ordner.begin(), ordner.end());
}

std::pair<TDateTime, TDateTime> VertretungsZeitraum(TDatum von, TDatum bis) {
  const TDateTime a = FehltLangDatum(von.Tag, von.Monat, von.Jahr, 0);
  const TDateTime e = FehltLangDatum(bis.Tag, bis.Monat, bis.Jahr, 0);
  TStandard& st = Standard();
  st.fVExpVon = std::floor(a);
  st.fVExpBis = std::floor(e);
  return {a, std::max(a, e)};
}

std::string TextFeld(std::string_view text) {
  std::string t(text);
  for (char& c : t)
    if (c == kTab || c == kCR || c == '\n' || c == kWert) c = ' ';
  return t;
}

std::string CsvFeld(std::string_view text) {
  std::string t(text);
  for (char& c : t) {
    if (c == ';')
      c = ',';
    else if (c == kCR || c == '\n')
      c = ' ';
  }
  return t;
}

void TExport::Anfang(const std::string& dateiName, int zeilen) {
  fZeilen = zeilen;
  if (fAnzeige) fAnzeige->Beginn(dateiName, zeilen);
  fNr = 0;
  fAnzahl = 0;
  fBuffer = TBuffer();
}

void TExport::ZeileFertig() {
  ++fNr;
  if (fNr % 5 == 0 && fAnzeige) fAnzeige->Fortschritt(fNr);
}

namespace {
// Die Textdatei: jedes Zeichen abgebildet, Trennzeichen unverändert.
class TTextSchreiber {
 public:
  explicit TTextSchreiber(TBuffer& b) : fB(b) {}
  void Text(std::string_view t) { fB.WriteStr(TextFeld(t)); }
  void Zahl(long long z) { fB.WriteStr(std::to_string(z)); }
  void Zeichen(char c) { fB.WriteByte(static_cast<std::uint8_t>(c)); }

 private:
  TBuffer& fB;
};

template <class T>
std::string Kue(const T* e) {
  return e ? e->fKuerzel.str() : std::string();
}
template <class T>
std::string Info(const T* e) {
  return e ? e->fInfo.str() : std::string();
}
}  // namespace

void TExport::KursExport(const std::string& dateiName) {
  const TSchule& schule = Schule();
  int zeilen = 0;
  for (const TKurs* k : schule.fKursMenge) zeilen += std::max<int>(1, k->fKlassen.size());
  Anfang(dateiName, zeilen);
  TTextSchreiber s(fBuffer);
  for (const TKurs* k : schule.fKursMenge) {
    ++fAnzahl;
    std::vector<const TKlasse*> klassen;
    for (const TKlasse* kl : k->fKlassen) klassen.push_back(kl);
    if (klassen.empty()) klassen.push_back(nullptr);
    for (const TKlasse* kl : klassen) {
      s.Zahl(fAnzahl);
      s.Zeichen(kTab);
      s.Zahl(k->fFaktor);
      s.Zeichen(kTab);
      s.Zahl(k->fStunden.GetWochenStunde(-1));
      s.Zeichen(kTab);
      s.Text(k->fInfo.str());
      for (const auto& [kue, info] :
           {std::pair{Kue(k->fLehrer), Info(k->fLehrer)}, std::pair{Kue(k->fFach), Info(k->fFach)},
            std::pair{Kue(kl), Info(kl)}, std::pair{Kue(k->fKopplung), Info(k->fKopplung)}}) {
        s.Zeichen(kTab);
        s.Text(kue);
        s.Zeichen(kTab);
        s.Text(info);
      }
      for (int feld = 13; feld <= 17; ++feld) {
        s.Zeichen(kTab);
        bool erster = true;
        for (const TSetzung* z : k->fSetzungen) {
          if (!erster) s.Zeichen(kWert);
          erster = false;
          switch (feld) {
            case 13:
              s.Zahl(z->fWoche);
              break;
            case 14:
              s.Zahl(z->fTag);
              break;
            case 15:
              s.Zahl(z->fStunde);
              break;
            case 16:
              s.Text(Kue(z->fRaum));
              break;
            default:
              s.Text(Info(z->fRaum));
          }
        }
      }
      for (long long wert :
           {static_cast<long long>(k->fStdProTag), static_cast<long long>(k->fEinzelStd),
            static_cast<long long>(k->fTabellenNr), static_cast<long long>(k->fNichtVerplanen),
            static_cast<long long>(k->fNichtZaehlenLe),
            static_cast<long long>(k->fNichtZaehlenKl)}) {
        s.Zeichen(kTab);
        s.Zahl(wert);
      }
      s.Zeichen(kCR);
      ZeileFertig();
    }
  }
}

void TExport::PlanExport(TKuerzelArt art, const std::string& dateiName) {
  const TSchule& schule = Schule();
  const TStandard& st = Standard();
  std::vector<const TPlanElement*> elemente;
  if (art == leh)
    for (const TLehrer* l : schule.fLehrerMenge) elemente.push_back(l);
  else if (art == kla)
    for (const TKlasse* k : schule.fKlassenMenge) elemente.push_back(k);
  else
    for (const TRaum* r : schule.fRaumMenge) elemente.push_back(r);
  Anfang(dateiName, static_cast<int>(elemente.size()));
  TTextSchreiber s(fBuffer);
  const int woche = st.fAktuelleWoche;
  for (const TPlanElement* e : elemente) {
    ++fAnzahl;
    s.Text(art == leh || art == kla ? e->fInfo.str() : e->fKuerzel.str());
    s.Zeichen(kCR);
    for (int h = 0; h <= st.fPlnStd; ++h) {
      for (int d = 0; d <= st.fMaxTageNeu; ++d) {
        if (h == 0 && d > 0) {
          s.Text(st.fTagBez[d].str());
        } else if (h > 0 && d == 0) {
          s.Text(st.fStdBez[woche][h].str());
        } else if (h > 0) {
          if (art == leh || art == kla) {
            const TListe<TKurs> kurse = e->KurseFinden(woche, d, h, nullptr);
            if (const TKurs* k = kurse.ListeNrInhalt(1)) {
              if (art == leh) {
                const TKlasse* kl = k->fKlassen.ListeNrInhalt(1);
                s.Text(kl ? kl->fInfo.str() : "---");
              } else {
                s.Text(k->fLehrer ? k->fLehrer->fInfo.str() : "---");
              }
            }
          } else if (e->fBesetzung.GetWocheTagStd(woche, d, h)) {
            s.Text("*");
          }
        }
        if (d < MaxTage) s.Zeichen(kTab);
      }
      s.Zeichen(kCR);
    }
    s.Zeichen(kCR);
    ZeileFertig();
  }
}

void TExport::Stundenzeilen(bool schulmanager) {
  const TSchule& schule = Schule();
  const TStandard& st = Standard();
  auto feld = [this](std::string_view text) {
    fBuffer.WriteStrUTF8(CsvFeld(text));
    fBuffer.WriteByte(';');
  };
  auto zahl = [&feld](long long z) { feld(std::to_string(z)); };
  int id = 0;
  for (const TKurs* k : schule.fKursMenge) {
    ++fAnzahl;
    std::string klassen;
    for (const TKlasse* kl : k->fKlassen) {
      if (!klassen.empty()) klassen += ',';
      klassen += CsvFeld(kl->fKuerzel.str());
    }
    for (const TSetzung* z : k->fSetzungen) {
      const int w = std::clamp(z->fWoche, 1, MaxWochen);
      const int h = std::clamp(z->fStunde, 1, MaxStunden);
      const std::string bez = st.fStdBez[w][h].str();
      zahl(++id);
      if (schulmanager) zahl(fAnzahl);
      feld(bez.find('/') != std::string::npos ? "Pausenaufsicht" : "Stunde");
      feld(Kue(k->fLehrer));
      feld(Kue(k->fFach));
      feld(k->fInfo.str());
      feld(Kue(z->fRaum));
      zahl(z->fTag);
      zahl(z->fStunde);
      if (schulmanager) feld(bez);
      feld(st.fMaxWocheNeu < 2 ? std::string() : std::to_string(z->fWoche));
      feld(klassen);
      if (schulmanager) feld(Kue(k->fKopplung));
      fBuffer.WriteByte(kCR);
      ZeileFertig();
    }
  }
}

void TExport::CSVExport(const std::string& dateiName) {
  std::size_t n = 0;
  for (const TKurs* k : Schule().fKursMenge) n += k->fSetzungen.size();
  Anfang(dateiName, static_cast<int>(n));
  fBuffer.WriteStr("Id;Art;Lehrerkuerzel;Fach;Kurs;Raum;Wochentag;Stunde;Woche;Klassen");
  fBuffer.WriteByte(kCR);
  Stundenzeilen(false);
}

void TExport::CSVSMExport(const std::string& dateiName) {
  std::size_t n = 0;
  for (const TKurs* k : Schule().fKursMenge) n += k->fSetzungen.size();
  Anfang(dateiName, static_cast<int>(n));
  fBuffer.WriteStr(
      "Id;KursId;Art;Lehrerkuerzel;Fach;Kurs;Raum;Wochentag;Stunde;Bezeichnung;Woche;Klassen;"
      "Kopplung");
  fBuffer.WriteByte(kCR);
  Stundenzeilen(true);
}

void TExport::RasterExport(const std::vector<std::vector<std::string>>& raster,
                           const std::string& dateiName) {
  Anfang(dateiName, std::max<int>(0, static_cast<int>(raster.size()) - 1));
  TTextSchreiber s(fBuffer);
  for (std::size_t z = 1; z < raster.size(); ++z) {
    for (std::size_t sp = 0; sp < raster[z].size(); ++sp) {
      if (sp > 0) s.Zeichen(kTab);
      s.Text(raster[z][sp]);
    }
    s.Zeichen(kCR);
    ZeileFertig();
  }
}

void TExport::VertrUebExport(TKuerzelArt art, TDateTime von, TDateTime bis,
                             const std::string& dateiName) {
  RasterExport(VStatRaster(art, von, bis), dateiName);
}

void TExport::VertretungExport(TDateTime bis, TDateTime von, const std::string& dateiName) {
  const TSchule& schule = Schule();
  const double erster = std::floor(von), letzter = std::floor(bis);
  std::vector<const TVertretung*> liste;
  for (const TVertretung* v : schule.fVertretungsMenge) {
    const double tag = std::floor(v->fDatum);
    if (tag >= erster && tag <= letzter) liste.push_back(v);
  }
  std::stable_sort(liste.begin(), liste.end(), [](const TVertretung* a, const TVertretung* b) {
    return VertretungsVergleich(3, a, b) < 0;
  });
  Anfang(dateiName, static_cast<int>(liste.size()));
  auto zeile = [this](const std::string& text) {
    fBuffer.WriteStrUTF8(text);
    fBuffer.WriteByte(kCR);
    fBuffer.WriteByte('\n');
  };
  // Die Kürzel aller Elemente mit einer Abwesenheit an genau diesem Tag, mit "," verbunden.
  auto fehlende = [](const TEigenListe<TFehl>& menge, TDateTime tag) {
    std::string kuerzel;
    for (const TFehl* f : menge) {
      if (!f->fElement || !GleicherTag(f->fDatum, tag)) continue;
      if (!kuerzel.empty()) kuerzel += ',';
      kuerzel += CsvFeld(f->fElement->fKuerzel.str());
    }
    return kuerzel;
  };
  // Noch kein Tag geschrieben: auch der erste Tag des Zeitraums bekommt seine Kopfzeilen.
  std::optional<double> letzterTag;
  for (const TVertretung* v : liste) {
    ++fAnzahl;
    const double tag = std::floor(v->fDatum);
    if (!letzterTag || tag > *letzterTag) {
      letzterTag = tag;
      const std::string kopf =
          DatumText(v->fDatum, "yyyymmdd") + ";" + LangerTagName(WochenTag(v->fDatum)) + ";;;";
      zeile(kopf + "100;" + fehlende(schule.fFehlLehrerMenge, v->fDatum));
      zeile(kopf + "101;" + fehlende(schule.fFehlKlassenMenge, v->fDatum));
    }
    zeile(v->ExportString());
    ZeileFertig();
  }
}

void TExport::Bauen(TExportArt art, const std::string& dateiName) {
  switch (art) {
    case TExportArt::Kurse:
      KursExport(dateiName);
      break;
    case TExportArt::LehrerPlaene:
      PlanExport(leh, dateiName);
      break;
    case TExportArt::KlassenPlaene:
      PlanExport(kla, dateiName);
      break;
    case TExportArt::RaumPlaene:
      PlanExport(rau, dateiName);
      break;
    case TExportArt::Lanis:
      CSVExport(dateiName);
      break;
    case TExportArt::Schulmanager:
      CSVSMExport(dateiName);
      break;
    case TExportArt::Vertretungsplan:
      VertretungExport(fBis, fVon, dateiName);
      break;
    case TExportArt::VertrLeUeb:
      VertrUebExport(leh, fVon, fBis, dateiName);
      break;
    case TExportArt::VertrKlUeb:
      VertrUebExport(kla, fVon, fBis, dateiName);
      break;
  }
}

bool TExport::ExportToFile(TExportArt art, const std::string& pfad, std::string& fehler) {
  return Schreiben(
      pfad, [this, art](const std::string& name) { Bauen(art, name); }, fehler);
}

bool TExport::VertrUebExportToFile(const std::string& fileName,
                                   const std::vector<std::vector<std::string>>& raster,
                                   std::string& fehler) {
  return Schreiben(
      fileName, [this, &raster](const std::string& name) { RasterExport(raster, name); }, fehler);
}

bool TExport::Schreiben(const std::string& pfad,
                        const std::function<void(const std::string&)>& bauen, std::string& fehler) {
  const std::filesystem::path p = PfadAusUtf8(pfad);
  const std::u8string name = p.filename().u8string();
  try {
    bauen(std::string(name.begin(), name.end()));
    fBuffer.InDateiSchreiben(p);
  } catch (const EDateiFehler& e) {
    fehler = e.what();
    return false;
  }
  fehler.clear();
  return true;
}
