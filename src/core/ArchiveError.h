#pragma once

#include <QString>
#include <stdexcept>

// The one failure type of every archive step. Each user action catches it and shows the
// archive-access message; the detail is for the tool and for tests.
class ArchiveError : public std::runtime_error
{
public:
    explicit ArchiveError(const QString &detail) : std::runtime_error(detail.toStdString()) {}
    QString detail() const { return QString::fromStdString(what()); }
};
