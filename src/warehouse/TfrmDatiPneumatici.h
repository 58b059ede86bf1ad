#pragma once

#include <QDialog>
#include <QString>
#include <array>

class QLineEdit;
class QPushButton;

// The four extra texts of an item, named after the card's hidden labels that keep them.
struct DatiPneumatici
{
    QString memConsumo;  // "Altezza:"
    QString memAderenza; // "Larghezza:"
    QString memRumore;   // "Lunghezza:"
    QString memOnde;     // "Scadenza:"

    bool operator==(const DatiPneumatici &) const = default;
};

// " Altre informazioni": edits an item's height, width, length and expiry. Nothing is written to
// a file; the card stores them on its next Save.
class TfrmDatiPneumatici : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmDatiPneumatici(QWidget *parent = nullptr);

    // What the card's "Altre informazioni" does: the window opens on `data` and, on "Applica e
    // chiudi", hands back the trimmed texts into it and returns true; "Annulla" or the window
    // frame leave `data` as it was and return false.
    static bool edit(QWidget *parent, DatiPneumatici &data);

    // Each edit gets its text trimmed.
    void setData(const DatiPneumatici &data);
    // The edits' trimmed texts.
    DatiPneumatici data() const;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // In the order of the Enter chain.
    std::array<QLineEdit *, 4> m_edits{};
    QPushButton *btnApplica;
    QPushButton *btnAnnulla;
};
