#pragma once

#include "ItemImport.h"
#include "core/ListText.h"

#include <QDialog>
#include <QList>
#include <optional>

class EnterChain;
class FocusHighlighter;
class QLabel;
class QLineEdit;
class QPushButton;
class ResultsPanel;

// The item import window of a quote line: ten criteria on the first panel; on the second the
// sorted item list, the chosen item's details, the quantity to unload and the two imports. It
// hands back what goes into the quote line; the quote window applies it, and the quote is stored
// only by its own Save. The stock unload, when asked for, is written to the item archive at once.
class TfrmImportaMagazzino : public QDialog
{
    Q_OBJECT
public:
    // `modeTag` is "pre_art_NN" for quote line NN; `quantity` goes into "Quantità da scaricare:".
    TfrmImportaMagazzino(const QString &archivePath, const QString &modeTag, const QString &quantity,
                         QWidget *parent = nullptr);

    // Shows the window modally; what goes into the quote line, or nothing.
    static std::optional<ItemImport::LineCopy> importInto(const QString &archivePath, const QString &modeTag,
                                                          const QString &quantity, QWidget *parent);

    const std::optional<ItemImport::LineCopy> &imported() const { return m_imported; }
    QString modeTag() const;

public Q_SLOTS:
    void btnCercaClick();
    void btnStampaClick();
    void btnAggiornaClick();
    void btnNonAggiornareClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildCriteriaPanel();
    QWidget *buildImportArea();
    void lineChosen(const ListText::Line &line);
    bool hasChoice() const;
    void closeWindow();
    void failAndClose();

    QString m_path;
    QLabel *lblMemory;
    QWidget *panAvvio;
    QList<QLineEdit *> m_criteria;
    QPushButton *btnCerca;
    QPushButton *btnAnnulla;
    QLabel *lblAttendere;
    ResultsPanel *panContainer;
    QLabel *lblCodice;
    QLabel *lblDescrizione;
    QLabel *lblGiacenza;
    QLabel *lblCosto;
    QLabel *lblValore;
    QLabel *lblPosizione;
    QLineEdit *txtQuant;
    QPushButton *btnNonAggiornare;
    QPushButton *btnAggiorna;
    FocusHighlighter *m_highlighter;
    EnterChain *m_enterChain;
    std::optional<ItemImport::LineCopy> m_imported;
};
