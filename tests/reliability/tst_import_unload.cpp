// The import's stock unload from several copies of the program at once, and under failing system
// calls: no unload is lost, and a failure never copies the item into the quote line nor touches
// another record.
#include "FakePlatform.h"
#include "FaultInjector.h"
#include "Harness.h"
#include "TestFolder.h"
#include "WindowTestKit.h"
#include "core/Record.h"
#include "core/RecordFile.h"
#include "core/SysIo.h"
#include "services/TfrmImportaMagazzino.h"
#include "shell/card/CardMessages.h"
#include "warehouse/MagazzinoRecord.h"

#include <QDateTime>
#include <QListView>
#include <QtTest>
#include <memory>

namespace {

QByteArray item(const QString &code, const QString &stock, const QString &cost)
{
    Record r(Magazzino::layout());
    r.setText(Magazzino::Codice, code);
    r.setText(Magazzino::Giacenza, stock);
    r.setText(Magazzino::Costo, cost);
    return r.encode();
}

Record itemAt(const QByteArray &file, int position)
{
    const int size = Magazzino::layout().recordSize();
    return Record::decode(Magazzino::layout(), file.mid(qsizetype(position - 1) * size, size));
}

// The window with item 2 clicked and `quantity` typed, ready for "Importa articolo e aggiorna
// giacenza".
std::unique_ptr<TfrmImportaMagazzino> readyToImport(const QString &path, const QString &quantity)
{
    auto window = std::make_unique<TfrmImportaMagazzino>(path, QStringLiteral("pre_art_01"), quantity);
    WindowTestKit::showActive(window.get());
    WindowTestKit::click(window.get(), QStringLiteral("btnCerca"));
    auto *list = WindowTestKit::find<QListView>(window.get(), QStringLiteral("lstRecords"));
    list->setCurrentIndex(list->model()->index(1, 0));
    return window;
}

} // namespace

class TestImportUnload : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { RecordFile::setLockDeadlineMs(60); }
    void cleanupTestCase() { RecordFile::setLockDeadlineMs(5000); }
    void cleanup() { SysIo::clearFaultHook(); }
    void twoWorkstationsLoseNoUnload();
    void everyCallFails_data();
    void everyCallFails();
};

void TestImportUnload::twoWorkstationsLoseNoUnload()
{
    RecordFile::setLockDeadlineMs(5000);
    const auto restore = qScopeGuard([] { RecordFile::setLockDeadlineMs(60); });
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("Magazzino.pro"));
    const QByteArray before =
        item("DADO", "7", "1") + item("VITE", "300", "0,25") + item("BULLONE", "7", "1");
    folder.write(QStringLiteral("Magazzino.pro"), before);

    const QString startAt = QString::number(QDateTime::currentMSecsSinceEpoch() + 300);
    std::vector<std::unique_ptr<QProcess>> copies;
    for (int i = 0; i < 2; ++i)
        copies.emplace_back(
            Harness::startHelper({QStringLiteral("--start-at"), startAt, QStringLiteral("--deadline"),
                                  QStringLiteral("60000"), QStringLiteral("unload"), path,
                                  QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("100")}));
    for (auto &p : copies) {
        QVERIFY(p->waitForFinished(120000));
        QCOMPARE(p->exitStatus(), QProcess::NormalExit);
        QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
        QCOMPARE(p->readAllStandardOutput().trimmed(), QByteArray("done 100"));
    }
    const QByteArray after = folder.read(QStringLiteral("Magazzino.pro"));
    const int size = Magazzino::layout().recordSize();
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after.left(size), before.left(size));
    QCOMPARE(after.mid(2 * size), before.mid(2 * size));
    QCOMPARE(itemAt(after, 2).text(Magazzino::Giacenza), QStringLiteral("100"));
    QCOMPARE(itemAt(after, 2).text(Magazzino::Valore), QStringLiteral("25,00"));
}

void TestImportUnload::everyCallFails_data()
{
    QTest::addColumn<FaultMode>("mode");
    for (const auto &[mode, name] : kFaultModes)
        QTest::newRow(name) << mode;
}

// The k-th system call of the import fails, for k = 1, 2, ... until the import gets through
// untouched: either the import is exactly as without a fault, or the access message comes, the
// window closes with nothing for the quote line, and only the item's own record may have changed
// (old or new, never mixed unless its write was cut).
void TestImportUnload::everyCallFails()
{
    QFETCH(FaultMode, mode);
    TestFolder folder;
    FakePlatform platform;
    const QString path = folder.file(QStringLiteral("Magazzino.pro"));
    const QByteArray original = item("A", "7", "1") + item("B", "10", "3") + item("C", "7", "1");
    const int size = Magazzino::layout().recordSize();

    folder.write(QStringLiteral("Magazzino.pro"), original);
    auto window = readyToImport(path, QStringLiteral("4"));
    WindowTestKit::click(window.get(), QStringLiteral("btnAggiorna"));
    QVERIFY(window->imported());
    QCOMPARE(platform.messages.shown.size(), 0);
    const QByteArray expected = folder.read(QStringLiteral("Magazzino.pro"));
    QCOMPARE(itemAt(expected, 2).text(Magazzino::Giacenza), QStringLiteral("6"));

    int k = 1;
    for (;; ++k) {
        QVERIFY2(k < 200, "the import never got through");
        folder.write(QStringLiteral("Magazzino.pro"), original);
        window = readyToImport(path, QStringLiteral("4"));
        platform.messages.clear();
        FaultInjector injector{k, mode};
        SysIo::setFaultHook([&injector](SysIo::Call c) { return injector(c); });
        WindowTestKit::click(window.get(), QStringLiteral("btnAggiorna"));
        SysIo::clearFaultHook();
        const QString where = QStringLiteral("k = %1: ").arg(k);
        const QByteArray after = folder.read(QStringLiteral("Magazzino.pro"));
        QCOMPARE(after.size(), original.size());
        QVERIFY(!window->isVisible());
        if (platform.messages.shown.isEmpty()) {
            QVERIFY2(!injector.mustFail(), qPrintable(where + "a failed call was taken for success"));
            QCOMPARE(after, expected);
            QVERIFY(window->imported());
            QCOMPARE(window->imported()->codice, QStringLiteral("B"));
        } else {
            QVERIFY2(injector.injected(), qPrintable(where + "failed with no fault"));
            QCOMPARE(platform.messages.shown.size(), 1);
            QCOMPARE(platform.messages.shown[0].text, CardMessages::archiveAccess());
            QVERIFY2(!window->imported(), qPrintable(where + "the quote line was filled after a failure"));
            QCOMPARE(after.left(size), original.left(size));
            QCOMPARE(after.mid(2 * size), original.mid(2 * size));
            if (!injector.shortWrite)
                QVERIFY2(after == original || after == expected, qPrintable(where + "the item is mixed"));
        }
        if (!injector.injected())
            break;
    }
    qInfo("%d calls swept", k - 1);
}

QTEST_MAIN(TestImportUnload)
#include "tst_import_unload.moc"
