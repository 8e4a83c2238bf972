#include "support/SkriptDialoge.h"

namespace bewahrix {

void PrintTo(const Meldung& m, std::ostream* os) {
  *os << "Meldung{" << m.text.toStdString() << " | " << m.titel.toStdString() << " | symbol "
      << static_cast<int>(m.symbol) << " | knoepfe " << static_cast<int>(m.knoepfe)
      << " | standard " << static_cast<int>(m.standard) << "}";
}

namespace test {

SkriptDialoge::~SkriptDialoge() {
  EXPECT_TRUE(erwartet_.empty()) << erwartet_.size() << " erwartete Meldung(en) nicht gezeigt, zuerst "
                                 << ::testing::PrintToString(erwartet_.front().first);
}

void SkriptDialoge::erwarte(const Meldung& meldung, Antwort antwort) {
  erwartet_.emplace_back(meldung, antwort);
}

Antwort SkriptDialoge::zeige(const Meldung& meldung) {
  if (beimZeigen) beimZeigen();
  if (erwartet_.empty()) {
    ADD_FAILURE() << "unerwartete Meldung " << ::testing::PrintToString(meldung);
    return Antwort::Abbrechen;
  }
  const auto [erwartet, antwort] = erwartet_.front();
  erwartet_.pop_front();
  EXPECT_EQ(meldung, erwartet);
  return antwort;
}

}  // namespace test
}  // namespace bewahrix
