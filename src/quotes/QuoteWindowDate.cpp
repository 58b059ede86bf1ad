#include "QuoteWindowDate.h"

#include "core/TextField.h"

#include <QDate>
#include <QRegularExpression>

namespace QuoteWindowDate {

bool isValid(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,2})/([0-9]{1,2})/([0-9]{4})$"));
    const QRegularExpressionMatch m = form.match(TextField::trim(text));
    if (!m.hasMatch())
        return false;
    // Year 0000 is no calendar year: QDate refuses it like any other day that does not exist.
    return QDate::isValid(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
}

QString invalidMessage()
{
    return QStringLiteral(
        "Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la scheda \u00E8 "
        "necessario indicare una data valida nel formato gg/mm/anno.");
}

} // namespace QuoteWindowDate
