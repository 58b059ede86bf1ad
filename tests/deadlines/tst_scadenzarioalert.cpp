// The start panel of the deadlines window: the alert of imminent deadlines with its banner, OK
// button and sound, the calendar with its day and month lists, and the lists' export.
#include "../export/ExportFileParts.h"
#include "DeadlineFixtures.h"
#include "FakePlatform.h"
#include "TestFolder.h"
#include "WindowShot.h"
#include "WindowTestKit.h"
#include "deadlines/TfrmScadenzario.h"
#include "services/ExportWindow.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>
#include <memory>

using namespace WindowTestKit;
using namespace DeadlineFixtures;

namespace {

struct Fixture
{
    TestFolder folder;
    FakePlatform platform;
    std::unique_ptr<TfrmScadenzario> window;

    // The deadlines of 2024 and whether the sound file is there, on 10 March 2024.
    explicit Fixture(const QList<QByteArray> &deadlines = {}, bool soundFile = true)
    {
        platform.clock.value = QDateTime(QDate(2024, 3, 10), QTime(8, 0));
        if (!deadlines.isEmpty())
            writeYear(folder.file(QStringLiteral("2024.sca")), deadlines);
        if (soundFile)
            folder.write(QStringLiteral("Avviso.mp3"), QByteArray("ID3"));
        window = std::make_unique<TfrmScadenzario>();
        showActive(window.get());
    }
    template <class T = QWidget> T *get(const QString &name) { return find<T>(window.get(), name); }
    bool alerted() { return get<QLabel>(QStringLiteral("imgPresenti"))->isVisible(); }
};

QAbstractItemModel *gridOf(QDialog *dialog)
{
    return dialog->findChild<QTableView *>(QStringLiteral("grdRecords"))->model();
}

} // namespace

