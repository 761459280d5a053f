#include "substitution/VertretungUnit.h"

TVertretung::TVertretung() : fAdHoc(Heute() + 0.5) {}
