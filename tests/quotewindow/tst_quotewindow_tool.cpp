// quadrivo-tool totals and the quote window's "Calcola" must agree to the cent on the same quote:
// the tool lets an accountant audit a year file without the window.
#include "QuoteWindowKit.h"
#include "ToolRun.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace QuoteWindowKit;
using namespace Preventivi;

namespace {

// One object per quote; `status` gets the exit status (0 all match, 1 some quote differs).
QList<QJsonObject> toolTotals(const QString &yearFile, int *status)
{
    const ToolRun run = runTool({QStringLiteral("totals"), yearFile});
    if (run.status < 0 || run.status > 1)
        qFatal("quadrivo-tool totals failed: %s", run.err.constData());
    *status = run.status;
    QList<QJsonObject> objects;
    for (const QByteArray &line : run.lines) {
        if (!line.trimmed().isEmpty())
            objects << QJsonDocument::fromJson(line).object();
    }
    return objects;
}

// The texts "Calcola" left on the window, under the tool's keys.
QMap<QString, QString> shownResults(const Fixture &f)
{
    QMap<QString, QString> shown;
    for (int line = 1; line <= 30; ++line) {
        const QString key = QStringLiteral("txtImporto") + nn(line);
        shown[key] = f.text(key);
    }
    shown[QStringLiteral("txtPercIva")] = f.text(QStringLiteral("txtPercIva"));
    for (const QString &key : kTotals)
        shown[key] = f.text(key);
    return shown;
}

void compare(const QJsonObject &tool, const QMap<QString, QString> &window)
{
    for (auto it = window.cbegin(); it != window.cend(); ++it)
        QCOMPARE(tool.value(it.key()).toString(), it.value());
}

void typeLine(Fixture &f, int line, const QString &quant, const QString &prezzo, const QString &sconto,
              bool esente = false)
{
    f.showPage((line - 1) / 5 + 1);
    type(f.edit(QStringLiteral("txtQuant") + nn(line)), quant);
    type(f.edit(QStringLiteral("txtPrezzo") + nn(line)), prezzo);
    type(f.edit(QStringLiteral("txtPercSconto") + nn(line)), sconto);
    f.check(QStringLiteral("chkEs") + nn(line))->setChecked(esente);
}

} // namespace

class TestQuoteWindowTool : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { useProgramLook(); }

    void savedQuotesAgreeWithTheTool()
    {
        Fixture f;
        QList<QMap<QString, QString>> saved;

        f.click(QStringLiteral("cmdNuovo"));
        type(f.edit(QStringLiteral("txtCliente")), QStringLiteral("Rossi"));
        type(f.edit(QStringLiteral("txtPercIva")), QStringLiteral("22"));
        typeLine(f, 1, QStringLiteral("3"), QStringLiteral("1,333"), {});
        typeLine(f, 7, QStringLiteral("2"), QStringLiteral("19,99"), QStringLiteral("12,5"));
        typeLine(f, 12, {}, QStringLiteral("0,125"), {}, true);
        typeLine(f, 29, QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("150"));
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.position(), QStringLiteral("1"));
        saved << shownResults(f);

        f.click(QStringLiteral("cmdNuovo"));
        type(f.edit(QStringLiteral("txtCliente")), QStringLiteral("Verdi"));
        f.edit(QStringLiteral("txtPercIva"))->clear();
        typeLine(f, 2, QStringLiteral("7"), QStringLiteral("2,675"), {});
        f.click(QStringLiteral("cmdCalcola"));
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.position(), QStringLiteral("2"));
        saved << shownResults(f);

        int status = -1;
        const QList<QJsonObject> tool = toolTotals(f.yearPath(), &status);
        QCOMPARE(status, 0);
        QCOMPARE(tool.size(), 2);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(tool[i].value(QStringLiteral("pos")).toInt(), i + 1);
            QVERIFY(tool[i].value(QStringLiteral("matches")).toBool());
            compare(tool[i], saved[i]);
        }
        // Not a quote without figures: the first one has amounts and a negative line.
        QCOMPARE(saved[0].value(QStringLiteral("txtImporto29")), QStringLiteral("-5,00"));
    }

    void aStaleStoredQuoteIsRecalculatedAlikeByBoth()
    {
        // Amounts and totals that predate a change of price, and a line with a stored amount
        // but no quantity and no price, which both leave as it is.
        const QByteArray year =
            quote(Texts{{txtCliente, QStringLiteral("Bianchi")}} +
                  storedLine(1, QStringLiteral("4"), QStringLiteral("2,35"), QStringLiteral("8,00"),
                             QStringLiteral("3")) +
                  storedLine(3, {}, {}, QStringLiteral("1,50"), {}, QStringLiteral("S\u00EC")) +
                  storedTotals(QStringLiteral("10"),
                               {QStringLiteral("8,00"), QStringLiteral("0,80"), QStringLiteral("8,80"),
                                QStringLiteral("1,50"), QStringLiteral("10,30")}))
                .encode();
        Fixture f({}, year);
        f.click(QStringLiteral("cmdPrimo"));
        f.click(QStringLiteral("cmdCalcola"));
        const QMap<QString, QString> window = shownResults(f);
        QCOMPARE(window.value(QStringLiteral("txtImporto03")), QStringLiteral("1,50"));

        int status = -1;
        const QList<QJsonObject> tool = toolTotals(f.yearPath(), &status);
        QCOMPARE(status, 1);
        QCOMPARE(tool.size(), 1);
        QVERIFY(!tool[0].value(QStringLiteral("matches")).toBool());
        compare(tool[0], window);
    }
};

QTEST_MAIN(TestQuoteWindowTool)
#include "tst_quotewindow_tool.moc"
