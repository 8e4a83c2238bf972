#include "ui/Bau.h"
#include "ui/Lampe.h"
#include "ui/Saver.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

QWidget* Saver::baueSeiteLogbuch() {
  auto* seite = new QWidget;
  auto* spalte = new QVBoxLayout(seite);
  bau::eng(spalte);

  auto* kopf = new QHBoxLayout;
  labelLogbuch = bau::neu<QLabel>(seite, u"Label_Logbuch"_s);
  labelLogbuch->setText(u"(xx)"_s);
  kopf->addWidget(labelLogbuch);
  statusLogbuch = bau::neu<Lampe>(seite, u"StatusLogbuch"_s);
  kopf->addWidget(statusLogbuch);
  kopf->addSpacing(12);
  cmdLogbuchClear = bau::knopf(seite, u"cmd_LogbuchClear"_s, u"Logbuch löschen"_s);
  kopf->addWidget(cmdLogbuchClear);
  cmdLogbuchPrint = bau::knopf(seite, u"cmd_LogbuchPrint"_s, u"Logbuch Drucken"_s);
  kopf->addWidget(cmdLogbuchPrint);
  kopf->addStretch(1);
  spalte->addLayout(kopf);

  // Beside the column heading: the row above is full once the size label names both files.
  auto* ueberschrift = new QHBoxLayout;
  ueberschrift->addWidget(bau::text(seite, u"Datum             Zeit         Ereignis"_s), 1);
  checkAeltereEintraege = bau::neu<QCheckBox>(seite, u"Check_AeltereEintraege"_s);
  checkAeltereEintraege->setText(u"ältere Einträge anzeigen"_s);
  ueberschrift->addWidget(checkAeltereEintraege);
  spalte->addLayout(ueberschrift);
  logbuch = bau::neu<QListView>(seite, u"Logbuch"_s);
  // Every row has the same height: with a million entries the view must not
  // measure each one.
  logbuch->setUniformItemSizes(true);
  logbuch->setEditTriggers(QAbstractItemView::NoEditTriggers);
  logbuch->setMinimumHeight(1);
  spalte->addWidget(logbuch, 1);

  // The list grows; the buttons under it keep to the bottom edge.
  auto* fuss = new QHBoxLayout;
  cmdLogbuchSuchen = bau::knopf(seite, u"cmd_LogbuchSuchen"_s, u"Suchen"_s);
  fuss->addWidget(cmdLogbuchSuchen);
  cmdAktualisieren = bau::knopf(seite, u"cmd_Aktualisieren"_s, u"Aktualisieren"_s);
  fuss->addWidget(cmdAktualisieren);
  cmdOrtLocgbuch = bau::knopf(seite, u"cmd_OrtLocgbuch"_s, u"Logbuchort zeigen"_s);
  fuss->addWidget(cmdOrtLocgbuch);
  cmdLogPfad = bau::knopf(seite, u"cmd_LogPfad"_s, u"Pfad der Logdatei"_s);
  fuss->addWidget(cmdLogPfad);
  fuss->addStretch(1);
  spalte->addLayout(fuss);
  return seite;
}

}  // namespace bewahrix
