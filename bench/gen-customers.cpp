// Writes N customer records as a long-used Clienti.pro holds them, and the same customers as a
// tab-separated table for sqlite3's .import, so both engines search exactly the same data.
//
//   gen-customers N ARCHIVE [TABLE.tsv]
//
// Texts are drawn from fixed pools with a fixed seed: the same N gives the same files. Each
// field keeps stale bytes after its text, as a record rewritten with shorter texts does.

#include "core/Record.h"
#include "core/Win1252.h"
#include "customers/ClientiRecord.h"

#include <QFile>
#include <QStringList>
#include <cstdio>
#include <random>

namespace {

const char *const kSurnames[] = {
    "Rossi",      "Russo",   "Ferrari",   "Esposito",   "Bianchi",    "Romano",     "Colombo",
    "Ricci",      "Marino",  "Greco",     "Bruno",      "Gallo",      "Conti",      "De Luca",
    "Mancini",    "Costa",   "Giordano",  "Rizzo",      "Lombardi",   "Moretti",    "Barbieri",
    "Fontana",    "Santoro", "Mariani",   "Rinaldi",    "Caruso",     "Ferrara",    "Galli",
    "Martini",    "Leone",   "Longo",     "Gentile",    "Martinelli", "Vitale",     "Lombardo",
    "Serra",      "Coppola", "De Santis", "D'Angelo",   "Marchetti",  "Parisi",     "Villa",
    "Conte",      "Ferraro", "Ferri",     "Fabbri",     "Bianco",     "Marini",     "Grasso",
    "Valentini",  "Messina", "Sala",      "De Angelis", "Gatti",      "Pellegrini", "Palumbo",
    "Sanna",      "Farina",  "Rizzi",     "Monti",      "Cattaneo",   "Morelli",    "Amato",
    "Silvestri",  "Mazza",   "Testa",     "Grassi",     "Pellegrino", "Carbone",    "Giuliani",
    "Benedetti",  "Barone",  "Rossetti",  "Caputo",     "Montanari",  "Guerra",     "Palmieri",
    "Bernardi",   "Martino", "Fiore",     "De Rosa",    "Ferretti",   "Bellini",    "Basile",
    "Riva",       "Donati",  "Piras",     "Vitali",     "Battaglia",  "Sartori",    "Neri",
    "Costantini", "Milani",  "Pagano",    "Ruggiero",   "Sorrentino", "D'Amico",    "Orlando",
    "Damico",     "Negri",   "Grossi",    "Rosi",       "Rossini",    "Della Rossa"};
const char *const kNames[] = {
    "Mario",  "Giuseppe", "Giovanni", "Antonio",   "Luca",    "Marco",  "Francesco", "Alessandro",
    "Andrea", "Stefano",  "Paolo",    "Roberto",   "Davide",  "Matteo", "Simone",    "Nicolò",
    "Maria",  "Anna",     "Giulia",   "Francesca", "Chiara",  "Sara",   "Laura",     "Valentina",
    "Elena",  "Federica", "Silvia",   "Martina",   "Alessia", "Paola",  "Ilaria",    "Lucía"};
const char *const kTowns[] = {"Napoli",        "Roma",     "Milano",
                              "Torino",        "Palermo",  "Genova",
                              "Bologna",       "Firenze",  "Bari",
                              "Catania",       "Venezia",  "Verona",
                              "Messina",       "Padova",   "Trieste",
                              "Brescia",       "Parma",    "Prato",
                              "Taranto",       "Modena",   "Reggio Calabria",
                              "Reggio Emilia", "Perugia",  "Livorno",
                              "Cagliari",      "Foggia",   "Rimini",
                              "Salerno",       "Ferrara",  "Sassari",
                              "Latina",        "Forlì",    "Giugliano in Campania",
                              "Monza",         "Siracusa", "Pescara",
                              "Bergamo",       "Vicenza",  "Trento",
                              "Cantù"};
const char *const kProducts[] = {
    "pneumatici invernali", "cerchi in lega", "tagliando completo",  "revisione",
    "climatizzatore",       "batterie",       "ricambi carrozzeria", "assetto ruote",
    "olio motore",          "freni e dischi"};
const char *const kNotes[] = {
    "",
    "",
    "Cliente storico, preferisce essere contattato al mattino.",
    "Pagamento a 30 giorni fine mese; chiedere sempre la fattura elettronica.",
    "Ha segnalato un rumore alla sospensione anteriore: ricontrollare al prossimo passaggio.",
    "Sconto 10% concordato sul tagliando.",
    "Già cliente del vecchio titolare. Auto aziendale più due private.",
    "Richiede preventivo scritto prima di ogni intervento superiore a € 200.",
    "Non disponibile il venerdì pomeriggio.",
    "Referenza del sig. Esposito. Interessato a pneumatici 4 stagioni."};
const char *const kQuestions[] = {
    "", "", "", "Saldo fattura aperta", "Attende ricambio ordinato", "Reclamo in corso"};

class Generator
{
public:
    explicit Generator(unsigned seed) : m_rng(seed) {}

