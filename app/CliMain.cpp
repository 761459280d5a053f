#include <iostream>
#include <string>
#include <vector>

#include "app/CliUnit.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return CliAusfuehren(args, std::cout, std::cerr);
}
