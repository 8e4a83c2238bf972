#pragma once

#include <QDateEdit>

namespace bewahrix {

// A date picker whose "MMM" shows the program's own month abbreviations
// (Jan, Feb, Mrz …), which no Qt locale has. The month stands in the
// format as fixed text, renewed whenever the month changes: it is chosen
// in the drop-down calendar, day and year also by keys.
class DatumsFeld : public QDateEdit {
 public:
  explicit DatumsFeld(QWidget* parent = nullptr);

  // A display format in Qt's letters; its "MMM" becomes the abbreviation.
  void setzeFormat(const QString& format);

 private:
  void monatEinsetzen();

  QString format_;
};

}  // namespace bewahrix
