#include "output/HTMLUnit.h"

#include <algorithm>
#include <filesystem>
#include <unordered_map>
#include <vector>

#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "model/SchulUnit.h"
#include "output/HTMLStilUnit.h"
#include "persistence/BufferUnit.h"
#include "persistence/SchulFormatUnit.h"
#include "planning/SetzungUnit.h"
#include "settings/StandardUnit.h"

namespace {
constexpr char kCR = '\r';
constexpr const char* kMeta =
    "<meta http-equiv=\"content-type\" content=\"text/html; charset=ISO-8859-1\">";
constexpr const char* kStil = "<link rel=\"stylesheet\" href=\"tamrel.css\" type=\"text/css\">";
constexpr const char* kZurueck = "<P><A HREF=\"index.html\">zur&uuml;ck</A></P>";
// Höchstlänge des Inhalts einer Zelle der Kurstabellen.
constexpr std::size_t kZellenLaenge = 255;

// Was eine Art auf den Seiten heißt.
struct TSeitenArt {
  TKuerzelArt Art;
  const char* Vorsilbe;  // der Dateien
  const char* Liste;     // Titel und Überschrift der Liste
  const char* Wort;      // vor dem Namen auf der Seite des Elements
  bool MitLeerzeichen;   // Kürzel und Info in der Liste durch ein Leerzeichen getrennt
};

constexpr TSeitenArt kArten[] = {
    {leh, "lpl", "Lehrerpl&auml;ne", "Lehrerplan ", false},
    {kla, "kpl", "Klassenpl&auml;ne", "Klassenplan ", false},
    {rau, "rpl", "Raumpl&auml;ne", "Raumplan ", true},
    {kop, "ko", "Kopplungen", "Kopplungsdaten ", true},
    {fac, "fa", "F&auml;cher", "Fachdaten ", true},
};

const TSeitenArt& SeitenArt(TKuerzelArt art) {
  for (const TSeitenArt& a : kArten)
    if (a.Art == art) return a;
  return kArten[0];
}

// Die Elemente einer Art in der Folge ihrer Liste.
std::vector<const TElement*> Elemente(TKuerzelArt art) {
  const TSchule& s = Schule();
  std::vector<const TElement*> v;
  auto alle = [&v](const auto& liste) {
    for (const auto* e : liste) v.push_back(e);
  };
  switch (art) {
    case leh:
      alle(s.fLehrerMenge);
      break;
    case kla:
      alle(s.fKlassenMenge);
      break;
    case rau:
      alle(s.fRaumMenge);
      break;
    case kop:
      alle(s.fKopplMenge);
      break;
    case fac:
      alle(s.fFachMenge);
      break;
    default:
      break;
  }
  return v;
}

// Eine Seite wächst Zeile für Zeile; jede Zeile endet mit CR.
class TSeite {
 public:
  TSeite& operator<<(std::string_view t) {
    fText += t;
    return *this;
  }
  void Zeile(std::string_view t) {
    fText += t;
    fText += kCR;
  }
  std::string Text() && { return std::move(fText); }

 private:
  std::string fText;
};

// Die Stellen aller Elemente in ihren Listen, für die Verweise.
class TStellen {
 public:
  TStellen() {
    for (const TSeitenArt& a : kArten) {
      int n = 0;
      for (const TElement* e : Elemente(a.Art)) fStelle[e] = ++n;
    }
  }
  int Stelle(const TElement* e) const {
    const auto it = fStelle.find(e);
    return it == fStelle.end() ? 0 : it->second;
  }
  // " <A HREF="fa3.html">" + Kürzel + "</A>"; fett: das Kürzel in <B>…</B>.
  std::string Verweis(const TElement* e, bool fett = false) const {
    std::string k = HTMLText(e->fKuerzel.str());
    if (fett) k = "<B>" + k + "</B>";
    return "<A HREF=\"" + HTMLDateiName(e->Art(), Stelle(e)) + "\">" + k + "</A>";
  }

