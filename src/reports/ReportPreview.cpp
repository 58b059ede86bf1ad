#include "ReportPreview.h"

#include "QtReportOutput.h"
#include "ReportPainter.h"

#include <QAction>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int kThumbnailWidth = 110;

} // namespace

ReportPreview::ReportPreview(const PreparedReport &report, QWidget *parent)
    : QDialog(parent), m_report(report), m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(QStringLiteral(" Anteprima di stampa"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setModal(true);
    ReportPrinting::setUp(*m_printer, m_report);

    m_preview = new QPrintPreviewWidget(m_printer.get(), this);
    m_preview->setObjectName(QStringLiteral("prvPagine"));
    m_preview->setViewMode(QPrintPreviewWidget::SinglePageView);
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter *printer) { ReportPrinting::printPages(*printer, m_report); });
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this, &ReportPreview::pageChanged);

    auto *body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(buildThumbnails());
    body->addWidget(m_preview, 1);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(buildToolBar());
    outer->addLayout(body, 1);

    resize(1100, 820);
    m_preview->updatePreview();
    m_preview->fitInView();
    pageChanged();
}

ReportPreview::~ReportPreview() = default;

QWidget *ReportPreview::buildToolBar()
{
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("barComandi"));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setIconSize(QSize(24, 24));
    const auto add = [this, bar](const char *name, const char *icon, const QString &word, auto slot) {
        QAction *action = bar->addAction(QIcon::fromTheme(QLatin1StringView(icon)), word);
        action->setObjectName(QLatin1StringView(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add("actStampa", "document-print", QStringLiteral("Stampa"), &ReportPreview::printReport);
    bar->addSeparator();
    add("actZoomPiu", "zoom-in", QStringLiteral("Ingrandisci"), [this] { m_preview->zoomIn(1.25); });
    add("actZoomMeno", "zoom-out", QStringLiteral("Riduci"), [this] { m_preview->zoomOut(1.25); });
    add("actZoom100", "zoom-original", QStringLiteral("100%"), [this] {
        m_preview->setZoomFactor(1.0);
        showTopOfPage();
    });
    add("actLarghezza", "zoom-fit-width", QStringLiteral("Larghezza pagina"),
        [this] { m_preview->fitToWidth(); });
    add("actPaginaIntera", "zoom-fit-best", QStringLiteral("Pagina intera"),
        [this] { m_preview->fitInView(); });
    add("actSchermoIntero", "view-fullscreen", QStringLiteral("Schermo intero"),
        &ReportPreview::toggleFullScreen);
    bar->addSeparator();
    add("actPrima", "go-first", QStringLiteral("Prima"), [this] { showPage(1); });
    add("actPrecedente", "go-previous", QStringLiteral("Precedente"),
        [this] { showPage(currentPage() - 1); });
    m_pageLabel = new QLabel(bar);
    m_pageLabel->setObjectName(QStringLiteral("lblPagina"));
    m_pageLabel->setContentsMargins(10, 0, 10, 0);
    bar->addWidget(m_pageLabel);
    add("actSuccessiva", "go-next", QStringLiteral("Successiva"), [this] { showPage(currentPage() + 1); });
    add("actUltima", "go-last", QStringLiteral("Ultima"), [this] { showPage(pageCount()); });
    bar->addSeparator();
    add("actChiudi", "window-close", QStringLiteral("Chiudi"), &QDialog::accept);
    return bar;
}

QListWidget *ReportPreview::buildThumbnails()
{
    m_thumbnails = new QListWidget(this);
    m_thumbnails->setObjectName(QStringLiteral("lstMiniature"));
    m_thumbnails->setViewMode(QListView::IconMode);
    m_thumbnails->setFlow(QListView::TopToBottom);
    m_thumbnails->setWrapping(false);
    m_thumbnails->setMovement(QListView::Static);
    m_thumbnails->setSpacing(6);
    const QImage first = ReportPainter::pageImage(m_report, 0, kThumbnailWidth);
    m_thumbnails->setIconSize(first.size());
    m_thumbnails->setFixedWidth(kThumbnailWidth + 44);
    for (int i = 0; i < m_report.pages.size(); ++i) {
        const QImage image = i == 0 ? first : ReportPainter::pageImage(m_report, i, kThumbnailWidth);
        auto *item =
            new QListWidgetItem(QIcon(QPixmap::fromImage(image)), QString::number(i + 1), m_thumbnails);
        item->setTextAlignment(Qt::AlignHCenter);
    }
    connect(m_thumbnails, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row + 1 != currentPage())
            showPage(row + 1);
    });
    return m_thumbnails;
}

int ReportPreview::pageCount() const
{
    return m_preview->pageCount();
}

int ReportPreview::currentPage() const
{
    return m_preview->currentPage();
}

void ReportPreview::showPage(int page)
{
    m_preview->setCurrentPage(std::clamp(page, 1, std::max(1, pageCount())));
    pageChanged();
}

void ReportPreview::pageChanged()
{
    m_pageLabel->setText(QStringLiteral("Pagina %1 di %2").arg(currentPage()).arg(pageCount()));
    QSignalBlocker block(m_thumbnails);
    m_thumbnails->setCurrentRow(currentPage() - 1);
}

// At full size a page is taller than the window: show it from its top, where reading starts.
void ReportPreview::showTopOfPage()
{
    if (auto *view = m_preview->findChild<QGraphicsView *>()) {
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->minimum());
        view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->minimum());
    }
    showPage(currentPage());
}

void ReportPreview::printReport()
{
    ReportPrinting::printWithDialog(this, m_report);
}

void ReportPreview::toggleFullScreen()
{
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}
