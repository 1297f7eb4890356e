#include "toolkit/Guard.h"

#include "toolkit/MessageBox.h"

#include <QApplication>

namespace teklifo {

QString errorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > QChar(u'.').unicode())
        return message + u'.';
    return message;
}

void showErrorBox(const QString& message) {
    const QString title = QApplication::applicationDisplayName().isEmpty()
                              ? QStringLiteral("Teklifo")
                              : QApplication::applicationDisplayName();
    showMessageBox(title, errorBoxText(message), MessageIcon::Error, Button::Ok);
}

void showCurrentException() {
    try {
        throw;
    } catch (const Error& e) {
        showErrorBox(e.message());
    } catch (const std::bad_alloc&) {
        showErrorBox(QStringLiteral("Bellek yetersiz"));
    } catch (const std::exception& e) {
        showErrorBox(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showErrorBox(QStringLiteral("Beklenmeyen bir hata oluştu"));
    }
}

} // namespace teklifo
