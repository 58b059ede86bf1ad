#pragma once

#include "KeywordJump.h"
#include "core/ListLines.h"

#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QVBoxLayout;
class ResultListModel;

// A result list with what goes round it in every list window: the list in a fixed-pitch font
// (lstRecords), the count line (lblTrovate), the keyword edit with "Trova" (txtTrova, btnTrova),
// "Stampa" and "Chiudi" (btnStampa, btnChiudi) and the instructions. The window owning it decides
// what a double click, "Stampa" and "Chiudi" do; "Trova" is handled here.
class ResultsPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ResultsPanel(QWidget *parent);
    // A push button of the list windows: picture, word, objectName; Enter in an edit never presses it.
    static QPushButton *button(const QString &name, const QString &icon, const QString &text,
                               QWidget *parent);
    // Enter in `edit` moves the focus to `button` rather than pressing the dialog's default button.
    static void enterMovesTo(QLineEdit *edit, QPushButton *button);

    // Shows the lines; the count line reads `countPrefix`, the number and " schede.".
    void showLines(ListText::Lines lines, const QString &countPrefix);
    std::optional<ListText::Line> selectedLine() const;
    QStringList texts() const;
    int lineCount() const;

    QListView *list() const { return lstRecords; }
    QLineEdit *keywordEdit() const { return txtTrova; }
    QPushButton *printButton() const { return btnStampa; }
    QPushButton *closeButton() const { return btnChiudi; }
    // Extra rows (an import window's quantity and buttons) go under the list.
    QVBoxLayout *extraArea() const { return m_extra; }

    // Replaces the instructions over the list (a window chosen by a single click says so).
    void setInstructions(const QString &text);

    // Empties the keyword edit and gives it the focus, forgetting the last keyword.
    void startKeywordSearch();

Q_SIGNALS:
    void lineActivated(const ListText::Line &line);

public Q_SLOTS:
    void btnTrovaClick();

private:
    ResultListModel *m_model;
    QLabel *m_instructions = nullptr;
    KeywordJump m_jump;
    QListView *lstRecords;
    QLabel *lblTrovate;
    QLineEdit *txtTrova;
    QPushButton *btnTrova;
    QPushButton *btnStampa;
    QPushButton *btnChiudi;
    QVBoxLayout *m_extra;
};
