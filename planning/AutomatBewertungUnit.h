// Automatische Planung: die unmöglichen Zellen eines Kurses, Stunde für Stunde eines Tages.
#pragma once

#include <cstdint>

class TKurs;

// Die Stunden des Tages (Stunde h in Bit h−1), in denen der Kurs für sich keine Stunde haben
// kann: er selbst ist dort besetzt oder gesperrt, sein Lehrer besetzt oder gesperrt, eine seiner
// Klassen gesperrt oder mit einem Kurs außerhalb seiner Kopplung besetzt. Räume zählen nicht.
std::uint32_t UnmoeglicheStunden(const TKurs& kurs, int woche, int tag);
