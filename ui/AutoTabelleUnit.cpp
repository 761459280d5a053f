#include "ui/AutoTabelleUnit.h"

#include <cstdlib>
#include <utility>

namespace {
bool Gueltig(int tabelle, int std, int tag) {
  return tabelle >= 1 && tabelle <= 4 && std >= 1 && std <= 16 && tag >= 1 && tag <= 7;
}
}  // namespace

TAutoTabellenKopie::TAutoTabellenKopie() : fTab(Standard().fAuTab) {}

int TAutoTabellenKopie::Ordnung(int tabelle, int std, int tag) const {
  return Gueltig(tabelle, std, tag) ? std::abs(fTab[tabelle][std][tag]) : 0;
}

bool TAutoTabellenKopie::NachUnten(int tabelle, int std, int tag) const {
  return Gueltig(tabelle, std, tag) && std < 16 && fTab[tabelle][std][tag] < 0;
}

bool TAutoTabellenKopie::VonOben(int tabelle, int std, int tag) const {
  return std > 1 && NachUnten(tabelle, std - 1, tag);
}

bool TAutoTabellenKopie::SchalteNachUnten(int tabelle, int std, int tag) {
  if (!Gueltig(tabelle, std, tag) || std >= 16) return false;
  std::int32_t& e = Eintrag(tabelle, std, tag);
  e = -e;
  return true;
}

bool TAutoTabellenKopie::SchalteVonOben(int tabelle, int std, int tag) {
  if (std <= 1) return false;
  return SchalteNachUnten(tabelle, std - 1, tag);
}

void TAutoTabellenKopie::Tausche(int tabelle, int std1, int tag1, int std2, int tag2) {
  if (!Gueltig(tabelle, std1, tag1) || !Gueltig(tabelle, std2, tag2)) return;
  std::int32_t& a = Eintrag(tabelle, std1, tag1);
  std::int32_t& b = Eintrag(tabelle, std2, tag2);
  const int oa = std::abs(a), ob = std::abs(b);
  a = a < 0 ? -ob : ob;
  b = b < 0 ? -oa : oa;
}

void TAutoTabellenKopie::Uebernehmen() const {
  Standard().fAuTab = fTab;
}
