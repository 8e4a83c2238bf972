#pragma once

#include <QString>

namespace bewahrix {

class Logbuch;
class SettingsStore;

// What the option controls of a task store and record when clicked. Until
// the start sequence has filled the controls (loadComplete), clicks store and
// record nothing. Each handler that records returns true: the window then
// refreshes the logbook view, the task data and the schedule descriptions.
class AufgabenOptionen {
 public:
  AufgabenOptionen(SettingsStore& store, Logbuch& logbuch, const bool& loadComplete);

  // Check_AllFileKill(i); the Recycle-Bin box is offered exactly while it is on.
  bool check_AllFileKill_Click(int index, bool an);
  // Check_AllFileKill_Undo(i).
  bool check_AllFileKill_Undo_Click(int index, bool an);
  // Option_SOLL(6 * i + m): the user chose copy mode m for task i.
  bool option_SOLL_Click(int index, int modus);
  // Global options of the same page; stored, never recorded.
  void check_Auflisten_Click(bool an);
  void check_DragAndDrop_Click(bool an);
  // Option_Verzeichnisse(index): picked and dropped directories as files only
  // (0) or as the whole tree (1).
  void option_Verzeichnisse_Click(int index);

 private:
  void speichereCheck(const QString& abschnitt, const QString& schluessel, bool an);

  SettingsStore& store_;
  Logbuch& logbuch_;
  const bool& loadComplete_;
};

}  // namespace bewahrix
