#include "core/Record.h"
#include "quotes/DefaultLogo.h"
#include "quotes/PreventiviRecord.h"
#include "quotes/QuoteDocument.h"
#include "reports/ReportPainter.h"

#include <QDir>
#include <QtTest>

using namespace Preventivi;

namespace {

using Texts = QList<QPair<int, QString>>;

Record quote(const Texts &texts)
{
    Record r(layout());
    for (const auto &[field, text] : texts)
        r.setText(field, text);
    return r;
}

PreparedReport prepared(const Texts &texts, QuoteDocument::Output output = QuoteDocument::Output::Paper)
{
    return QuoteDocument::prepare(quote(texts), DefaultLogo::image(), output);
}

const ReportItem &item(const PreparedReport &report, const QString &name)
{
    const ReportItem *found = report.pages.value(0).find(name);
    if (!found)
        qFatal("no object %s on the page", qPrintable(name));
    return *found;
}

QString textOf(const PreparedReport &report, const QString &name)
{
    return item(report, name).text;
}

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// A quote as a user fills it: every field the document shows has a value, with blanks around.
Texts fullQuote()
{
    return {{txtNumFatt, " 12/2024 "},
            {txtData, "05/03/2024"},
            {txtDitta, "Ferramenta Verdi Srl"},
            {txtViaDitta, "Via Garibaldi 3"},
            {txtCapDitta, "20121"},
            {txtCittaDitta, "Milano"},
            {txtProvDitta, "MI"},
            {txtIvaDitta, "01234567890"},
            {txtCodFiscDitta, "VRDGPP60A01F205X"},
            {txtLibero01, "Tel. 02 1234567"},
            {txtLibero02, "info@verdi.it"},
            {txtCliente, "Rossi Mario"},
            {txtViaCliente, "Corso Italia 10"},
            {txtCapCliente, "00184"},
            {txtCittaCliente, "Roma"},
            {txtProvCliente, "RM"},
            {txtIvaCliente, "09876543210"},
            {txtCodFiscCliente, "RSSMRA70E12B963X"},
            {txtRiferimenti, "Vs. richiesta del 01/03"},
            {txtPagamento, "Bonifico 30 gg"},
            {txtBanca, "Banca di Roma"},
            {txtIban, "IT60X0542811101000000123456"},
            {txtNote, "Prezzi validi 30 giorni"},
            {memVeicolo, "Via Appia 5, Roma"},
            {memMarca, "Corriere Espresso"},
            {memColore, "Scatole"},
            {memImmatricolazione, "Franco"},
            {memAlimentazione, "Vendita"},
            {memTarga, " 3 "}};
}

} // namespace

class TestQuoteDocument : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void headerTexts_data();
    void headerTexts();
    void everyRowIsItsLineAsShown();
    void longDescriptionIsCutAtItsColumn();
    void totalsAreTheShownTexts_data();
    void totalsAreTheShownTexts();
    void numberBoxIsFilledOnPaperOnly_data();
    void numberBoxIsFilledOnPaperOnly();
};

void TestQuoteDocument::headerTexts_data()
{
    QTest::addColumn<bool>("filled"); // the full quote, or one with only its number and date
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("expected");

    const struct
    {
        const char *object, *full, *empty;
    } rows[] = {
        {"txtNumFatt", "Preventivo n. 12/2024", "Preventivo n. 7"},
        {"txtData", "Data emissione:  05/03/2024", "Data emissione:  01/01/2024"},
        {"txtDitta", "Ferramenta Verdi Srl", ""},
        {"txtCittaDitta", "20121 Milano MI", "  "},
        {"txtIvaDitta", "P.IVA: 01234567890  C.F. VRDGPP60A01F205X", "P.IVA:   C.F. "},
        {"txtLibero02", "info@verdi.it", ""},
        {"titSpettabile", "Spettabile", "Spettabile"},
        {"txtCliente", "Rossi Mario", ""},
        {"txtCittaCliente", "00184 Roma RM", "  "},
        {"txtIvaCliente", "P.IVA: 09876543210", ""},
        {"txtCodFiscCliente", "C.F. RSSMRA70E12B963X", ""},
        {"titRiferimenti", "Riferimenti:", "Riferimenti:"},
        {"txtRiferimenti", "Vs. richiesta del 01/03", ""},
        {"txtPagamento", "Pagamento: Bonifico 30 gg", "Pagamento: "},
        {"txtBanca", "Banca d'appoggio: Banca di Roma", "Banca d'appoggio: "},
        {"txtIban", "IBAN: IT60X0542811101000000123456", "IBAN: "},
        {"txtNote", "Note: Prezzi validi 30 giorni", "Note: "},
        {"txtVeicolo", "Destinazione merce:  Via Appia 5, Roma", "Destinazione merce:  "},
        {"txtMarca", "Vettore:  Corriere Espresso", "Vettore:  "},
        {"txtColore", "Aspetto esteriore dei beni:  Scatole", "Aspetto esteriore dei beni:  "},
        {"txtImmatricolazione", "Porto:  Franco", "Porto:  "},
        {"txtAlimentazione", "Causale del trasporto:  Vendita", "Causale del trasporto:  "},
        {"txtTarga", "Numero colli:  3", "Numero colli:  "},
        {"titConai", "CONTRIBUTI CONAI E SIAE ASSOLTI OVE DOVUTO.",
         "CONTRIBUTI CONAI E SIAE ASSOLTI OVE DOVUTO."},
    };
    for (const auto &r : rows) {
        QTest::addRow("%s filled", r.object) << true << r.object << u(r.full);
        QTest::addRow("%s empty", r.object) << false << r.object << u(r.empty);
    }
    QTest::newRow("the privacy sentence, whole")
        << false << "titPrivacy"
        << "I dati personali del Cliente saranno trattati nel rispetto della normativa sulla privacy "
           "esclusivamente per l'erogazione del servizio e non saranno forniti a terzi.";
}

