#include "ui/Dateiwahl.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>

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

QString quellordnerWaehlen(QWidget* eltern, const QString& titel, const QString& start) {
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
  const auto zeige = [status](const QString& pfad) {
    status->setText(pfad.isEmpty() ? QString() : u"Sie haben "_s + pfad + u" gewählt."_s);
  };
  QObject::connect(&dialog, &QFileDialog::currentChanged, status, zeige);
  QObject::connect(&dialog, &QFileDialog::directoryEntered, status, zeige);
  zeige(start);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace bewahrix
