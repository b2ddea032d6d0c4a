// Runs every test class registered with TROCHIX_UI_TEST (UiTestRegistry.h).
#include "UiTestRegistry.h"

#include <QApplication>

#include <clocale>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <iostream>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    app.setAttribute(Qt::AA_Use96Dpi, true);
    auto& tests = trochix::uitest::RegisteredTests();
    std::sort(tests.begin(), tests.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });

    // "ui_tests ClassName [qtest args]" runs one class.
    const char* only = nullptr;
    if (argc > 1 && argv[1][0] != '-') {
        for (const auto& t : tests)
            if (t.name == argv[1])
                only = argv[1];
        if (!only) {
            std::cerr << "no test class named " << argv[1] << "\n";
            return 1;
        }
    }
    std::vector<char*> args(argv, argv + argc);
    if (only)
        args.erase(args.begin() + 1);

    int failures = 0;
    for (const auto& t : tests) {
        if (only && t.name != only)
            continue;
        std::unique_ptr<QObject> object(t.make());
        failures += QTest::qExec(object.get(), static_cast<int>(args.size()), args.data());
    }
    return std::min(failures, 127);
}
