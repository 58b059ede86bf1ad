#pragma once

#include "Platform.h"

#include <memory>

class QMediaPlayer;
class QAudioOutput;

// The real seams, for the running program.
class QtMessageService : public MessageService
{
public:
    void show(QWidget *parent, MessageKind kind, const QString &text) override;
    bool ask(QWidget *parent, const QString &text) override;
};

class QtShellService : public ShellService
{
public:
    void open(const QString &command) override;
};

class QtFileDialogService : public FileDialogService
{
public:
    QString getOpenFileName(QWidget *parent, const QString &title, const QString &folder,
                            const QString &filter) override;
    QString getSaveFileName(QWidget *parent, const QString &title, const QString &path,
                            const QString &filter) override;
};

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class QtSoundPlayer : public SoundPlayer
{
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    void playOnce(const QString &file) override;
    void stop() override;

private:
    std::unique_ptr<QMediaPlayer> m_player;
    std::unique_ptr<QAudioOutput> m_output;
};

// Turns a shell "open" command into the URL the desktop understands: enclosing double quotes go,
// "mailto:" and web addresses stay as they are (blanks encoded by QUrl), anything else is a path.
QString shellTargetUrl(const QString &command);
