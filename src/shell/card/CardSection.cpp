#include "CardSection.h"

#include "CardFocus.h"
#include "CardWindow.h"
#include "ProvinceCodes.h"
#include "shell/PictureButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

namespace {

// Fields of up to this many characters get a width to fit; longer ones share the line.
constexpr int kShortField = 16;

} // namespace

CardSection::CardSection(CardWindow *card, const QString &title) : QGroupBox(title), m_card(card)
{
    // A bold title; the fields keep the normal font (set again on each one as it is placed).
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    m_grid = new QGridLayout(this);
    m_grid->setHorizontalSpacing(10);
    m_grid->setVerticalSpacing(8);
    m_grid->setColumnStretch(1, 1);
}

QFont CardSection::fieldFont() const
{
    QFont normal = m_card->font();
    normal.setBold(false); // set explicitly, or the section's bold title font would be inherited
    return normal;
}

void CardSection::closeLine()
{
    if (m_line && !m_lineStretches)
        m_line->addStretch(1);
    m_lineStretches = true;
    // Lines keep their spacing at the top when the section is taller than they need.
    m_grid->setRowStretch(m_row + 1, 1);
}

void CardSection::centreLines()
{
    if (m_row >= 0)
        qFatal("CardSection::centreLines: the section already has lines");
    m_centred = true;
}

void CardSection::addRow()
{
    closeLine();
    if (m_row < 0 && m_centred) {
        // An empty first grid row takes half of the spare height; closeLine gives the other half
        // to the row after the last line.
        m_grid->setRowStretch(0, 1);
        m_row = 0;
    }
    ++m_row;
    m_captioned = nullptr;
    m_line = new QHBoxLayout;
    m_line->setSpacing(8);
    m_grid->addLayout(m_line, m_row, 1);
    m_lineEmpty = true;
    m_lineStretches = false;
}

void CardSection::addCaptionedRow(int spacing)
{
    addRow();
    m_captioned = new QGridLayout;
    m_captioned->setContentsMargins(0, 0, 0, 0);
    m_captioned->setHorizontalSpacing(spacing);
    // The style's spacing between a caption and its field, not the line's wider one.
    m_captioned->setVerticalSpacing(style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing, nullptr, this));
    m_line->addLayout(m_captioned);
    m_captionedColumn = 0;
}

void CardSection::placeCaptioned(QWidget *field, QLabel *caption)
{
    if (caption) {
        caption->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        m_captioned->addWidget(caption, 0, m_captionedColumn);
    }
    m_captioned->addWidget(field, 1, m_captionedColumn);
    ++m_captionedColumn;
    m_lineEmpty = false;
}

void CardSection::place(QWidget *field, const QString &label, int stretch)
{
    if (!m_line)
        addRow();
    field->setFont(fieldFont());
    QLabel *caption = label.isEmpty() ? nullptr : new QLabel(label);
    if (caption) {
        caption->setFont(fieldFont());
        caption->setBuddy(field);
    }
    if (m_captioned) {
        placeCaptioned(field, caption);
        return;
    }
    if (caption) {
        if (m_lineEmpty) {
            m_grid->addWidget(caption, m_row, 0, Qt::AlignLeft | Qt::AlignVCenter);
        } else {
            m_line->addSpacing(10);
            m_line->addWidget(caption);
        }
    } else if (!m_lineEmpty) {
        m_line->addSpacing(10);
    }
    m_line->addWidget(field, stretch);
    m_lineEmpty = false;
    m_lineStretches = m_lineStretches || stretch > 0;
}

void CardSection::sizeForCapacity(QWidget *field, int capacity)
{
    const QFontMetrics fm(field->font());
    int width = fm.horizontalAdvance(QString(capacity, u'M')) * 4 / 5 + 18;
    if (qobject_cast<QComboBox *>(field))
        width += 28; // the arrow
    field->setFixedWidth(width);
}

