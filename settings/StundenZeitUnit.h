// Beginn und Ende der Unterrichtsstunden: Uhrzeiten als "hh:mm", Zeiten in Stundenbezeichnungen
// ("7:50-8:35", "07.50 - 08.35") und die Zeiten, mit denen eine Stunde im Kalender steht.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class TStandard;

// Eine Uhrzeit "h:mm", "hh:mm", "h.mm" oder "hh.mm" (Leerzeichen davor und danach erlaubt) in
// Minuten seit Mitternacht; sonst nichts.
std::optional<int> UhrzeitMinuten(std::string_view text);
// Minuten seit Mitternacht als "hh:mm".
std::string UhrzeitText(int minuten);

// Beginn und Ende einer Stunde in Minuten seit Mitternacht.
struct TStundenZeit {
  int Beginn = 0;
  int Ende = 0;
  friend bool operator==(const TStundenZeit&, const TStundenZeit&) = default;
};

// Genau zwei Uhrzeiten in einer Bezeichnung (Windows-1252), die zweite nach der ersten:
// "7:50-8:35", "07.50 - 08.35", "7.50–8.35"; sonst nichts.
std::optional<TStundenZeit> ZeitenAusBezeichnung(std::string_view bezeichnung);

// Die Zeiten der Stunde std (1..16) in der Planversion (1..54): Beginn und Ende, wenn beide
// eingetragen sind, sonst die Zeiten der Bezeichnung; nichts, wenn keine gelten oder das Ende
// nicht nach dem Beginn liegt.
std::optional<TStundenZeit> StundenZeit(const TStandard& st, int version, int std);

// Nach dem Laden: Beginn und Ende, die keine Uhrzeit sind, werden leer; die übrigen stehen
// danach als "hh:mm" da.
void StundenZeitenBereinigen(TStandard& st);
