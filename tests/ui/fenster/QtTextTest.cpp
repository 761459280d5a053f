// Die Texthilfen der Fenster: UTF-8 und Windows-1252 nach QString und zurück.
#include <gtest/gtest.h>

#include "ui/fenster/QtTextUnit.h"

TEST(QtText, Utf8HinUndZurueck) {
  const std::string utf8 = "Übersicht für Räume – Grüße";
  const QString q = T(utf8);
  EXPECT_EQ(q, QStringLiteral("Übersicht für Räume – Grüße"));
  EXPECT_EQ(q.size(), 27);
  EXPECT_EQ(T(utf8.c_str()), q);
  EXPECT_EQ(U(q), utf8);
  // Ein Nullbyte im std::string beendet den Text nicht.
  EXPECT_EQ(T(std::string("a\0b", 3)).size(), 3);
}

TEST(QtText, Win1252HinUndZurueck) {
  const std::string ansi = "\xC4rger \xDF \x80";  // "Ärger ß €"
  const QString q = AnsiText(ansi);
  EXPECT_EQ(q, QStringLiteral("Ärger ß €"));
  EXPECT_EQ(U(q), "Ärger ß €");
  EXPECT_EQ(Ansi(q), ansi);
  // Was Windows-1252 nicht fassen kann, wird zu "?".
  EXPECT_EQ(Ansi(QStringLiteral("Ω")), "?");
}
