#include <QApplication>

#include <gtest/gtest.h>

// Widget tests: a QApplication on the platform the environment names
// (scripts/test sets "offscreen").
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
