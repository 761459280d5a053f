// TUVForm: das Fenster einer UV-Tabelle ("UV-Tabelle " + Kürzel), zugleich ihr Deputatsfenster.
// Fachtabellen zeigen je Klasse einen Block von Zeilen und je Fach eine Spalte, Lehrertabellen je
// Lehrer eine Zeile und je Klasse einen Block von Spalten; die Zellen zeigen die Kurse. Die Regeln
// (Aufbau, Einfügen, Gesten, Kopieren) stehen in ui/UVTabelleUnit; das Fenster bildet nur die
// Ereignisse darauf ab.
#pragma once

#include <QPointer>
#include <cstdint>
#include <string>
#include <vector>

#include "model/DienstUnit.h"
#include "ui/fenster/FensterBasisUnit.h"
#include "ui/fenster/QuonGridUnit.h"
#include "model/UVTabelleUnit.h"

class QToolButton;
class TPopupMenue;
class TUVTab;

class TUVForm : public TFensterBasis {
  Q_OBJECT

 public:
  explicit TUVForm(QWidget* parent = nullptr);
  ~TUVForm() override;

  TQuonGrid* UVGrid = nullptr;
  QToolButton* UVWechselKnopf = nullptr;
  QPointer<TPopupMenue> UVPopupMenu;
  std::int32_t fMouseX = 0;
  std::int32_t fMouseY = 0;

  // (Neu) aufbauen für die Tabelle.
  void IUVForm(TUVTab* tab);
  TUVTab* UVTab() const;
  const TUVRaster& Raster() const { return fRaster; }
  // Knopf "o": gekoppelte Kurse nennen ihre Kopplung.
  bool SchalterO() const;

  void KursEinfuegen(TKurs* kurs);
  void KursLoeschen(TKurs* kurs);
  void SpalteEinfuegen(int col, TKlasse* klasse);
  void ZeileEinfuegen(int row, TKlasse* klasse);
  void DoCopy();
  // Mitte einer Zelle im sichtbaren Bereich (für Mausereignisse der Tests).
  QPoint ZellPunkt(int col, int row) const;

  // ---- TFenster ----
  int FensterArt() const override;
  std::string Titel() const override;
  void FensterUpdate() override;
  void FensterRefresh() override;
  std::vector<TKurs*> AusgewaehlteKurse() const override;
  std::string InhaltAlsText() const override;
  void KursGeloescht(TKurs* kurs) override;
  void ElementZeigen(TElement* element) override;
  void AllesAuswaehlen() override;

 signals:
  void MenueGeoeffnet();

 protected:
  // Schließt ein offenes Menü und vergisst das Raster.
  void BeimAbmelden() override;
  bool eventFilter(QObject* objekt, QEvent* event) override;

 private:
  void Uebertragen();
  void Groesse();
  void Zeichne(QPainter& p, int col, int row, const QRect& rect, const TZellZustand& z);
  void MenueZeigen(TMenue menue, int col, int row);
  void KursZellenWaehlen(const TKurs* kurs);
  void MausLos(const TGridMaus& maus);
  void DoppelKlick(const TGridMaus& maus);

  TUVRaster fRaster;
  bool fNachDoppelKlick = false;  // das Loslassen nach einem Doppelklick tut nichts
  bool fAbgleichGeplant = false;
};

// Öffnet ein neues UV-Fenster für die Tabelle und zeigt es.
TUVForm* NeuesUVFenster(TUVTab* tab);
