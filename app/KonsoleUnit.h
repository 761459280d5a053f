// Dienste für den Lauf ohne Fenster: Meldungen auf den Fehlerkanal, Fragen mit dem
// Standardknopf beantwortet, Zwischenablage im Speicher. Die Einstellungen sind die des Benutzers
// (oder einer Einstellungsdatei), nur gelesen: was der Lauf ändert, bleibt im Speicher.
#pragma once

#include <iosfwd>
#include <map>
#include <memory>
#include <string>

#include "model/DatumUnit.h"
#include "model/DienstUnit.h"
#include "persistence/SchulHalterUnit.h"

class TStandard;
class TSchule;

class TKonsolenDialog : public TDialogDienst {
 public:
  explicit TKonsolenDialog(std::ostream& fehler) : fFehler(fehler) {}
  int Frage(const TFrage& frage) override;
  void Meldung(const std::string& titel, const std::vector<std::string>& zeilen,
               TMeldungsArt art) override;
  void Piep() override {}
  void BeschaeftigtAn() override {}
  void BeschaeftigtAus() override {}
  void MeldungsFensterZeigen(const std::string&) override {}
  void MeldungsFensterSchliessen() override {}
  void EingabenVerarbeiten() override {}
  using TDialogDienst::Frage;

 private:
  std::ostream& fFehler;
};

// Geschriebene Werte bleiben im Speicher; was dort nicht steht, kommt aus der Quelle (nie
// beschrieben, nicht besessen; ohne Quelle gelten die Vorgaben).
class TSpeicherImSpeicher : public TEinstellungsSpeicher {
 public:
  explicit TSpeicherImSpeicher(TEinstellungsSpeicher* quelle = nullptr) : fQuelle(quelle) {}
  std::optional<std::string> Lesen(const std::string& schluessel, const std::string& name) override;
  void Schreiben(const std::string& schluessel, const std::string& name,
                 const std::string& wert) override;
  bool Sichern() override { return true; }
  std::map<std::pair<std::string, std::string>, std::string> fWerte;

 private:
  TEinstellungsSpeicher* fQuelle;
};

// Die Einstellungen, die die Befehle lesen (tamrel-cli setzt sie für jeden Aufruf ein); nichts:
// die Vorgaben wie beim ersten Programmstart. Nicht besessen.
void KonsolenEinstellungenSetzen(TEinstellungsSpeicher* quelle);
TEinstellungsSpeicher* KonsolenEinstellungen();
// Die Uhr der Befehle (für Tests); nichts: die Systemuhr. Nicht besessen.
void KonsolenUhrSetzen(TUhr* uhr);
// Jetzt nach dieser Uhr (auch vor der Umgebung, etwa beim Lesen von "heute").
TDateTime KonsolenJetzt();

class TAblageImSpeicher : public TZwischenablage {
 public:
  std::string Text() override { return fText; }
  void SetzeText(const std::string& text) override { fText = text; }
  std::string fText;
};

// Feste Zeichenbreiten: jedes Zeichen so breit wie die halbe Schriftgröße in Punkten.
class TFesteMetrik : public TTextMetrik {
 public:
  double TextBreite(const TSchrift& schrift, const std::string& text) override;
  double TextHoehe(const TSchrift& schrift) override;
};

// Richtet Einstellungen, Schule und Dienste für einen Lauf ohne Fenster ein und räumt sie ab. Die
// Einstellungen werden wie beim Programmstart geladen (LoadStandard), aus den eingesetzten
// Konsoleneinstellungen.
class TKonsolenUmgebung {
 public:
  // Ohne Uhr gilt die mit KonsolenUhrSetzen eingesetzte, sonst die Systemuhr.
  explicit TKonsolenUmgebung(std::ostream& fehler, TUhr* uhr = nullptr);
  ~TKonsolenUmgebung();
  TKonsolenUmgebung(const TKonsolenUmgebung&) = delete;
  TKonsolenUmgebung& operator=(const TKonsolenUmgebung&) = delete;

  TSchule& Schule() { return fHalter->Schule(); }
  TStandard& Standard() { return *fStandard; }
  // Öffnet die Schuldatei wie "Öffnen..." im Programm (TSchulHalter::Oeffnen).
  bool Oeffnen(const std::string& pfad, std::string& fehler) {
    return fHalter->Oeffnen(pfad, fehler);
  }

 private:
  TKonsolenDialog fDialog;
  TSpeicherImSpeicher fSpeicher{KonsolenEinstellungen()};
  TAblageImSpeicher fAblage;
  TFesteMetrik fMetrik;
  TSystemUhr fUhr;
  std::unique_ptr<TStandard> fStandard;
  std::unique_ptr<TSchulHalter> fHalter;  // setzt seine Schule ein und die vorige zurück
  TDienste fAlteDienste;
  TStandard* fAlterStandard;
};
