#include "app/QtProgrammUnit.h"

#include <QApplication>

#include "app/KWFormUnit.h"
#include "app/ProgrammUnit.h"
#include "app/QtDiensteUnit.h"
#include "app/StartFormUnit.h"
#include "model/DatumUnit.h"
#include "persistence/StandardSpeicherUnit.h"
#include "settings/StandardUnit.h"

TProgramm::TProgramm(TProgrammOptionen optionen) : fOptionen(std::move(optionen)) {}

TProgramm::~TProgramm() {
  fPalette.reset();
  if (fStandard) {
    StandardEinsetzen(fVorher);
    fStandard.reset();
  }
}

bool TProgramm::Starten(const QStringList& argumente) {
  {
    TStartForm startBild;
    startBild.ZeigenUndWarten(fOptionen.StartBildMs);
  }
  // Die Einstellungen vor der Schule: die Palette legt sie erst an, wenn sie geladen sind.
  fStandard = std::make_unique<TStandard>();
  fVorher = StandardEinsetzen(fStandard.get());
  LoadStandard(*fStandard, Speicher());
  fPalette = std::make_unique<TTamrelPalette>();
  if (fOptionen.Oeffnen) fPalette->SetzeOeffnenDialog(fOptionen.Oeffnen);
  if (fOptionen.Sichern) fPalette->SetzeSichernDialog(fOptionen.Sichern);
  fPalette->show();

  const auto abfrage =
      fOptionen.Kennwort ? fOptionen.Kennwort : std::function<std::optional<std::string>()>([this] {
        return KennwortAbfragen(fPalette.get());
      });
  if (!StartKennwortPruefen(abfrage)) return false;

  const QString datei = argumente.isEmpty() ? QString() : argumente.first();
  if (!datei.isEmpty())
    fPalette->DateiOeffnen(datei.toStdString());
  else
    fPalette->OeffnenItemClick();
  return true;
}

int TamrelAusfuehren(QApplication& app) {
  TQtDialogDienst dialog;
  TQtEinstellungsSpeicher speicher;
  TQtZwischenablage ablage;
  TQtTextMetrik metrik;
  TSystemUhr uhr;
  const TDienste vorher =
      DiensteEinsetzen(TDienste{&dialog, &speicher, &ablage, &metrik, &uhr, nullptr});
  int ergebnis = 0;
  {
    TProgramm programm;
    QStringList argumente = app.arguments();
    if (!argumente.isEmpty()) argumente.removeFirst();
    if (programm.Starten(argumente)) ergebnis = QApplication::exec();
  }
  DiensteEinsetzen(vorher);
  return ergebnis;
}
