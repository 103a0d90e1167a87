#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace rw::ui::test {

// One Qt Test class of the window tests, made fresh for each run.
struct UiTestClass {
    std::string name;
    std::function<std::unique_ptr<QObject>()> make;
};

// Every window test class is compiled into one program and registers itself here; the program
// runs one class by name, so each class stays its own ctest entry and a failure names it.
std::vector<UiTestClass>& UiTestClasses();

template <typename TestClass>
bool RegisterUiTest(const char* name) {
    UiTestClasses().push_back({name, [] { return std::make_unique<TestClass>(); }});
    return true;
}

}  // namespace rw::ui::test

// Put at the end of a test class's file, where a single-class program would say QTEST_MAIN.
#define RUNEWRIGHT_UI_TEST(TestClass)                          \
    namespace {                                                \
    [[maybe_unused]] const bool TestClass##_registered =       \
        ::rw::ui::test::RegisterUiTest<TestClass>(#TestClass); \
    }
