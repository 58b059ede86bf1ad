#pragma once

#include <QDialog>

// The information window: what the program is, and a link to write to its maker.
class TfrmInfo : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void lnkWebClick();
};
