// Was die Logik von draußen braucht: Fragen und Meldungen, Fenster, Einstellungsspeicher,
// Zwischenablage, Textmaße und Uhr. Jede Schnittstelle ist einmal mit Qt und einmal als
// Attrappe für die Tests umgesetzt. Alle Texte, die diese Schnittstellen überqueren, sind UTF-8.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/GlobalUnit.h"

enum class TMeldungsArt { Information, Warnung, Fehler, Frage };

// Eine Frage an den Benutzer: Fenstertitel, Textzeilen und Knöpfe.
struct TFrage {
  std::string Titel;
  std::vector<std::string> Zeilen;
  TMeldungsArt Art = TMeldungsArt::Frage;
  std::vector<std::string> Knoepfe;
  int StandardKnopf = 0;  // Knopf bei Eingabetaste
  int EscapeKnopf = -1;   // Knopf bei Escape; -1: der letzte
};

class TDialogDienst {
 public:
  virtual ~TDialogDienst() = default;
  // Zeigt die Frage modal und liefert den Index des gedrückten Knopfes.
  virtual int Frage(const TFrage& frage) = 0;
  // Meldung mit einem Knopf "Ok".
  virtual void Meldung(const std::string& titel, const std::vector<std::string>& zeilen,
                       TMeldungsArt art) = 0;
  virtual void Piep() = 0;
  // Sanduhr: verschachtelbar, An und Aus paarweise.
  virtual void BeschaeftigtAn() = 0;
  virtual void BeschaeftigtAus() = 0;
  // Das kleine nicht-modale Meldungsfenster mit einer Textzeile.
  virtual void MeldungsFensterZeigen(const std::string& text) = 0;
  virtual void MeldungsFensterSchliessen() = 0;
  // Lässt anstehende Eingaben laufen (zwischen Schritten langer, abbrechbarer Vorgänge).
  virtual void EingabenVerarbeiten() = 0;

  // Bequeme Form: Frage mit Titel, Zeilen und Knöpfen.
  int Frage(const std::string& titel, std::vector<std::string> zeilen, TMeldungsArt art,
            std::vector<std::string> knoepfe, int standardKnopf = 0, int escapeKnopf = -1) {
    return Frage(
        TFrage{titel, std::move(zeilen), art, std::move(knoepfe), standardKnopf, escapeKnopf});
  }
};

// Sanduhr für die Dauer eines Blocks.
class TBeschaeftigt {
 public:
  TBeschaeftigt();
  ~TBeschaeftigt();
  TBeschaeftigt(const TBeschaeftigt&) = delete;
  TBeschaeftigt& operator=(const TBeschaeftigt&) = delete;
};

class TKurs;
class TElement;
class TPlanElement;

// Lage eines Fensters auf dem Bildschirm in Bildpunkten (so steht sie in der Schuldatei).
struct TFensterLage {
  int Links = 0;
  int Oben = 0;
  int Breite = 0;
  int Hoehe = 0;
  friend bool operator==(const TFensterLage&, const TFensterLage&) = default;
};

// Ein offenes Fenster, wie die Schule es sieht.
class TVertretung;

// Eine Änderung am Modell, die die Schule allen angemeldeten Fenstern meldet
// (TSchule::FensterMelden). Jedes Fenster nimmt, was es zeigt, und übergeht den Rest.
struct TModellAenderung {
  enum class TArt {
    Tag,               // eine Vertretung des Tages Datum ist entstanden oder verschwunden
    VertretungGezeigt  // die Vertretungswahl zeigt nun Vertretung
  };
  TArt Art = TArt::Tag;
  TDateTime Datum = 0;                      // Tag: mittags
  const TVertretung* Vertretung = nullptr;  // VertretungGezeigt

  static TModellAenderung TagGeaendert(TDateTime datum) { return {TArt::Tag, datum, nullptr}; }
  static TModellAenderung Gezeigt(const TVertretung* v) { return {TArt::VertretungGezeigt, 0, v}; }
};

class TFenster {
 public:
  virtual ~TFenster() = default;
  // Die Fensterart (die Kennzahl des Fensters).
  virtual int FensterArt() const = 0;
  // Die Überschrift (UTF-8).
  virtual std::string Titel() const = 0;
  // Vollständig neu aufbauen.
  virtual void FensterUpdate() = 0;
  // Angezeigte Werte auffrischen.
  virtual void FensterRefresh() = 0;
  // Die Lage auf dem Bildschirm; die Schuldatei speichert sie mit der Fensterliste.
  virtual TFensterLage Lage() const { return {}; }
  // Das Fenster schließen; es meldet sich dabei aus allen Verweisen ab.
  virtual void Schliessen() = 0;

