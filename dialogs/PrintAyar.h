#pragma once

#include "toolkit/Dialog.h"

#include <QString>
#include <array>

class QLabel;
class QLineEdit;

namespace teklifo {

class FlatButton;

// The dealer's company details, in the order they are edited, stored and printed.
struct CompanyInfo {
    QString name;
    QString address;
    QString telephone;
    QString taxOffice;
    QString taxNumber;
    QString representative;
};

// The full path of the company file: the folder of the executable followed by "PcFirma.ssd",
// whatever the current directory.
QString CompanyFileName();

// Puts the company file elsewhere (tests keep theirs in a temporary folder, away from the
// executables they share); an empty path goes back to the file beside the executable.
void setCompanyFileName(const QString& path);

// The company details dialog. Its six fields are the live company details of the run: read from
// the company file when the dialog is created, written back each time it closes.
class TFrmPrintAyar : public FixedDialog {
    Q_OBJECT
public:
    static constexpr int FieldCount = 6;

    explicit TFrmPrintAyar(QWidget* parent);

    QLineEdit* Edit(int n) const { return m_edit.at(n - 1); } // Edit1 … Edit6
    QLabel* Label(int n) const { return m_label.at(n - 1); }  // Label1 … Label6
    FlatButton* SpeedButton1 = nullptr;                       // "Tamam / Kaydet"
    FlatButton* SpeedButton2 = nullptr;                       // "Tümünü Temizle"

    // The six fields as they stand now.
    CompanyInfo companyInfo() const;

    void FormCreate();
    void LoadCompanyInfo();
    void SaveCompanyInfo();
    void SpeedButton1Click();
    void SpeedButton2Click();

    // Every close ends here (the button, the title bar, the system menu): the details are saved
    // first, and a close whose save failed goes ahead only when the user lets it.
    void done(int result) override;

private:
    std::array<QLineEdit*, FieldCount> m_edit{};
    std::array<QLabel*, FieldCount> m_label{};
};

} // namespace teklifo
