#include <QCoreApplication>
#include <QLoggingCategory>
#include <QtTest>

#include <memory>

QObject* createTransferTest();
QObject* createLinkTableTest();

// Runs every test class of the transport; any failure fails the executable.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // Thousands of transfers run here; their step-by-step log would drown the
    // test output. The test of the log turns it on for itself.
    QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.*.debug=false"));
    int failures = 0;
    for (auto create : {createLinkTableTest, createTransferTest}) {
        std::unique_ptr<QObject> test(create());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
