#pragma once

#include "FornitoriRecord.h"
#include "services/ContactCard.h"

// The supplier card: one record of Fornitori.pro at a time.
class TfrmFornitori : public ContactCardOf<Fornitori::Field>
{
    Q_OBJECT
public:
    explicit TfrmFornitori(QWidget *parent = nullptr);

private:
    void addSections();
};

// For start-up: the long-lived supplier card.
AreaWindow *createTfrmFornitori(QWidget *parent = nullptr);
