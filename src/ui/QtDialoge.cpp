#include "ui/QtDialoge.h"

#include "ui/Zeiger.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <optional>

namespace bewahrix {

namespace {

QMessageBox::Icon symbol(Symbol s) {
  switch (s) {
    case Symbol::Information: return QMessageBox::Information;
    case Symbol::Frage: return QMessageBox::Question;
    case Symbol::Ausrufezeichen: return QMessageBox::Warning;
    case Symbol::Kritisch: return QMessageBox::Critical;
    case Symbol::Keins: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons knoepfe(Knoepfe k) {
  switch (k) {
    case Knoepfe::JaNein: return QMessageBox::Yes | QMessageBox::No;
    case Knoepfe::JaNeinAbbrechen: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Knoepfe::OkAbbrechen: return QMessageBox::Ok | QMessageBox::Cancel;
    case Knoepfe::Ok: break;
  }
  return QMessageBox::Ok;
}

QMessageBox::StandardButton knopf(Antwort a) {
  switch (a) {
    case Antwort::Ja: return QMessageBox::Yes;
    case Antwort::Nein: return QMessageBox::No;
    case Antwort::Abbrechen: return QMessageBox::Cancel;
    case Antwort::Ok: break;
  }
  return QMessageBox::Ok;
}

// Escape and the window's close button: a box with Cancel is cancelled, a
// Yes/No box says No (the harmless answer), an OK box is acknowledged.
QMessageBox::StandardButton fluchtKnopf(Knoepfe k) {
  switch (k) {
    case Knoepfe::JaNein: return QMessageBox::No;
    case Knoepfe::JaNeinAbbrechen:
    case Knoepfe::OkAbbrechen: return QMessageBox::Cancel;
    case Knoepfe::Ok: break;
  }
  return QMessageBox::Ok;
}

Antwort antwort(QMessageBox::StandardButton k) {
  switch (k) {
    case QMessageBox::Yes: return Antwort::Ja;
    case QMessageBox::No: return Antwort::Nein;
    case QMessageBox::Cancel: return Antwort::Abbrechen;
    default: return Antwort::Ok;
  }
}

}  // namespace

QWidget* dialogEltern(QWidget* fenster) {
  QWidget* modal = QApplication::activeModalWidget();
  return modal != nullptr ? modal : fenster;
}

QtDialoge::QtDialoge(QWidget* eltern) : eltern_(eltern) {}

Antwort QtDialoge::zeige(const Meldung& meldung) {
  const QMessageBox::StandardButtons erlaubt = knoepfe(meldung.knoepfe);
  QMessageBox box(symbol(meldung.symbol), meldung.titel, meldung.text, erlaubt, dialogEltern(eltern_));
  // A busy pointer of the work that asks would make the box look busy too.
  std::optional<Zeiger> normal;
  if (QApplication::overrideCursor() != nullptr) normal.emplace(Qt::ArrowCursor);
  // Texts carry paths and markers such as "<Ende, ...>": never read as HTML.
  box.setTextFormat(Qt::PlainText);
  if (erlaubt.testFlag(knopf(meldung.standard))) box.setDefaultButton(knopf(meldung.standard));
  const QMessageBox::StandardButton flucht = fluchtKnopf(meldung.knoepfe);
  box.setEscapeButton(flucht);
  box.exec();
  normal.reset();
  QAbstractButton* geklickt = box.clickedButton();
  return antwort(geklickt != nullptr ? box.standardButton(geklickt) : flucht);
}

}  // namespace bewahrix