class TestScadenzarioAlert : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { useProgramLook(); }

    void alert_data()
    {
        QTest::addColumn<QList<QByteArray>>("deadlines");
        QTest::addColumn<bool>("soundFile");
        QTest::addColumn<bool>("imminent");
        QTest::addColumn<int>("sounds");

        const QByteArray today = deadline("10/03/2024", "09:30", "0", "Oggi");
        const QByteArray later = deadline("20/03/2024", "09:30", "3", "Dopo");
        const QByteArray past = deadline("09/03/2024", "09:30", "9", "Ieri");
        QTest::newRow("a deadline of today") << QList<QByteArray>{later, today} << true << true << 1;
        QTest::newRow("none inside its notice") << QList<QByteArray>{later, past} << true << false << 0;
        QTest::newRow("no year file yet") << QList<QByteArray>{} << true << false << 0;
        QTest::newRow("no sound file") << QList<QByteArray>{today} << false << true << 0;
    }
    void alert()
    {
        QFETCH(QList<QByteArray>, deadlines);
        QFETCH(bool, soundFile);
        QFETCH(bool, imminent);
        QFETCH(int, sounds);
        Fixture f(deadlines, soundFile);
        QCOMPARE(f.alerted(), imminent);
        QCOMPARE(f.get<QLabel>(QStringLiteral("imgAssenti"))->isVisible(), !imminent);
        QCOMPARE(f.get<QPushButton>(QStringLiteral("btnOK"))->isEnabled(), imminent);
        QCOMPARE(f.platform.sound.played.size(), sounds);
        if (sounds)
            QCOMPARE(f.platform.sound.played.first(), f.folder.file(QStringLiteral("Avviso.mp3")));
        QVERIFY(f.folder.exists(QStringLiteral("2024.sca"))); // created by the check when missing
        QVERIFY(f.platform.messages.shown.isEmpty());

        f.window->close();
        QCOMPARE(f.platform.sound.stops, 1);
        QCOMPARE(f.platform.sound.played.size(), sounds);
    }

    // The check runs again at each showing, with what the file holds then.
    void alertFollowsEachShowing()
    {
        Fixture f({deadline("20/03/2024", "09:30", "3", "Dopo")});
        QVERIFY(!f.alerted());
        f.window->close();
        writeYear(f.folder.file(QStringLiteral("2024.sca")),
                  {deadline("12/03/2024", "09:30", "3", "Presto")});
        showActive(f.window.get());
        QVERIFY(f.alerted());
        QCOMPARE(f.platform.sound.played.size(), 1);
    }

    // OK lists the imminent deadlines; an edit of an editable cell reaches the file, never the archive.
    void imminentListExport()
    {
        Fixture f({deadline("12/03/2024", "09:30", "3", "Rossi"),
                   deadline("10/03/2024", "08:00", "0", "Bianchi"),
                   deadline("30/03/2024", "08:00", "0", "Verdi")});
        const QByteArray archive = f.folder.read(QStringLiteral("2024.sca"));
        f.platform.messages.answerNext(true);  // export now
        f.platform.messages.answerNext(false); // do not open the file
        withNextModal([&] { click(f.window.get(), QStringLiteral("btnOK")); },
                      [&](QDialog *dialog) {
                          QCOMPARE(dialog->objectName(), QStringLiteral("TfrmExpImminenti"));
                          QCOMPARE(dialog->windowTitle(), QStringLiteral(" Scadenze imminenti"));
                          WindowShot::keep(dialog, QStringLiteral("TfrmExpImminenti"), QSize(1366, 768));
                          QAbstractItemModel *grid = gridOf(dialog);
                          QCOMPARE(grid->rowCount(), 2);
                          QCOMPARE(grid->columnCount(), 21);
                          QCOMPARE(grid->index(0, 3).data().toString(), QStringLiteral("Bianchi"));
                          QCOMPARE(grid->index(0, 0).data().toString(), QStringLiteral("2"));
                          QVERIFY(!(grid->flags(grid->index(0, 13)) & Qt::ItemIsEditable));
                          QVERIFY(grid->flags(grid->index(0, 15)) & Qt::ItemIsEditable);
                          QVERIFY(grid->setData(grid->index(1, 15), QStringLiteral("99,90"), Qt::EditRole));
                          QVERIFY(grid->setData(grid->index(1, 20), QStringLiteral("X1"), Qt::EditRole));
                          qobject_cast<ExportWindow *>(dialog)->cmdEsportaClick();
                      });
        const QList<ExportFileParts::Row> rows =
            ExportFileParts::rows(f.folder.read(QStringLiteral("Scadenze_Imminenti.xls")));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(ExportFileParts::texts(rows[0]).size(), 20);
        QCOMPARE(ExportFileParts::texts(rows[0]).last(), QStringLiteral("Codice univoco"));
        QCOMPARE(ExportFileParts::texts(rows[1]).last(), QStringLiteral("03100800"));
        QCOMPARE(ExportFileParts::texts(rows[2]).at(2), QStringLiteral("Rossi"));
        QCOMPARE(ExportFileParts::texts(rows[2]).at(14), QStringLiteral("99,90"));
        QCOMPARE(ExportFileParts::texts(rows[2]).last(), QStringLiteral("X1"));
        QCOMPARE(f.folder.read(QStringLiteral("2024.sca")), archive);
    }

    void calendarLists_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("who");
        QTest::newRow("day") << "btnGiorno" << QDate(2024, 3, 5) << "TfrmExpGiornaliere"
                             << " Scadenze del giorno" << QStringList{"Seconda", "Prima"};
        QTest::newRow("month") << "btnMese" << QDate(2024, 3, 28) << "TfrmExpMensili"
                               << " Scadenze del mese" << QStringList{"Terza", "Seconda", "Prima"};
    }
    void calendarLists()
    {
        QFETCH(QString, button);
        QFETCH(QDate, date);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QStringList, who);
        Fixture f(
            {deadline("05/03/2024", "09:30", "0", "Prima"), deadline("05/03/2024", "08:15", "0", "Seconda"),
             deadline("01/03/2024", "12:00", "0", "Terza"), deadline("05/04/2024", "08:00", "0", "Aprile")});
        auto *calendar = f.get<QCalendarWidget>(QStringLiteral("calAppuntamenti"));
        QCOMPARE(calendar->selectedDate(), QDate(2024, 3, 10)); // today, when the window was made
        QVERIFY(calendar->isEnabled());
        calendar->setSelectedDate(date);
        withNextModal([&] { click(f.window.get(), button); },
                      [&](QDialog *dialog) {
                          QCOMPARE(dialog->objectName(), window);
                          QCOMPARE(dialog->windowTitle(), caption);
                          WindowShot::keep(dialog, window, QSize(1366, 768));
                          QAbstractItemModel *grid = gridOf(dialog);
                          QStringList shown;
                          for (int r = 0; r < grid->rowCount(); ++r)
                              shown << grid->index(r, 3).data().toString();
                          QCOMPARE(shown, who);
                      });
        // The choice stays while the program runs, across showings of the window.
        f.window->close();
        showActive(f.window.get());
        QCOMPARE(calendar->selectedDate(), date);
    }

    // The day list of a year without a file creates that empty file and shows no rows.
    void dayListOfAYearWithoutFile()
    {
        Fixture f;
        f.get<QCalendarWidget>(QStringLiteral("calAppuntamenti"))->setSelectedDate(QDate(2031, 7, 7));
        withNextModal([&] { click(f.window.get(), QStringLiteral("btnGiorno")); },
                      [&](QDialog *dialog) { QCOMPARE(gridOf(dialog)->rowCount(), 0); });
        QVERIFY(f.folder.exists(QStringLiteral("2031.sca")));
        QCOMPARE(f.folder.read(QStringLiteral("2031.sca")), QByteArray());
    }

    void startPanelPictures()
    {
        {
            Fixture f({deadline("10/03/2024", "09:30", "0", "Oggi")});
            WindowShot::keep(f.window.get(), QStringLiteral("scadenzario-avvio-presenti"), QSize(1366, 768));
        }
        Fixture f;
        WindowShot::keep(f.window.get(), QStringLiteral("scadenzario-avvio-assenti"), QSize(1366, 768));
    }
};

QTEST_MAIN(TestScadenzarioAlert)
#include "tst_scadenzarioalert.moc"
