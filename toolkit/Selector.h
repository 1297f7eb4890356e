#pragma once

#include <QComboBox>
#include <QPointer>
#include <QStringList>
#include <vector>

class QAbstractItemModel;

namespace teklifo {

// An editable drop-down selector with the program's own type-ahead: a typed character that,
// after the text before the cursor, begins an entry (the first such entry in list order, letter
// case ignored) completes the text to that entry with the rest highlighted and selects it.
// Every other edit goes into the text as typed and is reported as an edit. Only the user's own
// picks and edits are reported; leaving the field or pressing Enter picks nothing.
class Selector : public QComboBox {
    Q_OBJECT
public:
    explicit Selector(QWidget* parent = nullptr);

    // The first entry, in list order, that begins with prefix ignoring letter case; -1 if none.
    int findPrefix(QStringView prefix) const;

Q_SIGNALS:
    // The user selected an entry: in the drop-down list, with the arrow keys on the closed
    // selector, or by type-ahead that moved the selection. The text already shows it.
    void picked(int index);
    // The user changed the text in a way type-ahead did not take: typed, deleted, pasted.
    void edited();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool typeAhead(const QString& typed);
    void watchModel() const;
    void buildIndex() const;

    // Built on the first keystroke after the list changed: the entries' texts and the first four
    // letter-case-folded characters of each packed into one number, so a keystroke scans a flat
    // array and compares whole texts only where those characters agree.
    mutable QStringList m_texts;
    mutable std::vector<quint64> m_heads;
    mutable bool m_indexValid = false;
    mutable QPointer<QAbstractItemModel> m_watched;
};

} // namespace teklifo
