// The composition of the main window: every control by its name, with its
// caption, its kind and its place. The captions are written out here as the
// program shows them, so a misspelt or missing control fails.

#include "support/SkriptDialoge.h"  // readable QStrings in failures
#include "ui/Lampe.h"
#include "ui/Saver.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

constexpr int kAussen = -1;  // outside the tab control
constexpr int kKeineSeite = -2;  // menus, actions, timers

struct Steuerelement {
  QString name;
  const char* typ;
  std::optional<QString> text;  // nullopt: no caption required
  int seite = kKeineSeite;
  QString rahmen = {};          // objectName or title of the enclosing frame
};

QString nr(int i) { return QString::number(i); }
QString feld(const QString& name, int i) { return name + u'(' + nr(i) + u')'; }

std::vector<Steuerelement> alleSteuerelemente() {
  std::vector<Steuerelement> s = {
      {u"Menü"_s, "QMenu", u"Programm"_s},
      {u"Mü_Internet"_s, "QMenu", u"Internet"_s},
      {u"Mü_NewVersion"_s, "QAction", u"aktuelle Version suchen"_s},
      {u"ZumWeb"_s, "QAction", u"Webseite besuchen"_s},
      {u"str0"_s, "QAction", u""_s},
      {u"click_alles"_s, "QAction", u"alle Aufgaben ausführen"_s},
      {u"str"_s, "QAction", u""_s},
      {u"Mü_Ende"_s, "QAction", u"Ende"_s},
      {u"MenüLogbuch"_s, "QMenu", u"Logbuch"_s},
      {u"MenüAufzeichenLogbuch"_s, "QMenu", u"Aufzeichnung von"_s},
      {u"NoAufzeichenLogbuch"_s, "QAction", u"keine Aufzeichnung"_s},
      {u"Menü3"_s, "QMenu", u"Hilfe"_s},
      {u"Mü_Help"_s, "QAction", u"Hilfefunktion"_s},
      {u"mü3"_s, "QMenu", u"sonstiges"_s},
      {u"Check_StartUpPosition"_s, "QAction", u"Bewahrix minimiert Starten"_s},
      {u"HotkeyAktion"_s, "QAction", u"Bewahrix mit ALT+S in den Vordergrund"_s},
      {u"MsgBoxVersäumt"_s, "QAction", u"Meldung bei versäumten Aufgaben"_s},
      {u"MsgBoxVersäumtSuchen"_s, "QAction", u"nach versäumten Aufgaben suchen"_s},
      {u"Mü_CountReset"_s, "QAction", u"Programm Counter Reset"_s},
      {u"Nü_Reset"_s, "QAction", u"voll Reset"_s},
      {u"Mü_Info"_s, "QAction", u"Copyright"_s},
      {u"Mü_str"_s, "QAction", u""_s},
      {u"Mü_Begruessung"_s, "QAction", u"Begrüßungsbildschirm"_s},
      {u"BewahrixFormer"_s, "QMenu", u"Former"_s},
      {u"BewahrixAusfueren"_s, "QAction", u"alle Aufgaben ausführen"_s},
      {u"Mü_Logbuch"_s, "QAction", u"Logbuch einsehen"_s},
      {u"Strich1"_s, "QAction", u""_s},
      {u"BewahrixHerstellen"_s, "QAction", u"Wiederherstellen"_s},
      {u"Strich2"_s, "QAction", u""_s},
      {u"BewahrixEnd"_s, "QAction", u"Programm beenden"_s},
      {u"TimerAutomatik"_s, "QTimer", std::nullopt},
      {u"TimerUhr"_s, "QTimer", std::nullopt},
      {u"TimerWarnung"_s, "QTimer", std::nullopt},

      {u"SSTab"_s, "QTabWidget", std::nullopt, kAussen},
      {u"Label5"_s, "QLabel", u"Bewahrix der Automatische Dateikopierer"_s, kAussen},
      {u"Logo"_s, "QLabel", std::nullopt, kAussen},
      {u"Hilfe"_s, "QLabel", std::nullopt, kAussen},
      {u"cmd_Ende"_s, "QPushButton", std::nullopt, kAussen},
      {u"cmd_Minimize"_s, "QPushButton", std::nullopt, kAussen},

      {u"Frame(5)"_s, "QGroupBox", u"Übersicht Aufträge"_s, 0},

      {u"SSTabOptionen"_s, "QTabWidget", std::nullopt, 6},
      {u"Option_Verzeichnisse(0)"_s, "QRadioButton", u"ohne Unterverzeichnisse (*.*)"_s, 6,
       u"Suche von Verzeichnissen"_s},
      {u"Option_Verzeichnisse(1)"_s, "QRadioButton", u"mit Unterverzeichnisse (*.***)"_s, 6,
       u"Suche von Verzeichnissen"_s},
      {u"Frame1"_s, "QGroupBox", u"Drag && Drap"_s, 6},
      {u"Check_Auflisten"_s, "QCheckBox", u"Dateien aus Verzeichnis auflisten statt *.* bzw. *.***"_s, 6,
       u"Frame1"_s},
      {u"Check_DragAndDrop"_s, "QCheckBox", u"Automatisch hinzufügen (abspeichern)"_s, 6, u"Frame1"_s},

      {u"Frame(6)"_s, "QGroupBox", u"Zeitpunkte der Automatischen Timer"_s, 7},
      {u"cmd_AutoSave(0)"_s, "QPushButton", u"markierte jetzt ausführen"_s, 7, u"Frame(6)"_s},
      {u"cmd_AutoSave(1)"_s, "QPushButton", u"alle Aufgaben jetzt ausführen"_s, 7, u"Frame(6)"_s},
      {u"Option_Time(0)"_s, "QRadioButton", u"einmal zum festen Datum"_s, 7, u"Zeitplan für..."_s},
      {u"Option_Time(1)"_s, "QRadioButton", u"einmal im Monat"_s, 7, u"Zeitplan für..."_s},
      {u"Option_Time(2)"_s, "QRadioButton", u"einmal pro Woche"_s, 7, u"Zeitplan für..."_s},
      {u"Option_Time(3)"_s, "QRadioButton", u"einmal Täglich"_s, 7, u"Zeitplan für..."_s},
      {u"Option_Time(4)"_s, "QRadioButton", u"deaktiv, Timer aus"_s, 7, u"Zeitplan für..."_s},
      {u"SollZeit"_s, "QTimeEdit", std::nullopt, 7, u"Zeitplan für..."_s},
      {u"SollDatum"_s, "QDateEdit", std::nullopt, 7, u"Zeitplan für..."_s},
      {u"Txt_VorgangInfo"_s, "QLabel", u"keine Verfahrensweise gewählt"_s, 7, u"Zeitplan für..."_s},
      {u"cmd_Vorgang"_s, "QPushButton", u"Verfahrensweise"_s, 7, u"Automatischer Zeitplan"_s},
      {u"cmd_Aktuell"_s, "QPushButton", u"Aktualisieren"_s, 7, u"Automatischer Zeitplan"_s},
      {u"cmd_SaveZeitplan"_s, "QPushButton", u"Speichern"_s, 7, u"Automatischer Zeitplan"_s},
      {u"StatusTimer"_s, "bewahrix::Lampe", std::nullopt, 7, u"Automatischer Zeitplan"_s},
      {u"Check_KopieZusatz"_s, "QCheckBox", u"Kopie mit Erweiterung \"Sicherheitskopie von...\""_s, 7,
       u"Automatischer Zeitplan"_s},
      {u"TxtDate(0)"_s, "QLabel", std::nullopt, 7},
      {u"TxtDate(1)"_s, "QLabel", std::nullopt, 7},
      {u"TxtTime"_s, "QLabel", std::nullopt, 7},

      {u"Logbuch"_s, "QListView", std::nullopt, 8},
      {u"Label_Logbuch"_s, "QLabel", u"(xx)"_s, 8},
      {u"StatusLogbuch"_s, "bewahrix::Lampe", std::nullopt, 8},
      {u"cmd_LogbuchSuchen"_s, "QPushButton", u"Suchen"_s, 8},
      {u"cmd_Aktualisieren"_s, "QPushButton", u"Aktualisieren"_s, 8},
      {u"cmd_LogbuchClear"_s, "QPushButton", u"Logbuch löschen"_s, 8},
      {u"cmd_LogbuchPrint"_s, "QPushButton", u"Logbuch Drucken"_s, 8},
      {u"cmd_OrtLocgbuch"_s, "QPushButton", u"Logbuchort zeigen"_s, 8},
      {u"cmd_LogPfad"_s, "QPushButton", u"Pfad der Logdatei"_s, 8},
  };

  const std::vector<QString> mappen = {u"Inhalt"_s,    u"Aufgabe 1"_s,       u"Aufgabe 2"_s,
                                       u"Aufgabe 3"_s, u"Aufgabe 4"_s,       u"Aufgabe 5"_s,
                                       u"Verfahrensweise"_s, u"Zeitpläne"_s, u"Logbuch"_s};
  for (int k = 0; k < 9; ++k) s.push_back({feld(u"Mappe"_s, k), "QAction", mappen.at(k)});

  const std::vector<QString> kategorien = {
      u"Fehlermeldungen"_s,         u"Zielpfad und Erstellung"_s, u"Dateiname"_s,
      u"Dateigröße"_s,              u"Meldung über Kopiervorgang"_s, u"Start des Vorgangs"_s,
      u"Endreport des Vorgangs"_s,  u"sonstige Meldungen"_s,      u"Löschbestätigung"_s,
      u"Hinweis für *.*** Aufgaben"_s, u"Ignorier Information"_s};
  for (int n = 0; n < 11; ++n) s.push_back({feld(u"AufzeichenLogbuch"_s, n), "QAction", kategorien.at(n)});

  const std::vector<QString> modi = {
      u"kopieren, evtl. vorhandene Dateien überschreiben"_s, u"wenn vorhanden, dann Datei nicht sichern"_s,
      u"aktualisieren, nur ältere Dateien überschreiben"_s,  u"kopieren, kleinere Dateien überschreiben"_s,
      u"kopieren, größere Dateien überschreiben"_s,           u"keinen Vorgang ausführen"_s};

  for (int i = 0; i < 5; ++i) {
    const QString aufgabe = u"Aufgabe "_s + nr(i + 1);
    s.push_back({feld(u"Label_OrtInfo"_s, i), "QLabel", aufgabe + u" beinhaltet"_s, 0, u"Frame(5)"_s});
    s.push_back({feld(u"InhaltAufträge"_s, i), "QLabel", u"xx Aufträge"_s, 0, u"Frame(5)"_s});

    const int seite = i + 1;
    const QString liste = feld(u"Frame"_s, i);
    const QString ziel = feld(u"FrameZiel"_s, i);
    s.push_back({feld(u"TitelText"_s, i), "QLabel", u"Sicherungsaufgabe "_s + nr(i + 1), seite});
    s.push_back({feld(u"InfoVerfahren"_s, i), "QLabel", std::nullopt, seite});
    s.push_back({feld(u"PrüfLampe"_s, i), "bewahrix::Lampe", std::nullopt, seite});
    s.push_back({feld(u"cmd_Überschrift"_s, i), "QPushButton", std::nullopt, seite});
    s.push_back({feld(u"cmd_KopieStart"_s, i), "QPushButton", u"Kopiervorgang ausführen"_s, seite});
    s.push_back({liste, "QGroupBox", u"Dateiliste"_s, seite});
    s.push_back({feld(u"txt_SichernGesamt"_s, i), "QListWidget", std::nullopt, seite, liste});
    s.push_back({feld(u"txt_SichernGesamt"_s, i + 5), "QListWidget", std::nullopt, seite, liste});
    s.push_back({feld(u"txt_zuSichern"_s, i), "QLineEdit", std::nullopt, seite, liste});
    s.push_back({feld(u"cmd_Dazu"_s, i), "QPushButton", u"Hinzufügen"_s, seite, liste});
    s.push_back({feld(u"cmd_Suchen"_s, i), "QPushButton", u"Datei suchen"_s, seite, liste});
    s.push_back({feld(u"cmd_VerzeichnisSuchen"_s, i), "QPushButton", u"Verzeichnis suchen"_s, seite, liste});
    s.push_back({feld(u"cmd_Löschen"_s, i), "QPushButton", std::nullopt, seite, liste});
    s.push_back({feld(u"cmd_LöschenAlles"_s, i), "QPushButton", u"alles"_s, seite, liste});
    s.push_back({feld(u"cmd_Ignorier"_s, i), "QPushButton", u"Ignorier- Liste"_s, seite, liste});
    s.push_back({feld(u"cmd_Info"_s, i), "QPushButton", std::nullopt, seite, liste});
    s.push_back({ziel, "QGroupBox", u"Zielverzeichnis"_s, seite});
    s.push_back({feld(u"txt_SicherungsVerzeichnis"_s, i), "QLineEdit", std::nullopt, seite, ziel});
    s.push_back({feld(u"cmd_VerzeichnisSpeichern"_s, i), "QPushButton", u"Speichern"_s, seite, ziel});
    s.push_back({feld(u"cmd_PfadLesen"_s, i), "QPushButton", u"Aktualisieren"_s, seite, ziel});
    s.push_back({feld(u"StatusZiel"_s, i), "bewahrix::Lampe", std::nullopt, seite, ziel});

    const QString einstellung = feld(u"FrameEinstellung"_s, i);
    s.push_back({einstellung, "QGroupBox", u"Kopiervorgang"_s, 6});
    for (int m = 0; m < 6; ++m)
      s.push_back({feld(u"Option_SOLL"_s, 6 * i + m), "QRadioButton", modi.at(m), 6, einstellung});
    s.push_back({feld(u"Check_AllFileKill"_s, i), "QCheckBox", u"vor dem kopieren, Zielverzeichnis leeren"_s,
                 6, einstellung});
    s.push_back({feld(u"Check_AllFileKill_Undo"_s, i), "QCheckBox",
                 u"Dateien / Verzeichnisse in den Papierkorb legen"_s, 6, einstellung});
    s.push_back({feld(u"cmd_zuTimer"_s, i), "QPushButton", u"zu den Timer"_s, 6, einstellung});

    s.push_back({feld(u"Check_sofort"_s, i), "QCheckBox", aufgabe, 7, u"Frame(6)"_s});
    s.push_back({feld(u"InfoTimer"_s, i), "QLabel", std::nullopt, 7, u"Frame(6)"_s});
    s.push_back({feld(u"OptionTimerAufgabe"_s, i), "QRadioButton", aufgabe, 7, u"Zeitplan für..."_s});
  }
  return s;
}

