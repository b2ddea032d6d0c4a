// One ui_tests executable, one file per test class, which ends with
//   TROCHIX_UI_TEST(HomeScreenTest)
//   #include "HomeScreenTest.moc"
// Run one class with its own Qt Test arguments:  ui_tests HomeScreenTest [testfunction] [-v2]
#pragma once

#include <QObject>

#include <functional>
#include <string>
#include <vector>

namespace trochix::uitest {

struct RegisteredTest {
    std::string name;
    std::function<QObject*()> make;
};

inline std::vector<RegisteredTest>& RegisteredTests() {
    static std::vector<RegisteredTest> tests;
    return tests;
}

struct TestRegistrar {
    TestRegistrar(const char* name, std::function<QObject*()> make) {
        RegisteredTests().push_back({name, std::move(make)});
    }
};

} // namespace trochix::uitest

#define TROCHIX_UI_TEST(Class)                                                                    \
    static const ::trochix::uitest::TestRegistrar trochixUiTest_##Class(                          \
        #Class, []() -> QObject* { return new Class; });
