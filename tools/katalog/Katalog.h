#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

// teklifo-katalog: the dealer's way to a catalogue database. The program itself only opens
// Data.mdb; this tool creates it, fills it with demo models, and moves models in and out as CSV.
namespace teklifo::katalog {

// One model of a category.
struct Model {
    QString parca;
    double fiyat = 0;
    bool operator==(const Model&) const = default;
};

// Category position (1 to 19) of a table name or of a position number; 0 when neither.
int categoryFromText(const QString& text);

// Creates an empty catalogue: the nineteen tables, keyed with the program's database password.
// An existing file is replaced only with overwrite. Throws Error.
void createCatalogue(const QString& path, bool overwrite);

// Creates a catalogue filled with demo models, perCategory per table (0: a few dozen each).
// The file appears only when complete. Throws Error.
void createDemoCatalogue(const QString& path, bool overwrite, int perCategory = 0);

// Appends demo models to every table of an existing catalogue, in one transaction.
void fillDemo(const QString& path, int perCategory = 0);

// How many demo models a category gets when no count is asked for (20 to 40).
int defaultDemoCount(int position);

// The demo models of a category, in the order they are stored (deliberately unsorted).
// The same arguments always give the same models.
QList<Model> demoModels(int position, int count);

// Price texts of the CSV files. Written with "," as the program shows them (shortest form);
// read with "," or "." as decimal separator, no grouping. fromText is false for an invalid
// or negative price.
QString priceToText(double price);
bool priceFromText(const QString& text, double& price);

// CSV with ";" between fields; fields holding ";", quotes or line breaks are quoted.
QString csvField(const QString& value);
QString csvLine(const QStringList& fields); // with its CR LF

struct CsvRecord {
    int line; // where the record starts in the file, from 1
    QStringList fields;
};
// Reads the records of a CSV text one by one, so that a large file is never held twice;
// blank lines are skipped. next() throws Error naming the line of an unclosed quote or of
// text after a closing quote.
class CsvReader {
public:
    explicit CsvReader(const QString& text);
    bool next(CsvRecord& record); // false at the end
private:
    const QString& m_text;
    qsizetype m_at = 0;
    int m_line = 1;
};

// Models of one category (position 1 to 19) or of all (position 0), in position order.
// importCsv appends the whole file in one transaction, or nothing when any line is bad.
// Both return the number of models moved. Throw Error.
int importCsv(const QString& databasePath, int position, const QString& csvPath);
int exportCsv(const QString& databasePath, int position, const QString& csvPath);

// The rows of one table of a catalogue, in table order, and those of all nineteen tables in
// position order (for checks and tests; opening a keyed file is costly, so read all at once).
QList<Model> readTable(const QString& databasePath, int position);
QList<QList<Model>> readCatalogue(const QString& databasePath);

// The command line: args without the program name. Reports go to out, messages to err.
// Returns the exit code: 0 done, 1 failed, 2 wrong usage.
int run(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace teklifo::katalog
