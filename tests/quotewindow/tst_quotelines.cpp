// The quote window's lines and totals as the user types them: pages and their arrows, the keys
// that empty stale results, the rewriting of numbers on leaving a field, the Enter chain, the
// maximum lengths and typing rules, and "Calcola" against the totals model.
#include "QuoteWindowKit.h"
#include "WindowShot.h"
#include "quotes/QuoteTotals.h"

#include <QtTest>

using namespace QuoteWindowKit;
using namespace Preventivi;

namespace {

// Two lines with amounts and totals as a stored quote holds them.
QByteArray calculatedQuote()
{
    return quote(storedLine(1, QStringLiteral("2"), QStringLiteral("19,99"), QStringLiteral("39,98")) +
                 storedLine(2, QStringLiteral("1"), QStringLiteral("5,00"), QStringLiteral("5,00"), {},
                            QStringLiteral("S\u00EC")) +
                 storedTotals(QStringLiteral("22"),
                              {QStringLiteral("39,98"), QStringLiteral("8,80"), QStringLiteral("48,78"),
                               QStringLiteral("5,00"), QStringLiteral("53,78")}))
        .encode();
}

struct LineTexts
{
    int line;
    QString quant, codice, desc, prezzo, sconto;
    bool esente = false;
};

} // namespace

Q_DECLARE_METATYPE(QList<LineTexts>)