std::optional<QString> beschriftung(const QObject* o) {
  if (auto* a = qobject_cast<const QAction*>(o)) return a->text();
  if (auto* m = qobject_cast<const QMenu*>(o)) return m->title();
  if (auto* b = qobject_cast<const QAbstractButton*>(o)) return b->text();
  if (auto* g = qobject_cast<const QGroupBox*>(o)) return g->title();
  if (auto* l = qobject_cast<const QLabel*>(o)) return l->text();
  return std::nullopt;
}

bool imRahmen(const QWidget* w, const QString& rahmen) {
  for (const QWidget* p = w->parentWidget(); p != nullptr; p = p->parentWidget()) {
    if (auto* g = qobject_cast<const QGroupBox*>(p); g && (g->objectName() == rahmen || g->title() == rahmen))
      return true;
  }
  return false;
}

// The name an entry of a menu goes by: a submenu by its menu's name.
QStringList eintraege(const QWidget* menue) {
  QStringList namen;
  for (QAction* a : menue->actions()) namen << (a->menu() ? a->menu()->objectName() : a->objectName());
  return namen;
}

class SaverAufbau : public ::testing::Test {
 protected:
  Saver saver;
};

}  // namespace

TEST_F(SaverAufbau, JedesSteuerelementGenauEinmalMitBeschriftungArtUndPlatz) {
  for (const Steuerelement& e : alleSteuerelemente()) {
    SCOPED_TRACE(e.name.toStdString());
    const QList<QObject*> gefunden = saver.findChildren<QObject*>(e.name);
    ASSERT_EQ(gefunden.size(), 1);
    QObject* o = gefunden.front();
    EXPECT_TRUE(o->inherits(e.typ)) << "ist " << o->metaObject()->className();
    if (e.text) {
      EXPECT_EQ(beschriftung(o), e.text);
    }
    if (e.seite == kKeineSeite) continue;
    auto* w = qobject_cast<QWidget*>(o);
    ASSERT_NE(w, nullptr);
    if (e.seite == kAussen) {
      EXPECT_TRUE(saver.isAncestorOf(w));
      EXPECT_FALSE(saver.ssTab->isAncestorOf(w) && w != saver.ssTab);
    } else {
      EXPECT_TRUE(saver.ssTab->widget(e.seite)->isAncestorOf(w)) << "nicht auf Seite " << e.seite;
    }
    if (!e.rahmen.isEmpty()) {
      EXPECT_TRUE(imRahmen(w, e.rahmen)) << "nicht im Rahmen " << e.rahmen.toStdString();
    }
  }
}

