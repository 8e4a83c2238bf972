#include "ui/Dateiwahl.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

QString dateiWaehlen(QWidget* eltern, const DateiSuche& suche) {
  QFileDialog dialog(eltern, suche.titel, suche.verzeichnis);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setNameFilters(suche.filter);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

namespace {

// Qt's own folder dialog with a line of text below the view; folgen makes
// the line follow the selected folder.
QString ordnerMitZeile(QWidget* eltern, const QString& titel, const QString& start,
                       const std::function<QString(const QString&)>& zeile, bool folgen) {
  QFileDialog dialog(eltern, titel, start);
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  // The status line needs Qt's own dialog; a desktop's dialog has none.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  auto* status = new QLabel(&dialog);
  status->setObjectName(u"Statuszeile"_s);
  status->setTextFormat(Qt::PlainText);
  if (auto* raster = qobject_cast<QGridLayout*>(dialog.layout()))
    raster->addWidget(status, raster->rowCount(), 0, 1, raster->columnCount());
  const auto zeige = [status, zeile](const QString& pfad) { status->setText(zeile(pfad)); };
  if (folgen) {
    QObject::connect(&dialog, &QFileDialog::currentChanged, status, zeige);
    QObject::connect(&dialog, &QFileDialog::directoryEntered, status, zeige);
  }
  zeige(start);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace

QString quellordnerWaehlen(QWidget* eltern, const QString& titel, const QString& start) {
  return ordnerMitZeile(eltern, titel, start, [](const QString& pfad) {
    return pfad.isEmpty() ? QString() : u"Sie haben "_s + pfad + u" gewählt."_s;
  }, true);
}

QString logbuchOrdnerWaehlen(QWidget* eltern, const QString& text, const QString& aktuell) {
  return ordnerMitZeile(eltern, u"Logbuch verschieben"_s, aktuell, [text](const QString&) { return text; }, false);
}

}  // namespace bewahrix
