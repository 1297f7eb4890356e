#include "catalogue/DBNavigator.h"

#include "catalogue/DataSource.h"
#include "catalogue/Query.h"
#include "toolkit/Controls.h"
#include "toolkit/Errors.h"
#include "toolkit/Guard.h"
#include "toolkit/MessageBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace teklifo {

namespace {

struct ButtonInfo {
    const char* name;
    const char16_t* hint;
};

// The hints "Sil " and "İptal " end in a blank.
const std::array<ButtonInfo, DBNavigator::ButtonCount> buttonInfo = {{
    {"BtnFirst", u"İlk Kayıt"},
    {"BtnPrior", u"Önceki Kayıt"},
    {"BtnNext", u"Sonraki Kayıt"},
    {"BtnLast", u"Son Kayıt"},
    {"BtnInsert", u"Yeni Kayıt"},
    {"BtnDelete", u"Sil "},
    {"BtnEdit", u"Düzenle"},
    {"BtnPost", u"Kaydet"},
    {"BtnCancel", u"İptal "},
    {"BtnRefresh", u"Yenile"},
}};

constexpr int GlyphSize = 16;
const QColor seeThrough(255, 0, 255);

QPolygon polygon(std::initializer_list<QPoint> points) {
    return QPolygon(QList<QPoint>(points));
}

// One button's drawing in a 16 × 16 square.
void drawShape(QPainter& p, DBNavigator::Button which, const QColor& color) {
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    switch (which) {
    case DBNavigator::First:
        p.drawRect(3, 4, 2, 8);
        p.drawPolygon(polygon({{12, 3}, {12, 12}, {7, 8}, {7, 7}}));
        break;
    case DBNavigator::Prior:
        p.drawPolygon(polygon({{10, 3}, {10, 12}, {5, 8}, {5, 7}}));
        break;
    case DBNavigator::Next:
        p.drawPolygon(polygon({{5, 3}, {5, 12}, {10, 8}, {10, 7}}));
        break;
    case DBNavigator::Last:
        p.drawPolygon(polygon({{3, 3}, {3, 12}, {8, 8}, {8, 7}}));
        p.drawRect(10, 4, 2, 8);
        break;
    case DBNavigator::Insert:
        p.drawRect(7, 3, 2, 10);
        p.drawRect(3, 7, 10, 2);
        break;
    case DBNavigator::Delete:
        p.drawRect(3, 7, 10, 2);
        break;
    case DBNavigator::Edit:
        p.drawPolygon(polygon({{3, 11}, {12, 11}, {8, 6}, {7, 6}}));
        break;
    case DBNavigator::Post:
    case DBNavigator::Cancel:
    case DBNavigator::Refresh: {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(color, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        QPainterPath path;
        if (which == DBNavigator::Post) {
            path.moveTo(3, 8);
            path.lineTo(6, 11);
            path.lineTo(12, 4);
        } else if (which == DBNavigator::Cancel) {
            path.moveTo(4, 4);
            path.lineTo(11, 11);
            path.moveTo(11, 4);
            path.lineTo(4, 11);
        } else {
            path.arcMoveTo(3, 3, 10, 10, 60);
            path.arcTo(3, 3, 10, 10, 60, 300);
        }
        p.drawPath(path);
        break;
    }
    case DBNavigator::ButtonCount:
        break;
    }
}

QImage seeThroughCopy(const QImage& bitmap, const QRect& square, QRgb key) {
    QImage image = bitmap.copy(square).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF)) line[x] = 0;
    }
    return image;
}

} // namespace

DBNavigator::DBNavigator(QWidget* parent) : QWidget(parent) {
    for (int b = 0; b < ButtonCount; ++b) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(buttonInfo[b].name));
        button->setToolTip(QString::fromUtf16(buttonInfo[b].hint));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        const auto which = Button(b);
        connect(button, &QToolButton::clicked, this, [this, which] { guarded([&] { click(which); }); });
        m_buttons[b] = button;
        setGlyph(which, standardGlyph(which));
    }
    // Held down, these two go on moving.
    m_buttons[Prior]->setAutoRepeat(true);
    m_buttons[Next]->setAutoRepeat(true);
    updateStates();
}

Query* DBNavigator::query() const {
    Query* q = m_source ? m_source->dataSet() : nullptr;
    return q && q->isOpen() ? q : nullptr;
}

void DBNavigator::setDataSource(DataSource* source) {
    if (m_source == source) return;
    if (m_source) disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (source) {
        for (auto signal : {&DataSource::recordChanged, &DataSource::stateChanged, &DataSource::layoutChanged,
                            &DataSource::edgesChanged, &DataSource::dataSetChanged})
            connect(source, signal, this, &DBNavigator::updateStates);
    }
    updateStates();
}

