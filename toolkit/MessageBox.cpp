#include "toolkit/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace teklifo {

QString dialogTitle(DialogType type) {
    switch (type) {
    case DialogType::Warning:
        return QStringLiteral("Dikkat !");
    case DialogType::Error:
        return QStringLiteral("Hata");
    case DialogType::Information:
        return QStringLiteral("Bilgi");
    case DialogType::Confirmation:
        return QStringLiteral("Doğrula");
    }
    return {};
}

static QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

Button showMessageBox(const QString& title, const QString& text, MessageIcon icon, int buttons) {
    if (buttons == NoButton)
        buttons = Ok;
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::NoButton, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);

    struct Choice {
        Button button;
        const char16_t* text;
        QMessageBox::ButtonRole role;
    };
    static const Choice choices[] = {
        {Yes, u"Evet", QMessageBox::YesRole},
        {No, u"Hayır", QMessageBox::NoRole},
        {Ok, u"TAMAM", QMessageBox::AcceptRole},
        {Cancel, u"İptal", QMessageBox::RejectRole},
    };
    QPushButton* made[4] = {};
    for (int i = 0; i < 4; ++i)
        if (buttons & choices[i].button)
            made[i] = box.addButton(QString::fromUtf16(choices[i].text), choices[i].role);

    QPushButton* def = made[2] ? made[2] : made[0];
    QPushButton* esc = made[3] ? made[3] : made[1];
    int count = 0;
    QPushButton* only = nullptr;
    for (QPushButton* b : made)
        if (b) {
            ++count;
            only = b;
        }
    if (count == 1)
        def = esc = only;
    if (def)
        box.setDefaultButton(def);
    if (esc)
        box.setEscapeButton(esc);

    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (!clicked)
        clicked = esc;
    for (int i = 0; i < 4; ++i)
        if (made[i] && made[i] == clicked)
            return choices[i].button;
    return NoButton;
}

Button messageDlg(const QString& text, DialogType type, int buttons) {
    static const MessageIcon icons[] = {MessageIcon::Warning, MessageIcon::Error, MessageIcon::Information,
                                        MessageIcon::Question};
    return showMessageBox(dialogTitle(type), text, icons[static_cast<int>(type)], buttons);
}

} // namespace teklifo
