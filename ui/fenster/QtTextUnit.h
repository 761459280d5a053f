// Texte zwischen der Logik und Qt, für alle Fenster an einer Stelle.
// Die Logik reicht Meldungen, Überschriften und Dateinamen als UTF-8 in std::string; die Texte
// des Modells (Kürzel, Infos, Bemerkungen) sind Windows-1252 und gehen über die Tabelle in
// ToolsUnit.
#pragma once

#include <QString>

#include <string>

#include "model/ToolsUnit.h"

// UTF-8 als QString.
inline QString T(const char* utf8) {
  return QString::fromUtf8(utf8);
}
inline QString T(const std::string& utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// QString als UTF-8.
inline std::string U(const QString& text) {
  return text.toUtf8().toStdString();
}

// Modelltext (Windows-1252) als QString.
inline QString AnsiText(const std::string& ansi) {
  return T(Win1252ZuUtf8(ansi));
}

// QString als Modelltext; was Windows-1252 nicht fassen kann, wird zu "?".
inline std::string Ansi(const QString& text) {
  return Utf8ZuWin1252(U(text));
}
