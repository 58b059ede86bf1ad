// The built program itself, started offscreen from a copy of its folder: the password window,
// the main menu, every area opened from it, one customer saved and the exit from the menu. A
// start-up that breaks, or any area that does not open, fails here.
#include "TestFolder.h"
#include "core/Record.h"
#include "customers/ClientiRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

namespace {

// The program and what the build puts beside it, without the archives of earlier runs.
bool copyProgramFolder(const QString &to)
{
    const QFileInfo program(QStringLiteral(QUADRIVO_PROGRAM_PATH));
    const QDir from = program.absoluteDir();
    for (const QString &name :
         {program.fileName(), QStringLiteral("unins000.dll"), QStringLiteral("Guida.pdf")}) {
        if (!from.exists(name))
            continue;
        const QString target = QDir(to).filePath(name);
        if (!QFile::copy(from.filePath(name), target))
            return false;
        QFile::setPermissions(target, QFile::permissions(from.filePath(name)));
    }
    return QFileInfo::exists(QDir(to).filePath(program.fileName()));
}

} // namespace

class TestProgram : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void aUserGoesThroughEveryArea()
    {
        TestFolder folder;
        QVERIFY(copyProgramFolder(folder.path()));
        const QString log = folder.file(QStringLiteral("driver.log"));

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(QUADRIVO_DRIVER_PLUGINS));
        env.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("quadrivodriver"));
        env.insert(QStringLiteral("QUADRIVO_DRIVER_LOG"), log);
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.setWorkingDirectory(QDir::tempPath()); // the program folder is the executable's
        program.start(
            QDir(folder.path()).filePath(QFileInfo(QStringLiteral(QUADRIVO_PROGRAM_PATH)).fileName()), {});
        QVERIFY2(program.waitForStarted(10000), qPrintable(program.errorString()));
        const bool finished = program.waitForFinished(150000);
        if (!finished)
            program.kill();
        const QString steps = QString::fromUtf8(folder.read(QStringLiteral("driver.log")));
        QVERIFY2(finished, qPrintable(QStringLiteral("the program did not end; steps:\n") + steps));
        QVERIFY2(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0,
                 qPrintable(QStringLiteral("exit code %1; steps:\n%2").arg(program.exitCode()).arg(steps)));

        QStringList expected{QStringLiteral("done: password window"), QStringLiteral("done: main menu")};
        for (const char *window :
             {"TfrmClienti", "TfrmFornitori", "TfrmMagazzino", "TfrmMenuPreventivi", "TfrmScadenzario"}) {
            expected << QStringLiteral("done: %1 shown").arg(QLatin1StringView(window))
                     << QStringLiteral("done: back to the menu from %1").arg(QLatin1StringView(window));
        }
        expected << QStringLiteral("message: La scheda corrente \u00E8 stata inserita in archivio.")
                 << QStringLiteral("done: customer saved at 1") << QStringLiteral("done: exit from the menu");
        for (const QString &line : expected)
            QVERIFY2(steps.contains(line + u'\n'),
                     qPrintable(line + QStringLiteral(" missing in:\n") + steps));
        QVERIFY2(!steps.contains(QStringLiteral("FAILED")), qPrintable(steps));

        const QByteArray customers = folder.read(QStringLiteral("Clienti.pro"));
        QCOMPARE(customers.size(), Clienti::layout().recordSize());
        const Record stored = Record::decode(Clienti::layout(), customers);
        QCOMPARE(stored.text(Clienti::layout().indexOf(QStringLiteral("Cognome"))), QStringLiteral("Rossi"));
        QCOMPARE(stored.text(Clienti::layout().indexOf(QStringLiteral("Nome"))), QStringLiteral("Mario"));
    }
};

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
