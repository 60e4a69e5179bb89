// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/AppPaths.h"
#include "storage/ConfigSeeding.h"
#include "support/TempAppDir.h"

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& contents)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
}

QStringList filesBelow(const QString& dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(dir).relativeFilePath(it.next()));
    files.sort();
    return files;
}

// A prefix laid out as an installation: programs in bin/, the model's data
// and the sample configuration in share/mousecfg/, shipped read-only.
struct InstalledPrefix
{
    InstalledPrefix()
    {
        QDir().mkpath(prefix.path() + QStringLiteral("/bin"));
        writeFile(share() + QStringLiteral("/DefaultProfile.bin"), "[PROFILE]\nProductName=Wren\n");
        writeFile(share() + QStringLiteral("/Configs/Config.ini"), "[Mouse_List]\n0=Wren\n");
        writeFile(share() + QStringLiteral("/Configs/LangConfig.ini"), "[Config]\nLangID=1\n");
        QFile::setPermissions(share() + QStringLiteral("/Configs/Config.ini"),
                              QFile::ReadOwner | QFile::ReadOther);
        qputenv("XDG_CONFIG_HOME", xdg.path().toLocal8Bit());
    }
    ~InstalledPrefix() { qunsetenv("XDG_CONFIG_HOME"); }

    QString bin() const { return prefix.path() + QStringLiteral("/bin"); }
    QString share() const { return prefix.path() + QStringLiteral("/share/mousecfg"); }
    QString userConfig() const { return xdg.path() + QStringLiteral("/mousecfg"); }

    QTemporaryDir prefix;
    QTemporaryDir xdg;
};

struct Run
{
    int exitCode = -1;
    QByteArray err;
};

Run runTool(const QStringList& arguments, const QByteArray& loggingRules = QByteArray())
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_LOGGING_RULES"));
    if (!loggingRules.isEmpty())
        environment.insert(QStringLiteral("QT_LOGGING_RULES"), QString::fromLatin1(loggingRules));
    process.setProcessEnvironment(environment);
    process.start(TempAppDir::executable(QStringLiteral("mousecfgctl")), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitCode();
    run.err = process.readAllStandardError();
    return run;
}

// The utility's error output up to the line that says it runs.
QByteArray startupOutput(const QString& appDir, const QStringList& extra)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_LOGGING_RULES"));
    process.setProcessEnvironment(environment);
    process.start(TempAppDir::executable(QStringLiteral("mousecfg")),
                  QStringList{QStringLiteral("--virtual"), QStringLiteral("--app-dir"), appDir} + extra);
    QByteArray output;
    QElapsedTimer waited;
    waited.start();
    while (!output.contains("mousecfg: running") && process.state() != QProcess::NotRunning &&
           !waited.hasExpired(60000)) {
        process.waitForReadyRead(1000);
        output += process.readAllStandardError();
    }
    process.kill();
    process.waitForFinished(10000);
    return output;
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void installedCopyKeepsItsStateInTheUserConfigFolder()
    {
        const InstalledPrefix installed;
        const AppPaths paths = AppPaths::forExecutable(installed.bin());
        QVERIFY(!paths.isPortable());
        QCOMPARE(paths.productDescriptionFile(), installed.share() + QStringLiteral("/DefaultProfile.bin"));
        QCOMPARE(paths.skinFile(QStringLiteral("a.png")), installed.share() + QStringLiteral("/skin/a.png"));
        QCOMPARE(paths.configFile(), installed.userConfig() + QStringLiteral("/Config.ini"));
        QCOMPARE(paths.profileDir(QStringLiteral("Wren")),
                 installed.userConfig() + QStringLiteral("/Wren/Profile"));
    }

    void portableCopyKeepsItsStateBesideItself()
    {
        const InstalledPrefix elsewhere; // an XDG folder that must stay unused
        const TempAppDir app;
        const QStringList before = filesBelow(app.path());
        const AppPaths paths = AppPaths::forExecutable(app.path());
        QVERIFY(paths.isPortable());
        QCOMPARE(paths.configFile(), app.path() + QStringLiteral("/Configs/Config.ini"));
        QVERIFY(ConfigSeeding::seedIfFirstStart(paths).isOk());
        QCOMPARE(filesBelow(app.path()), before);
        QVERIFY(!QFileInfo::exists(elsewhere.userConfig()));
    }

    void firstStartSeedsTheUserConfigOnce()
    {
        const InstalledPrefix installed;
        const AppPaths paths = AppPaths::forExecutable(installed.bin());
        const QStringList shipped = filesBelow(installed.prefix.path());

        QVERIFY(ConfigSeeding::seedIfFirstStart(paths).isOk());
        QCOMPARE(readAll(paths.configFile()), QByteArray("[Mouse_List]\n0=Wren\n"));
        QCOMPARE(readAll(paths.langConfigFile()), QByteArray("[Config]\nLangID=1\n"));
        QVERIFY(QFileInfo(paths.macroDir()).isDir());
        QVERIFY(QFileInfo(paths.configDir() + QStringLiteral("/Profile")).isDir());
        // The copy of a read-only shipped file is the user's to change.
        QVERIFY(QFileInfo(paths.configFile()).permissions() & QFile::WriteOwner);

        // Later starts keep what the user has; the installation is never written.
        writeFile(paths.configFile(), "[Mouse_List]\n0=Mine\n");
        QFile::remove(paths.langConfigFile());
        QVERIFY(ConfigSeeding::seedIfFirstStart(paths).isOk());
        QCOMPARE(readAll(paths.configFile()), QByteArray("[Mouse_List]\n0=Mine\n"));
        QVERIFY(!QFileInfo::exists(paths.langConfigFile()));
        QCOMPARE(filesBelow(installed.prefix.path()), shipped);
    }

    void seedingThatCannotWriteSaysWhere()
    {
        const InstalledPrefix installed;
        // A file where the configuration folder should be.
        writeFile(installed.userConfig(), "in the way");
        const StorageResult result =
            ConfigSeeding::seedIfFirstStart(AppPaths::forExecutable(installed.bin()));
        QVERIFY(!result.isOk());
        QVERIFY2(result.errorMessage().contains(QDir::toNativeSeparators(installed.userConfig())),
                 qPrintable(result.errorMessage()));
    }

    void toolIsQuietUnlessAsked()
    {
        const TempAppDir app;
        const QStringList status = {QStringLiteral("--virtual"), QStringLiteral("--app-dir"), app.path(),
                                    QStringLiteral("status")};
        const Run quiet = runTool(status);
        QCOMPARE(quiet.exitCode, 0);
        QCOMPARE(quiet.err, QByteArray());

        const Run verbose = runTool(QStringList{QStringLiteral("--verbose")} + status);
        QCOMPARE(verbose.exitCode, 0);
        QVERIFY2(verbose.err.contains("hid_read 1 f"), verbose.err.constData());
        QVERIFY(verbose.err.contains("virtual:HID#"));

        const Run byRules = runTool(status, "mousecfg.status.debug=true");
        QVERIFY(byRules.err.contains("hid_read 1 f"));
        QVERIFY(!byRules.err.contains("virtual:HID#"));
    }

    void windowIsQuietUnlessAsked()
    {
        const TempAppDir app;
        const QByteArray quiet = startupOutput(app.path(), {});
        QVERIFY2(quiet.contains("mousecfg: running"), quiet.constData());
        QVERIFY2(!quiet.contains("virtual:HID#"), quiet.constData());
        const QByteArray verbose = startupOutput(app.path(), {QStringLiteral("--verbose")});
        QVERIFY2(verbose.contains("virtual:HID#"), verbose.constData());
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
