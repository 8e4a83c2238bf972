#include "logbook/Cp1252.h"
#include "logbook/LogSatz.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace Qt::Literals::StringLiterals;
namespace logsatz = bewahrix::logsatz;

namespace {

QByteArray textFeld(const QString& text) {
  return logsatz::slot(QDateTime(QDate(2026, 1, 1), QTime(0, 0)), text).mid(16, 100);
}

double doubleBei(const QByteArray& bytes, int offset) {
  double wert;
  std::memcpy(&wert, bytes.constData() + offset, sizeof wert);  // the machine is little-endian
  return wert;
}

}  // namespace

TEST(LogSatz, GoldeneBytesDesDatumsUndDerZeit) {
  const QByteArray slot =
      logsatz::slot(QDateTime(QDate(2026, 12, 5), QTime(14, 3, 27)), u"Programm beendet"_s);
  ASSERT_EQ(slot.size(), 216);
  EXPECT_EQ(slot.left(8), QByteArray::fromHex("00000000 20a3e640"));
  EXPECT_EQ(doubleBei(slot, 0), 46361.0);
  EXPECT_EQ(doubleBei(slot, 8), 50607.0 / 86400.0);
  EXPECT_EQ(slot.mid(16, 100), QByteArray("Programm beendet").leftJustified(100, ' '));
}

TEST(LogSatz, TextfeldKuerztUeber100Zeichen) {
  const QString hundert = QString(50, u'a') + QString(50, u'b');
  EXPECT_EQ(textFeld(hundert), hundert.toLatin1());
  const QString hunderteins = QString(48, u'A') + QString(6, u'B') + QString(47, u'C');
  ASSERT_EQ(hunderteins.size(), 101);
  EXPECT_EQ(textFeld(hunderteins), QByteArray(48, 'A') + "..#.." + QByteArray(47, 'C'));
}

TEST(LogSatz, Windows1252ZeichenAlsEinzelneBytes) {
  EXPECT_EQ(bewahrix::cp1252::kodieren(u"geführt"_s), QByteArray("gef\xfchrt"));
  EXPECT_EQ(bewahrix::cp1252::kodieren(u"€ „ß“ Œ"_s), QByteArray("\x80 \x84\xdf\x93 \x8c"));
  // What the code page cannot hold becomes one "?" per character, emoji included.
  EXPECT_EQ(bewahrix::cp1252::kodieren(u"Łódź 😀"_s), QByteArray("?\xf3" "d? ?"));
  EXPECT_EQ(bewahrix::cp1252::dekodieren(QByteArray("gef\xfchrt \x80\x9f")), u"geführt €Ÿ"_s);
  EXPECT_EQ(bewahrix::cp1252::dekodieren(QByteArray("\x81\x8d\x8f\x90\x9d")),
            QString(5, QChar(0xFFFD)));
  // Text with umlauts is stored in 100 bytes even when it is long.
  EXPECT_EQ(textFeld(QString(120, u'ä')).size(), 100);
}

TEST(LogSatz, AngezeigteForm) {
  const auto satz = logsatz::lesen(
      logsatz::slot(QDateTime(QDate(2026, 2, 1), QTime(9, 5, 3)), u"Logbuch wird geführt  "_s));
  EXPECT_EQ(logsatz::angezeigt(satz), u"01.02.2026 um 09:05:03: Logbuch wird geführt"_s);
  // Only trailing blanks go; leading ones are part of the message's shape.
  const auto eingerueckt = logsatz::lesen(
      logsatz::slot(QDateTime(QDate(2026, 12, 5), QTime(23, 59, 59)), u"    => Error, kaputt"_s));
  const QString zeile = logsatz::angezeigt(eingerueckt);
  EXPECT_EQ(zeile, u"05.12.2026 um 23:59:59:     => Error, kaputt"_s);
  EXPECT_EQ(zeile.mid(31, 5), u"Error"_s);  // position 32 of the shown form
}

TEST(LogSatz, UnvollstaendigeUndUnsinnigeBytes) {
  const QByteArray voll =
      logsatz::slot(QDateTime(QDate(2026, 12, 5), QTime(14, 3, 27)), u"Abgeschnitten"_s);
  // Cut inside the text: date, time and what text there is.
  EXPECT_EQ(logsatz::angezeigt(logsatz::lesen(voll.left(16 + 5))), u"05.12.2026 um 14:03:27: Abges"_s);
  // Cut inside the time: the date alone.
  EXPECT_EQ(logsatz::angezeigt(logsatz::lesen(voll.left(12))), u"05.12.2026 um --:--:--: "_s);
  EXPECT_EQ(logsatz::angezeigt(logsatz::lesen(QByteArray())), u"--.--.---- um --:--:--: "_s);
  // Not-a-number, infinite and absurd values do not turn into dates.
  QByteArray unsinn(116, '\xff');
  EXPECT_EQ(logsatz::lesen(unsinn).datum, std::nullopt);
  EXPECT_EQ(logsatz::lesen(unsinn).zeit, std::nullopt);
  const double riesig = 1e300;
  std::memcpy(unsinn.data(), &riesig, 8);
  std::memcpy(unsinn.data() + 8, &riesig, 8);
  EXPECT_EQ(logsatz::lesen(unsinn).datum, std::nullopt);
  EXPECT_EQ(logsatz::lesen(unsinn).zeit, std::nullopt);
}

TEST(LogSatz, AnzahlDerSaetzeAusDerLaenge) {
  EXPECT_EQ(logsatz::anzahlSaetze(0), 0);
  EXPECT_EQ(logsatz::anzahlSaetze(116), 1);
  EXPECT_EQ(logsatz::anzahlSaetze(216), 1);
  EXPECT_EQ(logsatz::anzahlSaetze(217), 2);
  EXPECT_EQ(logsatz::anzahlSaetze(216 + 116), 2);
}
