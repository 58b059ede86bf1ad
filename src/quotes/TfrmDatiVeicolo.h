#pragma once

#include <QDialog>
#include <QString>
#include <array>

class FocusHighlighter;
class QLabel;
class QLineEdit;
class QPushButton;

// The transport data of a quote, named after the quote window's hidden labels that keep them.
struct DatiTrasporto
{
    QString memVeicolo;          // "Destinazione merce:"
    QString memMarca;            // "Vettore:"
    QString memColore;           // "Aspetto esteriore dei beni:"
    QString memImmatricolazione; // "Porto:"
    QString memAlimentazione;    // "Causale del trasporto:"
    QString memTarga;            // "Numero colli:"

    bool operator==(const DatiTrasporto &) const = default;
};

// " Altre informazioni": edits a quote's six transport texts. Nothing is written to a file; the
// quote window stores them with the quote on its next Save.
class TfrmDatiVeicolo : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmDatiVeicolo(QWidget *parent = nullptr);
    ~TfrmDatiVeicolo() override;

    // What the quote window's cmdDatiComputer does: the dialog opens modally on `data` and, on
    // "Applica e chiudi", hands back the trimmed texts into it and returns true; "Annulla" or the
    // window frame leave `data` as it was and return false.
    static bool edit(QWidget *parent, DatiTrasporto &data);

    void setMode(const QString &tag);
    QString mode() const;
    // Each edit gets its text trimmed.
    void setData(const DatiTrasporto &data);
    // The edits' trimmed texts.
    DatiTrasporto data() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void btnApplicaClick();

    // In the order of the Enter chain, which is also the order of the fields above.
    std::array<QLineEdit *, 6> m_edits{};
    QPushButton *btnApplica;
    QPushButton *btnAnnulla;
    QLabel *lblMemory;
    FocusHighlighter *m_highlighter;
};
