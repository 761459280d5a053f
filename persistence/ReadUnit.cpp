#include "persistence/ReadUnit.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "model/FensterArtUnit.h"
#include "model/SchulUnit.h"
#include "persistence/BufferUnit.h"
#include "substitution/VertretungsPlanungUnit.h"
#include "persistence/LadeSchritteUnit.h"
#include "persistence/SchulFormatUnit.h"
#include "settings/StandardUnit.h"

namespace {

// Eine Datei, die sich nicht lesen lässt; der Text ist die fertige Meldung.
struct ELeseFehler : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string Zahl(std::int64_t z) {
  return std::to_string(z);
}

// Setzungen eines Kurses nach Tag, dann Stunde.
int SetzungsOrdnung(const TSetzung* a, const TSetzung* b) {
  if (a->fTag != b->fTag) return a->fTag < b->fTag ? -1 : 1;
  if (a->fStunde != b->fStunde) return a->fStunde < b->fStunde ? -1 : 1;
  return 0;
}

template <class T>
bool Enthalten(const TListe<T>& liste, const T* e) {
  return liste.ListeElemNr(e) > 0;
}

class TLeser {
 public:
  TLeser(TBuffer& puffer, TSchule& schule, const std::string& name)
      : b(puffer), fSchule(schule), fName(name) {}

  bool Alt() const { return fAlt; }

  void Lesen() {
    Kopf();
    Kalender();
    Kuerzel();
    for (TLehrer* l : Saetze(fLehrer, "Lehrerkürzel", "Lehrersätze")) Lehrer(l);
    for (TKlasse* k : Saetze(fKlassen, "Klassenkürzel", "Klassensätze")) Klasse(k);
    for (TKopplung* k : Saetze(fKopplungen, "Kopplungskürzel", "Kopplungssätze")) k->fInfo = Info();
    for (TFach* f : Saetze(fFaecher, "Fachkürzel", "Fachsätze")) f->fInfo = Info();
    for (TRaum* r : Saetze(fRaeume, "Raumkürzel", "Raumsätze")) Raum(r);
    for (TUVTab* u : Saetze(fUVTabs, "UV-Kürzel", "UV-Sätze")) UVTab(u);
    const int kurse = Anzahl("Kurse", KursBytes());
    for (int i = 0; i < kurse; ++i) Kurs();
    VertretungenVerknuepfen(fSchule);
    AlteVertretungenEntfernen(fSchule);
    Fehlzeiten(fSchule.fFehlLehrerMenge, fLehrer, "Fehlzeiten der Lehrer");
    Fehlzeiten(fSchule.fFehlKlassenMenge, fKlassen, "Fehlzeiten der Klassen");
    Fehlzeiten(fSchule.fFehlRaumMenge, fRaeume, "Fehlzeiten der Räume");
    FehlzeitenBereinigen(fSchule);
    VertretungenSortieren(fSchule);
    ParallelRaster();
    MonatskontenBerechnen(fSchule);
    Fenster();
  }

 private:
  [[noreturn]] void Kaputt(const std::string& was) const {
    throw ELeseFehler(DieDatei(fName) + " ist beschädigt: " + was + ".");
  }

  // Eine Anzahl: nicht negativ und mit Einträgen von mindestens bytes Bytes im Rest der Datei.
  int Anzahl(const std::string& was, std::size_t bytes) {
    const int n = b.ReadInt();
    if (n < 0) Kaputt("Die Zahl der " + was + " ist negativ (" + Zahl(n) + ")");
    if (static_cast<std::size_t>(n) * bytes > b.Rest())
      Kaputt("Die Zahl der " + was + " (" + Zahl(n) + ") ist größer, als der Rest der Datei (" +
             Zahl(static_cast<std::int64_t>(b.Rest())) + " Bytes) fassen kann");
    return n;
  }

