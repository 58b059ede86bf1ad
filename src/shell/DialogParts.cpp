#include "DialogParts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace DialogParts {

ApplyCancel applyCancelRow(QDialog *dialog)
{
    auto *apply = new QPushButton(QIcon::fromTheme(QStringLiteral("dialog-ok-apply")),
                                  QStringLiteral("Applica e chiudi"), dialog);
    apply->setObjectName(QStringLiteral("btnApplica"));
    auto *cancel =
        new QPushButton(QIcon::fromTheme(QStringLiteral("dialog-cancel")), QStringLiteral("Annulla"), dialog);
    cancel->setObjectName(QStringLiteral("btnAnnulla"));
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);

    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(apply);
    row->addWidget(cancel);
    return {apply, cancel, row};
}

QVBoxLayout *fixedSizeLayout(QDialog *dialog, const QMargins &margins)
{
    auto *root = new QVBoxLayout(dialog);
    root->setContentsMargins(margins);
    root->setSizeConstraint(QLayout::SetFixedSize);
    return root;
}

void layOutEntryDialog(QDialog *dialog, QLayout *instruction, QLayout *fields, QLayout *buttons)
{
    QVBoxLayout *root = fixedSizeLayout(dialog, {18, 16, 18, 14});
    root->addLayout(instruction);
    root->addSpacing(12);
    root->addLayout(fields);
    root->addSpacing(16);
    root->addLayout(buttons);
}

QHBoxLayout *instructionRow(const QString &text, QWidget *parent, QLabel **label)
{
    auto *icon = new QLabel(parent);
    icon->setPixmap(QIcon::fromTheme(QStringLiteral("dialog-information")).pixmap(32, 32));
    auto *info = new QLabel(text, parent);
    info->setWordWrap(true);
    auto *row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addSpacing(6);
    row->addWidget(info, 1);
    if (label)
        *label = info;
    return row;
}

CaptionedEdit captionedEdit(const QString &name, const QString &caption, int maxLength, int widthInChars,
                            QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * widthInChars);
    auto *label = new QLabel(caption, parent);
    label->setBuddy(edit);
    return {label, edit};
}

void setTabChain(const QList<QWidget *> &widgets)
{
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

QLabel *memoryLabel(QWidget *parent, const QString &mode)
{
    auto *label = new QLabel(mode, parent);
    label->setObjectName(QStringLiteral("lblMemory"));
    label->hide();
    return label;
}

} // namespace DialogParts
