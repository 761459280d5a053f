#include "output/PrevPrinterUnit.h"

#include <cmath>

#include "model/DatumUnit.h"
#include "model/SchulUnit.h"
#include "model/ToolsUnit.h"
#include "settings/StandardUnit.h"

namespace {
const TSeite kLeereSeite;

std::string DateiNameOhneOrdner(const std::string& pfad) {
  const auto pos = pfad.find_last_of("/\\");
  return pos == std::string::npos ? pfad : pfad.substr(pos + 1);
}
}  // namespace

TDruckerMasse A4Masse(int ppi, bool quer) {
  TDruckerMasse m;
  m.pXppi = m.pYppi = ppi;
  // 210 × 297 mm, auf ganze Punkte abgeschnitten.
  const int b = static_cast<int>(210.0 * ppi / 25.4);
  const int h = static_cast<int>(297.0 * ppi / 25.4);
  m.Breite = m.BlattBreite = quer ? h : b;
  m.Hoehe = m.BlattHoehe = quer ? b : h;
  return m;
}

std::string KopfDatumText(TDateTime jetzt) {
  static const char* const kTage[7] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
  static const char* const kMonate[12] = {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun",
                                          "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
  const TDatum d = ZahlZuDatum(jetzt);
  const double tag = std::floor(jetzt);
  int minuten = static_cast<int>(std::floor((jetzt - tag) * 1440.0 + 1e-6));
  if (minuten > 1439) minuten = 1439;
  const int mm = minuten % 60;
  return std::string(kTage[WochenTag(jetzt) - 1]) + ", " + std::to_string(d.Tag) + ". " +
         kMonate[d.Monat - 1] + " " + std::to_string(d.Jahr) + "     " +
         std::to_string(minuten / 60) + ":" + (mm < 10 ? "0" : "") + std::to_string(mm) +
         " Uhr      ";
}

TPrevPrinter::TPrevPrinter(const TDruckerMasse& masse, TTextMetrik& metrik)
    : fMasse(masse), fMetrik(metrik) {}

void TPrevPrinter::Melden(const std::string& text) {
  if (fFortschritt)
    fFortschritt->Zeigen(text);
  else
    Dialog().MeldungsFensterZeigen(text);
  fMeldungOffen = true;
}

void TPrevPrinter::MeldungSchliessen() {
  if (!fMeldungOffen) return;
  if (fFortschritt)
    fFortschritt->Schliessen();
  else
    Dialog().MeldungsFensterSchliessen();
  fMeldungOffen = false;
}

bool TPrevPrinter::Abgebrochen() {
  if (!fAbgebrochen && fFortschritt && Zeichnet()) fAbgebrochen = fFortschritt->Abgebrochen();
  return fAbgebrochen;
}

bool TPrevPrinter::Weiter(const std::string& text) {
  if (Zeichnet()) Melden(text);
  return !Abgebrochen();
}

void TPrevPrinter::NewJob() {
  TBeschaeftigt sanduhr;
  fSeiten.clear();
  fCurrentPage = 0;
  fDonePrinting = false;
  fAbgebrochen = false;
  fStiftPos = {};
  Melden("Seite 0 wird aufgezeichnet.");
  NewPage();
}

void TPrevPrinter::NewPage() {
  if (fDonePrinting) return;
  fSeiten.emplace_back();
  fCurrentPage = PageCount();
  Melden("Seite " + std::to_string(fCurrentPage) + " wird aufgezeichnet.");
  Font = TSchrift{"Arial", 10};
  Pen = TStift{};
  Brush = TPinsel{};
  FontFarbe = clBlack;
}

void TPrevPrinter::DonePrinting() {
  if (fDonePrinting) return;
  fDonePrinting = true;
  if (fAbgebrochen) {
    fSeiten.clear();
    fCurrentPage = 0;
  }
  MeldungSchliessen();
}

void TPrevPrinter::Aufnehmen(TZeichenArt art, int x1, int y1, int x2, int y2, std::string text) {
  TZeichenBefehl b;
  b.Art = art;
  b.X1 = x1 - fMasse.XOff;
  b.Y1 = y1 - fMasse.YOff;
  b.X2 = x2 - fMasse.XOff;
  b.Y2 = y2 - fMasse.YOff;
  b.Text = std::move(text);
  b.Schrift = Font;
  b.Stift = Pen;
  b.Pinsel = Brush;
  b.Farbe = FontFarbe;
  fSeiten[static_cast<std::size_t>(fCurrentPage - 1)].push_back(std::move(b));
}

void TPrevPrinter::TextOut(int x, int y, const std::string& text) {
  if (!Zeichnet() || text.empty()) return;
  Aufnehmen(TZeichenArt::Text, x, y, x, y, text);
}

void TPrevPrinter::MoveTo(int x, int y) {
  fStiftPos = {x - fMasse.XOff, y - fMasse.YOff};
}

void TPrevPrinter::LineTo(int x, int y) {
  const TPunkt von = Penpos();
  if (Zeichnet()) Aufnehmen(TZeichenArt::Linie, von.X, von.Y, x, y);
  MoveTo(x, y);
}

void TPrevPrinter::Line(TPunkt a, TPunkt b) {
  if (!Zeichnet()) return;
  MoveTo(a.X, a.Y);
  LineTo(b.X, b.Y);
}

void TPrevPrinter::Rectangle(const TRechteck& r) {
  if (Zeichnet()) Aufnehmen(TZeichenArt::Rechteck, r.Links, r.Oben, r.Rechts, r.Unten);
}

void TPrevPrinter::Ellipse(const TRechteck& r) {
  if (Zeichnet()) Aufnehmen(TZeichenArt::Ellipse, r.Links, r.Oben, r.Rechts, r.Unten);
}

void TPrevPrinter::FillRect(const TRechteck& r) {
  if (Zeichnet()) Aufnehmen(TZeichenArt::Fuellen, r.Links, r.Oben, r.Rechts, r.Unten);
}

int TPrevPrinter::TextWidth(const std::string& text) const {
  if (!Zeichnet()) return -1;
  return static_cast<int>(std::lround(fMetrik.TextBreite(Font, text)));
}

int TPrevPrinter::TextHeight() const {
  if (!Zeichnet()) return -1;
  return static_cast<int>(std::lround(fMetrik.TextHoehe(Font)));
}

int TPrevPrinter::XInch(double zoll) const {
  return static_cast<int>(fMasse.pXppi * zoll);
}

int TPrevPrinter::YInch(double zoll) const {
  return static_cast<int>(fMasse.pYppi * zoll);
}

void TPrevPrinter::SetCurrentPage(int n) {
  if (n >= 1 && n <= PageCount()) fCurrentPage = n;
}

const TSeite& TPrevPrinter::Seite(int n) const {
  if (n < 1 || n > PageCount()) return kLeereSeite;
  return fSeiten[static_cast<std::size_t>(n - 1)];
}

bool TPrevPrinter::Drucke(TSeitenDrucker& drucker, int von, int bis, std::string& fehler) {
  TBeschaeftigt sanduhr;
  if (!drucker.Beginnen(Title, fehler)) return false;
  bool ok = true;
  for (int n = von; n <= bis && ok; ++n) {
    Dialog().MeldungsFensterZeigen("Seite " + std::to_string(n) + " wird gedruckt.");
    ok = (n == von || drucker.NeueSeite(fehler)) && drucker.Seite(Seite(n), fMasse, fehler);
  }
  if (ok) ok = drucker.Beenden(fehler);
  if (!ok) drucker.Abbrechen();
  Dialog().MeldungsFensterSchliessen();
  return ok;
}

bool TPrevPrinter::PrintIt(TSeitenDrucker& drucker, std::string& fehler) {
  if (!fDonePrinting) DonePrinting();
  if (PageCount() == 0) return true;
  return Drucke(drucker, 1, PageCount(), fehler);
}

bool TPrevPrinter::PrintPage(TSeitenDrucker& drucker, int n, std::string& fehler) {
  if (!fDonePrinting) DonePrinting();
  if (n < 1 || n > PageCount()) return true;
  return Drucke(drucker, n, n, fehler);
}

int TPrevPrinter::SeitenKopf(int links, int oben, bool mitDatum, const std::string& vorDatei) {
  const int h = TextHeight();
  const std::string seite = "Seite " + std::to_string(fCurrentPage);
  TextOut(links, oben, mitDatum ? KopfDatumText(Jetzt()) + seite : seite);
  TextOut(links, oben + h,
          vorDatei + U8(DateiNameOhneOrdner(Schule().fDateiName.str())) + "   " +
              U8(Standard().fSchulname));
  return h;
}
