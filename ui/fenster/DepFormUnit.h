// TDepForm: das Deputatsfenster eines Lehrers, einer Klasse, eines Fachs, eines Raums oder
// einer Kopplung ("Deputat X"), und "alle Kurse" (ohne Element, mit einer eigenen Kursliste).
// Eine Zeile je Kurs; mit den Werkzeugen der Palette werden hier Kurse geändert, Klassen, Räume
// und Info von Kurs zu Kurs gezogen, Spalten sortiert und Kurse kopiert. Die Regeln stehen in
// ui/DeputatUnit; das Fenster bildet nur die Ereignisse darauf ab.
#pragma once

#include <QPointer>
#include <string>
#include <vector>

#include "model/DienstUnit.h"
#include "ui/DeputatUnit.h"
#include "ui/fenster/FensterBasisUnit.h"
#include "ui/fenster/QuonGridUnit.h"

class QListWidget;
class TPopupMenue;

class TDepForm : public TFensterBasis {
  Q_OBJECT

 public:
  explicit TDepForm(QWidget* parent = nullptr);
  ~TDepForm() override;

  TQuonGrid* DepGrid = nullptr;
  // "alle Kurse" mit eigener Liste (die nicht verplanbaren Stunden der Automatik): je Kurs mit
  // offenen Stunden "KURS: Gründe" wie auf der Kommandozeile (OffenGruendeText); sonst verborgen.
  QListWidget* GruendeListe = nullptr;
  QPointer<TPopupMenue> DepPopupMenu;  // das zuletzt geöffnete Menü

  // Das Fenster eines Elements (Lehrer, Klasse, Kopplung, Fach, Raum).
  void IElementDepForm(TElement* element);
  // "alle Kurse" mit den Kursen der Liste; leer: die Kursliste der Schule.
  void IKursDepForm(const std::vector<TKurs*>& menge = {});

  // Der Kurs der Zeile (ab 1), oder nichts.
  TKurs* ZeilenKurs(int row) const;
  int ZeilenZahl() const { return static_cast<int>(fZeilen.size()); }
  // Die Spalte des Rasters (ab 0), die die Art zeigt; -1, wenn sie fehlt.
  int SpalteVon(Deputat::TSpalte art) const;
  // Mitte einer Zelle im sichtbaren Bereich (für Mausereignisse der Tests).
  QPoint ZellPunkt(int col, int row) const;
  // Die aktuellen Filter.
  const Deputat::TFilter& Filter() const { return fFilter; }

  // ---- TFenster ----
  int FensterArt() const override;
  std::string Titel() const override;
  void FensterUpdate() override;
  // Baut das Raster einmal neu auf, sobald die Ereignisschleife wieder läuft: viele Änderungen
  // in Folge (die Automatik setzt Stunde um Stunde) kosten so nur einen Neuaufbau.
  void FensterRefresh() override;
  std::vector<TKurs*> AusgewaehlteKurse() const override;
  void ElementZeigen(TElement* element) override;
  void AllesAuswaehlen() override;
  void KursGeloescht(TKurs* kurs) override;

 signals:
  void MenueGeoeffnet();

 protected:
  // Schließt ein offenes Menü und vergisst die Kurse.
  void BeimAbmelden() override;
  bool eventFilter(QObject* objekt, QEvent* event) override;

 private:
  void IDepForm();
  void Fuellen();
  void GruendeFuellen();
  void ZeileAendern(int row);
  void Groesse();
  bool KursLebt(const TKurs* kurs) const;
  void MenueZeigen(TMenue menue, int col, int row);
  void Zeichne(QPainter& p, int col, int row, const QRect& rect, const TZellZustand& z);

  void MausDruck(const TGridMaus& maus);
  void MausLos(const TGridMaus& maus);
  void DoppelKlick(const TGridMaus& maus);
  void ZiehenUeber(const TGridMaus& maus, TZiehZiel* ziel);
  void ZiehenEnde(const TGridMaus& maus, bool abgelegt);

  bool fAlleKurse = false;
  std::vector<TKurs*> fMenge;  // "alle Kurse" mit eigener Liste; leer: die der Schule
  bool fEigeneMenge = false;
  std::vector<Deputat::TSpaltenDef> fSpalten;
  std::vector<TKurs*> fZeilen;
  Deputat::TFilter fFilter;
  bool fNeuaufbauGeplant = false;
  // Ziehen: Startspalte und der Kurs der Startzeile, beide beim Drücken festgehalten.
  int fZiehSpalte = -1;
  TKurs* fZiehKurs = nullptr;
  int fZiehZeile = -1;
};

// Öffnet ein neues Deputatsfenster für das Element und zeigt es.
TDepForm* NeuesDepFenster(TElement* element);
// Öffnet "alle Kurse" mit den Kursen (oder holt das offene nach vorn und gibt ihm die Kurse).
TDepForm* AlleKurseFenster(const std::vector<TKurs*>& kurse = {});
