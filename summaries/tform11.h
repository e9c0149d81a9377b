#pragma once

#include "platform/modalform.h"

#include <cstdint>
#include <filesystem>

class QComboBox;
class QPushButton;

// The steps of the closing-day months from (fromYear, fromMonth) to
// (toYear, toMonth), both included, by the summary engine; months without a
// day file add nothing.
std::int64_t StepsOfMonths(const std::filesystem::path& folder, int fromYear, int fromMonth,
                           int toYear, int toMonth);

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
    void showEvent(QShowEvent* event) override;
};
