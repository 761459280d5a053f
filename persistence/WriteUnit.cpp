#include "persistence/WriteUnit.h"

#include <algorithm>
#include <unordered_map>

#include "model/SchulUnit.h"
#include "persistence/BufferUnit.h"
#include "persistence/SchulFormatUnit.h"
#include "settings/StandardUnit.h"

namespace {

std::string Name(const TElement* e) {
  return U8(e->fKuerzel.str());
}

std::string KursName(const TKurs* k) {
  return "Kurs " + U8(k->OhneRaumZeile());
}

// Die Setzungen eines Kurses in der Folge der Datei: nach Tag, dann Stunde (wie der Leser sie
// einordnet), bei Gleichheit in der Folge der Liste.
std::vector<const TSetzung*> SetzungenInDateiFolge(const TKurs* k) {
  std::vector<const TSetzung*> v;
  v.reserve(k->fSetzungen.size());
  for (const TSetzung* s : k->fSetzungen) v.push_back(s);
  std::stable_sort(v.begin(), v.end(), [](const TSetzung* a, const TSetzung* b) {
    if (a->fTag != b->fTag) return a->fTag < b->fTag;
    return a->fStunde < b->fStunde;
  });
  return v;
}

class TSchreiber {
 public:
  TSchreiber(TBuffer& puffer, const TSchule& schule)
      : b(puffer), fSchule(schule), fW(Standard().fMaxWocheNeu) {}

  void Alles() {
    if (fW < 1 || fW > MaxWochen)
      throw EDateiFehler(TDateiFehlerArt::WertZuGross,
                         "Die Zahl der Planversionen (" + std::to_string(fW) +
                             ") liegt nicht zwischen 1 und " + std::to_string(MaxWochen) + ".");
    Nummerieren();
    b.WriteInt(kVersionAktuell);
    for (int k = 1; k <= kKalenderWochen; ++k) b.WriteByte(fSchule.fKalender[k]);
    b.WriteInt(fW);
    Tage(fSchule.fGrWoBereich, [] { return std::string("Vorgaberaster der Schule"); });
    Tage(fSchule.fUEWoBereich, [] { return std::string("Kursraster der Schule"); });
    Kuerzel(fSchule.fLehrerMenge, "Lehrer");
    Kuerzel(fSchule.fKlassenMenge, "Klassen");
    Kuerzel(fSchule.fKopplMenge, "Kopplungen");
    Kuerzel(fSchule.fFachMenge, "Fächer");
    Kuerzel(fSchule.fRaumMenge, "Räume");
    Kuerzel(fSchule.fUVTabMenge, "UV-Tabellen");
    b.WriteInt(static_cast<std::int32_t>(fSchule.fLehrerMenge.size()));
    for (const TLehrer* l : fSchule.fLehrerMenge) Lehrer(l);
    b.WriteInt(static_cast<std::int32_t>(fSchule.fKlassenMenge.size()));
    for (const TKlasse* k : fSchule.fKlassenMenge) Klasse(k);
    b.WriteInt(static_cast<std::int32_t>(fSchule.fKopplMenge.size()));
    for (const TKopplung* k : fSchule.fKopplMenge) b.WriteInfo(k->fInfo);
    b.WriteInt(static_cast<std::int32_t>(fSchule.fFachMenge.size()));
    for (const TFach* f : fSchule.fFachMenge) b.WriteInfo(f->fInfo);
    b.WriteInt(static_cast<std::int32_t>(fSchule.fRaumMenge.size()));
    for (const TRaum* r : fSchule.fRaumMenge) Raum(r);
    b.WriteInt(static_cast<std::int32_t>(fSchule.fUVTabMenge.size()));
    for (const TUVTab* u : fSchule.fUVTabMenge) UVTab(u);
    Anzahl(fSchule.fKursMenge.size(), [] { return std::string("Kurse"); });
    for (const TKurs* k : fSchule.fKursMenge) Kurs(k);
    Fehlzeiten(fSchule.fFehlLehrerMenge, leh, "Fehlzeiten der Lehrer");
    Fehlzeiten(fSchule.fFehlKlassenMenge, kla, "Fehlzeiten der Klassen");
    Fehlzeiten(fSchule.fFehlRaumMenge, rau, "Fehlzeiten der Räume");
    ParallelRaster();
    Fenster();
  }

