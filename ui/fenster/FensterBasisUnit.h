// Der Lebenslauf aller Fenster der Schule an einer Stelle: Anmelden in der Fensterliste (nach
// Identität), der Platz, auf dem das Fenster steht (ein Platz der Schule wie fKursForm oder eines
// Elements wie fPlnFenster), das Schließen von außen und von Hand, das Abmelden (genau einmal)
// und das Aktivieren. Wird das Element gelöscht oder die Schule geschlossen, schließt die Schule
// das Fenster über Schliessen(); es vergisst dabei Platz und Element.
#pragma once

#include <QWidget>

#include "model/DienstUnit.h"

class TElement;
class TSchule;

class TFensterBasis : public QWidget, public TFenster {
 public:
  ~TFensterBasis() override;

  // ---- TFenster ----
  TFensterLage Lage() const override;
  // Von außen (Schule schließt, Element gelöscht, "Fenster schließen"): abmelden und schließen.
  // Jeder weitere Aufruf tut nichts.
  void Schliessen() override;

  // Das Fenster steht in der Fensterliste der eingesetzten Schule.
  bool Angemeldet() const;
  // Das Fenster hat sich abgemeldet und schließt sich: es meldet sich nicht wieder an, nimmt
  // keinen Platz mehr und baut sich nicht mehr auf.
  bool Schliesst() const { return fSchliesst; }
  // Das Element, bei dem das Fenster seinen Platz hat; nichts ohne oder nach dem Abmelden.
  TElement* Element() const { return fElement; }

 protected:
  explicit TFensterBasis(QWidget* parent = nullptr);

  // Das Fenster steht auf einem Platz der Schule (etwa &TSchule::fFehlerForm), bis es sich
  // abmeldet. Ein voriger Platz wird geleert, wenn er noch auf dieses Fenster zeigt.
  void SchulPlatz(TFenster* TSchule::*platz);
  // Das Fenster steht beim Element (etwa &TPlanElement::fPlnFenster); löscht die Schule das
  // Element, schließt sie vorher das Fenster über diesen Platz. Nichts: kein Element mehr.
  template <class E, class B>
  void ElementPlatz(E* element, TFenster* B::*platz) {
    PlatzNehmen(element, element ? &(element->*platz) : nullptr);
  }
  // In die Fensterliste (einmal). Mit neuEintragen nimmt sich ein angemeldetes Fenster heraus
  // und trägt sich unter seiner jetzigen Überschrift wieder ein (anderes Element, neuer Titel);
  // war es das aktive Fenster, bleibt es das, mit dem Werkzeug der Palette.
  void Anmelden(bool neuEintragen = false);
  // Meldet das Fenster ab, genau einmal: BeimAbmelden, dann leert es seinen Platz, geht aus der
  // Fensterliste und als aktives Fenster und vergisst sein Element.
  void Abmelden();
  // Läuft beim Abmelden, solange das Fenster noch angemeldet ist (Angemeldet() sagt, ob es das
  // war): offene Menüs schließen, die Lage merken, eigene Verweise lösen. Aus dem Destruktor von
  // TFensterBasis erreicht der Aufruf die abgeleitete Klasse nicht mehr; wer hier etwas tut,
  // meldet sich deshalb in seinem eigenen Destruktor ab.
  virtual void BeimAbmelden() {}
  // Darf der Benutzer das Fenster von Hand schließen (nach der Prüfung auf offene Menüs)?
  virtual bool SchliessenErlaubt() { return true; }
  // Schließt das Fenster mit gedrückter Alt-Taste von Hand alle Fenster mit ("Fenster
  // schließen")? Vorgabe: ja.
  void AltSchliesstAlle(bool an) { fAltSchliesstAlle = an; }

  // Aktivieren macht das angemeldete Fenster zum aktiven Fenster der Schule.
  bool event(QEvent* event) override;
  // Nicht bei offenem Aufklappmenü der Palette und nicht gegen SchliessenErlaubt; mit Alt
  // schließen alle Fenster.
  void closeEvent(QCloseEvent* event) override;

 private:
  void PlatzNehmen(TElement* element, TFenster** platz);

  TSchule* fSchule = nullptr;    // die Schule, bei der es Platz oder Anmeldung hat
  TFenster** fPlatz = nullptr;   // der Platz in fSchule oder in fElement
  TElement* fElement = nullptr;  // das Element des Platzes
  bool fSchliesst = false;
  bool fAltSchliesstAlle = true;
};
