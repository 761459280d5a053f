// Die Einstellungen des Programms. Ein Objekt für den ganzen Lauf, aus dem Einstellungsspeicher
// geladen und am Ende zurückgeschrieben; nichts davon steht in einer Schuldatei.
//
// Texte sind Windows-1252 wie im Modell. Ausnahmen: Ordner- und Dateipfade (fOpenPfad …
// fHTMLVertPfad, VDEintrag::HTMLPfad) und Schriftnamen sind UTF-8, denn sie gehen unverändert an
// das Dateisystem und an die Schriften. fKennwort hält die 20 Bytes der verschlüsselten Form.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "model/DienstUnit.h"
#include "model/GlobalUnit.h"
#include "model/ToolsUnit.h"
#include "model/WoElemUnit.h"

using TStdStrFeld = TFeld<TFeld<TFestText<15>, 1, 16>, 1, 54>;
// Beginn oder Ende jeder Stunde je Planversion als "hh:mm"; leer: nicht eingetragen.
using TStdZeitFeld = TFeld<TFeld<TFestText<5>, 1, 16>, 1, 54>;
using TTagStrFeld = TFeld<TFestText<11>, 1, 7>;
using TTagnameFeld = TFeld<TFestText<31>, 1, 7>;
using TAutoTabelle =
    TFeld<TFeld<TFeld<std::int32_t, 1, 7>, 1, 16>, 1, 4>;  // [Tabelle][Stunde][Tag]
using TKalender = TFeld<std::uint8_t, 0, 887>;
using TMemo10 = TFeld<std::vector<std::string>, 1, 10>;
using TVertrCheck = TFeld<bool, 1, 4>;
using TBemBezFeld = TFeld<TFestText<31>, 1, 20>;
using TGrundFeld = TFeld<TGrundString, 1, 20>;

// Eine Voreinstellung des Vertretungsplandrucks.
struct VDEintrag {
  bool DruckVP = true;
  int VPSortArt = 0;
  bool DruckEP = true;
  int EPSortArt = 0;
  bool mitKop = true;
  bool mitDatum = true;
  bool mitAllgBem = true;
  bool mitFeLe = true;
  bool mitFeKl = true;
  bool mitFeRa = true;
  bool mitFehlGrund = true;
  bool mitAdHoc = true;
  bool nurAdHoc = false;
  bool mitFarbe = true;
  bool mitLeLinks = true;
  bool mitLeRechts = true;
  bool mitKlLinks = true;
  bool mitKlRechts = true;
  bool mitFaLinks = true;
  bool mitFaRechts = true;
  bool mitRaLinks = true;
  bool mitRaRechts = true;
  bool mitKW = false;
  bool folgeTag = false;
  std::string HTMLPfad;  // UTF-8
  int LehrerBez = 0;
  int BemArt = 0;
  int BemPos = 0;
  friend bool operator==(const VDEintrag&, const VDEintrag&) = default;
};
using TVDEinstellung = TFeld<VDEintrag, 1, 4>;

// Der 1.1.1994, Vorgabe der Statistik- und Druckzeiträume.
inline constexpr TDateTime kDatum1994 = 34335;

class TStandard {
 public:
  // Vorgaben für alle Felder; fStartZeit und fSaveZeit sind "jetzt" nach der eingesetzten Uhr.
  TStandard();

