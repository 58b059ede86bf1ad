#include "core/Record.h"
#include "customers/ClientiRecord.h"
#include "deadlines/ScadenzarioRecord.h"
#include "quotes/PreventiviRecord.h"
#include "suppliers/FornitoriRecord.h"
#include "warehouse/MagazzinoRecord.h"

#include <QtTest>

// The record layouts against the published offsets of the stored format.
class TestLayouts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sizes_data();
    void sizes();
    void offsets_data();
    void offsets();
    void quoteLineAddressing();
    void encodeDecodeRoundTrip();
};

void TestLayouts::sizes_data()
{
    QTest::addColumn<const RecordLayout *>("layout");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("fields");
    QTest::newRow("TSchedaClienti") << &Clienti::layout() << 3151 << 38;
    QTest::newRow("TSchedaFornitori") << &Fornitori::layout() << 3643 << 30;
    QTest::newRow("TSchedaMagazzino") << &Magazzino::layout() << 4874 << 32;
    QTest::newRow("TSchedaPreventivi") << &Preventivi::layout() << 4886 << 246;
    QTest::newRow("TSchedaScadenzario") << &Scadenzario::layout() << 1368 << 25;
}

void TestLayouts::sizes()
{
    QFETCH(const RecordLayout *, layout);
    QFETCH(int, size);
    QFETCH(int, fields);
    QCOMPARE(layout->recordSize(), size);
    QCOMPARE(layout->fieldCount(), fields);
}

void TestLayouts::offsets_data()
{
    // clang-format off
    QTest::addColumn<const RecordLayout *>("layout");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("capacity");
    const RecordLayout *c = &Clienti::layout();
    QTest::newRow("Clienti Sesso") << c << int(Clienti::Sesso) << "Sesso" << 153 << 1;
    QTest::newRow("Clienti CapRes") << c << int(Clienti::CapRes) << "CapRes" << 311 << 5;
    QTest::newRow("Clienti Pec") << c << int(Clienti::Pec) << "Pec" << 495 << 60;
    QTest::newRow("Clienti Iban") << c << int(Clienti::Iban) << "Iban" << 698 << 27;
    QTest::newRow("Clienti CodiceDest") << c << int(Clienti::CodiceDest) << "CodiceDest" << 1634 << 7;
    QTest::newRow("Clienti Ricontatta") << c << int(Clienti::Ricontatta) << "Ricontatta" << 1642 << 2;
    QTest::newRow("Clienti File02") << c << int(Clienti::File02) << "File02" << 1896 << 250;
    QTest::newRow("Clienti Desc03") << c << int(Clienti::Desc03) << "Desc03" << 2900 << 250;
    const RecordLayout *f = &Fornitori::layout();
    QTest::newRow("Fornitori Titolare") << f << int(Fornitori::Titolare) << "Titolare" << 51 << 120;
    QTest::newRow("Fornitori Pagamento") << f << int(Fornitori::Pagamento) << "Pagamento" << 334 << 250;
    QTest::newRow("Fornitori Iban") << f << int(Fornitori::Iban) << "Iban" << 851 << 27;
    QTest::newRow("Fornitori Ricontatta") << f << int(Fornitori::Ricontatta) << "Ricontatta" << 2134 << 2;
    QTest::newRow("Fornitori Desc03") << f << int(Fornitori::Desc03) << "Desc03" << 3392 << 250;
    const RecordLayout *m = &Magazzino::layout();
    QTest::newRow("Magazzino Costo") << m << int(Magazzino::Costo) << "Costo" << 1639 << 15;
    QTest::newRow("Magazzino PercIva") << m << int(Magazzino::PercIva) << "PercIva" << 2189 << 2;
    QTest::newRow("Magazzino Prezzo_con_Iva") << m << int(Magazzino::Prezzo_con_Iva) << "Prezzo_con_Iva" << 2192 << 15;
    QTest::newRow("Magazzino Giacenza") << m << int(Magazzino::Giacenza) << "Giacenza" << 2459 << 15;
    QTest::newRow("Magazzino Scadenza") << m << int(Magazzino::Scadenza) << "Scadenza" << 2584 << 30;
    QTest::newRow("Magazzino File01") << m << int(Magazzino::File01) << "File01" << 2866 << 250;
    QTest::newRow("Magazzino Desc01") << m << int(Magazzino::Desc01) << "Desc01" << 3619 << 250;
    QTest::newRow("Magazzino CartellaDesc") << m << int(Magazzino::CartellaDesc) << "CartellaDesc" << 4623 << 250;
    const RecordLayout *p = &Preventivi::layout();
    QTest::newRow("Preventivi txtCliente") << p << int(Preventivi::txtCliente) << "txtCliente" << 385 << 50;
    QTest::newRow("Preventivi txtIban") << p << int(Preventivi::txtIban) << "txtIban" << 769 << 50;
    QTest::newRow("Preventivi memTarga") << p << int(Preventivi::memTarga) << "memTarga" << 1055 << 30;
    QTest::newRow("Preventivi txtTotImponibile") << p << int(Preventivi::txtTotImponibile) << "txtTotImponibile" << 4566 << 10;
    QTest::newRow("Preventivi txtNote") << p << int(Preventivi::txtNote) << "txtNote" << 4632 << 250;
    QTest::newRow("Preventivi chkSaldata") << p << int(Preventivi::chkSaldata) << "chkSaldata" << 4883 << 2;
    const RecordLayout *s = &Scadenzario::layout();
    QTest::newRow("Scadenzario Ora") << s << int(Scadenzario::Ora) << "Ora" << 36 << 5;
    QTest::newRow("Scadenzario Avviso") << s << int(Scadenzario::Avviso) << "Avviso" << 42 << 3;
    QTest::newRow("Scadenzario Dettagli") << s << int(Scadenzario::Dettagli) << "Dettagli" << 642 << 250;
    QTest::newRow("Scadenzario Costo") << s << int(Scadenzario::Costo) << "Costo" << 1044 << 15;
    QTest::newRow("Scadenzario Effettuata") << s << int(Scadenzario::Effettuata) << "Effettuata" << 1365 << 2;
    // clang-format on
}

