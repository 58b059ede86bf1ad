#include "CheckDialog.h"

#include "platform/Platform.h"
#include "shell/card/KeyFilters.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

CheckDialog::CheckDialog(Identifier id, const Texts &texts, QWidget *parent)
    : QDialog(parent), m_id(id), m_rules(IdentifierChecks::editRules(id))
{
    setObjectName(texts.windowName);
    setWindowTitle(texts.caption);
    setModal(true);
    buildLayout(texts);

    m_edit->setMaxLength(m_rules.maxLength);
    if (m_rules.digitsOnly)
        m_edit->installEventFilter(new DigitsOnlyFilter(m_edit));
    m_edit->installEventFilter(this);
    connect(m_edit, &QLineEdit::textChanged, this, &CheckDialog::editChange);
    connect(m_btnControlla, &QPushButton::clicked, this, &CheckDialog::btnControllaClick);
    connect(m_btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    m_edit->setFocus();
}

void CheckDialog::buildLayout(const Texts &texts)
{
    auto *imgTitolo = new QLabel(this);
    imgTitolo->setObjectName(QStringLiteral("imgTitolo"));
    imgTitolo->setPixmap(QIcon::fromTheme(texts.iconName).pixmap(48, 48));
    imgTitolo->setAlignment(Qt::AlignTop);

    auto *lblTitolo = new QLabel(texts.title, this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    QFont titleFont = lblTitolo->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    lblTitolo->setFont(titleFont);

    auto *lblIstruzioni = new QLabel(texts.instruction, this);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setWordWrap(true);

    auto *heading = new QVBoxLayout;
    heading->setSpacing(4);
    heading->addWidget(lblTitolo);
    heading->addWidget(lblIstruzioni);
    heading->addStretch();

    auto *header = new QHBoxLayout;
    header->setSpacing(14);
    header->addWidget(imgTitolo);
    header->addLayout(heading, 1);

    m_edit = new QLineEdit(this);
    m_edit->setObjectName(texts.editName);
    QFont codeFont(QStringLiteral("Liberation Mono"));
    codeFont.setStyleHint(QFont::Monospace);
    codeFont.setPointSizeF(m_edit->font().pointSizeF() * 1.15);
    m_edit->setFont(codeFont);
    // Room for the longest value of any of the checks, so the four windows share one width.
    m_edit->setMinimumWidth(QFontMetrics(codeFont).horizontalAdvance(QString(34, u'W')) + 32);

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    m_btnControlla = new QPushButton(QIcon::fromTheme(QStringLiteral("dialog-ok-apply")),
                                     QStringLiteral("Controlla"), this);
    m_btnControlla->setObjectName(QStringLiteral("btnControlla"));
    m_btnChiudi =
        new QPushButton(QIcon::fromTheme(QStringLiteral("window-close")), QStringLiteral("Chiudi"), this);
    m_btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_btnControlla);
    buttons->addWidget(m_btnChiudi);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(18, 16, 18, 14);
    root->setSpacing(12);
    root->addLayout(header);
    root->addWidget(m_edit);
    root->addWidget(line);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);
}

void CheckDialog::setValue(const QString &value)
{
    // QLineEdit::setText cuts to the maximum length: make room first.
    m_edit->setMaxLength(qMax(m_rules.maxLength, int(value.size())));
    m_edit->setText(value);
}

void CheckDialog::editChange()
{
    if (m_normalising)
        return;
    const QString text = m_edit->text();
    const QString normal = IdentifierChecks::editText(m_id, text);
    if (normal != text) {
        QScopedValueRollback<bool> guard(m_normalising, true);
        // Keep the cursor on the same character: only blanks in front of it can have gone.
        qsizetype leading = 0;
        while (leading < text.size() && text[leading].isSpace())
            ++leading;
        const int cursor = m_edit->cursorPosition() - int(qMin<qsizetype>(leading, m_edit->cursorPosition()));
        m_edit->setText(normal);
        m_edit->setCursorPosition(qMin(cursor, int(normal.size())));
    }
    // A longer value passed in may be shortened, but typing never takes it past its length again,
    // and once it fits the edit's own maximum applies.
    const int allowance = qMax(m_rules.maxLength, int(m_edit->text().size()));
    if (m_edit->maxLength() > allowance)
        m_edit->setMaxLength(allowance);
}

void CheckDialog::btnControllaClick()
{
    const CheckResult result = IdentifierChecks::check(m_id, m_edit->text());
    env().messages->show(
        this, result.kind == CheckResult::Kind::Information ? MessageKind::Information : MessageKind::Warning,
        result.message);
    if (result.needsCorrection) {
        m_edit->setFocus();
        return;
    }
    accept();
}

bool CheckDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in the edit moves on to "Controlla"; Enter there runs the check.
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_btnControlla->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
