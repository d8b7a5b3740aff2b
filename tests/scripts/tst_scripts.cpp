#include "testsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <pwd.h>
#include <unistd.h>

// The scripts in a throw-away copy of the checkout, with stand-ins for the
// package tools, the build tools, the program and sudo on a PATH of their
// own: nothing is installed and nothing real is built.
namespace {

struct Outcome {
    int code = -1;
    QString out;
    QString err;
};

// One stand-in call: the user it ran as, and its arguments.
struct Call {
    uint uid;
    QString arguments;
};

// A name with a blank and a quote, which a line to paste must quote.
const QString kCheckoutName = QStringLiteral("la caisse d'Anne");

const char *const kRealTools[] = {"bash", "env", "dirname", "grep", "stat", "getent", "find",
                                  "chown", "mkdir", "setpriv", "cp", "rm", "chmod"};

const char *const kLog = "printf '%s %s %s\\n' \"${0##*/}\" \"$(id -u)\" \"$*\" >> \"$VDL_LOG\"\n";

class FakeCheckout
{
public:
    // With `fakeUid`, `id` says that uid instead of the real one, and sudo or
    // su make it 0.
    explicit FakeCheckout(bool withSudo, bool fakeUid)
    {
        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                | QFileDevice::ReadOther | QFileDevice::ExeOther
                                                | QFileDevice::ReadGroup | QFileDevice::ExeGroup);
        QDir(m_dir.path()).mkpath(QStringLiteral("tools"));
        QDir(m_dir.path()).mkpath(kCheckoutName + QStringLiteral("/scripts"));
        const QDir source(QStringLiteral(VDL_SOURCE_DIR "/scripts"));
        for (const QString &name : source.entryList(QDir::Files))
            QFile::copy(source.filePath(name), checkout() + "/scripts/" + name);

        QStringList linked(std::begin(kRealTools), std::end(kRealTools));
        if (!fakeUid)
            linked.append(QStringLiteral("id"));
        for (const QString &tool : linked) {
            const QString real = QStandardPaths::findExecutable(tool);
            if (real.isEmpty())
                qFatal("%s is not installed", qPrintable(tool));
            QFile::link(real, tools() + '/' + tool);
        }
        writeLog({});
        QFile::setPermissions(log(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                         | QFileDevice::WriteGroup | QFileDevice::ReadOther
                                         | QFileDevice::WriteOther);

        if (fakeUid)
            stub("id", "[ \"$1\" = -u ] || [ \"$1\" = -g ] || exit 9\necho \"$FAKE_UID\"\n");
        if (withSudo)
            stub("sudo", QByteArray(kLog) + "FAKE_UID=0 exec \"$@\"\n");
        stub("su", QByteArray(kLog) + "[ \"$1\" = -c ] && [ $# -eq 2 ] || exit 9\nFAKE_UID=0 exec bash -c \"$2\"\n");
        stub("dpkg-query", "case \" $FAKE_MISSING \" in *\" ${@: -1} \"*) exit 1 ;; esac\n"
                           "printf 'install ok installed'\n");
        stub("apt-get", kLog);
        stub("ctest", kLog);
        // Writes into the build folder as the real tools do: it fails on a
        // file the user may not rewrite, and links the program afresh.
        stub("cmake", QByteArray(kLog) + "set -e\n"
                                         "if [ \"$1\" = --build ]; then\n"
                                         "  mkdir -p \"$2/bin\"\n"
                                         "  echo built >> \"$2/.ninja_log\"\n"
                                         "  rm -f \"$2/bin/vandrelico\"\n"
                                         "  cp \"$VDL_TOOLS/program\" \"$2/bin/vandrelico\"\n"
                                         "else\n"
                                         "  while [ \"$1\" != -B ]; do shift; done\n"
                                         "  mkdir -p \"$2/Resources\"\n"
                                         "  echo configured >> \"$2/CMakeCache.txt\"\n"
                                         "  echo logo > \"$2/Resources/logo.png\"\n"
                                         "fi\n");
        stub("program", QByteArray(kLog) + "echo 0.12 > ValComm.txt\nexit \"${FAKE_EXIT:-0}\"\n");
    }

