#include "output/VertrHTMLUnit.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "model/DienstUnit.h"
#include "model/ToolsUnit.h"
#include "output/DruckVertrUnit.h"
#include "output/HTMLStilUnit.h"
#include "persistence/BufferUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/KalenderUnit.h"

namespace fs = std::filesystem;

namespace {
const char* const kMeta =
    "<meta http-equiv=\"content-type\" content=\"text/html; charset=ISO-8859-1\">";

std::string Zeile(const std::string& s) {
  return s + "\r";
}

std::string Css() {
  return Zeile("<link rel=\"stylesheet\" href=\"" + HtmlText(Standard().fVertrCSS) +
               "\" type=\"text/css\">");
}

std::string Genannt(const std::string& pfad) {
  return "\u201E" + pfad + "\u201C";
}

fs::path Pfad(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8(const fs::path& p) {
  const std::u8string s = p.u8string();
  return std::string(s.begin(), s.end());
}

std::string KwText(TDateTime datum, bool mitKW) {
  return mitKW ? "  KW " + std::to_string(IsoWoche(datum)) : std::string();
}

// Kopf der Seiten bis einschließlich der Schulüberschrift.
std::string SeitenAnfang(const char* titel) {
  const TStandard& st = Standard();
  std::string s = Zeile("<HTML>") + Zeile("<HEAD>") + Zeile(kMeta) + Zeile(titel);
  if (st.fVertrHTMLScrollen) s += ScrollSkript();
  s += Css() + Zeile("</HEAD>");
  s += st.fVertrHTMLScrollen ? "<BODY onLoad=windowSize()>" : "<BODY>";
  for (int i = 0; i < st.fVertrLeerzeilen; ++i) s += Zeile("<BR>");
  s += Zeile("");
  s += Zeile("<H3>" + HtmlText(st.fSchulname) + "</H3>");
  return s;
}

std::string SeitenEnde() {
  const TStandard& st = Standard();
  std::string s;
  if (st.fVertrHTMLMitZurueck) s += "<P><A HREF=\"index.html\">zur&uuml;ck</A></P>";
  for (int i = 0; i < st.fVertrLeerzeilen; ++i) s += Zeile("<BR>");
  return s + Zeile("</BODY>") + Zeile("</HTML>");
}

std::string ErsatzTeil(TDateTime datum, const std::vector<std::string>& memo, int p, bool mitKW) {
  std::string s = "<H3>" +
                  HtmlText("Ersatzraumplan f\xFCr " + DatumText(datum, "dddd, dd. mmm yyyy")) +
                  KwText(datum, mitKW) + "</H3>\r\r";
  s += Zeile("&nbsp;");
  s += VertretungsplanHtml(kVDHtmlErsatzraum, datum, memo, p, false);
  return s + Zeile("<HR>");
}

std::string TagLink(TDateTime tag) {
  return Zeile("<H3><A HREF=\"../" + TagesordnerName(tag) + "/index.html\">" +
               HtmlText(DatumText(tag, "dddd")) + DatumText(tag, " dd.mm.yyyy") + "</A></H3>");
}

bool Getrennt() {
  return !Standard().fVertrHTMLGemeinsam;
}

void Fehler(const std::string& text) {
  Dialog().Meldung("HTML-Export", {text}, TMeldungsArt::Fehler);
}

// Die Stilvorlage, auf die die Seiten verweisen (fVertrCSS), kommt wie bei den Planseiten in
// jeden Ordner einer Seite, in dem sie fehlt; nur wenn fVertrCSS ein bloßer Dateiname ist (kein
// Pfad, keine Adresse). Eine vorhandene Datei bleibt, wie sie ist.
void StilvorlageDazu(std::vector<std::pair<std::string, std::string>>& dateien) {
  const std::string name = Win1252ZuUtf8(Standard().fVertrCSS);
  if (name.empty() || name.find_first_of("/\\:") != std::string::npos || name == "." ||
      name == "..")
    return;
  std::vector<fs::path> ordner;
  for (const auto& d : dateien) {
    const fs::path o = Pfad(d.first).parent_path();
    if (std::find(ordner.begin(), ordner.end(), o) == ordner.end()) ordner.push_back(o);
  }
  for (const fs::path& o : ordner) {
    std::error_code ec;
    if (!fs::exists(o / Pfad(name), ec))
      dateien.emplace_back(Utf8(o / Pfad(name)), HTMLStilvorlage());
  }
}

// Schreibt die Seiten der Reihe nach, dazu die Stilvorlage; bei der ersten misslungenen Meldung
// und falsch.
bool AlleSchreiben(std::vector<std::pair<std::string, std::string>> dateien,
                   std::vector<std::string>* geschrieben) {
  std::string fehler;
  StilvorlageDazu(dateien);
  // Erst alle Ordner prüfen: keine Datei wird geschrieben, wenn eine nicht geschrieben werden kann.
  for (const auto& d : dateien) {
    std::error_code ec;
    const fs::path ordner = Pfad(d.first).parent_path();
    if (!ordner.empty() && !fs::is_directory(ordner, ec)) {
      Fehler("Die Datei " + Genannt(d.first) + " kann nicht geschrieben werden: Den Ordner " +
             Genannt(Utf8(ordner)) + " gibt es nicht.");
      return false;
    }
  }
  Dialog().MeldungsFensterZeigen("Der Vertretungsplan wird als HTML-Datei exportiert.");
  bool ok = true;
  for (const auto& [pfad, inhalt] : dateien) {
    if (!HtmlDateiSchreiben(pfad, inhalt, fehler)) {
      ok = false;
      break;
    }
    if (geschrieben) geschrieben->push_back(pfad);
  }
  Dialog().MeldungsFensterSchliessen();
  if (!ok) Fehler(fehler);
  return ok;
}
}  // namespace

std::string TagesordnerName(TDateTime datum) {
  return "Vertretung " + DatumText(datum, "dd-mm-yyyy");
}

std::string ScrollSkript() {
  const TStandard& st = Standard();
  const char* const zeilen[] = {
      "<script type=\"text/javascript\">",
      "",
      "<!--",
      nullptr,
      nullptr,
      nullptr,
      "var ende = 0;",
      "",
      "function auto() {",
      "var aktiv1 = window.setInterval(\"scrollen()\",zeitScrollen);",
      "var aktiv2 = window.setInterval(\"laden()\",zeitLaden);",
      "}",
      "",
      "function scrollen() {",
      "var position=0;",
      "if (window.pageYOffset) position=window.pageYOffset;",
      "else if (document.body.scrollTop) position=document.body.scrollTop;",
      "if (position>=ende-1) scrollTo(0,-1);",
      "else window.scrollBy(0,SprungPixel);",
      "}",
      "",
      "function laden() {",
      "window.history.go(0);",
      "}",
      "",
      "function windowSize() {",
      "window.scrollBy(0,50000);",
      "if (window.pageYOffset) ende=window.pageYOffset;",
      "else if (document.body.scrollTop) ende=document.body.scrollTop;",
      "auto();",
      "}",
      "// -->",
      "</script>"};
  std::string s;
  int n = 0;
  for (const char* z : zeilen) {
    if (z) {
      s += Zeile(z);
    } else if (n == 0) {
      s += Zeile("var zeitScrollen=" + std::to_string(st.fVertrScrollSekunden) + ";");
      ++n;
    } else if (n == 1) {
      s += Zeile("var zeitLaden=" + std::to_string(static_cast<long long>(st.fVertrLaden) * 60000) +
                 ";");
      ++n;
    } else {
      s += Zeile("var SprungPixel=" + std::to_string(st.fVertrScrollPixel) + ";");
    }
  }
  return s;
}

std::string VertrIndexSeite(TDateTime datum, bool getrennt) {
  datum = PlanDatum(datum);
  std::string s = Zeile("<HTML>") + Zeile("<HEAD>") +
                  Zeile("<TITLE>Vertretungsinformationssystem</TITLE>") + Css() + Zeile("</HEAD>") +
                  Zeile("<BODY>");
  s += Zeile("<H3>" + HtmlText(Standard().fSchulname) + "</H3>");
  s += Zeile("<H3>Vertretungsinformationssystem</H3>") + Zeile("") + Zeile("&nbsp;");
  s += Zeile("<H2>" + HtmlText(DatumText(datum, "dddd, d. mmm. yyyy")) + "</H2>") + Zeile("");
  s += Zeile("<H3><A HREF=\"vp.html\">Vertretungsplan</A></H3>");
  if (getrennt) s += Zeile("<H3><A HREF=\"ep.html\">Ersatzraumplan</A></H3>");
  // Nur zu Schultagen, die es gibt: am Rand des Kalenders fällt der Verweis weg.
  const TDateTime naechster = VDDatumSchritt(datum, 1);
  const TDateTime voriger = VDDatumSchritt(datum, -1);
  if (naechster != datum) s += TagLink(naechster);
  if (voriger != datum) s += TagLink(voriger);
  return s + Zeile("</BODY>") + Zeile("</HTML>");
}

std::string VertrPlanSeite(TDateTime datum, const std::vector<std::string>& memo, int p,
                           bool mitErsatz, bool mitKW) {
  datum = PlanDatum(datum);
  std::string s = SeitenAnfang("<TITLE>Vertretungsplan</TITLE>");
  s += "<H3>" + HtmlText("Vertretungsplan f\xFCr " + DatumText(datum, "dddd, dd. mmm yyyy")) +
       KwText(datum, mitKW) + "</H3>\r\r";
  s += Zeile("&nbsp;");
  s +=
      VertretungsplanHtml(kVDHtmlVertretung, datum, memo, p, Standard().fVertrHTMLNurVertreteneStd);
  s += Zeile("<HR>");
  if (mitErsatz) s += ErsatzTeil(datum, memo, p, mitKW);
  return s + SeitenEnde();
}

std::string ErsatzraumSeite(TDateTime datum, const std::vector<std::string>& memo, int p,
                            bool mitKW) {
  datum = PlanDatum(datum);
  return SeitenAnfang("<TITLE>Ersatzraumplan</TITLE>") + ErsatzTeil(datum, memo, p, mitKW) +
         SeitenEnde();
}

bool HtmlDateiSchreiben(const std::string& pfad, const std::string& inhalt, std::string& fehler) {
  if (pfad.empty()) {
    fehler = "Es ist keine HTML-Datei angegeben.";
    return false;
  }
  std::error_code ec;
  const fs::path ziel = Pfad(pfad);
  const fs::path ordner = ziel.has_parent_path() ? ziel.parent_path() : fs::path(".");
  if (!fs::is_directory(ordner, ec)) {
    fehler = "Die Datei " + Genannt(pfad) + " kann nicht geschrieben werden: Den Ordner " +
             Genannt(Utf8(ordner)) + " gibt es nicht.";
    return false;
  }
  try {
    TBuffer b(reinterpret_cast<const std::uint8_t*>(inhalt.data()), inhalt.size());
    b.InDateiSchreiben(ziel);
  } catch (const EDateiFehler&) {
    fehler = "Die Datei " + Genannt(pfad) + " kann nicht geschrieben werden.";
    return false;
  }
  return true;
}

int EinzigeVorgabe() {
  const TStandard& st = Standard();
  int p = 0, n = 0;
  for (int i = 1; i <= 4; ++i)
    if (st.fVertrCheck[i]) {
      p = i;
      ++n;
    }
  if (n == 1) return p;
  Dialog().Meldung("Meldung",
                   {"F\u00FCr den HTML-Vertretungsplan", "darf nur eine Druckeinstellung",
                    "ausgw\u00E4hlt sein."},
                   TMeldungsArt::Information);
  return 0;
}

bool AlleVorgaben() {
  const TStandard& st = Standard();
  for (int i = 1; i <= 4; ++i)
    if (!st.fVertrCheck[i]) {
      Dialog().Meldung("HTML4Warnung",
                       {"F\u00FCr den HTML4-Vertretungsplan", "m\u00FCssen alle Druckeinstellungen",
                        "ausgw\u00E4hlt sein."},
                       TMeldungsArt::Warnung);
      return false;
    }
  return true;
}

bool VertretungsTagesordner(const std::string& ordner, TDateTime datum,
                            const std::vector<std::string>& memo, int p,
                            std::vector<std::string>* geschrieben) {
  datum = PlanDatum(datum);
  std::error_code ec;
  const fs::path o = fs::absolute(Pfad(ordner), ec);
  if (ec || ordner.empty()) {
    Fehler("Kann Verzeichnis nicht erstellen! (" + Genannt(ordner) + ")");
    return false;
  }
  if (fs::is_directory(o, ec)) {
    const int antwort = Dialog().Frage("HTML-Export",
                                       {"Den Ordner " + Genannt(Utf8(o)) + " gibt es schon.",
                                        "Sollen die Seiten darin ersetzt werden?"},
                                       TMeldungsArt::Frage, {"Ersetzen", "Abbrechen"}, 0, 1);
    if (antwort != 0) return false;
  } else if (!fs::create_directory(o, ec) || ec) {
    Fehler("Kann Verzeichnis nicht erstellen! (" + Genannt(Utf8(o)) + ")");
    return false;
  }
  const bool mitEPlan = Standard().fVDEinstellung[std::clamp(p, 1, 4)].DruckEP;
  const bool getrennt = Getrennt() && mitEPlan;
  std::vector<std::pair<std::string, std::string>> dateien = {
      {Utf8(o / "index.html"), VertrIndexSeite(datum, getrennt)},
      {Utf8(o / "vp.html"), VertrPlanSeite(datum, memo, p, mitEPlan, false)}};
  if (getrennt) dateien.emplace_back(Utf8(o / "ep.html"), ErsatzraumSeite(datum, memo, p, false));
  if (!AlleSchreiben(dateien, geschrieben)) return false;
  // Ersetzt: ein Ersatzraumplan, der nicht mehr dazugehört, bleibt nicht stehen.
  if (!getrennt) fs::remove(o / "ep.html", ec);
  return true;
}

bool VertretungsDateien(const std::string& vpPfad, const std::string& epPfad, TDateTime datum,
                        const std::vector<std::string>& memo, int p,
                        std::vector<std::string>* geschrieben) {
  const bool mitEPlan = Standard().fVDEinstellung[std::clamp(p, 1, 4)].DruckEP;
  std::vector<std::pair<std::string, std::string>> dateien;
  if (!vpPfad.empty())
    dateien.emplace_back(vpPfad, VertrPlanSeite(datum, memo, p, mitEPlan, false));
  if (mitEPlan && Getrennt() && !epPfad.empty())
    dateien.emplace_back(epPfad, ErsatzraumSeite(datum, memo, p, false));
  return AlleSchreiben(dateien, geschrieben);
}

bool VertretungHtml4(TDateTime datum, const std::vector<std::string>& memo,
                     std::vector<std::string>* geschrieben) {
  const TStandard& st = Standard();
  std::vector<std::string> fehlen;
  for (int p = 1; p <= 4; ++p)
    if (st.fVDEinstellung[p].HTMLPfad.empty())
      fehlen.push_back("F\u00FCr die Druckeinstellung " + std::to_string(p) +
                       " ist kein Pfad zur HTML-Datei eingetragen.");
  if (!fehlen.empty()) {
    fehlen.push_back("Es wurde keine Datei geschrieben.");
    Dialog().Meldung("HTML-Export", fehlen, TMeldungsArt::Fehler);
    return false;
  }
  std::vector<std::pair<std::string, std::string>> dateien;
  for (int p = 1; p <= 4; ++p) {
    const VDEintrag& e = st.fVDEinstellung[p];
    const TDateTime tag = e.folgeTag ? VDDatumSchritt(datum, 1) : PlanDatum(datum);
    dateien.emplace_back(
        e.HTMLPfad, VertrPlanSeite(tag, memo, p, st.fVertrHTMLGemeinsam && e.DruckEP, e.mitKW));
  }
  if (!AlleSchreiben(dateien, geschrieben)) return false;
  Dialog().Meldung("Fertig", {"Die 4 HTML-Dateien wurden exportiert."}, TMeldungsArt::Information);
  return true;
}
