// Die Einstellungen des Programms. Ein Objekt für den ganzen Lauf, aus dem Einstellungsspeicher
// geladen und am Ende zurückgeschrieben; nichts davon steht in einer Schuldatei.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/DienstUnit.h"
#include "model/GlobalUnit.h"
#include "model/ToolsUnit.h"
#include "model/WoElemUnit.h"

using TStdStrFeld = TFeld<TFeld<TFestText<15>, 1, 16>, 1, 54>;
using TTagStrFeld = TFeld<TFestText<11>, 1, 7>;
using TTagnameFeld = TFeld<TFestText<31>, 1, 7>;
using TAutoTabelle =
    TFeld<TFeld<TFeld<std::int32_t, 1, 7>, 1, 16>, 1, 4>;  // [Tabelle][Stunde][Tag]
using TKalender = TFeld<std::uint8_t, 0, 887>;

class TStandard {
 public:
  TStandard();

  // Programmlauf, Fenster und Wochenraster
  bool fEineWoche = true;
  int fAktuelleWoche = 1;
  int fPaletteSchalter = 0;
  int fPaletteLinks = 0;
  int fPaletteTop = 0;
  int fFensterOrd = 1;
  TStdStrFeld fStdBez;
  TTagStrFeld fTagBez;
  TTagnameFeld fTagName;
  TDateTime fStartZeit = 0;
  TDateTime fSaveZeit = 0;
  std::string fKennwort;
  std::string fSchulname;
  std::vector<std::string> fCustomFarbe;
  std::string fOpenPfad, fImportPfad, fVertrExportPfad, fHTMLPlanPfad, fHTMLVertPfad;
  int fMaxWocheNeu = 1;
  int fMaxTageNeu = 7;
  int fDivisor = 1;
  int fVorKomma = 2;
  int fNachKomma = 1;
  int fVertrMerke = 10;
  int fSpeicherZeit = 0;
  bool fHintergrundAn = true;
  TColor fHintergrundFarbe = clWhite;

  // Planfenster
  int fPlnStd = 6;
  bool fNebenEinander = true;
  bool fMitRaum = true;
  bool fPlnKoppFett = true;
  TSchrift fPlnFont{"Arial", 8};
  int fPlnHoehe = 18;
  int fPlnLeBreite = 40, fPlnKlBreite = 40, fPlnKoBreite = 40, fPlnFaBreite = 40, fPlnRaBreite = 40;
  int fPlnTagBreite = 40, fPlnStdBreite = 40, fPlnWertBreite = 40;
  int fManArt = 0;
  bool fManZeigKopp = true;

  // Wöchentlicher Unterrichtsausfall
  int fWoAusfallKW = 1;
  int fWoAusfallJahr = 2018;

  // Deputatsfenster
  TSchrift fDepFont{"Arial", 8};
  int fDepHoehe = 18;
  int fDepLeBreite = 40, fDepKlBreite = 40, fDepKoBreite = 40, fDepFaBreite = 40, fDepRaBreite = 40;
  int fDepWertBreite = 40, fDepStdBreite = 40;
  bool fMitNullStd = true;
  bool fMitKursInfo = false;
  bool fMitZusatzInfo = false;
  bool fMitStatistik = false;
  TDateTime fDepVon = 34335;  // 01.01.1994
  TDateTime fDepBis = 34335;

  // Vorgaben für neue Kurse
  int fKursStd = 3;
  int fStdProTag = 1;
  int fEinzelStd = 3;
  int fTabellenNr = 1;
  int fFaktor = 1;
  bool fNichtVerplanen = false;
  bool fNichtZaehlenLe = false;
  bool fNichtZaehlenKl = false;
  TColor fKursFarbe = clWhite;
  bool fNachKlSortiert = true;
  TWoElem fKuWoElem;

  // Vorgaben für neue Lehrer, Klassen und Räume
  TWoElem fGrWoElem;
  int fLeSoll = 24;
  int fKlSoll = 30;

  // Dialog "Pläne löschen"
  int fPlLoeRadio = 0;
  bool fPlLoeMitKopp = true;
  bool fPlLoeFixNicht = true;

  // Automatische Planung
  TAutoTabelle fAuTab;
  int fAuStd = 1000;
  int fAuProzent = 100;
  bool fAuRaumUnwichtig = true;
  bool fAuEinzelUnwichtig = true;
  bool fAuFreiUnwichtig = true;

  // Parallele Kopplungen
  int fParZeilen = 10;
  int fParSpalten = 3;
  bool fParUeber = false;
  bool fParMitFach = false;

  // Kalender: Byte w ist die Woche ab Montag 27.12.1993 + 7·w Tage; Bit d-1 = Feiertag.
  TKalender fFerien;

  // Kopieren von Planversionen
  int fVersKuerzel = 5;
  bool fVersAuchPlan = true;

  // Verdichten
  bool fKompMehrfach = false;
  bool fKompBruecken = false;

  // Abgeleitete Breiten
  int PlnKlKoBreite() const;
  int PlnLeKoBreite() const;
  int PlnFaKoBreite() const;
  int PlnMaxBreite() const;
};
