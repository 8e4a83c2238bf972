#pragma once

#include "support/SkriptDialoge.h"  // readable QStrings in failures
#include "support/TestUmgebung.h"
#include "ui/HilfeZeile.h"
#include "ui/Lampe.h"
#include "ui/Saver.h"

// The window's control types, for the tests that walk them.
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include "ui/DatumsFeld.h"
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace bewahrix::test {

// The main window as it is composed, without the program behind it, on a
// fresh HOME; also the parent of the boxes and file dialogs under test.
class SaverUmgebung : public FrischeUmgebung {
 protected:
  void zeigen(QSize groesse = {800, 640}) {
    saver.resize(groesse);
    saver.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&saver));
    warten();
  }
  static void warten() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }

  Saver saver;
};

}  // namespace bewahrix::test
