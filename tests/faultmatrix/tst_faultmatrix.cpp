// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/ApplyJob.h"
#include "device/DeviceSession.h"
#include "hid/DeviceServices.h"
#include "protocol/FunctionTable.h"
#include "sim/VirtualMouse.h"
#include "storage/AppConfig.h"
#include "storage/MacroFiles.h"
#include "storage/ModelDescription.h"
#include "storage/ProfileSetStore.h"
#include "support/TempAppDir.h"

#include <QDirIterator>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <map>
#include <mutex>

// Every fault the virtual mouse can show, injected at every transfer of a
// whole apply with twelve macros in turn: each run must end with the result
// the transfer rules give, and leave on disk exactly what an apply saves.
namespace {

const QString kModel = QStringLiteral("Wren W8");
constexpr int kMacros = 12;

enum class Fault
{
    WriteError,  // the write of the transfer fails
    ReadTimeOut, // from the transfer on, no read brings a report
    ZeroReplies, // from the transfer on, replies are all zero
    WrongEcho,   // from the transfer on, echoes come back with a changed byte
    Unplug       // the mouse goes away right after the transfer's write
};

const char* faultName(Fault fault)
{
    switch (fault) {
    case Fault::WriteError:
        return "write error";
    case Fault::ReadTimeOut:
        return "read time-out";
    case Fault::ZeroReplies:
        return "all-zero replies";
    case Fault::WrongEcho:
        return "wrong echo";
    case Fault::Unplug:
        return "unplug";
    }
    return "";
}

using FileMap = std::map<QString, QByteArray>;

FileMap filesBelow(const QString& dir)
{
    FileMap files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files[QDir(dir).relativeFilePath(path)] = file.readAll();
    }
    return files;
}

void writeFiles(const QString& dir, const FileMap& files)
{
    for (const auto& entry : files) {
        const QString path = dir + QLatin1Char('/') + entry.first;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(entry.second);
    }
}

// Every key of an INI file but one, with its value.
QMap<QString, QVariant> settingsWithout(const QString& path, const QString& skipped)
{
    QMap<QString, QVariant> values;
    const QSettings settings(path, QSettings::IniFormat);
    for (const QString& key : settings.allKeys()) {
        if (key != skipped)
            values.insert(key, settings.value(key));
    }
    return values;
}

// The stored state an apply starts from: the sample model's files and
// twelve macro files, each marked as changed since the last transfer.
FileMap storedState(const TempAppDir& app)
{
    MacroFiles macros(app.paths());
    for (int m = 0; m < kMacros; ++m) {
        MacroRecord macro;
        macro.name = QStringLiteral("macro%1").arg(m);
        for (int e = 0; e <= m; ++e)
            macro.events.append(MacroEvent{quint8(0x84), quint8(0x1E + e), 0});
        if (!macros.save(macro).isOk())
            return FileMap();
    }
    return filesBelow(app.paths().configDir());
}

// What the user applies: the stored set with a changed DPI stage and the
// twelve macros on the first profile's buttons.
ProfileSet workingSet(const AppPaths& paths)
{
    ProfileSet set;
    ProfileSetStore(paths, kModel).loadSet(set);
    set.profiles[0].dpi = quint8((set.profiles[0].dpi + 1) % 4);
    for (int m = 0; m < kMacros; ++m) {
        ButtonAssignment& button = set.profiles[0].buttons[m];
        button.Fun = FunctionTable::Macro;
        button.macroname = QStringLiteral("macro%1").arg(m);
    }
    return set;
}

// Each save ends with a flush to the disk; a memory-backed folder, where the
// system has one, keeps hundreds of applies fast.
QString scratchTemplate()
{
    const QString memory = QStringLiteral("/dev/shm");
    return QFileInfo(memory).isWritable() ? memory + QStringLiteral("/tst_faultmatrix-XXXXXX")
                                          : QDir::tempPath() + QStringLiteral("/tst_faultmatrix-XXXXXX");
}

// One apply on a fresh virtual mouse in a fresh copy of the stored state.
// A status query as written (after its report id) or a status reply as read.
bool isPollReport(const QByteArray& bytes)
{
    static const QByteArray status = QByteArray::fromHex("0aaaffdd");
    return bytes.startsWith(status) || bytes.mid(1).startsWith(status);
}

