#include "persistence/QtEinstellungsSpeicherUnit.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

namespace {
QString Q(const std::string& utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string S(const QString& text) {
  return text.toUtf8().toStdString();
}

// Ein Speicher, der nur liest: Schreiben geht ins Leere, Sichern gelingt ohne Wirkung.
class TNurLesenderSpeicher : public TEinstellungsSpeicher {
 public:
  explicit TNurLesenderSpeicher(std::unique_ptr<TEinstellungsSpeicher> quelle)
      : fQuelle(std::move(quelle)) {}
  std::optional<std::string> Lesen(const std::string& schluessel,
                                   const std::string& name) override {
    return fQuelle->Lesen(schluessel, name);
  }
  void Schreiben(const std::string&, const std::string&, const std::string&) override {}
  bool Sichern() override { return true; }

 private:
  std::unique_ptr<TEinstellungsSpeicher> fQuelle;
};
}  // namespace

struct TQtEinstellungsSpeicher::Daten {
  Daten(const QString& pfad, QSettings::Format format) : fEinstellungen(pfad, format) {}
  QSettings fEinstellungen;
};

QString TQtEinstellungsSpeicher::StandardPfad() {
  const QByteArray umgebung = qgetenv("TAMREL_EINSTELLUNGEN");
  if (!umgebung.isEmpty()) return QString::fromLocal8Bit(umgebung);
  const QString ordner = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return ordner + QStringLiteral("/Tamrel/tamrel.ini");
}

TQtEinstellungsSpeicher::TQtEinstellungsSpeicher(std::unique_ptr<Daten> daten)
    : fDaten(std::move(daten)) {}

TQtEinstellungsSpeicher::TQtEinstellungsSpeicher() {
#ifdef Q_OS_WIN
  // Die Registrierung des Benutzers; die Schlüssel ("Software\WTamrel3\Quon0" …) liegen
  // direkt unter HKEY_CURRENT_USER.
  if (qEnvironmentVariableIsEmpty("TAMREL_EINSTELLUNGEN")) {
    fDaten = std::make_unique<Daten>(QStringLiteral("HKEY_CURRENT_USER"), QSettings::NativeFormat);
    return;
  }
#endif
  const QString pfad = StandardPfad();
  QDir().mkpath(QFileInfo(pfad).absolutePath());
  fDaten = std::make_unique<Daten>(pfad, QSettings::IniFormat);
}

TQtEinstellungsSpeicher::TQtEinstellungsSpeicher(const QString& pfad)
    : fDaten(std::make_unique<Daten>(pfad, QSettings::IniFormat)) {
  QDir().mkpath(QFileInfo(pfad).absolutePath());
}

TQtEinstellungsSpeicher::~TQtEinstellungsSpeicher() = default;

std::unique_ptr<TEinstellungsSpeicher> TQtEinstellungsSpeicher::ZumLesen(const std::string& datei,
                                                                         std::string& fehler) {
  std::unique_ptr<Daten> daten;
#ifdef Q_OS_WIN
  if (datei.empty() && qEnvironmentVariableIsEmpty("TAMREL_EINSTELLUNGEN"))
    daten = std::make_unique<Daten>(QStringLiteral("HKEY_CURRENT_USER"), QSettings::NativeFormat);
#endif
  if (!daten) {
    const QString pfad = datei.empty() ? StandardPfad() : Q(datei);
    const QFileInfo info(pfad);
    if (!datei.empty() && !info.isFile()) {
      fehler = "Die Einstellungsdatei \u201E" + datei + "\u201C gibt es nicht.";
      return nullptr;
    }
    // Eine fehlende Datei des Benutzers: die Vorgaben wie beim ersten Start.
    daten = std::make_unique<Daten>(pfad, QSettings::IniFormat);
    daten->fEinstellungen.childGroups();  // liest die Datei
    if (info.exists() && daten->fEinstellungen.status() != QSettings::NoError) {
      fehler = "Die Einstellungsdatei \u201E" + S(pfad) + "\u201C kann nicht gelesen werden.";
      return nullptr;
    }
  }
  return std::make_unique<TNurLesenderSpeicher>(
      std::unique_ptr<TQtEinstellungsSpeicher>(new TQtEinstellungsSpeicher(std::move(daten))));
}

// Der Schlüssel ist eine Gruppe. In der INI-Datei bleibt der Rückstrich Teil des Namens
// (Qt schreibt ihn als %5C), jeder Schlüssel ist also eine eigene Gruppe; in der Registrierung
// trennt er die Unterschlüssel. Jeder Wert wird als Zeichenkette geschrieben; Qt maskiert
// Zeilenumbrüche, Anführungszeichen, führende Leerzeichen und "@".
std::optional<std::string> TQtEinstellungsSpeicher::Lesen(const std::string& schluessel,
                                                          const std::string& name) {
  QSettings& e = fDaten->fEinstellungen;
  e.beginGroup(Q(schluessel));
  const QVariant wert = e.value(Q(name));
  e.endGroup();
  if (!wert.isValid()) return std::nullopt;
  // Von Hand eingetragene Werte mit Kommas liest Qt als Liste.
  if (wert.typeId() == QMetaType::QStringList) return S(wert.toStringList().join(QLatin1Char(',')));
  return S(wert.toString());
}

void TQtEinstellungsSpeicher::Schreiben(const std::string& schluessel, const std::string& name,
                                        const std::string& wert) {
  QSettings& e = fDaten->fEinstellungen;
  e.beginGroup(Q(schluessel));
  e.setValue(Q(name), Q(wert));
  e.endGroup();
}

bool TQtEinstellungsSpeicher::Sichern() {
  fDaten->fEinstellungen.sync();
  return fDaten->fEinstellungen.status() == QSettings::NoError;
}