  // Programmlauf, Fenster und Wochenraster
  bool fEineWoche = true;
  int fAktuelleWoche = 1;
  // Die zuletzt gedruckte Elementliste je Plan- und Übersichtsdruck (Art und Kürzel in
  // Listenfolge); nur für die Laufzeit, nicht gespeichert.
  std::map<std::string, std::vector<std::pair<int, std::string>>> fDruckAuswahl;
  int fPaletteSchalter = 0;
  int fPaletteLinks = 0;
  int fPaletteTop = 0;
  int fFensterOrd = 1;
  // Die mit der Schule gespeicherten Fenster beim Öffnen wieder öffnen.
  bool fFensterWieder = true;
  TStdStrFeld fStdBez;
  // Beginn und Ende der Stunden (Dialog "Zeiten"; settings/StundenZeitUnit.h).
  TStdZeitFeld fStdBeginn;
  TStdZeitFeld fStdEnde;
  TTagStrFeld fTagBez;
  TTagnameFeld fTagName;
  TDateTime fStartZeit = 0;
  TDateTime fSaveZeit = 0;
  std::string fKennwort;  // 20 Bytes, verschlüsselt (settings/KennwortUnit.h)
  std::string fSchulname;
  // Die Kennung der Schule in den Kalenderdateien (Kleinbuchstaben, Ziffern, "-" und "."); leer,
  // bis der erste Kalenderexport sie vergibt.
  std::string fSchulKennung;
  std::vector<std::string> fCustomFarbe;  // 16 × sechs Hex-Ziffern
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
  TDateTime fDepVon = kDatum1994;
  TDateTime fDepBis = kDatum1994;

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
  bool fAuNachbessern = false;  // "anschließend nachbessern"
  int fAuNachbessernSek = 10;   // Zeitgrenze des Nachbesserns in Sekunden

  // Parallele Kopplungen
  int fParZeilen = 10;
  int fParSpalten = 3;
  bool fParUeber = false;
  bool fParMitFach = false;

  // Druck der Kürzellisten
  TSchrift fKueDruckFont;
  bool fKueDruckLe = true, fKueDruckKl = true, fKueDruckKo = true, fKueDruckFa = true,
       fKueDruckRa = true, fKueDruckUV = true;
  int fKueDruckRand = 1;

  // Druck der Deputate
  TSchrift fDepDruckFont;
  int fDepDruckArt = 0;
  bool fDepDruckKlListe = false, fDepDruckRaListe = false, fDepDruck1Seite = false,
       fDepDruckZusatz = false, fDepDruckInfo = false;
  int fDepDruckRand = 1;
  bool fDepDruckFarbe = false;

  // Druck der Lehrerpläne
  TSchrift fLPlnDruckFont;
  int fLPlnDruckVonTag = 1, fLPlnDruckVonStd = 1, fLPlnDruckBisTag = 5, fLPlnDruckBisStd = 9;
  int fLPlnDruckNeben = 0, fLPlnDruckLinks = 0;
  TBemString fLPlnDruckBem;
  bool fLPlnDruckKl = true, fLPlnDruckFa = true, fLPlnDruckRa = true;
  bool fLPlnDruckKo = false, fLPlnDruckStatt = true;
  bool fLPlnDruckSperr = true, fLPlnDruckFix = true, fLPlnDruckFett = false;
  bool fLPlnDruckAlle = true, fLPlnDruckDatum = true, fLPlnDruck1Seite = false;
  int fLPlnDruckRandLi = 1, fLPlnDruckRandRe = 0, fLPlnDruckRandOb = 1, fLPlnDruckRandUn = 0;
  TDateTime fLPlnDruckAb = kDatum1994;
  bool fLPlnDruckFarbe = false, fLPlnDruckVersionen = false;

  // Druck der Klassenpläne
  TSchrift fKPlnDruckFont;
  int fKPlnDruckVonTag = 1, fKPlnDruckVonStd = 1, fKPlnDruckBisTag = 5, fKPlnDruckBisStd = 9;
  int fKPlnDruckNeben = 0, fKPlnDruckLinks = 0;
  TBemString fKPlnDruckBem;
  bool fKPlnDruckLe = true, fKPlnDruckFa = true, fKPlnDruckRa = true;
  bool fKPlnDruckKo = false, fKPlnDruckStatt = true;
  bool fKPlnDruckSperr = true, fKPlnDruckFix = true, fKPlnDruckFett = false;
  bool fKPlnDruckAlle = true, fKPlnDruckDatum = true, fKPlnDruck1Seite = false;
  int fKPlnDruckRandLi = 1, fKPlnDruckRandRe = 0, fKPlnDruckRandOb = 1, fKPlnDruckRandUn = 0;
  TDateTime fKPlnDruckAb = kDatum1994;
  bool fKPlnDruckFarbe = false, fKPlnDruckVersionen = false;

