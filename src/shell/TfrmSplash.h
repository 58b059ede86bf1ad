#pragma once

#include <QDialog>

// The credits window: the product, what it is built with, and the maker's web site.
class TfrmSplash : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void lnkWebClick();
};
