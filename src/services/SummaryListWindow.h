#pragma once

#include "ArchiveKind.h"
#include "core/ListText.h"

#include <QByteArray>
#include <QDialog>
#include <optional>

class ResultsPanel;

// One window for every summary list (TfrmRicontatta, TfrmSottoscorta, TfrmSospesi, ...), configured
// by the list's description: it reads the archive each time it is shown, finds text in the list,
// prints it, and on a double click hands the clicked record back to the card that opened it.
class SummaryListWindow : public QDialog
{
    Q_OBJECT
public:
    struct Picked
    {
        qint64 position; // 1-based
        QByteArray bytes;
    };

    SummaryListWindow(const SummaryList &list, const RecordLayout &layout, const QString &archivePath,
                      QWidget *parent = nullptr);

    // Shows the window modally; the record chosen by a double click, or nothing.
    static std::optional<Picked> pick(const SummaryList &list, const RecordLayout &layout,
                                      const QString &archivePath, QWidget *parent);

    const std::optional<Picked> &picked() const { return m_picked; }
    QStringList lines() const;

public Q_SLOTS:
    void btnStampaClick();
    void lstRecordsDblClick(const ListText::Line &line);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fill();
    void closeWindow();

    const SummaryList &m_list;
    const RecordLayout &m_layout;
    QString m_path;
    ResultsPanel *m_panel;
    std::optional<Picked> m_picked;
};
