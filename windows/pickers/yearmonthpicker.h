#pragma once
// The year-and-month picker both month pickers are built on ("指定月").

#include "platform/modalform.h"

#include <cstdint>

class QComboBox;
class QLabel;
class QPushButton;

// A year of the served years and a month, handed over in two program-wide
// variables: they give the item to preselect when the picker opens, and OK
// writes the choice back into them. The main window's month picker and the
// 12-month summary's start picker are this dialog with their own text and
// variables.
class YearMonthPicker : public TModalForm {
    Q_OBJECT
public:
    YearMonthPicker(QWidget* owner, const char* objectName, const char* text, std::int32_t& year,
                    std::int32_t& month);

    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr; // years
    QComboBox* ComboBox2 = nullptr; // months
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

    void FormShow();
    void Button1Click();
    void Button2Click();

protected:
    void FirstShow() override { FormShow(); }

private:
    std::int32_t& year_;
    std::int32_t& month_;
};
