#include "ProgrammUmgebung.h"

#include "ui/DateiAblage.h"
#include "ui/IgnorierForm.h"
#include "ui/Lampe.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

Meldung doppelt() { return information(u"Diese Datei ist bereits eingetragen."_s); }
Meldung nochUebernehmen() {
  Meldung m = frage(u"Es steht noch eine Datei in der Liste, soll diese zuvor noch übernommen werden?"_s);
  m.standard = Antwort::Ja;
  return m;
}

class QuellenBearbeitung : public ProgrammUmgebung {
 protected:
  AufgabenSeite& seite(int i) { return f().aufgabe.at(i); }

  // What a file manager's drag carries: the dropped items as URLs.
  static std::unique_ptr<QMimeData> dateien(const QStringList& pfade) {
    auto daten = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& p : pfade) urls.append(QUrl::fromLocalFile(p));
    daten->setUrls(urls);
    return daten;
  }
  // Whether the field offers a drop for data.
  bool angeboten(int i, const QMimeData& daten) {
    QDragEnterEvent betreten(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &daten, Qt::LeftButton, {});
    QCoreApplication::sendEvent(seite(i).txtZuSichern, &betreten);
    return betreten.isAccepted();
  }
  // Drops data on the field and lets the program handle it.
  void ablegen(int i, const QMimeData& daten) {
    angeboten(i, daten);
    QDropEvent fallen(QPointF(5, 5), Qt::CopyAction, &daten, Qt::LeftButton, {});
    QCoreApplication::sendEvent(seite(i).txtZuSichern, &fallen);
    QCoreApplication::sendPostedEvents();
  }
  // Counts the refills of the logbook view from its file.
  int* zaehleNeuladen() {
    auto* zahl = new int(0);
    QObject::connect(f().logbuch->model(), &QAbstractItemModel::modelReset, f().logbuch, [zahl] { ++*zahl; });
    gezaehlt.reset(zahl);
    return zahl;
  }
  QStringList eintraege(int i) {
    QStringList liste;
    for (int z = 0; z < seite(i).txtSichernGesamt->count(); ++z) liste.append(seite(i).txtSichernGesamt->item(z)->text());
    return liste;
  }

  std::unique_ptr<int> gezaehlt;
};

TEST_F(QuellenBearbeitung, NurLokaleDateienWerdenAngenommen) {
  starten();
  EXPECT_TRUE(angeboten(0, *dateien({pfad(u"a.txt"_s)})));

  QMimeData text;
  text.setText(u"/home/anna/a.txt"_s);
  EXPECT_FALSE(angeboten(0, text));
  QMimeData link;
  link.setUrls({QUrl(u"https://example.org/a.txt"_s)});
  EXPECT_FALSE(angeboten(0, link));
  QMimeData gemischt;
  gemischt.setUrls({QUrl::fromLocalFile(pfad(u"a.txt"_s)), QUrl(u"https://example.org/b"_s)});
  EXPECT_FALSE(angeboten(0, gemischt));

  // A text dropped anyway is not typed into the field.
  seite(0).txtZuSichern->setText(u"vorher"_s);
  ablegen(0, text);
  EXPECT_EQ(seite(0).txtZuSichern->text(), u"vorher"_s);
}

TEST_F(QuellenBearbeitung, DreiDateienOhneAutomatischesHinzufuegen) {
  option(u"DragDrop"_s, u"0"_s);
  starten();
  ablegen(1, *dateien({pfad(u"eins.txt"_s), pfad(u"zwei.txt"_s), pfad(u"drei.txt"_s)}));
  EXPECT_EQ(seite(1).txtZuSichern->text(), pfad(u"drei.txt"_s));
  EXPECT_TRUE(eintraege(1).isEmpty());
  EXPECT_TRUE(store->list(u"Aufgabe1"_s).isEmpty());
}

