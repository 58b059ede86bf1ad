#pragma once

#include "Attachments.h"

#include <QDialog>
#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// " Allega file": the three attached files of the card on screen, each a path chosen in the
// file dialog and a description. It edits a copy of the card's rows and gives them back through
// "Applica e chiudi"; the card puts them in its hidden fields and its next Save stores them.
class TfrmAllegaCartella : public QDialog
{
    Q_OBJECT
public:
    // `mode` is "clienti", "fornitori" or "magazzino": whose card `card` is.
    TfrmAllegaCartella(QWidget *card, const QString &mode, const Attachments::Rows &rows);

    // Shows the window modally over the card: the rows as applied, or nullopt when the user
    // closed it without applying.
    static std::optional<Attachments::Rows> run(QWidget *card, const QString &mode,
                                                const Attachments::Rows &rows);
    // The rows as the window shows them, trimmed.
    Attachments::Rows rows() const;

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
    QWidget *buildRow(int row);
    void load(const Attachments::Rows &rows);

    QLabel *lblMemory = nullptr;
    std::array<Row, Attachments::kRows> m_rows;
    QPushButton *btnApplica = nullptr;
    QPushButton *btnAnnulla = nullptr;
};
