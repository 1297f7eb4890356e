#include "tools/katalog/Katalog.h"

#include "app/Categories.h"
#include "catalogue/Connection.h"
#include "toolkit/Errors.h"
#include "toolkit/NumberText.h"
#include "tools/katalog/DemoData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTemporaryFile>

#include <array>
#include <cmath>
#include <filesystem>
#include <memory>
#include <optional>
#include <sqlite3.h>

namespace teklifo::katalog {

namespace {

const QString DefaultDatabase = QStringLiteral("Data.mdb");
const QString AllCategories = QStringLiteral("hepsi");

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString tableOf(int position) {
    return QString::fromLatin1(category(position).table);
}

QString nameOf(int position) {
    return QString::fromUtf16(category(position).name);
}

struct CloseDatabase {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Database = std::unique_ptr<sqlite3, CloseDatabase>;

// The catalogue's password is the one the program connects with.
QString password() {
    return Connection().password();
}

Database openCatalogue(const QString& path) {
    return Database(Connection::openFile(path, password(), false));
}

void exec(sqlite3* db, const QString& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString reason = error ? QString::fromUtf8(error) : Connection::lastError(db);
        sqlite3_free(error);
        throw DatabaseError(reason);
    }
}

// All or nothing: rolled back unless committed.
class Transaction {
public:
    explicit Transaction(sqlite3* db) : m_db(db) { exec(db, QStringLiteral("BEGIN IMMEDIATE")); }
    ~Transaction() {
        if (m_db) sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit() {
        exec(m_db, QStringLiteral("COMMIT"));
        m_db = nullptr;
    }

private:
    sqlite3* m_db;
};

// A table the tool reads or writes must be there with both columns; SQLite's own messages
// for that are English and name no category.
void requireTable(sqlite3* db, int position) {
    Statement info(db, QStringLiteral("PRAGMA table_info(\"%1\")").arg(tableOf(position)));
    bool any = false, parca = false, fiyat = false;
    while (info.step()) {
        any = true;
        const QString column = info.column(1).toString();
        parca = parca || column.compare(u"PARCA", Qt::CaseInsensitive) == 0;
        fiyat = fiyat || column.compare(u"FIYAT", Qt::CaseInsensitive) == 0;
    }
    if (!any)
        throw DatabaseError(QStringLiteral("Veritabanında '%1' tablosu yok (%2 kategorisi)")
                                .arg(tableOf(position), nameOf(position)));
    if (!parca || !fiyat)
        throw DatabaseError(
            QStringLiteral("'%1' tablosunda %2 sütunu yok")
                .arg(tableOf(position), parca ? QStringLiteral("FIYAT") : QStringLiteral("PARCA")));
}

QList<int> positionsOf(int position) {
    QList<int> positions;
    if (position != 0) {
        positions << position;
    } else {
        for (const PartCategory& c : Categories)
            positions << c.position;
    }
    return positions;
}

quint64 mix(quint64 x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

// The index-th demo model of a category. Past the base models and their variants, the same
// models come again as numbered series with prices a few per cent apart, so any count is
// possible and every text stays distinct.
Model demoModel(int position, int index) {
    const demo::CategoryData& data = demo::categoryData(position);
    const int bases = int(data.bases.size());
    const int combinations = bases * int(data.variants.size());
    const int k = index % combinations;
    const int series = index / combinations;
    const demo::Base& base = data.bases[k % bases];
    const demo::Variant& variant = data.variants[k / bases];

    QString text = QString::fromUtf16(base.text);
    if (*variant.suffix) text += u' ' + QString::fromUtf16(variant.suffix);
    if (series > 0) text += QStringLiteral(" #%1").arg(series + 1);

    const quint64 h = mix(quint64(position) << 32 | quint64(index));
    double price = base.price * variant.factor;
    if (series > 0) price *= 1.0 + (double(h % 101) - 50.0) / 1000.0;
    // Dealer prices: whole dollars, or ending in ,9 or ,5.
    static constexpr int tenths[] = {0, 9, 0, 5, 9};
    const double whole = std::max(1.0, std::floor(price));
    return {text, (whole * 10 + tenths[(h >> 8) % 5]) / 10.0};
}

void insertDemo(sqlite3* db, int perCategory) {
    for (const PartCategory& c : Categories) {
        const int count = perCategory > 0 ? perCategory : defaultDemoCount(c.position);
        Statement insert(
            db, QStringLiteral("INSERT INTO \"%1\" (PARCA, FIYAT) VALUES (?, ?)").arg(tableOf(c.position)));
        for (int i = 0; i < count; ++i) {
            const Model model = demoModel(c.position, i);
            insert.bind(1, model.parca);
            insert.bind(2, model.fiyat);
            insert.step();
            insert.reset();
        }
    }
}

// Builds a new catalogue under a temporary name beside the target and moves it into place
// only when complete: a failed or interrupted run leaves no half-made Data.mdb, and an
// overwritten one stays intact until the new one is ready.
void buildCatalogue(const QString& path, bool overwrite, std::optional<int> demoCount) {
    const QFileInfo target(path);
    if (target.isDir())
        throw FileError(QStringLiteral("'%1' bir klasör, veritabanı dosyası değil").arg(shown(path)));
    if (target.exists() && !overwrite)
        throw FileError(QStringLiteral("Dosya zaten var: %1").arg(shown(path)));
    const QDir dir = target.absoluteDir();
    if (!dir.exists()) throw FileError(QStringLiteral("Klasör bulunamadı: %1").arg(shown(dir.path())));

    QTemporaryFile reservation(dir.filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    reservation.setAutoRemove(false);
    if (!reservation.open())
        throw FileError(QStringLiteral("'%1' klasörüne yazılamıyor: %2")
                            .arg(shown(dir.path()), reservation.errorString()));
    const QString temporary = reservation.fileName();
    reservation.close();
    struct Cleanup {
        QString path;
        ~Cleanup() {
            if (!path.isEmpty()) {
                QFile::remove(path);
                QFile::remove(path + QStringLiteral("-journal"));
            }
        }
    } cleanup{temporary};

    // A new file gets the usual rights; a replaced one keeps its own.
    QFile::setPermissions(temporary, target.exists() ? target.permissions()
                                                     : QFile::ReadOwner | QFile::WriteOwner |
                                                           QFile::ReadGroup | QFile::ReadOther);
    {
        Database db(Connection::openFile(temporary, password(), true));
        Transaction transaction(db.get());
        for (const PartCategory& c : Categories)
            exec(db.get(),
                 QStringLiteral("CREATE TABLE \"%1\" (PARCA TEXT, FIYAT REAL)").arg(tableOf(c.position)));
        if (demoCount) insertDemo(db.get(), *demoCount);
        transaction.commit();
    }
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(temporary).toStdString(), QFile::encodeName(path).toStdString(),
                            error);
    if (error)
        throw FileError(
            QStringLiteral("'%1' yazılamadı: %2").arg(shown(path), QString::fromLocal8Bit(error.message())));
    cleanup.path.clear();
}

QString readText(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile())
        throw FileError(QStringLiteral("CSV dosyası bulunamadı: %1").arg(shown(path)));
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(
            QStringLiteral("CSV dosyası okunamadı: %1 (%2)").arg(shown(path), file.errorString()));
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(file.readAll());
    if (decoder.hasError()) throw FileError(QStringLiteral("CSV dosyası UTF-8 değil: %1").arg(shown(path)));
    return text;
}

QStringList headerOf(int position) {
    if (position != 0) return {QStringLiteral("PARCA"), QStringLiteral("FIYAT")};
    return {QStringLiteral("KATEGORI"), QStringLiteral("PARCA"), QStringLiteral("FIYAT")};
}

QString lineError(int line, const QString& message) {
    return QStringLiteral("%1. satır: %2").arg(line).arg(message);
}

// The first record must name the columns of the form asked for: a file of the other form is
// refused before any of its lines is taken for models.
void readHeader(CsvReader& reader, int position) {
    const QStringList header = headerOf(position);
    const QString headerText = header.join(u';');
    CsvRecord first;
    if (!reader.next(first))
        throw Error(
            lineError(1, QStringLiteral("başlık satırı '%1' bekleniyordu, dosya boş").arg(headerText)));
    bool matches = first.fields.size() == header.size();
    for (int i = 0; matches && i < header.size(); ++i)
        matches = first.fields[i].trimmed().compare(header[i], Qt::CaseInsensitive) == 0;
    if (!matches)
        throw Error(lineError(first.line, QStringLiteral("başlık satırı '%1' bekleniyordu, '%2' bulundu")
                                              .arg(headerText, first.fields.join(u';'))));
}

struct ImportRow {
    int position;
    Model model;
};

ImportRow rowOf(const CsvRecord& record, int position) {
    const qsizetype columns = position == 0 ? 3 : 2;
    if (record.fields.size() != columns)
        throw Error(lineError(record.line, QStringLiteral("%1 alan bekleniyordu (%2), %3 bulundu")
                                               .arg(columns)
                                               .arg(headerOf(position).join(u';'))
                                               .arg(record.fields.size())));
    int rowPosition = position;
    if (position == 0) {
        rowPosition = categoryFromText(record.fields[0]);
        if (rowPosition == 0)
            throw Error(
                lineError(record.line, QStringLiteral("'%1' bilinmeyen bir kategori").arg(record.fields[0])));
    }
    const QString& priceText = record.fields[columns - 1];
    if (priceText.trimmed().isEmpty()) throw Error(lineError(record.line, QStringLiteral("fiyat boş")));
    double price = 0;
    if (!priceFromText(priceText, price))
        throw Error(lineError(record.line, QStringLiteral("'%1' geçerli bir fiyat değil").arg(priceText)));
    return {rowPosition, {record.fields[columns - 2], price}};
}

// FIYAT as the program shows it; whatever else a hand-made file holds there goes out as it is.
QString priceCell(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::LongLong:
        return priceToText(value.toDouble());
    default:
        return value.toString();
    }
}

QList<Model> modelsOf(sqlite3* db, int position) {
    requireTable(db, position);
    Statement select(db, QStringLiteral("SELECT PARCA, FIYAT FROM \"%1\"").arg(tableOf(position)));
    QList<Model> models;
    while (select.step())
        models.append({select.column(0).toString(), select.column(1).toDouble()});
    return models;
}

QString usage() {
    QString categories = QStringLiteral("  ");
    qsizetype lineStart = 0;
    for (const PartCategory& c : Categories) {
        const QString item =
            QStringLiteral("%1 %2%3")
                .arg(c.position)
                .arg(tableOf(c.position))
                .arg(c.position == CategoryCount ? QStringLiteral(".") : QStringLiteral(","));
        if (categories.size() - lineStart + item.size() > 76) {
            categories += QStringLiteral("\n  ");
            lineStart = categories.size() - 2;
        } else if (c.position > 1) {
            categories += u' ';
        }
        categories += item;
    }
    return QStringLiteral(
               "Kullanım: teklifo-katalog KOMUT [SEÇENEKLER]\n"
               "\n"
               "Teklifo'nun katalog veritabanını (Data.mdb) oluşturur, örnek modellerle doldurur,\n"
               "modelleri CSV dosyasından alır ve CSV dosyasına yazar.\n"
               "\n"
               "Komutlar:\n"
               "  init [DOSYA] [--uzerine-yaz]\n"
               "      Boş, parolalı bir katalog oluşturur: on dokuz kategori tablosu.\n"
               "  demo [DOSYA] [--adet N] [--uzerine-yaz]\n"
               "      Örnek modellerle dolu bir katalog oluşturur (her kategoride 20-40 model;\n"
               "      --adet N ile her kategoride tam N model).\n"
               "  import KATEGORI|hepsi CSV [DOSYA]\n"
               "      CSV dosyasındaki modelleri kataloğa ekler. Tek işlemdir: hatalı bir satır\n"
               "      olursa satır numarası bildirilir ve hiçbir model eklenmez.\n"
               "  export KATEGORI|hepsi CSV [DOSYA]\n"
               "      Kataloğun modellerini CSV dosyasına yazar.\n"
               "\n"
               "Seçenekler:\n"
               "  --uzerine-yaz   var olan veritabanı dosyasının yerine yenisini yazar\n"
               "  --adet N        demo kataloğunda her kategorideki model sayısı (1-1000000)\n"
               "  --help, -h      bu yardımı gösterir\n"
               "\n"
               "DOSYA verilmezse geçerli klasördeki Data.mdb kullanılır.\n"
               "KATEGORI tablo adıdır ya da 1-19 arası sıra numarası:\n"
               "%1\n"
               "hepsi bütün kategoriler demektir.\n"
               "\n"
               "CSV dosyası UTF-8'dir, ilk satırı başlıktır, alanlar \";\" ile ayrılır:\n"
               "  tek kategori için PARCA;FIYAT, hepsi için KATEGORI;PARCA;FIYAT\n"
               "  (KATEGORI tablo adıdır). Fiyat ABD doları cinsindendir; ondalık ayırıcı \",\"\n"
               "  ya da \".\" olabilir, binlik ayırıcı olmaz. \";\", tırnak ya da satır sonu içeren\n"
               "  alanlar çift tırnak içine alınır, içteki tırnak iki kez yazılır.\n")
        .arg(categories);
}

constexpr int Done = 0;
constexpr int Failed = 1;
constexpr int WrongUsage = 2;

class UsageError : public Error {
public:
    using Error::Error;
};

struct Arguments {
    QString command;
    QStringList positional;
    bool overwrite = false;
    std::optional<int> count;
};

Arguments parse(const QStringList& args) {
    Arguments parsed;
    parsed.command = args.value(0);
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == u"--uzerine-yaz") {
            parsed.overwrite = true;
        } else if (arg == u"--adet" || arg.startsWith(u"--adet=")) {
            QString value;
            if (arg == u"--adet") {
                if (++i >= args.size())
                    throw UsageError(QStringLiteral("--adet seçeneğinden sonra bir sayı bekleniyordu"));
                value = args[i];
            } else {
                value = arg.mid(7);
            }
            bool ok = false;
            const int count = value.toInt(&ok);
            if (!ok || count < 1 || count > 1000000)
                throw UsageError(
                    QStringLiteral("--adet için 1 ile 1000000 arasında bir sayı bekleniyordu, '%1' verildi")
                        .arg(value));
            parsed.count = count;
        } else if (arg.startsWith(u"--") || (arg.startsWith(u'-') && arg.size() > 1)) {
            throw UsageError(QStringLiteral("Bilinmeyen seçenek: %1").arg(arg));
        } else {
            parsed.positional << arg;
        }
    }
    return parsed;
}

