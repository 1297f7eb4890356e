#include "dialogs/hakkinda.h"

#include "toolkit/Controls.h"
#include "toolkit/Guard.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QUrl>

// The picture is compiled into the core library; a static library's resources are registered by
// hand, from outside any namespace.
static void registerAboutPicture() {
    Q_INIT_RESOURCE(about);
}

namespace teklifo {

namespace {

const QColor clBlue{0, 0, 255};
const QColor clRed{255, 0, 0};

void setTextColor(QLabel* label, const QColor& color) {
    QPalette pal = label->palette();
    if (pal.color(QPalette::WindowText) == color && label->testAttribute(Qt::WA_SetPalette)) return;
    pal.setColor(QPalette::WindowText, color);
    label->setPalette(pal);
}

// A label as wide as its text at a fixed height; labels paint no background of their own.
QLabel* textLabel(QWidget* parent, const QString& name, const QString& text, int left, int top, int height,
                  const QFont& font, const QColor& color) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    setTextColor(label, color);
    label->adjustSize();
    place(label, left, top, label->width(), height);
    return label;
}

} // namespace

TFrmHakkinda::TFrmHakkinda(QWidget* parent)
    : FixedDialog(QStringLiteral("FrmHakkinda"), QStringLiteral(" Hakkında"), 320, 225, 6, parent) {
    registerAboutPicture();

    Image1 = new QLabel(client());
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(QStringLiteral(":/about/hakkinda.bmp")));
    Image1->setScaledContents(true);
    place(Image1, 0, 0, 100, 225);

    Shape1 = new FramePanel(client());
    Shape1->setObjectName(QStringLiteral("Shape1"));
    place(Shape1, 108, 0, 212, 225);

    QFont title = windowFont();
    title.setPixelSize(19);
    const QString product = QStringLiteral("Teklifo 2.7");
    // The black title over a grey copy 2 pixels to the right and down: a shadow.
    Label3 = textLabel(client(), QStringLiteral("Label3"), product, 136, 16, 24, title, clGray);
    Label4 = textLabel(client(), QStringLiteral("Label4"), product, 134, 14, 24, title, Qt::black);

    Label5 =
        textLabel(client(), QStringLiteral("Label5"), QStringLiteral("Görüş, eleştiri ve öneriler için:"),
                  136, 64, 13, windowFont(), clGray);

    QFont link = windowFont();
    link.setBold(true);
    Label2 = textLabel(client(), QStringLiteral("Label2"), QStringLiteral("https://www.teklifo.example.com"),
                       138, 92, 13, link, clBlue);
    Label1 = textLabel(client(), QStringLiteral("Label1"), QStringLiteral("https://teklifo.example.org"), 138,
                       108, 13, link, clBlue);
    for (QLabel* label : {Label2, Label1}) {
        label->setCursor(Qt::PointingHandCursor);
        label->setMouseTracking(true);
        label->installEventFilter(this);
    }

    Shape2 = new FramePanel(client());
    Shape2->setObjectName(QStringLiteral("Shape2"));
    place(Shape2, 128, 192, 169, 22);
    SpeedButton1 = new FlatButton(QStringLiteral("Kapat"), client());
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setFramed(false); // Shape2 is its frame
    place(SpeedButton1, 128, 192, 169, 22);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { guarded([this] { SpeedButton1Click(); }); });
}

void TFrmHakkinda::SpeedButton1Click() {
    close();
}

// The browser's answer is not looked at: a missing browser leaves the box as it was.
void TFrmHakkinda::Label1Click() {
    QDesktopServices::openUrl(QUrl::fromUserInput(Label1->text()));
}

void TFrmHakkinda::Label2Click() {
    QDesktopServices::openUrl(QUrl::fromUserInput(Label2->text()));
}

void TFrmHakkinda::Label2MouseMove(QLabel* link) {
    setTextColor(link, clRed);
}

void TFrmHakkinda::Label2MouseLeave(QLabel* link) {
    setTextColor(link, clBlue);
}

bool TFrmHakkinda::eventFilter(QObject* watched, QEvent* event) {
    auto* link = qobject_cast<QLabel*>(watched);
    if (link != Label1 && link != Label2) return FixedDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        guarded([&] { Label2MouseMove(link); });
        break;
    case QEvent::Leave:
        guarded([&] { Label2MouseLeave(link); });
        break;
    case QEvent::MouseButtonRelease: {
        // A click is a release of the left button over the label it was pressed on.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && link->rect().contains(mouse->position().toPoint()))
            guarded([&] { link == Label1 ? Label1Click() : Label2Click(); });
        break;
    }
    default:
        break;
    }
    return FixedDialog::eventFilter(watched, event);
}

} // namespace teklifo