TEST_F(QuellenBearbeitung, AbgelegterOrdnerNachDenOptionen) {
  const QString ordner = pfad(u"Fotos 2026"_s);
  test::schreibeDatei(ordner + u"/b.jpg"_s, "b");
  test::schreibeDatei(ordner + u"/a.jpg"_s, "a");
  test::schreibeDatei(ordner + u"/unter/c.jpg"_s, "c");
  option(u"Vorgang0"_s, u"0"_s);
  starten();

  // As a pattern: the directory option is the one the user clicked.
  f().optionVerzeichnisse.at(0)->click();
  EXPECT_EQ(wert(u"Optionen"_s, u"Option_Verzeichnisse"_s), u"0"_s);
  ablegen(0, *dateien({ordner}));
  EXPECT_EQ(eintraege(0), QStringList{ordner + u"/*.*"_s});
  f().optionVerzeichnisse.at(1)->click();
  dialoge.erwarte(doppelt());  // the second drop is the same entry again
  ablegen(0, *dateien({ordner, ordner}));
  EXPECT_EQ(eintraege(0), (QStringList{ordner + u"/*.*"_s, ordner + u"/*.***"_s}));

  // Listed: each file of the folder, not its subfolder, in name order.
  f().checkAuflisten->click();
  ablegen(2, *dateien({ordner}));
  EXPECT_EQ(eintraege(2), (QStringList{ordner + u"/a.jpg"_s, ordner + u"/b.jpg"_s}));
  EXPECT_EQ(seite(2).pruefLampe->zustand(), Lampe::Zustand::Gelb);

  // Listing needs the automatic adding; the drop stops at the folder.
  f().checkDragAndDrop->click();
  dialoge.erwarte({u"Dateien aus einem Verzeichnis auflisten, kan nur per Drag & Drop durchgeführt werden, "
                   u"wenn das Automatische hinzufügen aktiviert ist.\n(siehe unter Verfahren)"_s,
                   u"Bewahrix"_s, Symbol::Kritisch, Knoepfe::Ok, Antwort::Ok});
  ablegen(3, *dateien({pfad(u"vorne.txt"_s), ordner, pfad(u"hinten.txt"_s)}));
  EXPECT_EQ(seite(3).txtZuSichern->text(), pfad(u"vorne.txt"_s));
  EXPECT_TRUE(eintraege(3).isEmpty());
}

TEST_F(QuellenBearbeitung, TausendDateienMitEinemNeuladenDerAnsicht) {
  const QString ordner = pfad(u"viele"_s);
  QDir().mkpath(ordner);
  for (int n = 0; n < 1000; ++n) test::schreibeDatei(ordner + u"/datei-%1.txt"_s.arg(n, 4, 10, QChar(u'0')), "x");
  option(u"Check_Auflisten"_s, u"1"_s);
  option(u"Vorgang4"_s, u"0"_s);
  starten();
  const int* neuladen = zaehleNeuladen();
  ablegen(4, *dateien({ordner}));
  EXPECT_EQ(seite(4).txtSichernGesamt->count(), 1000);
  EXPECT_EQ(eintraege(4).last(), ordner + u"/datei-0999.txt"_s);
  EXPECT_EQ(f().logbuch->model()->rowCount(), 1001);  // the start line and one per file
  EXPECT_EQ(*neuladen, 1);
  EXPECT_TRUE(seite(4).cmdKopieStart->isEnabled());
}

