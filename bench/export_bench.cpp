// Exporting 100,000 customers, against a raw read of the same archive in this process and against
// sqlite3 -html of the same 25 columns (timed by run-export.sh).
//
//   export_bench FOLDER   writes FOLDER/Clienti.pro and FOLDER/clienti.tsv, then prints the times

#include "core/Archive.h"
#include "core/Record.h"
#include "customers/ClientiRecord.h"
#include "services/ExportMembers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kRecords = 100000;

QString pick(QRandomGenerator &random, const QStringList &choices)
{
    return choices[int(random.bounded(choices.size()))];
}

QString digits(QRandomGenerator &random, int count)
{
    QString out;
    for (int i = 0; i < count; ++i)
        out += QChar(u'0' + random.bounded(10));
    return out;
}

// Plausible customers: names, towns with accents, codes with leading zeros, a note now and then.
Record customer(QRandomGenerator &random)
{
    using namespace Clienti;
    static const QStringList surnames = {QStringLiteral("Rossi"),    QStringLiteral("Bianchi"),
                                         QStringLiteral("Esposito"), QStringLiteral("Colombo"),
                                         QStringLiteral("D'Angelo"), QStringLiteral("Ricci")};
    static const QStringList names = {QStringLiteral("Mario"), QStringLiteral("Giulia"),
                                      QStringLiteral("Niccolò"), QStringLiteral("Anna"),
                                      QStringLiteral("Luca")};
    static const QStringList towns = {QStringLiteral("Forlì"), QStringLiteral("Cantù"),
                                      QStringLiteral("Roma"), QStringLiteral("Città di Castello"),
                                      QStringLiteral("Milano")};
    Record r(layout());
    r.setText(Cognome, pick(random, surnames));
    r.setText(Nome, pick(random, names));
    r.setText(Ditta, random.bounded(3) == 0 ? QStringLiteral("Rossi & Figli srl") : QString());
    r.setText(Sesso, random.bounded(2) ? QStringLiteral("M") : QStringLiteral("F"));
    r.setText(Recapito, QStringLiteral("Cellulare"));
    r.setText(IndirizzoRes, QStringLiteral("Via Garibaldi ") + QString::number(random.bounded(200)));
    r.setText(ComuneRes, pick(random, towns));
    r.setText(ProvRes, QStringLiteral("RM"));
    r.setText(CapRes, QStringLiteral("00") + digits(random, 3));
    r.setText(TelCasa, QStringLiteral("06 ") + digits(random, 7));
    r.setText(TelCel, QStringLiteral("333 ") + digits(random, 7));
    r.setText(Email, QStringLiteral("cliente%1@example.it").arg(random.bounded(100000)));
    r.setText(CodFisc, QStringLiteral("RSSMRA80A01H501U"));
    r.setText(PartitaIva, QStringLiteral("0") + digits(random, 10));
    r.setText(Iban, QStringLiteral("IT60X0542811101000000123456"));
    r.setText(TipoPat, QStringLiteral("Carta d'identità"));
    r.setText(NumPat, QStringLiteral("AX") + digits(random, 7));
    r.setText(DataRil, QStringLiteral("01/02/2020"));
    r.setText(Questioni,
              random.bounded(4) == 0 ? QStringLiteral("Preventivo < 100 € da richiamare") : QString());
    r.setText(Note, QStringLiteral("Cliente dal 2015"));
    r.setText(CodiceDest, QStringLiteral("0000000"));
    return r;
}

double seconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

bool sameBytes(const QString &a, const QString &b)
{
    QFile fa(a);
    QFile fb(b);
    return fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly) && fa.readAll() == fb.readAll();
}

// The best of three runs.
template <class F> double best(F &&run)
{
    double out = 1e9;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        out = std::min(out, seconds(timer));
    }
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: export_bench FOLDER\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString archive = folder + QStringLiteral("/Clienti.pro");
    const ExportMember &member = *ExportMembers::forKind(QStringLiteral("customers"));

    {
        QRandomGenerator random(20240315);
        QFile out(archive);
        QFile tsv(folder + QStringLiteral("/clienti.tsv"));
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            !tsv.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 2;
        ExportTable oneRow(*member.layout, member.columns);
        for (int i = 0; i < kRecords; ++i) {
            const QByteArray bytes = customer(random).encode();
            out.write(bytes);
            oneRow.append(i + 1, bytes.constData());
            QStringList cells;
            for (int c = 0; c < oneRow.columnCount(); ++c)
                cells << oneRow.text(i, c);
            tsv.write(cells.join(u'\t').toUtf8() + '\n');
        }
    }

    const double raw = best([&] {
        const int fd = ::open(archive.toLocal8Bit().constData(), O_RDONLY);
        QByteArray block(1 << 20, Qt::Uninitialized);
        quint64 sum = 0;
        ssize_t n;
        while ((n = ::read(fd, block.data(), size_t(block.size()))) > 0)
            sum += static_cast<unsigned char>(block[0]);
        ::close(fd);
        if (sum == 1)
            std::puts("");
    });
    const double open = best([&] {
        const ExportTable table =
            ExportMembers::readArchive(member, Archive(archive, member.layout->recordSize()));
        if (table.rowCount() != kRecords)
            std::abort();
    });
    const QString xls = folder + QStringLiteral("/Clienti.xls");
    const double exportAll = best([&] {
        if (!ExportMembers::exportArchive(member, Archive(archive, member.layout->recordSize()), xls))
            std::abort();
    });
    // As sqlite3 -html > FILE writes: into the file as formatted, nothing synced to the disk.
    const QString plainXls = folder + QStringLiteral("/plain.xls");
    const double exportUnsynced = best([&] {
        QFile file(plainXls);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            !ExportMembers::writeArchive(member, Archive(archive, member.layout->recordSize()), file))
            std::abort();
    });
    const ExportTable loaded =
        ExportMembers::readArchive(member, Archive(archive, member.layout->recordSize()));
    const QString fromGridXls = folder + QStringLiteral("/grid.xls");
    const double fromGrid = best([&] {
        if (!ExportMembers::saveFile(loaded, member.sheetName, fromGridXls))
            std::abort();
    });
    if (!sameBytes(xls, fromGridXls) || !sameBytes(xls, plainXls)) {
        std::fputs("the three ways of exporting wrote different files\n", stderr);
        return 1;
    }
    std::printf("records          %d\n", kRecords);
    std::printf("raw read         %.3f s\n", raw);
    std::printf("read for grid    %.3f s\n", open);
    std::printf("export           %.3f s  (%.1fx raw read; read, format and write as it goes)\n", exportAll,
                exportAll / raw);
    std::printf("export, no sync  %.3f s  (%.1fx raw read; written as sqlite3 -html > FILE writes)\n",
                exportUnsynced, exportUnsynced / raw);
    std::printf("export from grid %.3f s  (the window's button: the rows are already read)\n", fromGrid);
    std::printf("file size        %lld bytes\n", QFileInfo(xls).size());
    return 0;
}