void TestQuoteDocument::headerTexts()
{
    QFETCH(bool, filled);
    QFETCH(QString, object);
    QFETCH(QString, expected);
    const Texts texts = filled ? fullQuote() : Texts{{txtNumFatt, "7"}, {txtData, "01/01/2024"}};
    const PreparedReport report = prepared(texts);
    QCOMPARE(textOf(report, object), expected);
    QCOMPARE(report.title, QStringLiteral("Fattura"));
    QCOMPARE(report.subject, QStringLiteral("Fattura"));
    QCOMPARE(report.pages.size(), 1);
    // The logo given is the logo printed.
    QCOMPARE(item(report, QStringLiteral("imgLogo")).picture, DefaultLogo::image());
}

void TestQuoteDocument::everyRowIsItsLineAsShown()
{
    // Lines 1 and 2 filled; line 3 shows only the "0,00" a calculation left; line 30 a stray code.
    Texts texts = {{lineField(Column::Quant, 1), " 2 "},      {lineField(Column::Codice, 1), "ART-001"},
                   {lineField(Column::Desc, 1), "Vite M6"},   {lineField(Column::Prezzo, 1), "1,50"},
                   {lineField(Column::PercSconto, 1), "10"},  {lineField(Column::Importo, 1), "2,70"},
                   {lineField(Column::Es, 1), u("S\u00EC")},  {lineField(Column::Quant, 2), "1"},
                   {lineField(Column::Desc, 2), "Montaggio"}, {lineField(Column::Prezzo, 2), "40,00"},
                   {lineField(Column::Importo, 2), "40,00"},  {lineField(Column::Importo, 3), "0,00"},
                   {lineField(Column::Codice, 30), "Z9"}};
    const Record shown = quote(texts);
    const PreparedReport report =
        QuoteDocument::prepare(shown, DefaultLogo::image(), QuoteDocument::Output::Pdf);
    const struct
    {
        const char *name;
        Column column;
    } columns[] = {{"txtQuant", Column::Quant},
                   {"txtCodice", Column::Codice},
                   {"txtDesc", Column::Desc},
                   {"txtPrezzo", Column::Prezzo},
                   {"txtPercSconto", Column::PercSconto},
                   {"txtImporto", Column::Importo}};
    for (int row = 1; row <= QuoteDocument::kRows; ++row) {
        for (const auto &c : columns) {
            const ReportItem &cell = item(report, QuoteDocument::rowName(c.name, row));
            QCOMPARE(cell.text, shown.text(lineField(c.column, row)).trimmed());
            // Row NN at 88 + (NN - 1) x 5 mm inside the 10 mm margin, never compacted.
            QCOMPARE(cell.mm.top(), 10 + 88 + (row - 1) * 5.0);
        }
    }
    QCOMPARE(textOf(report, QStringLiteral("txtQuant01")), QStringLiteral("2"));
    QCOMPARE(textOf(report, QStringLiteral("txtImporto03")), QStringLiteral("0,00"));
    QCOMPARE(textOf(report, QStringLiteral("txtCodice30")), QStringLiteral("Z9"));
    // The VAT-exempt mark is not printed.
    QVERIFY(!report.pages.first().texts().contains(u("S\u00EC")));
    // Amounts to the right, quantities and discounts centred.
    QVERIFY(item(report, QStringLiteral("txtPrezzo01")).style.alignment & Qt::AlignRight);
    QVERIFY(item(report, QStringLiteral("txtImporto01")).style.alignment & Qt::AlignRight);
    QVERIFY(item(report, QStringLiteral("txtQuant01")).style.alignment & Qt::AlignHCenter);
    QVERIFY(item(report, QStringLiteral("txtDesc01")).style.alignment & Qt::AlignLeft);

    if (!qEnvironmentVariableIsEmpty("QUADRIVO_SHOTS")) {
        Texts full = fullQuote();
        full << texts;
        full << Texts{{txtPercIva, "22"},   {txtTotImponibile, "42,70"}, {txtTotImposta, "9,39"},
                      {txtTotIva, "52,09"}, {txtTotEsente, "0,00"},      {txtTotFattura, "52,09"}};
        ReportPainter::pageImage(prepared(full), 0, 1654)
            .save(
                QDir(qEnvironmentVariable("QUADRIVO_SHOTS")).filePath(QStringLiteral("quote-document.png")));
    }
}

