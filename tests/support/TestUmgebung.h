#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ctime>

namespace bewahrix::test {

// Points HOME and the XDG directories at a fresh temporary folder for each
// test, so no test sees the real ones or another test's files.
class FrischeUmgebung : public ::testing::Test {
 protected:
  void SetUp() override;

  QString home() const;          // with trailing separator
  QString pfad(const QString& relativ) const;

 private:
  QTemporaryDir ordner_;
};

// Points HOME and the XDG folders at a temporary folder for the whole test
// program, before any fixture exists: nothing a test builds too early can
// reach the real ones. Each test then gets its own (FrischeUmgebung).
void schuetzeEchteUmgebung();

// Writes bytes to a file, creating directories as needed.
void schreibeDatei(const QString& pfad, const QByteArray& inhalt);
QByteArray leseDatei(const QString& pfad);
// Every entry of a directory, hidden ones included, sorted.
QStringList alleEintraege(const QString& verzeichnis);
// A symbolic link at link that points to ziel (taken as written).
void verknuepfe(const QString& ziel, const QString& link);
// Access and last-write time of pfad (following links).
void setzeZeiten(const QString& pfad, timespec zugriff, timespec aenderung);

}  // namespace bewahrix::test
