// The files the program writes besides its archives - Taccuino.ini, the password file and
// Logo.bmp - on a read-only folder, a full disk and past the file-size limit: every writer says
// it failed, the old file stays byte for byte, and no half-written file is left beside it.

#include "Harness.h"
#include "TestFolder.h"
#include "core/IniFile.h"
#include "platform/Platform.h"
#include "quotes/DefaultLogo.h"
#include "quotes/Taccuino.h"
#include "shell/PasswordStore.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace {

enum class Writer { Taccuino, Password, Logo };
enum class Trouble { None, ReadOnlyMount, DiskFull, FileSizeLimit };

const QString kPasswordFile = QStringLiteral("unins000.dll");

QString fileOf(Writer w)
{
    switch (w) {
    case Writer::Taccuino:
        return Taccuino::fileName();
    case Writer::Password:
        return kPasswordFile;
    case Writer::Logo:
        return QStringLiteral("Logo.bmp");
    }
    return {};
}

// The file as it was before the writer ran.
QByteArray oldContents(Writer w)
{
    switch (w) {
    case Writer::Taccuino:
        return "[Ditta Emittente]\r\nNome=Vecchia Ditta\r\n";
    case Writer::Password:
        return "[Accesso]\r\nValore=" + PasswordStore::storedValue(QStringLiteral("VECCHIA")).toLatin1() +
               "\r\n";
    case Writer::Logo: {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        DefaultLogo::blank().save(&buffer, "BMP");
        return bytes;
    }
    }
    return {};
}

// Runs the writer in the program folder; true when it says it succeeded.
bool write(Writer w, const QString &folder)
{
    switch (w) {
    case Writer::Taccuino: {
        Taccuino::IssuerTexts texts;
        texts.fill(QString(600, u'n'));
        return Taccuino::writeIssuer(QDir(folder).filePath(Taccuino::fileName()), texts);
    }
    case Writer::Password:
        return PasswordStore::change(QDir(folder).filePath(kPasswordFile), QStringLiteral("vecchia"),
                                     QStringLiteral("NUOVA"),
                                     QStringLiteral("NUOVA")) == PasswordStore::ChangeResult::Changed;
    case Writer::Logo:
        return LogoFile::save(DefaultLogo::image());
    }
    return false;
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// Points the program folder somewhere else while it lives.
struct ProgramFolder
{
    explicit ProgramFolder(const QString &path) : saved(env())
    {
        Environment e = saved;
        e.programFolder = path;
        Environment::install(e);
    }
    ~ProgramFolder() { Environment::install(saved); }
    Environment saved;
};

} // namespace

Q_DECLARE_METATYPE(Writer)
Q_DECLARE_METATYPE(Trouble)

class TestOtherWriters : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void failureKeepsTheOldFile_data();
    void failureKeepsTheOldFile();
};

void TestOtherWriters::failureKeepsTheOldFile_data()
{
    QTest::addColumn<Writer>("writer");
    QTest::addColumn<Trouble>("trouble");
    const std::pair<Writer, const char *> writers[] = {
        {Writer::Taccuino, "Taccuino.ini"}, {Writer::Password, "password file"}, {Writer::Logo, "Logo.bmp"}};
    // "no trouble" shows each writer does its job here, so its failures below are the trouble's.
    const std::pair<Trouble, const char *> troubles[] = {{Trouble::None, "no trouble"},
                                                         {Trouble::ReadOnlyMount, "read-only folder"},
                                                         {Trouble::DiskFull, "full disk"},
                                                         {Trouble::FileSizeLimit, "file-size limit"}};
    for (const auto &[writer, writerName] : writers) {
        for (const auto &[trouble, troubleName] : troubles)
            QTest::addRow("%s, %s", writerName, troubleName) << writer << trouble;
    }
}

void TestOtherWriters::failureKeepsTheOldFile()
{
    QFETCH(Writer, writer);
    QFETCH(Trouble, trouble);
    TestFolder testFolder;
    QTemporaryDir source;
    QTemporaryDir target;
    const QByteArray old = oldContents(writer);
    QString why;
    QString folder = target.path();

    switch (trouble) {
    case Trouble::None:
        folder = source.path();
        Harness::writeFile(QDir(folder).filePath(fileOf(writer)), old);
        break;
    case Trouble::ReadOnlyMount:
        Harness::writeFile(QDir(source.path()).filePath(fileOf(writer)), old);
        if (!Harness::bindReadOnly(source.path(), target.path(), &why))
            QSKIP(qPrintable(why));
        break;
    case Trouble::DiskFull: {
        if (!Harness::mountTmpfs(target.path(), 256 * 1024, &why))
            QSKIP(qPrintable(why));
        Harness::writeFile(QDir(folder).filePath(fileOf(writer)), old);
        // Fill what is left, page by page, until the disk refuses.
        QFile filler(QDir(folder).filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray page(4096, 'f');
        while (filler.write(page) == page.size() && filler.flush()) {
        }
        filler.close();
        break;
    }
    case Trouble::FileSizeLimit:
        folder = source.path();
        Harness::writeFile(QDir(folder).filePath(fileOf(writer)), old);
        break;
    }
    const QStringList before = entries(folder);
    const ProgramFolder programFolder(folder);

    bool succeeded = false;
    if (trouble == Trouble::FileSizeLimit) {
        // Past the limit a write fails as on a full disk; without the signal it would end the test.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit limited = saved;
        limited.rlim_cur = 16;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        succeeded = write(writer, folder);
        ::setrlimit(RLIMIT_FSIZE, &saved);
    } else {
        succeeded = write(writer, folder);
    }

    if (trouble == Trouble::None) {
        QVERIFY(succeeded);
        QVERIFY(Harness::readFile(QDir(folder).filePath(fileOf(writer))) != old);
        QCOMPARE(entries(folder), before);
        return;
    }
    QVERIFY2(!succeeded, "a failed write was reported as done");
    QCOMPARE(Harness::readFile(QDir(folder).filePath(fileOf(writer))), old);
    QCOMPARE(entries(folder), before); // no temporary or cut file left behind
    if (trouble == Trouble::ReadOnlyMount || trouble == Trouble::DiskFull)
        Harness::unmount(target.path());
}

QTEST_MAIN(TestOtherWriters)
#include "tst_other_writers.moc"
