#include "catalogue/DataSource.h"

#include "catalogue/Query.h"

namespace teklifo {

DataSource::DataSource(QObject* parent) : QObject(parent) {}

void DataSource::setDataSet(Query* query) {
    if (m_query == query)
        return;
    if (m_query)
        disconnect(m_query, nullptr, this, nullptr);
    m_query = query;
    if (query) {
        connect(query, &Query::recordChanged, this, &DataSource::recordChanged);
        connect(query, &Query::fieldChanged, this, &DataSource::fieldChanged);
        connect(query, &Query::stateChanged, this, &DataSource::stateChanged);
        connect(query, &Query::layoutChanged, this, &DataSource::layoutChanged);
        connect(query, &Query::updateRecord, this, &DataSource::updateRecord);
        connect(query, &Query::edgesChanged, this, &DataSource::edgesChanged);
    }
    Q_EMIT dataSetChanged();
}

bool DataSource::edit() {
    if (!m_query || !m_query->isOpen())
        return false;
    const DataSetState state = m_query->state();
    if (state == DataSetState::Edit || state == DataSetState::Insert)
        return true;
    if (!m_autoEdit)
        return false;
    m_query->edit();
    return true;
}

} // namespace teklifo