  // Größen der Felder und kleinste Größen der Sätze (ohne ihre gezählten Listen).
  std::size_t InfoBytes() const { return fAlt ? TBuffer::AltInfoFeld : TBuffer::InfoFeld; }
  std::size_t TageBytes() const { return 14u * static_cast<std::size_t>(fW); }
  std::size_t WochenBytes() const { return 2u * static_cast<std::size_t>(fW); }
  std::size_t KursBytes() const {
    return 2 + 6 + 6 + WochenBytes() - 2 + 2 + InfoBytes() + 4 + 3 + TageBytes() + 4 + 6;
  }
  std::size_t SetzungBytes() const { return 11; }
  std::size_t VertretungBytes() const {
    return fAlt ? 4 + 4 + 2 * TBuffer::AltBemFeld + 1 + 3 + 6
                : 4 + 4 + 6 + 2 * TBuffer::BemFeld + 3 + 6;
  }

  TInfoString Info() { return fAlt ? b.ReadAltInfo() : b.ReadInfo(); }

  template <class T>
  static T* Ref(const std::vector<T*>& liste, std::int32_t nr) {
    return nr >= 1 && nr <= static_cast<std::int32_t>(liste.size())
               ? liste[static_cast<std::size_t>(nr - 1)]
               : nullptr;
  }

  void Tage(TWochBereich& bereich) {
    bereich.SetWochenZahl(fW);
    for (int w = 1; w <= fW; ++w)
      for (int t = 1; t <= MaxTage; ++t) bereich.SetWocheTag(w, t, b.ReadWord());
  }

  void Wochen(TWochenStunden& stunden, int ab) {
    stunden.SetWochenZahl(fW);
    for (int w = ab; w <= fW; ++w) stunden.SetWochenStunde(w, b.ReadInt());
  }

  // Eine Planänderung in der Zukunft wird 1000 Tage zurückgelegt.
  static TDateTime Aenderung(TDateTime d) { return d > Jetzt() ? d - 1000 : d; }

  // --- Kopf, Kalender, Kürzel --------------------------------------------------------------

  void Kopf() {
    const int version = b.ReadInt();
    if (version >= 0) throw ELeseFehler(DieDatei(fName) + " ist keine Schuldatei von WinTamrel.");
    if (version > kVersionAlt)
      throw ELeseFehler(DieDatei(fName) +
                        " kann nicht gelesen werden.\nDie Version der Daten ist zu alt!");
    if (version < kVersionAktuell)
      throw ELeseFehler(DieDatei(fName) +
                        " kann nicht gelesen werden.\nDie Version der Daten ist zu neu!");
    fAlt = version == kVersionAlt;
  }

  void Kalender() {
    std::array<std::uint8_t, kKalenderWochen> roh{};
    for (auto& k : roh) k = b.ReadByte();
    fW = b.ReadInt();
    if (fW < 1 || fW > MaxWochen)
      Kaputt("Die Zahl der Planversionen ist " + Zahl(fW) + ", möglich sind 1 bis " +
             Zahl(MaxWochen));
    TStandard& s = Standard();
    s.fMaxWocheNeu = fW;
    for (int k = 1; k <= kKalenderWochen; ++k) {
      const std::uint8_t woche = roh[static_cast<std::size_t>(k - 1)];
      fSchule.SetzeKalender(k, woche >= 1 && woche <= fW ? woche : 1);
    }
    s.fAktuelleWoche = fSchule.WocheVonDatum(Heute());
    Tage(fSchule.fGrWoBereich);
    Tage(fSchule.fUEWoBereich);
  }

  template <class T>
  void KuerzelListe(TEigenListe<T>& menge, std::vector<T*>& liste, const char* was) {
    const int n = Anzahl(was, fAlt ? TBuffer::AltKueFeld : TBuffer::KueFeld);
    liste.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
      auto neu = std::make_unique<T>();
      T* e = neu.get();
      e->fKuerzel = fAlt ? b.ReadAltKue() : b.ReadKue();
      menge.ListeAnhaengen(std::move(neu));
      e->fNr = static_cast<std::uint32_t>(menge.size());
      e->fReihe = static_cast<std::int32_t>(menge.size());
      liste.push_back(e);
    }
  }