TEST_F(QuellenBearbeitung, DateiUndOrdnerAusDenDialogen) {
  starten();
  QList<DateiSuche> suchen;
  QString gewaehlt = pfad(u"Brief an Jörg.txt"_s);
  programm->dateiWahl = [&](const DateiSuche& s) {
    suchen.append(s);
    return gewaehlt;
  };
  // A pending text may be added first; No overwrites it.
  seite(0).txtZuSichern->setText(u"/alt"_s);
  dialoge.erwarte(nochUebernehmen(),
                  Antwort::Nein);
  seite(0).cmdSuchen->click();
  EXPECT_EQ(seite(0).txtZuSichern->text(), gewaehlt);
  EXPECT_TRUE(eintraege(0).isEmpty()) << "picking a file does not add it";
  ASSERT_EQ(suchen.size(), 1);
  EXPECT_EQ(suchen.first().titel, u"Datei suchen"_s);
  EXPECT_EQ(suchen.first().verzeichnis, home());
  EXPECT_EQ(suchen.first().filter.size(), 3);
  EXPECT_TRUE(suchen.first().filter.first().startsWith(u"alle Dateien"_s));

  // Yes adds it, then the dialog opens; cancelling leaves the field alone.
  dialoge.erwarte(nochUebernehmen(),
                  Antwort::Ja);
  gewaehlt.clear();
  seite(0).cmdSuchen->click();
  EXPECT_EQ(eintraege(0), QStringList{pfad(u"Brief an Jörg.txt"_s)});
  EXPECT_EQ(seite(0).txtZuSichern->text(), QString());
  seite(0).cmdSuchen->click();  // nothing pending: no question
  EXPECT_EQ(suchen.size(), 3);

  QStringList titel;
  QString ordner = u"/"_s;
  programm->quellordnerWahl = [&](const QString& t, const QString& start) {
    titel.append(t + u" @ "_s + start);
    return ordner;
  };
  f().optionVerzeichnisse.at(0)->click();
  seite(1).cmdVerzeichnisSuchen->click();
  EXPECT_EQ(seite(1).txtZuSichern->text(), u"/*.*"_s);
  f().optionVerzeichnisse.at(1)->click();
  ordner = pfad(u"Fotos"_s);
  seite(1).cmdVerzeichnisSuchen->click();
  EXPECT_EQ(seite(1).txtZuSichern->text(), pfad(u"Fotos/*.***"_s));
  ordner.clear();
  seite(1).cmdVerzeichnisSuchen->click();
  EXPECT_EQ(seite(1).txtZuSichern->text(), pfad(u"Fotos/*.***"_s));
  EXPECT_EQ(titel.first(), u"Suche eines Quellverzeichnisses @ "_s + home());
  EXPECT_TRUE(eintraege(1).isEmpty());
}

TEST_F(QuellenBearbeitung, LoeschenPerDoppelklickUndOhneVerfahren) {
  option(u"Vorgang0"_s, u"0"_s);
  starten();
  for (const QString& e : {u"/a"_s, u"/b"_s}) {
    seite(0).txtZuSichern->setText(e);
    seite(0).txtZuSichern->returnPressed();
  }
  ASSERT_EQ(eintraege(0), (QStringList{u"/a"_s, u"/b"_s}));
  EXPECT_TRUE(seite(0).cmdKopieStart->isEnabled());

  // The date line follows the entry, and the other way round.
  seite(0).txtSichernDaten->setCurrentRow(1);
  EXPECT_EQ(seite(0).txtSichernGesamt->currentRow(), 1);
  EXPECT_TRUE(seite(0).cmdLoeschen->isEnabled());

  const auto loeschFrage = [](const QString& e) {
    return frage(u"Sind Sie sich sicher, dass Sie den Eintrag "_s + e + u" löschen wollen?"_s, u"Löschen"_s);
  };
  uhr.stellen(QDateTime(QDate(2026, 12, 6), QTime(9, 0, 1)));
  dialoge.erwarte(loeschFrage(u"/b"_s), Antwort::Ja);
  emit seite(0).txtSichernGesamt->itemDoubleClicked(seite(0).txtSichernGesamt->item(1));
  EXPECT_EQ(eintraege(0), QStringList{u"/a"_s});
  EXPECT_EQ(wert(u"StatusIn"_s, u"Msgbox0"_s),
            u"am 06. Dez. 2026 um 09:00:01 wurde ein Eintrag gelöscht und der Kopiervorgang noch nicht wieder "
            u"gestartet."_s);
  EXPECT_FALSE(seite(0).cmdLoeschen->isEnabled()) << "the rebuilt list has no selection";

  seite(0).txtSichernGesamt->setCurrentRow(0);
  dialoge.erwarte(loeschFrage(u"/a"_s), Antwort::Ja);
  seite(0).cmdLoeschen->click();
  EXPECT_TRUE(eintraege(0).isEmpty());
  EXPECT_EQ(wert(u"StatusIn"_s, u"Color0"_s), u"(fehlt)"_s);
  EXPECT_EQ(wert(u"StatusIn"_s, u"Msgbox0"_s), u"(fehlt)"_s);
  EXPECT_FALSE(seite(0).cmdKopieStart->isEnabled());
  EXPECT_EQ(logTexte().mid(1), (QStringList{u"Eintrag zur Aufgabe 1 hinzugefügt => /a"_s,
                                            u"Eintrag zur Aufgabe 1 hinzugefügt => /b"_s,
                                            u"Eintrag aus Aufgabe 1 gelöscht => /b"_s,
                                            u"Eintrag aus Aufgabe 1 gelöscht => /a"_s}));

  // Without a copy mode an entry can be selected, not deleted.
  store->write(u"Aufgabe1"_s, u"/c"_s, u"05. Dez. 2026"_s);
  programm->LoadSourceLists();
  seite(1).txtSichernGesamt->setCurrentRow(0);
  EXPECT_EQ(seite(1).txtSichernDaten->currentRow(), 0);
  EXPECT_FALSE(seite(1).cmdLoeschen->isEnabled());
  // With a copy mode chosen, a click on the same entry offers deleting.
  f().optionSoll.at(6 + 0)->click();
  emit seite(1).txtSichernGesamt->itemClicked(seite(1).txtSichernGesamt->item(0));
  EXPECT_TRUE(seite(1).cmdLoeschen->isEnabled());
}

