#include "ui/Bau.h"
#include "ui/DateiAblage.h"
#include "ui/KlickLabel.h"
#include "ui/Lampe.h"
#include "ui/Saver.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {

// Wide enough for an added date such as "05. Dez. 2026".
constexpr int kDatumsBreite = 110;
// The column under the copy-mode text and the start button.
constexpr int kStartBreite = 180;

// The two lists show one entry per line side by side: scrolling one scrolls
// the other, so a date stays next to its entry.
void gleichlauf(QListWidget* a, QListWidget* b) {
  QObject::connect(a->verticalScrollBar(), &QScrollBar::valueChanged, b->verticalScrollBar(),
                   &QScrollBar::setValue);
  QObject::connect(b->verticalScrollBar(), &QScrollBar::valueChanged, a->verticalScrollBar(),
                   &QScrollBar::setValue);
}

}  // namespace

QWidget* Saver::baueSeiteAufgabe(int i) {
  AufgabenSeite& a = aufgabe.at(i);
  const auto name = [i](const QString& wort) { return bau::feld(wort, i); };
  auto* seite = new QWidget;
  auto* spalte = new QVBoxLayout(seite);
  bau::eng(spalte);
  // The page has to fit the smallest window without scrolling.
  spalte->setSpacing(2);

  auto* kopf = new QHBoxLayout;
  a.titelText = bau::neu<QLabel>(seite, name(u"TitelText"_s));
  a.titelText->setText(u"Sicherungsaufgabe "_s + QString::number(i + 1));
  QFont fett = a.titelText->font();
  fett.setBold(true);
  a.titelText->setFont(fett);
  a.titelText->setMinimumWidth(1);
  kopf->addWidget(a.titelText, 1);
  a.cmdUeberschrift = bau::knopf(seite, name(u"cmd_Überschrift"_s), u"Überschrift"_s);
  kopf->addWidget(a.cmdUeberschrift);
  a.pruefLampe = bau::neu<Lampe>(seite, name(u"PrüfLampe"_s));
  kopf->addWidget(a.pruefLampe);
  spalte->addLayout(kopf);

  // The file list: the entry field over the two lists, the buttons at the
  // right edge.
  auto* liste = bau::rahmen(seite, name(u"Frame"_s), u"Dateiliste"_s);
  auto* raster = new QGridLayout(liste);
  bau::eng(raster);
  auto* eingabe = new QHBoxLayout;
  eingabe->addWidget(bau::text(liste, u"zu sichernde Datei oder Verzeichnis"_s));
  a.cmdInfo = bau::knopf(liste, name(u"cmd_Info"_s), u"Info"_s);
  eingabe->addWidget(a.cmdInfo);
  eingabe->addStretch(1);
  raster->addLayout(eingabe, 0, 0);
  a.txtZuSichern = bau::neu<QLineEdit>(liste, name(u"txt_zuSichern"_s));
  a.ablage = new DateiAblage(a.txtZuSichern);
  raster->addWidget(a.txtZuSichern, 1, 0);
  a.cmdDazu = bau::knopf(liste, name(u"cmd_Dazu"_s), u"Hinzufügen"_s);
  raster->addWidget(a.cmdDazu, 1, 1);

  auto* ueberschriften = new QGridLayout;
  ueberschriften->setContentsMargins(0, 0, 0, 0);
  ueberschriften->setSpacing(0);
  auto* listenTitel = bau::text(liste, u"Liste der zusichernden Dateien / Verzeichnisse"_s);
  ueberschriften->addWidget(listenTitel, 0, 0, 1, 2);
  ueberschriften->addWidget(bau::text(liste, u"Dateiname"_s), 1, 0);
  auto* hinzugefuegt = bau::text(liste, u"hinzugefügt am"_s);
  hinzugefuegt->setFixedWidth(kDatumsBreite);
  ueberschriften->addWidget(hinzugefuegt, 1, 1);
  ueberschriften->setColumnStretch(0, 1);
  raster->addLayout(ueberschriften, 2, 0);
  a.cmdSuchen = bau::knopf(liste, name(u"cmd_Suchen"_s), u"Datei suchen"_s);
  raster->addWidget(a.cmdSuchen, 2, 1, Qt::AlignBottom);

  auto* listen = new QHBoxLayout;
  listen->setSpacing(0);
  a.txtSichernGesamt = bau::neu<QListWidget>(liste, name(u"txt_SichernGesamt"_s));
  a.txtSichernGesamt->setMinimumHeight(1);
  // One scroll bar for the pair: the date list's, at the outer edge.
  a.txtSichernGesamt->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  listen->addWidget(a.txtSichernGesamt, 1);
  a.txtSichernDaten = bau::neu<QListWidget>(liste, bau::feld(u"txt_SichernGesamt"_s, i + kAufgaben));
  a.txtSichernDaten->setFixedWidth(kDatumsBreite);
  a.txtSichernDaten->setMinimumHeight(1);
  listen->addWidget(a.txtSichernDaten);
  gleichlauf(a.txtSichernGesamt, a.txtSichernDaten);
  raster->addLayout(listen, 3, 0);

  auto* knoepfe = new QVBoxLayout;
  knoepfe->setSpacing(raster->verticalSpacing());
  a.cmdVerzeichnisSuchen = bau::knopf(liste, name(u"cmd_VerzeichnisSuchen"_s), u"Verzeichnis suchen"_s);
  knoepfe->addWidget(a.cmdVerzeichnisSuchen);
  a.cmdIgnorier = bau::knopf(liste, name(u"cmd_Ignorier"_s), u"Ignorier- Liste"_s);
  knoepfe->addWidget(a.cmdIgnorier);
  auto* loeschen = new QHBoxLayout;
  loeschen->setSpacing(raster->horizontalSpacing());
  a.cmdLoeschen = bau::knopf(liste, name(u"cmd_Löschen"_s), u"Löschen"_s);
  loeschen->addWidget(a.cmdLoeschen);
  a.cmdLoeschenAlles = bau::knopf(liste, name(u"cmd_LöschenAlles"_s), u"alles"_s);
  loeschen->addWidget(a.cmdLoeschenAlles);
  knoepfe->addLayout(loeschen);
  knoepfe->addStretch(1);
  raster->addLayout(knoepfe, 3, 1);
  raster->setColumnStretch(0, 1);
  raster->setRowStretch(3, 1);
  spalte->addWidget(liste, 1);

  // Target directory on the left; copy-mode text and start button keep to
  // the right edge.
  auto* unten = new QHBoxLayout;
  auto* ziel = bau::rahmen(seite, name(u"FrameZiel"_s), u"Zielverzeichnis"_s);
  auto* zielZeile = new QHBoxLayout(ziel);
  bau::eng(zielZeile);
  a.cmdPfadLesen = bau::knopf(ziel, name(u"cmd_PfadLesen"_s), u"Aktualisieren"_s);
  zielZeile->addWidget(a.cmdPfadLesen);
  a.txtSicherungsVerzeichnis = bau::neu<QLineEdit>(ziel, name(u"txt_SicherungsVerzeichnis"_s));
  zielZeile->addWidget(a.txtSicherungsVerzeichnis, 1);
  a.statusZiel = bau::neu<Lampe>(ziel, name(u"StatusZiel"_s));
  zielZeile->addWidget(a.statusZiel);
  a.cmdVerzeichnisSpeichern = bau::knopf(ziel, name(u"cmd_VerzeichnisSpeichern"_s), u"Speichern"_s);
  zielZeile->addWidget(a.cmdVerzeichnisSpeichern);
  unten->addWidget(ziel, 1);

  auto* start = new QVBoxLayout;
  start->setSpacing(2);
  auto* verfahren = new KlickLabel(seite);
  verfahren->setObjectName(name(u"InfoVerfahren"_s));
  verfahren->setWordWrap(true);
  verfahren->setFixedWidth(kStartBreite);
  a.infoVerfahren = verfahren;
  start->addWidget(verfahren, 1);
  a.cmdKopieStart = bau::knopf(seite, name(u"cmd_KopieStart"_s), u"Kopiervorgang ausführen"_s);
  a.cmdKopieStart->setFixedWidth(kStartBreite);
  start->addWidget(a.cmdKopieStart);
  unten->addLayout(start);
  spalte->addLayout(unten);
  return seite;
}

}  // namespace bewahrix
