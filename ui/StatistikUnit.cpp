#include "ui/StatistikUnit.h"

#include <algorithm>

#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/LehrerUnit.h"
#include "model/SchulUnit.h"
#include "model/ToolsUnit.h"

std::vector<std::string> StatTitel(TKuerzelArt art) {
  switch (art) {
    case leh:
      return {"Soll", "Ist", "(Ist)", "Rest", "Lehrer", "Info"};
    case kla:
      return {"Soll", "Ist", "(Ist)", "Rest", "Klasse", "Info"};
    case fac:
      return {"[Le]", "Lehrer", "(Le)", "Klasse", "(Kl)", "Fach", "Info"};
    case kop:
      return {"Kurse", "Kopplung", "Info"};
    case rau:
      return {"Raum", "Info"};
    case uvt:
      return {"F/L", "UV-Tab.", "Info"};
    default:
      return {};
  }
}

namespace {
std::vector<std::string> SollZeile(const TSollElement& e, bool ohneKopp, TKuerzelArt art) {
  const std::int32_t soll = e.GetSoll(-1);
  const std::int32_t ist = e.FaktorSumme(-1, ohneKopp, art);
  return {StundenText(soll),
          StundenText(ist),
          ZahlText(e.StundenSumme(-1, ohneKopp, art)),
          StundenText(static_cast<std::int64_t>(soll) - ist),
          U8(e.fKuerzel.str()),
          U8(e.fInfo.str())};
}
}  // namespace

std::vector<std::string> StatZeile(const TElement& element) {
  const std::string kuerzel = U8(element.fKuerzel.str());
  const std::string info = U8(element.fInfo.str());
  switch (element.Art()) {
    case leh:
      return SollZeile(static_cast<const TLehrer&>(element), true, leh);
    case kla: {
      const auto& k = static_cast<const TKlasse&>(element);
      return SollZeile(k, k.fKopDop, kla);
    }
    case fac: {
      const auto& f = static_cast<const TFach&>(element);
      return {ZahlText(f.fLehrer.ListeZahlElemente()),
              StundenText(f.FaktorSumme(-1, true, leh)),
              ZahlText(f.StundenSumme(-1, true, leh)),
              StundenText(f.FaktorSumme(-1, true, kla)),
              ZahlText(f.StundenSumme(-1, true, kla)),
              kuerzel,
              info};
    }
    case kop:
      return {ZahlText(static_cast<const TKopplung&>(element).fKurse.ListeZahlElemente()), kuerzel,
              info};
    case rau:
      return {kuerzel, info};
    case uvt:
      return {static_cast<const TUVTab&>(element).fIstFach ? "F" : "L", kuerzel, info};
    default:
      return {};
  }
}

std::vector<TElement*> StatElemente(TKuerzelArt art) {
  if (!SchuleVorhanden()) return {};
  return Schule().Elemente(art);
}

std::string StatistikAlsText(const std::vector<TElement*>& elemente,
                             const std::vector<int>& zeilen) {
  std::string text;
  for (int z : zeilen) {
    if (z < 1 || z > static_cast<int>(elemente.size()) ||
        !elemente[static_cast<std::size_t>(z - 1)])
      continue;
    const std::vector<std::string> zeile = StatZeile(*elemente[static_cast<std::size_t>(z - 1)]);
    for (std::size_t c = 0; c < zeile.size(); ++c) {
      if (c) text += '\t';
      text += zeile[c];
    }
    text += "\r\n";
  }
  return text;
}
