#include "CardSection.h"

#include "CardFocus.h"
#include "CardWindow.h"
#include "ProvinceCodes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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

void CardSection::addRow()
{
    closeLine();
    ++m_row;
    m_line = new QHBoxLayout;
    m_line->setSpacing(8);
    m_grid->addLayout(m_line, m_row, 1);
    m_lineEmpty = true;
    m_lineStretches = false;
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
    e->setObjectName(QStringLiteral("txt") + m_card->recordLayout().name(field));
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
    c->setObjectName(QStringLiteral("txt") + m_card->recordLayout().name(field));
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

void CardSection::addCheck(int field, const QString &text, const QString &hint, const FieldOptions &options)
{
    auto *box = new QCheckBox(text);
    box->setObjectName(QStringLiteral("chk") + m_card->recordLayout().name(field));
    m_card->bindField(field, box, options.outOfEnterChain());
    m_card->setHint(box, hint);
    place(box, {}, 0);
}

void CardSection::addButton(const CommandSpec &spec, std::function<void()> action)
{
    auto *b = new QToolButton;
    b->setObjectName(spec.name);
    b->setIcon(QIcon::fromTheme(spec.icon));
    b->setText(spec.word);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setCursor(Qt::PointingHandCursor);
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

void CardSection::addWidget(QWidget *w, const QString &label, int stretch)
{
    place(w, label, stretch);
}

void CardSection::addStretch()
{
    if (!m_line)
        addRow();
    m_line->addStretch(1);
    m_lineStretches = true;
}
