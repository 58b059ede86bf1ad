#pragma once

// The customer and supplier cards as their tests meet them: the card shown and active in a
// program folder of its own, its stored fields as a table (name, offset, capacity) with the
// controls that show them, and the record bytes expected from the table.

#include "FakePlatform.h"
#include "TestFolder.h"
#include "WindowTestKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <span>

namespace WindowTestKit {

// Where a field lies in a stored record, written out by hand rather than taken from the layout.
struct StoredField
{
    const char *name;
    int offset;
    int capacity;
};

// The card at the smaller screen size over an empty program folder with the platform doubles.
template <class Card> struct ContactCardFixture
{
    TestFolder folder;
    FakePlatform platform;
    Card card;
    QString archive; // its file in the program folder

    explicit ContactCardFixture(const QString &archiveFile) : archive(archiveFile)
    {
        card.setWindowState(Qt::WindowNoState);
        card.resize(1366, 768);
        showActive(&card);
    }
    QString path() const { return folder.file(archive); }
    QWidget *w(const QString &name) { return find<QWidget>(&card, name); }
    QLineEdit *edit(const QString &name) { return find<QLineEdit>(&card, name); }
    QComboBox *combo(const QString &name) { return find<QComboBox>(&card, name); }
    QCheckBox *flag() { return find<QCheckBox>(&card, QStringLiteral("chkRicontatta")); }
    QString position() const { return card.positionLabel()->text(); }
    QString hintOver(const QString &control) { return WindowTestKit::hintOver(w(control), card.hintLabel()); }

    // Puts texts into the edits named, as a user would leave them.
    void setTexts(const QList<QPair<const char *, const char *>> &texts)
    {
        for (const auto &[control, text] : texts)
            edit(QLatin1StringView(control))->setText(QString::fromUtf8(text));
    }
};

// The control of a field: "txt", "chk" or "lbl" followed by the field's name; null when none.
inline QWidget *controlOf(QWidget *card, const QString &field)
{
    for (const char *prefix : {"txt", "chk", "lbl"}) {
        if (auto *w = card->findChild<QWidget *>(QLatin1StringView(prefix) + field))
            return w;
    }
    return nullptr;
}

// A text in Windows-1252, for texts of Latin-1 letters and the euro sign; written here rather
// than through the program's codec, so that the codec is checked against it.
inline QByteArray windows1252(const QString &text)
{
    QByteArray bytes;
    for (const QChar c : text) {
        if (c.unicode() > 0xFF && c != QChar(0x20AC))
            qFatal("no Windows-1252 byte for U+%04X in the test's own table", unsigned(c.unicode()));
        bytes += c == QChar(0x20AC) ? char(0x80) : char(c.unicode());
    }
    return bytes;
}

// A record of `size` bytes with each field of `fields` holding `sample(field)`: length byte,
// text, zeros up to the next field.
template <class Sample>
QByteArray recordFromTable(int size, std::span<const StoredField> fields, const Sample &sample)
{
    QByteArray bytes(size, '\0');
    for (const StoredField &f : fields) {
        const QByteArray encoded = windows1252(sample(f));
        bytes[f.offset] = char(encoded.size());
        bytes.replace(f.offset + 1, encoded.size(), encoded);
    }
    return bytes;
}

} // namespace WindowTestKit
