#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// What a PDF reader finds in a file: pdftotext's text in reading order, pdfinfo's fields.
namespace PdfText {

inline QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline QString text(const QString &pdf)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

inline QString info(const QString &pdf)
{
    return run(QStringLiteral("pdfinfo"), {pdf});
}

// The text with every run of blanks made one blank, line by line, empty lines dropped.
inline QStringList lines(const QString &pdf)
{
    QStringList out;
    for (const QString &line : text(pdf).split(u'\n')) {
        const QString simple = line.simplified();
        if (!simple.isEmpty())
            out << simple;
    }
    return out;
}

} // namespace PdfText
