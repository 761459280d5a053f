#include "persistence/DateiSpeicherungUnit.h"

#include "model/SchulUnit.h"
#include "persistence/SchulFormatUnit.h"
#include "persistence/WriteUnit.h"
#include "settings/StandardUnit.h"

namespace {
void FehlerZeigen(const std::string& text) {
  Dialog().Meldung("Fehler beim Sichern", {text}, TMeldungsArt::Fehler);
}
}  // namespace

TDateiSpeicherung::TDateiSpeicherung(TSichernAlsDialog sichernAls)
    : fSichernAls(std::move(sichernAls)) {}

bool TDateiSpeicherung::SchreibeNach(const std::string& pfad, const str255& dateiName) {
  TSchule& schule = Schule();
  std::string fehler;
  if (!WriteSchule(pfad, schule, fehler)) {
    FehlerZeigen(fehler);
    return false;
  }
  schule.fDateiName = dateiName;
  if (TFensterDienst* f = FensterDienst()) f->TitelSetzen(TitelMitSchule(U8(dateiName.str())));
  return true;
}

bool TDateiSpeicherung::Schreiben(const str255& dateiName) {
  const std::filesystem::path ordner = PfadAusUtf8(Standard().fOpenPfad);
  const std::u8string pfad = (ordner / PfadAusUtf8(U8(dateiName.str()))).u8string();
  return SchreibeNach(std::string(pfad.begin(), pfad.end()), dateiName);
}

bool TDateiSpeicherung::SichernUnter() {
  if (!fSichernAls) return false;
  const std::optional<std::string> gewaehlt =
      fSichernAls(U8(Schule().fDateiName.str()), Standard().fOpenPfad);
  if (!gewaehlt || gewaehlt->empty()) return false;
  const std::filesystem::path pfad = PfadAusUtf8(*gewaehlt);
  const std::string name = DateiNameUtf8(pfad);
  // Der Name der Schule ist ein Text in Windows-1252 mit höchstens 255 Zeichen; ein Name, der
  // sich so nicht halten lässt, würde beim nächsten "Sichern" eine andere Datei treffen.
  if (name.empty() || !Utf8InWin1252Darstellbar(name) ||
      Utf8ZuWin1252(name).size() > str255::Kapazitaet) {
    FehlerZeigen(DieDatei(name) +
                 " wurde nicht gespeichert: Der Name ist zu lang oder enthält Zeichen, die "
                 "WinTamrel nicht speichern kann. Bitte wählen Sie einen anderen Namen.");
    return false;
  }
  if (!SchreibeNach(*gewaehlt, str255(Utf8ZuWin1252(name)))) return false;
  const std::u8string ordner = pfad.parent_path().u8string();
  Standard().fOpenPfad = std::string(ordner.begin(), ordner.end());
  return true;
}
