#include "lifecycle/Programm.h"

#include "editing/Quellenliste.h"
#include "editing/ZielUndTitel.h"
#include "ui/Lampe.h"
#include "ui/Saver.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

// The task pages' typed input: source entries, target directory and title.
namespace bewahrix {

void Programm::verbindeBearbeitung(int i) {
  auto& seite = fenster_->aufgabe.at(i);
  const Bearbeitung b{store_, logbuch_, dialoge_, uhr_};
  connect(seite.cmdDazu, &QPushButton::clicked, this,
          [this, i, b] { folgeAnwenden(i, Quellenliste(b).hinzufuegen(i, fenster_->aufgabe.at(i).txtZuSichern->text())); });
  connect(seite.cmdLoeschen, &QPushButton::clicked, this, [this, i, b] {
    const QListWidgetItem* gewaehlt = fenster_->aufgabe.at(i).txtSichernGesamt->currentItem();
    if (gewaehlt) folgeAnwenden(i, Quellenliste(b).loeschen(i, gewaehlt->text()));
  });
  connect(seite.cmdLoeschenAlles, &QPushButton::clicked, this,
          [this, i, b] { folgeAnwenden(i, Quellenliste(b).alleLoeschen(i)); });
  connect(seite.cmdInfo, &QPushButton::clicked, this, [b] { Quellenliste(b).zeigeInfo(); });
  // The delete button is offered while an entry is selected.
  connect(seite.txtSichernGesamt, &QListWidget::currentRowChanged, this,
          [this, i](int zeile) { fenster_->aufgabe.at(i).cmdLoeschen->setEnabled(zeile >= 0); });

  connect(seite.txtSicherungsVerzeichnis, &QLineEdit::textChanged, this, [this, i, b](const QString& text) {
    const bool gesichert = bearbeiten::zielGesichert(text, ZielUndTitel(b).gespeichertesZiel(i));
    fenster_->aufgabe.at(i).statusZiel->setzeZustand(gesichert ? Lampe::Zustand::Gruen : Lampe::Zustand::Rot);
  });
  connect(seite.cmdVerzeichnisSpeichern, &QPushButton::clicked, this, [this, i, b] {
    const auto gespeichert = ZielUndTitel(b).zielSpeichern(i, fenster_->aufgabe.at(i).txtSicherungsVerzeichnis->text());
    if (!gespeichert) return;
    fenster_->aufgabe.at(i).txtSicherungsVerzeichnis->setText(*gespeichert);
    LampenSeting(i);
    LogbuchAnzeigen();
  });
  connect(seite.cmdPfadLesen, &QPushButton::clicked, this, [this, i, b] {
    fenster_->aufgabe.at(i).txtSicherungsVerzeichnis->setText(ZielUndTitel(b).gespeichertesZiel(i));
  });
  connect(seite.cmdUeberschrift, &QPushButton::clicked, this, [this, i, b] {
    ZielUndTitel ziel(b);
    const QString antwort =
        eingabe({ZielUndTitel::titelDialogUeberschrift(), ZielUndTitel::titelDialogFrage(), ziel.titel(i)});
    if (const auto neu = ziel.titelAendern(i, antwort)) {
      fenster_->aufgabe.at(i).titelText->setText(neu->titel);
      fenster_->labelOrtInfo.at(i)->setText(neu->ortLabel);
    }
  });
}

void Programm::folgeAnwenden(int i, const Folge& folge) {
  auto& seite = fenster_->aufgabe.at(i);
  if (folge.neuLaden) {
    LoadSourceLists();
    LampenSeting(i);
    LogbuchAnzeigen();
  }
  if (folge.eingabe) seite.txtZuSichern->setText(*folge.eingabe);
  // A task without copy mode keeps its start button disabled.
  if (folge.startKnopf) seite.cmdKopieStart->setEnabled(*folge.startKnopf && gewaehlterModus(i) != 5);
  if (folge.fokusAufEingabe) seite.txtZuSichern->setFocus();
}

}  // namespace bewahrix
