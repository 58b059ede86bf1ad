#pragma once

#include "QuoteDocument.h"
#include "core/Record.h"

#include <QDialog>
#include <QImage>
#include <functional>

class QPushButton;

// The small modal dialog between the quote window and its document: a picture, a title, what the
// action does, "Annulla" and the action button (btnStampa). The document is filled from the quote
// window's texts when the button is pressed, with the logo loaded when the dialog was shown.
class QuoteOutputDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Action { Print, Preview, Pdf };
    // The quote window's texts, one per quote field, as they stand.
    using ShownQuote = std::function<Record()>;

    // Opens the dialog of that action modally over `parent` and destroys it on closing.
    static void run(QWidget *parent, Action action, const ShownQuote &shown);

    QImage logo() const { return m_logo; }
    QPushButton *actionButton() const { return btnStampa; }

protected:
    QuoteOutputDialog(Action action, ShownQuote shown, QWidget *parent);
    void showEvent(QShowEvent *event) override;

private:
    void btnStampaClick();
    void writePdf(const PreparedReport &report);

    Action m_action;
    ShownQuote m_shown;
    QImage m_logo;
    QPushButton *btnStampa = nullptr;
    QPushButton *btnAnnulla = nullptr;
};

class TfrmStampaPrev : public QuoteOutputDialog
{
    Q_OBJECT
public:
    explicit TfrmStampaPrev(ShownQuote shown, QWidget *parent = nullptr);
};

class TfrmAnteprimaPrev : public QuoteOutputDialog
{
    Q_OBJECT
public:
    explicit TfrmAnteprimaPrev(ShownQuote shown, QWidget *parent = nullptr);
};

class TfrmCrea_PDF_Prev : public QuoteOutputDialog
{
    Q_OBJECT
public:
    explicit TfrmCrea_PDF_Prev(ShownQuote shown, QWidget *parent = nullptr);
};

namespace QuoteOutput {

// Registers the quote window's cmdStampa, cmdAnteprima and cmdPDF.
void registerServices();

} // namespace QuoteOutput