TEST_F(SaverAufbau, BeschriftungenOhneNamenStehenAufIhrerSeite) {
  struct Text {
    QString text;
    int seite;
    int anzahl;
  };
  const std::vector<Text> texte = {
      {u"Die drei Grundregeln für jeden PC User lauten: sichern, sichern und sichern"_s, kAussen, 1},
      {u"zu sichernde Datei oder Verzeichnis"_s, 1, 1},
      {u"Liste der zusichernden Dateien / Verzeichnisse"_s, 2, 1},
      {u"Dateiname"_s, 3, 1},
      {u"hinzugefügt am"_s, 5, 1},
      {u"Timerverwaltung"_s, 7, 1},
      {u"Verfahrensweise beim Kopiervogang"_s, 7, 1},
      {u"Status des letzen automatischen Timers"_s, 7, 1},
      {u"gestartet am"_s, 7, 1},
      {u"Start - Datum und Zeit"_s, 7, 1},
      {u"Datum             Zeit         Ereignis"_s, 8, 1},
      {u"Suche von Verzeichnissen"_s, 6, 1},
      {u"Zeitplan für..."_s, 7, 1},
      {u"Automatischer Zeitplan"_s, 7, 1},
  };
  for (const Text& t : texte) {
    SCOPED_TRACE(t.text.toStdString());
    QWidget* bereich = t.seite == kAussen ? static_cast<QWidget*>(&saver) : saver.ssTab->widget(t.seite);
    int anzahl = 0;
    for (QWidget* w : bereich->findChildren<QWidget*>()) {
      if (beschriftung(w) != t.text) continue;
      if (t.seite == kAussen && saver.ssTab->isAncestorOf(w)) continue;
      ++anzahl;
    }
    EXPECT_EQ(anzahl, t.anzahl);
  }
}

