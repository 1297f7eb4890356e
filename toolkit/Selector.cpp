#include "toolkit/Selector.h"

#include "toolkit/Collation.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStringListModel>
#include <algorithm>

namespace teklifo {

namespace {

constexpr qsizetype HeadLength = 4;

// Up to four folded characters packed into one number, the first in the lowest bits; a text
// shorter than that is padded with zeros.
quint64 packHead(QStringView folded) {
    quint64 head = 0;
    for (qsizetype i = 0; i < std::min(folded.size(), HeadLength); ++i)
        head |= quint64(folded[i].unicode()) << (16 * i);
    return head;
}

quint64 headMask(qsizetype length) {
    return length >= HeadLength ? ~quint64(0) : (quint64(1) << (16 * length)) - 1;
}

} // namespace

Selector::Selector(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setModel(new QStringListModel(this));
    // The stock completion picks a different entry and pops up a list of its own.
    setCompleter(nullptr);
    // Nor does finishing the edit pick the entry the text happens to equal.
    QLineEdit* edit = lineEdit();
    disconnect(edit, SIGNAL(editingFinished()), this, nullptr);
    disconnect(edit, SIGNAL(returnPressed()), this, nullptr);

    connect(this, qOverload<int>(&QComboBox::activated), this, &Selector::picked);
    connect(edit, &QLineEdit::textEdited, this, &Selector::edited);
}

void Selector::watchModel() const {
    QAbstractItemModel* list = model();
    if (m_watched == list)
        return;
    if (m_watched)
        disconnect(m_watched, nullptr, this, nullptr);
    m_watched = list;
    m_indexValid = false;
    const auto invalidate = [this] { m_indexValid = false; };
    connect(list, &QAbstractItemModel::modelReset, this, invalidate);
    connect(list, &QAbstractItemModel::layoutChanged, this, invalidate);
    connect(list, &QAbstractItemModel::rowsInserted, this, invalidate);
    connect(list, &QAbstractItemModel::rowsRemoved, this, invalidate);
    connect(list, &QAbstractItemModel::rowsMoved, this, invalidate);
    connect(list, &QAbstractItemModel::dataChanged, this, invalidate);
}

void Selector::buildIndex() const {
    if (auto* strings = qobject_cast<QStringListModel*>(model());
        strings && modelColumn() == 0 && !rootModelIndex().isValid()) {
        m_texts = strings->stringList(); // shared with the model, not copied
    } else {
        m_texts.clear();
        for (int i = 0; i < count(); ++i)
            m_texts.append(itemText(i));
    }
    // The beginnings of all entries are folded in one go rather than one string at a time.
    QString heads(m_texts.size() * HeadLength, QChar(0));
    for (qsizetype i = 0; i < m_texts.size(); ++i) {
        const QString& text = m_texts[i];
        std::copy_n(text.constData(), std::min(text.size(), HeadLength), heads.data() + i * HeadLength);
    }
    const QString folded = foldCase(heads);
    m_heads.resize(size_t(m_texts.size()));
    for (qsizetype i = 0; i < m_texts.size(); ++i)
        m_heads[size_t(i)] = packHead(QStringView(folded).sliced(i * HeadLength, HeadLength));
    m_indexValid = true;
}

int Selector::findPrefix(QStringView prefix) const {
    if (prefix.isEmpty())
        return -1;
    watchModel();
    if (!m_indexValid)
        buildIndex();
    const quint64 mask = headMask(prefix.size());
    const quint64 wanted = packHead(foldCase(prefix.first(std::min(prefix.size(), HeadLength))));
    const qsizetype n = qsizetype(m_heads.size());
    for (qsizetype i = 0; i < n; ++i) {
        if ((m_heads[i] & mask) == wanted && startsWithIgnoringCase(m_texts[i], prefix))
            return int(i);
    }
    return -1;
}

bool Selector::typeAhead(const QString& typed) {
    QLineEdit* edit = lineEdit();
    const QString text = edit->text();
    // A typed character replaces the highlighted part, so what it follows ends where that starts.
    const qsizetype cursor = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const QString beginning = text.left(cursor) + typed;
    const int index = findPrefix(beginning);
    if (index < 0)
        return false;
    const bool moved = index != currentIndex();
    if (moved)
        setCurrentIndex(index);
    const QString entry = itemText(index);
    edit->setText(beginning + entry.sliced(beginning.size()));
    edit->setSelection(int(beginning.size()), int(entry.size() - beginning.size()));
    if (moved)
        Q_EMIT picked(index);
    return true;
}

void Selector::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    // AltGr comes as Ctrl+Alt on some systems and types a character like any other key.
    const bool shortcut =
        (modifiers & (Qt::ControlModifier | Qt::MetaModifier)) && !(modifiers & Qt::AltModifier);
    const bool character = !typed.isEmpty() && typed.front().isPrint() && !shortcut;
    if (character && !lineEdit()->isReadOnly() && typeAhead(typed)) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

} // namespace teklifo