class ApplyRun
{
public:
    ApplyRun(const FileMap& stored, const QString& productDescription)
        : m_dir(scratchTemplate()), m_mouse(std::make_shared<VirtualMouse>()),
          m_devices(m_mouse, m_mouse->clock()), m_paths(m_dir.path() + QStringLiteral("/app"))
    {
        writeFiles(m_paths.configDir(), stored);
        QFile::copy(productDescription, m_paths.productDescriptionFile());
        m_session = std::make_unique<DeviceSession>(m_devices, m_paths);
        m_session->initialise(kModel);
        m_session->setCurrentModel(kModel);
        m_session->open();
        // The apply is to have the mouse to itself from the first transfer.
        m_session->stopPolling();
    }
    ~ApplyRun() { m_mouse->setTraceObserver(nullptr); }

    VirtualMouse& mouse() { return *m_mouse; }
    QString configDir() const { return m_paths.configDir(); }

    // Applies and waits for the outcome; runs observer on every report.
    bool apply(std::function<void(const TraceRecord&)> observer, ApplyOutcome& outcome)
    {
        // The poll starts again as soon as the apply ends, before the
        // session reports back: its status queries and replies are not the
        // apply's transfers.
        m_mouse->setTraceObserver([observer = std::move(observer)](const TraceRecord& record) {
            if (!isPollReport(record.bytes))
                observer(record);
        });
        ApplyJob job;
        job.paths = m_paths;
        job.modelName = kModel;
        job.working = workingSet(m_paths);
        job.previous = job.working;
        job.model = ModelDescription::read(m_paths, kModel);
        // Room for a macro on twelve buttons: every slot of the button table in use.
        job.model.buttonCount = ModelDescription::kButtonSlots;
        for (int i = 0; i < ModelDescription::kButtonSlots; ++i)
            job.model.slotTable[i] = quint8(i);
        QSignalSpy finished(m_session.get(), &DeviceSession::applyFinished);
        if (!m_session->apply(job) || !finished.wait(60000))
            return false;
        m_session->stopPolling();
        m_mouse->setTraceObserver(nullptr);
        outcome = finished.first().first().value<ApplyOutcome>();
        return true;
    }

private:
    QTemporaryDir m_dir;
    std::shared_ptr<VirtualMouse> m_mouse;
    DeviceServices m_devices;
    AppPaths m_paths;
    std::unique_ptr<DeviceSession> m_session;
};

// Sets up the fault of a run as the transfers go by: writes are counted,
// and the fault starts at the transfer it is for.
class Injector
{
public:
    Injector(VirtualMouse& mouse, Fault fault, int transfer) : m_mouse(mouse), m_fault(fault), m_at(transfer)
    {
        if (fault == Fault::WriteError && transfer == 0)
            failNextWrite();
    }

    void operator()(const TraceRecord& record)
    {
        if (record.direction != TraceRecord::Written)
            return;
        const int index = m_writes++;
        if (m_fault == Fault::WriteError && index == m_at - 1)
            failNextWrite();
        if (index != m_at || m_fault == Fault::WriteError)
            return;
        VirtualMouseFaults faults;
        switch (m_fault) {
        case Fault::ReadTimeOut:
            faults.timedOutReads = VirtualMouseFaults::kAlways;
            break;
        case Fault::ZeroReplies:
            faults.zeroReplies = VirtualMouseFaults::kAlways;
            break;
        case Fault::WrongEcho:
            faults.corruptedEchoes = VirtualMouseFaults::kAlways;
            break;
        case Fault::Unplug:
            m_mouse.unplug(VirtualIdentity::Receiver);
            return;
        case Fault::WriteError:
            break;
        }
        m_mouse.setFaults(faults);
    }

private:
    void failNextWrite()
    {
        VirtualMouseFaults faults;
        faults.failingWrites = 1;
        m_mouse.setFaults(faults);
    }

    VirtualMouse& m_mouse;
    const Fault m_fault;
    const int m_at;
    std::atomic<int> m_writes{0};
};

} // namespace

Q_DECLARE_METATYPE(Fault)

