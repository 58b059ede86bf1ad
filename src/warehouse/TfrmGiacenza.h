#pragma once

#include "StockAdjustment.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// " Aggiornamento giacenza": adds a quantity to the item's stock ("+") or subtracts one ("-").
// It changes nothing by itself: "Applica e chiudi" hands the new stock back to the card, which
// stores it on its next Save.
class TfrmGiacenza : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmGiacenza(StockAdjustment::Direction direction, QWidget *parent = nullptr);

    // What the card's "+" and "-" do with the stock their card shows: the window opens on it,
    // and the new stock comes back on "Applica e chiudi"; nothing on "Annulla" or the frame.
    static std::optional<QString> adjust(QWidget *parent, StockAdjustment::Direction direction,
                                         const QString &stock);

    StockAdjustment::Direction direction() const { return m_direction; }
    void setTexts(const StockAdjustment::Texts &texts);
    StockAdjustment::Texts texts() const;
    // The stock "Applica e chiudi" handed back (empty before).
    QString appliedStock() const { return m_applied; }

public Q_SLOTS:
    void btnTotaleClick();
    void btnAggiornaClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    StockAdjustment::Direction m_direction;
    QString m_applied;
    QLineEdit *txtGiacenza;
    QLabel *lblAggiunta;
    QLineEdit *txtAggiunta;
    QPushButton *btnTotale;
    QLineEdit *txtTotale;
    QPushButton *btnAggiorna;
    QPushButton *btnChiudi;
};
