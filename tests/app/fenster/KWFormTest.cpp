// Startbild und Kennworteingabe.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include "app/fenster/KWFormUnit.h"
#include "app/fenster/StartFormUnit.h"

namespace {
QStringList Texte(const QWidget& w) {
  QStringList t;
  for (QLabel* l : w.findChildren<QLabel*>())
    if (!l->text().isEmpty()) t << l->text();
  return t;
}
}  // namespace

TEST(StartForm, ZeigtTitelUndBeschreibungUndSchliesstSich) {
  TStartForm start;
  EXPECT_EQ(
      Texte(start),
      (QStringList{QStringLiteral("WinTamrel 3.9.16"), QStringLiteral("(Version vom 09.11.2025)"),
                   QStringLiteral("Ein Programm für"), QStringLiteral("Unterrichtsverteilung"),
                   QStringLiteral("für"), QStringLiteral("Stundenplan"), QStringLiteral("und"),
                   QStringLiteral("Vertretungsplan")}));
  EXPECT_TRUE(start.windowFlags() & Qt::FramelessWindowHint);
  bool sichtbar = false;
  QTimer::singleShot(5, [&] { sichtbar = start.isVisible(); });
  start.ZeigenUndWarten(30);
  EXPECT_TRUE(sichtbar);
  EXPECT_FALSE(start.isVisible());
}

TEST(KWForm, AufbauUndSterne) {
  TKWForm form;
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Kennworteingabe"));
  EXPECT_TRUE(Texte(form).contains(QStringLiteral("Geben Sie bitte das Kennwort ein!")));
  EXPECT_EQ(form.OkKnopf->text(), QStringLiteral("Ok"));
  EXPECT_EQ(form.AbbrechenKnopf->text(), QStringLiteral("Abbrechen"));
  EXPECT_EQ(form.KWFeld->echoMode(), QLineEdit::Password);
  EXPECT_EQ(form.KWFeld->maxLength(), 20);
  EXPECT_EQ(
      form.KWFeld->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, form.KWFeld),
      '*');
  // Zeichen, die Windows-1252 nicht kennt, nimmt das Feld nicht an.
  for (QChar c : QStringLiteral("a\u0142b")) {
    QKeyEvent e(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(form.KWFeld, &e);
  }
  EXPECT_EQ(form.KWFeld->text(), QStringLiteral("ab"));
}

TEST(KWForm, OkLiefertDieEingabeAbbrechenNichts) {
  QTimer::singleShot(0, [] {
    auto* f = qobject_cast<TKWForm*>(QApplication::activeModalWidget());
    ASSERT_NE(f, nullptr);
    f->KWFeld->setText(QStringLiteral("Grüße"));
    f->OkKnopf->click();
  });
  EXPECT_EQ(KennwortAbfragen(), std::optional<std::string>("Grüße"));
  QTimer::singleShot(0, [] {
    auto* f = qobject_cast<TKWForm*>(QApplication::activeModalWidget());
    ASSERT_NE(f, nullptr);
    f->KWFeld->setText(QStringLiteral("x"));
    f->AbbrechenKnopf->click();
  });
  EXPECT_EQ(KennwortAbfragen(), std::nullopt);
}