 private:
  std::unordered_map<const TElement*, int> fStelle;
};

void Kopf(TSeite& s, std::string_view titel) {
  s.Zeile("<HTML>");
  s.Zeile("<HEAD>");
  s.Zeile(kMeta);
  s.Zeile(titel);
  s.Zeile(kStil);
  s.Zeile("</HEAD>");
}

std::string SchulZeile() {
  return "<H1>" + HTMLText(Standard().fSchulname) + "</H1>";
}

// Kopf der Listen und der Kursliste bis einschließlich "<TABLE>".
void ListenKopf(TSeite& s, const std::string& titel) {
  Kopf(s, " <TITLE>" + titel + "</TITLE>");
  s.Zeile(SchulZeile());
  s.Zeile("<H1>" + titel + "</H1>");
  s.Zeile("<TABLE>");
}

void ListenSchluss(TSeite& s) {
  s.Zeile("</TABLE>");
  s.Zeile(kZurueck);
  s.Zeile("</BODY>");
  s.Zeile("</HTML>");
}

std::string Kopfzelle(std::string_view text) {
  return "<TH><DIV CLASS=\"Titel\">" + std::string(text) + "</DIV></TH>";
}

int Woche() {
  const int w = Standard().fAktuelleWoche;
  return w >= 1 && w <= MaxWochen ? w : 1;
}

// Die Stundenplantabelle eines Lehrers, einer Klasse oder eines Raums.
void PlanTabelle(TSeite& s, const TPlanElement* e, const TStellen& stellen) {
  const TStandard& st = Standard();
  const int woche = Woche();
  const int tage = std::min(st.fMaxTageNeu, MaxTage);
  const int stunden = std::min(st.fPlnStd, MaxStunden);
  const TKuerzelArt art = e->Art();
  s.Zeile("<TR>");
  s.Zeile(Kopfzelle("*"));
  for (int d = 1; d <= tage; ++d) s.Zeile(Kopfzelle(HTMLText(st.fTagBez[d].str())));
  s.Zeile("</TR>");
  for (int h = 1; h <= stunden; ++h) {
    s.Zeile("<TR>");
    s.Zeile(Kopfzelle(HTMLText(st.fStdBez[woche][h].str())));
    for (int d = 1; d <= tage; ++d) {
      const TListe<TKurs> kurse = e->KurseFinden(woche, d, h, art == rau ? e : nullptr);
      if (kurse.empty()) {
        s.Zeile(" <TD><DIV CLASS=\"Plan\">---</DIV></TD>");
        continue;
      }
      if (art == kla) {
        s.Zeile("<TD><DIV CLASS=\"Plan\">");
        bool erste = true;
        for (const TKurs* k : kurse) {
          std::string z = erste ? "" : "<BR>";
          erste = false;
          if (k->fLehrer) z += " " + stellen.Verweis(k->fLehrer);
          if (k->fFach) z += " " + stellen.Verweis(k->fFach);
          if (k->fKopplung) z += " " + stellen.Verweis(k->fKopplung);
          const TSetzung* setzung = k->SetzungFinden(woche, d, h);
          if (setzung && setzung->fRaum) z += " " + stellen.Verweis(setzung->fRaum);
          s.Zeile(z);
        }
        s.Zeile("</DIV></TD>");
        continue;
      }
      // Lehrer und Raum: der Kurs der Zelle, je Klasse eine Zeile.
      const TKurs* k = kurse[0];
      std::string text;
      if (art == rau && k->fLehrer) text += " " + stellen.Verweis(k->fLehrer);
      if (k->fFach) text += " " + stellen.Verweis(k->fFach);
      if (k->fKopplung) text += " " + stellen.Verweis(k->fKopplung);
      if (art == leh) {
        const TSetzung* setzung = k->SetzungFinden(woche, d, h);
        if (setzung && setzung->fRaum) text += " " + stellen.Verweis(setzung->fRaum);
      }
      if (k->fKlassen.empty()) {
        s.Zeile("<TD><DIV CLASS=\"Plan\">" + text + "</DIV></TD>");
        continue;
      }
      s.Zeile("<TD><DIV CLASS=\"Plan\">");
      bool erste = true;
      for (const TKlasse* kl : k->fKlassen) {
        if (!erste) s.Zeile("<BR>");
        erste = false;
        s.Zeile(stellen.Verweis(kl) + text);
      }
      s.Zeile("</DIV></TD>");
    }
    s.Zeile("</TR>");
  }
}

void Zelle(TSeite& s, std::string_view inhalt) {
  s.Zeile("<TD><DIV CLASS=\"Plan\">");
  s.Zeile(inhalt);
  s.Zeile("</DIV></TD>");
}

// Verweise mit " <BR>" dazwischen; passt ein Verweis nicht mehr in die Zelle, entfallen er und
// alle folgenden ganz, statt mitten in einer Marke abgeschnitten zu werden.
std::string VerweisListe(const std::vector<std::string>& verweise) {
  std::string inhalt;
  for (const std::string& v : verweise) {
    const std::string teil = (inhalt.empty() ? " " : " <BR> ") + v;
    if (inhalt.size() + teil.size() > kZellenLaenge) break;
    inhalt += teil;
  }
  return inhalt.empty() ? "---" : inhalt;
}

// Kopfzeile und Zeilen einer Kurstabelle.
void KursTabelle(TSeite& s, const std::vector<const TKurs*>& kurse, const TStellen& stellen) {
  const TStandard& st = Standard();
  const int woche = Woche();
  s.Zeile("<TR>");
  for (const char* t : {"Wert", "Std.", "Lehrer", "Fach", "Klassen", "Kopplung", "R&auml;ume"})
    s.Zeile(Kopfzelle(t));
  s.Zeile("</TR>");
  auto einzeln = [&stellen](const TElement* e) {
    return e ? " " + stellen.Verweis(e) : std::string("---");
  };
  for (const TKurs* k : kurse) {
    const std::int32_t std = k->fStunden.GetWochenStunde(woche);
    s.Zeile("<TR>");
    Zelle(s,
          StundenText(static_cast<std::int64_t>(std) * k->fFaktor, st.fDivisor, 0, st.fNachKomma));
    Zelle(s, std::to_string(std));
    Zelle(s, einzeln(k->fLehrer));
    Zelle(s, einzeln(k->fFach));
    std::vector<std::string> klassen;
    for (const TKlasse* kl : k->fKlassen) klassen.push_back(stellen.Verweis(kl));
    Zelle(s, VerweisListe(klassen));
    Zelle(s, einzeln(k->fKopplung));
    std::vector<std::string> raeume;
    for (const TRaum* r : k->fRaeume) raeume.push_back(stellen.Verweis(r, k->VerplantImRaum(r)));
    Zelle(s, VerweisListe(raeume));
    s.Zeile("</TR>");
  }
}

template <class L>
std::vector<const TKurs*> Kurse(const L& liste) {
  std::vector<const TKurs*> v;
  for (const TKurs* k : liste) v.push_back(k);
  return v;
}

// Nach jeder Datei die Anzeige; zwischen den Listen der neue Höchstwert.
void ListeAnzeigen(THTMLAnzeige* anzeige, int anzahl) {
  if (anzeige) anzeige->ListeBeginn(anzahl);
}
// Die Kalenderdatei neben der Seite: "lpl3.ics".
std::string KalenderName(TKuerzelArt art, int nr) {
  const std::string seite = HTMLDateiName(art, nr);
  return seite.substr(0, seite.size() - 5) + ".ics";
}

void ElementAnzeigen(THTMLAnzeige* anzeige, const TElement* e, int nr) {
  if (!anzeige) return;
  anzeige->Element(U8(e->fKuerzel.str()), nr);
  if (nr % 5 == 0) anzeige->Fortschritt(nr);
}
}  // namespace

