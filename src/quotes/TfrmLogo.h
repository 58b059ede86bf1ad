#pragma once

#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;

// The issuer's logo printed on quotes: shows Logo.bmp (or the built-in euro sign), lets the user
// pick a JPEG or bitmap, blank it or go back to the built-in picture, and stores the choice as
// Logo.bmp on "Applica e chiudi".
class TfrmLogo : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmLogo(QWidget *parent = nullptr);

    // Opens the window modally over parent and destroys it on closing.
    static void run(QWidget *parent);

    // The picture "Applica e chiudi" would store.
    QImage picture() const { return m_picture; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void btnSfogliaClick();
    void btnCancLogoClick();
    void imgEuroClick();
    void btnApplicaClick();
    void showPicture(const QImage &picture);

    QImage m_picture;
    QLabel *imgLogo;
    QPushButton *btnSfoglia;
    QPushButton *btnApplica;
    QPushButton *btnAnnulla;
    QPushButton *btnCancLogo;
    QPushButton *imgEuro;
};
