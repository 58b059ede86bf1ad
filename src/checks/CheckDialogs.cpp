#include "CheckDialogs.h"

TfrmCodFisc::TfrmCodFisc(QWidget *parent)
    : CheckDialog(Identifier::CodFisc,
                  {QStringLiteral("TfrmCodFisc"), QStringLiteral(" Controllo codice fiscale"),
                   QStringLiteral("Codice fiscale"),
                   QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."),
                   QStringLiteral("txtCodFisc"), QStringLiteral("user-identity")},
                  parent)
{
}

TfrmPartitaIva::TfrmPartitaIva(QWidget *parent)
    : CheckDialog(Identifier::PartitaIva,
                  {QStringLiteral("TfrmPartitaIva"), QStringLiteral(" Controllo partita IVA"),
                   QStringLiteral("Partita IVA"),
                   QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."),
                   QStringLiteral("txtPartitaIva"), QStringLiteral("view-certificate")},
                  parent)
{
}

TfrmCarta::TfrmCarta(QWidget *parent)
    : CheckDialog(
          Identifier::Carta,
          {QStringLiteral("TfrmCarta"), QStringLiteral(" Controllo carta di credito"),
           QStringLiteral("Carta di credito"),
           QStringLiteral("Immettere il numero di carta di credito e premere il pulsante di controllo."),
           QStringLiteral("txtNumero"), QStringLiteral("view-financial-account-credit-card")},
          parent)
{
}

TfrmIban::TfrmIban(QWidget *parent)
    : CheckDialog(Identifier::Iban,
                  {QStringLiteral("TfrmIban"), QStringLiteral(" Controllo IBAN"), QStringLiteral("IBAN"),
                   QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."),
                   QStringLiteral("txtIban"), QStringLiteral("view-bank")},
                  parent)
{
}
