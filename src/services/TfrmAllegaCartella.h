#pragma once

#include "Attachments.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// " Allega file": the three attached files of the card on screen, each a path chosen in the
// file dialog and a description. It works on the card's hidden labels lblFile01-03 and
// lblDesc01-03 only; the card's next Save stores them.
class TfrmAllegaCartella : public QDialog
{
    Q_OBJECT
public:
    // `mode` is "clienti", "fornitori" or "magazzino": whose card `card` is.
    TfrmAllegaCartella(QWidget *card, const QString &mode);

    // What the cards' "Allega file" button does: copies the card's labels in, shows the window
    // modally, and writes them back only through "Applica e chiudi".
    static void run(QWidget *card, const QString &mode);

public Q_SLOTS:
    void btnSfogliaClick(int row);
    void btnApriClick(int row);
    void imgCancellaClick(int row);
    void btnApplicaClick();

private:
    struct Row
    {
        QLineEdit *txtFile = nullptr;
        QLineEdit *txtDesc = nullptr;
        QPushButton *btnSfoglia = nullptr;
        QPushButton *btnApri = nullptr;
        QToolButton *imgCancella = nullptr;
    };
    struct CardLabels
    {
        QLabel *file = nullptr;
        QLabel *desc = nullptr;
    };

    QWidget *buildRow(int row);
    CardLabels cardLabels(int row) const;
    void loadFromCard();

    QWidget *m_card;
    QLabel *lblMemory = nullptr;
    std::array<Row, Attachments::kRows> m_rows;
    QPushButton *btnApplica = nullptr;
    QPushButton *btnAnnulla = nullptr;
};
