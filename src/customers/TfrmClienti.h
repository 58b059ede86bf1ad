#pragma once

#include "ClientiRecord.h"
#include "services/ContactCard.h"

// The customer card: one record of Clienti.pro at a time.
class TfrmClienti : public ContactCardOf<Clienti::Field>
{
    Q_OBJECT
public:
    explicit TfrmClienti(QWidget *parent = nullptr);

private:
    void addSections();
};

// For start-up: the long-lived customer card.
AreaWindow *createTfrmClienti(QWidget *parent = nullptr);
