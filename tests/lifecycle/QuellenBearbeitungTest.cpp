#include "ProgrammUmgebung.h"
#include "ui/IgnorierForm.h"

#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QUrl>

namespace {

Meldung loeschFrage(const QString& e) {
  return frage(u"Sind Sie sich sicher, dass Sie den Eintrag "_s + e + u" löschen wollen?"_s, u"Löschen"_s);
}
QStringList texte(const QListWidget* liste) {
  QStringList t;
  for (int z = 0; z < liste->count(); ++z) t.append(liste->item(z)->text());
  return t;
}
// What a file manager's drag carries: the dropped items as URLs.
std::unique_ptr<QMimeData> urls(const QStringList& ziele) {
  auto daten = std::make_unique<QMimeData>();
  QList<QUrl> liste;
  for (const QString& z : ziele) liste << QUrl::fromUserInput(z);
  daten->setUrls(liste);
  return daten;
}

class QuellenBearbeitung : public ProgrammUmgebung {
 protected:
  AufgabenSeite& seite(int i) { return f().aufgabe.at(i); }
  bool angeboten(int i, const QMimeData& daten) {
    QDragEnterEvent betreten(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &daten, Qt::LeftButton, {});
    QCoreApplication::sendEvent(seite(i).txtZuSichern, &betreten);
    return betreten.isAccepted();
  }
  void ablegen(int i, const QMimeData& daten) {
    angeboten(i, daten);
    QDropEvent fallen(QPointF(5, 5), Qt::CopyAction, &daten, Qt::LeftButton, {});
    QCoreApplication::sendEvent(seite(i).txtZuSichern, &fallen);
    QCoreApplication::sendPostedEvents();
  }
  QStringList eintraege(int i) { return texte(seite(i).txtSichernGesamt); }
};

// Local files only; a folder as a pattern or listed, files into the list or, without adding on their own, the field.
TEST_F(QuellenBearbeitung, AblegenNachDenOptionen) {
  const QString ordner = pfad(u"Fotos 2026"_s);
  for (int n = 0; n < 30; ++n) test::schreibeDatei(ordner + u"/d-%1.jpg"_s.arg(n, 2, 10, QChar(u'0')), "x");
  option(u"Vorgang0"_s, u"0"_s);
  starten();
  QMimeData text;
  text.setText(u"/home/anna/a.txt"_s);
  const QString lokal = pfad(u"a.txt"_s), fern = u"https://example.org/a.txt"_s;
  EXPECT_EQ((QList<bool>{angeboten(0, *urls({lokal})), angeboten(0, text), angeboten(0, *urls({fern})),
                         angeboten(0, *urls({lokal, fern}))}),
            (QList<bool>{true, false, false, false}));
  // As a pattern: the directory option is the one the user clicked.
  f().optionVerzeichnisse.at(0)->click();
  ablegen(0, *urls({ordner}));
  f().optionVerzeichnisse.at(1)->click();
  dialoge.erwarte(information(u"Diese Datei ist bereits eingetragen."_s));  // the second drop: the same entry again
  ablegen(0, *urls({ordner, ordner}));
  EXPECT_EQ(eintraege(0), (QStringList{ordner + u"/*.*"_s, ordner + u"/*.***"_s}));
  // Listed: many files with one refill of the logbook view.
  f().checkAuflisten->click();
  int neuladen = 0;
  QObject::connect(f().logbuch->model(), &QAbstractItemModel::modelReset, f().logbuch, [&neuladen] { ++neuladen; });
  ablegen(2, *urls({ordner}));
  EXPECT_EQ(std::tuple(eintraege(2).size(), eintraege(2).last(), neuladen, seite(2).pruefLampe->zustand()),
            std::tuple(30, ordner + u"/d-29.jpg"_s, 1, Z::Gelb));
  // Without adding on their own, the last file goes into the field; listing needs the adding, a folder stops it.
  f().checkDragAndDrop->click();
  ablegen(1, *urls({pfad(u"eins.txt"_s), pfad(u"drei.txt"_s)}));
  dialoge.erwarte({u"Dateien aus einem Verzeichnis auflisten, kan nur per Drag & Drop durchgeführt werden, "
                   u"wenn das Automatische hinzufügen aktiviert ist.\n(siehe unter Verfahren)"_s,
                   u"Bewahrix"_s, Symbol::Kritisch});
  ablegen(3, *urls({pfad(u"vorne.txt"_s), ordner, pfad(u"hinten.txt"_s)}));
  EXPECT_EQ(std::tuple(seite(1).txtZuSichern->text(), eintraege(1), seite(3).txtZuSichern->text(), eintraege(3)),
            std::tuple(pfad(u"drei.txt"_s), QStringList(), pfad(u"vorne.txt"_s), QStringList()));
}

TEST_F(QuellenBearbeitung, DateiUndOrdnerAusDenDialogenUndLoeschen) {
  option(u"Vorgang0"_s, u"0"_s);
  starten();
  const QString brief = pfad(u"Brief an Jörg.txt"_s);
  QString gewaehlt = brief;
  programm->dateiWahl = [&gewaehlt](const DateiSuche&) { return gewaehlt; };
  // A pending text: No overwrites it, Yes adds it; a cancelled dialog leaves the field alone.
  const Meldung nochUebernehmen{u"Es steht noch eine Datei in der Liste, soll diese zuvor noch übernommen werden?"_s,
                                u"Bewahrix"_s, Symbol::Frage, Knoepfe::JaNein, Antwort::Ja};
  seite(0).txtZuSichern->setText(u"/alt"_s);
  dialoge.erwarte(nochUebernehmen, Antwort::Nein);
  seite(0).cmdSuchen->click();
  dialoge.erwarte(nochUebernehmen, Antwort::Ja);
  gewaehlt.clear();
  seite(0).cmdSuchen->click();
  QString ordner = pfad(u"Fotos"_s);
  programm->quellordnerWahl = [&ordner](const QString&, const QString&) { return ordner; };
  seite(1).cmdVerzeichnisSuchen->click();
  ordner.clear();
  seite(1).cmdVerzeichnisSuchen->click();
  EXPECT_EQ(std::tuple(eintraege(0), seite(0).txtZuSichern->text(), seite(1).txtZuSichern->text(), eintraege(1)),
            std::tuple(QStringList{brief}, QString(), pfad(u"Fotos/*.***"_s), QStringList()));
  seite(0).txtZuSichern->setText(u"/b"_s);
  emit seite(0).txtZuSichern->returnPressed();
  ASSERT_EQ(eintraege(0), (QStringList{brief, u"/b"_s}));
  // A double click offers deleting; the rebuilt list has no selection.
  seite(0).txtSichernGesamt->setCurrentRow(1);
  dialoge.erwarte(loeschFrage(u"/b"_s), Antwort::Ja);
  emit seite(0).txtSichernGesamt->itemDoubleClicked(seite(0).txtSichernGesamt->item(1));
  EXPECT_FALSE(seite(0).cmdLoeschen->isEnabled());
  seite(0).txtSichernGesamt->setCurrentRow(0);
  dialoge.erwarte(loeschFrage(brief), Antwort::Ja);
  seite(0).cmdLoeschen->click();
  EXPECT_EQ(std::tuple(eintraege(0), seite(0).cmdKopieStart->isEnabled(), gespeichert().filter(u"StatusIn/"_s)),
            std::tuple(QStringList(), false, QStringList())) << "the last one gone: no start, no status";
}

// Its logic is the editing's: here the modal window and its file dialog, which gives the name part.
TEST_F(QuellenBearbeitung, IgnorierlisteImEigenenFenster) {
  starten();
  programm->dateiWahl = [this](const DateiSuche&) { return pfad(u"Ordner/Desktop.ini"_s); };
  QStringList gesehen;
  QTimer::singleShot(0, f().logbuch, [&] {
    auto* form = qobject_cast<IgnorierForm*>(QApplication::activeModalWidget());
    ASSERT_NE(form, nullptr) << "no modal ignore-list window";
    form->cmdSuchen->click();
    form->cmdDazu->click();
    gesehen << texte(form->txtSichernGesamt);
    form->cmdExit->click();
  });
  seite(1).cmdIgnorier->click();
  EXPECT_EQ(std::tuple(gesehen, store->read(u"IgnorierListe_2"_s, u"Desktop.ini"_s, {})),
            std::tuple(QStringList{u"Desktop.ini"_s}, u"05.12.2026 14:03:27"_s));
}

}  // namespace
