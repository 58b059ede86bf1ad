#pragma once

#include <QString>
#include <QStringList>

// A Windows INI file as the system's profile functions see it: sections and keys are found
// without regard to case, values are trimmed (and lose one pair of enclosing quotes), text is
// Windows-1252, lines end in CR LF when written and in CR LF or LF when read. Writing a value keeps
// every other line of the file as it was. Not QSettings, whose dialect differs.
class IniFile
{
public:
    IniFile() = default;

    // Reads the file; a missing file is an empty one. False when it exists but cannot be read.
    bool load(const QString &path);
    // Writes the whole file safely (a full disk never leaves a cut file behind). False on failure.
    bool save(const QString &path) const;

    QString value(const QString &section, const QString &key, const QString &fallback = {}) const;
    void setValue(const QString &section, const QString &key, const QString &value);

    QByteArray toBytes() const;
    void fromBytes(const QByteArray &bytes);

    // One-call helpers for a single key, as the program's windows use them.
    static QString read(const QString &path, const QString &section, const QString &key,
                        const QString &fallback = {});
    static bool write(const QString &path, const QString &section, const QString &key, const QString &value);

private:
    qsizetype findSection(const QString &section) const;
    qsizetype findKey(qsizetype sectionLine, const QString &key) const;

    QStringList m_lines;
};
