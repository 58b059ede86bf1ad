#include "IniFile.h"

#include "Win1252.h"

#include <QFile>
#include <QSaveFile>

namespace {

bool isSectionLine(const QString &line, QString *name = nullptr)
{
    const QString t = line.trimmed();
    if (!t.startsWith(u'['))
        return false;
    const qsizetype close = t.indexOf(u']');
    if (close < 0)
        return false;
    if (name)
        *name = t.mid(1, close - 1).trimmed();
    return true;
}

} // namespace

void IniFile::fromBytes(const QByteArray &bytes)
{
    m_lines.clear();
    QString text = Win1252::decode(bytes);
    if (text.isEmpty())
        return;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(u'\n'))
        text.chop(1);
    m_lines = text.split(u'\n');
}

QByteArray IniFile::toBytes() const
{
    QByteArray out;
    for (const QString &line : m_lines) {
        out.append(Win1252::encode(line));
        out.append("\r\n");
    }
    return out;
}

bool IniFile::load(const QString &path)
{
    QFile f(path);
    if (!f.exists()) {
        m_lines.clear();
        return true;
    }
    if (!f.open(QIODevice::ReadOnly))
        return false;
    fromBytes(f.readAll());
    return f.error() == QFileDevice::NoError;
}

bool IniFile::save(const QString &path) const
{
    QSaveFile f(path);
    // Unbuffered and flushed by hand: a buffered write reports success on a full disk, and only
    // the flush inside commit() fails, which some Qt versions miss, putting an empty file in
    // place of the old one.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray bytes = toBytes();
    if (f.write(bytes) != bytes.size() || !f.flush()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

qsizetype IniFile::findSection(const QString &section) const
{
    QString name;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (isSectionLine(m_lines[i], &name) && name.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

qsizetype IniFile::findKey(qsizetype sectionLine, const QString &key) const
{
    for (qsizetype i = sectionLine + 1; i < m_lines.size(); ++i) {
        const QString &line = m_lines[i];
        if (isSectionLine(line))
            return -1;
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0 && line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString IniFile::value(const QString &section, const QString &key, const QString &fallback) const
{
    const qsizetype s = findSection(section);
    if (s < 0)
        return fallback;
    const qsizetype k = findKey(s, key);
    if (k < 0)
        return fallback;
    const QString &line = m_lines[k];
    QString v = line.mid(line.indexOf(u'=') + 1).trimmed();
    if (v.size() >= 2 &&
        ((v.front() == u'"' && v.back() == u'"') || (v.front() == u'\'' && v.back() == u'\'')))
        v = v.mid(1, v.size() - 2);
    return v;
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    const QString entry = key + u'=' + value;
    qsizetype s = findSection(section);
    if (s < 0) {
        m_lines << (u'[' + section + u']') << entry;
        return;
    }
    const qsizetype k = findKey(s, key);
    if (k >= 0) {
        m_lines[k] = m_lines[k].left(m_lines[k].indexOf(u'=')) + u'=' + value;
        return;
    }
    // After the section's last non-blank line, so a blank line between sections stays put.
    qsizetype insertAt = s + 1;
    for (qsizetype i = s + 1; i < m_lines.size() && !isSectionLine(m_lines[i]); ++i) {
        if (!m_lines[i].trimmed().isEmpty())
            insertAt = i + 1;
    }
    m_lines.insert(insertAt, entry);
}

QString IniFile::read(const QString &path, const QString &section, const QString &key,
                      const QString &fallback)
{
    IniFile ini;
    if (!ini.load(path))
        return fallback;
    return ini.value(section, key, fallback);
}

bool IniFile::write(const QString &path, const QString &section, const QString &key, const QString &value)
{
    IniFile ini;
    if (!ini.load(path))
        return false;
    ini.setValue(section, key, value);
    return ini.save(path);
}
