// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/osd/OsdServer.h"
#include "app/osd/OsdWindow.h"
#include "platform/LocalOsdClient.h"
#include "platform/OsdRecord.h"
#include "platform/PrivateRuntimeDir.h"

#include <QApplication>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <memory>

// The companion's socket is reachable by its own user only: the folder it
// lies in, and the peer check at both ends for whoever reaches it anyway.
// The cases with a second user run as root, which can act as "nobody".
namespace {

constexpr uint kOtherUid = 65534;

// What the program runs as when started as the other user's helper.
int serveAsHelper(const QString& path)
{
    QLocalServer server;
    server.setSocketOptions(QLocalServer::WorldAccessOption);
    if (!server.listen(path))
        return 2;
    QObject::connect(&server, &QLocalServer::newConnection, [&server] {
        while (QLocalSocket* socket = server.nextPendingConnection())
            socket->setParent(&server); // kept open: a listener that reads everything
    });
    std::fputs("listening\n", stdout);
    std::fflush(stdout);
    return QCoreApplication::exec();
}

// Sends one record; 0 when the server then closed the connection, 1 when it
// kept it open.
int sendAsHelper(const QString& path)
{
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(5000))
        return 2;
    socket.write(OsdRecord::build(QStringLiteral("from another user"), Qt::red));
    socket.flush();
    if (socket.state() != QLocalSocket::ConnectedState)
        return 0;
    return socket.waitForDisconnected(10000) ? 0 : 1;
}

// This process's user, as the owner of a file it makes.
uint ourUid()
{
    QTemporaryFile file;
    return file.open() ? QFileInfo(file.fileName()).ownerId() : uint(-2);
}

bool runs(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// "700" for a folder only its owner may use, from the owner's, the group's
// and the others' permissions.
QString modeOf(const QString& path)
{
    const int p = int(QFile::permissions(path));
    return QString::number((p >> 12) & 7) + QString::number((p >> 4) & 7) + QString::number(p & 7);
}

bool makeFolder(const QString& path, QFile::Permissions permissions)
{
    return QDir().mkpath(path) && QFile::setPermissions(path, permissions);
}

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions kOthersEnter =
    kOwnerOnly | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
constexpr QFile::Permissions kAnyoneWrites = kOthersEnter | QFile::WriteGroup | QFile::WriteOther;

} // namespace

class OsdSocketTest : public QObject
{
    Q_OBJECT

private:
    // Runs this program's copy as the other user; started, not waited for.
    void startAsOtherUser(QProcess& process, const QString& mode, const QString& path)
    {
        process.start(QStringLiteral("setpriv"), {QStringLiteral("--reuid=%1").arg(kOtherUid),
                                                  QStringLiteral("--regid=%1").arg(kOtherUid),
                                                  QStringLiteral("--clear-groups"), m_helper, mode, path});
    }
    bool canActAsOtherUser() const { return !m_helper.isEmpty(); }

    // A folder the other user may enter and write, and this program in it.
    std::unique_ptr<QTemporaryDir> m_shared;
    QString m_helper;

private Q_SLOTS:
    void initTestCase();
    void privateFolderIsMadeOnceAndReused();
    void foldersOthersCouldUseAreRefused();
    void companionRefusesAFolderOthersMayEnter();
    void companionDropsAnotherUsersClient();
    void clientRefusesAnotherUsersServer();
};

void OsdSocketTest::initTestCase()
{
    qRegisterMetaType<QProcess::ExitStatus>();
    if (ourUid() != 0 || QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        return;
    // Below /tmp: the test's own temporary folder may be closed to others.
    m_shared = std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/mousecfg-osdsocket-XXXXXX"));
    QVERIFY(m_shared->isValid());
    QVERIFY(QFile::setPermissions(m_shared->path(), kAnyoneWrites));
    const QString helper = m_shared->path() + QStringLiteral("/helper");
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), helper));
    QVERIFY(QFile::setPermissions(helper, kOthersEnter));
    m_helper = helper;
}

