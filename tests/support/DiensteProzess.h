#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

// tests/e2e/dienste.py, the desktop's services, on the private session bus
// of a CTest entry made by bewahrix_dienste_test. With "--logind" it first
// starts a second private bus and makes it the system bus of this process:
// call that before anything asks for the system bus.
class DiensteProzess {
 public:
  ~DiensteProzess() {
    for (QProcess* p : {&dienste_, &systembus_}) p->kill(), p->waitForFinished();
  }

  bool starten(const QStringList& argumente = {}) {
    const QString skript = qEnvironmentVariable("BEWAHRIX_DIENSTE");
    if (argumente.contains(QStringLiteral("--logind"))) {
      systembus_.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--nofork"), QStringLiteral("--print-address=1"),
                        QStringLiteral("--config-file=") + QFileInfo(skript).dir().filePath(QStringLiteral("sitzungsbus.conf"))});
      if (!systembus_.waitForReadyRead(10000)) return false;
      qputenv("DBUS_SYSTEM_BUS_ADDRESS", systembus_.readLine().trimmed());
    }
    dienste_.start(QStringLiteral("/usr/bin/python3"), QStringList{skript} + argumente);
    return !naechste(QStringLiteral("bereit ")).isEmpty();
  }

  // The rest of the next line of dienste.py that begins so; empty after 10 s.
  QString naechste(const QString& anfang) {
    QString rest;
    (void)QTest::qWaitFor([&] {
      zeilen_ += QString::fromUtf8(dienste_.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
      for (qsizetype i = 0; i < zeilen_.size() && rest.isEmpty(); ++i)
        if (zeilen_.at(i).startsWith(anfang)) rest = zeilen_.takeAt(i).mid(anfang.size());
      return !rest.isEmpty();
    }, 10000);
    return rest;
  }
  // Everything written so far, then forgotten.
  QStringList alles() {
    zeilen_ += QString::fromUtf8(dienste_.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    return std::exchange(zeilen_, {});
  }

  // A method of de.bewahrix.Test: what the user or the system would do.
  void aufrufen(const QString& methode, const QVariantList& argumente = {}) {
    QDBusMessage aufruf = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.portal.Desktop"),
                                                         QStringLiteral("/Test"), QStringLiteral("de.bewahrix.Test"), methode);
    aufruf.setArguments(argumente);
    QDBusConnection::sessionBus().call(aufruf);
  }

 private:
  QProcess systembus_;
  QProcess dienste_;
  QStringList zeilen_;
};
