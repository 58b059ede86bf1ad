#pragma once

#include "shell/card/CardWindow.h"

// The customer card: one record of Clienti.pro at a time.
class TfrmClienti : public CardWindow
{
    Q_OBJECT
public:
    explicit TfrmClienti(QWidget *parent = nullptr);

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

// For start-up: the long-lived customer card.
AreaWindow *createTfrmClienti(QWidget *parent = nullptr);
