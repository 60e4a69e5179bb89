// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditJourneys.h"
#include "LibraryJourneys.h"
#include "MacroJourneys.h"
#include "ReachTest.h"

#include <QApplication>
#include <QtTest>

namespace {

bool isFunctionOf(const QObject* test, const QByteArray& arg)
{
    const QByteArray name = arg.split(':').first() + "()";
    return test->metaObject()->indexOfMethod(name.constData()) >= 0;
}

} // namespace

// The area's test classes, one after the other; the exit code counts the
// classes that failed. A test function named on the command line runs in
// its own class, and only the classes with such a function run (CTest runs
// the pointer's reach again at scale 2 this way); other arguments go to all.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ReachTest reach;
    EditJourneys edits;
    LibraryJourneys library;
    MacroJourneys macros;
    const QVector<QObject*> tests{&reach, &edits, &library, &macros};
    const auto isFunction = [&tests](const QByteArray& arg) {
        return std::any_of(tests.begin(), tests.end(), [&arg](QObject* t) { return isFunctionOf(t, arg); });
    };
    bool named = false;
    for (int i = 1; i < argc; ++i)
        named = named || isFunction(argv[i]);
    int failed = 0;
    for (QObject* test : tests) {
        QVector<char*> args{argv[0]};
        bool own = false;
        for (int i = 1; i < argc; ++i) {
            if (!isFunction(argv[i]))
                args << argv[i];
            else if (isFunctionOf(test, argv[i]))
                args << argv[i], own = true;
        }
        if (!named || own)
            failed += QTest::qExec(test, int(args.size()), args.data()) != 0;
    }
    return failed;
}
