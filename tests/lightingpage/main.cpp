// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

int runColourModelTests(int argc, char** argv);
int runLightingPageTests(int argc, char** argv);
int runColourEditorTests(int argc, char** argv);
int runLightingEndToEndTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failures = 0;
    failures += runColourModelTests(argc, argv);
    failures += runLightingPageTests(argc, argv);
    failures += runColourEditorTests(argc, argv);
    failures += runLightingEndToEndTests(argc, argv);
    return failures;
}
