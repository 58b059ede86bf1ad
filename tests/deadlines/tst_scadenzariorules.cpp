// The deadline card's rules without a window: the year of a file, the amount, the checks a card
// passes before it is saved, and what New and Duplicate leave in a card.
#include "core/Record.h"
#include "deadlines/ScadenzarioRecord.h"
#include "deadlines/ScadenzarioRules.h"

#include <QtTest>

using namespace Scadenzario;
namespace Rules = ScadenzarioRules;

Q_DECLARE_METATYPE(MessageKind)

namespace {

const QString kValidDate =
    QStringLiteral("Per poter salvare la scheda \u00E8 necessario indicare una data valida.");

QString missing(const char *what)
{
    return QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare ") +
           QString::fromUtf8(what);
}

// A card with every field the checks look at filled in: 5 March 2024 at 09:30.
Record completeCard()
{
    Record card(layout());
    card.setText(Giorno, QStringLiteral("05"));
    card.setText(Mese, QStringLiteral("Marzo"));
    card.setText(Anno, QStringLiteral("2024"));
    card.setText(OreApp, QStringLiteral("09"));
    card.setText(MinutiApp, QStringLiteral("30"));
    card.setText(Avviso, QStringLiteral("3"));
    card.setText(Pagatore, QStringLiteral("Rossi Mario"));
    card.setText(Dettagli, QStringLiteral("Rata mutuo"));
    card.setText(Costo, QStringLiteral("0,00"));
    return card;
}

using Changes = QList<QPair<int, QString>>;

} // namespace

class TestScadenzarioRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void yearOfAFile_data();
    void yearOfAFile();
    void amountOnLeave_data();
    void amountOnLeave();
    void monthNumber_data();
    void monthNumber();
    void saveChecks_data();
    void saveChecks();
    void completeStoresYearDateAndTime();
    void newCardDefaults();
    void duplicateKeepsAllButDateAndTime();
    void lists();
};

void TestScadenzarioRules::yearOfAFile_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("2024") << "2024" << true;
    QTest::newRow("0000") << "0000" << true;
    QTest::newRow("two digits") << "24" << false;
    QTest::newRow("three digits") << "202" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("five digits") << "20245" << false;
    QTest::newRow("blank inside the four") << "202 " << false;
    QTest::newRow("letter") << "20a4" << false;
    // Four characters that would name a file elsewhere.
    QTest::newRow("path") << "../x" << false;
}

void TestScadenzarioRules::yearOfAFile()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QCOMPARE(Rules::isYear(typed), accepted);
    if (accepted) {
        QCOMPARE(Rules::fileName(typed), typed + QStringLiteral(".sca"));
        QCOMPARE(Rules::caption(typed),
                 QStringLiteral(" Quadrivo - Scadenzario e appuntamenti anno ") + typed);
    }
}

void TestScadenzarioRules::amountOnLeave_data()
{
    // clang-format off
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty") << "" << "0,00";
    QTest::newRow("blanks") << "   " << "0,00";
    QTest::newRow("letters") << "abc" << "0,00";
    QTest::newRow("two commas") << "1,2,3" << "0,00";
    QTest::newRow("lone comma") << "," << "0,00";
    QTest::newRow("whole") << "12" << "12,00";
    QTest::newRow("one decimal") << "12,5" << "12,50";
    QTest::newRow("two decimals kept") << "12,35" << "12,35";
    QTest::newRow("trailing zero dropped then restored") << "3,10" << "3,10";
    QTest::newRow("three decimals kept") << "0,125" << "0,125";
    QTest::newRow("four decimals kept") << "1,2345" << "1,2345";
    QTest::newRow("five decimals rounded to four") << "1,23456" << "1,2346";
    QTest::newRow("rounds up to a whole") << "0,99999" << "1,00";
    QTest::newRow("below the fourth decimal") << "0,00004" << "0,00";
    QTest::newRow("leading comma") << ",5" << "0,50";
    QTest::newRow("trailing comma") << "7," << "7,00";
    QTest::newRow("blanks around") << " 12 " << "12,00";
    QTest::newRow("leading zeros") << "007" << "7,00";
    QTest::newRow("fifteen digits") << "123456789012345" << "123456789012345,00";
    QTest::newRow("pasted exponent too large for digits") << "1E20" << "0,00";
    QTest::newRow("pasted exponent in range") << "1,5E3" << "1500,00";
    // clang-format on
}

void TestScadenzarioRules::amountOnLeave()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QCOMPARE(Rules::amountOnLeave(typed), shown);
    QCOMPARE(Rules::amountOnLeave(shown), shown); // leaving the field again changes nothing
}

