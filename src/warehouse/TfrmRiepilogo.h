#pragma once

#include "services/KeywordJump.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QToolButton;
class ResultListModel;

// The inventory list: the items of the chosen type (or all of them) with their cost, stock and
// value, the total value of the goods and the count; find in the list and print. Built afresh
// each time it is shown, from the warehouse archive.
class TfrmRiepilogo : public QDialog
{
    Q_OBJECT
public:
    TfrmRiepilogo(const QString &archivePath, const QString &type, QWidget *parent = nullptr);

    QStringList lines() const;

public Q_SLOTS:
    void btnTrovaClick();
    void btnStampaClick();

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void build();
    QWidget *buildFindRow();
    QWidget *buildBottom();

    QString m_path;
    QString m_type;
    ResultListModel *m_model;
    KeywordJump m_jump;
    QLabel *lblTipologia;
    QLabel *titTipologia;
    QLineEdit *txtTrova;
    QPushButton *btnTrova;
    QListView *lstRecords;
    QLabel *infValore;
    QLabel *lblTotale;
    QLabel *panInfo;
    QPushButton *btnStampa;
    QPushButton *btnEsci;
    QToolButton *imgGuida;
};
