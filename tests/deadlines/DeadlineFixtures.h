#pragma once

// Deadline records and year files for the tests of the imminent alert and the calendar lists.

#include "core/Record.h"
#include "deadlines/ScadenzarioRecord.h"
#include "deadlines/ScadenzarioRules.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace DeadlineFixtures {

// A saved deadline: "dd/mm/yyyy", "hh:mm", the notice days and who it concerns.
inline QByteArray deadline(const QString &date, const QString &time, const QString &notice,
                           const QString &who)
{
    using namespace Scadenzario;
    Record r(layout());
    r.setText(Giorno, date.left(2));
    r.setText(Mese, ScadenzarioRules::months().value(date.mid(3, 2).toInt() - 1));
    r.setText(Anno, date.right(4));
    r.setText(Data, date);
    r.setText(OreApp, time.left(2));
    r.setText(MinutiApp, time.right(2));
    r.setText(Ora, time);
    r.setText(Avviso, notice);
    r.setText(Pagatore, who);
    r.setText(Dettagli, QStringLiteral("Rata ") + who);
    r.setText(Costo, QStringLiteral("10,00"));
    r.setText(DaConfermare, QStringLiteral("No"));
    r.setText(Effettuata, QStringLiteral("No"));
    return r.encode();
}

inline void writeYear(const QString &path, const QList<QByteArray> &records)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        f.write(records.join()) != records.join().size())
        qFatal("Cannot write %s", qPrintable(path));
}

} // namespace DeadlineFixtures