void TestScadenzarioRules::monthNumber_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("date");
    QTest::newRow("Gennaio") << "Gennaio" << 1 << "07/01/2024";
    QTest::newRow("Settembre") << "Settembre" << 9 << "07/09/2024";
    QTest::newRow("Dicembre") << "Dicembre" << 12 << "07/12/2024";
    QTest::newRow("lower case") << "aprile" << 4 << "07/04/2024";
    QTest::newRow("upper case with blanks") << " MAGGIO " << 5 << "07/05/2024";
    QTest::newRow("empty") << "" << 0 << "07/00/2024";
    QTest::newRow("not a month") << "Marzolino" << 0 << "07/00/2024";
    QTest::newRow("abbreviation") << "Gen" << 0 << "07/00/2024";
}

void TestScadenzarioRules::monthNumber()
{
    QFETCH(QString, name);
    QFETCH(int, number);
    QFETCH(QString, date);
    QCOMPARE(Rules::monthNumber(name), number);
    QCOMPARE(Rules::composeDate(QStringLiteral(" 07 "), name, QStringLiteral("2024")), date);
}

void TestScadenzarioRules::saveChecks_data()
{
    // clang-format off
    QTest::addColumn<Changes>("changes");
    QTest::addColumn<MessageKind>("kind");
    QTest::addColumn<QString>("message"); // empty: the card may be saved
    QTest::addColumn<int>("focus");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");

    const auto ok = [](const char *row, const Changes &changes, const char *date, const char *time) {
        QTest::newRow(row) << changes << MessageKind::Warning << QString() << -1 << QString::fromLatin1(date)
                           << QString::fromLatin1(time);
    };
    const auto refused = [](const char *row, const Changes &changes, const QString &message, int focus,
                            MessageKind kind = MessageKind::Warning) {
        QTest::newRow(row) << changes << kind << message << focus << QString() << QString();
    };
    const QString e;

    ok("complete card", {}, "05/03/2024", "09:30");
    ok("time left at 00:00", {{OreApp, "00"}, {MinutiApp, "00"}}, "05/03/2024", "00:00");
    ok("notice of zero days", {{Avviso, "0"}}, "05/03/2024", "09:30");
    ok("month in another case", {{Mese, "MARZO"}}, "05/03/2024", "09:30");
    ok("29 February of a leap year", {{Giorno, "29"}, {Mese, "Febbraio"}}, "29/02/2024", "09:30");
    ok("29 February 2000", {{Giorno, "29"}, {Mese, "Febbraio"}, {Anno, "2000"}}, "29/02/2000", "09:30");
    ok("31 December", {{Giorno, "31"}, {Mese, "Dicembre"}}, "31/12/2024", "09:30");

    refused("day empty", {{Giorno, e}}, missing("il giorno della scadenza."), Giorno);
    refused("day blanks only", {{Giorno, "  "}}, missing("il giorno della scadenza."), Giorno);
    refused("day and contact empty: only the day", {{Giorno, e}, {Pagatore, e}}, missing("il giorno della scadenza."),
            Giorno);
    refused("day of one digit", {{Giorno, "5"}}, missing("il giorno della scadenza usando due cifre."), Giorno);
    refused("month empty", {{Mese, e}}, missing("il mese della scadenza."), Mese);
    refused("hour empty", {{OreApp, e}}, missing("l'ora dell'appuntamento."), OreApp);
    refused("minutes empty", {{MinutiApp, e}}, missing("i minuti dell'ora dell'appuntamento."), MinutiApp);
    refused("hour and minutes empty: the hour", {{OreApp, e}, {MinutiApp, e}}, missing("l'ora dell'appuntamento."),
            OreApp);
    // Both emptiness checks come before both length checks.
    refused("short hour, empty minutes: the minutes", {{OreApp, "9"}, {MinutiApp, e}},
            missing("i minuti dell'ora dell'appuntamento."), MinutiApp);
    refused("hour of one digit", {{OreApp, "9"}}, missing("l'ora dell'appuntamento usando due cifre."), OreApp);
    refused("minutes of one digit", {{MinutiApp, "5"}},
            missing("i minuti dell'ora dell'appuntamento usando due cifre."), MinutiApp);
    refused("notice empty", {{Avviso, e}}, missing("i giorni di preavviso."), Avviso);
    refused("notice with a pasted letter", {{Avviso, "3a"}}, missing("i giorni di preavviso."), Avviso);
    refused("contact blanks only", {{Pagatore, "   "}}, missing("il nome del contatto."), Pagatore);
    refused("reason empty", {{Dettagli, e}}, missing("la causale della scadenza."), Dettagli);
    refused("contact and reason empty: the contact", {{Pagatore, e}, {Dettagli, e}}, missing("il nome del contatto."),
            Pagatore);
    refused("month not in the list", {{Mese, "Marzolino"}},
            QStringLiteral("Attenzione: selezionare il mese dal menu a cascata.\n\r\n\r") + kValidDate, Mese);
    refused("31 April", {{Giorno, "31"}, {Mese, "Aprile"}},
            QStringLiteral("Attenzione: la data 31/04/2024 non esiste.\n\r\n\r") + kValidDate, Giorno,
            MessageKind::Plain);
    refused("29 February of a common year", {{Giorno, "29"}, {Mese, "Febbraio"}, {Anno, "2023"}},
            QStringLiteral("Attenzione: la data 29/02/2023 non esiste.\n\r\n\r") + kValidDate, Giorno,
            MessageKind::Plain);
    refused("29 February 1900", {{Giorno, "29"}, {Mese, "Febbraio"}, {Anno, "1900"}},
            QStringLiteral("Attenzione: la data 29/02/1900 non esiste.\n\r\n\r") + kValidDate, Giorno,
            MessageKind::Plain);
    refused("year 0000", {{Anno, "0000"}},
            QStringLiteral("Attenzione: la data 05/03/0000 non esiste.\n\r\n\r") + kValidDate, Giorno,
            MessageKind::Plain);
    refused("day 00", {{Giorno, "00"}},
            QStringLiteral("Attenzione: la data 00/03/2024 non esiste.\n\r\n\r") + kValidDate, Giorno,
            MessageKind::Plain);
    refused("day of three characters", {{Giorno, "123"}},
            QStringLiteral("Attenzione: la data 123/03/2024 non esiste.\n\r\n\r") + kValidDate, Giorno,
            MessageKind::Plain);
    // clang-format on
}