  void Kuerzel() {
    KuerzelListe(fSchule.fLehrerMenge, fLehrer, "Lehrerkürzel");
    KuerzelListe(fSchule.fKlassenMenge, fKlassen, "Klassenkürzel");
    KuerzelListe(fSchule.fKopplMenge, fKopplungen, "Kopplungskürzel");
    KuerzelListe(fSchule.fFachMenge, fFaecher, "Fachkürzel");
    KuerzelListe(fSchule.fRaumMenge, fRaeume, "Raumkürzel");
    KuerzelListe(fSchule.fUVTabMenge, fUVTabs, "UV-Kürzel");
  }

  // Die Zahl der Sätze eines Abschnitts muss die Zahl seiner Kürzel sein.
  template <class T>
  const std::vector<T*>& Saetze(const std::vector<T*>& liste, const char* kuerzel,
                                const char* saetze) {
    const int n = b.ReadInt();
    if (n != static_cast<int>(liste.size()))
      Kaputt("Es gibt " + Zahl(static_cast<std::int64_t>(liste.size())) + " " + kuerzel +
             ", aber " + Zahl(n) + " " + saetze);
    return liste;
  }

  // --- Stammdaten ---------------------------------------------------------------------------

  void Lehrer(TLehrer* l) {
    l->fInfo = Info();
    Wochen(l->fSoll, 1);
    l->fRaum = Ref(fRaeume, b.ReadInt());
    const int k = Anzahl("Fächer von " + U8(l->fKuerzel.str()), 2);
    for (int i = 0; i < k; ++i)
      if (TFach* f = Ref(fFaecher, b.ReadInt())) {
        NachReiheEinfuegen(l->fFaecher, f);
        NachReiheEinfuegen(f->fLehrer, l);
      }
    Tage(l->fSperrung);
    Tage(l->fBesetzung);
    l->fVStunden1 = b.ReadLong();
    l->fVStunden2 = b.ReadLong();
    l->fLetzteAenderung = Aenderung(b.ReadDatum());
    l->fFreierTag = fAlt ? false : b.ReadBool();
  }

  void Klasse(TKlasse* k) {
    k->fInfo = Info();
    Wochen(k->fSoll, 1);
    k->fRaum = Ref(fRaeume, b.ReadInt());
    k->fLehrer1 = Ref(fLehrer, b.ReadInt());
    k->fLehrer2 = Ref(fLehrer, b.ReadInt());
    Tage(k->fSperrung);
    Tage(k->fBesetzung);
    k->fKopDop = b.ReadBool();
    k->fLetzteAenderung = Aenderung(b.ReadDatum());
  }

  void Raum(TRaum* r) {
    r->fInfo = Info();
    Tage(r->fSperrung);
    Tage(r->fBesetzung);
    r->fLetzteAenderung = Aenderung(b.ReadDatum());
  }

  void UVTab(TUVTab* u) {
    u->fIstFach = b.ReadBool();
    u->fInfo = Info();
    const std::string name = U8(u->fKuerzel.str());
    const int k = Anzahl("Einträge der UV-Tabelle " + name, 2);
    for (int i = 0; i < k; ++i) {
      const std::int32_t nr = b.ReadInt();
      if (u->fIstFach) {
        if (TFach* f = Ref(fFaecher, nr)) NachReiheEinfuegen(u->fFaecher, f);
      } else if (TLehrer* l = Ref(fLehrer, nr)) {
        NachReiheEinfuegen(u->fLehrer, l);
      }
    }
    const int m = Anzahl("Klassen der UV-Tabelle " + name, 2);
    for (int i = 0; i < m; ++i)
      if (TKlasse* kl = Ref(fKlassen, b.ReadInt())) NachReiheEinfuegen(u->fKlassen, kl);
  }

  // --- Kurse --------------------------------------------------------------------------------

  template <class T>
  void RefListe(TListe<T>& liste, const std::vector<T*>& alle, const char* was) {
    const int n = Anzahl(was, 2);
    for (int i = 0; i < n; ++i)
      if (T* e = Ref(alle, b.ReadInt()); e && !Enthalten(liste, e)) liste.ListeAnhaengen(e);
  }

