// SPDX-License-Identifier: GPL-3.0-or-later
// Lets each shell test class register itself, so one program can run any of them by name.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace kelvane::testing {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

std::map<std::string, TestFactory>& TestClasses();

template <typename TestClass>
struct RegisterTest {
  explicit RegisterTest(const char* name) {
    TestClasses()[name] = [] { return std::make_unique<TestClass>(); };
  }
};

}  // namespace kelvane::testing