  // Druck der Raumpläne
  TSchrift fRPlnDruckFont;
  int fRPlnDruckVonTag = 1, fRPlnDruckVonStd = 1, fRPlnDruckBisTag = 5, fRPlnDruckBisStd = 9;
  int fRPlnDruckNeben = 0, fRPlnDruckLinks = 0;
  TBemString fRPlnDruckBem;
  bool fRPlnDruckKl = true, fRPlnDruckFa = true, fRPlnDruckLe = true;
  bool fRPlnDruckKo = false, fRPlnDruckStatt = true;
  bool fRPlnDruckSperr = true, fRPlnDruckFix = true, fRPlnDruckFett = false;
  bool fRPlnDruckAlle = true, fRPlnDruckDatum = true, fRPlnDruck1Seite = false;
  int fRPlnDruckRandLi = 1, fRPlnDruckRandRe = 0, fRPlnDruckRandOb = 1, fRPlnDruckRandUn = 0;
  TDateTime fRPlnDruckAb = kDatum1994;
  bool fRPlnDruckFarbe = false, fRPlnDruckVersionen = false;

  // Druck der Kopplungspläne nach Lehrern
  TSchrift fKoLePlnDruckFont;
  int fKoLePlnDruckVonTag = 1, fKoLePlnDruckVonStd = 1, fKoLePlnDruckBisTag = 5,
      fKoLePlnDruckBisStd = 9;
  int fKoLePlnDruckLinks = 0;
  TBemString fKoLePlnDruckBem;
  bool fKoLePlnDruckSperr = true, fKoLePlnDruckFix = true, fKoLePlnDruckFett = false;
  bool fKoLePlnDruckAlle = true, fKoLePlnDruckDatum = true;
  int fKoLePlnDruckRandLi = 1, fKoLePlnDruckRandRe = 0, fKoLePlnDruckRandOb = 1,
      fKoLePlnDruckRandUn = 0;
  TDateTime fKoLePlnDruckAb = kDatum1994;
  bool fKoLePlnDruckFarbe = false, fKoLePlnDruckVersionen = false;
  bool fKoLePlnDruckMitKoBez = true;

  // Druck der Kopplungspläne nach Klassen
  TSchrift fKoKlPlnDruckFont;
  int fKoKlPlnDruckVonTag = 1, fKoKlPlnDruckVonStd = 1, fKoKlPlnDruckBisTag = 5,
      fKoKlPlnDruckBisStd = 9;
  int fKoKlPlnDruckLinks = 0;
  TBemString fKoKlPlnDruckBem;
  bool fKoKlPlnDruckSperr = true, fKoKlPlnDruckFix = true, fKoKlPlnDruckFett = false;
  bool fKoKlPlnDruckAlle = true, fKoKlPlnDruckDatum = true;
  int fKoKlPlnDruckRandLi = 1, fKoKlPlnDruckRandRe = 0, fKoKlPlnDruckRandOb = 1,
      fKoKlPlnDruckRandUn = 0;
  TDateTime fKoKlPlnDruckAb = kDatum1994;
  bool fKoKlPlnDruckFarbe = false, fKoKlPlnDruckVersionen = false;
  bool fKoKlPlnDruckMitKoBez = true;

  // Druck der Lehrerübersicht
  TSchrift fLUebDruckFont;
  int fLUebDruckVonTag = 1, fLUebDruckVonStd = 1, fLUebDruckBisTag = 5, fLUebDruckBisStd = 9;
  TBemString fLUebDruckBem;
  bool fLUebDruckKl = true, fLUebDruckFa = true, fLUebDruckRa = true;
  bool fLUebDruckKo = false, fLUebDruckStatt = true;
  bool fLUebDruckSperr = true, fLUebDruckFix = true, fLUebDruckFett = false;
  int fLUebDruckRandLi = 1, fLUebDruckRandRe = 0, fLUebDruckRandOb = 1, fLUebDruckRandUn = 0;
  bool fLUebDruckFarbe = false, fLUebDruckUnter = false;