void TestScadenzarioRules::saveChecks()
{
    QFETCH(Changes, changes);
    QFETCH(MessageKind, kind);
    QFETCH(QString, message);
    QFETCH(int, focus);
    QFETCH(QString, date);
    QFETCH(QString, time);

    Record card = completeCard();
    for (const auto &[field, text] : changes)
        card.setText(field, text);
    const Rules::SaveCheck check = Rules::checkSave(card);
    QCOMPARE(check.ok, message.isEmpty());
    if (check.ok) {
        QCOMPARE(check.date, date);
        QCOMPARE(check.time, time);
        QCOMPARE(check.year, card.text(Anno));
    } else {
        QCOMPARE(check.message, message);
        QCOMPARE(check.kind, kind);
        QCOMPARE(check.focus, focus);
    }
}

void TestScadenzarioRules::completeStoresYearDateAndTime()
{
    Record card = completeCard();
    card.setText(Data, QStringLiteral("01/01/1999")); // as read from an older record
    card.setText(Ora, QStringLiteral("23:59"));
    const Rules::SaveCheck check = Rules::checkSave(card);
    QVERIFY(check.ok);
    Rules::complete(card, check);
    const Record stored = Record::decode(layout(), card.encode());
    QCOMPARE(stored.text(Anno), QStringLiteral("2024"));
    QCOMPARE(stored.text(Data), QStringLiteral("05/03/2024"));
    QCOMPARE(stored.text(Ora), QStringLiteral("09:30"));
}

void TestScadenzarioRules::newCardDefaults()
{
    const Record card = Rules::newCard();
    for (int field = 0; field < layout().fieldCount(); ++field) {
        const QString expected = field == OreApp || field == MinutiApp ? QStringLiteral("00")
                                 : field == Costo                      ? QStringLiteral("0,00")
                                                                       : QString();
        QCOMPARE(card.text(field), expected);
    }
}

void TestScadenzarioRules::duplicateKeepsAllButDateAndTime()
{
    Record card(layout());
    for (int field = 0; field < layout().fieldCount(); ++field)
        card.setText(field, QStringLiteral("x%1").arg(field));
    card.setText(DaConfermare, Record::flagText(true));
    card.setText(Effettuata, Record::flagText(true));
    const Record copy = Rules::duplicate(card);
    QCOMPARE(copy.text(Giorno), QString());
    QCOMPARE(copy.text(Mese), QString());
    QCOMPARE(copy.text(OreApp), QStringLiteral("00"));
    QCOMPARE(copy.text(MinutiApp), QStringLiteral("00"));
    for (int field :
         {Anno, Avviso, Pagatore, CodFisc, NumTessera, Carica, TelCel, Recapito, Anticipi, Complessivo,
          Rateazione, Beneficiario, Dettagli, Officina, Costo, Contatto, Note, DaConfermare, Effettuata})
        QCOMPARE(copy.text(field), card.text(field));
}

void TestScadenzarioRules::lists()
{
    const QStringList days = Rules::days();
    QCOMPARE(days.size(), 31);
    QCOMPARE(days.first(), QStringLiteral("01"));
    QCOMPARE(days.last(), QStringLiteral("31"));
    QCOMPARE(Rules::hours().first(), QStringLiteral("00"));
    QCOMPARE(Rules::hours().last(), QStringLiteral("23"));
    QCOMPARE(Rules::minutes().size(), 60);
    QCOMPARE(Rules::minutes().last(), QStringLiteral("59"));
    QCOMPARE(Rules::months().size(), 12);
    // Every name fits its field and gives its own number.
    for (int i = 0; i < 12; ++i) {
        QVERIFY(Rules::months().at(i).size() <= layout().capacity(Mese));
        QCOMPARE(Rules::monthNumber(Rules::months().at(i)), i + 1);
    }
}

QTEST_GUILESS_MAIN(TestScadenzarioRules)
#include "tst_scadenzariorules.moc"
