#include "CardServices.h"

#include <QHash>
#include <QPair>

namespace CardServices {

namespace {

QHash<QPair<QString, QString>, Action> &registry()
{
    static QHash<QPair<QString, QString>, Action> actions;
    return actions;
}

} // namespace

void add(const QString &kind, const QString &command, Action action)
{
    if (kind.isEmpty() || command.isEmpty() || !action)
        qFatal("CardServices::add: a service needs a kind, a command and an action");
    registry().insert({kind, command}, std::move(action));
}

const Action *find(const QString &kind, const QString &command)
{
    const auto it = registry().constFind({kind, command});
    return it == registry().constEnd() ? nullptr : &it.value();
}

} // namespace CardServices