    QString root() const { return m_dir.path(); }
    QString checkout() const { return m_dir.filePath(kCheckoutName); }
    QString tools() const { return m_dir.filePath(QStringLiteral("tools")); }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString log() const { return m_dir.filePath(QStringLiteral("calls.log")); }

    void writeLog(const QByteArray &content) const
    {
        QFile file(log());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write the calls log");
        file.write(content);
    }

    // The calls of one stand-in, in order.
    QList<Call> calls(const QString &tool) const
    {
        QFile file(log());
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read the calls log");
        QList<Call> found;
        for (const QByteArray &line : file.readAll().split('\n')) {
            const QStringList fields = QString::fromUtf8(line).split(' ');
            if (fields.size() >= 2 && fields[0] == tool)
                found.append({fields[1].toUInt(), fields.mid(2).join(' ')});
        }
        return found;
    }

    // Hands the checkout and everything in it to a user.
    void ownBy(uid_t uid, gid_t gid) const
    {
        for (const QString &file : everyFile(checkout()))
            if (::lchown(QFile::encodeName(file).constData(), uid, gid) != 0)
                qFatal("cannot hand %s over", qPrintable(file));
    }

    // Runs a command with the stand-ins alone on the PATH; as another user
    // when `uid` is given.
    Outcome run(QStringList command, const QString &folder, const QStringList &settings = {},
                int uid = -1, int gid = -1) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PATH"), tools());
        environment.insert(QStringLiteral("VDL_LOG"), log());
        environment.insert(QStringLiteral("VDL_TOOLS"), tools());
        environment.insert(QStringLiteral("FAKE_UID"), QStringLiteral("1000"));
        environment.insert(QStringLiteral("FAKE_MISSING"), QString());
        for (const QString &setting : settings)
            environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
        if (uid >= 0)
            command = QStringList{tools() + "/setpriv", "--reuid=" + QString::number(uid),
                                  "--regid=" + QString::number(gid), "--clear-groups", "--"}
                      + command;
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder);
        process.start(command.takeFirst(), command);
        Outcome outcome;
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            outcome.err = QStringLiteral("did not finish in time");
            return outcome;
        }
        outcome.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        outcome.out = QString::fromUtf8(process.readAllStandardOutput());
        outcome.err = QString::fromUtf8(process.readAllStandardError());
        return outcome;
    }

    Outcome script(const QString &name, const QStringList &settings = {}, int uid = -1, int gid = -1) const
    {
        return run({checkout() + "/scripts/" + name}, checkout(), settings, uid, gid);
    }

    // A line a script printed, pasted into a shell as it stands.
    Outcome paste(const QString &line, const QStringList &settings = {}) const
    {
        return run({tools() + "/bash", "-c", line}, m_dir.path(), settings);
    }

    // The folder and everything below it.
    static QStringList everyFile(const QString &folder)
    {
        QStringList files{folder};
        QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(it.next());
        return files;
    }

    // Every file below the folder (and itself) that is not the user's, "none"
    // when all are.
    static QString notOwnedBy(const QString &folder, uint uid, uint gid)
    {
        if (!QFileInfo::exists(folder))
            return folder + " is missing";
        for (const QString &file : everyFile(folder)) {
            const QFileInfo info(file);
            if (info.ownerId() != uid || info.groupId() != gid)
                return QStringLiteral("%1 of %2:%3").arg(file).arg(info.ownerId()).arg(info.groupId());
        }
        return QStringLiteral("none");
    }

private:
    void stub(const char *name, const QByteArray &body) const
    {
        QFile file(tools() + '/' + name);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write the stand-in %s", name);
        file.write("#!" + QFile::encodeName(QStandardPaths::findExecutable(QStringLiteral("bash"))) + '\n' + body);
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                            | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
                            | QFileDevice::ExeOther);
    }

    QTemporaryDir m_dir;
};