  // Druck der Klassenübersicht
  TSchrift fKUebDruckFont;
  int fKUebDruckVonTag = 1, fKUebDruckVonStd = 1, fKUebDruckBisTag = 5, fKUebDruckBisStd = 9;
  TBemString fKUebDruckBem;
  bool fKUebDruckLe = true, fKUebDruckFa = true, fKUebDruckRa = true;
  bool fKUebDruckKo = false, fKUebDruckStatt = true;
  bool fKUebDruckSperr = true, fKUebDruckFix = true, fKUebDruckFett = false;
  int fKUebDruckRandLi = 1, fKUebDruckRandRe = 0, fKUebDruckRandOb = 1, fKUebDruckRandUn = 0;
  bool fKUebDruckFarbe = false, fKUebDruckUnter = false;

  // Druck der Raumübersicht
  TSchrift fRUebDruckFont;
  int fRUebDruckVonTag = 1, fRUebDruckVonStd = 1, fRUebDruckBisTag = 5, fRUebDruckBisStd = 9;
  TBemString fRUebDruckBem;
  bool fRUebDruckKl = true, fRUebDruckFa = true, fRUebDruckLe = true;
  bool fRUebDruckKo = false, fRUebDruckStatt = true;
  bool fRUebDruckSperr = true, fRUebDruckFix = true, fRUebDruckFett = false;
  int fRUebDruckRandLi = 1, fRUebDruckRandRe = 0, fRUebDruckRandOb = 1, fRUebDruckRandUn = 0;
  bool fRUebDruckFarbe = false, fRUebDruckUnter = false;

  // Druck der gemischten Übersicht (Lehrer, Klassen und Räume)
  TSchrift fKoUebDruckFont;
  int fKoUebDruckVonTag = 1, fKoUebDruckVonStd = 1, fKoUebDruckBisTag = 5, fKoUebDruckBisStd = 9;
  TBemString fKoUebDruckBem;
  bool fKoUebDruckSperr = true, fKoUebDruckFix = true, fKoUebDruckFett = false;
  bool fKoUebDruckDatum = true;
  int fKoUebDruckRandLi = 1, fKoUebDruckRandRe = 0, fKoUebDruckRandOb = 1, fKoUebDruckRandUn = 0;
  bool fKoUebDruckFarbe = false, fKoUebDruckUnter = false;

  // Druck der Fachübersicht
  TSchrift fFUebDruckFont;
  TBemString fFUebDruckBem;
  bool fFUebDruckKue = true, fFUebDruckName = true, fFUebDruckKl = true, fFUebDruckRa = true;
  bool fFUebDruckKo = false, fFUebDruckStatt = true, fFUebDruckdate = true;
  int fFUebDruckRand = 1;

  // Druck der Fachkonferenzen
  TSchrift fFaKonfDruckFont;
  bool fFaKonfDruckEinzeln = true, fFaKonfDruckEinsatz = false;
  int fFaKonfDruckRand = 1;

  // Druck der Klassenkonferenzen
  TSchrift fKlKonfDruckFont;
  bool fKlKonfDruckEinzeln = true;
  int fKlKonfDruckRand = 1;

  // Druck der Reststunden
  TSchrift fRestDruckFont;
  int fRestDruckArt = 0;
  int fRestDruckRand = 1;

  // Druck der Stundenverteilung
  TSchrift fSVDruckFont;
  int fSVDruckArt = 0;
  bool fSVDruckSperr = false, fSVDruckSpring = false, fSVDruckFarbe = false;
  int fSVDruckRand = 1;

  // Druck der Unterrichtsverteilung
  TSchrift fUVDruckFont;
  bool fUVDruckFett = false;
  int fUVDruckRand = 1;
  bool fUVDruckFarbe = false;

  // Druck der Fehlerliste
  TSchrift fFehlDruckFont;
  int fFehlDruckRand = 1;

  // Druck der Vertretungsübersichten
  TSchrift fVUebDruckFont;
  int fVUebDruckRand = 1;

  // Druck der parallelen Kopplungen
  TSchrift fParDruckFont;
  bool fParDruckMitLe = false, fParDruckMitFa = false, fParDruckMitKonfl = false;
  int fParDruckRand = 1;

