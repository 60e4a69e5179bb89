// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestClasses.h"

#include <QByteArray>
#include <QMetaObject>
#include <QtTest>

#include <algorithm>

namespace {

bool isFunctionOf(const QObject* test, const QByteArray& arg)
{
    const QByteArray name = arg.split(':').first() + "()";
    return test->metaObject()->indexOfMethod(name.constData()) >= 0;
}

} // namespace

int runTestClasses(const QVector<QObject*>& tests, int argc, char** argv)
{
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
            if (!isFunction(argv[i])) {
                args << argv[i];
            } else if (isFunctionOf(test, argv[i])) {
                args << argv[i];
                own = true;
            }
        }
        if (!named || own)
            failed += QTest::qExec(test, int(args.size()), args.data()) != 0;
    }
    return failed;
}
