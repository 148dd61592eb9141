// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the shell test class named on the command line, or every class when none is named.
#include <QApplication>
#include <QTest>
#include <vector>

#include "test_registry.h"

namespace kelvane::testing {

std::map<std::string, TestFactory>& TestClasses() {
  static std::map<std::string, TestFactory> classes;
  return classes;
}

}  // namespace kelvane::testing

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  using kelvane::testing::TestClasses;
  std::vector<char*> arguments(argv, argv + argc);
  std::vector<std::string> names;
  if (argc > 1 && argv[1][0] != '-') {
    if (!TestClasses().contains(argv[1])) {
      qCritical("No test class %s", argv[1]);
      return 2;
    }
    names.emplace_back(argv[1]);
    arguments.erase(arguments.begin() + 1);
  } else {
    for (const auto& [name, factory] : TestClasses()) {
      names.push_back(name);
    }
  }
  int failures = 0;
  for (const std::string& name : names) {
    const std::unique_ptr<QObject> test = TestClasses()[name]();
    failures += QTest::qExec(test.get(), static_cast<int>(arguments.size()), arguments.data());
  }
  return failures == 0 ? 0 : 1;
}
