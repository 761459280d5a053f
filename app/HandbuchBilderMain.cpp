// Macht die Bilder des Handbuchs: startet das Programm auf einer Schuldatei, öffnet nacheinander
// die wichtigsten Fenster und schreibt von jedem ein Bildschirmfoto (mit Rahmen und Titelleiste,
// wenn ein Fenstermanager läuft) in den Bildordner. Aufruf (siehe scripts/handbuch-bilder.sh):
//   tamrel-handbuchbilder SCHULE.tmr BILDORDNER
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/QtDiensteUnit.h"
#include "app/QtProgrammUnit.h"
#include "model/DienstUnit.h"
#include "model/GlobalUnit.h"
#include "model/SchulUnit.h"
#include "model/DatumUnit.h"
#include "settings/StandardUnit.h"

namespace {

// Wartet, bis Qt alles gezeichnet hat (und der Fenstermanager die Rahmen).
void Warten(int ms) {
  QEventLoop schleife;
  QTimer::singleShot(ms, &schleife, &QEventLoop::quit);
  schleife.exec();
}

// Das Foto eines Fensters samt Rahmen; ohne Bildschirm (offscreen) nur sein Inhalt.
bool Foto(QWidget* fenster, const QString& datei) {
  if (!fenster) {
    std::fprintf(stderr, "Kein Fenster für %s\n", qPrintable(datei));
    return false;
  }
  fenster->raise();
  fenster->activateWindow();
  Warten(400);
  QPixmap bild;
  if (QScreen* schirm = fenster->screen(); schirm && QGuiApplication::platformName() == "xcb") {
    const QRect r = fenster->frameGeometry();
    bild = schirm->grabWindow(0, r.x(), r.y(), r.width(), r.height());
  }
  if (bild.isNull()) bild = fenster->grab();
  if (!bild.save(datei)) {
    std::fprintf(stderr, "Kann %s nicht schreiben\n", qPrintable(datei));
    return false;
  }
  std::printf("%s\n", qPrintable(datei));
  return true;
}

TElement* Element(TKuerzelArt art, const std::string& kuerzel) {
  for (TElement* e : Schule().Elemente(art))
    if (e->fKuerzel.str() == kuerzel) return e;
  return nullptr;
}

// Das zuletzt geöffnete Fenster des Programms.
QWidget* LetztesFenster() {
  const auto& liste = Schule().fFensterListe;
  return liste.empty() ? nullptr : dynamic_cast<QWidget*>(liste.back());
}

int Bilder(TTamrelPalette& palette, const QString& ordner) {
  int fehler = 0;
  auto foto = [&](QWidget* w, const char* name) {
    if (!Foto(w, ordner + QLatin1Char('/') + QLatin1String(name))) ++fehler;
  };
  auto allesSchliessen = [&] {
    Schule().AlleFensterSchliessen();
    Warten(200);
  };
  palette.move(0, 0);
  foto(&palette, "palette.png");

  // Der Plan einer Klasse.
  if (auto* kl = dynamic_cast<TPlanElement*>(Element(kla, "7a"))) {
    palette.PlanFensterZeigen(kl);
    foto(LetztesFenster(), "klassenplan.png");
  } else {
    ++fehler;
  }
  allesSchliessen();

  // Das Deputat eines Lehrers.
  if (!Schule().Elemente(leh).empty()) {
    TElement* le = Element(leh, "KUR");
    if (!le) le = Schule().Elemente(leh).front();
    palette.ElementFensterNeu(le, FensterArt::LehrerDeputat);
    QWidget* w = LetztesFenster();
    if (w) w->setGeometry(60, 140, 620, 300);
    foto(w, "deputat.png");
  }
  allesSchliessen();

  // Die Lehrerübersicht.
  if (QAction* a = palette.Befehl(QStringLiteral("Daten/Übersichten/Lehrerübersicht"))) {
    a->trigger();
    Warten(300);
    QWidget* w = LetztesFenster();
    if (w) w->resize(1200, 700);
    foto(w, "lehreruebersicht.png");
  }
  allesSchliessen();

  // Das Kürzelfenster ist modal: das Foto macht ein Zeitgeber, während es offen ist.
  if (QAction* a = palette.Befehl(QStringLiteral("Daten/Kürzel..."))) {
    QTimer::singleShot(800, [&] {
      QWidget* w = QApplication::activeModalWidget();
      foto(w, "kuerzel.png");
      if (w) w->close();
    });
    a->trigger();
  }
  return fehler;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "xcb");
  DeutscheUmgebung();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("WinTamrel"));
  const QStringList argumente = app.arguments();
  if (argumente.size() != 3) {
    std::fprintf(stderr, "Aufruf: tamrel-handbuchbilder SCHULE.tmr BILDORDNER\n");
    return 2;
  }
  const QString ordner = QDir(argumente[2]).absolutePath();
  if (!QDir().mkpath(ordner)) {
    std::fprintf(stderr, "Kann den Ordner %s nicht anlegen\n", qPrintable(ordner));
    return 1;
  }
  DeutschEinrichten(app);
  TQtDialogDienst dialog;
  TQtEinstellungsSpeicher speicher;
  TQtZwischenablage ablage;
  TQtTextMetrik metrik;
  TSystemUhr uhr;
  const TDienste vorher =
      DiensteEinsetzen(TDienste{&dialog, &speicher, &ablage, &metrik, &uhr, nullptr});
  int ergebnis = 1;
  {
    TProgrammOptionen optionen;
    optionen.StartBildMs = 0;
    TProgramm programm(optionen);
    if (programm.Starten({argumente[1]})) {
      QTimer::singleShot(500, [&] {
        ergebnis = Bilder(*programm.Palette(), ordner) == 0 ? 0 : 1;
        Schule().SetDirty(false);  // nur angesehen: nichts zu sichern
        QApplication::quit();
      });
      QApplication::exec();
    }
  }
  DiensteEinsetzen(vorher);
  return ergebnis;
}
