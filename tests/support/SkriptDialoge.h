#pragma once

#include "platform/Dialoge.h"

#include <QString>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <ostream>

namespace bewahrix {

void PrintTo(const Meldung& m, std::ostream* os);

namespace test {

// Answers message boxes from a script: each expected box with its answer, in
// order. A box that was not expected, or one that differs, fails the test.
class SkriptDialoge final : public Dialoge {
 public:
  ~SkriptDialoge() override;
  void erwarte(const Meldung& meldung, Antwort antwort = Antwort::Ok);
  Antwort zeige(const Meldung& meldung) override;
  bool alleGezeigt() const { return erwartet_.empty(); }
  // Runs whenever a box is shown: a test looks at the window meanwhile.
  std::function<void()> beimZeigen;

 private:
  std::deque<std::pair<Meldung, Antwort>> erwartet_;
};

}  // namespace test
}  // namespace bewahrix
