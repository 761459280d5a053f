// Ein Aufruf von tamrel-cli im Test: Rückgabewert und beide Ausgaben.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "app/CliUnit.h"

struct TAufruf {
  int Code;
  std::string Aus, Fehler;
};

inline TAufruf Cli(const std::vector<std::string>& args) {
  std::ostringstream aus, fehler;
  const int code = CliAusfuehren(args, aus, fehler);
  return {code, aus.str(), fehler.str()};
}
