// Das Fenster "Parallele Kopplungen": Zeilen von Kopplungen, die zugleich liegen sollen, mit der
// Zahl der Lehrerkonflikte je Zeile. Die Werkzeuge der Palette setzen, leeren, fixieren und
// verschieben Kopplungen; "Automatik" sucht eine Anordnung ohne Konflikte; eine Zeile ohne
// Konflikt wird über ihre Kopfzelle an eine gemeinsame freie Zeit gesetzt.
#pragma once

#include <QPointer>
#include <memory>

#include "ui/fenster/EinzelFormUnit.h"
#include "model/MenueUnit.h"
#include "planning/ParTabelleUnit.h"

class TQuonGrid;
class TPopupMenue;
struct TGridMaus;

class TParForm : public TEinzelForm {
  Q_OBJECT

 public:
  // "Daten › Parallele Kopplungen": ein offenes Fenster kommt nach vorn; sonst der Startdialog
  // und mit "Ok" das Fenster.
  static TParForm* ParItemClick(QWidget* parent);
  // Legt das Fenster nach den Einstellungen an (ohne Startdialog) und zeigt es.
  static TParForm* ZeigeParForm();

  TQuonGrid* ParGrid = nullptr;
  QPointer<TPopupMenue> ParPopupMenu;  // das zuletzt geöffnete Menü

  TParTabelle& Tabelle() { return *fTabelle; }
  // Raster nach der Tabelle: Größe, Spaltenbreiten, Köpfe.
  void IParForm();
  // "Automatik": die Suche im modalen Dialog "Suche Lösung".
  void SucheLoesung();
  // Mittelpunkt der Zelle (Zeile r, Spalte c; 0 = Kopf) im sichtbaren Bereich des Rasters.
  QPoint ZellPunkt(int r, int c) const;

  // ---- TFenster ----
  int FensterArt() const override;
  std::string Titel() const override { return "Parallele Kopplungen"; }
  void FensterUpdate() override;
  void FensterRefresh() override;
  std::string InhaltAlsText() const override;

 signals:
  void MenueGeoeffnet();

 private:
  TParForm();
  void Zeichne(QPainter& p, int col, int row, const QRect& rect);
  void MausDruck(const TGridMaus& m);
  void DoppelKlick(const TGridMaus& m);
  void ZiehenEnde(const TGridMaus& m, bool abgelegt);
  void ZeigeMenue(TMenue menue, const QPoint& pos);
  void Geaendert();

  std::unique_ptr<TParTabelle> fTabelle;
  bool fMitFach = false;
  int fStartR = 0, fStartC = 0;
  bool fKopieren = false;
};