 private:
  // Geprüftes Schreiben; die Beschreibung für die Meldung entsteht nur im Fehlerfall.
  template <class F>
  void Int(std::int64_t wert, F&& was) {
    if (wert < -32768 || wert > 32767) b.WriteIntGeprueft(wert, was());
    b.WriteInt(static_cast<std::int32_t>(wert));
  }
  template <class F>
  void Wort(std::int64_t wert, F&& was) {
    if (wert < 0 || wert > 65535) b.WriteWordGeprueft(wert, was());
    b.WriteWord(static_cast<std::uint32_t>(wert));
  }
  template <class F>
  void Anzahl(std::size_t n, F&& was) {
    if (n > TBuffer::MaxAnzahl) b.WriteAnzahl(n, was());
    b.WriteInt(static_cast<std::int32_t>(n));
  }

  // Alle Elemente bekommen ihre Position in der Stammliste, alle Vertretungen ihre Nummer in der
  // Folge der Datei (Kurse, darin Setzungen, darin Vertretungen).
  void Nummerieren() {
    auto liste = [this](const auto& menge) {
      int i = 0;
      for (const TElement* e : menge) fNummer.emplace(e, ++i);
    };
    liste(fSchule.fLehrerMenge);
    liste(fSchule.fKlassenMenge);
    liste(fSchule.fKopplMenge);
    liste(fSchule.fFachMenge);
    liste(fSchule.fRaumMenge);
    liste(fSchule.fUVTabMenge);
    std::int64_t nr = 0;
    for (const TKurs* k : fSchule.fKursMenge)
      for (const TSetzung* s : SetzungenInDateiFolge(k))
        for (const TVertretung* v : s->fVertretungen) fVertretungsNr.emplace(v, ++nr);
    if (nr > static_cast<std::int64_t>(TBuffer::MaxAnzahl))
      b.WriteAnzahl(static_cast<std::size_t>(nr), "Vertretungen der Schule");
  }

  std::int32_t VertretungsNr(const TVertretung* v) const {
    auto it = fVertretungsNr.find(v);
    return it == fVertretungsNr.end() ? 0 : static_cast<std::int32_t>(it->second);
  }

  // Position eines Elements in seiner Liste, 0 wenn es nicht (mehr) darin steht.
  int Nummer(const TElement* e) const {
    if (!e) return 0;
    auto it = fNummer.find(e);
    return it == fNummer.end() ? 0 : it->second;
  }
  void StammRef(const TElement* e) {
    const int n = Nummer(e);
    b.WriteInt(n ? n : kKeinStammElement);
  }
  void Ref(const TElement* e) {
    const int n = Nummer(e);
    b.WriteInt(n ? n : kKeinElement);
  }

  template <class F>
  void Tage(const TWochBereich& bereich, F&& was) {
    for (int w = 1; w <= fW; ++w)
      for (int t = 1; t <= MaxTage; ++t)
        Wort(bereich.GetWocheTag(w, t), [&] {
          return was() + ", Planversion " + std::to_string(w) + ", Tag " + std::to_string(t);
        });
  }

  template <class F>
  void Wochen(const TWochenStunden& stunden, int ab, F&& was) {
    for (int w = ab; w <= fW; ++w)
      Int(stunden.GetWochenStunde(w), [&] { return was() + ", Planversion " + std::to_string(w); });
  }

  template <class T>
  void Kuerzel(const TEigenListe<T>& menge, const char* was) {
    Anzahl(menge.size(), [was] { return std::string(was); });
    for (const T* e : menge) b.WriteKue(e->fKuerzel);
  }

  void Lehrer(const TLehrer* l) {
    b.WriteInfo(l->fInfo);
    Wochen(l->fSoll, 1, [l] { return "Sollstunden von " + Name(l); });
    StammRef(l->fRaum);
    Anzahl(l->fFaecher.size(), [l] { return "Fächer von " + Name(l); });
    for (const TFach* f : l->fFaecher) StammRef(f);
    Tage(l->fSperrung, [l] { return "Sperrungen von " + Name(l); });
    Tage(l->fBesetzung, [l] { return "Belegung von " + Name(l); });
    b.WriteLong(l->fVStunden1);
    b.WriteLong(l->fVStunden2);
    b.WriteDatum(l->fLetzteAenderung);
    b.WriteBool(l->fFreierTag);
  }

  void Klasse(const TKlasse* k) {
    b.WriteInfo(k->fInfo);
    Wochen(k->fSoll, 1, [k] { return "Sollstunden von " + Name(k); });
    StammRef(k->fRaum);
    StammRef(k->fLehrer1);
    StammRef(k->fLehrer2);
    Tage(k->fSperrung, [k] { return "Sperrungen von " + Name(k); });
    Tage(k->fBesetzung, [k] { return "Belegung von " + Name(k); });
    b.WriteBool(k->fKopDop);
    b.WriteDatum(k->fLetzteAenderung);
  }

