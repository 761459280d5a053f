// "Kennworteingabe": das Startkennwort, verdeckt mit "*".
#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

class TKWForm : public QDialog {
  Q_OBJECT

 public:
  explicit TKWForm(QWidget* parent = nullptr);
  QLineEdit* KWFeld = nullptr;
  QPushButton* OkKnopf = nullptr;
  QPushButton* AbbrechenKnopf = nullptr;
};

// Zeigt die Kennworteingabe modal: die Eingabe (UTF-8) bei "Ok", nichts bei "Abbrechen".
std::optional<std::string> KennwortAbfragen(QWidget* parent = nullptr);
