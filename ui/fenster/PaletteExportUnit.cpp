// Die Befehle der Palette zu Import und Export.
#include <QFileDialog>
#include <filesystem>

#include "model/DienstUnit.h"
#include "model/SchulUnit.h"
#include "output/ExportUnit.h"
#include "persistence/ImportUnit.h"
#include "persistence/SchulFormatUnit.h"
#include "settings/StandardUnit.h"
#include "substitution/fenster/VStatFormUnit.h"
#include "ui/fenster/ExportFormUnit.h"
#include "ui/fenster/ImportFormUnit.h"
#include "ui/fenster/PaletteUnit.h"
#include "persistence/SchulHalterUnit.h"
#include "ui/fenster/VertrPlanZeitFormUnit.h"

namespace {
std::optional<std::string> ImportOeffnenMitQt(QWidget* vater, const std::string& ordner) {
  QFileDialog dialog(vater, QString::fromUtf8("Tamrel-Textdatei öffnen"),
                     QString::fromStdString(ordner),
                     QString::fromUtf8("Textdateien (*.TXT *.txt)"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}
}  // namespace

void TTamrelPalette::ImportItemClick() {
  const std::string ordner = Standard().fImportPfad;
  const std::optional<std::string> pfad =
      fImportDialog ? fImportDialog(ordner) : ImportOeffnenMitQt(this, ordner);
  if (!pfad || pfad->empty()) return;
  const std::u8string o = std::filesystem::absolute(PfadAusUtf8(*pfad)).parent_path().u8string();
  Standard().fImportPfad = std::string(o.begin(), o.end());
  DateiImportieren(*pfad);
}

bool TTamrelPalette::DateiImportieren(const std::string& pfad) {
  TImportErgebnis ergebnis;
  {
    TBeschaeftigt sanduhr;
    TImportForm form(this);
    form.show();
    TImport import(&form);
    ergebnis = import.ImportFromFile(pfad);
    form.close();
  }
  // Die Schule behält Namen und Datei; eine importierte Schule ohne Datei bleibt "ohne Titel".
  if (ergebnis.Importiert) fHalter->AlsOffen();
  if (fHalter->Offen()) {
    TSchule& schule = Schule();
    Standard().fAktuelleWoche = schule.WocheVonDatum(Heute());
    MenuAnlage();
    schule.AlleFensterUpdate();
  }
  TitelAnpassen();
  AktualisierePalette();
  return ergebnis.Importiert;
}

void TTamrelPalette::ExportItemClick(TExportArt art) {
  if (!fHalter->Offen()) return;
  TExportDialog dialog;
  if (fExportDialog)
    dialog = [this](const TExportBefehl& b, const std::string& ordner) {
      return fExportDialog(b.Art, ordner);
    };
  std::optional<std::pair<TDateTime, TDateTime>> zeitraum;
  if (art == TExportArt::Vertretungsplan) {
    const TStandard& st = Standard();
    const TDatum von = ZahlZuDatum(st.fVExpVon), bis = ZahlZuDatum(st.fVExpBis);
    const auto felder =
        fZeitraumDialog ? fZeitraumDialog(von, bis) : VertrPlanZeitAbfragen(this, von, bis);
    if (!felder) return;
    zeitraum = VertretungsZeitraum(felder->first, felder->second);
  }
  if (art == TExportArt::VertrLeUeb || art == TExportArt::VertrKlUeb) {
    const std::optional<TVertrZeitraum> z = VertrUebZeitAbfragen(this);
    if (!z) return;
    zeitraum = std::pair{z->Von, z->Bis};
  }
  ExportBefehlAusfuehren(this, art, dialog, zeitraum);
  AktualisierePalette();
}
