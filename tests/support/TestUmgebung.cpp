#include "support/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix::test {

void FrischeUmgebung::SetUp() {
  ASSERT_TRUE(ordner_.isValid());
  const QString basis = ordner_.path();
  const auto setze = [&](const char* name, const QString& relativ) {
    const QString ziel = basis + u'/' + relativ;
    QDir().mkpath(ziel);
    qputenv(name, QFile::encodeName(ziel));
  };
  setze("HOME", u"home"_s);
  setze("XDG_CONFIG_HOME", u"home/.config"_s);
  setze("XDG_DATA_HOME", u"home/.local/share"_s);
  setze("XDG_CACHE_HOME", u"home/.cache"_s);
  setze("XDG_RUNTIME_DIR", u"run"_s);
  QFile::setPermissions(basis + u"/run"_s, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString FrischeUmgebung::home() const { return ordner_.path() + u"/home/"_s; }

QString FrischeUmgebung::pfad(const QString& relativ) const {
  return ordner_.path() + u'/' + relativ;
}

void schreibeDatei(const QString& pfad, const QByteArray& inhalt) {
  QDir().mkpath(QFileInfo(pfad).absolutePath());
  QFile datei(pfad);
  ASSERT_TRUE(datei.open(QIODevice::WriteOnly | QIODevice::Truncate)) << pfad.toStdString();
  ASSERT_EQ(datei.write(inhalt), inhalt.size());
}

QByteArray leseDatei(const QString& pfad) {
  QFile datei(pfad);
  if (!datei.open(QIODevice::ReadOnly)) return {};
  return datei.readAll();
}

}  // namespace bewahrix::test
