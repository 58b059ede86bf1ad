#include "QuoteDocument.h"

#include "PreventiviRecord.h"
#include "core/Record.h"
#include "core/TextField.h"

using namespace Preventivi;

namespace QuoteDocument {

namespace {

const QColor kLavender(0xDD, 0xDD, 0xF6);
const QColor kOrange(0xFF, 0xB0, 0x4C);

// The table's frame runs from just above its heading to just below row 30.
constexpr double kTableTop = 81.5;
constexpr double kTableHeight = 157;

TextStyle style(double points, Qt::Alignment horizontal = Qt::AlignLeft, bool bold = false)
{
    TextStyle s;
    s.points = points;
    s.bold = bold;
    s.alignment = horizontal | Qt::AlignVCenter;
    return s;
}

// A line's height for a text of that size: the font's em plus a little air.
double lineHeight(double points)
{
    return points * 25.4 / 72.0 + 1.2;
}

// A rule from (x, top) down `height` millimetres: a frame without width.
void addRule(ReportDesign &d, const QString &name, double x, double top, double height)
{
    d.addFrame(name, QRectF(x, top, 0, height), QColor());
}

struct Column
{
    const char *title;
    const char *row;
    const char *heading;
    double x, width;
    Qt::Alignment alignment;
    Preventivi::Column field;
};

const Column kColumns[] = {
    {"titQuant", "txtQuant", "Quant.", 4, 13, Qt::AlignHCenter, Preventivi::Column::Quant},
    {"titCodice", "txtCodice", "Codice art.", 19, 39, Qt::AlignLeft, Preventivi::Column::Codice},
    {"titDesc", "txtDesc", "Descrizione", 60, 75, Qt::AlignLeft, Preventivi::Column::Desc},
    {"titPrezzo", "txtPrezzo", "Prezzo", 137, 17, Qt::AlignRight, Preventivi::Column::Prezzo},
    {"titPercSconto", "txtPercSconto", "% Sc.", 156, 11, Qt::AlignHCenter, Preventivi::Column::PercSconto},
    {"titImporto", "txtImporto", "Imp. tot.", 169, 17.2, Qt::AlignRight, Preventivi::Column::Importo},
};

struct Total
{
    const char *title;
    const char *value;
    const char *heading;
    double left, right;
    Qt::Alignment alignment;
    int field;
    bool orange;
};

const Total kTotals[] = {
    {"titTotImponibile", "txtTotImponibile", "TOT. IMPONIBILE", 3, 35, Qt::AlignRight, txtTotImponibile,
     false},
    {"titPercIva", "txtPercIva", "% IVA", 35, 57.2, Qt::AlignHCenter, txtPercIva, false},
    {"titTotImposta", "txtTotImposta", "TOT. IMPOSTA", 57.2, 89.6, Qt::AlignRight, txtTotImposta, false},
    {"titTotIva", "txtTotIva", "TOT. IVA INCLUSA", 89.6, 122.6, Qt::AlignRight, txtTotIva, false},
    {"titTotEsente", "txtTotEsente", "TOT. ESENTE", 122.6, 155, Qt::AlignRight, txtTotEsente, false},
    {"titTotFattura", "txtTotFattura", "TOT. PREVENTIVO", 155, 187, Qt::AlignRight, txtTotFattura, true},
};

struct Transport
{
    const char *name;
    const char *prefix;
    double x, y, width;
    int field;
};

const Transport kTransport[] = {
    {"txtVeicolo", "Destinazione merce:  ", 4, 252, 118, memVeicolo},
    {"txtMarca", "Vettore:  ", 123.8, 252, 63, memMarca},
    {"txtColore", "Aspetto esteriore dei beni:  ", 4, 258, 139.5, memColore},
    {"txtImmatricolazione", "Porto:  ", 145, 258, 42, memImmatricolazione},
    {"txtAlimentazione", "Causale del trasporto:  ", 4, 263.4, 139.5, memAlimentazione},
    {"txtTarga", "Numero colli:  ", 145, 263.4, 42, memTarga},
};

QString u(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

void addFrames(ReportDesign &d, Output output)
{
    d.addFrame(u("shpGabbia"), QRectF(1, 1, 188, 275), QColor());
    d.addFrame(u("shpNumFatt"), QRectF(84, 3, 103, 12), output == Output::Paper ? kLavender : QColor());
    d.addFrame(u("shpBanca"), QRectF(84, 58, 103, 17), kLavender);
    d.addLine(u("linNote"), QPointF(3, 75), 81);
    d.addFrame(u("shpArticoli"), QRectF(3, kTableTop, 184, kTableHeight), QColor());
    d.addFrame(u("shpRiepilogo"), QRectF(3, 240, 184, 9.5), QColor());
    d.addFrame(u("shpDatiVeicolo"), QRectF(3, 251, 184, 17), QColor());
}

void addHeader(ReportDesign &d)
{
    const struct
    {
        const char *name;
        double x, y, width, points;
        bool bold;
        const char *text;
    } texts[] = {
        {"txtNumFatt", 87, 4.5, 98, 9, true, "Preventivo n."},
        {"txtData", 87, 9.5, 98, 9, false, "Data emissione:"},
        {"txtDitta", 3, 46, 78, 9, true, "Ditta"},
        {"txtViaDitta", 3, 50.5, 78, 9, false, "Indirizzo"},
        {"txtCittaDitta", 3, 55, 78, 9, false, "Comune"},
        {"txtIvaDitta", 3, 59.5, 78, 8, false, "P.IVA: C.F."},
        {"txtLibero01", 3, 65, 78, 8, false, "Campo libero 1"},
        {"txtLibero02", 3, 69.5, 78, 8, false, "Campo libero 2"},
        {"titSpettabile", 84, 17, 103, 8, false, "Spettabile"},
        {"txtCliente", 84, 23, 103, 9, true, "Cliente"},
        {"txtViaCliente", 84, 27.5, 103, 9, false, "Indirizzo"},
        {"txtCittaCliente", 84, 32, 103, 9, false, "Comune"},
        {"txtIvaCliente", 84, 38, 103, 8, false, "P.IVA:"},
        {"txtCodFiscCliente", 84, 42.5, 103, 8, false, "C.F."},
        {"titRiferimenti", 84, 48, 103, 8, false, "Riferimenti:"},
        {"txtRiferimenti", 84, 52.5, 103, 8, false, "Riferimenti"},
        {"txtPagamento", 86, 60, 100, 8, false, "Pagamento:"},
        {"txtBanca", 86, 65, 100, 8, false, "Banca d'appoggio:"},
        {"txtIban", 86, 70, 100, 8, false, "IBAN:"},
        {"txtNote", 3, 76, 184, 8, false, "Note:"},
    };
    for (const auto &t : texts)
        d.addText(u(t.name), QRectF(t.x, t.y, t.width, lineHeight(t.points)),
                  style(t.points, Qt::AlignLeft, t.bold), u(t.text));
}

void addTable(ReportDesign &d)
{
    for (const Column &c : kColumns)
        d.addText(u(c.title), QRectF(c.x, 82.5, c.width, 4.5), style(8, Qt::AlignHCenter, true),
                  u(c.heading));
    d.addLine(u("linTitoli"), QPointF(3, 87), 184);
    for (int row = 1; row <= kRows; ++row) {
        const double top = 88 + (row - 1) * 5;
        for (const Column &c : kColumns)
            d.addText(rowName(c.row, row), QRectF(c.x, top, c.width, 4.5), style(8, c.alignment), QString());
    }
    int n = 0;
    for (const double x : {18.0, 59.0, 136.0, 155.0, 168.0})
        addRule(d, QStringLiteral("linColonna%1").arg(++n), x, kTableTop, kTableHeight);
}

void addTotals(ReportDesign &d)
{
    for (const Total &t : kTotals) {
        TextStyle strip = style(8, Qt::AlignHCenter, true);
        strip.background = t.orange ? kOrange : kLavender;
        // The strip fills its cell inside the frame's and the rules' lines.
        d.addText(u(t.title), QRectF(t.left + 0.15, 240.1, t.right - t.left - 0.3, 4.3), strip, u(t.heading));
        d.addText(u(t.value), QRectF(t.left + 0.5, 245.4, t.right - t.left - 1, 3.9),
                  style(8, t.alignment, t.orange), QString());
    }
    d.addLine(u("linRiepilogo"), QPointF(3, 244.5), 184);
    int n = 0;
    for (const double x : {35.0, 57.2, 89.6, 122.6, 155.0})
        addRule(d, QStringLiteral("linTotale%1").arg(++n), x, 240, 9.5);
}

void addTransport(ReportDesign &d)
{
    for (const Transport &t : kTransport)
        d.addText(u(t.name), QRectF(t.x, t.y, t.width, 4.2), style(8), u(t.prefix));
    d.addLine(u("linTrasporto1"), QPointF(3, 257), 184);
    d.addLine(u("linTrasporto2"), QPointF(3, 262.5), 184);
    addRule(d, u("linVettore"), 122.6, 251, 6);
    addRule(d, u("linPorto"), 144, 257, 11);
}

void addFooter(ReportDesign &d)
{
    d.addText(u("titPrivacy"), QRectF(3, 269, 184, 3), style(6),
              u("I dati personali del Cliente saranno trattati nel rispetto della normativa sulla privacy "
                "esclusivamente per l'erogazione del servizio e non saranno forniti a terzi."));
    d.addText(u("titConai"), QRectF(3, 272.5, 184, 3), style(6),
              u("CONTRIBUTI CONAI E SIAE ASSOLTI OVE DOVUTO."));
}

} // namespace

QString rowName(const char *column, int row)
{
    return QLatin1StringView(column) + QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0'));
}

QString pdfFileName()
{
    return QStringLiteral("Preventivo.pdf");
}

ReportDesign design(Output output)
{
    ReportDesign d(QPageLayout::Portrait, 10);
    d.setDocumentInfo(QStringLiteral("Fattura"), QStringLiteral("Fattura"));
    addFrames(d, output);
    d.addPicture(u("imgLogo"), QRectF(3, 4, 77, 38), QImage());
    addHeader(d);
    addTable(d);
    addTotals(d);
    addTransport(d);
    addFooter(d);
    return d;
}

void fill(ReportDesign &d, const Record &shown, const QImage &logo)
{
    const auto value = [&shown](int field) { return TextField::trim(shown.text(field)); };
    const auto set = [&d](const char *name, const QString &text) { d.setText(u(name), text); };
    const auto joined = [&value](int cap, int town, int province) {
        return value(cap) + u' ' + value(town) + u' ' + value(province);
    };

    d.setOrientation(QPageLayout::Portrait);
    d.setPicture(u("imgLogo"), logo);
    set("txtNumFatt", QStringLiteral("Preventivo n. ") + value(txtNumFatt));
    set("txtData", QStringLiteral("Data emissione:  ") + value(txtData));
    set("txtDitta", value(txtDitta));
    set("txtViaDitta", value(txtViaDitta));
    set("txtCittaDitta", joined(txtCapDitta, txtCittaDitta, txtProvDitta));
    set("txtIvaDitta",
        QStringLiteral("P.IVA: ") + value(txtIvaDitta) + QStringLiteral("  C.F. ") + value(txtCodFiscDitta));
    set("txtLibero01", value(txtLibero01));
    set("txtLibero02", value(txtLibero02));
    set("titSpettabile", QStringLiteral("Spettabile"));
    set("txtCliente", value(txtCliente));
    set("txtViaCliente", value(txtViaCliente));
    set("txtCittaCliente", joined(txtCapCliente, txtCittaCliente, txtProvCliente));
    // Unlike the issuer's, the customer's identifiers print nothing at all when missing.
    const QString iva = value(txtIvaCliente), codFisc = value(txtCodFiscCliente);
    set("txtIvaCliente", iva.isEmpty() ? QString() : QStringLiteral("P.IVA: ") + iva);
    set("txtCodFiscCliente", codFisc.isEmpty() ? QString() : QStringLiteral("C.F. ") + codFisc);
    set("titRiferimenti", QStringLiteral("Riferimenti:"));
    set("txtRiferimenti", value(txtRiferimenti));
    set("txtPagamento", QStringLiteral("Pagamento: ") + value(txtPagamento));
    set("txtBanca", QStringLiteral("Banca d'appoggio: ") + value(txtBanca));
    set("txtIban", QStringLiteral("IBAN: ") + value(txtIban));
    set("txtNote", QStringLiteral("Note: ") + value(txtNote));

    for (const Column &c : kColumns)
        set(c.title, u(c.heading));
    for (const Column &c : kColumns) {
        for (int row = 1; row <= kRows; ++row)
            d.setText(rowName(c.row, row), value(lineField(c.field, row)));
    }
    for (const Total &t : kTotals)
        set(t.title, u(t.heading));
    for (const Total &t : kTotals)
        set(t.value, value(t.field));
    for (const Transport &t : kTransport)
        set(t.name, u(t.prefix) + value(t.field));
}

PreparedReport prepare(const Record &shown, const QImage &logo, Output output)
{
    ReportDesign d = design(output);
    fill(d, shown, logo);
    return d.prepare(QDate::currentDate());
}

} // namespace QuoteDocument