void TestLayouts::offsets()
{
    QFETCH(const RecordLayout *, layout);
    QFETCH(int, field);
    QFETCH(QString, name);
    QFETCH(int, offset);
    QFETCH(int, capacity);
    QCOMPARE(layout->name(field), name);
    QCOMPARE(layout->offset(field), offset);
    QCOMPARE(layout->capacity(field), capacity);
    QCOMPARE(layout->indexOf(name), field);
}

void TestLayouts::quoteLineAddressing()
{
    using namespace Preventivi;
    const RecordLayout &l = layout();
    const struct
    {
        Column column;
        const char *first;
        int offset, size;
    } blocks[] = {{Column::Quant, "txtQuant", 1086, 7},
                  {Column::Codice, "txtCodice", 1296, 21},
                  {Column::Desc, "txtDesc", 1926, 56},
                  {Column::Prezzo, "txtPrezzo", 3606, 11},
                  {Column::PercSconto, "txtPercSconto", 3936, 7},
                  {Column::Importo, "txtImporto", 4146, 11},
                  {Column::Es, "chkEs", 4476, 3}};
    for (const auto &b : blocks) {
        for (int line : {1, 12, 30}) {
            const int f = lineField(b.column, line);
            QCOMPARE(l.name(f),
                     QStringLiteral("%1%2").arg(QLatin1StringView(b.first)).arg(line, 2, 10, QChar(u'0')));
            QCOMPARE(l.offset(f), b.offset + (line - 1) * b.size);
        }
    }
}

void TestLayouts::encodeDecodeRoundTrip()
{
    // A quote for Rossi with quantity 3 on line 12.
    Record r(Preventivi::layout());
    r.setText(Preventivi::txtCliente, QStringLiteral("Rossi"));
    r.setText(Preventivi::lineField(Preventivi::Column::Quant, 12), QStringLiteral("3"));
    r.setText(Preventivi::chkSaldata, Record::flagText(true));
    const QByteArray bytes = r.encode();
    QCOMPARE(bytes.size(), 4886);
    QCOMPARE(bytes.mid(385, 6), QByteArray("\x05Rossi"));
    QCOMPARE(bytes.mid(1163, 2), QByteArray("\x01"
                                            "3"));
    QCOMPARE(bytes.mid(4883, 3), QByteArray("\x02S\xEC"));
    const Record back = Record::decode(Preventivi::layout(), bytes);
    QCOMPARE(back.texts(), r.texts());
}

QTEST_APPLESS_MAIN(TestLayouts)
#include "tst_layouts.moc"
