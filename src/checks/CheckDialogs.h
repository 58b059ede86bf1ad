#pragma once

#include "CheckDialog.h"

// Tax code of a person: 16 letters and digits with a check character.
class TfrmCodFisc : public CheckDialog
{
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget *parent = nullptr);
};

// VAT number: 11 digits with a check digit; a valid one names the office that issued it.
class TfrmPartitaIva : public CheckDialog
{
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget *parent = nullptr);
};

// Payment card number: the Luhn check, and the card type from the first digits.
class TfrmCarta : public CheckDialog
{
    Q_OBJECT
public:
    explicit TfrmCarta(QWidget *parent = nullptr);
};

// IBAN of the Italian length, 27 characters, by the modulo-97 test.
class TfrmIban : public CheckDialog
{
    Q_OBJECT
public:
    explicit TfrmIban(QWidget *parent = nullptr);
};
