#include "output/QtSeitenBildUnit.h"

#include <cstdio>

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QString>

namespace {
QColor Farbe(TColor c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

// Die Schrift so groß, dass sie auf dem Gerät bei ppi Punkten je Zoll ihre Punktgröße hat.
QFont Schrift(const TSchrift& s, double ppi, double geraetDpi) {
  QFont f(QString::fromStdString(s.Name));
  f.setPointSizeF(s.Groesse * ppi / (geraetDpi > 0 ? geraetDpi : ppi));
  f.setBold(s.Fett);
  f.setItalic(s.Kursiv);
  f.setUnderline(s.Unterstrichen);
  f.setKerning(false);
  return f;
}

QPen Stift(const TStift& s) {
  if (s.Stil == TStiftStil::Keiner) return QPen(Qt::NoPen);
  QPen p(Farbe(s.Farbe));
  p.setWidth(s.Breite <= 1 ? 0 : s.Breite);
  p.setStyle(s.Stil == TStiftStil::Gestrichelt ? Qt::DashLine
             : s.Stil == TStiftStil::Gepunktet ? Qt::DotLine
                                               : Qt::SolidLine);
  return p;
}

QBrush Pinsel(const TPinsel& p) {
  return p.Leer ? QBrush(Qt::NoBrush) : QBrush(Farbe(p.Farbe));
}

QRectF Rechteck(const TZeichenBefehl& b) {
  return QRectF(b.X1, b.Y1, b.X2 - b.X1, b.Y2 - b.Y1);
}

QString DateiText(const std::string& pfad) {
  return QStringLiteral("Die PDF-Datei \u201E") + QString::fromStdString(pfad) +
         QStringLiteral("\u201C");
}
}  // namespace

void SeiteAbspielen(QPainter& maler, const TSeite& seite, const TDruckerMasse& masse) {
  const double dpi = maler.device() ? maler.device()->logicalDpiY() : masse.pYppi;
  maler.save();
  TSchrift letzte;
  bool schriftGesetzt = false;
  for (const TZeichenBefehl& b : seite) {
    switch (b.Art) {
      case TZeichenArt::Text: {
        if (!schriftGesetzt || !(letzte == b.Schrift)) {
          maler.setFont(Schrift(b.Schrift, masse.pYppi, dpi));
          letzte = b.Schrift;
          schriftGesetzt = true;
        }
        maler.setPen(QPen(Farbe(b.Farbe)));
        const QFontMetricsF fm(maler.font(), maler.device());
        maler.drawText(QPointF(b.X1, b.Y1 + fm.ascent()), QString::fromStdString(b.Text));
        break;
      }
      case TZeichenArt::Linie:
        maler.setPen(Stift(b.Stift));
        maler.drawLine(QPointF(b.X1, b.Y1), QPointF(b.X2, b.Y2));
        break;
      case TZeichenArt::Rechteck:
        maler.setPen(Stift(b.Stift));
        maler.setBrush(Pinsel(b.Pinsel));
        maler.drawRect(Rechteck(b));
        break;
      case TZeichenArt::Ellipse:
        maler.setPen(Stift(b.Stift));
        maler.setBrush(Pinsel(b.Pinsel));
        maler.drawEllipse(Rechteck(b));
        break;
      case TZeichenArt::Fuellen:
        if (!b.Pinsel.Leer) maler.fillRect(Rechteck(b), Farbe(b.Pinsel.Farbe));
        break;
    }
  }
  maler.restore();
}

double TQtGeraeteMetrik::TextBreite(const TSchrift& schrift, const std::string& text) {
  const double dpi = fGeraet->logicalDpiY();
  return QFontMetricsF(Schrift(schrift, dpi, dpi), fGeraet)
      .horizontalAdvance(QString::fromStdString(text));
}

double TQtGeraeteMetrik::TextHoehe(const TSchrift& schrift) {
  const double dpi = fGeraet->logicalDpiY();
  return QFontMetricsF(Schrift(schrift, dpi, dpi), fGeraet).height();
}

void GuiOhneBildschirmSicherstellen() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
  // Hinweise von Qt (etwa zu fehlenden Laufzeitordnern) gehören nicht in die deutsche
  // Fehlerausgabe der Kommandozeile; nur schwere Fehler bleiben.
  qInstallMessageHandler([](QtMsgType art, const QMessageLogContext&, const QString& text) {
    if (art == QtCriticalMsg || art == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(text));
  });
  static int argc = 1;
  static char name[] = "tamrel-cli";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
}

