#pragma once

// A card window: one record of one archive at a time, with the position label, the four arrows,
// New, Duplicate, Save, the Enter chain, input filters, the focus highlight and the hint line.
//
// How a card configures it, all in its constructor:
//   1. Pass a Config: the record layout, the archive file, the caption, the help page; then, if
//      they differ from the usual, the kind of the archive-access message per operation
//      (accessKinds) and the text shown after saving a new card (insertedMessage).
//   2. Add commands in toolbar order: addCommand(CardCommand::Nuovo), ... (Nuovo, Duplica, Salva,
//      Guida and Esci are wired here; any other command is disabled until given an action).
//      Leave out Duplica for a card without Duplicate. A command added without an action is a
//      service slot: it runs what a service registered for the card's kind and the command's name
//      (CardServices), and stays disabled while none is registered. setHint() replaces any control's hint
//      (the arrows' too, found by their names cmdPrimo, cmdIndietro, cmdAvanti, cmdUltimo).
//      The usual runs, each set apart from the card's own commands by a separator:
//        addEditingCommands()   Nuovo, Duplica, Salva | (opens the bar)
//        addArchiveCommands(p)  Trova, Stampa, [Anteprima,] PDF, Esporta |
//        addClosingCommands()   | Guida, Esci (ends the bar)
//   3. Lay out the fields in framed sections: addSection(title, row, column)->row().edit(...).
//      A card derives from CardOf<Record::Field>, so these take only its own record's handles.
//      Each edit/combo/check box is bound to its record field (the objectName is "txt"/"chk" +
//      field name, or the stored name itself with Config::storedNamesAreControlNames; the maximum
//      length the field's capacity) with its FieldOptions: key rule, text rules, default,
//      Duplicate/New behaviour. Hidden fields: addHiddenField().
//      Controls built elsewhere are bound with bindField().
//   4. Mandatory fields in check order: addMandatory(field, warning).
//   5. finishCard(): tab order and Enter chain (binding order; setEnterTarget() for exceptions),
//      focus frames, hint line.
// Save refuses a field holding characters the archive cannot store (and the key filters refuse
// typing them), naming the field by its label.
// Hooks (all optional): clearCard (New's emptying), newCard (New), cardShown (each show from the
// menu), prepareSave (before the mandatory checks), validateSave (after them; false stops the
// save), completeRecord (fields composed from others), afterLoad, afterDuplicate, archivePath.
// Archive work of a card's own (a quote's numbering) goes through runArchiveAction().
//
// The window keeps the bytes of the record it last read or wrote: saving over a record that
// another workstation changed meanwhile asks before overwriting.

#include "CardBindings.h"
#include "CardMessages.h"
#include "CardTypes.h"
#include "core/Archive.h"
#include "core/Record.h"
#include "shell/AreaWindow.h"
#include "shell/Help.h"

#include <QList>
#include <functional>
#include <optional>

class CardSection;
class EnterChain;
class FocusHighlighter;
class HintLine;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QToolButton;
class QVBoxLayout;

enum class CardCommand { Nuovo, Duplica, Salva, Trova, Stampa, Anteprima, PDF, Esporta, File, Guida, Esci };
// Whether a card's archive run has the print preview command.
enum class PreviewCommand { Without, With };

struct CommandSpec
{
    QString name; // objectName
    QString icon; // freedesktop theme name
    QString word;
    QString hint;

    // From the literals a window lists its commands in (texts in UTF-8).
    static CommandSpec of(const char *name, const char *icon, const char *word, const char *hint);
};

class CardWindow : public AreaWindow
{
    Q_OBJECT
public:
    struct Config
    {
        Config(const RecordLayout &recordLayout, const QString &archiveFile, const QString &windowCaption,
               HelpPage page)
            : layout(&recordLayout), fileName(archiveFile), caption(windowCaption), helpPage(page)
        {
        }

        const RecordLayout *layout;
        QString fileName; // in the program folder, unless the card overrides archivePath()
        QString caption;
        HelpPage helpPage;
        QString kind; // the archive kind its services are registered for ("customers", ...)
        AccessMessageKinds accessKinds;
        QString insertedMessage = CardMessages::inserted();
        // The record stores its controls' names (txtDitta, chkSaldata): controls are named as the
        // stored fields instead of a prefix ("txt", "chk", "lbl") before the stored name.
        bool storedNamesAreControlNames = false;
    };

    explicit CardWindow(const Config &config, QWidget *parent = nullptr);
    ~CardWindow() override;

