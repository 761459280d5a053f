// Macht die Bilder des Handbuchs: startet das Programm auf einer Schuldatei, öffnet nacheinander
// die wichtigsten Fenster und schreibt von jedem ein Bildschirmfoto (mit Rahmen und Titelleiste,
// wenn ein Fenstermanager läuft) in den Bildordner. Aufruf (siehe scripts/handbuch-bilder.sh):
//   tamrel-handbuchbilder SCHULE.tmr BILDORDNER [TT.MM.JJJJ]
// Mit einem Tag werden auch dessen Tagesplan "Vertretungen" und die "Vertretungswahl" für seine
// erste Vertretung fotografiert.
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/fenster/QtDiensteUnit.h"
#include "app/fenster/QtProgrammUnit.h"
#include "model/DienstUnit.h"
#include "model/GlobalUnit.h"
#include "model/SchulUnit.h"
#include "model/DatumUnit.h"
#include "model/UVUnit.h"
#include "settings/StandardUnit.h"
#include "output/fenster/DruckPlnFormUnit.h"
#include "output/fenster/PrevFormUnit.h"
#include "substitution/fenster/VertrFormUnit.h"
#include "ui/fenster/UVFormUnit.h"
#include "ui/fenster/VWahlFormUnit.h"

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

// "14.12.2026" als Tag mittags; 0 bei einem falschen Text.
TDateTime TagAusText(const QString& text) {
  const QStringList teile = text.split(QLatin1Char('.'));
  if (teile.size() != 3) return 0;
  bool ok[3] = {};
  const int t = teile[0].toInt(&ok[0]), m = teile[1].toInt(&ok[1]), j = teile[2].toInt(&ok[2]);
  if (!ok[0] || !ok[1] || !ok[2] || t < 1 || t > 31 || m < 1 || m > 12 || j < 1900) return 0;
  return DatumZuZahl(j, m, t) + 0.5;
}

int Bilder(TTamrelPalette& palette, const QString& ordner, TDateTime vertretungsTag) {
  int fehler = 0;
  auto foto = [&](QWidget* w, const char* name) {
    if (!Foto(w, ordner + QLatin1Char('/') + QLatin1String(name))) ++fehler;
  };
  // Ein modaler Dialog: der Zeitgeber fotografiert ihn, während er offen ist, macht danach, was
  // dabei noch zu tun ist (etwa einen weiteren Dialog öffnen), und schließt ihn.
  auto modal = [&](const std::function<void()>& oeffnen, const char* name,
                   const std::function<void(QWidget*)>& dabei = {}) {
    QTimer::singleShot(900, [&, name, dabei] {
      QWidget* w = QApplication::activeModalWidget();
      if (w) w->move(60, 140);
      foto(w, name);
      if (w && dabei) dabei(w);
      if (w) w->close();
    });
    oeffnen();
    Warten(200);
  };
  auto befehl = [&](const char* pfad) {
    if (QAction* a = palette.Befehl(QString::fromUtf8(pfad))) {
      a->trigger();
    } else {
      std::fprintf(stderr, "Kein Befehl %s\n", pfad);
      ++fehler;
    }
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

  // Die erste UV-Tabelle.
  if (!Schule().fUVTabMenge.empty()) {
    TUVForm* uv = NeuesUVFenster(Schule().fUVTabMenge[0]);
    if (uv) uv->setGeometry(60, 140, 1100, 620);
    foto(uv, "uvtabelle.png");
  } else {
    ++fehler;
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

  // Der Tagesplan eines Tages mit Abwesenheiten und die Wahl des Vertreters für seine erste
  // Vertretung. Nach den Plänen: der Tagesplan stellt die Planversion auf die seines Tages.
  if (vertretungsTag > 0) {
    VertretungZeigen(vertretungsTag);
    Warten(300);  // erst zeigen und einrichten lassen, dann hinstellen
    auto* plan = dynamic_cast<TVertrForm*>(Schule().fVertrForm);
    if (plan) plan->setGeometry(60, 140, 900, 560);
    foto(plan, "vertretungen.png");
    TVertretung* erste = plan ? plan->Vertretung(1) : nullptr;
    if (erste) {
      VWahlZeigen(*erste);
      Warten(300);
      // Neben die Palette, die sonst seine Ecke verdeckt.
      auto* wahl = dynamic_cast<QWidget*>(Schule().fVWahlForm);
      if (wahl) wahl->move(60, 140);
      foto(wahl, "vertretungswahl.png");
    } else {
      std::fprintf(stderr, "Keine Vertretung am Tag des Tagesplans\n");
      ++fehler;
    }
    allesSchliessen();
  }

  // Das Kürzelfenster und die Dialoge sind modal.
  modal([&] { befehl("Daten/Kürzel..."); }, "kuerzel.png");
  modal([&] { befehl("Bearbeiten/Voreinstellungen/Eckdaten"); }, "eckdaten.png");

  // Alle Kurse der Schule (Strg+U).
  befehl("Daten/Kurse");
  Warten(300);
  if (QWidget* w = LetztesFenster()) w->setGeometry(60, 140, 760, 620);
  foto(LetztesFenster(), "allekurse.png");
  allesSchliessen();

  // Die Prüfung "fehlende Stunden" mit ihren Befunden; die Meldung "Prüfergebnis" schließt ein
  // Zeitgeber.
  QTimer::singleShot(900, [] {
    if (QWidget* w = QApplication::activeModalWidget()) w->close();
  });
  befehl("Daten/Prüfen/fehlende Stunden");
  Warten(300);
  if (QWidget* w = LetztesFenster()) w->setGeometry(60, 140, 760, 480);
  foto(LetztesFenster(), "pruefen.png");
  allesSchliessen();

  // Der Druck der Klassenpläne und seine Voransicht (aus dem Druckdialog mit "Ansehen").
  modal([&] { befehl("Datei/Drucken/Pläne/Klassenpläne..."); }, "klassenplaene-drucken.png",
        [&](QWidget* w) {
          auto* druck = dynamic_cast<TDruckPlnForm*>(w);
          if (!druck) return;
          QTimer::singleShot(900, [&] {
            QWidget* v = QApplication::activeModalWidget();
            if (v) v->setGeometry(60, 60, 1300, 900);
            Warten(300);
            foto(v, "voransicht.png");
            if (v) v->close();
          });
          druck->AnsehenKnopf->click();
        });

  // Am Morgen: "fehlender Lehrer" im Tagesplan trägt eine Abwesenheit ein.
  if (vertretungsTag > 0) {
    VertretungZeigen(vertretungsTag);
    Warten(300);
    if (auto* plan = dynamic_cast<TVertrForm*>(Schule().fVertrForm)) {
      plan->setGeometry(60, 140, 900, 560);
      modal([&] { plan->LehrerKnopf->click(); }, "fehlende-lehrer.png");
    }
    allesSchliessen();
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
  const TDateTime vertretungsTag = argumente.size() == 4 ? TagAusText(argumente[3]) : 0;
  if (argumente.size() < 3 || argumente.size() > 4 || (argumente.size() == 4 && !vertretungsTag)) {
    std::fprintf(stderr, "Aufruf: tamrel-handbuchbilder SCHULE.tmr BILDORDNER [TT.MM.JJJJ]\n");
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
        ergebnis = Bilder(*programm.Palette(), ordner, vertretungsTag) == 0 ? 0 : 1;
        Schule().SetDirty(false);  // nur angesehen: nichts zu sichern
        QApplication::quit();
      });
      QApplication::exec();
    }
  }
  DiensteEinsetzen(vorher);
  return ergebnis;
}