  void Kurs() {
    // Die Schule besitzt den Kurs sofort, auch wenn das Lesen mittendrin abbricht.
    auto neu = std::make_unique<TKurs>();
    TKurs* k = neu.get();
    fSchule.fKursMenge.ListeAnhaengen(std::move(neu));
    for (TWochBereich* bereich : {&k->fSperrung, &k->fBesetzung, &k->fSetzungUnmoeglich})
      bereich->SetWochenZahl(fW);
    k->fStunden.SetWochenZahl(fW);

    const std::int32_t stunden1 = b.ReadInt();
    TLehrer* lehrer = Ref(fLehrer, b.ReadInt());
    TKopplung* kopplung = Ref(fKopplungen, b.ReadInt());
    TFach* fach = Ref(fFaecher, b.ReadInt());
    RefListe(k->fKlassen, fKlassen, "Klassen eines Kurses");
    RefListe(k->fRaeume, fRaeume, "Räume eines Kurses");
    RefListe(k->fRaumErgaenzt, fRaeume, "ergänzten Räume eines Kurses");
    k->fStunden.SetWochenStunde(1, stunden1);
    Wochen(k->fStunden, 2);
    const int setzungen = Anzahl("Setzungen eines Kurses", SetzungBytes());
    for (int i = 0; i < setzungen; ++i) Setzung(k, fach);
    k->fInfo = Info();
    k->fFaktor = b.ReadInt();
    k->fEinzelStd = b.ReadInt();
    k->fNichtVerplanen = b.ReadBool();
    k->fNichtZaehlenKl = b.ReadBool();
    k->fNichtZaehlenLe = b.ReadBool();
    Tage(k->fSperrung);
    k->fStdProTag = b.ReadInt();
    k->fTabellenNr = b.ReadInt();
    // Es gibt vier Tabellen der automatischen Planung.
    if (k->fTabellenNr < 1 || k->fTabellenNr > 4) k->fTabellenNr = 1;
    k->fColor = b.ReadColor();

    k->fLehrer = lehrer;
    k->fKopplung = kopplung;
    k->fFach = fach;
    // In Kursreihenfolge bei den Elementen und in der Kursliste der Schule, auch wenn die Sätze
    // der Datei in anderer Folge stehen.
    k->ElementeEintragen();
    if (lehrer && fach) {
      NachReiheEinfuegen(lehrer->fFaecher, fach);
      NachReiheEinfuegen(fach->fLehrer, lehrer);
    }
    if (fach)
      for (TKlasse* kl : k->fKlassen) NachReiheEinfuegen(fach->fKlassen, kl);
  }

  void Setzung(TKurs* k, TFach* fach) {
    TRaum* raum = Ref(fRaeume, b.ReadInt());
    const std::int32_t stunde = b.ReadInt();
    const std::int32_t tag = b.ReadInt();
    const std::int32_t woche = b.ReadInt();
    const bool fixiert = b.ReadBool();
    const int vertretungen = Anzahl("Vertretungen einer Setzung", VertretungBytes());
    // Außerhalb des Rasters oder doppelt in der Zelle: fällt mit ihren Vertretungen weg.
    TSetzung* setzung = nullptr;
    if (woche >= 1 && woche <= fW && tag >= 1 && tag <= MaxTage && stunde >= 1 &&
        stunde <= MaxStunden && !k->SetzungFinden(woche, tag, stunde)) {
      auto neu = std::make_unique<TSetzung>();
      setzung = neu.get();
      setzung->fRaum = raum;
      setzung->fStunde = stunde;
      setzung->fTag = tag;
      setzung->fWoche = woche;
      setzung->fFixiert = fixiert;
      k->fSetzungen.ListeEinfuegen(std::move(neu), SetzungsOrdnung);
      k->fBesetzung.SetWocheTagStd(woche, tag, stunde, true);
    }
    for (int i = 0; i < vertretungen; ++i) Vertretung(k, setzung, fach);
  }