void OsdSocketTest::privateFolderIsMadeOnceAndReused()
{
    QTemporaryDir temp;
    const PrivateRuntimeDir made = PrivateRuntimeDir::locate(QString(), temp.path());
    QVERIFY2(made.isUsable(), qPrintable(made.error));
    QCOMPARE(made.path, temp.path() + QStringLiteral("/mousecfg-%1").arg(ourUid()));
    QCOMPARE(modeOf(made.path), QStringLiteral("700"));
    QCOMPARE(PrivateRuntimeDir::locate(QString(), temp.path()).path, made.path);

    // A private runtime folder is used as it is.
    QTemporaryDir runtime;
    QVERIFY(QFile::setPermissions(runtime.path(), kOwnerOnly));
    QCOMPARE(PrivateRuntimeDir::locate(runtime.path(), temp.path()).path, runtime.path());
    // One that others may enter, or a relative one, is passed over.
    QVERIFY(QFile::setPermissions(runtime.path(), kOthersEnter));
    QCOMPARE(PrivateRuntimeDir::locate(runtime.path(), temp.path()).path, made.path);
    QCOMPARE(PrivateRuntimeDir::locate(QStringLiteral("run/user"), temp.path()).path, made.path);
}

void OsdSocketTest::foldersOthersCouldUseAreRefused()
{
    QTemporaryDir temp;
    const QString folder = temp.path() + QStringLiteral("/mousecfg-%1").arg(ourUid());

    // Ours, but others may enter it.
    QVERIFY(makeFolder(folder, kOthersEnter));
    PrivateRuntimeDir refused = PrivateRuntimeDir::locate(QString(), temp.path());
    QVERIFY(!refused.isUsable());
    QVERIFY2(refused.error.contains(QStringLiteral("0755")), qPrintable(refused.error));
    QCOMPARE(modeOf(folder), QStringLiteral("755")); // left as it was found

    // A link to a private folder of ours: whoever made the link may change it.
    QVERIFY(QDir(folder).removeRecursively());
    QTemporaryDir target;
    QVERIFY(QFile::setPermissions(target.path(), kOwnerOnly));
    QVERIFY(QFile::link(target.path(), folder));
    refused = PrivateRuntimeDir::locate(QString(), temp.path());
    QVERIFY(!refused.isUsable());
    QVERIFY2(refused.error.contains(QStringLiteral("not a folder")), qPrintable(refused.error));

    // A file in its place.
    QVERIFY(QFile::remove(folder));
    QFile file(folder);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(!PrivateRuntimeDir::locate(QString(), temp.path()).isUsable());
    QVERIFY(QFile::remove(folder));

    // Another user's, closed as ours would be: that user could listen in it.
    if (!canActAsOtherUser())
        QSKIP("making a folder of another user needs root and setpriv");
    QVERIFY(makeFolder(folder, kOwnerOnly));
    QVERIFY(runs(QStringLiteral("chown"), {QString::number(kOtherUid), folder}));
    refused = PrivateRuntimeDir::locate(QString(), temp.path());
    QVERIFY(!refused.isUsable());
    QVERIFY2(refused.error.contains(QStringLiteral("another user")), qPrintable(refused.error));
    // The same as the runtime folder: passed over for a private one.
    const QString fallback = QDir(target.path()).filePath(QStringLiteral("mousecfg-%1").arg(ourUid()));
    QCOMPARE(PrivateRuntimeDir::locate(folder, target.path()).path, fallback);
}

