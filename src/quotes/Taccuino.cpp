#include "Taccuino.h"

#include "core/IniFile.h"
#include "core/TextField.h"

namespace Taccuino {
namespace {

const QString kIssuerSection = QStringLiteral("Ditta Emittente");
const QString kNumberingSection = QStringLiteral("Numerazione Preventivi");

// One line per value: a line break inside a text must not open a new key in the file.
QString valueText(const QString &text)
{
    QString t = TextField::trim(text);
    for (QChar &c : t) {
        if (c == u'\r' || c == u'\n')
            c = u' ';
    }
    return t;
}

} // namespace

const std::array<IssuerEntry, IssuerCount> &issuerEntries()
{
    static const std::array<IssuerEntry, IssuerCount> entries = {{
        {QStringLiteral("Nome"), QStringLiteral("txtDitta")},
        {QStringLiteral("Indirizzo"), QStringLiteral("txtViaDitta")},
        {QStringLiteral("CAP"), QStringLiteral("txtCapDitta")},
        {QStringLiteral("Comune"), QStringLiteral("txtCittaDitta")},
        {QStringLiteral("Provincia"), QStringLiteral("txtProvDitta")},
        {QStringLiteral("Partita IVA"), QStringLiteral("txtIvaDitta")},
        {QStringLiteral("Codice Fiscale"), QStringLiteral("txtCodFiscDitta")},
        {QStringLiteral("Campo Libero 1"), QStringLiteral("txtLibero01")},
        {QStringLiteral("Campo Libero 2"), QStringLiteral("txtLibero02")},
        {QStringLiteral("Pagamento"), QStringLiteral("txtPagamento")},
        {QStringLiteral("Banca Appoggio"), QStringLiteral("txtBanca")},
        {QStringLiteral("Iban"), QStringLiteral("txtIban")},
        {QStringLiteral("Aliquota Iva"), QStringLiteral("txtPercIva")},
    }};
    return entries;
}

IssuerTexts readIssuer(const QString &path)
{
    IssuerTexts texts;
    IniFile ini;
    if (!ini.load(path))
        return texts;
    for (int i = 0; i < IssuerCount; ++i)
        texts[size_t(i)] = ini.value(kIssuerSection, issuerEntries()[size_t(i)].key);
    return texts;
}

bool writeIssuer(const QString &path, const IssuerTexts &texts)
{
    IniFile ini;
    if (!ini.load(path))
        return false;
    for (int i = 0; i < IssuerCount; ++i)
        ini.setValue(kIssuerSection, issuerEntries()[size_t(i)].key, valueText(texts[size_t(i)]));
    return ini.save(path);
}

Numbering readNumbering(const QString &path)
{
    IniFile ini;
    if (!ini.load(path))
        return {};
    return {ini.value(kNumberingSection, QStringLiteral("Inizio")),
            ini.value(kNumberingSection, QStringLiteral("Indicazione Anno Solare"))};
}

bool writeInizio(const QString &path, const QString &inizio)
{
    return IniFile::write(path, kNumberingSection, QStringLiteral("Inizio"), valueText(inizio));
}

} // namespace Taccuino
