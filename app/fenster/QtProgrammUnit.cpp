#include "app/fenster/QtProgrammUnit.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/fenster/KWFormUnit.h"
#include "app/ProgrammUnit.h"
#include "app/fenster/QtDiensteUnit.h"
#include "app/fenster/StartFormUnit.h"
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
  fPalette->HintergrundAnpassen();
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

void DeutscheUmgebung() {
  auto neutral = [](const char* name) {
    const QByteArray wert = qgetenv(name);
    return wert.isEmpty() || wert == "C" || wert == "POSIX" || wert.startsWith("C.");
  };
  if (!neutral("LC_ALL") || !neutral("LANG")) return;
  qunsetenv("LC_ALL");
  qputenv("LANG", "de_DE.UTF-8");
}

void DeutschEinrichten(QApplication& app) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  // Die Texte der Standarddialoge von Qt (Dateiauswahl, Kontextmenüs der Eingabefelder) deutsch.
  auto* qt = new QTranslator(&app);
  if (qt->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
               QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt);
}

int TamrelAusfuehren(QApplication& app) {
  DeutschEinrichten(app);
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
