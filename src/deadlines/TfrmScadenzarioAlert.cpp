// The start panel's alert of imminent deadlines and the calendar's day and month lists.
#include "DeadlineListWindow.h"
#include "TfrmScadenzario.h"
#include "platform/Platform.h"

#include <QCalendarWidget>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

using DeadlineLists::List;

namespace {

QDate today()
{
    const Clock *clock = env().clock;
    return clock ? clock->now().date() : QDate::currentDate();
}

} // namespace

// At each showing: this year's file (created when missing) and next year's, when there is one,
// are read for deadlines inside their notice; the banner, OK and the sound follow.
void TfrmScadenzario::checkImminent()
{
    const QDate day = today();
    const bool found =
        DeadlineLists::anyImminent(day, DeadlineLists::files(List::Imminent, day, env().programFolder));
    imgPresenti->setVisible(found);
    imgAssenti->setVisible(!found);
    btnOK->setEnabled(found);
    // A missing sound file only means silence.
    const QString sound = programFile(QStringLiteral("Avviso.mp3"));
    if (found && env().sound && QFileInfo(sound).isFile())
        env().sound->playOnce(sound);
}

void TfrmScadenzario::btnOKClick()
{
    DeadlineListWindow::open(this, List::Imminent, today());
}

void TfrmScadenzario::btnGiornoClick()
{
    DeadlineListWindow::open(this, List::Day, calAppuntamenti->selectedDate());
}

void TfrmScadenzario::btnMeseClick()
{
    DeadlineListWindow::open(this, List::Month, calAppuntamenti->selectedDate());
}
