#pragma once

#include <QList>
#include <QMargins>
#include <QString>

class QDialog;
class QHBoxLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

// The pieces the small modal dialogs are built from: the "Applica e chiudi" / "Annulla" row, the
// outer layout of a dialog that keeps the size of its contents, the instruction line, the
// captioned edits and the hidden mode label. Each piece only builds; the dialog wires its actions.
namespace DialogParts {

struct ApplyCancel
{
    QPushButton *apply;  // btnApplica: its action is the dialog's own
    QPushButton *cancel; // btnAnnulla: rejects the dialog
    QHBoxLayout *row;    // both buttons on the right
};

// The buttons join the focus chain when made: call it where they belong in the Tab order.
ApplyCancel applyCancelRow(QDialog *dialog);

// The dialog's outer layout, with these margins; the dialog cannot be resized.
QVBoxLayout *fixedSizeLayout(QDialog *dialog, const QMargins &margins);

// The whole layout of a data-entry dialog: the instruction on top, the fields, the buttons' row.
void layOutEntryDialog(QDialog *dialog, QLayout *instruction, QLayout *fields, QLayout *buttons);

// The information icon with the instruction beside it, wrapped. `label`, when given, receives the
// instruction's label.
QHBoxLayout *instructionRow(const QString &text, QWidget *parent, QLabel **label = nullptr);

// A line edit named `name` that takes at most `maxLength` characters and is at least
// `widthInChars` average characters wide, with its caption (the caption's buddy).
struct CaptionedEdit
{
    QLabel *caption;
    QLineEdit *edit;
};
CaptionedEdit captionedEdit(const QString &name, const QString &caption, int maxLength, int widthInChars,
                            QWidget *parent);

// Tab goes through the widgets in this order.
void setTabChain(const QList<QWidget *> &widgets);

// The hidden label (lblMemory) that keeps the mode the caller opened the dialog in.
QLabel *memoryLabel(QWidget *parent, const QString &mode = {});

} // namespace DialogParts
