#pragma once
// The leaving-time dialog (TForm9, "退社時刻自動入力").

#include "platform/modalform.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The leaving-time dialog of the close query: today's leaving time, with
// "+" and "-" by one minute. It reports DialogResult and LeavingTime.
class TForm9 : public TModalForm {
    Q_OBJECT
public:
    explicit TForm9(QWidget* owner);

    QLabel* Label1 = nullptr;
    QLineEdit* Memo1 = nullptr;
    QLineEdit* Memo2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;

    void FormShow();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();

protected:
    void showEvent(QShowEvent* event) override;
};

// "9月27日(月)の退社時刻を自動入力します。" for the day of the given row.
std::string LeavingDayText(int row);
