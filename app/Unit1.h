#pragma once

#include "app/Categories.h"

#include <QWidget>
#include <array>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace teklifo {

class Connection;
class Query;
class DataSource;
class DBEdit;
class TSrDBGrid;
class DBNavigator;
class FlatButton;
class FramePanel;
class ValidatedEdit;
class UpDown;
class RadioGroup;
class TFrmCevir;
class TFrmHakkinda;
class TFrmPrint;
class TFrmPrintAyar;
class TFrmVeriSil;

// The main window: the quotation panel with the nineteen category rows, the totals, the
// conversion and the command box, and the catalogue editor panel. It owns the database
// connection and the nineteen queries for the whole run.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The dialogs the commands show; start-up hands them over once they exist.
    void setDialogs(TFrmCevir* cevir, TFrmHakkinda* hakkinda, TFrmPrint* print, TFrmPrintAyar* printAyar,
                    TFrmVeriSil* veriSil);

    // --- start-up
    void FormCreate();
    void FormShow();
    void FillComboBoxes();

    // --- component selection
    void ComboBoxClick(int position); // ComboBox1Click … ComboBox19Click
    void ComboBox1Change();           // the change handler of all nineteen selectors
    void BtnClick(int position);      // Btn1Click … Btn19Click
    void UpdateControlStates();

    // --- totals and VAT
    void BtnHesapClick();
    void BtnHesap2Click();
    void Edit10Change();
    void UpdateTotals();
    void UpDown1Click();
    enum class ResetKind { StartUp, ReturnFromEditor };
    void ResetTotals(ResetKind kind);
    void ClearConvertedTotal();

    // --- commands
    void BtnCevirClick();
    void Button1Click(); // "Veri Girişi"
    void Button2Click(); // "Firma Bilgileri"
    void Button3Click(); // "Hakkında"
    void Button4Click(); // "Çıkış"
    void Button5Click(); // "Sistemi Yazdır"

    // --- catalogue editor
    void RadioGroup1Click();
    void BitBtn1Click();      // "Pc Hazırla"
    void SpeedButton1Click(); // "Veri Sil"
    void LoadNavigatorGlyphs();
    // Posts each pending record that was changed and cancels the unchanged ones, as a move
    // would, in position order; throws the first post that fails, leaving that record pending.
    void PostPendingRecords();

    // --- what the rest of the program works on
    Connection* connection() const { return m_connection.get(); }
    Query* Tablo(int position) const { return m_tablo[position - 1]; }
    DataSource* DataSourceN(int position) const { return m_dataSource[position - 1]; }
    QComboBox* ComboBox(int position) const { return m_comboBox[position - 1]; }
    DBEdit* DBEditN(int position) const { return m_dbEdit[position - 1]; }
    FlatButton* Btn(int position) const { return m_btn[position - 1]; }
    std::array<Query*, CategoryCount> queries() const { return m_tablo; }

    FramePanel* Panel1 = nullptr; // quotation panel
    FramePanel* Panel2 = nullptr; // catalogue editor panel
    FramePanel* Panels2 = nullptr; // totals box
    FramePanel* Panel3 = nullptr;  // conversion box
    FramePanel* Panel4 = nullptr;  // command box
    QWidget* GezenPanel = nullptr; // hidden working fields

    ValidatedEdit* Edit1 = nullptr; // total excluding VAT
    ValidatedEdit* Edit2 = nullptr; // VAT rate
    ValidatedEdit* Edit3 = nullptr; // total including VAT
    UpDown* UpDown1 = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* Label22 = nullptr;
    QLabel* Label23 = nullptr;

    QPushButton* BtnHesap = nullptr;
    QPushButton* BtnHesap2 = nullptr;
    ValidatedEdit* Edit10 = nullptr; // VAT base
    ValidatedEdit* Edit11 = nullptr; // conversion base
    QLabel* Label25 = nullptr;

    FlatButton* BtnCevir = nullptr;
    ValidatedEdit* EditCevir = nullptr;

    FlatButton* Button1 = nullptr;
    FlatButton* Button2 = nullptr;
    FlatButton* Button5 = nullptr;
    FlatButton* Button3 = nullptr;
    FlatButton* Button4 = nullptr;

    // Catalogue editor panel.
    RadioGroup* RadioGroup1 = nullptr;
    FlatButton* BitBtn1 = nullptr;
    FlatButton* SpeedButton1 = nullptr;
    FramePanel* Panel5 = nullptr;
    QLabel* Label1 = nullptr; // model count caption
    QLabel* Label24 = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* Label27 = nullptr;
    DBEdit* DBEdit20 = nullptr; // PARCA
    DBEdit* DBEdit21 = nullptr; // FIYAT
    DBNavigator* DBNavigator1 = nullptr;
    TSrDBGrid* DBGrid1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildQuotationPanel();
    void buildTotalsBox();
    void buildConversionBox();
    void buildCommandBox();
    void buildWorkingPanel();
    void buildEditorPanel();
    void setTabOrder();

    std::unique_ptr<Connection> m_connection;
    std::array<Query*, CategoryCount> m_tablo{};
    std::array<DataSource*, CategoryCount> m_dataSource{};
    std::array<QLabel*, CategoryCount> m_rowLabel{};
    std::array<QComboBox*, CategoryCount> m_comboBox{};
    std::array<DBEdit*, CategoryCount> m_dbEdit{};
    std::array<FlatButton*, CategoryCount> m_btn{};

    TFrmCevir* m_frmCevir = nullptr;
    TFrmHakkinda* m_frmHakkinda = nullptr;
    TFrmPrint* m_frmPrint = nullptr;
    TFrmPrintAyar* m_frmPrintAyar = nullptr;
    TFrmVeriSil* m_frmVeriSil = nullptr;
    bool m_shown = false;
};

} // namespace teklifo