TEST_F(SaverAufbau, SeitenUndReiter) {
  const QStringList seiten = {u"Inhalt"_s,    u"Aufgabe 1"_s, u"Aufgabe 2"_s, u"Aufgabe 3"_s, u"Aufgabe 4"_s,
                              u"Aufgabe 5"_s, u"Verfahren"_s, u"Timer"_s,     u"Logbuch"_s};
  ASSERT_EQ(saver.ssTab->count(), seiten.size());
  for (int k = 0; k < seiten.size(); ++k) EXPECT_EQ(saver.ssTab->tabText(k), seiten.at(k));
  const QStringList reiter = {u"Aufgabe 1"_s, u"Augabe 2"_s, u"Aufgabe 3"_s, u"Aufgabe 4"_s, u"Aufgabe 5"_s};
  ASSERT_EQ(saver.ssTabOptionen->count(), reiter.size());
  for (int i = 0; i < reiter.size(); ++i) {
    EXPECT_EQ(saver.ssTabOptionen->tabText(i), reiter.at(i));
    EXPECT_TRUE(saver.ssTabOptionen->widget(i)->isAncestorOf(saver.optionSoll.at(6 * i + 5)))
        << "die Knöpfe von Aufgabe " << i + 1 << " stehen auf ihrem Reiter";
  }
}

