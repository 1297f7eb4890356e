#pragma once

// The quotation page: the company block, the table of the nineteen categories and the totals.
// The form is never shown; it only carries the page.

#include "report/Report.h"

#include <QWidget>
#include <array>

namespace teklifo {

class TFrmPrint : public QWidget {
    Q_OBJECT
public:
    static constexpr int RowCount = 19;

    explicit TFrmPrint(QWidget* parent = nullptr);

    Report* QuickRep1() const { return m_report; }
    ReportBand* QRBand1() const { return m_titleBand; }
    ReportBand* QRBand2() const { return m_detailBand; }

    // The 48 labels that receive a text for each print; every other text of the page is fixed.
    ReportLabel* LabelF() const { return m_labelF; }
    ReportLabel* LabelFN(int n) const { return m_labelFN.at(n - 1); } // n = 1 to 5
    ReportLabel* LabelYetkili() const { return m_labelYetkili; }
    ReportLabel* LabelN(int position) const { return m_model.at(position - 1); }  // model, 1 to 19
    ReportLabel* LabelN_(int position) const { return m_price.at(position - 1); } // price, 1 to 19
    ReportLabel* LabelToplam() const { return m_totals[0]; }
    ReportLabel* LabelToplam2() const { return m_totals[1]; }
    ReportLabel* LabelToplam3() const { return m_totals[2]; }

    // Prints the page on the default printer. False when there is no printer or a print is still
    // running; the page being printed is never touched by a second request.
    bool printPage() { return m_report->printOnDefaultPrinter(); }
    bool isPrinting() const { return m_report->isBusy(); }
    static bool hasPrinter() { return Report::hasDefaultPrinter(); }
    bool renderToPdf(const QString& path) { return m_report->renderToPdf(path); }

private:
    void buildTitleBand();
    void buildDetailBand();

    Report* m_report;
    ReportBand* m_titleBand;
    ReportBand* m_detailBand;
    ReportLabel* m_labelF = nullptr;
    std::array<ReportLabel*, 5> m_labelFN{};
    ReportLabel* m_labelYetkili = nullptr;
    std::array<ReportLabel*, RowCount> m_model{};
    std::array<ReportLabel*, RowCount> m_price{};
    std::array<ReportLabel*, 3> m_totals{};
};

} // namespace teklifo
