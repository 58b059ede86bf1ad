#pragma once

#include <QString>
#include <array>

// Taccuino.ini: the issuer data that carry over from one quote to the next, and the numbering
// settings. Sections and keys keep the names existing installations already use.
namespace Taccuino {

inline QString fileName()
{
    return QStringLiteral("Taccuino.ini");
}

// The thirteen issuer keys, in the order they are written.
enum Issuer : int {
    Nome,
    Indirizzo,
    CAP,
    Comune,
    Provincia,
    PartitaIva,
    CodiceFiscale,
    CampoLibero1,
    CampoLibero2,
    Pagamento,
    BancaAppoggio,
    Iban,
    AliquotaIva,
    IssuerCount
};

struct IssuerEntry
{
    QString key;     // in section "Ditta Emittente"
    QString control; // the quote window's edit that shows it
};
const std::array<IssuerEntry, IssuerCount> &issuerEntries();

using IssuerTexts = std::array<QString, IssuerCount>;

// A missing or unreadable file, or a missing key, reads as empty text.
IssuerTexts readIssuer(const QString &path);
// Writes all thirteen keys from the trimmed texts, empty ones included, keeping the rest of the
// file. False when the file exists but cannot be read (it is then left alone) or cannot be written.
bool writeIssuer(const QString &path, const IssuerTexts &texts);

struct Numbering
{
    QString inizio;     // "Inizio": the start number; empty means 1
    QString annoSolare; // "Indicazione Anno Solare": "Sì" appends the year; set by hand only
};
Numbering readNumbering(const QString &path);
bool writeInizio(const QString &path, const QString &inizio);

} // namespace Taccuino