  // Was die Schule bei Befehlen der Palette vom aktiven Fenster wissen muss. Ein Fenster, das
  // nichts davon hat, behält die leeren Antworten.
  // Die ausgewählten Kurse (Deputatsfenster, "alle Kurse", UV-Tabelle).
  virtual std::vector<TKurs*> AusgewaehlteKurse() const { return {}; }
  // Der Inhalt als Text für die Zwischenablage (Plan-, Übersichts-, Statistikfenster ...).
  virtual std::string InhaltAlsText() const { return {}; }
  // Ein Info- oder Bemerkungsfeld hat den Eingabefokus.
  virtual bool TextFeldHatFokus() const { return false; }
  // Der markierte Text dieses Feldes; ihn löschen (Ausschneiden); Text an seiner Stelle einsetzen.
  virtual std::string MarkierterText() const { return {}; }
  virtual void MarkiertenTextLoeschen() {}
  virtual void TextEinsetzen(const std::string& /*text*/) {}
  // Der Kurs wird gelöscht: das Fenster vergisst ihn (Kursfenster: schließt sich, wenn es ihn
  // zeigt; UV-Tabellen leeren seine Zellen; Manuell nimmt ihn aus seiner Liste).
  virtual void KursGeloescht(TKurs* /*kurs*/) {}
  // Das Element wird gelöscht: wer es sich gemerkt hat, vergisst es (das Kursfenster die Liste,
  // in der es blättert). Fenster, die das Element selbst zeigen, schließt die Schule.
  virtual void ElementGeloescht(TElement* /*element*/) {}
  // Eine Änderung am Modell (TModellAenderung); nur wer sie zeigt, baut sich neu auf.
  virtual void Geaendert(const TModellAenderung& /*aenderung*/) {}

  // Plan- und Übersichtsfenster: die Setzungen haben sich geändert. Die Logik meldet nur Zellen
  // der gezeigten Woche (fAktuelleWoche) innerhalb des Rasters (fMaxTageNeu, fPlnStd).
  // Planfenster: die Zelle zeigt nun den Kurs mit der Marke "N" oder "F"; ohne Kurs (Marke leer)
  // wird sie geleert.
  virtual void PlanZelle(int /*tag*/, int /*std*/, TKurs* /*kurs*/, const std::string& /*marke*/) {}
  // Übersichtsfenster: dasselbe in der Spalte des Elements, Zeile (Tag - 1) * fPlnStd + Stunde.
  virtual void UebersichtZelle(const TPlanElement* /*element*/, int /*zeile*/, TKurs* /*kurs*/,
                               const std::string& /*marke*/) {}
  // Plan- und Übersichtsfenster: die Zellen markieren, in denen der Kurs gesetzt werden kann
  // (frei in seinem fSetzungUnmoeglich der gezeigten Woche).
  virtual void MarkiereRechts(TKurs* /*kurs*/) {}
  // Ein Daten-, Deputats- oder Planfenster zeigt künftig dieses Element (gleicher Art); es nimmt
  // sich dabei aus dem Fenstermenü und trägt sich unter der neuen Überschrift wieder ein.
  virtual void ElementZeigen(TElement* /*element*/) {}
  // "Alles auswählen": jede Zeile oder Zelle des Rasters.
  virtual void AllesAuswaehlen() {}
  // "Voriger" (richtung -1) und "Nächster" (+1) in Fenstern, die selbst blättern (Kurs,
  // Manuell, Vertretungen, Vertretungswahl); umschalt: Bit 0 Shift, Bit 1 Alt, Bit 2 Strg.
  virtual void Blaettern(int /*richtung*/, unsigned /*umschalt*/) {}
};

// Was die Logik vom Hauptfenster und der Fensterverwaltung braucht. Jede Art Fenster, die die
// Logik öffnen muss, bekommt hier ihre Methode.
class TFensterDienst {
 public:
  virtual ~TFensterDienst() = default;
  // Der Befehl "Sichern" ist genau dann wählbar, wenn die Schule geändert ist.
  virtual void SichernFreigeben(bool frei) = 0;
  // Die Titelzeile des Hauptfensters (UTF-8), etwa "WinTamrel 3.9.16 [Plan.tmr]".
  virtual void TitelSetzen(const std::string& /*titel*/) {}
  // Öffnet das Kursfenster mit dem Kurs (oder holt es nach vorn). vater: das Element, aus dessen
  // Kursliste der Kurs geöffnet wurde; nichts für die Kursliste der Schule.
  virtual void NeuesKursFenster(TKurs* kurs, TElement* vater) = 0;
  // Öffnet das Planfenster des Lehrers, der Klasse oder des Raums (oder holt es nach vorn).
  virtual void PlanFensterZeigen(TPlanElement* element) = 0;
  // Stapelfolge beim Neuzeichnen aller Fenster.
  virtual void HintergrundNachHinten() = 0;
  virtual void FensterNachVorne(TFenster* fenster) = 0;
  virtual void PaletteNachVorne() = 0;
  // Die Befehle "Widerrufen" und "Löschen" (Protokoll der manuellen Planung) wählbar machen.
  virtual void UndoBefehleFreigeben(bool /*frei*/) {}
  // Öffnet ein neues Fenster der Art (Daten 61..66, Deputat 16..20, UV-Tabelle 12, Plan 9..11)
  // für das Element. Fehlt die Fensterart noch, geschieht nichts.
  virtual void ElementFensterNeu(TElement* /*element*/, int /*art*/) {}
  // Öffnet das Manuellfenster mit den Kursen (der erste wird aktuell); ohneKonflikte: die
  // Konflikte werden nicht gezeigt.
  virtual void ManuellFensterOeffnen(const std::vector<TKurs*>& /*kurse*/, bool /*ohneKonflikte*/) {
  }

