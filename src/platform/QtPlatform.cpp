#include "QtPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QAudioOutput>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QUrl>

void QtMessageService::show(QWidget *parent, MessageKind kind, const QString &text)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok | QMessageBox::Cancel;
    switch (kind) {
    case MessageKind::Information:
        icon = QMessageBox::Information;
        break;
    case MessageKind::Warning:
        icon = QMessageBox::Warning;
        break;
    case MessageKind::Error:
        icon = QMessageBox::Critical;
        break;
    case MessageKind::Plain:
        buttons = QMessageBox::Ok;
        break;
    }
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, buttons, parent);
    if (QAbstractButton *cancel = box.button(QMessageBox::Cancel))
        cancel->setText(QStringLiteral("Annulla"));
    box.exec();
}

bool QtMessageService::ask(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("S\u00EC"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString shellTargetUrl(const QString &command)
{
    QString target = command;
    if (target.size() >= 2 && target.startsWith(u'"') && target.endsWith(u'"'))
        target = target.mid(1, target.size() - 2);
    const QString lower = target.toLower();
    if (lower.startsWith(QStringLiteral("mailto:")) || lower.startsWith(QStringLiteral("http://")) ||
        lower.startsWith(QStringLiteral("https://")))
        return target;
    return QUrl::fromLocalFile(target).toString();
}

void QtShellService::open(const QString &command)
{
    const QString target = shellTargetUrl(command);
    QDesktopServices::openUrl(QUrl(target, QUrl::TolerantMode));
}

namespace {

// "*.*" means every file on Windows; here it would hide the many files without a dot.
QString linuxPatterns(QString filter)
{
    return filter.replace(QStringLiteral("(*.*)"), QStringLiteral("(*)"));
}

} // namespace

QString QtFileDialogService::getOpenFileName(QWidget *parent, const QString &title, const QString &folder,
                                             const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, linuxPatterns(filter));
}

QString QtFileDialogService::getSaveFileName(QWidget *parent, const QString &title, const QString &path,
                                             const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, path, filter);
}

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::playOnce(const QString &file)
{
    if (!m_player) {
        m_player = std::make_unique<QMediaPlayer>();
        m_output = std::make_unique<QAudioOutput>();
        m_player->setAudioOutput(m_output.get());
    }
    m_player->stop();
    m_player->setSource(QUrl::fromLocalFile(file));
    m_player->play();
}

void QtSoundPlayer::stop()
{
    if (m_player)
        m_player->stop();
}
