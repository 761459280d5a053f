// Die Regeln der Abwesenheitsdialoge ohne Fenster: die Zeilen des Tagesdialogs (Grund, Stunden,
// Element, Abwesenheit), die Stundenwahl für neue Zeilen, "Fehlt schon", die Klicks in den
// Stundenstreifen, "Ok", und das Datum der längeren Fehlzeit.
#pragma once

#include <string>
#include <vector>

#include "model/GlobalUnit.h"
#include "model/MenueUnit.h"

class TFehl;
class TPlanElement;

struct TFehlZeile {
  std::string Grund = "(-)";                 // "(" Grund ")"
  TPlanElement* Element = nullptr;           // nicht besessen
  std::string Maske = std::string(16, '-');  // "+" fehlt, "-" da; Stunde 1 zuerst
  TFehl* Fehl = nullptr;                     // die Abwesenheit, oder nichts bei einer neuen Zeile
};

class TFehlDialog {
 public:
  // IFehlForm: Tag, Art (leh, kla, rau) und die Abwesenheit, deren Zeile gewählt wird.
  void IFehlForm(TDateTime datum, TKuerzelArt art, TFehl* fehl);

  TDateTime fDatum = 0;
  TKuerzelArt fArt = leh;
  int fTag = 1;
  int fWoche = 1;
  int fVon = 1;
  int fBis = 1;
  std::vector<TFehlZeile> fZeilen;
  int fAuswahl = -1;  // gewählte Zeile (0..), -1 keine
  int fOben = 0;      // oberste sichtbare Zeile

  // Texte (UTF-8).
  std::string Titel() const;        // "Fehlende Lehrer" …
  std::string ElementText() const;  // "Lehrer", "Klassen", "Räume"
  std::string DatumsText() const;   // "dddd, d. mmmm, yyyy"
  std::string VonText() const;      // Stundenbezeichnung von fVon
  std::string BisText() const;
  static constexpr const char* kHinweis = "Strg = Alle Stunden  Shift = Keine Stunde";

  // Die Menüs: Stunden 1..fPlnStd (Wert = Stunde), die 20 Gründe (Wert = 1..20).
  TMenue StdPopup() const;
  TMenue GrundPopup() const;
  void VonWaehlen(int std);
  void BisWaehlen(int std);
  // Grund n (1..20) für die gewählte Zeile; ein leerer Grund gilt als "-".
  void GrundWaehlen(int n);

  // Fügt das Element als neue Zeile an (Stunden fVon..fBis); steht es schon da, meldet
  // "Fehlt schon" und wählt seine Zeile. Wahr, wenn angefügt.
  bool ElementHinzufuegen(TPlanElement* element);
  // Die Zeile des Elements, oder -1.
  int ZeileVon(const TPlanElement* element) const;
  // Der Tagesstreifen des Elements (SVZeile der Woche und des Tages).
  std::string Streifen(int zeile) const;
  // Ein Klick in den Streifen bei x Bildpunkten vom linken Rand: mit Shift keine Stunde, mit
  // Strg alle, sonst die Stunde x div 9 + 1 umschalten (außerhalb 1..16 nichts).
  void StreifenKlick(int zeile, int x, bool shift, bool strg);

  // Die längere Fehlzeit der Zeile bis zum Tag (mittags): trägt sofort ein und meldet die Zahl
  // der Schultage; liefert sie.
  int LaengereFehlzeit(int zeile, TDateTime bis);
  // "Ok": jede Zeile wird zur Abwesenheit (leere Masken löschen sie).
  void Ok();

 private:
  void Waehlen(int zeile);
};

// Das Datum der längeren Fehlzeit aus Tag, Monat und Jahr: ein ungültiger Tag wird um bis zu
// drei Tage zurückgenommen (tag wird berichtigt); vor start gilt start. Liefert den Tag mittags.
TDateTime FehltLangDatum(int& tag, int& monat, int& jahr, TDateTime start);