void expectPositional(const Arguments& a, qsizetype least, qsizetype most, const QString& form) {
    if (a.positional.size() < least || a.positional.size() > most)
        throw UsageError(QStringLiteral("Kullanım: teklifo-katalog %1").arg(form));
}

void refuseOptions(const Arguments& a) {
    if (a.overwrite)
        throw UsageError(QStringLiteral("--uzerine-yaz yalnız init ve demo komutlarıyla kullanılır"));
    if (a.count) throw UsageError(QStringLiteral("--adet yalnız demo komutuyla kullanılır"));
}

int categoryArgument(const QString& text) {
    if (text.compare(AllCategories, Qt::CaseInsensitive) == 0) return 0;
    const int position = categoryFromText(text);
    if (position == 0) {
        QStringList tables;
        for (const PartCategory& c : Categories)
            tables << tableOf(c.position);
        throw UsageError(
            QStringLiteral("Bilinmeyen kategori: '%1'. Kategori bir tablo adıdır (%2), 1-19 arası "
                           "bir sıra numarasıdır ya da bütün kategoriler için hepsi")
                .arg(text, tables.join(QStringLiteral(", "))));
    }
    return position;
}

QString scopeText(int position) {
    return position ? tableOf(position) : QStringLiteral("bütün kategoriler");
}

