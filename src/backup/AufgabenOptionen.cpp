#include "backup/AufgabenOptionen.h"

#include "backup/Verfahren.h"
#include "logbook/Logbuch.h"
#include "store/Schluessel.h"
#include "store/SettingsStore.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace s = schluessel;

namespace {
QString jaNein(bool an) { return an ? u" wurde auf Ja gesetzt"_s : u" wurde auf Nein gesetzt"_s; }
}  // namespace

AufgabenOptionen::AufgabenOptionen(SettingsStore& store, Logbuch& logbuch, const bool& loadComplete)
    : store_(store), logbuch_(logbuch), loadComplete_(loadComplete) {}

void AufgabenOptionen::speichereCheck(const QString& abschnitt, const QString& schluessel, bool an) {
  store_.write(abschnitt, schluessel, an ? u"1"_s : u"0"_s);
}

bool AufgabenOptionen::check_AllFileKill_Click(int index, bool an) {
  if (!loadComplete_) return false;
  speichereCheck(s::abschnittOptionen(), s::allFileKill(index), an);
  logbuch_.eintrag(u"Löschen vor Kopiervorgang für Aufgabe "_s + QString::number(index + 1) + jaNein(an),
                   SonstigeMeldung);
  return true;
}

bool AufgabenOptionen::check_AllFileKill_Undo_Click(int index, bool an) {
  if (!loadComplete_) return false;
  speichereCheck(s::abschnittOptionen(), s::allFileKillUndo(index), an);
  logbuch_.eintrag(u"gelöschte Dateien in den Papierkorp legen für Aufgabe "_s +
                       QString::number(index + 1) + jaNein(an),
                   SonstigeMeldung);
  return true;
}

bool AufgabenOptionen::option_SOLL_Click(int index, int modus) {
  if (!loadComplete_) return false;
  store_.write(s::abschnittOptionen(), s::vorgang(index), QString::number(modus));
  logbuch_.eintrag(u"Kopiervorgang für Aufgabe "_s + QString::number(index + 1) + u" geändert => "_s +
                       verfahren::beschriftung(modus),
                   SonstigeMeldung);
  return true;
}

void AufgabenOptionen::check_Auflisten_Click(bool an) {
  speichereCheck(s::abschnittOptionen(), s::checkAuflisten(), an);
}

void AufgabenOptionen::check_DragAndDrop_Click(bool an) {
  speichereCheck(s::abschnittOptionen(), s::dragDrop(), an);
}

void AufgabenOptionen::option_Verzeichnisse_Click(int index) {
  store_.write(s::abschnittOptionen(), s::optionVerzeichnisse(), QString::number(index));
}

}  // namespace bewahrix
