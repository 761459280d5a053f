// TPlnForm: das Planfenster eines Lehrers, einer Klasse oder eines Raums für die gezeigte Woche
// (fAktuelleWoche): eine Spalte je Tag, eine Zeile je Stunde, jede Stunde in der Farbe ihres
// Kurses mit bis zu drei Kürzeln. Mit den Werkzeugen der Palette werden hier Stunden gesetzt,
// geschoben, getauscht, gelöscht und fixiert; "Kopieren" legt den Plan als Text ab.
//
// Die Datenzellen des Rasters tragen eine Marke als Text ("N" gewöhnlich, "R" vom Programm
// hervorgehoben, "*sperrung*" gesperrt, leer) und den Kurs ihrer Stunde als Objekt.
#pragma once

#include <QPointer>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/DienstUnit.h"
#include "model/MenueUnit.h"
#include "ui/fenster/CursorUnit.h"
#include "planning/PlanInhaltUnit.h"
#include "ui/fenster/FensterBasisUnit.h"
#include "ui/fenster/QuonGridUnit.h"

class QPushButton;
class TPopupMenue;
class TPlanElement;
class TRaum;
class TTamrelPalette;
struct TMausSchritt;

class TPlnForm : public TFensterBasis, public TCursorFenster {
  Q_OBJECT

 public:
  ~TPlnForm() override;

  // Marken der Datenzellen.
  static const QString MarkeNormal;    // "N"
  static const QString MarkeRechts;    // "R"
  static const QString MarkeSperrung;  // "*sperrung*"
  // Die Marke einer Datenzelle: "*sperrung*" vor "N" für eine Stunde, sonst leer.
  static QString ZellMarke(bool gesperrt, bool stunde);

  // ---- Steuerelemente und Zustand ----
  TQuonGrid* PlnGrid = nullptr;
  QPushButton* PlanWechselKnopf = nullptr;  // "o": Kopplungen zeigen, "x": Klasse bzw. Lehrer
  QPointer<TPopupMenue> PlnPopupMenu;       // das zuletzt geöffnete Zellmenü
  std::int32_t fMouseX = 0;
  std::int32_t fMouseY = 0;
  std::int32_t fStartX = -1;  // beim Ziehen die aktuelle Zielzelle
  std::int32_t fStartY = -1;
  std::int32_t fFirstX = -1;  // die Zelle, an der das Ziehen begann
  std::int32_t fFirstY = -1;

  // Das Element des Fensters.
  TPlanElement* PlanElem() const;
  // leh, kla oder rau.
  virtual TKuerzelArt PlanArt() const = 0;

  // Füllt das Fenster für die Woche neu (gleiches Element).
  void FensterUpdate() override;
  // Zeichnet das Raster neu, ohne zu füllen.
  virtual void PlanRefresh();
  // Die Stunden eines Kurses in der gezeigten Woche eintragen (Marke "N", Objekt der Kurs).
  virtual void PlnKursEintrag(TKurs* kurs);
  // Jede Datenzelle wieder "N" (gesperrte "*sperrung*"): hebt alle Marken "R" auf.
  void Deselect();
  // Legt den Plan als Text in die Zwischenablage.
  void DoCopy();
  // Der Knopf zeigt "o" (Kopplungen werden gezeigt).
  bool SchalterO() const;
  // Den Knopf drücken: "o" und "x" wechseln, das Raster wird neu gezeichnet.
  void PlanWechselKnopfClick();

  // ---- TFenster ----
  std::string Titel() const override;
  void FensterRefresh() override { PlanRefresh(); }
  std::vector<TKurs*> AusgewaehlteKurse() const override;
  std::string InhaltAlsText() const override;
  void PlanZelle(int tag, int std, TKurs* kurs, const std::string& marke) override;
  void MarkiereRechts(TKurs* kurs) override;
  void AllesAuswaehlen() override;

  // ---- TCursorFenster ----
  void CursorAnpassen(TToolArt tool, unsigned umschalt) override;

  // ---- Lesen (auch für Tests) ----
  QString Marke(int tag, int std) const;
  TKurs* ZellKurs(int tag, int std) const;
  // Mitte der Zelle im sichtbaren Bereich des Rasters (für Mausereignisse).
  QPoint ZellPunkt(int tag, int std) const;
  // Der Inhalt, wie das Raster ihn zeigt.
  TPlanInhalt Inhalt() const;

 signals:
  // Ein Zellmenü ist aufgegangen (es steht in PlnPopupMenu).
  void MenueGeoeffnet();

 protected:
  explicit TPlnForm(QWidget* parent = nullptr);

  // Der gemeinsame Teil von ILePlnForm, IKlPlnForm und IRaPlnForm.
  void IPlnForm(TPlanElement* element);
  // Die Stunden der Kurse des Elements eintragen (PlnKursEintrag je Kurs, in Listenfolge).
  virtual void KurseEintragen();
  // Füllt das Menü einer leeren Zelle (Setzwerkzeug): nichts, wenn das Element dort gesperrt ist,
  // sonst die Einträge jedes Kurses des Elements (mit Raumwahl außer im Raumplan).
  virtual void ErzeugeSetzMenu(TMenue& menue, int tag, int std);
  // Zeichnet die Datenzelle (Hintergrund und Kürzel der Stunde).
  virtual void ZeichneZelle(QPainter& painter, const QRect& rect, int col, TKurs* kurs, int row,
                            bool markiert);
  // Der Raum, auf den Zellmenüs die Stunden beschränken (Raumplan: sein Raum).
  virtual const TRaum* RaumFilter() const { return nullptr; }

  // Schließt ein offenes Zellmenü.
  void BeimAbmelden() override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* objekt, QEvent* event) override;

 private:
  bool DatenZelle(int col, int row) const;
  bool Gesperrt(int tag, int std) const;
  unsigned Umschalt() const;
  void UmschaltMerken(TUmschaltMenge umschalt);
  void MarkiereKurs(const TKurs* kurs);
  std::vector<std::pair<int, int>> MarkierteZellen() const;
  void Groesse();
  void RollbalkenWaehlen();
  void MenueZeigen(TMenue menue, const QPoint& bildschirmPos);

  // Werkzeug, Taste und Umschalttasten des Ereignisses an der Zelle, für die Wahl des Schritts.
  TMausSchritt Schritt(const TGridMaus& maus, int col, int row) const;
  void MausDruck(const TGridMaus& maus);
  void MausLos(const TGridMaus& maus);
  void DoppelKlick(const TGridMaus& maus);
  void ZiehenUeber(const TGridMaus& maus, TZiehZiel* ziel);
  void ZiehenEnde(const TGridMaus& maus, bool abgelegt);
};

// Öffnet ein neues Planfenster für das Element (Lehrer, Klasse oder Raum), setzt es an seinen
// Platz und zeigt es; nichts für andere Elemente.
TPlnForm* NeuesPlanFenster(TPlanElement* element);