  void Raum(const TRaum* r) {
    b.WriteInfo(r->fInfo);
    Tage(r->fSperrung, [r] { return "Sperrungen von " + Name(r); });
    Tage(r->fBesetzung, [r] { return "Belegung von " + Name(r); });
    b.WriteDatum(r->fLetzteAenderung);
  }

  void UVTab(const TUVTab* u) {
    b.WriteBool(u->fIstFach);
    b.WriteInfo(u->fInfo);
    if (u->fIstFach) {
      Anzahl(u->fFaecher.size(), [u] { return "Fächer der UV-Tabelle " + Name(u); });
      for (const TFach* f : u->fFaecher) StammRef(f);
    } else {
      Anzahl(u->fLehrer.size(), [u] { return "Lehrer der UV-Tabelle " + Name(u); });
      for (const TLehrer* l : u->fLehrer) StammRef(l);
    }
    Anzahl(u->fKlassen.size(), [u] { return "Klassen der UV-Tabelle " + Name(u); });
    for (const TKlasse* k : u->fKlassen) StammRef(k);
  }

  void Kurs(const TKurs* k) {
    auto name = [k] { return KursName(k); };
    Int(k->fStunden.GetWochenStunde(1), [&] { return "Stunden, " + name() + ", Planversion 1"; });
    Ref(k->fLehrer);
    Ref(k->fKopplung);
    Ref(k->fFach);
    Anzahl(k->fKlassen.size(), [&] { return "Klassen, " + name(); });
    for (const TKlasse* kl : k->fKlassen) Ref(kl);
    Anzahl(k->fRaeume.size(), [&] { return "Räume, " + name(); });
    for (const TRaum* r : k->fRaeume) Ref(r);
    Anzahl(k->fRaumErgaenzt.size(), [&] { return "ergänzte Räume, " + name(); });
    for (const TRaum* r : k->fRaumErgaenzt) Ref(r);
    Wochen(k->fStunden, 2, [&] { return "Stunden, " + name(); });
    Anzahl(k->fSetzungen.size(), [&] { return "Setzungen, " + name(); });
    for (const TSetzung* s : SetzungenInDateiFolge(k)) Setzung(k, s);
    b.WriteInfo(k->fInfo);
    Int(k->fFaktor, [&] { return "Faktor, " + name(); });
    Int(k->fEinzelStd, [&] { return "Einzelstunden, " + name(); });
    b.WriteBool(k->fNichtVerplanen);
    b.WriteBool(k->fNichtZaehlenKl);
    b.WriteBool(k->fNichtZaehlenLe);
    Tage(k->fSperrung, [&] { return "Sperrungen, " + name(); });
    Int(k->fStdProTag, [&] { return "Stunden pro Tag, " + name(); });
    Int(k->fTabellenNr, [&] { return "Tabelle, " + name(); });
    b.WriteColor(k->fColor);
  }

  void Setzung(const TKurs* k, const TSetzung* s) {
    auto was = [k](const char* feld) {
      return [k, feld] { return std::string(feld) + " einer Setzung, " + KursName(k); };
    };
    Ref(s->fRaum);
    Int(s->fStunde, was("Stunde"));
    Int(s->fTag, was("Tag"));
    Int(s->fWoche, was("Planversion"));
    b.WriteBool(s->fFixiert);
    Anzahl(s->fVertretungen.size(), was("Vertretungen"));
    for (const TVertretung* v : s->fVertretungen) Vertretung(v);
  }

  void Vertretung(const TVertretung* v) {
    b.WriteDatum(v->fDatum);
    b.WriteDatum(v->fAdHoc);
    Ref(v->fLehrer);
    Ref(v->fRaum);
    Ref(v->fFach);
    b.WriteBem(v->fLInfo);
    b.WriteBem(v->fSInfo);
    b.WriteBool(v->fFrei);
    b.WriteBool(v->fGueltig);
    b.WriteBool(v->fAngerechnet);
    // Die Nummern stehen nur in der Datei; die Sätze selbst behalten ihre.
    b.WriteInt(VertretungsNr(v));
    b.WriteInt(VertretungsNr(v->fVon));
    b.WriteInt(VertretungsNr(v->fZu));
  }

  void Fehlzeiten(const TEigenListe<TFehl>& menge, TKuerzelArt art, const char* was) {
    Anzahl(menge.size(), [was] { return std::string(was); });
    for (const TFehl* f : menge) {
      b.WriteDatum(f->fDatum);
      // Ein Element der falschen Art gehört nicht in diese Liste.
      const TElement* element = f->fElement;
      Ref(element && element->Art() == art ? element : nullptr);
      Wort(f->fZeit, [f, was] {
        return std::string("Stunden, ") + was +
               (f->fElement ? " von " + Name(f->fElement) : std::string());
      });
      b.WriteGrund(f->fGrund);
    }
  }

