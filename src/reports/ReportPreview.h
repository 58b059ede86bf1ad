#pragma once

#include "ReportItem.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPrintPreviewWidget;
class QPrinter;

// The preview of a prepared report: the pages as they print, with page thumbnails, page
// navigation, zoom, full screen, printing and closing. Nothing on the pages can be edited.
class ReportPreview : public QDialog
{
    Q_OBJECT
public:
    explicit ReportPreview(const PreparedReport &report, QWidget *parent = nullptr);
    ~ReportPreview() override;

    int pageCount() const;
    int currentPage() const; // 1-based
    QPrintPreviewWidget *previewWidget() const { return m_preview; }

public Q_SLOTS:
    void showPage(int page);
    void printReport();
    void toggleFullScreen();

private:
    QWidget *buildToolBar();
    QListWidget *buildThumbnails();
    void pageChanged();
    void showTopOfPage();

    PreparedReport m_report;
    std::unique_ptr<QPrinter> m_printer;
    QPrintPreviewWidget *m_preview = nullptr;
    QListWidget *m_thumbnails = nullptr;
    QLabel *m_pageLabel = nullptr;
};
