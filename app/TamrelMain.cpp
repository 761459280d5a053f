// Start des Programms mit Fenstern.
#include <QApplication>
#include <memory>

#include "app/QtDiensteUnit.h"
#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "settings/StandardUnit.h"
#include "ui/PaletteUnit.h"

int main(int argc, char** argv) {
  // Freie Fenster und Platzierung nach Koordinaten brauchen X11; unter Wayland über XWayland.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("WinTamrel"));

  TQtDialogDienst dialog;
  TQtEinstellungsSpeicher speicher;
  TQtZwischenablage ablage;
  TQtTextMetrik metrik;
  TSystemUhr uhr;
  DiensteEinsetzen(TDienste{&dialog, &speicher, &ablage, &metrik, &uhr, nullptr});

  auto standard = std::make_unique<TStandard>();
  StandardEinsetzen(standard.get());

  TTamrelPalette palette;
  TDienste dienste{&dialog, &speicher, &ablage, &metrik, &uhr, &palette};
  DiensteEinsetzen(dienste);

  auto schule = std::make_unique<TSchule>();
  SchuleEinsetzen(schule.get());

  palette.show();
  const int ergebnis = QApplication::exec();

  SchuleEinsetzen(nullptr);
  schule.reset();
  StandardEinsetzen(nullptr);
  standard.reset();
  DiensteEinsetzen(TDienste{});
  return ergebnis;
}
