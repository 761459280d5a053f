// Die Palette öffnet die mit der Schule gespeicherten Fenster wieder.
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "model/SchulUnit.h"
#include "ui/FensterWiederUnit.h"
#include "ui/PaletteUnit.h"
#include "ui/PlnFormUnit.h"

void TTamrelPalette::GespeicherteFensterOeffnen() {
  TSchule& schule = Schule();
  TDirtyBewahrer bewahrer;
  std::vector<TFensterSatz> saetze = std::move(schule.fGespeicherteFenster);
  schule.fGespeicherteFenster.clear();
  std::vector<TFensterSatz> uebrig;
  for (auto it = saetze.rbegin(); it != saetze.rend(); ++it) {
    TPlanElement* element = PlanFensterElement(schule, *it);
    if (!element) {
      // Fensterarten, die hier (noch) nicht wieder aufgehen, bleiben für das Sichern erhalten.
      if (it->Art < 9 || it->Art > 11) uebrig.insert(uebrig.begin(), *it);
      continue;
    }
    QWidget* w = dynamic_cast<QWidget*>(element->fPlnFenster);
    if (!w) w = dynamic_cast<QWidget*>(NeuesPlanFenster(element));
    if (!w) continue;
    QScreen* schirm = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    const QRect a = schirm ? schirm->availableGeometry() : QRect(0, 0, 1024, 768);
    // Gespeichert ist die Lage ohne Rahmen; die Titelleiste darüber muss im Arbeitsbereich
    // bleiben.
    const QRect g = w->geometry();
    const int titel = std::max(0, g.top() - w->frameGeometry().top());
    const QSize minimum = w->minimumSizeHint().expandedTo(w->minimumSize());
    const TFensterLage l = WiederLage({g.left(), g.top(), g.width(), g.height()}, it->Lage,
                                      {a.left(), a.top() + titel, a.width(), a.height() - titel},
                                      minimum.width(), minimum.height());
    w->setGeometry(l.Links, l.Oben, l.Breite, l.Hoehe);
    w->show();
    w->raise();
  }
  schule.fGespeicherteFenster = std::move(uebrig);
}
