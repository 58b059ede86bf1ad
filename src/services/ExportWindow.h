#pragma once

#include "ExportMembers.h"

#include <QDialog>

class ExportGridModel;
class HintLine;
class QLabel;
class QTableView;
class QToolButton;

// The grid window of every export (TfrmExpClienti, TfrmExpFornitori, ... and the deadline lists):
// the rows it will write, a few editable columns, and the export, help and exit buttons. The
// member gives the names, the columns and the file; the caller gives the rows.
class ExportWindow : public QDialog
{
    Q_OBJECT
public:
    ExportWindow(const ExportMember &member, ExportTable table, QWidget *parent = nullptr);
    ~ExportWindow() override;

    // Fills the grid with every record of the archive at `archivePath` (an empty archive is
    // created when missing) and shows the window modally.
    static void openForArchive(QWidget *parent, const ExportMember &member, const QString &archivePath);
    // Reads the archive; a failure keeps the rows read so far.
    static ExportTable readRows(const ExportMember &member, const QString &archivePath);

    QTableView *grid() const { return grdRecords; }
    const ExportTable &table() const;
    QString filePath() const;

public Q_SLOTS:
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QToolButton *addButton(const QString &name, const QString &icon, const QString &word,
                           const QString &hint);
    void sizeColumns();
    bool exportFile();

    const ExportMember &m_member;
    ExportGridModel *m_model;
    QTableView *grdRecords;
    QLabel *panInfo;
    HintLine *m_hints;
    QWidget *m_buttons;
};
