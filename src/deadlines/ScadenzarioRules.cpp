#include "ScadenzarioRules.h"

#include "ScadenzarioRecord.h"
#include "core/Numbers.h"
#include "core/Record.h"
#include "core/TextField.h"

#include <QDate>

using namespace Scadenzario;

namespace ScadenzarioRules {
namespace {

QStringList twoDigits(int from, int to)
{
    QStringList items;
    for (int i = from; i <= to; ++i)
        items << QStringLiteral("%1").arg(i, 2, 10, QChar(u'0'));
    return items;
}

bool allDigits(QStringView text)
{
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return !text.isEmpty();
}

QString warningMissing(const char *what)
{
    return QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare ") +
           QString::fromUtf8(what);
}

const QString kValidDate =
    QStringLiteral("Per poter salvare la scheda \u00E8 necessario indicare una data valida.");

SaveCheck refuse(int focus, const QString &message, MessageKind kind = MessageKind::Warning)
{
    SaveCheck check;
    check.kind = kind;
    check.message = message;
    check.focus = focus;
    return check;
}

} // namespace

bool isYear(const QString &text)
{
    return text.size() == 4 && allDigits(text);
}

QString yearWarning()
{
    return QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");
}

QString fileName(const QString &year)
{
    return year + QLatin1StringView(fileSuffix());
}

QString caption()
{
    return QStringLiteral(" Quadrivo - Scadenzario e appuntamenti");
}

QString caption(const QString &year)
{
    return caption() + QStringLiteral(" anno ") + year;
}

QStringList days()
{
    return twoDigits(1, 31);
}

QStringList months()
{
    return {QStringLiteral("Gennaio"), QStringLiteral("Febbraio"), QStringLiteral("Marzo"),
            QStringLiteral("Aprile"),  QStringLiteral("Maggio"),   QStringLiteral("Giugno"),
            QStringLiteral("Luglio"),  QStringLiteral("Agosto"),   QStringLiteral("Settembre"),
            QStringLiteral("Ottobre"), QStringLiteral("Novembre"), QStringLiteral("Dicembre")};
}

QStringList hours()
{
    return twoDigits(0, 23);
}

QStringList minutes()
{
    return twoDigits(0, 59);
}

int monthNumber(QStringView name)
{
    const QString lower = TextField::trim(name).toLower();
    const QStringList names = months();
    for (int i = 0; i < names.size(); ++i) {
        if (names.at(i).toLower() == lower)
            return i + 1;
    }
    return 0;
}

QString composeDate(const QString &day, const QString &month, const QString &year)
{
    return TextField::trim(day) + u'/' + QStringLiteral("%1").arg(monthNumber(month), 2, 10, QChar(u'0')) +
           u'/' + TextField::trim(year);
}

QString composeTime(const QString &hour, const QString &minutes)
{
    return TextField::trim(hour) + u':' + TextField::trim(minutes);
}

bool isValidDate(const QString &date)
{
    // Exactly dd/mm/yyyy in digits; QDate refuses 31 April, 29 February of common years and year 0.
    if (date.size() != 10 || date.at(2) != u'/' || date.at(5) != u'/')
        return false;
    const QStringView d(date);
    if (!allDigits(d.sliced(0, 2)) || !allDigits(d.sliced(3, 2)) || !allDigits(d.sliced(6, 4)))
        return false;
    return QDate::isValid(d.sliced(6, 4).toInt(), d.sliced(3, 2).toInt(), d.sliced(0, 2).toInt());
}

QString amountOnLeave(const QString &text)
{
    const QString zero = QStringLiteral("0,00");
    const std::optional<long double> value = Numbers::parse(TextField::trim(text));
    if (!value)
        return zero;
    const QString form = Numbers::numericForm(Numbers::arrotonda(static_cast<double>(*value), 4));
    // A pasted 1E20 has no form in plain digits; with ",00" after it, it would read as nothing.
    if (form.contains(u'E'))
        return zero;
    return Numbers::normalizeAmount(form);
}

QString newText(int field)
{
    switch (field) {
    case OreApp:
    case MinutiApp:
        return QStringLiteral("00");
    case Costo:
        return QStringLiteral("0,00");
    default:
        return {};
    }
}

bool resetByDuplicate(int field)
{
    return field == Giorno || field == Mese || field == OreApp || field == MinutiApp;
}

Record newCard()
{
    Record card(layout());
    for (int field = 0; field < layout().fieldCount(); ++field)
        card.setText(field, newText(field));
    return card;
}

Record duplicate(const Record &card)
{
    Record copy = card;
    for (int field = 0; field < layout().fieldCount(); ++field) {
        if (resetByDuplicate(field))
            copy.setText(field, newText(field));
    }
    return copy;
}

SaveCheck checkSave(const Record &card)
{
    const auto text = [&card](int field) { return TextField::trim(card.text(field)); };
    const QString day = text(Giorno);
    const QString hour = text(OreApp);
    const QString mins = text(MinutiApp);

    if (day.isEmpty())
        return refuse(Giorno, warningMissing("il giorno della scadenza."));
    if (day.size() < 2)
        return refuse(Giorno, warningMissing("il giorno della scadenza usando due cifre."));
    if (text(Mese).isEmpty())
        return refuse(Mese, warningMissing("il mese della scadenza."));
    if (hour.isEmpty())
        return refuse(OreApp, warningMissing("l'ora dell'appuntamento."));
    if (mins.isEmpty())
        return refuse(MinutiApp, warningMissing("i minuti dell'ora dell'appuntamento."));
    if (hour.size() < 2)
        return refuse(OreApp, warningMissing("l'ora dell'appuntamento usando due cifre."));
    if (mins.size() < 2)
        return refuse(MinutiApp, warningMissing("i minuti dell'ora dell'appuntamento usando due cifre."));
    // Only typed keys are filtered: pasted letters would make the notice unreadable when the
    // imminent deadlines are counted, so they are refused like an empty field.
    if (!allDigits(text(Avviso)))
        return refuse(Avviso, warningMissing("i giorni di preavviso."));
    if (text(Pagatore).isEmpty())
        return refuse(Pagatore, warningMissing("il nome del contatto."));
    if (text(Dettagli).isEmpty())
        return refuse(Dettagli, warningMissing("la causale della scadenza."));

    SaveCheck check;
    check.time = composeTime(hour, mins);
    if (monthNumber(card.text(Mese)) == 0)
        return refuse(Mese, QStringLiteral("Attenzione: selezionare il mese dal menu a cascata.\n\r\n\r") +
                                kValidDate);
    check.date = composeDate(day, card.text(Mese), card.text(Anno));
    if (!isValidDate(check.date))
        return refuse(Giorno,
                      QStringLiteral("Attenzione: la data ") + check.date +
                          QStringLiteral(" non esiste.\n\r\n\r") + kValidDate,
                      MessageKind::Plain);
    check.year = text(Anno);
    check.ok = true;
    return check;
}

void complete(Record &card, const SaveCheck &check)
{
    card.setText(Anno, check.year);
    card.setText(Data, check.date);
    card.setText(Ora, check.time);
}

} // namespace ScadenzarioRules
