// A generic Qt plugin that drives the real program as a user would: loaded into the unchanged
// executable (QT_QPA_GENERIC_PLUGINS=quadrivodriver), it logs in with the first-access password,
// opens each area from the main menu, saves one customer card, answers every message box with
// OK and leaves from the menu. Each step done is written, one line each, to the file named by
// QUADRIVO_DRIVER_LOG; a step that does not come within its time ends the program with code 3.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGenericPlugin>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

namespace {

QWidget *shownWindow(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible())
            return w;
    }
    return nullptr;
}

template <class T> T *child(QWidget *window, const char *name)
{
    return window ? window->findChild<T *>(QLatin1StringView(name)) : nullptr;
}

// Clicks after the current step returns: a click that opens a modal window must not block it.
void clickLater(QAbstractButton *button)
{
    QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
}

class Driver : public QObject
{
public:
    explicit Driver(QObject *parent) : QObject(parent), m_log(qEnvironmentVariable("QUADRIVO_DRIVER_LOG"))
    {
        m_log.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text | QIODevice::Unbuffered);
        plan();
        connect(&m_tick, &QTimer::timeout, this, &Driver::tick);
        m_tick.start(50);
        m_clock.start();
    }

private:
    struct Step
    {
        QString name;
        std::function<bool()> done; // polled until true
    };

    void write(const QString &line) { m_log.write(line.toUtf8() + '\n'); }
    void step(const QString &name, std::function<bool()> done) { m_steps.push_back({name, std::move(done)}); }

    void plan()
    {
        step(QStringLiteral("password window"), [] {
            QWidget *w = shownWindow(QStringLiteral("frmPassword"));
            auto *edit = child<QLineEdit>(w, "txtPassword");
            auto *ok = child<QAbstractButton>(w, "cmdOK");
            if (!edit || !ok)
                return false;
            edit->setText(QStringLiteral("parolainiziale"));
            if (!ok->isEnabled())
                return false;
            clickLater(ok);
            return true;
        });
        step(QStringLiteral("main menu"), [] {
            return shownWindow(QStringLiteral("frmAvvio")) && !shownWindow(QStringLiteral("frmPassword"));
        });
        const std::pair<const char *, const char *> areas[] = {{"btnClienti", "TfrmClienti"},
                                                               {"btnFornitori", "TfrmFornitori"},
                                                               {"btnMagazzino", "TfrmMagazzino"},
                                                               {"btnPreventivi", "TfrmMenuPreventivi"},
                                                               {"btnScadenzario", "TfrmScadenzario"}};
        for (const auto &[button, window] : areas) {
            const QString name = QLatin1StringView(window);
            step(QStringLiteral("open ") + name, [button] {
                auto *b = child<QAbstractButton>(shownWindow(QStringLiteral("frmAvvio")), button);
                if (!b || !b->isEnabled())
                    return false;
                clickLater(b);
                return true;
            });
            step(name + QStringLiteral(" shown"), [name] { return shownWindow(name) != nullptr; });
            if (name == QLatin1StringView("TfrmClienti"))
                saveOneCustomer();
            step(QStringLiteral("close ") + name, [name] {
                QWidget *w = shownWindow(name);
                if (!w)
                    return false;
                if (auto *esci = child<QAbstractButton>(w, "cmdEsci"); esci && esci->isVisible())
                    clickLater(esci);
                else
                    QMetaObject::invokeMethod(w, &QWidget::close, Qt::QueuedConnection);
                return true;
            });
            step(QStringLiteral("back to the menu from ") + name,
                 [name] { return !shownWindow(name) && shownWindow(QStringLiteral("frmAvvio")); });
        }
        step(QStringLiteral("exit from the menu"), [] {
            auto *esci = child<QAbstractButton>(shownWindow(QStringLiteral("frmAvvio")), "imgEsci");
            if (!esci)
                return false;
            clickLater(esci);
            return true;
        });
    }

    void saveOneCustomer()
    {
        step(QStringLiteral("save a customer"), [] {
            QWidget *w = shownWindow(QStringLiteral("TfrmClienti"));
            auto *cognome = child<QLineEdit>(w, "txtCognome");
            auto *nome = child<QLineEdit>(w, "txtNome");
            auto *salva = child<QAbstractButton>(w, "cmdSalva");
            if (!cognome || !nome || !salva)
                return false;
            cognome->setText(QStringLiteral("Rossi"));
            nome->setText(QStringLiteral("Mario"));
            clickLater(salva);
            return true;
        });
        step(QStringLiteral("customer saved at 1"), [] {
            auto *position = child<QLabel>(shownWindow(QStringLiteral("TfrmClienti")), "lblPosizione");
            return position && position->text() == QLatin1StringView("1");
        });
    }

    // A message box gets its OK (No for a question nobody expected), and is logged.
    bool answerMessageBox()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || m_answered == box)
            return false;
        QAbstractButton *button = box->button(QMessageBox::Ok);
        if (!button)
            button = box->button(QMessageBox::No);
        if (!button && !box->buttons().isEmpty())
            button = box->buttons().first();
        if (!button)
            return false;
        write(QStringLiteral("message: ") + box->text().replace(u'\n', u' ').replace(u'\r', u' '));
        m_answered = box;
        clickLater(button);
        return true;
    }

    void tick()
    {
        if (answerMessageBox() || m_steps.empty())
            return;
        if (m_steps.front().done()) {
            write(QStringLiteral("done: ") + m_steps.front().name);
            m_steps.pop_front();
            m_clock.restart();
        } else if (m_clock.elapsed() > 20000) {
            write(QStringLiteral("FAILED: ") + m_steps.front().name);
            m_steps.clear();
            QCoreApplication::exit(3);
        }
    }

    QFile m_log;
    std::deque<Step> m_steps;
    QTimer m_tick;
    QElapsedTimer m_clock;
    QPointer<QMessageBox> m_answered;
};

} // namespace

class QuadrivoDriverPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "quadrivodriver.json")
public:
    QObject *create(const QString &key, const QString &) override
    {
        if (key.compare(QLatin1StringView("quadrivodriver"), Qt::CaseInsensitive) != 0)
            return nullptr;
        // Owned by the application, which deletes the objects of its generic plugins itself.
        return new Driver(nullptr);
    }
};

#include "QuadrivoDriver.moc"
