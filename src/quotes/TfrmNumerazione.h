#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The start number of the quote numbering ("Inizio" in Taccuino.ini). The caller names itself in
// lblMemory; only the quote window ("preventivi") reads and writes the setting.
class TfrmNumerazione : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmNumerazione(QWidget *parent = nullptr);

    // What the quote window's cmdNumerazione does: caption and mode set, shown modally,
    // destroyed on closing.
    static void run(QWidget *parent);

    void setMode(const QString &tag);
    QString mode() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void btnApplicaClick();

    QLineEdit *txtInizio;
    QPushButton *btnApplica;
    QPushButton *btnAnnulla;
    QLabel *lblMemory;
};
