#include "persistence/BufferUnit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#endif

namespace {
// Datei -> Programm; die Gegenrichtung entsteht aus derselben Tabelle.
constexpr std::array<std::array<unsigned char, 2>, 9> kTabelle = {{{128, 196},    // Ä
                                                                   {133, 214},    // Ö
                                                                   {134, 220},    // Ü
                                                                   {138, 228},    // ä
                                                                   {154, 246},    // ö
                                                                   {159, 252},    // ü
                                                                   {164, 167},    // §
                                                                   {167, 223},    // ß
                                                                   {180, 165}}};  // ¥

constexpr std::array<unsigned char, 256> BaueLesen() {
  std::array<unsigned char, 256> t{};
  for (int i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i);
  for (const auto& [datei, ansi] : kTabelle) t[datei] = ansi;
  return t;
}
constexpr std::array<unsigned char, 256> BaueSchreiben() {
  std::array<unsigned char, 256> t{};
  for (int i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i);
  for (const auto& [datei, ansi] : kTabelle) t[ansi] = datei;
  return t;
}
constexpr std::array<unsigned char, 256> kLesen = BaueLesen();
constexpr std::array<unsigned char, 256> kSchreiben = BaueSchreiben();

// Tage zwischen dem 30.12.1899 und dem 1.1.1904.
constexpr std::int64_t kTage1904 = 1462;
constexpr std::int64_t kSekundenProTag = 86400;
constexpr std::int64_t kMaxDatum = 0xFFFFFFFF;

std::string Zahl(std::int64_t z) {
  return std::to_string(z);
}

std::string Anzeigename(const std::filesystem::path& pfad) {
  const std::u8string u8 = pfad.filename().u8string();
  return std::string(u8.begin(), u8.end());
}

std::string DateiText(const std::string& name) {
  return "Die Datei „" + name + "“";
}

[[noreturn]] void Zugriffsfehler(const std::filesystem::path& pfad, const std::string& satz) {
  throw EDateiFehler(TDateiFehlerArt::Zugriff, DateiText(Anzeigename(pfad)) + satz);
}
}  // namespace

unsigned char DateiZeichenZuAnsi(unsigned char c) {
  return kLesen[c];
}

unsigned char AnsiZeichenZuDatei(unsigned char c) {
  return kSchreiben[c];
}

bool AnsiZeichenSpeicherbar(unsigned char c) {
  return kLesen[kSchreiben[c]] == c;
}

// ---------------------------------------------------------------------------------------------
// Datei

TBuffer TBuffer::AusDatei(const std::filesystem::path& pfad) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(pfad, ec))
    Zugriffsfehler(pfad, " kann nicht geöffnet werden.");
  std::ifstream ein(pfad, std::ios::binary);
  if (!ein) Zugriffsfehler(pfad, " kann nicht geöffnet werden.");
  ein.seekg(0, std::ios::end);
  const std::streamoff groesse = ein.tellg();
  ein.seekg(0, std::ios::beg);
  if (groesse < 0 || !ein) Zugriffsfehler(pfad, " kann nicht gelesen werden.");
  std::vector<std::uint8_t> daten(static_cast<std::size_t>(groesse));
  if (!daten.empty() &&
      !ein.read(reinterpret_cast<char*>(daten.data()), static_cast<std::streamsize>(groesse)))
    Zugriffsfehler(pfad, " kann nicht gelesen werden.");
  TBuffer puffer(std::move(daten));
  puffer.fDateiName = Anzeigename(pfad);
  return puffer;
}