  void Vertretung(TKurs* k, TSetzung* setzung, TFach* fach) {
    auto v = std::make_unique<TVertretung>();
    v->fDatum = b.ReadDatum();
    v->fAdHoc = fAlt ? Heute() - 1000 + 0.5 : b.ReadDatum();
    v->fKurs = k;
    v->fSetzung = setzung;
    v->fLehrer = Ref(fLehrer, b.ReadInt());
    v->fRaum = Ref(fRaeume, b.ReadInt());
    v->fFach = fAlt ? fach : Ref(fFaecher, b.ReadInt());
    v->fLInfo = fAlt ? b.ReadAltBem() : b.ReadBem();
    v->fSInfo = fAlt ? b.ReadAltBem() : b.ReadBem();
    if (fAlt) b.ReadByte();
    v->fFrei = b.ReadBool();
    v->fGueltig = b.ReadBool();
    v->fAngerechnet = b.ReadBool();
    v->fNr = b.ReadInt();
    v->fVonNr = b.ReadInt();
    v->fZuNr = b.ReadInt();
    if (!setzung) return;
    setzung->fVertretungen.ListeAnhaengen(v.get());
    fSchule.fVertretungsMenge.ListeAnhaengen(std::move(v));
  }

  // --- Fehlzeiten, Raster, Fenster ----------------------------------------------------------

  template <class T>
  void Fehlzeiten(TEigenListe<TFehl>& menge, const std::vector<T*>& elemente, const char* was) {
    const int n = Anzahl(was, fAlt ? 8u : 10u);
    for (int i = 0; i < n; ++i) {
      auto f = std::make_unique<TFehl>();
      f->fDatum = b.ReadDatum();
      f->fElement = Ref(elemente, b.ReadInt());
      f->fZeit = b.ReadWord();
      f->fHilfe = f->fZeit;
      f->fGrund = fAlt ? TGrundString("-") : b.ReadGrund();
      if (f->fGrund.empty()) f->fGrund = "-";
      menge.ListeAnhaengen(std::move(f));
    }
  }

  void ParallelRaster() {
    const std::int32_t zeilen = b.ReadInt();
    const std::int32_t spalten = b.ReadInt();
    if (zeilen < 0 || spalten < 0)
      Kaputt("Das Raster der parallelen Kopplungen hat eine negative Größe (" + Zahl(zeilen) +
             " × " + Zahl(spalten) + ")");
    const auto n = static_cast<std::size_t>(zeilen) * static_cast<std::size_t>(spalten);
    if (n * 2 > b.Rest())
      Kaputt("Das Raster der parallelen Kopplungen (" + Zahl(zeilen) + " × " + Zahl(spalten) +
             ") ist größer, als der Rest der Datei fassen kann");
    std::vector<TKopplung*> liste(n);
    for (auto& eintrag : liste) eintrag = Ref(fKopplungen, b.ReadInt());
    TParListe& p = *fSchule.fParListe;
    if (n == 0) {
      p.Entleeren();  // ein Raster ohne Felder ist das leere 1 × 1
      return;
    }
    p.fZeilen = zeilen;
    p.fSpalten = spalten;
    p.fListe = std::move(liste);
  }

  void Fenster() {
    const int n = Anzahl("Fenster", 2 + TBuffer::Str255Feld + 8);
    for (int i = 0; i < n; ++i) {
      TFensterSatz s;
      s.Art = b.ReadInt();
      s.Titel = b.ReadStr255();
      s.Lage.Links = b.ReadInt();
      s.Lage.Oben = b.ReadInt();
      s.Lage.Breite = b.ReadInt();
      s.Lage.Hoehe = b.ReadInt();
      // Zwei Sätze mit derselben Überschrift können zwei Fenster sein (zwei Lehrer mit einem
      // Kürzel); welcher Satz welches Fenster öffnet, entscheidet das Wiederöffnen.
      if (FensterArtEintrag(s.Art)) fSchule.fGespeicherteFenster.push_back(s);
    }
  }

  TBuffer& b;
  TSchule& fSchule;
  std::string fName;
  bool fAlt = false;
  int fW = 1;
  std::vector<TLehrer*> fLehrer;
  std::vector<TKlasse*> fKlassen;
  std::vector<TKopplung*> fKopplungen;
  std::vector<TFach*> fFaecher;
  std::vector<TRaum*> fRaeume;
  std::vector<TUVTab*> fUVTabs;
};