std::string HTMLText(std::string_view ansi) {
  std::string t;
  t.reserve(ansi.size());
  for (const char c : ansi) {
    switch (static_cast<unsigned char>(c)) {
      case '&':
        t += "&amp;";
        break;
      case '<':
        t += "&lt;";
        break;
      case '>':
        t += "&gt;";
        break;
      case '"':
        t += "&quot;";
        break;
      case 0xC4:
        t += "&Auml;";
        break;
      case 0xD6:
        t += "&Ouml;";
        break;
      case 0xDC:
        t += "&Uuml;";
        break;
      case 0xE4:
        t += "&auml;";
        break;
      case 0xF6:
        t += "&ouml;";
        break;
      case 0xFC:
        t += "&uuml;";
        break;
      case 0xDF:
        t += "&szlig;";
        break;
      case 0xA7:
        t += "&sect;";
        break;
      case 0xA5:
        t += "&yen;";
        break;
      default:
        t += c;
    }
  }
  return t;
}

std::string HTMLDateiName(TKuerzelArt art, int nr) {
  return std::string(SeitenArt(art).Vorsilbe) + (nr > 0 ? std::to_string(nr) : "") + ".html";
}

std::string HTMLIndexSeite() {
  TSeite s;
  Kopf(s, "<TITLE>Planinformationssystem</TITLE>");
  s.Zeile(SchulZeile());
  s.Zeile("<H1>Planinformationssytem</H1>");
  s.Zeile("&nbsp;");
  s.Zeile("<H2><A HREF=\"lpl.html\">Lehrerpl&auml;ne</A></H2>");
  s.Zeile("<H2><A HREF=\"kpl.html\">Klassenpl&auml;ne</A></H2>");
  s.Zeile("<H2><A HREF=\"rpl.html\">Raumpl&auml;ne</A></H2>");
  s.Zeile("<H2><A HREF=\"ko.html\">Kopplungsdaten</A></H2>");
  s.Zeile("<H2><A HREF=\"fa.html\">F&auml;cherdaten</A></H2>");
  s.Zeile("<H2><A HREF=\"ku.html\">Alle Kursdaten</A></H2>");
  s.Zeile("</BODY>");
  s.Zeile("</HTML>");
  return std::move(s).Text();
}