int runCommand(const Arguments& a, QTextStream& out) {
    if (a.command == u"init" || a.command == u"demo") {
        const bool isDemo = a.command == u"demo";
        if (a.count && !isDemo) throw UsageError(QStringLiteral("--adet yalnız demo komutuyla kullanılır"));
        expectPositional(a, 0, 1,
                         isDemo ? QStringLiteral("demo [DOSYA] [--adet N] [--uzerine-yaz]")
                                : QStringLiteral("init [DOSYA] [--uzerine-yaz]"));
        const QString path = a.positional.value(0, DefaultDatabase);
        if (QFileInfo::exists(path) && !a.overwrite && !QFileInfo(path).isDir())
            throw FileError(QStringLiteral("Dosya zaten var: %1. Yerine yenisini yazmak için --uzerine-yaz "
                                           "seçeneğini verin")
                                .arg(shown(path)));
        if (isDemo) {
            createDemoCatalogue(path, a.overwrite, a.count.value_or(0));
            out << QStringLiteral("Örnek katalog oluşturuldu: %1 (19 kategori, %2)\n")
                       .arg(shown(path), a.count ? QStringLiteral("her birinde %1 model").arg(*a.count)
                                                 : QStringLiteral("her birinde 20-40 model"));
        } else {
            createCatalogue(path, a.overwrite);
            out << QStringLiteral("Boş katalog oluşturuldu: %1 (19 kategori tablosu)\n").arg(shown(path));
        }
        return Done;
    }
    if (a.command == u"import" || a.command == u"export") {
        const bool isImport = a.command == u"import";
        refuseOptions(a);
        expectPositional(a, 2, 3, a.command + QStringLiteral(" KATEGORI|hepsi CSV [DOSYA]"));
        const int position = categoryArgument(a.positional[0]);
        const QString csv = a.positional[1];
        const QString path = a.positional.value(2, DefaultDatabase);
        if (isImport) {
            const int count = importCsv(path, position, csv);
            out << QStringLiteral("%1 model eklendi (%2): %3\n")
                       .arg(count)
                       .arg(scopeText(position), shown(path));
        } else {
            const int count = exportCsv(path, position, csv);
            out << QStringLiteral("%1 model yazıldı (%2): %3\n")
                       .arg(count)
                       .arg(scopeText(position), shown(csv));
        }
        return Done;
    }
    throw UsageError(QStringLiteral("Bilinmeyen komut: '%1'").arg(a.command));
}

} // namespace

