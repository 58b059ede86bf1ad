#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

// The help window: one page of the guide, with a link to the whole guide as a PDF file.
class TfrmGuida : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget *parent = nullptr);

    // The text's paragraphs are separated by empty lines (CR LF pairs).
    void setPage(const QString &title, const QString &text);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void lnkWebClick();

    QLabel *m_lblTitolo;
    QPlainTextEdit *m_txtGuida;
};