    const RecordLayout &recordLayout() const { return *m_config.layout; }
    const QString &kind() const { return m_config.kind; }
    virtual QString archivePath() const;
    QLabel *positionLabel() const { return m_position; }
    QLabel *hintLabel() const { return m_hint; }
    QWidget *control(int field) const { return m_bindings.widget(field); }
    template <class T> T *control(int field) const { return qobject_cast<T *>(control(field)); }
    QWidget *firstField() const;
    // The objectName of a field's control: `prefix` + stored name, unless the record stores the
    // control names (Config::storedNamesAreControlNames).
    QString controlName(int field, const QString &prefix) const;
    // The text a field shows on the card (check boxes as "Sì"/"No"); empty for fields without a
    // control, unless the card shows them elsewhere.
    virtual QString shownText(int field) const;
    FocusHighlighter *focusHighlighter() const { return m_highlighter; }

    // Shows a record that another window read (search, lists) at its position.
    void loadRecord(qint64 position, const QByteArray &bytes);

    static CommandSpec standardCommand(CardCommand command);

public Q_SLOTS:
    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdGuidaClick();
    void cmdEsciClick();

protected:
    // Building (see the top of this file).
    QToolButton *addCommand(CardCommand command);
    QToolButton *addCommand(const CommandSpec &spec, std::function<void()> action = {});
    void addCommandSeparator();
    void addEditingCommands();
    void addArchiveCommands(PreviewCommand preview);
    void addClosingCommands();
    // Puts a section made by the card (CardOf::addSection) into the content grid.
    void placeSection(CardSection *section, int row, int column, int rowSpan, int columnSpan);
    QGridLayout *contentGrid() const { return m_contentGrid; }
    QWidget *content() const { return m_content; }
    // The commands, fields and arrows; a card with another face (a start panel) hides it and
    // shows its own panel, added with addPanel() above the hint line.
    QWidget *cardPanel() const { return m_cardPanel; }
    void addPanel(QWidget *panel);
    // By plain field index: cards reach these through CardOf, which takes their record's handles.
    void bindField(int field, QWidget *control, const FieldOptions &options = {});
    QLabel *addHiddenField(int field, const QString &objectName = {}, const FieldOptions &options = {});
    void addMandatory(int field, const QString &warning);
    void setHint(QWidget *control, const QString &hint);
    void setEnterTarget(QWidget *from, QWidget *to);
    void setFirstField(QWidget *field) { m_firstField = field; }
    // A button of the card's own layout that runs the service registered under `name`.
    void makeServiceSlot(QToolButton *button, const QString &name);
    void finishCard();

    // Hooks.
    virtual void clearCard();
    virtual void newCard() { clearCard(); }
    virtual void cardShown() { clearCard(); }
    virtual void prepareSave() {}
    virtual bool validateSave() { return true; }
    virtual void completeRecord(Record &) {}
    virtual void afterLoad() {}
    virtual void afterDuplicate() {}

    // For hooks and card commands that work on the archive.
    Archive archive() const { return Archive(archivePath(), recordLayout().recordSize()); }
    // Runs one archive action; any failure shows the archive-access message of the operation's
    // kind and returns false.
    bool runArchiveAction(CardOp op, const std::function<void()> &action);
    void showArchiveAccessMessage(CardOp op);
    void notify(MessageKind kind, const QString &text);
    const Record &buffer() const { return m_buffer; }

    void showEvent(QShowEvent *event) override;

private:
    friend class CardSection;
    struct Mandatory
    {
        int field;
        QString warning;
    };

    void buildChrome();
    QToolButton *addArrow(const CommandSpec &spec, void (CardWindow::*slot)());
    void setPosition(std::optional<qint64> position);
    std::optional<qint64> shownPosition(bool *valid) const;
    bool checkMandatory();
    bool checkStorable();
    QString fieldCaption(int field) const;
    void loadInto(const Archive::Loaded &loaded);
    void forgetLoaded();
    void navigateTo(CardOp op, const std::function<std::optional<Archive::Loaded>(const Archive &)> &read,
                    bool complainWhenMissing);

    Config m_config;
    CardBindings m_bindings;
    Record m_buffer;
    QList<Mandatory> m_mandatory;
    QWidget *m_firstField = nullptr;
    // The record as last read or written, to notice another workstation's change before a save.
    std::optional<qint64> m_loadedPosition;
    QByteArray m_loadedBytes;

    QVBoxLayout *m_outer = nullptr;
    QWidget *m_cardPanel = nullptr;
    QWidget *m_content = nullptr;
    QGridLayout *m_contentGrid = nullptr;
    QHBoxLayout *m_commandLayout = nullptr;
    QHBoxLayout *m_navLayout = nullptr;
    QLabel *m_position = nullptr;
    QLabel *m_hint = nullptr;
    HintLine *m_hintLine = nullptr;
    FocusHighlighter *m_highlighter = nullptr;
    EnterChain *m_enterChain = nullptr;
    bool m_finished = false;
    // Commands served by a service of the archive kind, by objectName.
    QList<QPair<QToolButton *, QString>> m_serviceCommands;
    void refreshServiceCommands();
};
