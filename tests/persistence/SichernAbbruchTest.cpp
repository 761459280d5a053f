// Ein Prozess, der mitten im Sichern stirbt, darf die Schuldatei nicht beschädigen: Auf der
// Platte steht danach die alte Schule oder die neue, ganz und lesbar.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

#include "SchulDateiHilfe.h"
#include "app/CliUnit.h"
#include "app/KonsoleUnit.h"
#include "persistence/ReadUnit.h"

namespace {

namespace fs = std::filesystem;
using Uhr = std::chrono::steady_clock;

std::vector<std::uint8_t> Bytes(const fs::path& p) {
  std::ifstream ein(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

void Schreibe(const fs::path& p, const std::vector<std::uint8_t>& b) {
  std::ofstream aus(p, std::ios::binary | std::ios::trunc);
  aus.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

bool Lesbar(const std::vector<std::uint8_t>& b) {
  std::ostringstream meldungen;
  TKonsolenUmgebung umgebung(meldungen);
  std::string fehler;
  return ReadSchuleAusBytes(b, "Schule.tmr", umgebung.Schule(), fehler);
}

// Was im Ordner steht: Namen, Größen und Änderungszeiten.
std::string Stand(const fs::path& ordner) {
  std::string s;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(ordner, ec)) {
    s += e.path().filename().string() + ':' + std::to_string(e.file_size(ec)) + ':' +
         std::to_string(e.last_write_time(ec).time_since_epoch().count()) + '\n';
  }
  return s;
}

class SichernAbbruch : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(fQuelle);
    fs::create_directories(fZiel);
    ASSERT_EQ(Cli({"beispiel", (fQuelle / "gross.tmr").string(), "--gross"}), 0);
    ASSERT_EQ(Cli({"beispiel", fSchule.string()}), 0);
    fAlt = Bytes(fSchule);
  }

  static int Cli(const std::vector<std::string>& args) {
    std::ostringstream aus, fehler;
    return CliAusfuehren(args, aus, fehler);
  }

  // Ein Kindprozess wandelt die große Schule um und schreibt sie über die Schuldatei.
  pid_t Starte() {
    const pid_t pid = fork();
    if (pid == 0) _exit(Cli({"umwandeln", (fQuelle / "gross.tmr").string(), fSchule.string()}));
    return pid;
  }

  // Wartet, bis sich im Ordner etwas tut (das Sichern beginnt) oder das Kind endet.
  // Falsch, wenn das Kind vorher geendet hat.
  bool WarteAufSichern(pid_t pid, const std::string& vorher, int& status) {
    while (Stand(fZiel) == vorher) {
      if (waitpid(pid, &status, WNOHANG) == pid) return false;
      std::this_thread::sleep_for(std::chrono::microseconds(20));
    }
    return true;
  }

  TTestOrdner fOrdner;
  fs::path fQuelle = fOrdner.Pfad() / "quelle", fZiel = fOrdner.Pfad() / "ziel";
  fs::path fSchule = fZiel / "Schule.tmr";
  std::vector<std::uint8_t> fAlt;
};

TEST_F(SichernAbbruch, DateiIstImmerAltOderNeu) {
  // Ein Lauf bis zum Ende: die neue Schule und die Dauer des Sicherns.
  const std::string leer = Stand(fZiel);
  const auto start = Uhr::now();
  int status = 0;
  const pid_t pid = Starte();
  ASSERT_GT(pid, 0);
  const bool gesehen = WarteAufSichern(pid, leer, status);
  const auto beginn = Uhr::now();
  if (gesehen) {
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
  }
  const auto ende = Uhr::now();
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  const std::vector<std::uint8_t> neu = Bytes(fSchule);
  ASSERT_NE(neu, fAlt);
  ASSERT_TRUE(Lesbar(fAlt));
  ASSERT_TRUE(Lesbar(neu));
  const auto vorlauf = beginn - start;
  const auto dauer = std::max(ende - beginn, Uhr::duration(std::chrono::microseconds(200)));

  // Abbrüche vor dem Sichern, dann ab seinem Beginn in gleichen Schritten über seine Dauer
  // hinaus. Nach jedem Abbruch zurück zur alten Datei; Reste (Zwischendateien) weg.
  constexpr int kVorher = 3, kSchritte = 40;
  int abgebrochen = 0, alt = 0;
  for (int i = 0; i < kVorher + kSchritte + 5; ++i) {
    SCOPED_TRACE("Abbruch " + std::to_string(i));
    for (const auto& e : fs::directory_iterator(fZiel)) fs::remove_all(e.path());
    Schreibe(fSchule, fAlt);
    const std::string vorher = Stand(fZiel);
    const pid_t kind = Starte();
    ASSERT_GT(kind, 0);
    bool laeuft = true;
    if (i < kVorher) {
      std::this_thread::sleep_for(vorlauf * (i + 1) / (kVorher + 1));
    } else {
      laeuft = WarteAufSichern(kind, vorher, status);
      if (laeuft) std::this_thread::sleep_for(dauer * (i - kVorher) / kSchritte);
    }
    if (laeuft && waitpid(kind, &status, WNOHANG) == 0) {
      ASSERT_EQ(kill(kind, SIGKILL), 0);
      ASSERT_EQ(waitpid(kind, &status, 0), kind);
      if (WIFSIGNALED(status)) ++abgebrochen;
    }
    const std::vector<std::uint8_t> jetzt = Bytes(fSchule);
    ASSERT_TRUE(jetzt == fAlt || jetzt == neu)
        << "Die Schuldatei ist weder die alte noch die neue (" << jetzt.size() << " Bytes, alt "
        << fAlt.size() << ", neu " << neu.size() << ")";
    alt += jetzt == fAlt ? 1 : 0;
  }
  RecordProperty("abgebrochen", abgebrochen);
  RecordProperty("alt", alt);
  std::cout << "Abgebrochen: " << abgebrochen << ", danach alt: " << alt << ", Sichern " << gesehen
            << ", Dauer " << std::chrono::duration<double, std::milli>(dauer).count() << " ms\n";
}

}  // namespace