// What the script said to paste after "Run:  ", or an empty text.
QString lineToPaste(const QString &err)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Run:  (.*)$"),
                                                         QRegularExpression::MultilineOption)
                                          .match(err);
    return m.hasMatch() ? m.captured(1) : QString();
}

} // namespace

class TestDeps : public QObject
{
    Q_OBJECT

private slots:
    // A user who is not root is told the one line to paste, and that line
    // installs exactly the missing packages as root, with or without sudo.
    void deps_asUserPrintsALineThatInstallsAsRoot_data()
    {
        QTest::addColumn<bool>("withSudo");
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QString>("line");
        QTest::newRow("sudo") << true << "cmake g++" << "sudo apt-get install -y cmake g++";
        QTest::newRow("no sudo") << false << "cmake g++" << "su -c 'apt-get install -y cmake g++'";
        QTest::newRow("no sudo, the last package") << false << "libbenchmark-dev"
                                                   << "su -c 'apt-get install -y libbenchmark-dev'";
        QTest::newRow("sudo, every package")
            << true << "cmake ninja-build g++ qt6-base-dev libbenchmark-dev"
            << "sudo apt-get install -y cmake ninja-build g++ qt6-base-dev libbenchmark-dev";
    }
    void deps_asUserPrintsALineThatInstallsAsRoot()
    {
        QFETCH(bool, withSudo);
        QFETCH(QString, missing);
        QFETCH(QString, line);
        const FakeCheckout fake(withSudo, true);
        const QStringList settings{"FAKE_MISSING=" + missing};

        const Outcome deps = fake.script(QStringLiteral("deps"), settings);
        QCOMPARE(deps.code, 1);
        QVERIFY2(deps.err.contains("Missing packages. Run:  " + line + '\n'), qPrintable(deps.err));
        QVERIFY(fake.calls(QStringLiteral("apt-get")).isEmpty());

        const Outcome pasted = fake.paste(lineToPaste(deps.err), settings);
        QVERIFY2(pasted.code == 0, qPrintable(pasted.err));
        const QList<Call> installs = fake.calls(QStringLiteral("apt-get"));
        QCOMPARE(installs.size(), 1);
        QCOMPARE(installs[0].uid, 0u);
        QCOMPARE(installs[0].arguments, "install -y " + missing);
    }

    // Root gets the missing packages installed, and nothing is asked of
    // apt-get when none is missing.
    void deps_asRootInstallsWhatIsMissing_data()
    {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QStringList>("aptGet");
        QTest::newRow("none missing") << "" << QStringList();
        QTest::newRow("two missing") << "ninja-build qt6-base-dev"
                                     << QStringList{"update -qq", "install -y -qq ninja-build qt6-base-dev"};
    }
    void deps_asRootInstallsWhatIsMissing()
    {
        QFETCH(QString, missing);
        QFETCH(QStringList, aptGet);
        const FakeCheckout fake(false, true);

        const Outcome deps = fake.script(QStringLiteral("deps"), {"FAKE_UID=0", "FAKE_MISSING=" + missing});
        QVERIFY2(deps.code == 0, qPrintable(deps.err));
        QStringList calls;
        for (const Call &call : fake.calls(QStringLiteral("apt-get")))
            calls.append(call.arguments);
        QCOMPARE(calls, aptGet);
    }
};

// Root builds, tests and runs in a checkout another user owns. Needs root
// to hand the fake checkout over.
class TestOwner : public QObject
{
    Q_OBJECT

    uint m_nobody = 0;
    uint m_nogroup = 0;

    // A uid that has no account, as a checkout's owner may in a container.
    static uint uidWithoutAccount()
    {
        uint uid = 54321;
        while (::getpwuid(uid))
            ++uid;
        return uid;
    }

private slots:
    void initTestCase()
    {
        if (::geteuid() != 0)
            QSKIP("Only root can hand a checkout to another user: run as root to test the scripts as root.");
        const passwd *nobody = ::getpwnam("nobody");
        if (!nobody)
            QSKIP("This system has no user nobody to own a checkout.");
        m_nobody = nobody->pw_uid;
        m_nogroup = nobody->pw_gid;
    }

