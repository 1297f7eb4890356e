// The rate dialog on the running program: its layout and first texts, TL and YTL conversions of
// the total including VAT, rates that are not numbers, and what it keeps between showings.
#include "app/Startup.h"
#include "app/Unit1.h"
#include "dialogs/cevir.h"
#include "support/Fixtures.h"
#include "toolkit/Controls.h"
#include "toolkit/ValidatedEdit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace teklifo;
using namespace testing_support;

namespace {

// Anakart models, listed as Biostar, Ecs, Negatif.
Catalogue rateCatalogue() { return {{2, {{"Negatif", -5}, {"Biostar", 1235}, {"Ecs", 85}}}}; }

enum Model { Biostar, Ecs, Negatif };

class RateDialog : public ::testing::Test {
protected:
    void SetUp() override {
        makeCatalogue(dir.file("Data.mdb"), rateCatalogue());
        program = std::make_unique<RunningProgram>();
        form = Form1();
        activateForm();
        runIdle();
    }
    void TearDown() override { program.reset(); }

    void activateForm() {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == form; }));
    }

    // Picks a model from the drop-down list of the Anakart row.
    void pick(Model model) {
        pickEntryWithMouse(form->ComboBox(2), int(model));
    }

    // Opens the dialog with the conversion button and runs steps in it. Tells whether the dialog
    // was still open after them; an open one is then closed with its title bar's close button.
    bool inRateDialog(const std::function<void(TFrmCevir*)>& steps) {
        bool ran = false;
        bool open = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TFrmCevir*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            steps(dialog);
            ran = true;
            open = dialog->isVisible();
            if (open)
                dialog->close();
        });
        QTest::mouseClick(form->BtnCevir, Qt::LeftButton);
        EXPECT_TRUE(ran) << "the dialog did not open";
        activateForm();
        runIdle();
        return open;
    }

    static void retype(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    ValidatedEdit* converted() const { return form->EditCevir; }

    TempWorkDir dir;
    std::unique_ptr<RunningProgram> program;
    TForm1* form = nullptr;
};

TEST_F(RateDialog, OpensWithItsFirstTextsAndNeitherEnterNorEscCloses) {
    EXPECT_FALSE(form->BtnCevir->isEnabled()) << "nothing to convert yet";
    pick(Biostar);
    ASSERT_TRUE(form->BtnCevir->isEnabled());
    const bool open = inRateDialog([&](TFrmCevir* d) {
        EXPECT_EQ(d->objectName(), "FrmCevir");
        EXPECT_EQ(d->windowTitle(), "Kur Girişi");
        EXPECT_EQ(d->pos(), QPoint(386, 204));
        EXPECT_EQ(d->size(), QSize(335, 194));
        EXPECT_EQ(d->Edit1->text(), "1480000");
        EXPECT_EQ(d->Edit2->text(), "1,48");
        EXPECT_EQ(d->Edit1->width(), 135);
        EXPECT_EQ(d->Edit1->palette().color(QPalette::Base), clSilver);
        EXPECT_EQ(d->Edit2->palette().color(QPalette::Base), clSilver);
        EXPECT_TRUE(d->RBtn1->isChecked());
        EXPECT_FALSE(d->RBtn2->isChecked());
        EXPECT_EQ(d->RBtn1->text(), "TL ye çevir");
        EXPECT_EQ(d->RBtn2->text(), "YTL ye çevir");
        EXPECT_EQ(d->Button1->text(), "Çevir");
        EXPECT_EQ(d->Button1->size(), QSize(263, 25));
        EXPECT_EQ(d->Button1->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(d->focusWidget(), d->Edit1);
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(d->Edit1, key);
            EXPECT_TRUE(d->isVisible()) << key;
        }
    });
    EXPECT_TRUE(open);
    EXPECT_EQ(converted()->text(), "0") << "neither the keys nor closing converted anything";
}

struct Conversion {
    const char* name;
    Model model;
    bool ytl;
    const char* rate; // typed over the initial rate, or null
    const char* shown;
    const char* value;
};

const Conversion conversions[] = {
    {"1457 to TL", Biostar, false, nullptr, "2.156.360.000  TL", "2156360000"},
    {"1457 to YTL", Biostar, true, nullptr, "2.156,36  YTL", "2156,36"},
    {"100 to TL", Ecs, false, nullptr, "148.000.000  TL", "148000000"},
    {"100 to YTL keeps two decimals", Ecs, true, nullptr, "148,00  YTL", "148"},
    {"a YTL rate of 1,5", Biostar, true, "1,5", "2.185,50  YTL", "2185,5"},
    {"a TL amount shows no decimals", Biostar, false, "1480000,5", "2.156.360.729  TL", "2156360728,5"},
    {"YTL half a kuruş rounds up", Ecs, true, "1,00005", "100,01  YTL", "100,005"},
    {"a negative total converts negative", Negatif, false, nullptr, "-8.880.000  TL", "-8880000"},
};

class RateConversion : public RateDialog, public ::testing::WithParamInterface<Conversion> {};

