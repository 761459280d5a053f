#include "app/ProgrammUnit.h"

#include "model/ToolsUnit.h"
#include "settings/KennwortUnit.h"

bool StartKennwortPruefen(const std::function<std::optional<std::string>()>& abfrage) {
  if (!KennwortGesetzt()) return true;
  const std::optional<std::string> eingabe = abfrage ? abfrage() : std::nullopt;
  if (!eingabe) return false;
  return KennwortPruefen(Utf8ZuWin1252(*eingabe));
}
