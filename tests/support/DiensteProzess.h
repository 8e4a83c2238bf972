#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

namespace bewahrix::test {

using namespace Qt::Literals::StringLiterals;

// tests/e2e/dienste.py on the private session bus of a CTest entry made by bewahrix_dienste_test. With
// "--logind" it first starts a second private bus as this process's system bus, which must come before
// anything asks for that bus.
class DiensteProzess {
 public:
  ~DiensteProzess() {
    for (QProcess* p : {&dienste_, &systembus_}) p->kill(), p->waitForFinished();
  }
  bool starten(const QStringList& argumente = {}) {
    const QString skript = qEnvironmentVariable("BEWAHRIX_DIENSTE");
    if (argumente.contains(u"--logind"_s)) {
      systembus_.start(u"dbus-daemon"_s, {u"--nofork"_s, u"--print-address=1"_s,
                                          u"--config-file="_s + QFileInfo(skript).path() + u"/sitzungsbus.conf"_s});
      if (!systembus_.waitForReadyRead(10000)) return false;
      qputenv("DBUS_SYSTEM_BUS_ADDRESS", systembus_.readLine().trimmed());
    }
    dienste_.start(u"/usr/bin/python3"_s, QStringList{skript} + argumente);
    return !naechste(u"bereit "_s).isEmpty();
  }
  // The rest of the next line of dienste.py that begins so; empty after 10 s.
  QString naechste(const QString& anfang) {
    QString rest;
    (void)QTest::qWaitFor([&] {
      zeilen_ = alles();
      for (qsizetype i = 0; i < zeilen_.size() && rest.isEmpty(); ++i)
        if (zeilen_.at(i).startsWith(anfang)) rest = zeilen_.takeAt(i).mid(anfang.size());
      return !rest.isEmpty();
    }, 10000);
    return rest;
  }
  QStringList alles() {  // every line not taken yet
    return std::exchange(zeilen_, {}) + QString::fromUtf8(dienste_.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
  }
  // A method of de.bewahrix.Test: what the user or the system does.
  void aufrufen(const QString& methode, const QVariantList& argumente = {}) {
    auto aufruf = QDBusMessage::createMethodCall(u"org.freedesktop.portal.Desktop"_s, u"/Test"_s, u"de.bewahrix.Test"_s, methode);
    aufruf.setArguments(argumente);
    QDBusConnection::sessionBus().call(aufruf);
  }

 private:
  QProcess systembus_, dienste_;
  QStringList zeilen_;
};

}  // namespace bewahrix::test
