#pragma once

#include "MagazzinoRecord.h"
#include "StockAdjustment.h"
#include "shell/card/CardOf.h"

class QLineEdit;
namespace ItemFigures {
struct Prices;
struct PricesOutcome;
} // namespace ItemFigures

// The warehouse item card: one record of Magazzino.pro at a time, with its stock, prices with
// and without VAT and stock value.
class TfrmMagazzino : public CardOf<Magazzino::Field>
{
    Q_OBJECT
public:
    explicit TfrmMagazzino(QWidget *parent = nullptr);

    // The query the web search opens: brand, one blank, model, both as given.
    static QString webAddress(const QString &brand, const QString &model);

public Q_SLOTS:
    void cmdFileClick();
    void cmdWebClick();
    void btnAggiungiClick();
    void btnSottraiClick();
    void btnCalcolaClick();
    void btnScorporaClick();
    void btnValoreClick();
    void btnPneumaticiClick();

protected:
    bool validateSave() override;

private:
    void addCommands();
    void addSections();
    void addHiddenFields();
    void adjustStock(StockAdjustment::Direction direction);
    // Calcola and Scorpora: the rule works on the prices as shown and the card shows its result;
    // a warning sends the focus to the price with VAT.
    using PricesRule = ItemFigures::PricesOutcome (*)(const ItemFigures::Prices &);
    void recalculatePrices(PricesRule rule);
    QLineEdit *edit(int field) const;
    QString text(int field) const;
    void setText(int field, const QString &text);
    void focusField(const QString &objectName);
};

// For start-up: the long-lived item card.
AreaWindow *createTfrmMagazzino(QWidget *parent = nullptr);
