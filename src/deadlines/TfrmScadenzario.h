#pragma once

#include "ScadenzarioRecord.h"
#include "ScadenzarioRules.h"
#include "shell/card/CardOf.h"

class QCalendarWidget;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// Deadlines and appointments: one archive per year. The window has two faces, shown one at a
// time: the start panel (panAvvio), where the year is chosen, and the card panel, which shows one
// record of that year's file at a time.
class TfrmScadenzario : public CardOf<Scadenzario::Field>
{
    Q_OBJECT
public:
    explicit TfrmScadenzario(QWidget *parent = nullptr);

    // The full path of the open year file; empty until a year is opened.
    QString archivePath() const override;
    QString openYear() const;
    bool startPanelShown() const;
    // The year shows in its own label, not in a field of the card.
    QString shownText(int field) const override;

public Q_SLOTS:
    void btnApriClick();
    void imgGuidaClick();
    void btnCodFiscClick();
    void btnOKClick();
    void btnGiornoClick();
    void btnMeseClick();

protected:
    void cardShown() override;
    void prepareSave() override;
    bool validateSave() override;
    void completeRecord(Record &record) override;
    void clearCard() override;
    void afterLoad() override;
    void afterDuplicate() override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The start panel (TfrmScadenzarioAvvio.cpp).
    QWidget *buildStartPanel();
    QWidget *buildYearChoice();
    QWidget *buildCalendarSide();
    QWidget *buildAlertSide();
    QWidget *buildStartBar();
    void addStartPanel();
    void showStartPanel();
    void showCardPanel();
    // The alert and the calendar's lists (TfrmScadenzarioAlert.cpp).
    void checkImminent();

    // The card panel.
    void addCommands();
    void addSections();
    void addDateAndTime();

    QWidget *panAvvio = nullptr;

    QLineEdit *txtAnno = nullptr;
    QPushButton *btnApri = nullptr;
    QToolButton *imgGuida = nullptr;
    QToolButton *imgEsci = nullptr;
    QCalendarWidget *calAppuntamenti = nullptr;
    QToolButton *btnGiorno = nullptr;
    QToolButton *btnMese = nullptr;
    QLabel *imgPresenti = nullptr;
    QLabel *imgAssenti = nullptr;
    QPushButton *btnOK = nullptr;

    QLabel *lblAnno = nullptr;
    QLabel *lblFile = nullptr;
    QLabel *lblData = nullptr;
    QLabel *lblOra = nullptr;
    QString m_openYear; // lblAnno shows it on a new card, and a loaded record's own year otherwise
    ScadenzarioRules::SaveCheck m_check; // of the save under way
};

// For start-up: the long-lived deadlines window.
AreaWindow *createTfrmScadenzario(QWidget *parent = nullptr);
