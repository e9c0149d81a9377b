#pragma once

#include "platform/modalform.h"

class QComboBox;
class QLabel;
class QPushButton;

// "指定月" of the 12-month summary: the month the twelve start from. It
// reads and, on OK, writes PeriodStartYear / PeriodStartMonth.
class TForm6sel : public TModalForm {
    Q_OBJECT
public:
    explicit TForm6sel(QWidget* owner);

    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr; // years
    QComboBox* ComboBox2 = nullptr; // months
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

    void FormShow();
    void Button1Click();
    void Button2Click();

protected:
    void showEvent(QShowEvent* event) override;
};