TEST_P(RateConversion, ConvertsTheTotalIncludingVat) {
    const Conversion& c = GetParam();
    pick(c.model);
    const bool open = inRateDialog([&](TFrmCevir* d) {
        if (c.ytl)
            QTest::mouseClick(d->RBtn2, Qt::LeftButton);
        if (c.rate)
            retype(c.ytl ? d->Edit2 : d->Edit1, QString::fromUtf8(c.rate));
        QTest::mouseClick(d->Button1, Qt::LeftButton);
    });
    EXPECT_FALSE(open) << "a conversion closes the dialog";
    EXPECT_EQ(converted()->text(), QString::fromUtf8(c.shown));
    EXPECT_EQ(converted()->valueText(), c.value);
    EXPECT_EQ(converted()->palette().color(QPalette::Base), clWhite);
}

INSTANTIATE_TEST_SUITE_P(Cases, RateConversion, ::testing::ValuesIn(conversions),
                         [](const auto& info) { return std::to_string(info.index); });

TEST_F(RateDialog, ARateThatIsNotANumberIsSaidAndChangesNothing) {
    pick(Biostar);
    inRateDialog([](TFrmCevir* d) { QTest::mouseClick(d->Button1, Qt::LeftButton); });
    ASSERT_EQ(converted()->text(), "2.156.360.000  TL");

    struct Bad {
        bool ytl;
        const char* rate;
    };
    const Bad bad[] = {{false, "1.480.000"}, {true, "1.48"}, {false, ""}, {true, "bir"}};
    for (const Bad& b : bad) {
        SCOPED_TRACE(b.rate);
        MessageBoxWatcher boxes;
        const bool open = inRateDialog([&](TFrmCevir* d) {
            QTest::mouseClick(b.ytl ? d->RBtn2 : d->RBtn1, Qt::LeftButton);
            QLineEdit* field = b.ytl ? d->Edit2 : d->Edit1;
            RateDialog::retype(field, QString::fromUtf8(b.rate));
            QTest::mouseClick(d->Button1, Qt::LeftButton);
            ASSERT_EQ(boxes.seen().size(), 1);
            EXPECT_EQ(boxes.seen()[0].title, "Hata");
            EXPECT_EQ(boxes.seen()[0].text,
                      QStringLiteral("'%1' geçerli bir sayı değil.").arg(QString::fromUtf8(b.rate)));
            EXPECT_EQ(boxes.seen()[0].buttons, QStringList({"TAMAM"}));
            EXPECT_EQ(d->focusWidget(), field);
            EXPECT_EQ(field->text(), QString::fromUtf8(b.rate));
            // Put right, it converts.
            RateDialog::retype(field, b.ytl ? "1,48" : "1480000");
            QTest::mouseClick(d->Button1, Qt::LeftButton);
        });
        EXPECT_FALSE(open);
        EXPECT_EQ(converted()->text(), b.ytl ? "2.156,36  YTL" : "2.156.360.000  TL");
    }

    // Closing it with an error box answered leaves the conversion as it was.
    MessageBoxWatcher boxes;
    EXPECT_TRUE(inRateDialog([](TFrmCevir* d) {
        RateDialog::retype(d->Edit1, "1.480.000");
        QTest::mouseClick(d->RBtn1, Qt::LeftButton);
        QTest::mouseClick(d->Button1, Qt::LeftButton);
    }));
    EXPECT_EQ(boxes.seen().size(), 1);
    EXPECT_EQ(converted()->text(), "2.156,36  YTL");
    EXPECT_EQ(converted()->displaySuffix(), "  YTL");
    EXPECT_EQ(converted()->decimalPlaces(), 2);
}

TEST_F(RateDialog, KeepsItsTextsAndChoiceBetweenShowings) {
    pick(Ecs);
    EXPECT_TRUE(inRateDialog([](TFrmCevir* d) {
        RateDialog::retype(d->Edit1, "1500000");
        RateDialog::retype(d->Edit2, "1,5");
        QTest::mouseClick(d->RBtn2, Qt::LeftButton);
    }));
    EXPECT_EQ(converted()->text(), "0") << "closing converts nothing";

    EXPECT_FALSE(inRateDialog([](TFrmCevir* d) {
        EXPECT_EQ(d->Edit1->text(), "1500000");
        EXPECT_EQ(d->Edit2->text(), "1,5");
        EXPECT_TRUE(d->RBtn2->isChecked());
        EXPECT_EQ(d->focusWidget(), d->Edit1) << "each showing starts in the TL rate";
        QTest::mouseClick(d->Button1, Qt::LeftButton);
    }));
    EXPECT_EQ(converted()->text(), "150,00  YTL");
}

TEST_F(RateDialog, AnotherSelectionClearsTheConversion) {
    pick(Biostar);
    inRateDialog([](TFrmCevir* d) {
        QTest::mouseClick(d->RBtn2, Qt::LeftButton);
        QTest::mouseClick(d->Button1, Qt::LeftButton);
    });
    ASSERT_EQ(converted()->text(), "2.156,36  YTL");
    pick(Ecs);
    EXPECT_EQ(converted()->text(), "0");
    EXPECT_EQ(converted()->displaySuffix(), "");
    EXPECT_EQ(converted()->decimalPlaces(), 0);
    EXPECT_EQ(converted()->palette().color(QPalette::Base), clSilver);
}

} // namespace
