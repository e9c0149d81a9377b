#include "records/state.h"
#include "windows/pickers/monthpicker.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QShowEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class MonthPicker : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }

    template <typename Act> bool Run(Act act) {
        TForm2 form(nullptr);
        QTimer::singleShot(0, &form, [&] { act(form); });
        return form.RunModal();
    }
};

QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items << list->itemText(i);
    }
    return items;
}

TEST_F(MonthPicker, PreselectsTheHandedMonthAndHandsTheChoiceBack) {
    SelYear = 2007;
    SelMonth = 3;
    EXPECT_TRUE(Run([](TForm2& form) {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("指定月"));
        QStringList years = Items(form.ComboBox1);
        ASSERT_EQ(years.size(), 97);
        EXPECT_EQ(years.front(), QStringLiteral("2003年"));
        EXPECT_EQ(years[23], QStringLiteral("2026年"));
        EXPECT_EQ(years.back(), QStringLiteral("2099年"));
        EXPECT_EQ(form.ComboBox2->count(), 12);
        EXPECT_EQ(form.ComboBox2->itemText(0), QStringLiteral(" 1月"));
        EXPECT_EQ(form.ComboBox2->itemText(11), QStringLiteral("12月"));
        EXPECT_EQ(form.ComboBox1->currentText(), QStringLiteral("2007年"));
        EXPECT_EQ(form.ComboBox2->currentText(), QStringLiteral(" 3月"));
        form.ComboBox1->setCurrentIndex(96);
        form.ComboBox2->setCurrentIndex(11);
        // Restoring the program after Esc minimised it shows the dialog
        // again; the choice stays.
        QShowEvent restored;
        QCoreApplication::sendEvent(&form, &restored);
        EXPECT_EQ(form.ComboBox1->currentText(), QStringLiteral("2099年"));
        form.Button1->click();
    }));
    EXPECT_EQ(DialogResult, 1);
    EXPECT_EQ(SelYear * 100 + SelMonth, 209912);
}

TEST_F(MonthPicker, AYearOutsideTheListStartsAtTheNearestYearAndCancelHandsNothingBack) {
    for (auto [year, shown] : {std::pair{2150, "2099年"}, std::pair{1999, "2003年"}}) {
        SelYear = year;
        SelMonth = 12;
        EXPECT_FALSE(Run([shown](TForm2& form) {
            EXPECT_EQ(form.ComboBox1->currentText(), QString::fromUtf8(shown));
            EXPECT_EQ(form.ComboBox2->currentText(), QStringLiteral("12月"));
            form.ComboBox2->setCurrentIndex(0);
            form.Button2->click();
        }));
        EXPECT_EQ(DialogResult, 0);
        EXPECT_EQ(SelYear * 100 + SelMonth, year * 100 + 12);
    }
}

// Typing the number picks its item, whatever blank the item starts with; a
// digit that continues no number starts a new one, and a number no item has
// changes nothing.
TEST_F(MonthPicker, TypedNumbersPickTheirItems) {
    SelYear = 2003;
    SelMonth = 10;
    EXPECT_TRUE(Run([](TForm2& form) {
        const std::pair<const char*, const char*> months[] = {
            {"9", " 9月"}, {"12", "12月"}, {"1", " 1月"}, {"13", " 3月"}, {"0", " 3月"}};
        for (auto [typed, item] : months) {
            QTest::keyClicks(form.ComboBox2, typed);
            EXPECT_EQ(form.ComboBox2->currentText(), QString::fromUtf8(item)) << typed;
        }
        QTest::keyClicks(form.ComboBox1, "2005");
        EXPECT_EQ(form.ComboBox1->currentText(), QStringLiteral("2005年"));
        QTest::keyClicks(form.ComboBox1, "9");
        EXPECT_EQ(form.ComboBox1->currentText(), QStringLiteral("2005年"));
        form.Button1->click();
    }));
    EXPECT_EQ(SelYear * 100 + SelMonth, 200503);
}

} // namespace