void DBNavigator::setButtonVisible(Button which, bool visible) {
    m_buttons[which]->setVisible(visible);
    arrange();
}

void DBNavigator::updateStates() {
    Query* q = query();
    const bool active = q != nullptr;
    const bool up = active && !q->bof();
    const bool down = active && !q->eof();
    const bool canModify = active && q->canModify();
    const bool editing = active && (q->state() == DataSetState::Edit || q->state() == DataSetState::Insert);
    setEnabledIfChanged(m_buttons[First], up);
    setEnabledIfChanged(m_buttons[Prior], up);
    setEnabledIfChanged(m_buttons[Next], down);
    setEnabledIfChanged(m_buttons[Last], down);
    setEnabledIfChanged(m_buttons[Insert], canModify);
    setEnabledIfChanged(m_buttons[Delete], canModify && !(q->bof() && q->eof()));
    setEnabledIfChanged(m_buttons[Edit], canModify && !editing);
    setEnabledIfChanged(m_buttons[Post], canModify && editing);
    setEnabledIfChanged(m_buttons[Cancel], canModify && editing);
    setEnabledIfChanged(m_buttons[Refresh], active);
}

void DBNavigator::click(Button which) {
    Query* q = query();
    if (!q) return;
    switch (which) {
    case First:
        q->first();
        break;
    case Prior:
        q->prior();
        break;
    case Next:
        q->next();
        break;
    case Last:
        q->last();
        break;
    case Insert:
        q->insert();
        break;
    case Delete:
        deleteWithConfirmation(q);
        break;
    case Edit:
        q->edit();
        break;
    case Post:
        q->post();
        break;
    case Cancel:
        q->cancel();
        break;
    case Refresh:
    case ButtonCount:
        break;
    }
}

// The visible buttons share the width; the pixels left over go one each to the first buttons.
void DBNavigator::arrange() {
    std::vector<QToolButton*> shown;
    for (QToolButton* b : m_buttons)
        if (!b->isHidden()) shown.push_back(b);
    if (shown.empty()) return;
    const int each = width() / int(shown.size());
    int spare = width() % int(shown.size());
    int x = 0;
    for (QToolButton* b : shown) {
        const int w = each + (spare-- > 0 ? 1 : 0);
        b->setGeometry(x, 0, w, height());
        x += w;
    }
}

void DBNavigator::resizeEvent(QResizeEvent*) {
    arrange();
}

QIcon DBNavigator::glyphIcon(const QImage& bitmap) {
    QIcon icon;
    if (bitmap.isNull()) return icon;
    const int side = std::min(bitmap.height(), bitmap.width());
    const QRgb key = bitmap.pixel(0, bitmap.height() - 1);
    icon.addPixmap(QPixmap::fromImage(seeThroughCopy(bitmap, QRect(0, 0, side, bitmap.height()), key)),
                   QIcon::Normal);
    if (bitmap.width() >= 2 * side)
        icon.addPixmap(QPixmap::fromImage(seeThroughCopy(bitmap, QRect(side, 0, side, bitmap.height()), key)),
                       QIcon::Disabled);
    return icon;
}

void DBNavigator::setGlyph(Button which, const QImage& bitmap) {
    QToolButton* b = m_buttons[which];
    b->setIcon(glyphIcon(bitmap));
    b->setIconSize(QSize(bitmap.height(), bitmap.height()));
}

QImage DBNavigator::standardGlyph(Button which) {
    QImage bitmap(2 * GlyphSize, GlyphSize, QImage::Format_RGB32);
    bitmap.fill(seeThrough);
    QPainter p(&bitmap);
    drawShape(p, which, Qt::black);
    // The disabled look: grey, with a white shadow that makes it seem pressed into the face.
    p.translate(GlyphSize + 1, 1);
    drawShape(p, which, Qt::white);
    p.translate(-1, -1);
    drawShape(p, which, clGray);
    return bitmap;
}

void deleteWithConfirmation(Query* query) {
    if (messageDlg(QStringLiteral("Delete record?"), DialogType::Confirmation, Ok | Cancel) == Ok)
        query->deleteRecord();
}

QImage loadBitmapFile(const QString& fileName) {
    const QString path = QFileInfo(QDir::current(), fileName).absoluteFilePath();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("Cannot open file \"%1\". %2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
    QImageReader reader(&file, "bmp");
    reader.setDecideFormatFromContent(false);
    const QImage image = reader.read();
    if (image.isNull()) throw FileError(QStringLiteral("Bitmap image is not valid"));
    return image;
}

} // namespace teklifo
