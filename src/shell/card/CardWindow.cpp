// The operations of a card window: New, Duplicate, Save and the four arrows.
#include "CardWindow.h"

#include "core/ArchiveError.h"
#include "core/TextField.h"
#include "core/Win1252.h"
#include "platform/Platform.h"

#include <QCheckBox>
#include <QLabel>
#include <QShowEvent>

CommandSpec CommandSpec::of(const char *name, const char *icon, const char *word, const char *hint)
{
    return {QLatin1StringView(name), QLatin1StringView(icon), QString::fromUtf8(word),
            QString::fromUtf8(hint)};
}

QString CardWindow::archivePath() const
{
    return programFile(m_config.fileName);
}

void CardWindow::notify(MessageKind kind, const QString &text)
{
    if (MessageService *messages = env().messages)
        messages->show(this, kind, text);
}

void CardWindow::showArchiveAccessMessage(CardOp op)
{
    notify(m_config.accessKinds.of(op), CardMessages::archiveAccess());
}

bool CardWindow::runArchiveAction(CardOp op, const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (...) {
        // Whatever went wrong, the action ends here; what was already done stays done.
        showArchiveAccessMessage(op);
        return false;
    }
}

void CardWindow::showEvent(QShowEvent *event)
{
    if (!m_finished)
        qFatal("CardWindow %s: the card must call finishCard() in its constructor", qPrintable(objectName()));
    AreaWindow::showEvent(event);
    refreshServiceCommands();
    // Shown from the menu: every card opens empty, whatever it showed when it was closed.
    if (!event->spontaneous())
        cardShown();
}

void CardWindow::setPosition(std::optional<qint64> position)
{
    m_position->setText(position ? QString::number(*position) : QString());
}

std::optional<qint64> CardWindow::shownPosition(bool *valid) const
{
    const QString text = TextField::trim(m_position->text());
    *valid = true;
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const qint64 p = text.toLongLong(&ok);
    *valid = ok && p >= 0;
    return *valid ? std::optional<qint64>(p) : std::nullopt;
}

void CardWindow::forgetLoaded()
{
    m_loadedPosition.reset();
    m_loadedBytes.clear();
}

void CardWindow::clearCard()
{
    m_bindings.clear();
    m_buffer = Record(recordLayout());
    setPosition(std::nullopt);
    forgetLoaded();
    if (m_firstField)
        m_firstField->setFocus(Qt::OtherFocusReason);
}

void CardWindow::loadRecord(qint64 position, const QByteArray &bytes)
{
    const int size = recordLayout().recordSize();
    if (bytes.size() < size)
        return;
    m_buffer = Record::decode(recordLayout(), bytes);
    m_bindings.load(m_buffer);
    setPosition(position);
    m_loadedPosition = position;
    m_loadedBytes = bytes.left(size);
    afterLoad();
}

void CardWindow::loadInto(const Archive::Loaded &loaded)
{
    loadRecord(loaded.position, loaded.bytes);
}

void CardWindow::cmdNuovoClick()
{
    newCard();
}

void CardWindow::cmdGuidaClick()
{
    Help::show(this, m_config.helpPage);
}

void CardWindow::cmdEsciClick()
{
    close();
}

void CardWindow::cmdPrimoClick()
{
    std::optional<Archive::Loaded> loaded;
    if (!runArchiveAction(CardOp::First, [&] { loaded = archive().readFirst(); }))
        return;
    if (loaded)
        loadInto(*loaded);
    else
        notify(MessageKind::Information, CardMessages::emptyArchive());
}

void CardWindow::cmdUltimoClick()
{
    std::optional<Archive::Loaded> loaded;
    if (!runArchiveAction(CardOp::Last, [&] { loaded = archive().readLast(); }))
        return;
    if (loaded)
        loadInto(*loaded);
    else
        notify(MessageKind::Information, CardMessages::emptyArchive());
}

void CardWindow::cmdAvantiClick()
{
    bool valid = true;
    const std::optional<qint64> shown = shownPosition(&valid);
    std::optional<Archive::Loaded> loaded;
    qint64 count = -1;
    const bool done = runArchiveAction(CardOp::Next, [&] {
        if (!valid)
            throw ArchiveError(QStringLiteral("position label is not a number"));
        const Archive a = archive();
        // A new card stands before record 1.
        loaded = a.readAt(shown.value_or(0) + 1);
        if (!loaded)
            count = a.count();
    });
    if (!done)
        return;
    if (loaded) {
        loadInto(*loaded);
    } else if (count == 0) {
        setPosition(std::nullopt);
        notify(MessageKind::Information, CardMessages::emptyArchive());
    }
    // Otherwise the last record is shown: nothing happens.
}

