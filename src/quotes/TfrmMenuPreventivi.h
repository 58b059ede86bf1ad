#pragma once

#include "shell/AreaWindow.h"

class LinkLabel;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The year window of the quotes: the user picks a four-digit year, whose file yyyy.pre in the
// program folder the quote window then works on. Closing it after "Apri" leads to the quote window
// (openYear); closing it any other way leads back to the main menu (closedToMenu).
class TfrmMenuPreventivi : public AreaWindow
{
    Q_OBJECT
public:
    explicit TfrmMenuPreventivi(QWidget *parent = nullptr);

    // The year file and the quote window's caption chosen by the last "Apri".
    QString yearFilePath() const { return m_yearFilePath; }
    QString quoteCaption() const { return m_quoteCaption; }

Q_SIGNALS:
    // Emitted as the window closes after "Apri": the quote window takes the path into its lblFile
    // and the caption, then shows itself.
    void openYear(const QString &yearFilePath, const QString &caption);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void btnApriPreventiviClick();
    void lnkWebClick();
    void imgGuidaClick();
    QFrame *buildCard();

    QLineEdit *txtAnnoPreventivi;
    QPushButton *btnApriPreventivi;
    LinkLabel *lnkWeb;
    QLabel *imgEmail;
    QToolButton *imgGuida;
    QToolButton *imgEsci;
    QLabel *lblInfo;
    QLabel *lblMemory;
    QString m_yearFilePath;
    QString m_quoteCaption;
};
