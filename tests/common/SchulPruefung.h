// Die Invarianten der ganzen Schule, jede an einer Stelle: was nach jeder Operation eines Benutzers
// gelten muss. Die Unit-Tests und der Dauerlauf (tests/ablauf) prüfen mit denselben Funktionen.
//
//   const TPlanVerstoesse vorher = PlanVerstoesseDerSchule(schule);
//   ... eine Operation ...
//   EXPECT_TRUE(SchuleStimmt(schule));
//   EXPECT_TRUE(KeineNeuenVerstoesse(vorher, schule, Verstoss::Keine));
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

class TSchule;

// Die Arten von Planverstößen, die eine Operation bewusst zulassen kann (Bitmaske).
namespace Verstoss {
inline constexpr unsigned Keine = 0;
inline constexpr unsigned Doppelt = 1;   // Lehrer, Raum oder Klasse in einer Zelle zweimal
                                         // (außer Klassen in einer Kopplung)
inline constexpr unsigned Gesperrt = 2;  // eine Stunde in einer gesperrten Zelle von Kurs,
                                         // Lehrer, Klasse oder Raum
inline constexpr unsigned Kopplung = 4;  // Kurse einer Kopplung in verschiedenen Zellen
inline constexpr unsigned Raster = 8;    // eine Stunde außerhalb von Wochen, Tagen und Stunden
inline constexpr unsigned Alle = 15;
}  // namespace Verstoss

// Je Verstoß ein Text (mit Kürzel und Zelle) und seine Art.
using TPlanVerstoesse = std::map<std::string, unsigned>;
TPlanVerstoesse PlanVerstoesseDerSchule(const TSchule& schule);

// Kein Verstoß, den es vorher nicht gab, außer denen der erlaubten Arten und denen, für die
// auchErlaubt (wenn gegeben) wahr ist.
::testing::AssertionResult KeineNeuenVerstoesse(
    const TPlanVerstoesse& vorher, const TSchule& schule, unsigned erlaubt,
    const std::function<bool(const std::string&)>& auchErlaubt = {});
// Dasselbe mit den schon ermittelten Verstößen der Schule.
::testing::AssertionResult KeineNeuenVerstoesse(
    const TPlanVerstoesse& vorher, const TPlanVerstoesse& nachher, unsigned erlaubt,
    const std::function<bool(const std::string&)>& auchErlaubt = {});
// Die Kopplungen, deren Kurse schon auseinanderliegen (Kürzel), nach den Verstößen.
std::set<std::string> GetrennteKopplungen(const TPlanVerstoesse& verstoesse);
// Die Lehrer, Klassen und Räume (Kürzel), die schon irgendwo doppelt belegt sind.
std::set<std::string> DoppeltBelegte(const TPlanVerstoesse& verstoesse);

// Die Struktur, billig genug für jeden Schritt:
//  - die Belegungen jedes Kurses, Lehrers, jeder Klasse und jedes Raums sind seine Setzungen
//    (BelegungenStimmen);
//  - jede Liste in ihrer Ordnung: die Kursliste und die Kurslisten der Lehrer, Kopplungen, Fächer
//    und Räume nach KursVergleich, die der Klassen nach KlassenKursVergleich, die Elementlisten
//    eines Kurses nach fReihe;
//  - jeder Verweis zweiseitig: ein Kurs steht bei seinem Lehrer, seinen Klassen, seiner Kopplung,
//    seinem Fach und seinen Räumen, und jedes Element führt nur Kurse, die auf es verweisen (ein
//    Raum auch Kurse mit einer Stunde in ihm); jedes Element, auf das ein Kurs, eine Setzung,
//    eine Abwesenheit oder eine Vertretung verweist, steht in der Liste der Schule;
//  - die Vertretungen passen zu Plan, Abwesenheiten und Konten (VertretungenStimmen);
//  - jedes Fenster steht einmal in der Fensterliste, jeder Fensterplatz zeigt auf ein
//    angemeldetes Fenster, und die gemerkten Fenstersätze gibt es je einmal.
::testing::AssertionResult SchuleStimmt(const TSchule& schule);
// Dasselbe, wenn die Konten nicht bei 0 anfingen (siehe VertretungenStimmen).
::testing::AssertionResult SchuleStimmt(const TSchule& schule,
                                        const std::map<std::string, std::int64_t>& kontoBasis);

// Sichern, Öffnen und wieder Sichern ergibt dieselben Bytes, und die Konsistenzprüfung der
// geöffneten Schule findet nichts auszubessern. Die Schule und die Einstellungen bleiben, wie sie
// waren.
::testing::AssertionResult SichernStimmt(TSchule& schule);
// Dasselbe mit den Bytes, die das erste Sichern schon ergeben hat.
::testing::AssertionResult SichernStimmt(TSchule& schule, const std::vector<std::uint8_t>& erste);