// Buttons, frames, tabs and menus read "&" as a mnemonic. Only the doubled
// "&&" of "Drag && Drap" is meant; a single "&" would swallow the letter after it.
TEST_F(SaverAufbau, KeineBeschriftungVerschlucktEinZeichen) {
  for (QObject* o : saver.findChildren<QObject*>()) {
    if (qobject_cast<QLabel*>(o)) continue;  // labels without a buddy show "&" as it is
    const std::optional<QString> text = beschriftung(o);
    if (!text || text->isEmpty()) continue;
    EXPECT_TRUE(QKeySequence::mnemonic(*text).isEmpty()) << o->objectName().toStdString();
  }
  EXPECT_FALSE(QKeySequence::mnemonic(u"Drag &Drap"_s).isEmpty()) << "so fiele ein einzelnes & auf";
}

TEST_F(SaverAufbau, MenueleisteUndMenuesInIhrerReihenfolge) {
  EXPECT_EQ(eintraege(saver.menuBar()), (QStringList{u"Menü"_s, u"MenüLogbuch"_s, u"Menü3"_s}));
  auto* programm = saver.findChild<QMenu*>(u"Menü"_s);
  EXPECT_EQ(eintraege(programm),
            (QStringList{u"Mü_Internet"_s, u"Mappe(0)"_s, u"Mappe(1)"_s, u"Mappe(2)"_s, u"Mappe(3)"_s,
                         u"Mappe(4)"_s, u"Mappe(5)"_s, u"Mappe(6)"_s, u"Mappe(7)"_s, u"Mappe(8)"_s,
                         u"str0"_s, u"click_alles"_s, u"str"_s, u"Mü_Ende"_s}));
  EXPECT_EQ(eintraege(saver.findChild<QMenu*>(u"Mü_Internet"_s)),
            (QStringList{u"Mü_NewVersion"_s, u"ZumWeb"_s}));
  EXPECT_EQ(eintraege(saver.findChild<QMenu*>(u"MenüLogbuch"_s)),
            (QStringList{u"MenüAufzeichenLogbuch"_s, u"NoAufzeichenLogbuch"_s}));
  QStringList kategorien;
  for (int n = 0; n < 11; ++n) kategorien << feld(u"AufzeichenLogbuch"_s, n);
  EXPECT_EQ(eintraege(saver.menueAufzeichenLogbuch), kategorien);
  EXPECT_EQ(eintraege(saver.findChild<QMenu*>(u"Menü3"_s)),
            (QStringList{u"Mü_Help"_s, u"mü3"_s, u"Mü_Info"_s, u"Mü_str"_s, u"Mü_Begruessung"_s}));
  EXPECT_EQ(eintraege(saver.findChild<QMenu*>(u"mü3"_s)),
            (QStringList{u"Check_StartUpPosition"_s, u"HotkeyAktion"_s, u"MsgBoxVersäumt"_s,
                         u"MsgBoxVersäumtSuchen"_s, u"Mü_CountReset"_s, u"Nü_Reset"_s}));
  EXPECT_EQ(eintraege(saver.bewahrixFormer),
            (QStringList{u"BewahrixAusfueren"_s, u"Mü_Logbuch"_s, u"Strich1"_s, u"BewahrixHerstellen"_s,
                         u"Strich2"_s, u"BewahrixEnd"_s}));
  for (const QString& strich : {u"str0"_s, u"str"_s, u"Mü_str"_s, u"Strich1"_s, u"Strich2"_s})
    EXPECT_TRUE(saver.findChild<QAction*>(strich)->isSeparator()) << strich.toStdString();
}

