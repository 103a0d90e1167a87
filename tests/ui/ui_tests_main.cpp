// The one program of the window tests: `ui_tests CLASS [Qt Test options]` runs one test class,
// `ui_tests --classes` lists them, `ui_tests` alone runs them all.
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <vector>

#include "ui_test_registry.h"

namespace rw::ui::test {

std::vector<UiTestClass>& UiTestClasses() {
    static std::vector<UiTestClass> classes;
    return classes;
}

namespace {

int RunClass(const UiTestClass& test_class, int argc, char** argv) {
    std::unique_ptr<QObject> tests = test_class.make();
    return QTest::qExec(tests.get(), argc, argv);
}

}  // namespace
}  // namespace rw::ui::test

int main(int argc, char** argv) {
    using rw::ui::test::UiTestClasses;
    if (argc > 1 && std::strcmp(argv[1], "--classes") == 0) {
        for (const auto& test_class : UiTestClasses()) std::printf("%s\n", test_class.name.c_str());
        return 0;
    }
    // No test reads or writes the user's settings: each run has a settings folder of its own,
    // empty at the start, as on a first start.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    if (argc > 1 && argv[1][0] != '-') {
        for (const auto& test_class : UiTestClasses()) {
            if (test_class.name != argv[1]) continue;
            argv[1] = argv[0];  // Qt Test sees the program name and the options after the class
            return rw::ui::test::RunClass(test_class, argc - 1, argv + 1);
        }
        std::fprintf(stderr, "ui_tests: no test class %s (see --classes)\n", argv[1]);
        return 2;
    }
    int failures = 0;
    for (const auto& test_class : UiTestClasses()) {
        failures += rw::ui::test::RunClass(test_class, argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
