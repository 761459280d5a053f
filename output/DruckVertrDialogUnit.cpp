#include "output/DruckVertrDialogUnit.h"

#include <algorithm>
#include <filesystem>

#include "model/ToolsUnit.h"
#include "output/DruckVertrUnit.h"
#include "settings/StandardUnit.h"

namespace fs = std::filesystem;

void TDruckVertrZustand::IDruckVertrForm(TDateTime datum) {
  fDatum = PlanDatum(datum);
  fAusgabenFrei = false;
  fBemNr = 1;
}

void TDruckVertrZustand::DatumSchritt(int richtung) {
  fDatum = VDDatumSchritt(fDatum, richtung);
  fAusgabenFrei = false;
}

std::string TDruckVertrZustand::DatumsText() const {
  return U8(VDDatumText(fDatum));
}

void TDruckVertrZustand::SetzeBemNr(int n) {
  fBemNr = std::clamp(n, 1, 10);
}

const std::vector<std::string>& TDruckVertrZustand::Memo() const {
  return Standard().fVMemo[fBemNr];
}

void TDruckVertrZustand::MemoGeaendert(std::vector<std::string> zeilen) {
  if (zeilen.size() > static_cast<std::size_t>(TStandard::kMemoZeilen))
    zeilen.resize(TStandard::kMemoZeilen);
  Standard().fVMemo[fBemNr] = std::move(zeilen);
}

void TDruckVertrZustand::AusgabeVorbereiten(int rand, const bool (&haken)[4]) {
  TStandard& st = Standard();
  st.fVertrDruckRand = std::clamp(rand, 0, 6);
  for (int i = 1; i <= 4; ++i) st.fVertrCheck[i] = haken[i - 1];
}

bool FehlgrundWaehlbar(const VDEintrag& e) {
  return e.mitFeLe || e.mitFeKl || e.mitFeRa;
}

void MitAdHocSetzen(VDEintrag& e, bool an) {
  e.mitAdHoc = an;
  if (!an) e.nurAdHoc = false;
}

TPfadTest PfadTesten(const std::string& pfadUtf8) {
  const fs::path p(std::u8string(pfadUtf8.begin(), pfadUtf8.end()));
  std::error_code ec;
  if (!pfadUtf8.empty() && fs::is_directory(p, ec)) return {"Der Pfad ist ein Verzeichnis.", false};
  const std::u8string n = p.filename().u8string();
  const std::string name(n.begin(), n.end());
  const fs::path ordner = p.has_parent_path() ? p.parent_path() : fs::path(".");
  if (!pfadUtf8.empty() && fs::is_directory(ordner, ec))
    return {"Das Verzeichnis für " + name + " existiert.", true};
  return {"Das Verzeichnis für " + name + " existiert nicht.", false};
}
