#include "logbook/Cp1252.h"
#include "logbook/LogSatz.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
namespace logsatz = bewahrix::logsatz;

static const QDateTime kZeit(QDate(2026, 12, 5), QTime(14, 3, 27));

TEST(LogSatz, GoldeneBytesDesDatumsUndDerZeit) {
  const QByteArray slot = logsatz::slot(kZeit, u"Programm beendet"_s);
  ASSERT_EQ(slot.size(), 216);
  // Day 46361 after 30.12.1899 and 50607 of 86400 seconds, as doubles.
  EXPECT_EQ(slot.left(16), QByteArray::fromHex("0000000020a3e640 7eb1e4174bbee23f"));
  QList<int> falsch;  // every second of a day reads back as written
  for (int sekunde = 0; sekunde < 86400; ++sekunde)
    if (logsatz::lesen(logsatz::zeitKopf(QDateTime(kZeit.date(), QTime(0, 0).addSecs(sekunde)))).zeit != QTime(0, 0).addSecs(sekunde))
      falsch.append(sekunde);
  EXPECT_TRUE(falsch.isEmpty()) << falsch.size() << " seconds read back wrong, the first " << falsch.value(0);
}

TEST(LogSatz, TextfeldInWindows1252AufHundertBytes) {
  const QList<QPair<QString, QByteArray>> faelle = {
      {QString(50, u'a') + QString(50, u'b'), QByteArray(50, 'a') + QByteArray(50, 'b')},
      // Longer: 48 bytes from the start, a mark, 47 from the end.
      {QString(48, u'A') + QString(6, u'B') + QString(47, u'C'), QByteArray(48, 'A') + "..#.." + QByteArray(47, 'C')},
      {u"geführt € „ß“ Œ ƒ"_s, "gef\xfchrt \x80 \x84\xdf\x93 \x8c \x83"},
      // What the code page cannot hold becomes one "?" per character, emoji included.
      {u"Łódź 😀\uFFFD"_s, "?\xf3" "d? ??"},
      // A control character from a file name would cut the line in every view.
      {u"a\tb\nc\u007F\u001F"_s, "a?b?c??"}};
  for (const auto& [text, feld] : faelle)
    EXPECT_EQ(logsatz::slot(kZeit, text).mid(16, 100), feld.leftJustified(100, ' ')) << text.toStdString();
  EXPECT_EQ(bewahrix::cp1252::dekodieren("gef\xfchrt \x80\x9f\x81\x8d\x8f\x90\x9d"),
            u"geführt €Ÿ"_s + QString(5, QChar(0xFFFD)));
}

TEST(LogSatz, AngezeigteFormAuchVonUnvollstaendigenUndUnsinnigenBytes) {
  const QByteArray voll =
      logsatz::slot(QDateTime(QDate(2026, 2, 1), QTime(23, 59, 59)), u"    => Error, kaputt  "_s);
  const QByteArray unsinn(116, '\xff');  // not a number
  const QString ohneDatum = u"--.--.---- um --:--:--: "_s;
  const QList<QPair<QByteArray, QString>> faelle = {
      // Only trailing blanks go; leading ones are part of the message's shape.
      {voll, u"01.02.2026 um 23:59:59:     => Error, kaputt"_s},
      {voll.left(16 + 6), u"01.02.2026 um 23:59:59:     =>"_s},
      {voll.left(12), u"01.02.2026 um --:--:--: "_s},
      {QByteArray(), ohneDatum},
      {unsinn, ohneDatum + QString(100, u'ÿ')}};
  for (const auto& [bytes, zeile] : faelle)
    EXPECT_EQ(logsatz::angezeigt(logsatz::lesen(bytes)), zeile) << bytes.size();
}
