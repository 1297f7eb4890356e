#pragma once

// Whole, not declared: dataSet() converts the guarded pointer, which needs the complete class.
#include "catalogue/Query.h"

#include <QObject>
#include <QPointer>

namespace teklifo {

// Connects one query to the controls bound to it, and passes on every change of the query.
class DataSource : public QObject {
    Q_OBJECT
public:
    explicit DataSource(QObject* parent = nullptr);

    Query* dataSet() const { return m_query; }
    void setDataSet(Query* query);

    // With automatic edit a control the user types into puts the query into edit state.
    bool autoEdit() const { return m_autoEdit; }
    void setAutoEdit(bool on) { m_autoEdit = on; }

    // Starts editing for a bound control about to change; false when the query can't be edited
    // (closed, or automatic edit off while browsing).
    bool edit();

Q_SIGNALS:
    void recordChanged();
    void fieldChanged(const QString& field);
    void stateChanged();
    void layoutChanged();
    void updateRecord();
    void edgesChanged();   // the query hit its beginning or end without moving
    void dataSetChanged(); // bound to another query

private:
    QPointer<Query> m_query;
    bool m_autoEdit = true;
};

} // namespace teklifo
