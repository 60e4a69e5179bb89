// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QByteArray>

int runDpiPageTests(int argc, char** argv);
int runPerformancePageTests(int argc, char** argv);
int runEndToEndTests(int argc, char** argv);

// The three groups of the DPI tab share one executable. A first argument
// "dpi", "performance" or "endtoend" runs that group alone, with the
// remaining arguments (test function names, say) passed on to it.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    struct Group
    {
        const char* name;
        int (*run)(int, char**);
    };
    const Group groups[] = {
        {"dpi", runDpiPageTests}, {"performance", runPerformancePageTests}, {"endtoend", runEndToEndTests}};
    if (argc > 1) {
        for (const Group& group : groups) {
            if (QByteArray(argv[1]) == group.name) {
                argv[1] = argv[0];
                return group.run(argc - 1, argv + 1);
            }
        }
    }
    int failed = 0;
    for (const Group& group : groups)
        failed += group.run(argc, argv);
    return failed;
}
