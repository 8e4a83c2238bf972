#include "logbook/LogSchalter.h"
#include "logbook/Logbuch.h"
#include "platform/Uhr.h"
#include "store/Schluessel.h"
#include "store/SettingsStore.h"

#include <QApplication>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(u"Bewahrix"_s);

  bewahrix::SettingsStore store(bewahrix::schluessel::anwendung());
  bewahrix::SystemUhr uhr;
  bewahrix::LogSchalterWerte schalter;
  bewahrix::Logbuch logbuch(store, uhr, schalter);
  bewahrix::meldeSpeicherZustand(store, logbuch);

  // Stands in for the main window until that exists.
  QLabel hinweis(u"Bewahrix: Einstellungen und Logbuch sind bereit.\n"
                 "Das Hauptfenster folgt in einer späteren Version."_s);
  hinweis.setObjectName(u"Platzhalter"_s);
  hinweis.setWindowTitle(u"Bewahrix"_s);
  hinweis.setMargin(24);
  hinweis.show();
  return QApplication::exec();
}
