#pragma once

#include "shell/card/CardWindow.h"

// The supplier card: one record of Fornitori.pro at a time.
class TfrmFornitori : public CardWindow
{
    Q_OBJECT
public:
    explicit TfrmFornitori(QWidget *parent = nullptr);

public Q_SLOTS:
    void cmdFileClick();
    void btnEmailClick();
    void btnCodFiscClick();
    void btnPartitaIvaClick();
    void btnCartaClick();
    void btnIbanClick();

private:
    void addCommands();
    void addSections();
    QString trimmedText(int field) const;
};

// For start-up: the long-lived supplier card.
AreaWindow *createTfrmFornitori(QWidget *parent = nullptr);