TEST_F(SaverAufbau, NurDieSchalterSindAbhakbar) {
  QStringList abhakbar;
  for (QAction* a : saver.findChildren<QAction*>())
    if (a->isCheckable()) abhakbar << a->objectName();
  abhakbar.sort();
  QStringList erwartet = {u"NoAufzeichenLogbuch"_s, u"Mü_Help"_s, u"Check_StartUpPosition"_s,
                          u"HotkeyAktion"_s, u"MsgBoxVersäumt"_s};
  for (int n = 0; n < 11; ++n) erwartet << feld(u"AufzeichenLogbuch"_s, n);
  erwartet.sort();
  EXPECT_EQ(abhakbar, erwartet);
}

TEST_F(SaverAufbau, TrayMenueGehoertDemFensterAberNichtDerMenueleiste) {
  ASSERT_NE(saver.bewahrixFormer, nullptr);
  EXPECT_EQ(saver.bewahrixFormer->parent(), &saver);
  // Searched through every menu of the bar, submenus included.
  QList<QWidget*> offen = {saver.menuBar()};
  while (!offen.isEmpty()) {
    for (QAction* a : offen.takeFirst()->actions()) {
      EXPECT_NE(a, saver.bewahrixFormer->menuAction());
      for (QAction* t : saver.bewahrixFormer->actions()) EXPECT_NE(a, t) << t->objectName().toStdString();
      if (a->menu()) offen << a->menu();
    }
  }
}

