// TUebersichtForm: die gemeinsame Grundlage der Übersichten für Lehrer, Klassen und Räume
// (TLehrUebForm, TKlasUebForm, TRaumUebForm). Eine Spalte je Element der Stammliste, eine Zeile je
// Tag und Stunde der gezeigten Woche; die Kopfzelle nennt Kürzel, Reststunden und Springstunden.
// Die Werkzeuge wirken wie im Planfenster, Stunden wandern aber nur in der Zeit.
//
// (Der Name TUeberForm gehört dem Fenster "Über WinTamrel".)
//
// Die Datenzellen tragen wie im Planfenster eine Marke ("N", "R", "*sperrung*" oder leer) und den
// Kurs ihrer Stunde als Objekt; die Kopfzeile trägt die Elemente als Objekte.
#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/DienstUnit.h"
#include "model/MenueUnit.h"
#include "ui/fenster/CursorUnit.h"
#include "ui/fenster/EinzelFormUnit.h"
#include "ui/fenster/QuonGridUnit.h"
#include "output/UebersichtUnit.h"

class QPushButton;
class TPopupMenue;
class TPlanElement;
class TRaum;
class TSchule;
class TTamrelPalette;
struct TMausSchritt;

class TUebersichtForm : public TEinzelForm, public TCursorFenster {
  Q_OBJECT

 public:
  // ---- Steuerelemente und Zustand ----
  TQuonGrid* UeberGrid = nullptr;
  QPushButton* UeberWechselKnopf = nullptr;  // "o": Kopplungen zeigen, "x": Klasse bzw. Lehrer
  QPointer<TPopupMenue> UeberPopupMenu;
  std::int32_t fMouseX = 0;
  std::int32_t fMouseY = 0;
  std::int32_t fStartX = -1;
  std::int32_t fStartY = -1;
  std::int32_t fFirstX = -1;
  std::int32_t fFirstY = -1;

  // leh, kla oder rau.
  virtual TKuerzelArt UebArt() const = 0;

  // Füllt das Fenster neu (Woche, Einstellungen, Elemente).
  void IUeberForm();
  void FensterUpdate() override { IUeberForm(); }
  // Zeichnet neu, ohne zu füllen.
  virtual void UeberRefresh();
  void Deselect();
  // Markiert in der Spalte des Elements jede Zeile, in der der Kurs gesetzt werden kann.
  void MarkiereRechtsUeb(TKurs* kurs, const TPlanElement* element);
  void DoCopy();
  bool SchalterO() const;
  void UeberWechselKnopfClick();

  // ---- TFenster ----
  std::string Titel() const override;
  void FensterRefresh() override { UeberRefresh(); }
  std::vector<TKurs*> AusgewaehlteKurse() const override;
  std::string InhaltAlsText() const override;
  void KursGeloescht(TKurs* kurs) override;
  void UebersichtZelle(const TPlanElement* element, int zeile, TKurs* kurs,
                       const std::string& marke) override;
  void MarkiereRechts(TKurs* kurs) override;
  void AllesAuswaehlen() override;

  // ---- TCursorFenster ----
  void CursorAnpassen(TToolArt tool, unsigned umschalt) override;

  // ---- Lesen (auch für Tests) ----
  TPlanElement* Element(int spalte) const;
  int Spalte(const TPlanElement* element) const;
  QString Marke(int spalte, int zeile) const;
  TKurs* ZellKurs(int spalte, int zeile) const;
  QPoint ZellPunkt(int spalte, int zeile) const;
  TUebersicht Inhalt() const;

 signals:
  void MenueGeoeffnet();

 protected:
  // platz: der Platz der Übersicht in der Schule (&TSchule::fLehrUebForm ...).
  explicit TUebersichtForm(TFenster* TSchule::*platz);

  // Zeichnet die Datenzelle (wie im Planfenster der Art).
  virtual void ZeichneZelle(QPainter& painter, const QRect& rect, int col, TKurs* kurs, int row,
                            bool markiert);
  // Das Menü einer leeren Zelle im Setzwerkzeug: nichts, wenn das Element dort gesperrt ist.
  virtual void ErzeugeSetzMenu(TMenue& menue, TPlanElement* element, int std, int tag);

  // Schließt ein offenes Zellmenü.
  void BeimAbmelden() override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* objekt, QEvent* event) override;

 private:
  bool DatenZelle(int col, int row) const;
  bool Gesperrt(int col, int row) const;
  int Stunden() const { return fStunden; }
  unsigned Umschalt() const;
  void UmschaltMerken(TUmschaltMenge umschalt);
  void MarkiereKurs(int col, const TKurs* kurs);
  std::vector<int> MarkierteZeilen(int col) const;
  void ZeichneKopf(QPainter& painter, const QRect& rect, int col);
  void Groesse();
  void MenueZeigen(TMenue menue, const QPoint& bildschirmPos);

  // Werkzeug, Taste und Umschalttasten des Ereignisses an der Zelle, für die Wahl des Schritts.
  TMausSchritt Schritt(const TGridMaus& maus, int col, int row) const;
  void MausDruck(const TGridMaus& maus);
  void MausLos(const TGridMaus& maus);
  void DoppelKlick(const TGridMaus& maus);
  void ZiehenUeber(const TGridMaus& maus, TZiehZiel* ziel);
  void ZiehenEnde(const TGridMaus& maus, bool abgelegt);

  int fStunden = 6;     // fPlnStd beim Füllen
  int fTage = 5;        // fMaxTageNeu beim Füllen
  int fMenuSpalte = 0;  // die Spalte des letzten Menüs des Setzwerkzeugs
};

// Öffnet die Übersicht der Art (leh, kla, rau) oder holt die offene nach vorn.
TUebersichtForm* UebersichtZeigen(TKuerzelArt art);