void CardWindow::cmdIndietroClick()
{
    bool valid = true;
    const std::optional<qint64> shown = shownPosition(&valid);
    if (valid && shown == 1) {
        // The first record is shown: nothing happens beyond the file step.
        runArchiveAction(CardOp::Previous, [&] { archive().touch(); });
        return;
    }
    std::optional<Archive::Loaded> loaded;
    const bool done = runArchiveAction(CardOp::Previous, [&] {
        if (!valid)
            throw ArchiveError(QStringLiteral("position label is not a number"));
        const Archive a = archive();
        loaded = a.readAt(shown && *shown >= 2 ? *shown - 1 : 1);
        if (!loaded && a.count() > 0)
            throw ArchiveError(QStringLiteral("position past the end of the archive"));
    });
    if (!done)
        return;
    if (loaded)
        loadInto(*loaded);
    else
        notify(MessageKind::Information, CardMessages::emptyArchive());
}

void CardWindow::cmdDuplicaClick()
{
    if (TextField::trim(m_position->text()).isEmpty()) {
        notify(MessageKind::Warning, CardMessages::duplicateNeedsStoredCard());
        return;
    }
    m_bindings.clearForDuplicate();
    setPosition(std::nullopt);
    forgetLoaded();
    afterDuplicate();
    if (!runArchiveAction(CardOp::Duplicate, [&] { archive().touch(); }))
        return;
    if (m_firstField)
        m_firstField->setFocus(Qt::OtherFocusReason);
    notify(MessageKind::Information, CardMessages::duplicated());
}

bool CardWindow::checkMandatory()
{
    for (const Mandatory &m : std::as_const(m_mandatory)) {
        QWidget *w = control(m.field);
        if (TextField::trim(CardBindings::text(w)).isEmpty()) {
            notify(MessageKind::Warning, m.warning);
            w->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    return true;
}

QString CardWindow::fieldCaption(int field) const
{
    QWidget *w = control(field);
    for (const QLabel *label : findChildren<QLabel *>()) {
        if (label->buddy() == w) {
            QString caption = label->text().remove(u'&');
            while (!caption.isEmpty() && (caption.back() == u':' || caption.back().isSpace()))
                caption.chop(1);
            return caption.trimmed();
        }
    }
    if (const auto *check = qobject_cast<const QCheckBox *>(w))
        return check->text();
    return recordLayout().name(field);
}

// The code page would turn what it cannot hold into "?": the user decides what to write instead.
bool CardWindow::checkStorable()
{
    for (const CardBindings::Binding &b : m_bindings.all()) {
        const QStringList refused = Win1252::unencodable(TextField::trim(CardBindings::text(b.widget)));
        if (refused.isEmpty())
            continue;
        notify(MessageKind::Warning, CardMessages::unstorableCharacters(fieldCaption(b.field), refused));
        if (b.widget->isVisibleTo(this) && b.widget->focusPolicy() != Qt::NoFocus)
            b.widget->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

void CardWindow::cmdSalvaClick()
{
    prepareSave();
    if (!checkMandatory() || !checkStorable() || !validateSave())
        return;
    Record record = m_buffer; // fields no control edits are carried as they were read
    m_bindings.fill(record);
    completeRecord(record);
    const QByteArray bytes = record.encode();

    bool valid = true;
    const std::optional<qint64> shown = shownPosition(&valid);
    qint64 position = 0;
    if (valid && !shown) {
        if (!runArchiveAction(CardOp::Save, [&] { position = archive().append(bytes); }))
            return;
        m_buffer = record;
        setPosition(position);
        m_loadedPosition = position;
        m_loadedBytes = bytes;
        notify(MessageKind::Information, m_config.insertedMessage);
        return;
    }

    // Over a record this card read or wrote, write only if nobody changed it meanwhile; the lock
    // is released before the question, and a Yes is a new action.
    const bool known = valid && m_loadedPosition == shown;
    bool written = false;
    if (!runArchiveAction(CardOp::Save, [&] {
            if (!valid)
                throw ArchiveError(QStringLiteral("position label is not a number"));
            position = *shown;
            if (known) {
                written = archive().overwriteIfUnchanged(position, bytes, m_loadedBytes);
            } else {
                archive().overwrite(position, bytes);
                written = true;
            }
        }))
        return;
    if (!written) {
        MessageService *messages = env().messages;
        if (!messages || !messages->ask(this, CardMessages::changedElsewhere()))
            return;
        if (!runArchiveAction(CardOp::Save, [&] { archive().overwrite(position, bytes); }))
            return;
    }
    m_buffer = record;
    setPosition(position);
    m_loadedPosition = position;
    m_loadedBytes = bytes;
    notify(MessageKind::Information, CardMessages::changesSaved());
}