TEST_F(SaverAufbau, ZeitgeberStehenMitIhremTakt) {
  const std::vector<std::pair<QTimer*, int>> zeitgeber = {
      {saver.timerAutomatik, 5000}, {saver.timerUhr, 1000}, {saver.timerWarnung, 400}};
  for (const auto& [t, ms] : zeitgeber) {
    EXPECT_EQ(t->interval(), ms) << t->objectName().toStdString();
    EXPECT_FALSE(t->isActive()) << "erst der Programmstart setzt sie in Gang";
    EXPECT_FALSE(t->isSingleShot());
  }
}

TEST_F(SaverAufbau, EingabenFuerDatumUhrzeitUndLogbuch) {
  saver.sollDatum->setDate(QDate(2026, 12, 5));
  EXPECT_EQ(saver.sollDatum->text(), u"05.Dez. 2026"_s);
  EXPECT_TRUE(saver.sollDatum->calendarPopup());
  EXPECT_EQ(saver.sollZeit->displayFormat(), u"HH:mm:ss"_s);
  EXPECT_STREQ(saver.logbuch->metaObject()->className(), "QListView") << "der Besitzer setzt ein Modell";
  EXPECT_TRUE(saver.logbuch->uniformItemSizes());
  EXPECT_EQ(saver.windowTitle(), u"Bewahrix"_s);
  EXPECT_FALSE(saver.logo->pixmap().isNull()) << "das Logo zeichnet das Programm selbst";
}

