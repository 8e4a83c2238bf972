#include "desktop/SaverHilfe.h"

#include "scheduler/Lampen.h"
#include "ui/Lampe.h"
#include "ui/Saver.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {

QString feld(const QString& name, int index) { return name + u'(' + QString::number(index) + u')'; }

lampen::Zustand alsLampenZustand(Lampe::Zustand z) {
  switch (z) {
    case Lampe::Zustand::Rot: return lampen::Zustand::Rot;
    case Lampe::Zustand::Gruen: return lampen::Zustand::Gruen;
    case Lampe::Zustand::Gelb: return lampen::Zustand::Gelb;
    case Lampe::Zustand::Grau: break;
  }
  return lampen::Zustand::Grau;
}

// Light red: the schedule of a task without a copy mode (red FF, green and
// blue 80).
const QColor kOhneVorgang(0xFF, 0x80, 0x80);

}  // namespace

HilfeTabelle saverHilfe(const Saver& s) {
  HilfeTabelle t;
  const auto fest = [&t](const QString& name, int code) { t.insert(name, {code, {}}); };
  const auto mit = [&t](const QString& name, int code, std::function<QString()> extra) {
    t.insert(name, {code, std::move(extra)});
  };
  const auto nummer = [](int i) { return [i] { return QString::number(i + 1); }; };

  // Background, frames and tab strips clear the line.
  fest(s.objectName(), 0);
  for (int k = 0; k <= Saver::kAufgaben + 1; ++k) fest(feld(u"Frame"_s, k), 0);
  fest(u"SSTab"_s, 0);
  fest(u"SSTabOptionen"_s, 0);

  fest(u"Hilfe"_s, 1);
  fest(u"Logbuch"_s, 3);
  mit(u"TxtDate(0)"_s, 5, [] { return u"Datum"_s; });
  mit(u"TxtDate(1)"_s, 5, [] { return u"Datum und Uhrzeit wann das Programm gestartet wurde"_s; });
  fest(u"TxtTime"_s, 6);
  fest(u"cmd_AutoSave(0)"_s, 7);
  fest(u"cmd_AutoSave(1)"_s, 7);
  fest(u"StatusLogbuch"_s, 20);
  t.insert(u"SollDatum"_s, {23, {}, HilfeEintrag::Ausloeser::Taste});
  fest(u"SollZeit"_s, 24);
  for (int k = 0; k < static_cast<int>(s.optionTime.size()); ++k) fest(feld(u"Option_Time"_s, k), 25);
  fest(u"cmd_Aktuell"_s, 27);
  fest(u"cmd_SaveZeitplan"_s, 28);
  fest(u"Check_KopieZusatz"_s, 29);
  fest(u"StatusTimer"_s, 30);
  fest(u"cmd_Vorgang"_s, 45);
  fest(u"Check_DragAndDrop"_s, 36);
  fest(u"Check_Auflisten"_s, 37);
  fest(u"cmd_Minimize"_s, 39);
  fest(u"cmd_Ende"_s, 40);
  for (int k = 0; k < static_cast<int>(s.optionVerzeichnisse.size()); ++k)
    fest(feld(u"Option_Verzeichnisse"_s, k), 44);
  // The option buttons name the task of the page on show.
  for (int n = 0; n < static_cast<int>(s.optionSoll.size()); ++n)
    mit(feld(u"Option_SOLL"_s, n), 21,
        [&s] { return QString::number(s.ssTabOptionen->currentIndex() + 1); });

  for (int i = 0; i < Saver::kAufgaben; ++i) {
    const AufgabenSeite& a = s.aufgabe.at(i);
    fest(feld(u"FrameEinstellung"_s, i), 0);
    fest(feld(u"FrameZiel"_s, i), 0);
    fest(feld(u"Check_AllFileKill"_s, i), 2);
    fest(feld(u"cmd_VerzeichnisSpeichern"_s, i), 8);
    fest(feld(u"cmd_Ignorier"_s, i), 9);
    mit(feld(u"cmd_KopieStart"_s, i), 10, nummer(i));
    mit(feld(u"cmd_LöschenAlles"_s, i), 11, nummer(i));
    mit(feld(u"cmd_Löschen"_s, i), 12, nummer(i));
    fest(feld(u"cmd_Suchen"_s, i), 13);
    mit(feld(u"cmd_Dazu"_s, i), 14, [e = a.txtZuSichern] { return e->text(); });
    fest(feld(u"txt_zuSichern"_s, i), 15);
    // The entries, then the dates beside them (index + 5).
    fest(feld(u"txt_SichernGesamt"_s, i), 16);
    fest(feld(u"txt_SichernGesamt"_s, i + Saver::kAufgaben), 32);
    fest(feld(u"cmd_PfadLesen"_s, i), 17);
    fest(feld(u"txt_SicherungsVerzeichnis"_s, i), 18);
    // The first two characters of the count caption, as they are.
    const auto eintraege = [i, inhalt = s.inhaltAuftraege.at(i)] {
      return u"Aufgabe "_s + QString::number(i + 1) + u" hat "_s + inhalt->text().left(2) +
             u" Einträge in der Liste"_s;
    };
    mit(feld(u"InhaltAufträge"_s, i), 19, eintraege);
    mit(feld(u"Label_OrtInfo"_s, i), 19, [eintraege] { return eintraege() + u" (mit klick zur Aufgabe)"_s; });
    mit(feld(u"InfoTimer"_s, i), 22, [info = s.infoTimer.at(i)] {
      return info->palette().color(QPalette::Window) == kOhneVorgang ? u" (es wurde kein Vorgang gewählt)"_s
                                                                     : QString();
    });
    fest(feld(u"OptionTimerAufgabe"_s, i), 26);
    fest(feld(u"StatusZiel"_s, i), 30);
    fest(feld(u"Check_sofort"_s, i), 31);
    mit(feld(u"PrüfLampe"_s, i), 33,
        [lampe = a.pruefLampe] { return lampen::hinweis(alsLampenZustand(lampe->zustand())); });
    fest(feld(u"cmd_zuTimer"_s, i), 34);
    fest(feld(u"InfoVerfahren"_s, i), 35);
    mit(feld(u"cmd_Überschrift"_s, i), 38, nummer(i));
    fest(feld(u"Check_AllFileKill_Undo"_s, i), 41);
    fest(feld(u"cmd_Info"_s, i), 42);
    fest(feld(u"cmd_VerzeichnisSuchen"_s, i), 43);
  }
  return t;
}

}  // namespace bewahrix
