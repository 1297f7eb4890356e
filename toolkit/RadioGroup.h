#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QButtonGroup;
class QRadioButton;

namespace teklifo {

// A captioned box of radio buttons, one per item, arranged in columns filled from top to
// bottom. itemIndex() is the chosen item (-1 for none); clicked() is emitted when the user
// chooses another item, never for the item already chosen nor for a change made in code.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit RadioGroup(const QString& caption, QWidget* parent = nullptr);

    void setItems(const QStringList& items);
    int count() const { return int(m_buttons.size()); }
    QRadioButton* button(int index) const { return m_buttons[index]; }

    void setColumns(int columns);
    int columns() const { return m_columns; }

    int itemIndex() const { return m_itemIndex; }
    void setItemIndex(int index);

Q_SIGNALS:
    void clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void arrange();
    void updateTabStop();
    void onToggled(int id, bool checked);

    QButtonGroup* m_group;
    std::vector<QRadioButton*> m_buttons;
    int m_columns = 1;
    int m_itemIndex = -1;
    bool m_updating = false;
};

} // namespace teklifo
