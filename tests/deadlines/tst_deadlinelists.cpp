// Which deadlines are imminent on a day, which ones the day and month lists keep, the files they
// read, and the order and running numbers of their rows.
#include "DeadlineFixtures.h"
#include "TestFolder.h"
#include "deadlines/DeadlineLists.h"

#include <QFileInfo>
#include <QtTest>

using namespace DeadlineFixtures;
using DeadlineLists::List;

namespace {

QDate d(const QString &text)
{
    return QDate::fromString(text, QStringLiteral("dd/MM/yyyy"));
}

// Each row as "n key year who".
QStringList rowsOf(const DeadlineLists::Rows &rows)
{
    QStringList out;
    for (qint64 r = 0; r < rows.table.rowCount(); ++r)
        out << QStringLiteral("%1 %2 %3 %4")
                   .arg(rows.table.number(r))
                   .arg(rows.table.text(r, 19))
                   .arg(rows.years[r])
                   .arg(rows.table.text(r, 2));
    return out;
}

} // namespace

class TestDeadlineLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void imminentRule_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("today");
        QTest::addColumn<int>("expected"); // 1 imminent, 0 not, -1 does not read

        QTest::newRow("its own day, notice 0") << "10/03/2024"
                                               << "0"
                                               << "10/03/2024" << 1;
        QTest::newRow("the day before, notice 0") << "11/03/2024"
                                                  << "0"
                                                  << "10/03/2024" << 0;
        QTest::newRow("three days ahead, notice 3") << "13/03/2024"
                                                    << "3"
                                                    << "10/03/2024" << 1;
        QTest::newRow("three days ahead, notice 2") << "13/03/2024"
                                                    << "2"
                                                    << "10/03/2024" << 0;
        QTest::newRow("the day after, notice 0") << "09/03/2024"
                                                 << "0"
                                                 << "10/03/2024" << 0;
        QTest::newRow("the day after, notice 30") << "09/03/2024"
                                                  << "30"
                                                  << "10/03/2024" << 0;
        QTest::newRow("across New Year") << "03/01/2025"
                                         << "7"
                                         << "28/12/2024" << 1;
        QTest::newRow("across a leap day") << "01/03/2024"
                                           << "1"
                                           << "29/02/2024" << 1;
        QTest::newRow("31 April") << "31/04/2024"
                                  << "5"
                                  << "29/04/2024" << -1;
        QTest::newRow("date of words") << "dieci marzo"
                                       << "5"
                                       << "10/03/2024" << -1;
        QTest::newRow("notice of letters") << "10/03/2024"
                                           << "tre"
                                           << "10/03/2024" << -1;
        QTest::newRow("notice empty") << "10/03/2024"
                                      << ""
                                      << "10/03/2024" << -1;
    }
    void imminentRule()
    {
        QFETCH(QString, date);
        QFETCH(QString, notice);
        QFETCH(QString, today);
        QFETCH(int, expected);
        const QByteArray record = deadline(date, QStringLiteral("09:30"), notice, QStringLiteral("Rossi"));
        const std::optional<bool> imminent = DeadlineLists::isImminent(record.constData(), d(today));
        QCOMPARE(imminent.has_value() ? int(*imminent) : -1, expected);
    }

    // A record that does not read is passed over; the ones after it are still found.
    void damagedRecordSkipped()
    {
        TestFolder folder;
        const QString year = folder.file(QStringLiteral("2024.sca"));
        writeYear(year, {deadline("12/03/2024", "10:00", "5", "Primo"),
                         deadline("31/02/2024", "10:00", "5", "Rotto"),
                         deadline("10/03/2024", "11:00", "x", "Avviso rotto"),
                         deadline("10/03/2024", "09:00", "0", "Ultimo")});
        const auto files = DeadlineLists::files(List::Imminent, d("10/03/2024"), folder.path());
        QVERIFY(DeadlineLists::anyImminent(d("10/03/2024"), files));
        QCOMPARE(rowsOf(DeadlineLists::build(List::Imminent, d("10/03/2024"), files)),
                 QStringList({"2 03100900 2024 Ultimo", "1 03121000 2024 Primo"}));

        writeYear(year, {deadline("31/02/2024", "10:00", "5", "Rotto"),
                         deadline("10/03/2024", "09:00", "0", "Ultimo")});
        QVERIFY(DeadlineLists::anyImminent(d("10/03/2024"), files));
    }

    // The next year's file is read when it is there and never created for the alert.
    void nextYearFile_data()
    {
        QTest::addColumn<bool>("nextExists");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("next year's file present")
            << true << QStringList({"1 12301000 2024 Dicembre", "2 01030900 2025 Gennaio"});
        QTest::newRow("next year's file missing") << false << QStringList({"1 12301000 2024 Dicembre"});
    }
    void nextYearFile()
    {
        QFETCH(bool, nextExists);
        QFETCH(QStringList, rows);
        TestFolder folder;
        writeYear(folder.file(QStringLiteral("2024.sca")),
                  {deadline("30/12/2024", "10:00", "2", "Dicembre")});
        if (nextExists)
            writeYear(folder.file(QStringLiteral("2025.sca")),
                      {deadline("03/01/2025", "09:00", "7", "Gennaio"),
                       deadline("20/01/2025", "09:00", "7", "Tardi")});
        const QDate today = d("28/12/2024");
        const auto files = DeadlineLists::files(List::Imminent, today, folder.path());
        QCOMPARE(rowsOf(DeadlineLists::build(List::Imminent, today, files)), rows);

        // Only the next year's deadline: the alert rests on that file alone.
        writeYear(folder.file(QStringLiteral("2024.sca")), {});
        QCOMPARE(DeadlineLists::anyImminent(today, files), nextExists);
        QCOMPARE(folder.exists(QStringLiteral("2025.sca")), nextExists);
    }

    // Rows in date and time order; the number is the order of reading, equal keys keep it.
    void orderAndNumbers()
    {
        TestFolder folder;
        writeYear(folder.file(QStringLiteral("2024.sca")), {deadline("05/03/2024", "09:30", "0", "Prima"),
                                                            deadline("05/03/2024", "08:15", "0", "Seconda"),
                                                            deadline("04/03/2024", "18:00", "0", "Terza"),
                                                            deadline("05/03/2024", "08:15", "0", "Quarta"),
                                                            deadline("05/04/2024", "08:00", "0", "Aprile")});
        const QDate day = d("05/03/2024");
        QCOMPARE(
            rowsOf(DeadlineLists::build(List::Day, day, DeadlineLists::files(List::Day, day, folder.path()))),
            QStringList({"2 03050815 2024 Seconda", "3 03050815 2024 Quarta", "1 03050930 2024 Prima"}));
        QCOMPARE(rowsOf(DeadlineLists::build(List::Month, day,
                                             DeadlineLists::files(List::Month, day, folder.path()))),
                 QStringList({"3 03041800 2024 Terza", "2 03050815 2024 Seconda", "4 03050815 2024 Quarta",
                              "1 03050930 2024 Prima"}));
    }

    // The month list keeps the month's name of that year, whatever its case and blanks.
    void monthList()
    {
        TestFolder folder;
        using namespace Scadenzario;
        Record otherYear = Record::decode(layout(), deadline("20/03/2023", "10:00", "0", "Anno prima"));
        Record lowerCase = Record::decode(layout(), deadline("21/03/2024", "10:00", "0", "Minuscolo"));
        lowerCase.setText(Mese, QStringLiteral(" marzo "));
        writeYear(folder.file(QStringLiteral("2024.sca")),
                  {deadline("15/03/2024", "10:00", "0", "Marzo"),
                   deadline("15/02/2024", "10:00", "0", "Febbraio"), otherYear.encode(), lowerCase.encode(),
                   deadline("02/03/2024", "07:05", "0", "Inizio")});
        const QDate day = d("31/03/2024");
        QCOMPARE(
            rowsOf(DeadlineLists::build(List::Month, day,
                                        DeadlineLists::files(List::Month, day, folder.path()))),
            QStringList({"3 03020705 2024 Inizio", "1 03151000 2024 Marzo", "2 03211000 2024 Minuscolo"}));
    }

    // The day and month lists create the year's file; the cells are what the grid shows.
    void listCellsAndFile()
    {
        TestFolder folder;
        const QDate day = d("07/07/2031");
        const DeadlineLists::Rows none =
            DeadlineLists::build(List::Day, day, DeadlineLists::files(List::Day, day, folder.path()));
        QCOMPARE(none.table.rowCount(), 0);
        QVERIFY(folder.exists(QStringLiteral("2031.sca")));
        QCOMPARE(QFileInfo(folder.file(QStringLiteral("2031.sca"))).size(), 0);

        writeYear(folder.file(QStringLiteral("2031.sca")), {deadline("07/07/2031", "16:45", "1", "Verdi")});
        const DeadlineLists::Rows one =
            DeadlineLists::build(List::Day, day, DeadlineLists::files(List::Day, day, folder.path()));
        QStringList cells;
        for (int c = 0; c < one.table.columnCount(); ++c)
            cells << one.table.text(0, c);
        QCOMPARE(cells,
                 QStringList({"07/07/2031", "16:45", "Verdi", "", "",   "",   "", "",        "", "", "", "",
                              "Rata Verdi", "",      "10,00", "", "No", "No", "", "07071645"}));
    }

    void members_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<int>("mobileWidth");
        QTest::newRow("imminent") << int(List::Imminent) << "TfrmExpImminenti"
                                  << "Scadenze_Imminenti.xls"
                                  << "Scadenze imminenti" << 200;
        QTest::newRow("day") << int(List::Day) << "TfrmExpGiornaliere"
                             << "Scadenze_Giornaliere.xls"
                             << "Scadenze del giorno" << 200;
        QTest::newRow("month") << int(List::Month) << "TfrmExpMensili"
                               << "Scadenze_Mensili.xls"
                               << "Scadenze del mese" << 180;
    }
    void members()
    {
        QFETCH(int, list);
        QFETCH(QString, window);
        QFETCH(QString, file);
        QFETCH(QString, sheet);
        QFETCH(int, mobileWidth);
        const ExportMember &m = DeadlineLists::member(List(list));
        QCOMPARE(m.objectName, window);
        QCOMPARE(m.fileName, file);
        QCOMPARE(m.sheetName, sheet);
        QCOMPARE(m.columns.size(), 20);
        QCOMPARE(m.columns.last().header, QStringLiteral("Codice univoco"));
        QCOMPARE(m.columns[6].width, mobileWidth);
        QCOMPARE(DeadlineLists::gridWidths(List(list)).size(), 21);
        QList<int> editable;
        for (int c = 0; c < m.columns.size(); ++c) {
            if (m.columns[c].editable)
                editable << c + 1;
        }
        QCOMPARE(editable, QList<int>({14, 15, 16, 17, 18, 20}));
    }
};

QTEST_GUILESS_MAIN(TestDeadlineLists)
#include "tst_deadlinelists.moc"