    template <size_t N> QString pick(const char *const (&pool)[N])
    {
        return QString::fromUtf8(pool[m_rng() % N]);
    }
    QString digits(int n)
    {
        QString s;
        for (int i = 0; i < n; ++i)
            s += QChar(u'0' + int(m_rng() % 10));
        return s;
    }
    QString letters(int n)
    {
        QString s;
        for (int i = 0; i < n; ++i)
            s += QChar(u'A' + int(m_rng() % 26));
        return s;
    }
    unsigned next() { return m_rng(); }

private:
    std::mt19937 m_rng;
};

// Fills the bytes after each field's text with what a longer, older text left there.
void addStaleBytes(QByteArray &bytes, const RecordLayout &layout, Generator &g)
{
    static const QByteArray old = QByteArrayLiteral(
        "VECCHIO TESTO SOVRASCRITTO - via Garibaldi 112, scala B, interno 7 - tel. 081 5551234 - ");
    for (int f = 0; f < layout.fieldCount(); ++f) {
        if (g.next() % 3 != 0)
            continue;
        const int off = layout.offset(f);
        const int len = quint8(bytes[off]);
        const int cap = layout.capacity(f);
        const int stale = qMin(cap - len, int(g.next() % 40));
        for (int i = 0; i < stale; ++i)
            bytes[off + 1 + len + i] = old[(f + i) % old.size()];
    }
}

QString tsvCell(const QString &text)
{
    QString t = text;
    t.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ').replace(u'"', u'\'');
    return t;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fputs("usage: gen-customers N ARCHIVE [TABLE.tsv]\n", stderr);
        return 2;
    }
    const long n = std::atol(argv[1]);
    QFile archive(QString::fromLocal8Bit(argv[2]));
    if (n < 0 || !archive.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "gen-customers: cannot write %s\n", argv[2]);
        return 2;
    }
    QFile table(argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString());
    if (argc > 3 && !table.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "gen-customers: cannot write %s\n", argv[3]);
        return 2;
    }

    using namespace Clienti;
    const RecordLayout &l = layout();
    const int tableFields[] = {Cognome,    Nome,   Ditta,      Recapito,   CodFisc,   ComuneRes,
                               PartitaIva, TelCel, Conducente, CodiceDest, Questioni, Note};
    Generator g(20240315);
    QByteArray block;
    for (long i = 0; i < n; ++i) {
        Record r(l);
        const QString surname = g.pick(kSurnames);
        // Some surnames typed in lower or upper case, as users do.
        const unsigned style = g.next() % 20;
        r.setText(Cognome, style == 0 ? surname.toLower() : style == 1 ? surname.toUpper() : surname);
        r.setText(Nome, g.pick(kNames));
        if (g.next() % 4 == 0)
            r.setText(Ditta, r.text(Cognome) + QStringLiteral(" S.r.l."));
        r.setText(Recapito, QStringLiteral("3") + g.digits(9));
        r.setText(TelCel, QStringLiteral("3") + g.digits(9));
        r.setText(CodFisc, g.letters(6) + g.digits(2) + g.letters(1) + g.digits(2) + g.letters(1) +
                               g.digits(3) + g.letters(1));
        r.setText(ComuneRes, g.pick(kTowns));
        r.setText(IndirizzoRes, QStringLiteral("Via Roma ") + QString::number(1 + g.next() % 200));
        r.setText(CapRes, g.digits(5));
        if (g.next() % 3 == 0)
            r.setText(PartitaIva, g.digits(11));
        r.setText(Email, QStringLiteral("cliente%1@example.it").arg(i));
        r.setText(Conducente, g.pick(kProducts));
        r.setText(CodiceDest, g.letters(7));
        r.setText(Questioni, g.pick(kQuestions));
        r.setText(Note, g.pick(kNotes));
        r.setText(Ricontatta, Record::flagText(g.next() % 5 == 0));
        QByteArray bytes = r.encode();
        addStaleBytes(bytes, l, g);
        block += bytes;
        if (block.size() >= (1 << 22)) {
            if (archive.write(block) != block.size())
                return 2;
            block.clear();
        }
        if (table.isOpen()) {
            QStringList cells{QString::number(i + 1)};
            for (int f : tableFields)
                cells << tsvCell(r.text(f));
            table.write(cells.join(u'\t').toUtf8() + '\n');
        }
    }
    if (archive.write(block) != block.size() || !archive.flush())
        return 2;
    return 0;
}