void TestQuoteDocument::longDescriptionIsCutAtItsColumn()
{
    const QString longText =
        QStringLiteral("Fornitura e posa in opera di serramenti in alluminio a taglio termico "
                       "con vetrocamera basso emissivo e maniglia");
    const PreparedReport report = prepared({{lineField(Column::Desc, 4), longText}});
    const ReportItem &cell = item(report, QStringLiteral("txtDesc04"));
    QCOMPARE(cell.mm.width(), 75.0);
    QVERIFY(cell.text.size() > 20);
    QVERIFY(cell.text.size() < longText.size());
    QVERIFY(longText.startsWith(cell.text)); // cut, not wrapped nor shortened with an ellipsis
    QVERIFY(ReportFonts::widthMm(cell.style, cell.text) <= 75.0);
    QVERIFY(ReportFonts::widthMm(cell.style, longText.left(cell.text.size() + 1)) > 75.0);
}

void TestQuoteDocument::totalsAreTheShownTexts_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("field");
    QTest::addColumn<bool>("centred");
    QTest::newRow("imponibile") << "titTotImponibile"
                                << "TOT. IMPONIBILE"
                                << "txtTotImponibile" << int(txtTotImponibile) << false;
    QTest::newRow("rate") << "titPercIva"
                          << "% IVA"
                          << "txtPercIva" << int(txtPercIva) << true;
    QTest::newRow("imposta") << "titTotImposta"
                             << "TOT. IMPOSTA"
                             << "txtTotImposta" << int(txtTotImposta) << false;
    QTest::newRow("IVA inclusa") << "titTotIva"
                                 << "TOT. IVA INCLUSA"
                                 << "txtTotIva" << int(txtTotIva) << false;
    QTest::newRow("esente") << "titTotEsente"
                            << "TOT. ESENTE"
                            << "txtTotEsente" << int(txtTotEsente) << false;
    QTest::newRow("preventivo") << "titTotFattura"
                                << "TOT. PREVENTIVO"
                                << "txtTotFattura" << int(txtTotFattura) << false;
}

void TestQuoteDocument::totalsAreTheShownTexts()
{
    QFETCH(QString, title);
    QFETCH(QString, heading);
    QFETCH(QString, value);
    QFETCH(int, field);
    QFETCH(bool, centred);
    // Texts that are no calculation's result: the document copies, it never recomputes.
    const QString shown = QStringLiteral(" 1.234,5%1 ").arg(field % 10);
    const PreparedReport report = prepared({{field, shown}});
    QCOMPARE(textOf(report, title), heading);
    QCOMPARE(textOf(report, value), shown.trimmed());
    QCOMPARE(bool(item(report, value).style.alignment & Qt::AlignHCenter), centred);
    QVERIFY(item(report, title).style.background.isValid()); // its coloured strip
}

void TestQuoteDocument::numberBoxIsFilledOnPaperOnly_data()
{
    QTest::addColumn<bool>("pdf");
    QTest::newRow("print and preview") << false;
    QTest::newRow("PDF") << true;
}

void TestQuoteDocument::numberBoxIsFilledOnPaperOnly()
{
    QFETCH(bool, pdf);
    const PreparedReport report =
        prepared(fullQuote(), pdf ? QuoteDocument::Output::Pdf : QuoteDocument::Output::Paper);
    QCOMPARE(item(report, QStringLiteral("shpNumFatt")).fill.isValid(), !pdf);
    QVERIFY(item(report, QStringLiteral("shpBanca")).fill.isValid());
    QCOMPARE(item(report, QStringLiteral("shpNumFatt")).mm, QRectF(94, 13, 103, 12));
}

QTEST_MAIN(TestQuoteDocument)
#include "tst_quotedocument.moc"