// The other parts of the program reach the controls through the public
// members. A single member is named where it is created; the arrays are
// where an index can slip, so each element is checked against its name.
TEST_F(SaverAufbau, FeldelementeVerweisenAufIhrBenanntesSteuerelement) {
  std::vector<std::pair<QObject*, QString>> z;
  for (int k = 0; k < 9; ++k) z.emplace_back(saver.mappe.at(k), feld(u"Mappe"_s, k));
  for (int n = 0; n < 11; ++n) z.emplace_back(saver.aufzeichenLogbuch.at(n), feld(u"AufzeichenLogbuch"_s, n));
  for (int n = 0; n < 30; ++n) z.emplace_back(saver.optionSoll.at(n), feld(u"Option_SOLL"_s, n));
  for (int k = 0; k < 2; ++k) {
    z.emplace_back(saver.cmdAutoSave.at(k), feld(u"cmd_AutoSave"_s, k));
    z.emplace_back(saver.optionVerzeichnisse.at(k), feld(u"Option_Verzeichnisse"_s, k));
    z.emplace_back(saver.txtDate.at(k), feld(u"TxtDate"_s, k));
  }
  for (int k = 0; k < 5; ++k) z.emplace_back(saver.optionTime.at(k), feld(u"Option_Time"_s, k));
  for (int i = 0; i < 5; ++i) {
    const AufgabenSeite& a = saver.aufgabe.at(i);
    const std::vector<std::pair<QObject*, QString>> seite = {
        {a.titelText, u"TitelText"_s},
        {a.infoVerfahren, u"InfoVerfahren"_s},
        {a.pruefLampe, u"PrüfLampe"_s},
        {a.cmdUeberschrift, u"cmd_Überschrift"_s},
        {a.cmdKopieStart, u"cmd_KopieStart"_s},
        {a.txtSichernGesamt, u"txt_SichernGesamt"_s},
        {a.txtZuSichern, u"txt_zuSichern"_s},
        {a.cmdDazu, u"cmd_Dazu"_s},
        {a.cmdSuchen, u"cmd_Suchen"_s},
        {a.cmdVerzeichnisSuchen, u"cmd_VerzeichnisSuchen"_s},
        {a.cmdLoeschen, u"cmd_Löschen"_s},
        {a.cmdLoeschenAlles, u"cmd_LöschenAlles"_s},
        {a.cmdIgnorier, u"cmd_Ignorier"_s},
        {a.cmdInfo, u"cmd_Info"_s},
        {a.txtSicherungsVerzeichnis, u"txt_SicherungsVerzeichnis"_s},
        {a.cmdVerzeichnisSpeichern, u"cmd_VerzeichnisSpeichern"_s},
        {a.cmdPfadLesen, u"cmd_PfadLesen"_s},
        {a.statusZiel, u"StatusZiel"_s},
        {saver.labelOrtInfo.at(i), u"Label_OrtInfo"_s},
        {saver.inhaltAuftraege.at(i), u"InhaltAufträge"_s},
        {saver.checkAllFileKill.at(i), u"Check_AllFileKill"_s},
        {saver.checkAllFileKillUndo.at(i), u"Check_AllFileKill_Undo"_s},
        {saver.cmdZuTimer.at(i), u"cmd_zuTimer"_s},
        {saver.checkSofort.at(i), u"Check_sofort"_s},
        {saver.infoTimer.at(i), u"InfoTimer"_s},
        {saver.optionTimerAufgabe.at(i), u"OptionTimerAufgabe"_s},
    };
    for (const auto& [o, wort] : seite) z.emplace_back(o, feld(wort, i));
    z.emplace_back(a.txtSichernDaten, feld(u"txt_SichernGesamt"_s, i + 5));
  }
  for (const auto& [o, name] : z) {
    ASSERT_NE(o, nullptr) << name.toStdString();
    EXPECT_EQ(o->objectName(), name);
  }
}
