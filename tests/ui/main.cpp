// Runs every test class registered with TROCHIX_UI_TEST (UiTestRegistry.h).
#include "UiTestRegistry.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <clocale>
#include <iostream>
#include <memory>
#include <string>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    app.setAttribute(Qt::AA_Use96Dpi, true);
    auto& tests = trochix::uitest::RegisteredTests();
    std::sort(tests.begin(), tests.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });

    // "ui_tests ClassName [qtest args]" runs one class.
    std::vector<char*> args(argv, argv + argc);
    std::string only;
    if (argc > 1 && argv[1][0] != '-') {
        only = argv[1];
        args.erase(args.begin() + 1);
        if (std::none_of(tests.begin(), tests.end(),
                         [&](const auto& t) { return t.name == only; })) {
            std::cerr << "no test class named " << only << "\n";
            return 1;
        }
    }
    int failures = 0;
    for (const auto& t : tests)
        if (only.empty() || t.name == only) {
            std::unique_ptr<QObject> object(t.make());
            failures += QTest::qExec(object.get(), static_cast<int>(args.size()), args.data());
        }
    return std::min(failures, 127);
}
