#include "PickerCopies.h"

#include "core/TextField.h"
#include "customers/ClientiRecord.h"
#include "deadlines/ScadenzarioRecord.h"
#include "quotes/PreventiviRecord.h"
#include "suppliers/FornitoriRecord.h"
#include "warehouse/MagazzinoRecord.h"

namespace PickerCopies {

namespace {

// Texts joined by one blank, the whole trimmed: an empty company leaves no leading blank.
QString joined(const RecordView &r, std::initializer_list<int> fields)
{
    QStringList parts;
    for (int f : fields)
        parts << r.text(f);
    return TextField::trim(parts.join(u' '));
}

} // namespace

std::vector<FieldCopy> customerForDeadline(const RecordView &c)
{
    namespace S = Scadenzario;
    return {{S::Pagatore, joined(c, {Clienti::Cognome, Clienti::Nome})},
            {S::CodFisc, c.text(Clienti::CodFisc)},
            {S::NumTessera, c.text(Clienti::ComuneRes)},
            {S::Carica, c.text(Clienti::Questioni)},
            {S::TelCel, c.text(Clienti::TelCel)},
            {S::Recapito, c.text(Clienti::Recapito)}};
}

std::vector<FieldCopy> customerForQuote(const RecordView &c)
{
    namespace P = Preventivi;
    return {{P::txtCliente, joined(c, {Clienti::Ditta, Clienti::Cognome, Clienti::Nome})},
            {P::txtViaCliente, c.text(Clienti::IndirizzoRes)},
            {P::txtCapCliente, c.text(Clienti::CapRes)},
            {P::txtCittaCliente, c.text(Clienti::ComuneRes)},
            {P::txtProvCliente, c.text(Clienti::ProvRes)},
            {P::txtIvaCliente, c.text(Clienti::PartitaIva)},
            {P::txtCodFiscCliente, c.text(Clienti::CodFisc)}};
}

std::vector<FieldCopy> supplierForItem(const RecordView &s)
{
    namespace M = Magazzino;
    return {{M::Fornitore, s.text(Fornitori::Ditta)},
            {M::Recapiti, s.text(Fornitori::Recapito)},
            {M::Ordine, s.text(Fornitori::Ordine)}};
}

} // namespace PickerCopies
