#include "catalogue/DBEdit.h"

#include "catalogue/DataSource.h"
#include "catalogue/Query.h"
#include "toolkit/Application.h"
#include "toolkit/Guard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>

namespace teklifo {

DBEdit::DBEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, &DBEdit::onTextEdited);
}

void DBEdit::setDataSource(DataSource* source) {
    if (m_source == source)
        return;
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (source) {
        connect(source, &DataSource::recordChanged, this, &DBEdit::load);
        connect(source, &DataSource::dataSetChanged, this, &DBEdit::load);
        connect(source, &DataSource::fieldChanged, this, [this](const QString& field) {
            if (field.compare(m_field, Qt::CaseInsensitive) == 0 && !m_modified)
                load();
        });
        connect(source, &DataSource::updateRecord, this, &DBEdit::pushToRecord);
    }
    load();
}

void DBEdit::setDataField(const QString& field) {
    m_field = field;
    load();
}

Query* DBEdit::query() const { return m_source ? m_source->dataSet() : nullptr; }

bool DBEdit::editing() const {
    Query* q = query();
    return q && (q->state() == DataSetState::Edit || q->state() == DataSetState::Insert);
}

void DBEdit::load() {
    Query* q = query();
    QString text;
    if (q && q->isOpen() && q->fieldIndex(m_field) >= 0 && (!q->isEmpty() || editing()))
        text = q->fieldText(m_field);
    m_modified = false;
    if (text != this->text()) {
        m_loading = true;
        setText(text);
        m_loading = false;
    }
}

void DBEdit::reset() { load(); }

bool DBEdit::isValidChar(QChar c) const {
    Query* q = query();
    if (!q || !q->isNumericField(m_field))
        return true;
    const QLocale locale = programLocale();
    return c.isDigit() || c == u'+' || c == u'-' || c == u'E' || c == u'e' ||
           locale.decimalPoint().contains(c);
}

void DBEdit::keyPressEvent(QKeyEvent* event) {
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (m_modified) {
            reset();
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed[0].isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        for (QChar c : typed)
            if (!isValidChar(c)) {
                QApplication::beep();
                event->accept();
                return;
            }
    }
    QLineEdit::keyPressEvent(event);
}

void DBEdit::onTextEdited(const QString& text) {
    if (m_loading)
        return;
    guarded([&] {
        if (!editing()) {
            // Starting the edit may re-show the record (a new one on an empty table): keep what
            // the user typed.
            const int cursor = cursorPosition();
            if (!m_source || !m_source->edit()) {
                QApplication::beep();
                load();
                return;
            }
            if (this->text() != text) {
                m_loading = true;
                setText(text);
                setCursorPosition(cursor);
                m_loading = false;
            }
        }
        m_modified = true;
    });
}

void DBEdit::pushToRecord() {
    if (!m_modified || !editing())
        return;
    m_modified = false;
    query()->setFieldValue(m_field, text());
}

void DBEdit::focusOutEvent(QFocusEvent* event) {
    guarded([&] { pushToRecord(); });
    QLineEdit::focusOutEvent(event);
}

} // namespace teklifo
