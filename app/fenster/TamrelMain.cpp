// Start des Programms mit Fenstern.
#include <QApplication>

#include "app/fenster/QtProgrammUnit.h"

int main(int argc, char** argv) {
  // Freie Fenster und Platzierung nach Koordinaten brauchen X11; unter Wayland über XWayland.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "xcb");
  DeutscheUmgebung();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("WinTamrel"));
  return TamrelAusfuehren(app);
}
