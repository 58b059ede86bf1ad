#include "ToolCommands.h"
#include "checks/IdentifierChecks.h"

#include <optional>

namespace {

std::optional<Identifier> identifierNamed(const QString &kind)
{
    if (kind == QStringLiteral("codfisc"))
        return Identifier::CodFisc;
    if (kind == QStringLiteral("partitaiva"))
        return Identifier::PartitaIva;
    if (kind == QStringLiteral("carta"))
        return Identifier::Carta;
    if (kind == QStringLiteral("iban"))
        return Identifier::Iban;
    return std::nullopt;
}

} // namespace

// check KIND TEXT: TEXT is the card field's value. It is taken as the check window takes a value
// passed in (trimmed, in capitals where that window's edit does so, never cut to the edit's
// maximum length), and the message the window would show is printed as one JSON object.
int runCheck(const QStringList &args)
{
    const std::optional<Identifier> id = args.size() == 2 ? identifierNamed(args[0]) : std::nullopt;
    if (!id) {
        ToolOutput::err(
            QStringLiteral("usage: quadrivo-tool check KIND TEXT  (KIND: codfisc, partitaiva, carta, iban)"));
        return 2;
    }
    const QString text = IdentifierChecks::editText(*id, args[1].trimmed());
    const CheckResult result = IdentifierChecks::check(*id, text);
    const bool information = result.kind == CheckResult::Kind::Information;
    ToolOutput::out(QStringLiteral("{\"kind\": %1, \"message\": %2}")
                        .arg(ToolOutput::jsonString(information ? QStringLiteral("information")
                                                                : QStringLiteral("warning")),
                             ToolOutput::jsonString(result.message)));
    return information ? 0 : 1;
}
