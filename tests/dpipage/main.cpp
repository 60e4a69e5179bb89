#include <QApplication>

int runDpiPageTests(int argc, char** argv);
int runPerformancePageTests(int argc, char** argv);
int runEndToEndTests(int argc, char** argv);

// The three groups of the DPI tab share one executable.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failed = 0;
    failed += runDpiPageTests(argc, argv);
    failed += runPerformancePageTests(argc, argv);
    failed += runEndToEndTests(argc, argv);
    return failed;
}