class TestFaultMatrix : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_app.isValid());
        // Hundreds of applies: their transfer log would drown the results.
        QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.*.debug=false"));
        m_stored = storedState(m_app);
        QVERIFY(!m_stored.empty());

        // The run without faults: how many transfers an apply makes, which
        // of them read the echo back, and what it leaves on disk.
        ApplyRun run(m_stored, m_app.paths().productDescriptionFile());
        std::mutex mutex;
        QVector<TraceRecord> trace;
        ApplyOutcome outcome;
        QVERIFY(run.apply(
            [&](const TraceRecord& record) {
                std::lock_guard<std::mutex> lock(mutex);
                trace.append(record);
            },
            outcome));
        QCOMPARE(int(outcome.result), 0);
        for (const TraceRecord& record : trace) {
            if (record.direction == TraceRecord::Written)
                m_readsBack.append(false);
            else if (!m_readsBack.isEmpty())
                m_readsBack.last() = true;
        }
        // Two markers, performance, lighting, three button tables, two DPI
        // reports and nine reports for each macro.
        QCOMPARE(m_readsBack.size(), 2 + 2 + 3 + 2 + 9 * kMacros);
        m_applied = filesBelow(run.configDir());
        QVERIFY(m_applied != filesBelow(m_app.path() + QStringLiteral("/Configs")));
    }

    void everyFaultAtEveryTransfer_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("transfer");
        // Builds that run many times slower (the sanitizers) may take every
        // n-th transfer only, each fault kind starting at another one.
        const int stride = qMax(1, qEnvironmentVariableIntValue("MOUSECFG_FAULT_MATRIX_STRIDE"));
        int kind = 0;
        for (Fault fault :
             {Fault::WriteError, Fault::ReadTimeOut, Fault::ZeroReplies, Fault::WrongEcho, Fault::Unplug}) {
            for (int transfer = kind++ % stride; transfer < m_readsBack.size(); transfer += stride)
                QTest::addRow("%s at %d", faultName(fault), transfer) << fault << transfer;
        }
    }

    void everyFaultAtEveryTransfer()
    {
        QFETCH(Fault, fault);
        QFETCH(int, transfer);
        ApplyRun run(m_stored, m_app.paths().productDescriptionFile());
        Injector injector(run.mouse(), fault, transfer);
        ApplyOutcome outcome;
        QVERIFY2(run.apply(std::ref(injector), outcome), "the apply did not end");
        QCOMPARE(int(outcome.result), expectedResult(fault, transfer));
        QVERIFY(outcome.saved.isOk());
        checkFiles(run.configDir(), outcome.result);
    }

private:
    // The transfer rules: a failed write ends the apply at once; a mouse that
    // stops answering (no report, wrong echo) fails the first transfer that
    // waits for an echo; all-zero replies pass after six; a mouse that is
    // gone fails the next write.
    int expectedResult(Fault fault, int transfer) const
    {
        bool echoAwaited = false;
        for (int t = transfer; t < m_readsBack.size(); ++t)
            echoAwaited = echoAwaited || m_readsBack.at(t);
        switch (fault) {
        case Fault::WriteError:
        case Fault::Unplug:
            return 4;
        case Fault::ReadTimeOut:
        case Fault::WrongEcho:
            return echoAwaited ? 2 : 0;
        case Fault::ZeroReplies:
            return 0;
        }
        return -1;
    }

    // An apply saves the configuration and clears the change marks of the
    // macros it sends, whatever the mouse does; only Config/Diff tells
    // whether the mouse has it all.
    void checkFiles(const QString& configDir, quint8 result) const
    {
        const FileMap files = filesBelow(configDir);
        QCOMPARE(files.size(), m_applied.size());
        for (const auto& entry : m_applied) {
            QVERIFY2(files.count(entry.first), qPrintable(entry.first));
            if (entry.first != QLatin1String("Config.ini"))
                QVERIFY2(files.at(entry.first) == entry.second, qPrintable(entry.first + " differs"));
        }
        const QString config = configDir + QStringLiteral("/Config.ini");
        QCOMPARE(QSettings(config, QSettings::IniFormat).value(QStringLiteral("Config/Diff")).toInt(),
                 result != 0 ? 1 : 0);
        QTemporaryDir expectedDir;
        writeFiles(expectedDir.path(),
                   {{QStringLiteral("Config.ini"), m_applied.at(QStringLiteral("Config.ini"))}});
        QCOMPARE(settingsWithout(config, QStringLiteral("Config/Diff")),
                 settingsWithout(expectedDir.path() + QStringLiteral("/Config.ini"),
                                 QStringLiteral("Config/Diff")));
    }

    TempAppDir m_app;
    FileMap m_stored;
    QVector<bool> m_readsBack;
    FileMap m_applied;
};

QTEST_GUILESS_MAIN(TestFaultMatrix)
#include "tst_faultmatrix.moc"