// Stellt die Einstellungen wieder her, die das Lesen ändert, wenn es nicht gelingt.
class TEinstellungsRetter {
 public:
  TEinstellungsRetter()
      : fWochen(Standard().fMaxWocheNeu), fAktuelleWoche(Standard().fAktuelleWoche) {}
  ~TEinstellungsRetter() {
    if (fBehalten) return;
    Standard().fMaxWocheNeu = fWochen;
    Standard().fAktuelleWoche = fAktuelleWoche;
  }
  TEinstellungsRetter(const TEinstellungsRetter&) = delete;
  TEinstellungsRetter& operator=(const TEinstellungsRetter&) = delete;
  void Behalten() { fBehalten = true; }

 private:
  int fWochen;
  int fAktuelleWoche;
  bool fBehalten = false;
};

bool Einlesen(TBuffer& b, const std::string& name, TSchule& schule, std::string& fehler) {
  TEinstellungsRetter retter;
  // Auch "Sichern" bleibt nach einem misslungenen Lesen, wie es war.
  const bool warGeaendert = schule.fDirty;
  auto misslungen = [&](std::string meldung) {
    fehler = std::move(meldung);
    if (schule.fDirty != warGeaendert) schule.SetDirty(warGeaendert);
    return false;
  };
  bool alt = false;
  {
    TBeschaeftigt sanduhr;
    Dialog().MeldungsFensterZeigen("Einlesen: " + name + ", " +
                                   Zahl(static_cast<std::int64_t>((b.Groesse() + 1023) / 1024)) +
                                   " KiloBytes");
    struct TFensterZu {
      ~TFensterZu() { Dialog().MeldungsFensterSchliessen(); }
    } zu;
    try {
      if (b.Groesse() == 0) throw ELeseFehler(DieDatei(name) + " ist leer.");
      TLeser leser(b, schule, name);
      leser.Lesen();
      alt = leser.Alt();
    } catch (const ELeseFehler& e) {
      return misslungen(e.what());
    } catch (const EDateiFehler& e) {
      return misslungen(e.what());
    } catch (const std::bad_alloc&) {
      return misslungen(DieDatei(name) + " kann nicht gelesen werden: Der Speicher reicht nicht.");
    } catch (const std::exception& e) {
      return misslungen(DieDatei(name) + " kann nicht gelesen werden: " + e.what());
    }
  }
  retter.Behalten();
  // Beim alten Aufbau, und wenn der Dateiname sich nicht als Name der Schule (Windows-1252,
  // höchstens 255 Zeichen) halten lässt, heißt die Schule "Ohne Titel": "Sichern" fragt dann
  // nach einem Namen, statt eine andere Datei zu treffen.
  const bool nameTauglich =
      Utf8InWin1252Darstellbar(name) && Utf8ZuWin1252(name).size() <= str255::Kapazitaet;
  const std::string titel = alt || !nameTauglich ? std::string("Ohne Titel") : name;
  schule.fDateiName = Utf8ZuWin1252(titel);
  if (TFensterDienst* f = FensterDienst()) f->TitelSetzen(TitelMitSchule(titel));
  schule.SetDirty(alt);
  if (alt)
    Dialog().Meldung("Neues Datenformat",
                     {"Ihre Datei stammt von einer", "älteren Programmversion. Ihre",
                      "Daten werden in das neue", "Dateiformat umgewandelt. Sie",
                      "können die geänderten Daten mit", "einem neuen Namen speichern."},
                     TMeldungsArt::Information);
  return true;
}

}  // namespace

bool ReadSchuleAusBytes(std::vector<std::uint8_t> daten, const std::string& dateiName,
                        TSchule& schule, std::string& fehler) {
  TBuffer b(std::move(daten));
  b.SetzeDateiName(dateiName);
  return Einlesen(b, dateiName, schule, fehler);
}

bool ReadSchule(const std::string& pfad, TSchule& schule, std::string& fehler) {
  const std::filesystem::path p = PfadAusUtf8(pfad);
  TBuffer b;
  try {
    b = TBuffer::AusDatei(p);
  } catch (const EDateiFehler& e) {
    fehler = e.what();
    return false;
  } catch (const std::exception&) {
    fehler = DieDatei(DateiNameUtf8(p)) + " kann nicht gelesen werden.";
    return false;
  }
  return Einlesen(b, DateiNameUtf8(p), schule, fehler);
}