int categoryFromText(const QString& text) {
    const QString t = text.trimmed();
    bool isNumber = false;
    const int number = t.toInt(&isNumber);
    if (isNumber) return number >= 1 && number <= CategoryCount ? number : 0;
    for (const PartCategory& c : Categories)
        if (t.compare(QLatin1StringView(c.table), Qt::CaseInsensitive) == 0) return c.position;
    return 0;
}

void createCatalogue(const QString& path, bool overwrite) {
    buildCatalogue(path, overwrite, std::nullopt);
}

void createDemoCatalogue(const QString& path, bool overwrite, int perCategory) {
    buildCatalogue(path, overwrite, perCategory);
}

void fillDemo(const QString& path, int perCategory) {
    Database db = openCatalogue(path);
    for (const PartCategory& c : Categories)
        requireTable(db.get(), c.position);
    Transaction transaction(db.get());
    insertDemo(db.get(), perCategory);
    transaction.commit();
}

int defaultDemoCount(int position) {
    return 20 + (position * 11) % 21;
}

QList<Model> demoModels(int position, int count) {
    QList<Model> models;
    models.reserve(count);
    for (int i = 0; i < count; ++i)
        models << demoModel(position, i);
    return models;
}

QString priceToText(double price) {
    static const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    return numberToText(static_cast<long double>(price), turkish);
}