    // Root installs the packages, but the build (and the tests' run) is the
    // owner's: every file of build/ is the owner's, even one that an earlier
    // build as root left there.
    void build_asRootLeavesTheOwnersBuildFolder_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("rootsBuildLeft");
        QTest::addColumn<QString>("owner");
        QTest::newRow("build") << "build" << false << "nobody";
        QTest::newRow("test") << "test" << false << "nobody";
        QTest::newRow("build over root's build folder") << "build" << true << "nobody";
        QTest::newRow("build, owner without an account") << "build" << false << "no account";
        QTest::newRow("test, root's own checkout") << "test" << false << "root";
    }
    void build_asRootLeavesTheOwnersBuildFolder()
    {
        QFETCH(QString, script);
        QFETCH(bool, rootsBuildLeft);
        QFETCH(QString, owner);
        const FakeCheckout fake(false, false);
        uint uid = 0, gid = 0;
        if (owner == "nobody") {
            uid = m_nobody;
            gid = m_nogroup;
        } else if (owner == "no account") {
            uid = gid = uidWithoutAccount();
        }
        fake.ownBy(uid, gid);
        if (rootsBuildLeft) {
            QVERIFY(fake.run({fake.tools() + "/cmake", "-S", ".", "-B", fake.checkout() + "/build"},
                             fake.checkout()).code == 0);
            QCOMPARE(QFileInfo(fake.checkout() + "/build/CMakeCache.txt").ownerId(), 0u);
        }

        const Outcome outcome = fake.script(script, {"FAKE_MISSING=g++"});
        QVERIFY2(outcome.code == 0, qPrintable(outcome.err));
        QCOMPARE(FakeCheckout::notOwnedBy(fake.checkout() + "/build", uid, gid), QStringLiteral("none"));
        const QList<Call> installs = fake.calls(QStringLiteral("apt-get"));
        QVERIFY(!installs.isEmpty());
        for (const Call &call : installs)
            QCOMPARE(call.uid, 0u);
        const QList<Call> builds = fake.calls(QStringLiteral("cmake")).mid(rootsBuildLeft ? 1 : 0);
        QCOMPARE(builds.size(), 2);
        for (const Call &call : builds)
            QCOMPARE(call.uid, uid);
        const QList<Call> tests = fake.calls(QStringLiteral("ctest"));
        QCOMPARE(tests.size(), script == "test" ? 1 : 0);
        for (const Call &call : tests)
            QCOMPARE(call.uid, uid);
    }

    // Root and the owner build the same checkout in turn, in either order.
    void build_byRootAndOwnerInTurn_data()
    {
        QTest::addColumn<QStringList>("turns");
        QTest::newRow("root, then the owner") << QStringList{"root", "owner"};
        QTest::newRow("the owner, then root") << QStringList{"owner", "root"};
        QTest::newRow("owner, root, owner") << QStringList{"owner", "root", "owner"};
    }
    void build_byRootAndOwnerInTurn()
    {
        QFETCH(QStringList, turns);
        const FakeCheckout fake(false, false);
        fake.ownBy(m_nobody, m_nogroup);

        for (const QString &turn : turns) {
            const Outcome outcome = turn == "root"
                                        ? fake.script(QStringLiteral("build"))
                                        : fake.script(QStringLiteral("build"), {}, int(m_nobody), int(m_nogroup));
            QVERIFY2(outcome.code == 0, qPrintable(turn + ": " + outcome.err));
        }
        QCOMPARE(FakeCheckout::notOwnedBy(fake.checkout() + "/build", m_nobody, m_nogroup), QStringLiteral("none"));
        QCOMPARE(fake.calls(QStringLiteral("cmake")).size(), 2 * turns.size());
    }

    // A build folder root left behind stops the owner's build before it
    // writes anything, with a line to paste that gives the folder back.
    void build_asOwnerOverRootsFilesPrintsTheLineThatGivesThemBack_data()
    {
        QTest::addColumn<bool>("withSudo");
        QTest::newRow("sudo") << true;
        QTest::newRow("no sudo") << false;
    }
    void build_asOwnerOverRootsFilesPrintsTheLineThatGivesThemBack()
    {
        QFETCH(bool, withSudo);
        const FakeCheckout fake(withSudo, false);
        fake.ownBy(m_nobody, m_nogroup);
        QVERIFY(QDir(fake.checkout()).mkpath(QStringLiteral("build/Resources")));
        QFile leftover(fake.checkout() + "/build/Resources/logo.png");
        QVERIFY(leftover.open(QIODevice::WriteOnly));
        leftover.close();

        const Outcome refused = fake.script(QStringLiteral("build"), {}, int(m_nobody), int(m_nogroup));
        QVERIFY2(refused.code != 0, qPrintable(refused.err));
        QVERIFY(fake.calls(QStringLiteral("cmake")).isEmpty());
        const QString line = lineToPaste(refused.err);
        QVERIFY2(line.startsWith(withSudo ? "sudo chown -R " : "su -c 'chown -R "), qPrintable(refused.err));

        const Outcome pasted = fake.paste(line);
        QVERIFY2(pasted.code == 0, qPrintable(line + ": " + pasted.err));
        const Outcome built = fake.script(QStringLiteral("build"), {}, int(m_nobody), int(m_nogroup));
        QVERIFY2(built.code == 0, qPrintable(built.err));
        QCOMPARE(FakeCheckout::notOwnedBy(fake.checkout() + "/build", m_nobody, m_nogroup), QStringLiteral("none"));
    }

    // The program started by root writes as root; what it left in the
    // checkout's data/ is the owner's once it ends, however it ends. Another
    // folder root names is left as it is.
    void run_asRootHandsTheCheckoutsDataToItsOwner_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("owners");
        QTest::newRow("from the checkout") << "checkout" << "" << 0 << true;
        QTest::newRow("from the checkout, the program failing") << "checkout" << "" << 3 << true;
        QTest::newRow("data/ named") << "outside" << "checkout/data" << 0 << true;
        QTest::newRow("another folder") << "outside" << "fair" << 0 << false;
    }
    void run_asRootHandsTheCheckoutsDataToItsOwner()
    {
        QFETCH(QString, start);
        QFETCH(QString, folder);
        QFETCH(int, exitCode);
        QFETCH(bool, owners);
        const FakeCheckout fake(false, false);
        fake.ownBy(m_nobody, m_nogroup);
        const QString data = folder.isEmpty() || folder == "checkout/data" ? fake.checkout() + "/data"
                                                                            : fake.path(folder);
        QStringList command{fake.checkout() + "/scripts/run"};
        if (!folder.isEmpty())
            command.append(data);

        const Outcome outcome = fake.run(command, start == "checkout" ? fake.checkout() : fake.root(),
                                         {"FAKE_EXIT=" + QString::number(exitCode)});
        QVERIFY2(outcome.code == exitCode, qPrintable(outcome.err));
        QVERIFY2(outcome.out.contains("Data folder: " + data + '\n'), qPrintable(outcome.out));
        const QList<Call> started = fake.calls(QStringLiteral("vandrelico"));
        QCOMPARE(started.size(), 1);
        QCOMPARE(started[0].uid, 0u);
        QVERIFY(QFileInfo::exists(data + "/ValComm.txt"));
        if (owners)
            QCOMPARE(FakeCheckout::notOwnedBy(data, m_nobody, m_nogroup), QStringLiteral("none"));
        else
            QCOMPARE(FakeCheckout::notOwnedBy(data, 0, 0), QStringLiteral("none"));
        QCOMPARE(FakeCheckout::notOwnedBy(fake.checkout() + "/build", m_nobody, m_nogroup), QStringLiteral("none"));
    }
};

VDL_TEST(TestDeps)
VDL_TEST(TestOwner)

#include "tst_scripts.moc"
