#include "lifecycle/Programm.h"

#include "editing/ZielUndTitel.h"
#include "ui/IgnorierForm.h"
#include "ui/Lampe.h"
#include "ui/Saver.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The task pages' target directory, title and ignore list.
namespace bewahrix {

Bearbeitung Programm::bearbeitung() { return {store_, logbuch_, dialoge_, uhr_}; }

void Programm::verbindeZielUndTitel(int i) {
  auto& seite = fenster_->aufgabe.at(i);
  connect(seite.txtSicherungsVerzeichnis, &QLineEdit::textChanged, this, [this, i] { zielAnzeigen(i); });
  const auto speichern = [this, i] {
    const auto gespeichert =
        ZielUndTitel(bearbeitung()).zielSpeichern(i, fenster_->aufgabe.at(i).txtSicherungsVerzeichnis->text());
    if (!gespeichert) return;
    fenster_->aufgabe.at(i).txtSicherungsVerzeichnis->setText(*gespeichert);
    // A text that already ended with "/" does not change the field.
    zielAnzeigen(i);
    LampenSeting(i);
    LogbuchAnzeigen();
  };
  connect(seite.cmdVerzeichnisSpeichern, &QPushButton::clicked, this, speichern);
  // Return in the field saves, as a user of a form expects.
  connect(seite.txtSicherungsVerzeichnis, &QLineEdit::returnPressed, this, speichern);
  connect(seite.cmdPfadLesen, &QPushButton::clicked, this, [this, i] {
    fenster_->aufgabe.at(i).txtSicherungsVerzeichnis->setText(ZielUndTitel(bearbeitung()).gespeichertesZiel(i));
    zielAnzeigen(i);
  });
  connect(seite.cmdUeberschrift, &QPushButton::clicked, this, [this, i] {
    ZielUndTitel ziel(bearbeitung());
    const QString antwort =
        eingabe({ZielUndTitel::titelDialogUeberschrift(), ZielUndTitel::titelDialogFrage(), ziel.titel(i)});
    if (const auto neu = ziel.titelAendern(i, antwort)) {
      fenster_->aufgabe.at(i).titelText->setText(neu->titel);
      fenster_->labelOrtInfo.at(i)->setText(neu->ortLabel);
    }
  });
  connect(seite.cmdIgnorier, &QPushButton::clicked, this, [this, i] { cmd_Ignorier_Click(i); });
}

void Programm::zielAnzeigen(int i) {
  auto& seite = fenster_->aufgabe.at(i);
  const bool gesichert = bearbeiten::zielGesichert(seite.txtSicherungsVerzeichnis->text(),
                                                   ZielUndTitel(bearbeitung()).gespeichertesZiel(i));
  seite.statusZiel->setzeZustand(gesichert ? Lampe::Zustand::Gruen : Lampe::Zustand::Rot);
}

void Programm::cmd_Ignorier_Click(int i) {
  IgnorierForm form(bearbeitung(), i, dateiWahl, fenster_.get());
  form.exec();
}

}  // namespace bewahrix