std::string HTMLListenSeite(TKuerzelArt art) {
  const TSeitenArt& a = SeitenArt(art);
  TSeite s;
  ListenKopf(s, a.Liste);
  const std::vector<const TElement*> elemente = Elemente(art);
  for (std::size_t k = 0; k < elemente.size(); ++k) {
    const TElement* e = elemente[k];
    if (k % 4 == 0) s.Zeile("<TR>");
    s.Zeile("<TD><DIV CLASS=\"Plan\">");
    const std::string text = e->fKuerzel.str() + (a.MitLeerzeichen ? " " : "") + e->fInfo.str();
    s.Zeile("<A HREF=\"" + HTMLDateiName(art, static_cast<int>(k) + 1) + "\">" + HTMLText(text) +
            "</A>");
    s.Zeile("</DIV></TD>");
    if (k % 4 == 3) s.Zeile("</TR>");
  }
  if (elemente.size() % 4 != 0) s.Zeile("</TR>");
  ListenSchluss(s);
  return std::move(s).Text();
}

std::string HTMLKursSeite() {
  TSeite s;
  ListenKopf(s, "Alle Kurse");
  KursTabelle(s, Kurse(Schule().fKursMenge), TStellen());
  ListenSchluss(s);
  return std::move(s).Text();
}

std::string HTMLElementSeite(TKuerzelArt art, int nr, bool mitKalender) {
  const TSeitenArt& a = SeitenArt(art);
  const std::vector<const TElement*> elemente = Elemente(art);
  const int n = static_cast<int>(elemente.size());
  if (nr < 1 || nr > n) return {};
  const TElement* e = elemente[static_cast<std::size_t>(nr - 1)];
  const std::string name = a.Wort + HTMLText(e->fKuerzel.str() + " " + e->fInfo.str());
  TSeite s;
  Kopf(s, " <TITLE>" + name + "</TITLE>");
  s.Zeile("<BODY>");
  s.Zeile(SchulZeile());
  s.Zeile("<H1>" + name + "</H1>");
  s.Zeile("<TABLE>");
  const TStellen stellen;
  if (art == leh || art == kla || art == rau)
    PlanTabelle(s, static_cast<const TPlanElement*>(e), stellen);
  else
    KursTabelle(s, Kurse(e->fKurse), stellen);
  s.Zeile("</TABLE>");
  const int vorher = nr == 1 ? n : nr - 1;
  const int nachher = nr == n ? 1 : nr + 1;
  s.Zeile("<P><A HREF=\"" + HTMLDateiName(art, vorher) + "\">&lt;---</A> <A HREF=\"" +
          HTMLDateiName(art) + "\">zur&uuml;ck</A> <A HREF=\"" + HTMLDateiName(art, nachher) +
          "\">---&gt;</A></P>");
  if (mitKalender && (art == leh || art == kla || art == rau))
    s.Zeile("<P><A HREF=\"" + KalenderName(art, nr) + "\">Kalender (iCalendar)</A></P>");
  s.Zeile("</BODY>");
  s.Zeile("</HTML>");
  return std::move(s).Text();
}

void THTMLExport::Erzeugen(const THTMLAblage& ablage,
                           const std::function<bool(const std::string&)>& kalenderDa) {
  ablage("index.html", HTMLIndexSeite());
  for (const TSeitenArt& a : kArten) ablage(HTMLDateiName(a.Art), HTMLListenSeite(a.Art));
  ablage("ku.html", HTMLKursSeite());
  for (const TSeitenArt& a : kArten) {
    const std::vector<const TElement*> elemente = Elemente(a.Art);
    ListeAnzeigen(fAnzeige, static_cast<int>(elemente.size()));
    for (int nr = 1; nr <= static_cast<int>(elemente.size()); ++nr) {
      ElementAnzeigen(fAnzeige, elemente[static_cast<std::size_t>(nr - 1)], nr);
      const bool kalender = kalenderDa && kalenderDa(KalenderName(a.Art, nr));
      ablage(HTMLDateiName(a.Art, nr), HTMLElementSeite(a.Art, nr, kalender));
    }
  }
}

