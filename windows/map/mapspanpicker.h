#pragma once
// The map's span picker (TForm11, "集計期間選択").

#include "platform/modalform.h"

class QComboBox;
class QPushButton;

// "集計期間選択": the span of months whose steps the map shows. "表示" sums
// the steps into TotalSteps; a start after the end is refused and the dialog
// stays open. While the map forces its first choice there is no cancel.
class TForm11 : public TModalForm {
    Q_OBJECT
public:
    explicit TForm11(QWidget* owner);

    QComboBox *ComboBox1 = nullptr, *ComboBox2 = nullptr, *ComboBox3 = nullptr,
              *ComboBox4 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr;

    // The span chosen by the last "表示".
    int FromYear = 0, FromMonth = 0, ToYear = 0, ToMonth = 0;

    void FormShow();
    void Button1Click();

protected:
    void FirstShow() override { FormShow(); }
};
