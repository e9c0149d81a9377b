#pragma once
// The free-period picker (TForm3, "任意期間").

#include "platform/modalform.h"

#include <QDate>

class DateField;
class QGroupBox;
class QLabel;
class QPushButton;

// "任意期間": a free period of 1 to 31 days. It starts at the first and last
// day of the main window's displayed period; OK hands the two dates back in
// PeriodFrom/PeriodTo ("yyyy/m/d").
class TForm3 : public TModalForm {
    Q_OBJECT
public:
    explicit TForm3(QWidget* owner);

    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    DateField* DateTimePicker1 = nullptr; // first day
    DateField* DateTimePicker2 = nullptr; // last day
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

    void FormShow();
    void Button1Click();
    void Button2Click();

protected:
    void FirstShow() override { FormShow(); }
};

// The earliest date the pickers offer: with a closing day below 28 the
// period of January of the first served year begins in the December
// before it.
QDate EarliestPeriodDate();
QDate LatestPeriodDate();