bool priceFromText(const QString& text, double& price) {
    QString t = text.trimmed();
    if (t.contains(u',') && t.contains(u'.')) return false;
    t.replace(u',', u'.');
    long double value = 0;
    if (!tryTextToNumber(t, value, QLocale::c())) return false;
    const double result = double(value);
    if (!std::isfinite(result) || result < 0) return false;
    price = result;
    return true;
}

QString csvField(const QString& value) {
    if (!value.contains(u';') && !value.contains(u'"') && !value.contains(u'\n') && !value.contains(u'\r'))
        return value;
    QString quoted = value;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString csvLine(const QStringList& fields) {
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i) line += u';';
        line += csvField(fields[i]);
    }
    return line + QStringLiteral("\r\n");
}

CsvReader::CsvReader(const QString& text) : m_text(text) {
    if (!text.isEmpty() && text[0] == QChar(0xFEFF)) // a byte order mark, as spreadsheets write
        m_at = 1;
}

bool CsvReader::next(CsvRecord& record) {
    // Plain UTF-16 units: catalogues of a million lines are read in seconds this way.
    const char16_t* s = reinterpret_cast<const char16_t*>(m_text.utf16());
    const qsizetype n = m_text.size();
    qsizetype i = m_at;
    int line = m_line;
    const auto endsField = [&](qsizetype at) {
        return at >= n || s[at] == u';' || s[at] == u'\n' || s[at] == u'\r';
    };
    while (i < n) {
        record.line = line;
        record.fields.clear();
        bool anyQuoted = false;
        for (;;) {
            QString field;
            if (s[i] == u'"') {
                anyQuoted = true;
                const int opened = line;
                ++i;
                for (;;) {
                    if (i >= n) throw Error(lineError(opened, QStringLiteral("tırnak kapanmamış")));
                    const char16_t c = s[i];
                    if (c == u'"') {
                        if (i + 1 < n && s[i + 1] == u'"') {
                            field += u'"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (c == u'\n' || (c == u'\r' && !(i + 1 < n && s[i + 1] == u'\n'))) ++line;
                    field += QChar(c);
                    ++i;
                }
                if (!endsField(i))
                    throw Error(lineError(line, QStringLiteral("kapanan tırnaktan sonra ';' bekleniyordu")));
            } else {
                const qsizetype start = i;
                while (!endsField(i))
                    ++i;
                field = QString(reinterpret_cast<const QChar*>(s + start), i - start);
            }
            record.fields << field;
            if (i < n && s[i] == u';') {
                ++i;
                continue;
            }
            break;
        }
        if (i < n) {
            if (s[i] == u'\r' && i + 1 < n && s[i + 1] == u'\n') ++i;
            ++i;
            ++line;
        }
        const bool blank = !anyQuoted && record.fields.size() == 1 && record.fields[0].trimmed().isEmpty();
        if (!blank) {
            m_at = i;
            m_line = line;
            return true;
        }
    }
    m_at = i;
    m_line = line;
    return false;
}

int importCsv(const QString& databasePath, int position, const QString& csvPath) {
    Database db = openCatalogue(databasePath);
    if (position != 0) requireTable(db.get(), position);
    const QString text = readText(csvPath);
    CsvReader reader(text);
    readHeader(reader, position);

    // Lines are checked as they are inserted; a bad one rolls the whole file back.
    Transaction transaction(db.get());
    std::array<std::unique_ptr<Statement>, CategoryCount> inserts;
    CsvRecord record;
    int count = 0;
    while (reader.next(record)) {
        const ImportRow row = rowOf(record, position);
        auto& insert = inserts[row.position - 1];
        if (!insert) {
            requireTable(db.get(), row.position);
            insert = std::make_unique<Statement>(
                db.get(),
                QStringLiteral("INSERT INTO \"%1\" (PARCA, FIYAT) VALUES (?, ?)").arg(tableOf(row.position)));
        }
        insert->bind(1, row.model.parca);
        insert->bind(2, row.model.fiyat);
        insert->step();
        insert->reset();
        ++count;
    }
    transaction.commit();
    return count;
}

int exportCsv(const QString& databasePath, int position, const QString& csvPath) {
    Database db = openCatalogue(databasePath);
    const QList<int> positions = positionsOf(position);
    for (int p : positions)
        requireTable(db.get(), p);

    QSaveFile file(csvPath);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(
            QStringLiteral("CSV dosyası yazılamadı: %1 (%2)").arg(shown(csvPath), file.errorString()));
    file.write(csvLine(headerOf(position)).toUtf8());
    int count = 0;
    for (int p : positions) {
        Statement select(db.get(), QStringLiteral("SELECT PARCA, FIYAT FROM \"%1\"").arg(tableOf(p)));
        while (select.step()) {
            QStringList fields;
            if (position == 0) fields << tableOf(p);
            fields << select.column(0).toString() << priceCell(select.column(1));
            file.write(csvLine(fields).toUtf8());
            ++count;
        }
    }
    if (!file.commit())
        throw FileError(
            QStringLiteral("CSV dosyası yazılamadı: %1 (%2)").arg(shown(csvPath), file.errorString()));
    return count;
}

QList<Model> readTable(const QString& databasePath, int position) {
    Database db = openCatalogue(databasePath);
    return modelsOf(db.get(), position);
}

QList<QList<Model>> readCatalogue(const QString& databasePath) {
    Database db = openCatalogue(databasePath);
    QList<QList<Model>> tables;
    for (const PartCategory& c : Categories)
        tables << modelsOf(db.get(), c.position);
    return tables;
}

int run(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString program = QStringLiteral("teklifo-katalog: ");
    if (args.isEmpty()) {
        err << usage();
        return WrongUsage;
    }
    if (args.contains(u"--help") || args.contains(u"-h") || args.first() == u"yardım" ||
        args.first() == u"help") {
        out << usage();
        return Done;
    }
    try {
        return runCommand(parse(args), out);
    } catch (const UsageError& e) {
        err << program << e.message() << '\n' << QStringLiteral("Yardım için: teklifo-katalog --help\n");
        return WrongUsage;
    } catch (const Error& e) {
        err << program << e.message() << '\n';
        return Failed;
    } catch (const std::exception& e) {
        err << program << QString::fromLocal8Bit(e.what()) << '\n';
        return Failed;
    }
}

} // namespace teklifo::katalog