struct TQtPdfDienst::Daten {
  QBuffer Puffer;
  std::unique_ptr<QPdfWriter> Messgeraet;
  std::unique_ptr<TQtGeraeteMetrik> Metrik;
};

TQtPdfDienst::TQtPdfDienst(const TDruckerMasse& masse)
    : fDaten(std::make_unique<Daten>()), fMasse(masse) {}

TQtPdfDienst::~TQtPdfDienst() = default;

void TQtPdfDienst::SetzePdfMasse(const TDruckerMasse& masse) {
  fMasse = masse;
  fDaten->Metrik.reset();
  fDaten->Messgeraet.reset();
}

TTextMetrik& TQtPdfDienst::PdfMetrik() {
  if (!fDaten->Metrik) {
    GuiOhneBildschirmSicherstellen();
    fDaten->Messgeraet = std::make_unique<QPdfWriter>(&fDaten->Puffer);
    fDaten->Messgeraet->setResolution(fMasse.pYppi);
    fDaten->Metrik = std::make_unique<TQtGeraeteMetrik>(fDaten->Messgeraet.get());
  }
  return *fDaten->Metrik;
}

bool TQtPdfDienst::PdfSchreiben(const TPrevPrinter& seiten, const std::string& pfad,
                                std::string& fehler) {
  GuiOhneBildschirmSicherstellen();
  const QString ziel = QString::fromStdString(pfad);
  if (seiten.PageCount() == 0) {
    fehler = (DateiText(pfad) + QStringLiteral(" wurde nicht geschrieben: Es gibt keine Seite."))
                 .toStdString();
    return false;
  }
  const QFileInfo info(ziel);
  if (!info.absoluteDir().exists()) {
    fehler =
        (DateiText(pfad) + QStringLiteral(" kann nicht geschrieben werden: Den Ordner \u201E") +
         QDir::toNativeSeparators(info.absolutePath()) + QStringLiteral("\u201C gibt es nicht."))
            .toStdString();
    return false;
  }
  QSaveFile datei(ziel);
  if (!datei.open(QIODevice::WriteOnly)) {
    fehler = (DateiText(pfad) +
              QStringLiteral(" kann nicht angelegt werden: Der Ordner ist schreibgeschützt oder "
                             "der Name ist ungültig."))
                 .toStdString();
    return false;
  }
  const TDruckerMasse& m = seiten.Masse();
  bool ok = true;
  {
    QPdfWriter schreiber(&datei);
    schreiber.setCreator(QStringLiteral("Tamrel"));
    schreiber.setTitle(QString::fromStdString(seiten.Title));
    schreiber.setResolution(m.pYppi);
    const QSizeF blatt(m.BlattBreite * 72.0 / m.pXppi, m.BlattHoehe * 72.0 / m.pYppi);
    schreiber.setPageLayout(QPageLayout(QPageSize(blatt, QPageSize::Point), QPageLayout::Portrait,
                                        QMarginsF(0, 0, 0, 0), QPageLayout::Point));
    QPainter maler;
    ok = maler.begin(&schreiber);
    for (int n = 1; ok && n <= seiten.PageCount(); ++n) {
      if (n > 1) ok = schreiber.newPage();
      if (!ok) break;
      maler.save();
      maler.translate(m.XOff, m.YOff);
      SeiteAbspielen(maler, seiten.Seite(n), m);
      maler.restore();
    }
    if (maler.isActive()) ok = maler.end() && ok;
  }
  if (ok && datei.error() == QFileDevice::NoError && datei.commit()) return true;
  datei.cancelWriting();
  fehler = (DateiText(pfad) +
            QStringLiteral(" konnte nicht geschrieben werden (Datenträger voll oder Zugriff "
                           "verweigert). Eine vorhandene Datei bleibt unverändert."))
               .toStdString();
  return false;
}
