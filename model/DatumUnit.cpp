#include "model/DatumUnit.h"

#include <cmath>
#include <ctime>

namespace {
// Tage seit 1970-01-01 im gregorianischen Kalender (H. Hinnant).
long long TageAusZivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

TDatum ZivilAusTagen(long long z) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long y = static_cast<long long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return TDatum{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

// 30.12.1899 in Tagen seit 1970-01-01.
constexpr long long kNullpunkt = -25569;
}  // namespace

bool IstSchaltjahr(int jahr) {
  return (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
}

int TageImMonat(int jahr, int monat) {
  static constexpr int kTage[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (monat < 1 || monat > 12) return 0;
  return monat == 2 && IstSchaltjahr(jahr) ? 29 : kTage[monat - 1];
}

TDateTime DatumZuZahl(int jahr, int monat, int tag) {
  return static_cast<TDateTime>(
      TageAusZivil(jahr, static_cast<unsigned>(monat), static_cast<unsigned>(tag)) - kNullpunkt);
}

TDateTime DatumZuZahl(const TDatum& d) {
  return DatumZuZahl(d.Jahr, d.Monat, d.Tag);
}

TDatum ZahlZuDatum(TDateTime zahl) {
  return ZivilAusTagen(static_cast<long long>(std::floor(zahl)) + kNullpunkt);
}

bool GleicherTag(TDateTime a, TDateTime b) {
  return std::floor(a) == std::floor(b);
}

int WochenTag(TDateTime zahl) {
  // Der 1.1.1900 (Zahl 2) war ein Montag.
  const long long tage = static_cast<long long>(std::floor(zahl)) - 2;
  long long r = tage % 7;
  if (r < 0) r += 7;
  return static_cast<int>(r) + 1;
}

TDateTime ZeitZuZahl(int stunde, int minute, int sekunde) {
  return (stunde * 3600.0 + minute * 60.0 + sekunde) / 86400.0;
}

TDateTime TSystemUhr::Jetzt() {
  const std::time_t jetzt = std::time(nullptr);
  std::tm ort{};
  const std::tm* p = std::localtime(&jetzt);
  if (p) ort = *p;
  return DatumZuZahl(ort.tm_year + 1900, ort.tm_mon + 1, ort.tm_mday) +
         ZeitZuZahl(ort.tm_hour, ort.tm_min, ort.tm_sec);
}
