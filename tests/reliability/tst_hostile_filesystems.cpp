// Real file systems that refuse writes: a read-only mount, a full disk, a file size limit, a user
// without write permission, a folder that does not exist. Archives report ArchiveError and lose
// nothing; INI files report failure and keep their old contents.

#include "Harness.h"
#include "SelfCheck.h"
#include "core/Archive.h"
#include "core/IniFile.h"
#include "core/RecordFile.h"
#include "warehouse/MagazzinoRecord.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int R = 4874; // Magazzino.pro
QByteArray rec(int n)
{
    return SelfCheck::makeRecord(R, 3, n);
}
const QByteArray kIni = "[Dati]\r\nRagione=Ferramenta Rossi\r\n";

// Runs one archive action; true when it reported ArchiveError.
bool fails(const QString &action, const Archive &a)
{
    try {
        if (action == QLatin1String("touch"))
            a.touch();
        else if (action == QLatin1String("count"))
            a.count();
        else if (action == QLatin1String("readAt"))
            a.readAt(1);
        else if (action == QLatin1String("append"))
            a.append(rec(99));
        else if (action == QLatin1String("overwrite"))
            a.overwrite(1, rec(99));
        else if (action == QLatin1String("scan"))
            a.scan([](qint64, const char *) { return true; });
        else
            qFatal("unknown action");
    } catch (const ArchiveError &) {
        return true;
    }
    return false;
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestHostileFileSystems : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readOnlyMount_data();
    void readOnlyMount();
    void diskFull();
    void fileSizeLimit();
    void userWithoutWritePermission_data();
    void userWithoutWritePermission();
    void iniSaveFailureKeepsOldFile_data();
    void iniSaveFailureKeepsOldFile();
    void archiveInMissingFolder();
};

void TestHostileFileSystems::readOnlyMount_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("existing");
    for (const char *a : {"touch", "count", "readAt", "append", "overwrite", "scan"})
        QTest::addRow("%s", a) << QString::fromLatin1(a) << true;
    QTest::newRow("touch a missing archive") << QStringLiteral("touch") << false;
    QTest::newRow("append to a missing archive") << QStringLiteral("append") << false;
}

void TestHostileFileSystems::readOnlyMount()
{
    QFETCH(QString, action);
    QFETCH(bool, existing);
    QTemporaryDir source;
    QTemporaryDir target;
    const QByteArray stored = rec(1) + rec(2);
    if (existing)
        Harness::writeFile(source.filePath(QStringLiteral("Magazzino.pro")), stored);
    Harness::writeFile(source.filePath(QStringLiteral("Taccuino.ini")), kIni);
    QString why;
    if (!Harness::bindReadOnly(source.path(), target.path(), &why))
        QSKIP(qPrintable(why));
    const QString path = target.filePath(QStringLiteral("Magazzino.pro"));

    const bool failed = fails(action, Archive(path, R));
    IniFile ini;
    QVERIFY(ini.load(target.filePath(QStringLiteral("Taccuino.ini"))));
    ini.setValue(QStringLiteral("Dati"), QStringLiteral("Ragione"), QStringLiteral("Altra ditta"));
    const bool iniSaved = ini.save(target.filePath(QStringLiteral("Taccuino.ini")));
    Harness::unmount(target.path());

    QVERIFY(failed);
    QVERIFY(!iniSaved);
    QCOMPARE(Harness::readFile(source.filePath(QStringLiteral("Taccuino.ini"))), kIni);
    if (existing)
        QCOMPARE(Harness::readFile(source.filePath(QStringLiteral("Magazzino.pro"))), stored);
    QCOMPARE(entries(source.path()).size(), existing ? 2 : 1);
}

void TestHostileFileSystems::diskFull()
{
    QTemporaryDir dir;
    QString why;
    if (!Harness::mountTmpfs(dir.path(), 64 * 1024, &why))
        QSKIP(qPrintable(why));
    const QString path = dir.filePath(QStringLiteral("Magazzino.pro"));
    const QString iniPath = dir.filePath(QStringLiteral("Taccuino.ini"));
    const QString filler = dir.filePath(QStringLiteral("filler"));
    Harness::writeFile(iniPath, kIni);
    Harness::writeFile(filler, QByteArray(8192, 'f'));
    const Archive archive(path, R);

    // Fill the disk with records until an append fails.
    int n = 0;
    bool full = false;
    for (; n < 100 && !full; ++n) {
        try {
            QCOMPARE(archive.append(rec(n)), n + 1);
        } catch (const ArchiveError &) {
            full = true;
        }
    }
    QVERIFY(full);
    const int saved = n - 1;
    const QByteArray afterFailure = Harness::readFile(path);
    qInfo("disk full after %d records; the failed append left %lld stray bytes", saved,
          qint64(afterFailure.size()) - qint64(saved) * R);
    QCOMPARE(archive.count(), saved);
    QByteArray expected;
    for (int i = 0; i < saved; ++i)
        expected += rec(i);
    QCOMPARE(afterFailure.left(saved * R), expected);
    qint64 visited = 0;
    archive.scan([&](qint64, const char *) { return ++visited, true; });
    QCOMPARE(visited, saved);

    // A buffered write reports success on a full disk; saving must not.
    IniFile ini;
    QVERIFY(ini.load(iniPath));
    ini.setValue(QStringLiteral("Dati"), QStringLiteral("Ragione"), QString(8000, u'x'));
    QVERIFY(!ini.save(iniPath));
    QCOMPARE(Harness::readFile(iniPath), kIni);
    QCOMPARE(entries(dir.path()).size(), 3); // no temporary file left behind

    // With room again the next append lands over the stray bytes.
    QVERIFY(QFile::remove(filler));
    QCOMPARE(archive.append(rec(saved)), saved + 1);
    QCOMPARE(Harness::readFile(path), expected + rec(saved));
    Harness::unmount(dir.path());
}

