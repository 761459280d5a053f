// Die Druckdialoge der Übersichten und Listen. Jeder lädt seine Optionen aus den Einstellungen,
// speichert sie bei "Ok", "Ansehen" und "Als PDF speichern…" und druckt über den Ablauf in
// DruckAuftragUnit mit der Zeichenroutine aus DruckUebUnit bzw. DruckListeUnit.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "output/DruckAuftragUnit.h"
#include "output/DruckListeUnit.h"
#include "output/fenster/DruckPlnFormUnit.h"
#include "output/DruckUebUnit.h"
#include "model/UVTabelleUnit.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QGridLayout;

// Ein Element der Art aus dem Elementmenü der Palette an der Stelle; nichts bei Abbruch.
using TEinzelWahl = std::function<TElement*(TKuerzelArt, const QPoint&)>;

// "Drucke Lehrer-/Klassen-/Raum-/Kombinationsübersichten".
class TDruckUebForm : public TBereichsDruckDialog {
 public:
  TDruckUebForm(TUebDruckArt art, TDruckPlattform& plattform, TMehrfachWahl wahl,
                QWidget* vater = nullptr);

  TUebDruckArt Art() const { return fArt; }
  TUebDruckOptionen Optionen() const;
  void SetzeOptionen(const TUebDruckOptionen& o);
  // "Auswahl" (art: die Art der Kombination; sonst die eigene).
  void AuswahlKnopfClick(TKuerzelArt art);

  QCheckBox* unterCheck;

 private:
  void OptionenSpeichern() override;
  TDruckAuftrag Auftrag() const override;
  void BereichAnpassen();

  TUebDruckArt fArt;
  TMehrfachWahl fWahl;
};

// "Drucke Fächerübersichten".
class TDruckFUebForm : public TDruckDialog {
 public:
  TDruckFUebForm(TDruckPlattform& plattform, TEinzelWahl wahl, QWidget* vater = nullptr);
  TFUebDruckOptionen Optionen() const;
  void SetzeOptionen(const TFUebDruckOptionen& o);
  // Setzt "von" bzw. "bis" und gleicht den Bereich ab.
  void FachWaehlen(bool von, TFach* f);

  QPushButton *VonKnopf, *BisKnopf;
  QCheckBox *KueCheck, *NameCheck, *KlCheck, *RaCheck, *stattCheck, *KoCheck, *DatumCheck;
  QLineEdit* BemFeld;
  QSpinBox* RandSpin;
  TFach *fVon = nullptr, *fBis = nullptr;

 private:
  void OptionenSpeichern() override;
  TDruckAuftrag Auftrag() const override;
  TEinzelWahl fWahl;
  bool fSperre = false;
};

// Die Listendrucke mit ihrem gemeinsamen Rahmen.
enum class TListenDruck {
  Kuerzel,
  Deputate,
  FachKonf,
  KlassenKonf,
  Rest,
  SV,
  VStd,
  Fehler,
  UV,
  Par
};

class TDruckListeForm : public TDruckDialog {
 public:
  // element: die Vorbelegung der Liste (Deputate: das Element des aktiven Deputatsfensters).
  TDruckListeForm(TListenDruck art, TDruckPlattform& plattform, TMehrfachWahl mehrfach,
                  TEinzelWahl einzel, QWidget* vater = nullptr);

  TListenDruck Art() const { return fArt; }
  // Die gewählte Art unter "für" bzw. "Kürzelart" (Radiogruppe), sonst 0.
  int ArtWahl() const;
  void SetzeArtWahl(int art);
  std::vector<TElement*> Gewaehlt() const;
  void ElementAnhaengen(TElement* e);
  void BereichWaehlen(bool von, TElement* e);

  // Die Quellen der drei Fensterdrucke.
  std::vector<std::string> fFehlerZeilen;  // UTF-8
  const TUVTab* fUVTab = nullptr;
  TUVRaster fUVRaster;  // das Raster des Fensters
  bool fUVKopplung = false;
  TParTabelle* fParTabelle = nullptr;

  std::vector<QCheckBox*> Checks;        // die eigenen Häkchen in Tabellenfolge
  std::vector<QRadioButton*> ArtRadios;  // "für" bzw. "Kürzelart"
  QListWidget *AuswahlListe = nullptr, *GewaehltListe = nullptr;
  QPushButton *AuswahlKnopf = nullptr, *VonKnopf = nullptr, *BisKnopf = nullptr;
  QSpinBox* RandSpin;
  TElement *fVon = nullptr, *fBis = nullptr;

 private:
  void OptionenSpeichern() override;
  TDruckAuftrag Auftrag() const override;
  void ArtGeaendert();
  TKuerzelArt ElementArt() const;

  TListenDruck fArt;
  TMehrfachWahl fMehrfach;
  TEinzelWahl fEinzel;
};

// "Drucke Vertretungsübersicht für Lehrer" bzw. "… für Klassen".
class TDruckVUebForm : public TDruckDialog {
 public:
  // von, bis: der Zeitraum, mit dem der Dialog beginnt (Menü: heute bis heute).
  TDruckVUebForm(bool lehrer, TDruckPlattform& plattform, TDateTime von, TDateTime bis,
                 QWidget* vater = nullptr);
  std::vector<TPlanElement*> Gewaehlt() const;
  void ElementAnhaengen(TPlanElement* e);
  void AlleKnopfClick();
  // Der Zeitraum aus den Feldern (Tage, die der Monat nicht hat, gesenkt).
  TDateTime Von() const;
  TDateTime Bis() const;

  QSpinBox *VonTagSpin, *VonMonatSpin, *VonJahrSpin, *BisTagSpin, *BisMonatSpin, *BisJahrSpin;
  QListWidget *AuswahlListe, *GewaehltListe;
  QPushButton* AlleKnopf;
  QSpinBox* RandSpin;

 private:
  void OptionenSpeichern() override;
  TDruckAuftrag Auftrag() const override;
  bool fLehrer;
};

// Öffnen modal (für die Palette). vorbelegt: die Liste, mit der der Übersichtsdruck beginnt
// (aus einem Übersichtsfenster dessen Elemente); alle: die Vertretungsübersicht beginnt mit
// allen Lehrern bzw. Klassen (aus ihrem Fenster).
void UebDruckZeigen(TUebDruckArt art, TMehrfachWahl wahl, QWidget* vater,
                    const std::vector<TPlanElement*>& vorbelegt = {});
void FUebDruckZeigen(TEinzelWahl wahl, QWidget* vater);
void VUebDruckZeigen(bool lehrer, TDateTime von, TDateTime bis, QWidget* vater, bool alle = false);
// element: Vorbelegung (Deputate); die Fensterdrucke setzen ihre Quelle in vorher.
void ListenDruckZeigen(TListenDruck art, TMehrfachWahl mehrfach, TEinzelWahl einzel,
                       TElement* element, QWidget* vater,
                       const std::function<void(TDruckListeForm&)>& vorher = {});