  // Kalender: Byte w ist die Woche ab Montag 27.12.1993 + 7·w Tage; Bit d-1 = Feiertag.
  TKalender fFerien;

  // Kopieren von Planversionen
  int fVersKuerzel = 5;
  bool fVersAuchPlan = true;

  // Vertretungen
  int fVertrSortArt = 0;
  int fVertrLeAuswahl = 2;
  int fVertrLeLeft = 10, fVertrLeTop = 50, fVertrRaLeft = 10, fVertrRaTop = 50;
  int fVertrLeft = 100, fVertrTop = 50;
  int fVertrVStdAuswahl = 1, fVertrPlnAuswahl = 0;
  bool fVertrFreiCheck = true, fVertrRandCheck = true, fVertrInaktivCheck = true;
  TSchrift fVertrDruckFont;
  int fVertrDruckRand = 1;
  TMemo10 fVMemo;  // je Text höchstens kMemoZeilen Zeilen
  TVertrCheck fVertrCheck;
  TSchrift fVStdDruckFont;
  int fVStdDruckRand = 1;
  TVDEinstellung fVDEinstellung;
  bool fVertrHTMLGemeinsam = false, fVertrHTMLScrollen = false, fVertrHTMLMitTagesordner = false,
       fVertrHTMLNurVertreteneStd = false;
  bool fVertrHTMLMitZurueck = true;
  int fVertrHTMLSize = 0;
  int fVertrScrollSekunden = 5, fVertrScrollPixel = 100;
  int fVertrLaden = 32, fVertrLeerzeilen = 0;
  std::string fVertrCSS = "tamrel.css";
  TDateTime fVExpVon = 41640;  // 01.01.2014
  TDateTime fVExpBis = 41699;  // 01.03.2014
  TBemBezFeld fBemBez;
  TGrundFeld fGrund;
  bool fVBemAuto = true;
  bool fVFrei = true;

  // Verdichten
  bool fKompMehrfach = false;
  bool fKompBruecken = false;

  // Höchstzahl der Zeilen eines freien Textes (fVMemo), so viele fasst der Speicher.
  static constexpr int kMemoZeilen = 100;

  // Laden aus dem und Schreiben in den eingesetzten Einstellungsspeicher
  // (persistence/StandardSpeicherUnit.h). SaveStandard ist falsch, wenn das Schreiben misslang.
  void LoadStandard();
  bool SaveStandard() const;

  // Prüft die Tabellen der automatischen Planung: enthält eine Zelle 0 oder kommt in einer
  // Tabelle eine Ordnungszahl 1..112 (nach Betrag) nicht genau einmal vor, werden alle vier
  // durch die Vorgabetabellen ersetzt.
  void TesteTabelle();
  static TAutoTabelle StandardTabellen();

  // Zeile i (1..111) des Kalenders: die Bytes 8·(i−1) … 8·(i−1)+7 als 16 Hex-Ziffern.
  static std::string KalenderZeile(int i, const TKalender& kalender);
  // Setzt Zeile i aus 16 Hex-Ziffern; falsch (und nichts geändert) bei ungültigem Text.
  static bool SetKalenderZeile(int i, const std::string& text, TKalender& kalender);
  // Feiertag nach fFerien; Tage vor dem 27.12.1993 liegen außerhalb des Kalenders.
  bool FerienTag(TDateTime datum) const;
  // Der Wochentag (Montag = 1) liegt hinter fMaxTageNeu.
  bool WochenEnde(TDateTime datum) const;

  // Abgeleitete Breiten und Höhen nach den Textmaßen (ohne Argument: die eingesetzte Metrik).
  void BerechnePlnBreite(TTextMetrik& metrik);
  void BerechnePlnBreite();
  void BerechneDepBreite(TTextMetrik& metrik);
  void BerechneDepBreite();

  int PlnKlKoBreite() const;
  int PlnLeKoBreite() const;
  int PlnFaKoBreite() const;
  int PlnMaxBreite() const;

  friend bool operator==(const TStandard&, const TStandard&) = default;
};