void TestHostileFileSystems::fileSizeLimit()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Magazzino.pro"));
    const QByteArray stored = rec(1) + rec(2);
    Harness::writeFile(path, stored);
    const auto appendWithLimit = [&](qint64 limit) {
        QStringList args{QStringLiteral("action"), path, QString::number(R), QStringLiteral("append")};
        if (limit > 0)
            args = QStringList{QStringLiteral("--fsize"), QString::number(limit)} + args;
        return Harness::runHelper(args);
    };

    // The limit falls inside the new record: half of it is written, then the write stops.
    Harness::Result r = appendWithLimit(stored.size() + R / 2);
    QCOMPARE(r.exitCode, 3);
    QByteArray now = Harness::readFile(path);
    QVERIFY(now.startsWith(stored));
    QVERIFY(now.size() < stored.size() + R);
    QCOMPARE(Archive(path, R).count(), 2);
    // The limit is the file's size: nothing can be written at all.
    r = appendWithLimit(now.size());
    QCOMPARE(r.exitCode, 3);
    QVERIFY(Harness::readFile(path).startsWith(stored));
    // Without a limit the record goes over the cut one.
    r = appendWithLimit(0);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out.trimmed(), "3");
    QCOMPARE(Harness::readFile(path), stored + SelfCheck::makeRecord(R, 0, 0));
}

void TestHostileFileSystems::userWithoutWritePermission_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("existing");
    QTest::newRow("count an existing archive") << QStringLiteral("count") << true;
    QTest::newRow("append to an existing archive") << QStringLiteral("append") << true;
    QTest::newRow("touch a missing archive") << QStringLiteral("touch") << false;
}

void TestHostileFileSystems::userWithoutWritePermission()
{
    QFETCH(QString, action);
    QFETCH(bool, existing);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Magazzino.pro"));
    const QByteArray stored = rec(1);
    if (existing)
        Harness::writeFile(path, stored);
    // Readable by everyone, writable by no one but root.
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                          QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    if (existing)
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);

    QProcess p;
    QString helper = Harness::helperPath();
    QTemporaryDir open(QDir::tempPath() + QStringLiteral("/quadrivo-helper-XXXXXX"));
    if (::geteuid() == 0) {
        // Root ignores permissions: run the other copy as an ordinary user. The build may lie in
        // a private folder that user cannot enter, so it gets its own copy of the helper.
        QVERIFY(open.isValid());
        QFile::setPermissions(open.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup |
                                               QFile::ExeGroup);
        helper = open.filePath(QStringLiteral("archive_helper"));
        QVERIFY(QFile::copy(Harness::helperPath(), helper));
        QFile::setPermissions(helper, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                          QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
        for (const QString &needed : {helper, path}) {
            if (!Harness::reachableByOthers(needed))
                QSKIP(qPrintable(QStringLiteral("an ordinary user cannot reach %1: a folder above it is "
                                                "private (set TMPDIR to an open folder)")
                                     .arg(needed)));
        }
        p.setChildProcessModifier([] {
            if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(4);
        });
    }
    p.start(helper, {QStringLiteral("action"), path, QString::number(R), action});
    QVERIFY2(p.waitForFinished(), qPrintable(p.errorString()));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(p.exitCode(), 3);
    QVERIFY(p.readAllStandardError().contains("ArchiveError"));
    if (existing)
        QCOMPARE(Harness::readFile(path), stored);
    else
        QVERIFY(!QFile::exists(path));
}

void TestHostileFileSystems::iniSaveFailureKeepsOldFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("sizeLimit"); // 0: none
    QTest::newRow("folder does not exist") << QStringLiteral("manca/Taccuino.ini") << qint64(0);
    // Works without privileges: past the limit a write fails as on a full disk.
    QTest::newRow("file size limit") << QStringLiteral("Taccuino.ini") << qint64(1024);
}

void TestHostileFileSystems::iniSaveFailureKeepsOldFile()
{
    QFETCH(QString, name);
    QFETCH(qint64, sizeLimit);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    const bool folderExists = QFileInfo(path).dir().exists();
    if (folderExists)
        Harness::writeFile(path, kIni);
    IniFile ini;
    QVERIFY(ini.load(path));
    ini.setValue(QStringLiteral("Dati"), QStringLiteral("Ragione"), QString(8000, u'x'));

    rlimit old{};
    if (sizeLimit > 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
        const rlimit limited{rlim_t(sizeLimit), old.rlim_max};
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    }
    const bool saved = ini.save(path);
    const bool written =
        IniFile::write(path, QStringLiteral("Dati"), QStringLiteral("Note"), QString(8000, u'y'));
    if (sizeLimit > 0)
        ::setrlimit(RLIMIT_FSIZE, &old);

    QVERIFY(!saved);
    QVERIFY(!written);
    if (folderExists) {
        QCOMPARE(Harness::readFile(path), kIni);
        QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("Taccuino.ini")});
    } else {
        QVERIFY(QDir(dir.path()).isEmpty());
    }
}

void TestHostileFileSystems::archiveInMissingFolder()
{
    QTemporaryDir dir;
    QVERIFY(fails(QStringLiteral("touch"), Archive(dir.filePath(QStringLiteral("manca/Clienti.pro")), R)));
    QVERIFY(QDir(dir.path()).isEmpty());
}

QTEST_GUILESS_MAIN(TestHostileFileSystems)
#include "tst_hostile_filesystems.moc"