std::vector<std::string> HTMLAlteSeiten(const std::vector<std::string>& namen) {
  struct TArt {
    TKuerzelArt Art;
    const char* Vorsilbe;
  };
  static const TArt kArten[] = {{leh, "lpl"}, {kla, "kpl"}, {rau, "rpl"}, {kop, "ko"}, {fac, "fa"}};
  std::vector<std::string> alt;
  for (const std::string& name : namen) {
    for (const TArt& a : kArten) {
      const std::string vor = a.Vorsilbe;
      if (name.size() <= vor.size() + 5 || name.compare(0, vor.size(), vor) != 0 ||
          name.compare(name.size() - 5, 5, ".html") != 0)
        continue;
      const std::string zahl = name.substr(vor.size(), name.size() - vor.size() - 5);
      // Nur die Namen, die der Export selbst schreibt: eine Zahl ab 1 ohne führende Null.
      if (zahl.empty() || zahl.size() > 9 || zahl[0] == '0' ||
          zahl.find_first_not_of("0123456789") != std::string::npos)
        continue;
      if (std::stoi(zahl) > static_cast<int>(Schule().Elemente(a.Art).size())) alt.push_back(name);
    }
  }
  return alt;
}

bool THTMLExport::ExportToFile(const std::string& pfad, bool ersetzen) {
  namespace fs = std::filesystem;
  fDateien = 0;
  auto warnung = [](std::vector<std::string> zeilen) {
    Dialog().Meldung(Titel, zeilen, TMeldungsArt::Warnung);
    return false;
  };
  if (pfad.empty())
    return warnung({"Kann Verzeichnis nicht erstellen!", "Es ist kein Ordner angegeben."});
  std::error_code ec;
  // Ein fester Pfad: der Arbeitsordner des Prozesses wird nie gewechselt.
  fs::path ordner = fs::absolute(PfadAusUtf8(pfad), ec).lexically_normal();
  if (!ordner.has_filename()) ordner = ordner.parent_path();
  const std::u8string voll = ordner.u8string();
  const std::string ordnerText = "„" + std::string(voll.begin(), voll.end()) + "“";
  if (ec) return warnung({"Kann Verzeichnis nicht erstellen!", ordnerText});
  if (fs::is_directory(ordner, ec)) {
    if (!ersetzen && Dialog().Frage(Titel,
                                    {"Der Ordner " + ordnerText + " ist schon vorhanden.",
                                     "Sollen die Seiten darin ersetzt werden?"},
                                    TMeldungsArt::Warnung, {"Ja", "Nein"}, 1, 1) != 0)
      return false;
  } else if (!fs::create_directory(ordner, ec) || ec) {
    return warnung({"Kann Verzeichnis nicht erstellen!", ordnerText});
  }
  if (fAnzeige) fAnzeige->Ordner(DateiNameUtf8(ordner));
  try {
    Erzeugen(
        [&](const std::string& name, const std::string& bytes) {
          TBuffer b(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
          b.InDateiSchreiben(ordner / name);
          ++fDateien;
        },
        [&](const std::string& name) { return fs::is_regular_file(ordner / name, ec); });
    if (!fs::exists(ordner / kHTMLStilName, ec)) {
      const std::string& stil = HTMLStilvorlage();
      TBuffer(reinterpret_cast<const std::uint8_t*>(stil.data()), stil.size())
          .InDateiSchreiben(ordner / kHTMLStilName);
      ++fDateien;
    }
  } catch (const EDateiFehler& e) {
    return warnung({e.what(), "Ordner: " + ordnerText});
  }
  // Die eigenen Seiten eines früheren Exports über den neuen Anzahlen (der Lehrer, der gegangen
  // ist) verweisen auf Seiten, die es nicht mehr gibt: sie gehen. Andere Dateien bleiben.
  std::vector<std::string> namen;
  for (const fs::directory_entry& e : fs::directory_iterator(ordner, ec))
    if (e.is_regular_file(ec)) namen.push_back(DateiNameUtf8(e.path()));
  for (const std::string& name : HTMLAlteSeiten(namen))
    if (!fs::remove(ordner / PfadAusUtf8(name), ec) || ec)
      return warnung({"Die alte Seite \u201E" + name + "\u201C kann nicht entfernt werden.",
                      "Ordner: " + ordnerText});
  return true;
}
