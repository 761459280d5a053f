#include "ui/fenster/QtFarbDialogUnit.h"

#include <QColorDialog>
#include <string>
#include <vector>

#include "settings/StandardUnit.h"
#include "ui/FarbWahlUnit.h"

namespace {

// Die eigenen Farben der Einstellungen in den Farbdialog, über die Einträge "ColorA=…".
void EigeneFarbenSetzen() {
  const std::vector<std::string> eintraege = FarbWahl::DialogEintraege(Standard().fCustomFarbe);
  for (int i = 0; i < FarbWahl::EigeneFarben && i < QColorDialog::customCount(); ++i)
    if (const auto f = FarbWahl::EintragFarbe(eintraege[static_cast<std::size_t>(i)]))
      QColorDialog::setCustomColor(i, ZuQColor(*f));
}

// Die eigenen Farben des Dialogs zurück in die Einstellungen.
void EigeneFarbenLesen() {
  std::vector<std::string> eintraege;
  for (int i = 0; i < FarbWahl::EigeneFarben && i < QColorDialog::customCount(); ++i)
    eintraege.push_back(std::string("Color") + static_cast<char>('A' + i) + "=" +
                        FarbWahl::FarbeZuHex(ZuTColor(QColorDialog::customColor(i))));
  FarbWahl::EintraegeZurueck(eintraege, Standard().fCustomFarbe);
}

}  // namespace

QColor ZuQColor(TColor farbe) {
  return QColor(static_cast<int>(farbe & 0xFFu), static_cast<int>((farbe >> 8) & 0xFFu),
                static_cast<int>((farbe >> 16) & 0xFFu));
}

TColor ZuTColor(const QColor& farbe) {
  return static_cast<TColor>(farbe.red()) | (static_cast<TColor>(farbe.green()) << 8) |
         (static_cast<TColor>(farbe.blue()) << 16);
}

std::optional<TColor> FarbeWaehlen(TColor farbe, QWidget* parent) {
  EigeneFarbenSetzen();
  QColorDialog dialog(ZuQColor(farbe), parent);
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  const bool ok = dialog.exec() == QDialog::Accepted;
  EigeneFarbenLesen();
  if (!ok) return std::nullopt;
  return ZuTColor(dialog.selectedColor());
}
