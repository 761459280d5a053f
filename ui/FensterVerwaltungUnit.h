// Die Fensterverwaltung: der Fensterdienst des Programms. Sie führt die Liste der angemeldeten
// Fenster (nach Identität, in Folge der Anmeldung), das aktive Fenster und die Umschalttasten,
// und meldet jede Änderung den Fenstern, die ihr zuhören. Die Palette ist eines davon; sie
// führt zugleich die Aufträge aus, die das Hauptfenster betreffen (THauptfenster).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/DienstUnit.h"

// Ein Fenster, das der Fensterverwaltung zuhört.
class TFensterHoerer {
 public:
  virtual ~TFensterHoerer() = default;
  // Ein Fenster ist neu in der Liste.
  virtual void FensterAngemeldet(TFenster* /*fenster*/) {}
  // Ein Fenster ist aus der Liste (es kann schon halb abgebaut sein: nur die Identität zählt).
  virtual void FensterAbgemeldet(TFenster* /*fenster*/) {}
  // Das aktive Fenster hat gewechselt (nichts: keines ist aktiv).
  virtual void AktivesFensterGewechselt(TFenster* /*fenster*/) {}
  // Die Umschalttasten haben sich geändert (Bit 0 Shift, Bit 1 Alt, Bit 2 Strg).
  virtual void UmschaltGeaendert(unsigned /*umschalt*/) {}
  // Ein Fenster hat den Zustand der Schule geändert (etwa die Planversion): Freigaben neu.
  virtual void ZustandGeaendert() {}
};

// Das Hauptfenster: was die Logik über den Fensterdienst vom Hauptfenster will (Befehle
// freigeben, Titelzeile, Fenster öffnen, Auswahllisten).
class THauptfenster : public TFensterHoerer {
 public:
  virtual void SichernFreigeben(bool frei) = 0;
  virtual void TitelSetzen(const std::string& titel) = 0;
  virtual void UndoBefehleFreigeben(bool frei) = 0;
  virtual void ProtokollBefehle(bool an) = 0;
  virtual void NeuesKursFenster(TKurs* kurs, TElement* vater) = 0;
  virtual void PlanFensterZeigen(TPlanElement* element) = 0;
  virtual void ElementFensterNeu(TElement* element, int art) = 0;
  virtual void ManuellFensterOeffnen(const std::vector<TKurs*>& kurse, bool ohneKonflikte) = 0;
  virtual void HintergrundNachHinten() = 0;
  virtual void FensterNachVorne(TFenster* fenster) = 0;
  virtual void PaletteNachVorne() = 0;
  virtual std::optional<TFensterDienst::TElementWahl> ElementWaehlen(TKuerzelArt art, bool mitOhne,
                                                                     int x, int y) = 0;
  virtual void VorigerNaechster(int richtung) = 0;
};

class TFensterVerwaltung : public TFensterDienst {
 public:
  TFensterVerwaltung() = default;
  TFensterVerwaltung(const TFensterVerwaltung&) = delete;
  TFensterVerwaltung& operator=(const TFensterVerwaltung&) = delete;

  // Das Hauptfenster (hört zugleich zu); nichts: die Aufträge an das Hauptfenster entfallen.
  void HauptfensterSetzen(THauptfenster* haupt);
  THauptfenster* Hauptfenster() const { return fHaupt; }
  // Zuhören und aufhören; ein Hörer hört höchstens einmal.
  void HoererAnmelden(TFensterHoerer* hoerer);
  void HoererAbmelden(TFensterHoerer* hoerer);

  // Die angemeldeten Fenster in Folge der Anmeldung.
  const std::vector<TFenster*>& Fenster() const { return fFenster; }
  bool Angemeldet(const TFenster* fenster) const;
  TFenster* AktivesFenster() const { return fAktiv; }
  // Alle Sätze vergessen (nach einem Schulwechsel: die Schule hat ihre Fenster geschlossen).
  void Vergessen();
  // Ein Fenster hat den Zustand der Schule geändert: alle Hörer passen ihre Freigaben an.
  void ZustandMelden();

  // ---- TFensterDienst: Fensterverwaltung ----
  void FensterAnmelden(TFenster* fenster) override;
  void FensterAbmelden(TFenster* fenster) override;
  void FensterAktiviert(TFenster* fenster) override;
  std::optional<unsigned> Umschalttasten() const override { return fUmschalt; }
  void UmschalttastenSetzen(unsigned umschalt) override;

  // ---- TFensterDienst: Aufträge an das Hauptfenster ----
  void SichernFreigeben(bool frei) override;
  void TitelSetzen(const std::string& titel) override;
  void UndoBefehleFreigeben(bool frei) override;
  void ProtokollBefehle(bool an) override;
  void NeuesKursFenster(TKurs* kurs, TElement* vater) override;
  void PlanFensterZeigen(TPlanElement* element) override;
  void ElementFensterNeu(TElement* element, int art) override;
  void ManuellFensterOeffnen(const std::vector<TKurs*>& kurse, bool ohneKonflikte) override;
  void HintergrundNachHinten() override;
  void FensterNachVorne(TFenster* fenster) override;
  void PaletteNachVorne() override;
  std::optional<TElementWahl> ElementWaehlen(TKuerzelArt art, bool mitOhne, int x, int y) override;
  void VorigerNaechster(int richtung) override;

 private:
  // Jeder Hörer einmal, über eine Abschrift (ein Hörer darf sich dabei abmelden).
  template <class F>
  void Melden(F&& f);

  THauptfenster* fHaupt = nullptr;
  std::vector<TFensterHoerer*> fHoerer;
  std::vector<TFenster*> fFenster;
  TFenster* fAktiv = nullptr;
  unsigned fUmschalt = 0;
};

// Die eingesetzte Fensterverwaltung, oder nichts (ohne Fenster oder mit einem anderen Dienst).
TFensterVerwaltung* Fensterverwaltung();