// The installed companion, started with nothing but a temporary folder that
// holds an open folder under our name, ends with status 1 and never listens.
void OsdSocketTest::companionRefusesAFolderOthersMayEnter()
{
    const QString bin = QString::fromLocal8Bit(qgetenv("MOUSECFG_BIN_DIR"));
    if (bin.isEmpty())
        QSKIP("MOUSECFG_BIN_DIR is not set");
    QTemporaryDir temp;
    const QString folder = temp.path() + QStringLiteral("/mousecfg-%1").arg(ourUid());
    QVERIFY(makeFolder(folder, kAnyoneWrites));
    QProcess companion;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment.insert(QStringLiteral("TMPDIR"), temp.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    companion.setProcessEnvironment(environment);
    companion.start(bin + QStringLiteral("/mousecfg-osd"), QStringList());
    QVERIFY(companion.waitForFinished(30000));
    QCOMPARE(companion.exitCode(), 1);
    QVERIFY2(companion.readAllStandardError().contains("0777"), "the refusal names the folder's mode");
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), QStringList());
}

// A client of another user who reaches the socket (here its folder and the
// socket are left open on purpose) is dropped unread; our own is served.
void OsdSocketTest::companionDropsAnotherUsersClient()
{
    if (!canActAsOtherUser())
        QSKIP("a client of another user needs root and setpriv");
    const QString name = m_shared->path() + QStringLiteral("/osd");
    OsdWindow window;
    OsdServer server(window, name);
    QVERIFY(server.listen());
    QVERIFY(QFile::setPermissions(name, kAnyoneWrites));
    QSignalSpy shown(&server, &OsdServer::messageShown);

    QProcess intruder;
    QSignalSpy finished(&intruder, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished));
    startAsOtherUser(intruder, QStringLiteral("--send"), name);
    QVERIFY(finished.wait(30000));
    QVERIFY2(intruder.exitCode() == 0, intruder.exitCode() == 1
                                           ? "the companion kept another user's connection open"
                                           : qPrintable(intruder.readAllStandardError()));

    LocalOsdClient own(name, [] { return false; });
    own.showText(QStringLiteral("DPI 2:1600"), Qt::green);
    QVERIFY(shown.wait(5000));
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).at(0).toString(), QStringLiteral("DPI 2:1600"));
    QCOMPARE(window.text(), QStringLiteral("DPI 2:1600"));
}

// A server of another user on the name gets no text, and our companion does
// not take it for one of its own.
void OsdSocketTest::clientRefusesAnotherUsersServer()
{
    if (!canActAsOtherUser())
        QSKIP("a server of another user needs root and setpriv");
    const QString name = m_shared->path() + QStringLiteral("/osd-taken");
    QProcess squatter;
    startAsOtherUser(squatter, QStringLiteral("--serve"), name);
    QVERIFY(squatter.waitForReadyRead(30000));
    QCOMPARE(squatter.readLine(), QByteArray("listening\n"));

    int starts = 0;
    LocalOsdClient client(name, [&starts] {
        ++starts;
        return false;
    });
    QSignalSpy delivered(&client, &LocalOsdClient::delivered);
    QSignalSpy dropped(&client, &LocalOsdClient::dropped);
    client.showText(QStringLiteral("Profile 3"), Qt::blue);
    // Connecting to a local socket may complete within the call.
    QTRY_COMPARE_WITH_TIMEOUT(dropped.size(), 1, 10000);
    QCOMPARE(delivered.size(), 0);
    QCOMPARE(starts, 0);
    QVERIFY(!client.isWaiting());

    OsdWindow window;
    OsdServer server(window, name);
    QVERIFY(!server.listen());
    QVERIFY(server.isRefused());

    squatter.kill();
    QVERIFY(squatter.waitForFinished(30000));
}

int main(int argc, char** argv)
{
    if (argc == 3 && (qstrcmp(argv[1], "--serve") == 0 || qstrcmp(argv[1], "--send") == 0)) {
        QCoreApplication app(argc, argv);
        const QString path = QString::fromLocal8Bit(argv[2]);
        return qstrcmp(argv[1], "--serve") == 0 ? serveAsHelper(path) : sendAsHelper(path);
    }
    QApplication app(argc, argv);
    OsdSocketTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_osdsocket.moc"
