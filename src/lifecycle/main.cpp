#include "Anwendung.h"
#include "desktop/Symbol.h"
#include "lifecycle/Befehlszeile.h"
#include "lifecycle/Instanz.h"
#include "lifecycle/Programm.h"
#include "lifecycle/Signale.h"
#include "lifecycle/Splash.h"
#include "platform/Uhr.h"
#include "store/Schluessel.h"
#include "store/SettingsStore.h"
#include "ui/QtDialoge.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char* argv[]) {
  if (const auto ende = bewahrix::befehlszeile(argc, argv)) return *ende;
  QApplication app(argc, argv);
  // The window's class and the desktop entry carry the application id.
  QApplication::setApplicationName(QString::fromUtf16(bewahrix::anwendung::kId));
  QGuiApplication::setDesktopFileName(QString::fromUtf16(bewahrix::anwendung::kId));
  QApplication::setWindowIcon(bewahrix::programmSymbol());
  // The window may sit in the tray with nothing on screen; the program ends
  // when the main window's close is accepted.
  QApplication::setQuitOnLastWindowClosed(false);
  // Qt's own texts (the buttons of a box, the file dialog) in German too.
  QTranslator qtTexte;
  if (qtTexte.load(QLocale(QLocale::German, QLocale::Germany), u"qtbase"_s, u"_"_s,
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexte);

  bewahrix::QtDialoge dialoge(nullptr);
  bewahrix::Instanz instanz;
  if (!bewahrix::pruefeErsteInstanz(instanz, dialoge)) return 0;

  bewahrix::SettingsStore store(bewahrix::schluessel::anwendung());
  bewahrix::SystemUhr uhr;
  std::unique_ptr<bewahrix::Programm> programm;
  std::unique_ptr<bewahrix::Signalwaechter> signale;
  bewahrix::zeigeSplash(
      bewahrix::startnummer(store, bewahrix::Splash::Modus::Programmstart),
      [&] {
        programm = std::make_unique<bewahrix::Programm>(store, uhr, dialoge);
        // Logout and shutdown end the program with a signal: an orderly stop.
        // Before this point nothing is written that a default end would cut.
        signale = std::make_unique<bewahrix::Signalwaechter>();
        QObject::connect(signale.get(), &bewahrix::Signalwaechter::beenden, programm.get(),
                         &bewahrix::Programm::sitzungEnde);
        programm->startSequence();
      },
      [&] { programm->zeigen(); });
  return QApplication::exec();
}
