#pragma once

#include "platform/modalform.h"

class QComboBox;
class QLabel;
class QPushButton;

// "指定月": a year of the served years and a month. The opener hands the
// month to preselect in SelYear/SelMonth; OK hands the choice back there.
class TForm2 : public TModalForm {
    Q_OBJECT
public:
    explicit TForm2(QWidget* owner);

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
