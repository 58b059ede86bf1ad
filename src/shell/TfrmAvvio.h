#pragma once

#include <QWidget>
#include <array>

class AreaWindow;
class QAbstractButton;
class QToolButton;
class QPushButton;

// The six working areas of the main menu.
enum class Area { Clienti, Fornitori, Magazzino, Inventario, Preventivi, Scadenzario };

// The main menu: a page of pictures, one working area at a time. Areas are registered with their
// long-lived window; an area without a window stays disabled. Opening an area shows its window and
// hides the menu; the window's closedToMenu() brings the menu back. Closing the menu ends the
// program.
class TfrmAvvio : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmAvvio(QWidget *parent = nullptr);

    void setAreaWindow(Area area, AreaWindow *window);
    AreaWindow *areaWindow(Area area) const;
    // Another working window that returns here when it closes (one reached through an area's
    // own window rather than from the menu).
    void returnHereFrom(AreaWindow *window);

    void openArea(Area area);
    // Shows the menu again, maximised.
    void showMenu();

    static constexpr int kAreaCount = 6;

Q_SIGNALS:
    void endRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Entry
    {
        QToolButton *picture = nullptr;
        QPushButton *button = nullptr;
        AreaWindow *window = nullptr;
    };
    QWidget *buildTile(Area area);
    QWidget *buildFooter();
    void imgGuidaClick();
    void imgInfoClick();
    void imgCreditiClick();
    void icoSitoClick();

    std::array<Entry, kAreaCount> m_areas;
    std::array<QWidget *, kAreaCount> m_tiles{};
};