class TestQuoteLines : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { useProgramLook(); }

    void pageArrowsTurnOnePageAndFocusItsFirstQuantity_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<int>("to");
        QTest::newRow("page 1 on") << 1 << "imgAvanti_A" << 2;
        QTest::newRow("page 3 on") << 3 << "imgAvanti_C" << 4;
        QTest::newRow("page 5 on") << 5 << "imgAvanti_E" << 6;
        QTest::newRow("page 2 back") << 2 << "imgIndietro_B" << 1;
        QTest::newRow("page 6 back") << 6 << "imgIndietro_F" << 5;
    }
    void pageArrowsTurnOnePageAndFocusItsFirstQuantity()
    {
        QFETCH(int, from);
        QFETCH(QString, arrow);
        QFETCH(int, to);
        Fixture f;
        f.showPage(from);
        QCOMPARE(f.visiblePage(), QStringLiteral("grpPage") + nn(from));
        f.click(arrow);
        QCOMPARE(f.visiblePage(), QStringLiteral("grpPage") + nn(to));
        QCOMPARE(f.window->currentPage(), to);
        QCOMPARE(f.focused(), QStringLiteral("txtQuant") + nn((to - 1) * 5 + 1));
    }

    void theEndPagesHaveNoWayOut()
    {
        Fixture f;
        QVERIFY(!f.window->findChild<QWidget *>(QStringLiteral("imgIndietro_A")));
        QVERIFY(!f.window->findChild<QWidget *>(QStringLiteral("imgAvanti_F")));
        // Each line sits on its page with its number.
        QCOMPARE(f.find(QStringLiteral("txtQuant16"))->parentWidget()->objectName(),
                 QStringLiteral("grpPage04"));
        QCOMPARE(f.text(QStringLiteral("lblNum30")), QStringLiteral("30."));
    }

    void typingEmptiesWhatItMakesStale_data()
    {
        // clang-format off
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("lineAmountEmptied");
        QTest::newRow("price") << "txtPrezzo02" << "1" << true;
        QTest::newRow("quantity") << "txtQuant02" << "3" << true;
        QTest::newRow("discount") << "txtPercSconto02" << "5" << true;
        QTest::newRow("a refused key") << "txtPrezzo02" << "x" << true;
        QTest::newRow("Enter") << "txtQuant02" << "\r" << true;
        QTest::newRow("VAT rate") << "txtPercIva" << "0" << false;
        // clang-format on
    }
    void typingEmptiesWhatItMakesStale()
    {
        QFETCH(QString, edit);
        QFETCH(QString, keys);
        QFETCH(bool, lineAmountEmptied);
        Fixture f({}, calculatedQuote());
        f.click(QStringLiteral("cmdPrimo"));
        // Loading sets every text without emptying anything.
        QCOMPARE(f.text(QStringLiteral("txtImporto02")), QStringLiteral("5,00"));
        QCOMPARE(f.text(QStringLiteral("txtTotFattura")), QStringLiteral("53,78"));

        const QString before = f.text(edit);
        type(f.edit(edit), keys);
        const bool typesNothing = keys == QStringLiteral("x") || keys == QStringLiteral("\r");
        QCOMPARE(f.text(edit), typesNothing ? before : before + keys);
        QCOMPARE(f.text(QStringLiteral("txtImporto02")).isEmpty(), lineAmountEmptied);
        QCOMPARE(f.text(QStringLiteral("txtImporto01")), QStringLiteral("39,98"));
        for (const QString &total : kTotals)
            QVERIFY2(f.text(total).isEmpty(), qPrintable(total));
    }

    void textSetByTheProgramEmptiesNothing()
    {
        Fixture f({}, calculatedQuote());
        f.click(QStringLiteral("cmdPrimo"));
        f.edit(QStringLiteral("txtPrezzo02"))->setText(QStringLiteral("7,00"));
        f.edit(QStringLiteral("txtPercIva"))->setText(QStringLiteral("10"));
        QCOMPARE(f.text(QStringLiteral("txtImporto02")), QStringLiteral("5,00"));
        QCOMPARE(f.text(QStringLiteral("txtTotFattura")), QStringLiteral("53,78"));
        // Nor does the calculation writing "1" into an empty quantity.
        f.edit(QStringLiteral("txtPrezzo03"))->setText(QStringLiteral("2,00"));
        f.click(QStringLiteral("cmdCalcola"));
        QCOMPARE(f.text(QStringLiteral("txtQuant03")), QStringLiteral("1"));
        QCOMPARE(f.text(QStringLiteral("txtImporto03")), QStringLiteral("2,00"));
        QCOMPARE(f.text(QStringLiteral("txtTotFattura")), QStringLiteral("53,18"));
    }

    void leavingAFieldRewritesItsNumber_data()
    {
        // clang-format off
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("quantity 2,50") << "txtQuant04" << "2,50" << "2,5";
        QTest::newRow("quantity 1,2,3") << "txtQuant04" << "1,2,3" << "";
        QTest::newRow("discount 1,23456 is cut to six") << "txtPercSconto04" << "1,23456" << "1,2345";
        QTest::newRow("price 7") << "txtPrezzo04" << "7" << "7,00";
        QTest::newRow("price 1,23456") << "txtPrezzo04" << "1,23456" << "1,2346";
        QTest::newRow("price 12,345") << "txtPrezzo04" << "12,345" << "12,345";
        QTest::newRow("price 1,2,3") << "txtPrezzo04" << "1,2,3" << "0,00";
        QTest::newRow("VAT rate 22,0") << "txtPercIva" << "22,0" << "22";
        QTest::newRow("empty VAT rate") << "txtPercIva" << "" << "";
        // clang-format on
    }
    void leavingAFieldRewritesItsNumber()
    {
        QFETCH(QString, edit);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Fixture f;
        type(f.edit(edit), typed);
        QTest::keyClick(f.edit(edit), Qt::Key_Tab);
        QVERIFY(f.focused() != edit);
        QCOMPARE(f.text(edit), shown);
    }

    void saveTakesTheFocusedNumberAsLeavingWouldShowIt()
    {
        Fixture f;
        type(f.edit(QStringLiteral("txtCliente")), QStringLiteral("Rossi"));
        f.click(QStringLiteral("impOggi"));
        type(f.edit(QStringLiteral("txtNumFatt")), QStringLiteral("1"));
        type(f.edit(QStringLiteral("txtQuant01")), QStringLiteral("100"));
        type(f.edit(QStringLiteral("txtPrezzo01")), QStringLiteral("1,23456"));
        // The picture button leaves the focus in the price.
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.focused(), QStringLiteral("txtPrezzo01"));
        QCOMPARE(f.text(QStringLiteral("txtPrezzo01")), QStringLiteral("1,2346"));
        QCOMPARE(f.text(QStringLiteral("txtImporto01")), QStringLiteral("123,46"));
        QCOMPARE(f.stored(1).text(lineField(Column::Prezzo, 1)), QStringLiteral("1,2346"));
    }

    void enterMovesAlongTheChain_data()
    {
        // clang-format off
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        const QStringList chain = {"txtDitta",        "txtViaDitta",    "txtCapDitta",       "txtCittaDitta",
                                   "txtProvDitta",    "txtIvaDitta",    "txtCodFiscDitta",   "txtLibero01",
                                   "txtLibero02",     "txtCliente",     "txtViaCliente",     "txtCapCliente",
                                   "txtCittaCliente", "txtProvCliente", "txtIvaCliente",     "txtCodFiscCliente",
                                   "txtRiferimenti",  "txtNumFatt",     "txtData",           "txtPagamento",
                                   "txtBanca",        "txtIban",        "txtNote",           "txtDitta"};
        for (int i = 0; i + 1 < chain.size(); ++i)
            QTest::addRow("%s", qPrintable(chain[i])) << chain[i] << chain[i + 1];
        QTest::newRow("txtPercIva") << "txtPercIva" << "txtNote";
        const QStringList line = {"txtQuant", "txtCodice", "txtDesc", "txtPrezzo", "txtPercSconto", "chkEs"};
        for (int i = 0; i + 1 < line.size(); ++i)
            QTest::addRow("%s07", qPrintable(line[i])) << line[i] + "07" << line[i + 1] + "07";
        // clang-format on
    }
    void enterMovesAlongTheChain()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        Fixture f;
        f.showPage(2);
        QWidget *w = f.find(from);
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Return);
        QCOMPARE(f.focused(), to);
    }

    void everyLineKeepsItsMaximumLengths()
    {
        Fixture f;
        const struct
        {
            const char *prefix;
            int max;
        } columns[] = {
            {"txtQuant", 6}, {"txtCodice", 20}, {"txtDesc", 55}, {"txtPrezzo", 10}, {"txtPercSconto", 6}};
        for (int line = 1; line <= 30; ++line) {
            for (const auto &c : columns) {
                const QString name = QLatin1StringView(c.prefix) + nn(line);
                QCOMPARE(f.edit(name)->maxLength(), c.max);
            }
        }
        // Typed past the end, a seventh digit does not go in.
        type(f.edit(QStringLiteral("txtQuant30")), QStringLiteral("1234567"));
        QCOMPARE(f.text(QStringLiteral("txtQuant30")), QStringLiteral("123456"));
    }

    void headerFieldsKeepTheirLengthsAndTypingRules_data()
    {
        // clang-format off
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("max");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("issuer VAT number: digits") << "txtIvaDitta" << 30 << "12a-3 4" << "1234";
        QTest::newRow("customer VAT number: digits") << "txtIvaCliente" << 30 << "IT0123" << "0123";
        QTest::newRow("tax code: upper case") << "txtCodFiscCliente" << 30 << "rssmra80" << "RSSMRA80";
        QTest::newRow("IBAN: trimmed and upper case") << "txtIban" << 50 << " it60x 05 " << "IT60X05";
        QTest::newRow("rate: digits and comma") << "txtPercIva" << 10 << "2a2,5%" << "22,5";
        QTest::newRow("postal code: free") << "txtCapDitta" << 12 << "I-20100" << "I-20100";
        QTest::newRow("notes: 250") << "txtNote" << 250 << "Consegna & montaggio" << "Consegna & montaggio";
        QTest::newRow("number: 30") << "txtNumFatt" << 30 << "12/2024" << "12/2024";
        // clang-format on
    }
    void headerFieldsKeepTheirLengthsAndTypingRules()
    {
        QFETCH(QString, field);
        QFETCH(int, max);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Fixture f;
        QCOMPARE(f.edit(field)->maxLength(), max);
        type(f.edit(field), typed);
        QCOMPARE(f.text(field), shown);
    }

    void provincesUpperCaseAndForgetTheirSelection()
    {
        Fixture f;
        auto *issuer = f.find<QComboBox>(QStringLiteral("txtProvDitta"));
        auto *customer = f.find<QComboBox>(QStringLiteral("txtProvCliente"));
        QCOMPARE(issuer->lineEdit()->maxLength(), 2);
        QCOMPARE(customer->lineEdit()->maxLength(), 2);
        type(customer, QStringLiteral(" m"));
        QCOMPARE(customer->currentText(), QStringLiteral(" M"));
        QTest::keyClick(customer, Qt::Key_Tab);
        QCOMPARE(customer->currentText(), QStringLiteral("M")); // trimmed on leaving
        type(issuer, QStringLiteral("to"));
        QCOMPARE(issuer->currentText(), QStringLiteral("TO"));

        customer->setCurrentIndex(customer->findText(QStringLiteral("RM")));
        f.edit(QStringLiteral("txtNote"))->setFocus();
        customer->setFocus();
        QCOMPARE(customer->currentIndex(), -1);
        QCOMPARE(customer->currentText(), QStringLiteral("RM"));
    }

    void calcolaShowsWhatTheTotalsModelComputes_data()
    {
        // clang-format off
        QTest::addColumn<QList<LineTexts>>("lines");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("grandTotal");
        QTest::newRow("discount, exempt line, page 2, skipped lines")
            << QList<LineTexts>{{1, "3", "A1", "Viti", "10,00", "10"},
                                {2, "", "", "Trasporto", "5", ""},
                                {3, "", "", "Solo descrizione", "", ""},
                                {4, "2", "", "", "", ""},
                                {9, "1", "", "Esente", "6,00", "", true},
                                {30, "3", "", "", "1,333", ""}}
            << "22" << "49,92";
        QTest::newRow("over 100 percent discount")
            << QList<LineTexts>{{1, "1", "", "", "10,00", "150"}} << "22" << "-6,10";
        QTest::newRow("2,675 lies below its half")
            << QList<LineTexts>{{1, "1", "", "", "2,675", ""}} << "0" << "2,67";
        QTest::newRow("0,125 at 20 percent")
            << QList<LineTexts>{{1, "1", "", "", "0,125", ""}} << "20" << "0,15";
        QTest::newRow("no rate") << QList<LineTexts>{{5, "2", "", "", "0,005", ""}} << "" << "0,01";
        // clang-format on
    }
    void calcolaShowsWhatTheTotalsModelComputes()
    {
        QFETCH(QList<LineTexts>, lines);
        QFETCH(QString, rate);
        QFETCH(QString, grandTotal);
        Fixture f;
        QuoteTotals::Figures figures;
        for (const LineTexts &l : lines) {
            f.showPage((l.line - 1) / 5 + 1);
            type(f.edit(QStringLiteral("txtQuant") + nn(l.line)), l.quant);
            type(f.edit(QStringLiteral("txtCodice") + nn(l.line)), l.codice);
            type(f.edit(QStringLiteral("txtDesc") + nn(l.line)), l.desc);
            type(f.edit(QStringLiteral("txtPrezzo") + nn(l.line)), l.prezzo);
            type(f.edit(QStringLiteral("txtPercSconto") + nn(l.line)), l.sconto);
            f.check(QStringLiteral("chkEs") + nn(l.line))->setChecked(l.esente);
        }
        type(f.edit(QStringLiteral("txtPercIva")), rate);
        f.edit(QStringLiteral("txtNote"))->setFocus();
        // The model is given the texts as the window shows them now.
        for (int line = 1; line <= 30; ++line) {
            QuoteTotals::Line &l = figures.lines[size_t(line - 1)];
            l.quant = f.text(QStringLiteral("txtQuant") + nn(line));
            l.prezzo = f.text(QStringLiteral("txtPrezzo") + nn(line));
            l.percSconto = f.text(QStringLiteral("txtPercSconto") + nn(line));
            l.esente = f.check(QStringLiteral("chkEs") + nn(line))->isChecked();
        }
        figures.percIva = f.text(QStringLiteral("txtPercIva"));
        const QuoteTotals::Outcome expected = QuoteTotals::calcola(figures);
        QVERIFY(expected.completed);

        f.click(QStringLiteral("cmdCalcola"));
        for (int line = 1; line <= 30; ++line) {
            const QuoteTotals::Line &l = expected.figures.lines[size_t(line - 1)];
            QCOMPARE(f.text(QStringLiteral("txtQuant") + nn(line)), l.quant);
            QCOMPARE(f.text(QStringLiteral("txtPrezzo") + nn(line)), l.prezzo);
            QCOMPARE(f.text(QStringLiteral("txtImporto") + nn(line)), l.importo);
        }
        const QuoteTotals::Totals &t = expected.figures.totals;
        QCOMPARE(f.text(QStringLiteral("txtPercIva")), expected.figures.percIva);
        const QStringList totals = {t.imponibile, t.imposta, t.iva, t.esente, t.fattura};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(f.text(kTotals[i]), totals[i]);
        QCOMPARE(f.text(QStringLiteral("txtTotFattura")), grandTotal);
    }

    void aStoredTextThatDoesNotParseZeroesTheTotals()
    {
        Fixture f({},
                  quote(storedLine(1, QStringLiteral("2"), QStringLiteral("1,00"), {}) +
                        storedLine(2, QStringLiteral("tre"), QStringLiteral("1,00"), QStringLiteral("3,00")) +
                        storedLine(3, QStringLiteral("1"), QStringLiteral("4,00"), QStringLiteral("9,99")) +
                        Texts{{txtPercIva, QStringLiteral("22")}})
                      .encode());
        f.click(QStringLiteral("cmdPrimo"));
        f.click(QStringLiteral("cmdCalcola"));
        QCOMPARE(f.text(QStringLiteral("txtImporto01")), QStringLiteral("2,00"));
        QCOMPARE(f.text(QStringLiteral("txtImporto02")), QStringLiteral("3,00"));
        QCOMPARE(f.text(QStringLiteral("txtImporto03")), QStringLiteral("9,99"));
        for (const QString &total : kTotals)
            QCOMPARE(f.text(total), QStringLiteral("0,00"));
        QCOMPARE(f.messages().shown.size(), 0);
    }

    void looksTidy_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("1366x768") << QSize(1366, 768);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
    }
    void looksTidy()
    {
        QFETCH(QSize, size);
        QByteArray year =
            quote(Texts{{txtNumFatt, QStringLiteral("12/2024")},
                        {txtData, QStringLiteral("15/03/2024")},
                        {txtDitta, QStringLiteral("Bianchi Forniture S.r.l.")},
                        {txtViaDitta, QStringLiteral("Via Roma 1")},
                        {txtCapDitta, QStringLiteral("20100")},
                        {txtCittaDitta, QStringLiteral("Milano")},
                        {txtProvDitta, QStringLiteral("MI")},
                        {txtIvaDitta, QStringLiteral("01234567890")},
                        {txtCodFiscDitta, QStringLiteral("01234567890")},
                        {txtLibero01, QStringLiteral("Tel. 02 123456")},
                        {txtLibero02, QStringLiteral("info@bianchi.it")},
                        {txtCliente, QStringLiteral("Rossi Mario")},
                        {txtViaCliente, QStringLiteral("Corso Garibaldi 45")},
                        {txtCapCliente, QStringLiteral("10121")},
                        {txtCittaCliente, QStringLiteral("Torino")},
                        {txtProvCliente, QStringLiteral("TO")},
                        {txtCodFiscCliente, QStringLiteral("RSSMRA80A01L219X")},
                        {txtRiferimenti, QStringLiteral("Vs. richiesta del 10/03")},
                        {txtPagamento, QStringLiteral("Bonifico bancario 30 gg d.f.")},
                        {txtBanca, QStringLiteral("Banca Popolare di Milano")},
                        {txtIban, QStringLiteral("IT60X0542811101000000123456")},
                        {lineField(Column::Codice, 1), QStringLiteral("VT-M6-40")},
                        {lineField(Column::Desc, 1),
                         QStringLiteral("Vite a testa esagonale M6 x 40 zincata, confezione da 100")},
                        {lineField(Column::Desc, 2), QStringLiteral("Trasporto e consegna")},
                        {txtNote, QStringLiteral("Prezzi validi 30 giorni.")}} +
                  storedLine(1, QStringLiteral("3"), QStringLiteral("10,00"), QStringLiteral("27,00"),
                             QStringLiteral("10"), QStringLiteral("No")) +
                  storedLine(2, QStringLiteral("1"), QStringLiteral("1234567,89"),
                             QStringLiteral("1234567,89"), {}, QStringLiteral("S\u00EC")) +
                  storedTotals(QStringLiteral("22"),
                               {QStringLiteral("27,00"), QStringLiteral("5,94"), QStringLiteral("32,94"),
                                QStringLiteral("1234567,89"), QStringLiteral("1234600,83")}))
                .encode();
        Fixture f({}, year);
        f.click(QStringLiteral("cmdPrimo"));
        f.edit(QStringLiteral("txtDesc01"))->setFocus();
        const QString name = QStringLiteral("quotewindow-%1x%2").arg(size.width()).arg(size.height());
        WindowShot::keep(f.window.get(), name, size);
        f.window->setWindowState(Qt::WindowNoState);
        f.window->resize(size);
        QApplication::processEvents();
        // Everything fits: the card needs no scrolling at either size.
        QWidget *content = f.find(QStringLiteral("cardContent"));
        QWidget *viewport = content->parentWidget();
        QVERIFY2(content->height() <= viewport->height(),
                 qPrintable(QStringLiteral("%1 > %2").arg(content->height()).arg(viewport->height())));
        // A description of 55 characters shows whole in its edit at the wider size.
        if (size.width() >= 1920) {
            QLineEdit *desc = f.edit(QStringLiteral("txtDesc01"));
            QVERIFY(desc->fontMetrics().horizontalAdvance(desc->text()) < desc->width() - 8);
        }
    }
};

QTEST_MAIN(TestQuoteLines)
#include "tst_quotelines.moc"
