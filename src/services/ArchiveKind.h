#pragma once

// One GUI-free description per archive: what it stores, where, and the tables the services that
// work across a whole archive read (search, lists, export, card print). Windows, quadrivo-tool and
// the tests take every archive from ArchiveKinds, never from a file-name switch of their own.

#include "CardPrintRows.h"
#include "ExportMembers.h"
#include "core/ListLines.h"
#include "core/RecordLayout.h"
#include "core/RecordView.h"
#include "shell/Help.h"

#include <QString>
#include <functional>
#include <vector>

enum class ArchiveKindId { Customers, Suppliers, Items, Quotes, Deadlines };

// A piece of a list line: fields (each trimmed) and literal texts one after the other, then,
// when width >= 0, padded with blanks and cut to `width` characters.
struct LinePart
{
    int field = -1; // -1: the literal
    QString literal = {};
};
struct LinePiece
{
    std::vector<LinePart> parts;
    int width = -1;

    static LinePiece text(const QString &literal) { return {{LinePart{-1, literal}}, -1}; }
    static LinePiece field(int field, int width = -1) { return {{LinePart{field}}, width}; }
    // Fields joined by one blank: "Cognome Nome".
    static LinePiece joined(const std::vector<int> &fields, int width = -1);
    static LinePiece group(std::vector<LinePart> parts, int width = -1) { return {std::move(parts), width}; }
};
using LineRecipe = std::vector<LinePiece>;

// A search criterion: its label, its edit's objectName and the record field it is compared with.
struct SearchCriterion
{
    QString label;
    QString control;
    int field;
};

struct SearchSpec
{
    QString window; // objectName of the search window
    QString caption;
    QString countPrefix; // "Il presente riepilogo contiene " / "Il presente elenco contiene "
    QString printTitle;  // the list report's title
    std::vector<SearchCriterion> criteria;
    LineRecipe line;
};

// A summary list of the records that need attention.
struct SummaryList
{
    QString name;    // quadrivo-tool's name: "recall-customers", "under-stock", ...
    QString window;  // objectName of the list window
    QString command; // the card command that opens it
    QString caption;
    QString title; // the list report's title
    std::function<bool(const RecordView &)> select;
    LineRecipe line;
    bool sorted = true; // false: file order
};

struct ArchiveKind
{
    ArchiveKindId id;
    QString name;    // "customers", "suppliers", "items", "quotes", "deadlines"
    QString modeTag; // the mode tag of its own card: "clienti", "fornitori", ...
    const RecordLayout *layout;
    QString fileName;   // a single archive: "Clienti.pro"; empty for the yearly ones
    QString yearSuffix; // yearly archives: ".pre", ".sca" after four characters
    QString caption;    // the card window's caption
    HelpPage helpPage;

    SearchSpec search;
    ExportMember exports;        // its spreadsheet export
    CardPrint::Layout cardPrint; // its printed card; no rows for an archive without one
    std::vector<SummaryList> lists;

    bool yearly() const { return fileName.isEmpty(); }
    // The archive's file name for a year ("2024.pre"); the single archives ignore the year.
    QString fileNameFor(int year) const;
    // Whether a file of this name holds this archive (only the name counts, not the folder).
    bool holds(const QString &path) const;
};

// A line recipe ready to build lines straight into a list: the record's bytes are copied as they
// are stored, the literals were put into Windows-1252 once.
class LineMaker
{
public:
    explicit LineMaker(const LineRecipe &recipe);
    void add(const RecordView &record, qint64 position, ListText::Lines &lines) const;

private:
    struct Part
    {
        int field;
        QByteArray literal;
    };
    struct Piece
    {
        std::vector<Part> parts;
        int width;
    };
    std::vector<Piece> m_pieces;
};

// One line built from a record, decoded.
QString buildLine(const LineRecipe &recipe, const RecordView &record);
// The text of fields joined by one blank, each trimmed (an export cell, a copied name).
QString joinedFields(const std::vector<int> &fields, const RecordView &record);
