#pragma once

#include "ArchiveKind.h"
#include "core/ListText.h"

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <optional>

class EnterChain;
class FocusHighlighter;
class QLabel;
class QLineEdit;
class QPushButton;
class ResultsPanel;

// The search window of an archive (TfrmTrovaClienti, TfrmTrovaFornitori, ...), built from the
// archive's description: ten criteria on the first panel, the sorted result lines on the second.
// A double click reads the clicked record afresh at its own position and hands it back to the
// caller, which decides by its mode what to copy; two records with equal lines stay apart.
class TfrmTrova : public QDialog
{
    Q_OBJECT
public:
    struct Picked
    {
        qint64 position; // 1-based
        QByteArray bytes;
    };

    // `modeTag` is what the caller opens it for ("clienti", "preventivi", ...).
    TfrmTrova(const ArchiveKind &kind, const QString &archivePath, const QString &modeTag,
              QWidget *parent = nullptr);

    // Shows the window modally; the record chosen by a double click, or nothing.
    static std::optional<Picked> pick(const ArchiveKind &kind, const QString &archivePath,
                                      const QString &modeTag, QWidget *parent);

    const std::optional<Picked> &picked() const { return m_picked; }
    QString modeTag() const;

public Q_SLOTS:
    void btnCercaClick();
    void btnStampaClick();
    void lstRecordsDblClick(const ListText::Line &line);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildCriteriaPanel();
    void closeWindow();

    const ArchiveKind &m_kind;
    QString m_path;
    QLabel *lblMemory;
    QWidget *panAvvio;
    QList<QLineEdit *> m_criteria;
    QPushButton *btnCerca;
    QPushButton *btnAnnulla;
    QLabel *lblAttendere;
    ResultsPanel *panContainer;
    FocusHighlighter *m_highlighter;
    EnterChain *m_enterChain;
    std::optional<Picked> m_picked;
};
