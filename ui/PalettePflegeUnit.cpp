// Die Befehle der Prüfungen und der Pflege der Pläne in der Palette.
#include <QAction>
#include <algorithm>

#include "model/SchulUnit.h"
#include "planning/PlLoeschUnit.h"
#include "planning/PruefUnit.h"
#include "ui/FehlerFormUnit.h"
#include "ui/KompFormUnit.h"
#include "ui/PaletteUnit.h"
#include "ui/PlLoeschFormUnit.h"
#include "ui/SVFormUnit.h"

void TTamrelPalette::PflegeBefehleVerbinden() {
  const auto verbinde = [this](const char* pfad, std::function<void()> aktion) {
    QAction* a = Befehl(QString::fromUtf8(pfad));
    if (!a) return;
    fFehlende.erase(std::remove(fFehlende.begin(), fFehlende.end(), a), fFehlende.end());
    a->setEnabled(true);
    connect(a, &QAction::triggered, this, [aktion = std::move(aktion)] { aktion(); });
  };
  const std::pair<const char*, TPruefArt> pruefungen[] = {
      {"Konsistenz", TPruefArt::Konsistenz},          {"Brücken", TPruefArt::Bruecken},
      {"fehlende Räume", TPruefArt::FehlRaum},        {"fehlende Stunden", TPruefArt::FehlStunden},
      {"Versionsunterschiede", TPruefArt::Versionen}, {"gekoppelte Kurse", TPruefArt::Kopplungen},
      {"Einzel-/Mehrfachstunden", TPruefArt::Einzel}};
  for (const auto& [text, art] : pruefungen)
    verbinde((std::string("Daten/Prüfen/") + text).c_str(),
             [this, art] { PruefenItemClick(static_cast<int>(art)); });
  verbinde("Daten/Pläne/Löschen...", [this] { PlaeneLoeschenItemClick(); });
  verbinde("Daten/Pläne/Komprimieren", [this] { KomprimierenItemClick(); });
  verbinde("Daten/Pläne/Stundenverteilung", [this] { StundenverteilungItemClick(); });
  verbinde("Daten/Pläne/nicht belegte Räume", [this] { RaeumeLoeschenItemClick(false); });
  verbinde("Daten/Pläne/später eingetragene Räume", [this] { RaeumeLoeschenItemClick(true); });
}

void TTamrelPalette::PruefenItemClick(int art) {
  const auto pruefung = static_cast<TPruefArt>(art);
  // Nur die Konsistenzprüfung ändert Daten (ihre Ausbesserungen).
  std::optional<TDirtyBewahrer> bewahrer;
  if (pruefung != TPruefArt::Konsistenz) bewahrer.emplace();
  const TFehlerArt stufe =
      Pruefe(pruefung, Schule(), [](const std::string& zeile) { TFehlerForm::NeuerFehler(zeile); });
  PruefErgebnisZeigen(stufe);
  AktualisierePalette();
}

void TTamrelPalette::PlaeneLoeschenItemClick() {
  TPlLoeschForm form(this);
  form.exec();
  AktualisierePalette();
}

void TTamrelPalette::KomprimierenItemClick() {
  KomprimierenBefehl(this);
  AktualisierePalette();
}

void TTamrelPalette::StundenverteilungItemClick() {
  TSVForm::ZeigeSVForm();
  AktualisierePalette();
}

void TTamrelPalette::RaeumeLoeschenItemClick(bool ergaenzt) {
  if (ergaenzt)
    ErgaenzteRaeumeLoeschen();
  else
    UnbelegteRaeumeLoeschen();
  AktualisierePalette();
}
