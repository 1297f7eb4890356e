#pragma once

#include "toolkit/Dialog.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QProgressBar;

namespace teklifo {

class FlatButton;
class Query;

// The bulk deletion dialog: empties the catalogues of the ticked categories, one record at a
// time through the main window's queries, showing the category at work and a progress bar.
class TFrmVeriSil : public FixedDialog {
    Q_OBJECT
public:
    TFrmVeriSil(std::array<Query*, 19> queries, QWidget* parent);

    void SpeedButton1Click(); // "Tümünü Seç"
    void BtnSilClick();       // "Kayıt Sil"
    void BtnKapatClick();     // "Kapat"
    void FormClose();

    QCheckBox* CheckBox(int position) const { return m_checkBox[position - 1]; }

    QGroupBox* GroupBox1 = nullptr;
    FlatButton* SpeedButton1 = nullptr;
    FlatButton* BtnSil = nullptr;
    FlatButton* BtnKapat = nullptr;
    QLabel* Label1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;

public Q_SLOTS:
    // Every way of closing the dialog ends here.
    void done(int result) override;

private:
    void setStatus(const QString& text);

    std::array<Query*, 19> m_queries;
    std::array<QCheckBox*, 19> m_checkBox{};
};

} // namespace teklifo
