#include "lifecycle/Befehlszeile.h"

#include "lifecycle/Version.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {

void ausgeben(std::FILE* kanal, const QString& text) { std::fputs(text.toLocal8Bit().constData(), kanal); }

// The usage line, the explanation when given, and the options.
QString aufruf(const QList<QCommandLineOption>& optionen, const QString& erklaerung = {}) {
  QString text = u"Aufruf: bewahrix [Option]\n"_s + erklaerung + u"\nOptionen:\n"_s;
  for (const QCommandLineOption& option : optionen)
    text += (u"  -"_s + option.names().first() + u", --"_s + option.names().last()).leftJustified(18) +
            option.description() + u'\n';
  return text;
}

// What is wrong with the command line; empty when nothing is.
QString fehler(const QCommandLineParser& parser, bool gelesen) {
  if (!parser.unknownOptionNames().isEmpty()) {
    const QString name = parser.unknownOptionNames().first();
    return u"unbekannte Option „"_s + (name.size() == 1 ? u"-"_s : u"--"_s) + name + u"“"_s;
  }
  if (!gelesen) return u"einer Option fehlt ihr Wert"_s;
  if (!parser.positionalArguments().isEmpty())
    return u"unerwartetes Argument „"_s + parser.positionalArguments().first() + u"“"_s;
  return {};
}

}  // namespace

std::optional<int> befehlszeile(int argc, char* argv[]) {
  const QCommandLineOption hilfe({u"h"_s, u"help"_s}, u"zeigt diese Hilfe"_s);
  const QCommandLineOption version({u"v"_s, u"version"_s}, u"zeigt die Version"_s);
  QCommandLineParser parser;
  // "-platform" is one option, not -p -l -a ...
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOptions({hilfe, version});
  // What QGuiApplication and QApplication take from the command line.
  for (const QString& name : {u"platform"_s, u"platformpluginpath"_s, u"platformtheme"_s, u"plugin"_s,
                              u"qwindowgeometry"_s, u"qwindowicon"_s, u"qwindowtitle"_s, u"session"_s,
                              u"display"_s, u"geometry"_s, u"style"_s, u"stylesheet"_s})
    parser.addOption(QCommandLineOption(name, QString(), u"wert"_s));
  parser.addOptions({QCommandLineOption(u"reverse"_s), QCommandLineOption(u"widgetcount"_s)});

  QStringList argumente;
  for (int i = 0; i < argc; ++i) argumente << QString::fromLocal8Bit(argv[i]);
  if (const QString falsch = fehler(parser, parser.parse(argumente)); !falsch.isEmpty()) {
    ausgeben(stderr, u"bewahrix: "_s + falsch + u"\n\n"_s + aufruf({hilfe, version}));
    return 2;
  }
  if (parser.isSet(hilfe)) {
    ausgeben(stdout, aufruf({hilfe, version}, u"\nBewahrix sichert Dateien und Verzeichnisse nach Zeitplan "_s
                                              u"oder von Hand.\nOhne Option öffnet es sein Fenster.\n"_s));
    return 0;
  }
  if (parser.isSet(version)) {
    ausgeben(stdout, u"Bewahrix "_s + versionstext() + u'\n');
    return 0;
  }
  return std::nullopt;
}

}  // namespace bewahrix
