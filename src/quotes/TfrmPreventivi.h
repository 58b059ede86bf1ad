#pragma once

#include "PreventiviRecord.h"
#include "QuoteTotals.h"
#include "shell/card/CardOf.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QStackedWidget;

// The quote window: one quote of the open year file at a time, with the issuer's and the
// customer's data, thirty lines shown five at a time, the VAT rate and the totals. The year file
// is chosen by the year window (openYear); closing the window stores the issuer data in
// Taccuino.ini and returns to the main menu.
//
// The window's parts live in their own files: TfrmPreventiviPanels.cpp (issuer, customer and
// terms), TfrmPreventiviLines.cpp (the line pages) and TfrmPreventiviTotals.cpp (totals, Calcola).
class TfrmPreventivi : public CardOf<Preventivi::Field>
{
    Q_OBJECT
public:
    static constexpr int kLines = Preventivi::kLines;
    static constexpr int kLinesPerPage = 5;
    static constexpr int kPages = kLines / kLinesPerPage;

    explicit TfrmPreventivi(QWidget *parent = nullptr);

    // The year chosen in the year window: the file every quote operation works on (lblFile) and
    // the caption. setYearFile only takes them; openYear also shows the window.
    void setYearFile(const QString &yearFilePath, const QString &caption);
    QString yearFile() const;
    QString archivePath() const override { return yearFile(); }

    // The page of lines on view, 1 to 6.
    int currentPage() const;

public Q_SLOTS:
    void openYear(const QString &yearFilePath, const QString &caption);

    void cmdCalcolaClick();
    void cmdNumerazioneClick();
    void cmdDatiComputerClick();
    void impOggiClick();
    void btnCancDittaClick();
    void btnLogoClick();
    void btnIvaDittaClick();
    void btnCodFiscDittaClick();
    void btnIvaClienteClick();
    void btnCodFiscClienteClick();

protected:
    void clearCard() override;
    void newCard() override;
    void cardShown() override;
    void prepareSave() override;
    bool validateSave() override;
    void closeEvent(QCloseEvent *event) override;

private:
    struct LineControls
    {
        QLineEdit *quant = nullptr;
        QLineEdit *codice = nullptr;
        QLineEdit *desc = nullptr;
        QLineEdit *prezzo = nullptr;
        QLineEdit *percSconto = nullptr;
        QLabel *importo = nullptr;
        QCheckBox *es = nullptr;
    };

    // Building.
    void addCommands();
    void setQuoteHints();
    void addHeaderSections();
    // An edit of the line pages and totals, which are laid out as grids rather than sections.
    QLineEdit *newEdit(Preventivi::Field field, QWidget *parent, const FieldOptions &options = {});
    QWidget *buildLinePages();
    QWidget *buildLinePage(int page);
    void addLineRow(QGridLayout *grid, int row, int line, QWidget *page);
    QWidget *buildTotals();
    QLabel *newTotal(Preventivi::Field field, QWidget *parent);
    void setLineEnterTargets();
    void watchNumericEdits();

    // Behaviour.
    void showPage(int page, bool focusFirstLine);
    void emptyTotals();
    void emptyLineAmount(int line);
    QuoteTotals::Figures shownFigures() const;
    bool amountsFit();
    QString fieldText(int field) const;
    void setFieldText(int field, const QString &text);
    void openCheck(int field, bool codFisc);

    std::array<LineControls, kLines> m_lines{};
    QStackedWidget *m_pages = nullptr;
    QLabel *lblFile = nullptr;
    QLineEdit *m_percIva = nullptr;
    std::array<QLabel *, 5> m_totals{};
};

// For start-up: the long-lived quote window.
TfrmPreventivi *createTfrmPreventivi(QWidget *parent = nullptr);