  // ---- Fensterverwaltung ----
  // Fenster melden sich mit TSchule::FensterAnmelden und TSchule::FensterAbmelden bei der Schule
  // an und ab; die Schule gibt beides hierher weiter. Ein Fenster zählt nach seiner Identität:
  // zwei Fenster dürfen dieselbe Überschrift tragen. Das Fenstermenü liest die Überschrift
  // jeweils beim Fenster und folgt so auch einer Umbenennung.
  virtual void FensterAnmelden(TFenster* /*fenster*/) {}
  virtual void FensterAbmelden(TFenster* /*fenster*/) {}
  // Das Fenster ist aktiv geworden (TSchule::FensterAktivieren); nichts: keines ist mehr aktiv.
  virtual void FensterAktiviert(TFenster* /*fenster*/) {}
  // Die Umschalttasten beim letzten Ereignis (Bit 0 Shift, Bit 1 Alt, Bit 2 Strg), wie das
  // Hauptfenster sie verfolgt; nichts, wenn der Dienst sie nicht verfolgt.
  virtual std::optional<unsigned> Umschalttasten() const { return std::nullopt; }
  virtual void UmschalttastenSetzen(unsigned /*umschalt*/) {}
  // Die Auswahlliste der Kürzelart (mit "ohne", wenn mitOhne) an der Bildschirmstelle x, y;
  // wartet auf die Wahl. Nichts: der Dienst hat keine Auswahllisten.
  struct TElementWahl {
    bool Gewaehlt = false;        // falsch: abgebrochen
    TElement* Element = nullptr;  // nichts bei "ohne"
  };
  virtual std::optional<TElementWahl> ElementWaehlen(TKuerzelArt /*art*/, bool /*mitOhne*/,
                                                     int /*x*/, int /*y*/) {
    return std::nullopt;
  }
  // "Widerrufen" und "Löschen" gelten dem Protokoll des Manuellfensters (an) oder wieder der
  // Schule (aus).
  virtual void ProtokollBefehle(bool /*an*/) {}
  // Wie die Knöpfe "Voriger" (-1) und "Nächster" (+1) des Hauptfensters, wenn sie wählbar sind.
  virtual void VorigerNaechster(int /*richtung*/) {}
};

// Der Einstellungsspeicher: Zeichenkettenwerte nach Schlüssel und Wertname.
class TEinstellungsSpeicher {
 public:
  virtual ~TEinstellungsSpeicher() = default;
  virtual std::optional<std::string> Lesen(const std::string& schluessel,
                                           const std::string& name) = 0;
  virtual void Schreiben(const std::string& schluessel, const std::string& name,
                         const std::string& wert) = 0;
  // Schreibt Gepuffertes dauerhaft weg; falsch, wenn das misslingt.
  virtual bool Sichern() = 0;
};

// Die Zwischenablage als einfacher Text.
class TZwischenablage {
 public:
  virtual ~TZwischenablage() = default;
  virtual std::string Text() = 0;
  virtual void SetzeText(const std::string& text) = 0;
};

// Eine Schrift, wie die Einstellungen sie speichern.
struct TSchrift {
  std::string Name = "Arial";
  int Groesse = 8;
  bool Fett = false;
  bool Kursiv = false;
  bool Unterstrichen = false;
  friend bool operator==(const TSchrift&, const TSchrift&) = default;
};

// Textmaße für das Seitenlayout.
class TTextMetrik {
 public:
  virtual ~TTextMetrik() = default;
  virtual double TextBreite(const TSchrift& schrift, const std::string& text) = 0;
  virtual double TextHoehe(const TSchrift& schrift) = 0;
};

// Heute und jetzt.
class TUhr {
 public:
  virtual ~TUhr() = default;
  virtual TDateTime Jetzt() = 0;
};

// Die Dienste, die das Programm oder eine Testumgebung einsetzt.
struct TDienste {
  TDialogDienst* Dialog = nullptr;
  TEinstellungsSpeicher* Speicher = nullptr;
  TZwischenablage* Ablage = nullptr;
  TTextMetrik* Metrik = nullptr;
  TUhr* Uhr = nullptr;
  TFensterDienst* Fenster = nullptr;  // fehlt ohne Fenster (Kommandozeile)
};

// Setzt die Dienste ein und liefert die bisherigen zurück.
TDienste DiensteEinsetzen(const TDienste& neu);
// Die eingesetzten Dienste; ein fehlender Dienst ist nullptr.
const TDienste& EingesetzteDienste();
TDialogDienst& Dialog();
TEinstellungsSpeicher& Speicher();
TZwischenablage& Ablage();
TTextMetrik& Metrik();
TUhr& Uhr();
// Der Fensterdienst, oder nichts, wenn das Programm ohne Fenster läuft.
TFensterDienst* FensterDienst();
// Jetzt und heute (ganzer Tag) nach der eingesetzten Uhr.
TDateTime Jetzt();
TDateTime Heute();
