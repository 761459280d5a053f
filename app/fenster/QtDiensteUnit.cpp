#include "app/fenster/QtDiensteUnit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPushButton>

#include "ui/fenster/QtTextUnit.h"

namespace {
QMessageBox::Icon Symbol(TMeldungsArt art) {
  switch (art) {
    case TMeldungsArt::Information:
      return QMessageBox::Information;
    case TMeldungsArt::Warnung:
      return QMessageBox::Warning;
    case TMeldungsArt::Fehler:
      return QMessageBox::Critical;
    case TMeldungsArt::Frage:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QString Verbinde(const std::vector<std::string>& zeilen) {
  QStringList liste;
  for (const auto& z : zeilen) liste << T(z);
  return liste.join('\n');
}
}  // namespace

int TQtDialogDienst::Frage(const TFrage& frage) {
  QMessageBox box(Symbol(frage.Art), T(frage.Titel), Verbinde(frage.Zeilen), QMessageBox::NoButton,
                  QApplication::activeWindow());
  std::vector<QPushButton*> knoepfe;
  for (const auto& k : frage.Knoepfe)
    knoepfe.push_back(box.addButton(T(k), QMessageBox::ActionRole));
  if (knoepfe.empty())
    knoepfe.push_back(box.addButton(QStringLiteral("Ok"), QMessageBox::AcceptRole));
  const int n = static_cast<int>(knoepfe.size());
  if (frage.StandardKnopf >= 0 && frage.StandardKnopf < n)
    box.setDefaultButton(knoepfe[frage.StandardKnopf]);
  const int esc = frage.EscapeKnopf >= 0 && frage.EscapeKnopf < n ? frage.EscapeKnopf : n - 1;
  box.setEscapeButton(knoepfe[esc]);
  box.exec();
  for (int i = 0; i < n; ++i)
    if (box.clickedButton() == knoepfe[i]) return i;
  return esc;
}

void TQtDialogDienst::Meldung(const std::string& titel, const std::vector<std::string>& zeilen,
                              TMeldungsArt art) {
  QMessageBox box(Symbol(art), T(titel), Verbinde(zeilen), QMessageBox::NoButton,
                  QApplication::activeWindow());
  box.addButton(QStringLiteral("Ok"), QMessageBox::AcceptRole);
  box.exec();
}

void TQtDialogDienst::Piep() {
  QApplication::beep();
}

void TQtDialogDienst::BeschaeftigtAn() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TQtDialogDienst::BeschaeftigtAus() {
  QApplication::restoreOverrideCursor();
}

void TQtDialogDienst::MeldungsFensterZeigen(const std::string& text) {
  if (!fMeldungsFenster) {
    fMeldungsFenster = std::make_unique<QLabel>(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
    fMeldungsFenster->setMargin(16);
    fMeldungsFenster->setWindowTitle(QStringLiteral("Meldung"));
  }
  fMeldungsFenster->setText(T(text));
  fMeldungsFenster->adjustSize();
  fMeldungsFenster->show();
  fMeldungsFenster->repaint();
}

void TQtDialogDienst::MeldungsFensterSchliessen() {
  if (fMeldungsFenster) fMeldungsFenster->hide();
}

void TQtDialogDienst::EingabenVerarbeiten() {
  QCoreApplication::processEvents();
}

std::string TQtZwischenablage::Text() {
  return U(QApplication::clipboard()->text());
}

void TQtZwischenablage::SetzeText(const std::string& text) {
  QString t = T(text);
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  QApplication::clipboard()->setText(t);
}

double TQtTextMetrik::TextBreite(const TSchrift& schrift, const std::string& text) {
  QFont f(T(schrift.Name), schrift.Groesse);
  f.setBold(schrift.Fett);
  f.setItalic(schrift.Kursiv);
  return QFontMetricsF(f).horizontalAdvance(T(text));
}

double TQtTextMetrik::TextHoehe(const TSchrift& schrift) {
  QFont f(T(schrift.Name), schrift.Groesse);
  f.setBold(schrift.Fett);
  return QFontMetricsF(f).height();
}
