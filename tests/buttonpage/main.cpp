// SPDX-License-Identifier: GPL-3.0-or-later
#include "ButtonPageTests.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QtTest>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The status poll of the open windows would drown the test output.
    QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.*.debug=false"));
    int failures = 0;
    {
        TestKeyRules rules;
        failures += QTest::qExec(&rules, argc, argv);
    }
    {
        TestKeyDialogs dialogs;
        failures += QTest::qExec(&dialogs, argc, argv);
    }
    {
        TestButtonPage page;
        failures += QTest::qExec(&page, argc, argv);
    }
    return failures;
}
