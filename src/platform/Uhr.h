#pragma once

#include <QDateTime>

#include <utility>

namespace bewahrix {

// Every "now" of the program comes from one clock, so tests can set the time.
class Uhr {
 public:
  virtual ~Uhr() = default;
  virtual QDateTime jetzt() const = 0;
};

// The local wall clock, to whole seconds as the logbook and schedules use it.
class SystemUhr final : public Uhr {
 public:
  QDateTime jetzt() const override;

 private:
  // A run asks several times per file; the local time is worked out once
  // per second.
  mutable qint64 sekunde_ = -1;
  mutable QDateTime zeit_;
};

// A clock that stands still until a test moves it.
class GestellteUhr final : public Uhr {
 public:
  explicit GestellteUhr(QDateTime start) : zeit_(std::move(start)) {}
  QDateTime jetzt() const override { return zeit_; }
  void stellen(const QDateTime& zeit) { zeit_ = zeit; }
  void sekundenWeiter(qint64 sekunden) { zeit_ = zeit_.addSecs(sekunden); }
  void minutenWeiter(qint64 minuten) { sekundenWeiter(60 * minuten); }
  void tageWeiter(qint64 tage) { zeit_ = zeit_.addDays(tage); }

 private:
  QDateTime zeit_;
};

}  // namespace bewahrix