namespace {
#ifndef _WIN32
// Schreibt alles; wahr, wenn kein Byte fehlt.
bool AllesSchreiben(int fd, const std::uint8_t* daten, std::size_t n) {
  while (n > 0) {
    const ssize_t k = ::write(fd, daten, n);
    if (k < 0 && errno == EINTR) continue;
    if (k <= 0) return false;
    daten += k;
    n -= static_cast<std::size_t>(k);
  }
  return true;
}

// Bringt den Ordnereintrag (die Umbenennung) auf die Platte.
void OrdnerSichern(const std::filesystem::path& ordner) {
  const int fd = ::open(ordner.empty() ? "." : ordner.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}
#endif
}  // namespace

void TBuffer::InDateiSchreiben(const std::filesystem::path& pfad) const {
  namespace fs = std::filesystem;
  std::error_code ec;
  // Eine Verknüpfung bleibt Verknüpfung: ersetzt wird ihr Ziel.
  fs::path ziel = pfad;
  if (fs::is_symlink(pfad, ec)) {
    const fs::path aufgeloest = fs::canonical(pfad, ec);
    if (!ec) ziel = aufgeloest;
  }
  const std::string fehler =
      " kann nicht geschrieben werden. Die bisherige Datei bleibt unverändert.";
  const fs::path ordner = ziel.parent_path();
#ifndef _WIN32
  // Eine eigene, eindeutige Zwischendatei im selben Ordner: keine Datei des Benutzers wird
  // überschrieben, und das Umbenennen bleibt auf demselben Datenträger.
  std::string vorlage = (ordner / ".~tamrel-XXXXXX").string();
  const int fd = ::mkstemp(vorlage.data());
  if (fd < 0) Zugriffsfehler(pfad, fehler);
  const fs::path zwischen = vorlage;
  const bool geschrieben = AllesSchreiben(fd, fDaten.data(), fDaten.size()) && ::fsync(fd) == 0;
  // Die Rechte der bisherigen Datei übernehmen, sonst die üblichen einer neuen Datei.
  const fs::file_status alt = fs::status(ziel, ec);
  if (!ec && fs::exists(alt)) {
    ::fchmod(fd, static_cast<mode_t>(alt.permissions()));
  } else {
    const mode_t maske = ::umask(0);
    ::umask(maske);
    ::fchmod(fd, 0666 & ~maske);
  }
  if (::close(fd) != 0 || !geschrieben) {
    fs::remove(zwischen, ec);
    Zugriffsfehler(pfad, fehler);
  }
#else
  fs::path zwischen = ziel;
  zwischen += ".~tmp";
  {
    std::ofstream aus(zwischen, std::ios::binary | std::ios::trunc);
    if (!aus) Zugriffsfehler(pfad, fehler);
    if (!fDaten.empty())
      aus.write(reinterpret_cast<const char*>(fDaten.data()),
                static_cast<std::streamsize>(fDaten.size()));
    aus.flush();
    aus.close();
    if (aus.fail()) {
      fs::remove(zwischen, ec);
      Zugriffsfehler(pfad, fehler);
    }
  }
#endif
  // Erst jetzt, mit der vollständigen neuen Datei auf der Platte, wird die alte ersetzt.
  fs::rename(zwischen, ziel, ec);
  if (ec) {
    fs::remove(zwischen, ec);
    Zugriffsfehler(pfad, fehler);
  }
#ifndef _WIN32
  OrdnerSichern(ordner);
#endif
}

// ---------------------------------------------------------------------------------------------
// Fehler

void TBuffer::Brauche(std::size_t n) const {
  if (n > fDaten.size() - fPos) ZuKurz(n);
}

void TBuffer::ZuKurz(std::size_t n) const {
  const std::string wer =
      fDateiName.empty() ? "Die Daten sind unvollständig oder beschädigt: Sie enden"
                         : DateiText(fDateiName) + " ist unvollständig oder beschädigt: Sie endet";
  throw EDateiFehler(TDateiFehlerArt::ZuKurz,
                     wer + " nach " + Zahl(static_cast<std::int64_t>(fDaten.size())) +
                         " Bytes, an Stelle " + Zahl(static_cast<std::int64_t>(fPos)) +
                         " werden aber noch " + Zahl(static_cast<std::int64_t>(n)) +
                         " Bytes gebraucht.");
}

void TBuffer::WertFehler(std::int64_t wert, std::int64_t von, std::int64_t bis,
                         std::string_view was) const {
  std::string text = "Der Wert " + Zahl(wert);
  if (!was.empty()) text += " (" + std::string(was) + ")";
  text += " lässt sich in der Datei nicht speichern: erlaubt sind " + Zahl(von) + " bis " +
          Zahl(bis) + ".";
  throw EDateiFehler(TDateiFehlerArt::WertZuGross, text);
}

// ---------------------------------------------------------------------------------------------
// Lesen

std::uint8_t TBuffer::ReadByte() {
  Brauche(1);
  return fDaten[fPos++];
}

bool TBuffer::ReadBool() {
  return ReadByte() != 0;
}

std::uint16_t TBuffer::Lies16() {
  Brauche(2);
  const auto w = static_cast<std::uint16_t>((fDaten[fPos] << 8) | fDaten[fPos + 1]);
  fPos += 2;
  return w;
}

std::int32_t TBuffer::ReadInt() {
  return static_cast<std::int16_t>(Lies16());
}

std::uint16_t TBuffer::ReadWord() {
  return Lies16();
}

std::int32_t TBuffer::ReadLong() {
  Brauche(4);
  const std::uint32_t w = (std::uint32_t{fDaten[fPos]} << 24) |
                          (std::uint32_t{fDaten[fPos + 1]} << 16) |
                          (std::uint32_t{fDaten[fPos + 2]} << 8) | std::uint32_t{fDaten[fPos + 3]};
  fPos += 4;
  return static_cast<std::int32_t>(w);
}

TDateTime TBuffer::ReadDatum() {
  // Ohne Vorzeichen: Werte ab 2^31 sind Zeitpunkte nach dem 6.2.2040.
  const auto sekunden = static_cast<std::int64_t>(static_cast<std::uint32_t>(ReadLong()));
  // Auf Hundertstel Tage (864 s) gerundet, halbe aufwärts, ganz in ganzen Zahlen.
  const std::int64_t hundertstel = (sekunden + 432) / 864;
  return static_cast<TDateTime>(kTage1904 * 100 + hundertstel) / 100.0;
}

TColor TBuffer::ReadColor() {
  Brauche(6);
  const std::uint32_t rot = Lies16() >> 8;
  const std::uint32_t gruen = Lies16() >> 8;
  const std::uint32_t blau = Lies16() >> 8;
  return (blau << 16) | (gruen << 8) | rot;
}

char TBuffer::ReadZeichen() {
  return static_cast<char>(kLesen[ReadByte()]);
}

std::string TBuffer::LiesFeld(std::size_t feld) {
  Brauche(feld);
  const std::uint8_t* p = fDaten.data() + fPos;
  const std::size_t laenge = std::min<std::size_t>(p[0], feld - 1);
  std::string text(laenge, '\0');
  for (std::size_t i = 0; i < laenge; ++i) text[i] = static_cast<char>(kLesen[p[1 + i]]);
  fPos += feld;
  return text;
}

TKuerzelString TBuffer::ReadKue() {
  return TKuerzelString(KuerzelOhneFuehrendeBlanks(LiesFeld(KueFeld)));
}

TKuerzelString TBuffer::ReadAltKue() {
  return TKuerzelString(KuerzelOhneFuehrendeBlanks(LiesFeld(AltKueFeld)));
}

TInfoString TBuffer::ReadInfo() {
  return LiesText<TInfoString>(InfoFeld);
}

TInfoString TBuffer::ReadAltInfo() {
  return LiesText<TInfoString>(AltInfoFeld);
}

TBemString TBuffer::ReadBem() {
  return LiesText<TBemString>(BemFeld);
}

TBemString TBuffer::ReadAltBem() {
  return LiesText<TBemString>(AltBemFeld);
}

TGrundString TBuffer::ReadGrund() {
  return LiesText<TGrundString>(GrundFeld);
}

str255 TBuffer::ReadStr255() {
  return LiesText<str255>(Str255Feld);
}

TKuerzelArt TBuffer::ReadArt() {
  const std::uint8_t b = ReadByte();
  if (b == 2) return leh;
  if (b == 6) return rau;
  return static_cast<TKuerzelArt>(b);
}

// ---------------------------------------------------------------------------------------------
// Schreiben

void TBuffer::Ueberschreiben(const std::uint8_t* p, std::size_t n) {
  // Geschrieben wird an der Position; hinter dem Ende wird angehängt.
  const std::size_t ueber = std::min(n, fDaten.size() - fPos);
  std::copy(p, p + ueber, fDaten.begin() + static_cast<std::ptrdiff_t>(fPos));
  fDaten.insert(fDaten.end(), p + ueber, p + n);
  fPos += n;
}

void TBuffer::WriteByte(std::uint8_t b) {
  Anhaengen(&b, 1);
}

void TBuffer::WriteBool(bool b) {
  WriteByte(b ? 1 : 0);
}

void TBuffer::Schreibe16(std::uint32_t w) {
  const std::uint8_t b[2] = {static_cast<std::uint8_t>(w >> 8), static_cast<std::uint8_t>(w)};
  Anhaengen(b, 2);
}

void TBuffer::WriteInt(std::int32_t i) {
  Schreibe16(static_cast<std::uint32_t>(i));
}

void TBuffer::WriteWord(std::uint32_t i) {
  Schreibe16(i);
}

void TBuffer::WriteLong(std::int32_t l) {
  const auto w = static_cast<std::uint32_t>(l);
  const std::uint8_t b[4] = {static_cast<std::uint8_t>(w >> 24), static_cast<std::uint8_t>(w >> 16),
                             static_cast<std::uint8_t>(w >> 8), static_cast<std::uint8_t>(w)};
  Anhaengen(b, 4);
}

void TBuffer::WriteDatum(TDateTime d) {
  std::int64_t sekunden = 0;
  if (std::isfinite(d) && d >= static_cast<TDateTime>(kTage1904)) {
    if (d >= static_cast<TDateTime>(kTage1904 + kMaxDatum / kSekundenProTag + 1)) {
      sekunden = kMaxDatum;
    } else {
      const double tage = std::floor(d);
      // Ganze Sekunden des Tagesbruchteils; die kleine Zugabe fängt Rundungsfehler der
      // Gleitkommazahl ab (sonst würde aus 12:00:00 leicht 11:59:59).
      auto s = static_cast<std::int64_t>(std::floor((d - tage) * kSekundenProTag + 1e-4));
      if (s >= kSekundenProTag) s = kSekundenProTag - 1;
      sekunden = (static_cast<std::int64_t>(tage) - kTage1904) * kSekundenProTag + s;
      if (sekunden > kMaxDatum) sekunden = kMaxDatum;
    }
  }
  WriteLong(static_cast<std::int32_t>(static_cast<std::uint32_t>(sekunden)));
}

void TBuffer::WriteColor(TColor c) {
  Schreibe16((c & 0xFF) << 8);
  Schreibe16(((c >> 8) & 0xFF) << 8);
  Schreibe16(((c >> 16) & 0xFF) << 8);
}

void TBuffer::SchreibeFeld(std::string_view text, std::size_t feld) {
  std::uint8_t puffer[Str255Feld] = {};
  const std::size_t laenge = std::min(text.size(), feld - 1);
  puffer[0] = static_cast<std::uint8_t>(laenge);
  for (std::size_t i = 0; i < laenge; ++i)
    puffer[1 + i] = kSchreiben[static_cast<unsigned char>(text[i])];
  Anhaengen(puffer, feld);
}

void TBuffer::WriteKue(std::string_view k) {
  SchreibeFeld(k, KueFeld);
}

void TBuffer::WriteInfo(std::string_view k) {
  SchreibeFeld(k, InfoFeld);
}

void TBuffer::WriteBem(std::string_view k) {
  SchreibeFeld(k, BemFeld);
}

void TBuffer::WriteGrund(std::string_view k) {
  SchreibeFeld(k, GrundFeld);
}

void TBuffer::WriteStr255(std::string_view k) {
  SchreibeFeld(k, Str255Feld);
}

void TBuffer::WriteArt(TKuerzelArt a) {
  WriteByte(static_cast<std::uint8_t>(a));
}

void TBuffer::WriteStr(std::string_view k) {
  std::string abgebildet(k);
  for (char& c : abgebildet) c = static_cast<char>(kSchreiben[static_cast<unsigned char>(c)]);
  Anhaengen(reinterpret_cast<const std::uint8_t*>(abgebildet.data()), abgebildet.size());
}

void TBuffer::WriteStrUTF8(std::string_view k) {
  const std::string utf8 = Win1252ZuUtf8(k);
  Anhaengen(reinterpret_cast<const std::uint8_t*>(utf8.data()), utf8.size());
}

void TBuffer::WriteIntGeprueft(std::int64_t i, std::string_view was) {
  if (i < -32768 || i > 32767) WertFehler(i, -32768, 32767, was);
  WriteInt(static_cast<std::int32_t>(i));
}

void TBuffer::WriteWordGeprueft(std::int64_t i, std::string_view was) {
  if (i < 0 || i > 65535) WertFehler(i, 0, 65535, was);
  WriteWord(static_cast<std::uint32_t>(i));
}

void TBuffer::WriteLongGeprueft(std::int64_t l, std::string_view was) {
  if (l < INT32_MIN || l > INT32_MAX) WertFehler(l, INT32_MIN, INT32_MAX, was);
  WriteLong(static_cast<std::int32_t>(l));
}

void TBuffer::WriteAnzahl(std::size_t n, std::string_view was) {
  if (n > MaxAnzahl) {
    std::string text = "Die Anzahl " + std::to_string(n);
    if (!was.empty()) text += " (" + std::string(was) + ")";
    text += " ist zu groß für die Datei: höchstens " + Zahl(MaxAnzahl) + " sind möglich.";
    throw EDateiFehler(TDateiFehlerArt::WertZuGross, text);
  }
  WriteInt(static_cast<std::int32_t>(n));
}