void CardSection::addEdit(int field, const QString &label, const FieldOptions &options)
{
    auto *e = new QLineEdit;
    e->setObjectName(m_card->controlName(field, QStringLiteral("txt")));
    m_card->bindField(field, e, options);
    const int capacity = m_card->recordLayout().capacity(field);
    if (capacity <= kShortField)
        sizeForCapacity(e, capacity);
    place(e, label, capacity <= kShortField ? 0 : 1);
}

void CardSection::addProvince(int field, const QString &label, const FieldOptions &options)
{
    addCombo(field, label, ProvinceCodes::all(), true, options);
    forgetSelectionOnFocus(m_card->control<QComboBox>(field));
}

void CardSection::addCombo(int field, const QString &label, const QStringList &items, bool editable,
                           const FieldOptions &options)
{
    auto *c = new QComboBox;
    c->setObjectName(m_card->controlName(field, QStringLiteral("txt")));
    c->setEditable(editable);
    c->setMaxVisibleItems(16);
    if (editable) {
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setCompleter(nullptr); // the user types exactly what he means; no completion
    }
    c->addItems(items);
    c->setCurrentIndex(-1);
    m_card->bindField(field, c, options);
    int longest = m_card->recordLayout().capacity(field);
    for (const QString &item : items)
        longest = qMax(longest, int(item.size()));
    sizeForCapacity(c, qMin(longest, kShortField));
    place(c, label, 0);
}

void CardSection::addList(int field, const QString &label, const QStringList &items, int chars,
                          FieldOptions options)
{
    auto *c = new QComboBox;
    c->setObjectName(m_card->controlName(field, QStringLiteral("txt")));
    c->setEditable(false);
    c->setMaxVisibleItems(16);
    c->addItems(items);
    c->setCurrentIndex(-1);
    c->setMinimumContentsLength(chars);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // Typing is blocked, Enter goes on to the next field.
    options.keys = KeyRule::NoTyping;
    m_card->bindField(field, c, options);
    place(c, label, 0);
}

void CardSection::addCheck(int field, const QString &text, const QString &hint, const FieldOptions &options)
{
    auto *box = new QCheckBox(text);
    box->setObjectName(m_card->controlName(field, QStringLiteral("chk")));
    m_card->bindField(field, box, options.outOfEnterChain());
    m_card->setHint(box, hint);
    place(box, {}, 0);
}

void CardSection::addButton(const CommandSpec &spec, std::function<void()> action)
{
    auto *b = ShellLook::pictureButton(spec.name, spec.icon, spec.word, Qt::ToolButtonTextBesideIcon);
    b->setFocusPolicy(Qt::NoFocus);
    if (action)
        connect(b, &QToolButton::clicked, this, std::move(action));
    else
        m_card->makeServiceSlot(b, spec.name); // a picker that a service registers
    m_card->setHint(b, spec.hint);
    b->setFont(fieldFont());
    if (!m_line)
        addRow();
    m_line->addWidget(b);
    m_lineEmpty = false;
}

void CardSection::addCheckButton(const char *name, const char *hint, std::function<void()> action)
{
    addButton(CommandSpec::of(name, "dialog-ok-apply", "Controlla", hint), std::move(action));
}

void CardSection::addWidget(QWidget *w, const QString &label, int stretch)
{
    place(w, label, stretch);
}

void CardSection::addWords(const QString &words)
{
    if (!m_line)
        addRow();
    auto *label = new QLabel(words);
    label->setFont(fieldFont());
    m_line->addWidget(label);
    m_lineEmpty = false;
}

void CardSection::addTall(QWidget *w)
{
    if (!m_captioned)
        qFatal("CardSection::addTall: only on a captioned line");
    m_captioned->addWidget(w, 0, m_captionedColumn, 2, 1);
    ++m_captionedColumn;
    m_lineEmpty = false;
}

void CardSection::addStretch()
{
    if (!m_line)
        addRow();
    m_line->addStretch(1);
    m_lineStretches = true;
}
