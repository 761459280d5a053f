// Die Regeln der Deputatsfenster ("Deputat X", "alle Kurse"): Spalten und ihre Texte, Filter,
// Überschrift, Sortieren, Zeichenregeln, welche Handlung eine Geste auf welcher Spalte auslöst,
// die Menüs dazu und das Übertragen beim Ziehen. Reine Logik; TDepForm bildet nur die
// Ereignisse darauf ab.
#pragma once

#include <string>
#include <vector>

#include "model/GlobalUnit.h"
#include "model/MenueUnit.h"

class TElement;
class TKurs;

namespace Deputat {

enum class TSpalte {
  Wert,
  Std,
  Lehrer,
  Fach,
  Klasse,
  Kopplung,
  Raum,
  Fkt,
  SpT,
  Ez,
  Tab,
  Nvp,
  Nzl,
  Nzk,
  Stat,
  Info,
};

struct TSpaltenDef {
  TSpalte Art;
  std::string Titel;  // UTF-8
  int Breite;
};

// Die Spalten nach den Einstellungen (fMitZusatzInfo, fMitStatistik, fMitKursInfo).
std::vector<TSpaltenDef> Spalten();
// Der Text einer Zelle (Windows-1252).
std::string ZellText(const TKurs& kurs, TSpalte spalte);

// Die Überschrift (Windows-1252): "Deputat " + Kürzel (zusammen höchstens 19 Zeichen), bei
// Lehrern und Klassen mit " [" Deputat "/" Soll "]"; ohne Element "alle Kurse".
std::string Titel(const TElement* element);

// Die Filter, fest ab dem Öffnen des Fensters: mit Alt nur gekoppelte Kurse, mit Strg und Alt
// nur verplanbare Kurse mit offenen Stunden (umschalt: Bit 0 Shift, Bit 1 Alt, Bit 2 Strg).
struct TFilter {
  bool NurGekoppelt = false;
  bool NurVerplanbar = false;
};
TFilter FilterAus(unsigned umschalt);
// Ob der Kurs eine Zeile bekommt (auch nach "Kurse mit 0 Stunden einblenden").
bool KursZeigen(const TKurs& kurs, const TFilter& filter);
// Die Zeilen in Listenfolge.
std::vector<TKurs*> Zeilen(const std::vector<TKurs*>& kurse, const TFilter& filter);

// Sortiert die Zeilen nach dem Text der Spalte, aufsteigend nach Landessprache; gleiche Texte
// behalten ihre Folge.
void Sortieren(std::vector<TKurs*>& zeilen, TSpalte spalte);

// Zeichenregeln einer Zelle.
struct TZellStil {
  bool Rot = false;   // "Std" eines verplanbaren Kurses mit offenen Stunden
  bool Fett = false;  // "Klasse" bei mehreren Klassen, "Raum" bei mehreren Räumen
};
TZellStil Stil(const TKurs& kurs, TSpalte spalte);

// Was eine losgelassene Maustaste auf einer Kurszeile auslöst.
enum class TAktion {
  Nichts,
  // Menüs (Zeigewerkzeug, rechte Taste): die Menüs des Kurses.
  ZeigKlassen,
  ZeigKopplung,
  ZeigRaeume,
  // Setzwerkzeug.
  Faktor,
  Stunden,
  Lehrer,
  Fach,
  Klasse,
  KlassenMehrfach,
  Kopplung,
  Raum,
  RaeumeMehrfach,
  Fkt,
  SpT,
  Einzel,
  Tabelle,
  // Löschwerkzeug.
  LehrerWeg,
  FachWeg,
  KopplungWeg,
  KlasseWeg,       // die einzige Klasse
  KlassenAlleWeg,  // mit Strg: alle Klassen
  KlasseWegWahl,   // Menü der Klassen, die gewählte geht
  RaumWeg,
  RaeumeAlleWeg,
  RaumWegWahl,
};
TAktion MausAktion(TToolArt tool, bool rechteTaste, bool strg, TSpalte spalte, const TKurs& kurs);

// Das Menü einer Menühandlung; jeder Eintrag wendet seine Wahl auf den Kurs an. Leer, wenn es
// nichts zu wählen gibt.
TMenue AktionsMenue(TAktion aktion, TKurs& kurs);
// Handlungen ohne Menü (Löschen) und die Mehrfachwahl: wendet sie an; wahr, wenn der Kurs sich
// änderte. Für Mehrfachwahlen die gewählten Elemente.
bool AktionAusfuehren(TAktion aktion, TKurs& kurs, const std::vector<TElement*>& wahl = {});

// Die Wahl aus einem Menü anwenden: setzt Lehrer, Fach, Kopplung, fügt Klasse oder Raum an.
// Lehrer, Klassen und Kopplung nur, wenn der Kurs sich ändern darf (NichtVerplant).
bool LehrerSetzen(TKurs& kurs, TElement* lehrer);
bool FachSetzen(TKurs& kurs, TElement* fach);
bool KlasseDazu(TKurs& kurs, TElement* klasse);
bool KopplungSetzen(TKurs& kurs, TElement* kopplung);
bool RaumDazu(TKurs& kurs, TElement* raum);

// Ziehen beginnt in "Klasse", "Raum" und "Info".
bool ZiehSpalte(TSpalte spalte);
// Das Ablegen: überträgt vom Kurs der Startzeile auf den Kurs der Zielzeile (fehlende Klassen,
// fehlende Räume, den Infotext). Nichts auf sich selbst; wahr, wenn das Ziel sich änderte.
bool Uebertragen(TKurs& von, TKurs& nach, TSpalte spalte);

// Die Kurse, die "Automatik" rechnet: die ausgewählten des aktiven Fensters, wenn es eine
// UV-Tabelle oder ein Deputatsfenster ist (auch "alle Kurse"); sonst keine.
std::vector<TKurs*> AutomatikAuswahl();

}  // namespace Deputat