  void ParallelRaster() {
    const TParListe& p = *fSchule.fParListe;
    if (p.fZeilen < 0 || p.fSpalten < 0)
      throw EDateiFehler(TDateiFehlerArt::WertZuGross,
                         "Das Raster der parallelen Kopplungen hat eine ungültige Größe (" +
                             std::to_string(p.fZeilen) + " × " + std::to_string(p.fSpalten) + ").");
    const auto n = static_cast<std::size_t>(p.fZeilen) * static_cast<std::size_t>(p.fSpalten);
    // Nur prüfen: die Zahl der Felder selbst steht nicht in der Datei.
    if (n > TBuffer::MaxAnzahl) TBuffer().WriteAnzahl(n, "Felder der parallelen Kopplungen");
    Int(p.fZeilen, [] { return std::string("Zeilen der parallelen Kopplungen"); });
    Int(p.fSpalten, [] { return std::string("Spalten der parallelen Kopplungen"); });
    for (std::size_t i = 0; i < n; ++i) Ref(i < p.fListe.size() ? p.fListe[i] : nullptr);
  }

  void Fenster() {
    std::vector<TFensterSatz> saetze;
    // Jedes offene Fenster einmal, auch zwei mit derselben Überschrift; das zuletzt angemeldete
    // zuerst, denn der erste Satz wird beim Öffnen das oberste Fenster.
    for (auto it = fSchule.fFensterListe.rbegin(); it != fSchule.fFensterListe.rend(); ++it)
      if (const TFenster* f = *it)
        saetze.push_back({f->FensterArt(), str255(Utf8ZuWin1252(f->Titel())), f->Lage()});
    // Ein gelesener, nicht wieder geöffneter Satz folgt, außer ein offenes Fenster gleicher Art
    // und Überschrift steht schon für ihn.
    const std::size_t offen = saetze.size();
    for (const TFensterSatz& satz : fSchule.fGespeicherteFenster)
      if (std::none_of(saetze.begin(), saetze.begin() + static_cast<std::ptrdiff_t>(offen),
                       [&satz](const TFensterSatz& s) {
                         return s.Art == satz.Art && s.Titel == satz.Titel;
                       }))
        saetze.push_back(satz);
    Anzahl(saetze.size(), [] { return std::string("Fenster"); });
    for (const TFensterSatz& s : saetze) {
      auto was = [&s] { return "Lage des Fensters " + U8(s.Titel.str()); };
      Int(s.Art, [&s] { return "Art des Fensters " + U8(s.Titel.str()); });
      b.WriteStr255(s.Titel);
      Int(s.Lage.Links, was);
      Int(s.Lage.Oben, was);
      Int(s.Lage.Breite, was);
      Int(s.Lage.Hoehe, was);
    }
  }

  TBuffer& b;
  const TSchule& fSchule;
  int fW;
  std::unordered_map<const TElement*, int> fNummer;
  std::unordered_map<const TVertretung*, std::int64_t> fVertretungsNr;
};

}  // namespace

std::vector<std::uint8_t> SchuleAlsBytes(const TSchule& schule) {
  TBuffer b;
  b.Reservieren(1 << 18);
  TSchreiber(b, schule).Alles();
  return b.DatenAbgeben();
}

bool WriteSchule(const std::string& pfad, TSchule& schule, std::string& fehler) {
  const std::filesystem::path p = PfadAusUtf8(pfad);
  const std::string name = DateiNameUtf8(p);
  TBeschaeftigt sanduhr;
  Dialog().MeldungsFensterZeigen("Speichern: " + name);
  struct TFensterZu {
    ~TFensterZu() { Dialog().MeldungsFensterSchliessen(); }
  } zu;
  try {
    TBuffer b;
    b.Reservieren(1 << 18);
    TSchreiber(b, schule).Alles();
    b.InDateiSchreiben(p);
  } catch (const EDateiFehler& e) {
    if (e.Art() == TDateiFehlerArt::Zugriff)
      fehler = e.what();
    else
      fehler = DieDatei(name) + " wurde nicht gespeichert. " + e.what() +
               " Die bisherige Datei bleibt unverändert.";
    return false;
  } catch (const std::bad_alloc&) {
    fehler = DieDatei(name) +
             " wurde nicht gespeichert: Der Speicher reicht nicht. Die bisherige Datei bleibt "
             "unverändert.";
    return false;
  } catch (const std::exception& e) {
    fehler = DieDatei(name) + " wurde nicht gespeichert: " + e.what() +
             " Die bisherige Datei bleibt unverändert.";
    return false;
  }
  schule.SetDirty(false);
  return true;
}