TEST_F(QuellenBearbeitung, IgnorierlisteImEigenenFenster) {
  store->write(u"IgnorierListe_1"_s, u"eins.db"_s, u"x"_s);
  store->write(u"IgnorierListe_2"_s, u"fremd.db"_s, u"x"_s);
  starten();
  const int* neuladen = zaehleNeuladen();
  programm->dateiWahl = [this](const DateiSuche&) { return pfad(u"Ordner/Desktop.ini"_s); };
  QString titel;
  QStringList vorher;
  QStringList nachher;
  QTimer::singleShot(0, f().logbuch, [&] {
    auto* form = qobject_cast<IgnorierForm*>(QApplication::activeModalWidget());
    if (form == nullptr) {
      ADD_FAILURE() << "no modal ignore-list window";
      if (QWidget* w = QApplication::activeModalWidget()) w->close();
      return;
    }
    titel = form->windowTitle();
    for (int z = 0; z < form->txtSichernGesamt->count(); ++z) vorher.append(form->txtSichernGesamt->item(z)->text());
    form->txtZuSichern->setText(u"Thumbs.db"_s);
    form->cmdDazu->click();
    form->txtZuSichern->setText(u"thumbs.DB"_s);
    dialoge.erwarte(doppelt());
    form->cmdDazu->click();
    dialoge.erwarte(nochUebernehmen(),
                    Antwort::Nein);
    form->cmdSuchen->click();
    EXPECT_EQ(form->txtZuSichern->text(), u"Desktop.ini"_s);
    form->cmdDazu->click();
    dialoge.erwarte(information(u"Wählen Sie eine Datei aus."_s));
    form->cmdLoeschen->click();
    form->txtSichernGesamt->setCurrentRow(0);
    dialoge.erwarte(frage(u"Sind Sie sich sicher, dass Sie den Eintrag fremd.db löschen wollen?"_s, u"Löschen"_s),
                    Antwort::Ja);
    form->cmdLoeschen->click();
    for (int z = 0; z < form->txtSichernGesamt->count(); ++z) nachher.append(form->txtSichernGesamt->item(z)->text());
    form->cmdExit->click();
  });
  seite(1).cmdIgnorier->click();

  EXPECT_EQ(titel, u"Ignorierliste für Aufgabe 2"_s);
  EXPECT_EQ(vorher, QStringList{u"fremd.db"_s}) << "the list is kept under the task number";
  EXPECT_EQ(nachher, (QStringList{u"Thumbs.db"_s, u"Desktop.ini"_s}));
  EXPECT_EQ(store->read(u"IgnorierListe_2"_s, u"Desktop.ini"_s, {}), u"05.12.2026 14:03:27"_s);
  EXPECT_EQ(logTexte().mid(1), (QStringList{u"Eintrag zur Ignorierliste Aufgabe 2 hinzugefügt => Thumbs.db"_s,
                                            u"Eintrag zur Ignorierliste Aufgabe 2 hinzugefügt => Desktop.ini"_s,
                                            u"Eintrag aus Ignorierliste Aufgabe 2 gelöscht => fremd.db"_s}));
  EXPECT_EQ(*neuladen, 0) << "the main logbook view is not refilled";
  EXPECT_EQ(seite(1).pruefLampe->zustand(), Lampe::Zustand::Grau);
}

}  // namespace
